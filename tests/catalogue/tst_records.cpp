// Working with records through the real window: grid, modes, save, deletion and search,
// each checked against what the catalogue file holds afterwards.
#include <QtTest>

#include <sqlite3.h>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <functional>

#include "BackupDialogs.h"
#include "Connection.h"
#include "Controls.h"
#include "DeleteUndo.h"
#include "Faults.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
bool modeButtonsEnabled(frmMain& w) {
    bool all = true;
    for (const char* k : {"Add", "Edit", "Delete", "Report", "Find"})
        all = all && w.toolbarButton(QString::fromLatin1(k))->isEnabled();
    return all;
}

}  // namespace

using test::Fault;
Q_DECLARE_METATYPE(Fault)

class TestRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // ------------------------------------------------------------ grid

    void sortingByHeadings() {
        test::TestEnv env;
        test::threeCars(env);
        for (const char* n : {"x", "10", "X", "9"})
            env.addRecord({{"Description", u"n%1"_s.arg(n)}, {"Number", n}});
        env.addRecord({{"Description", u"ärger"_s}});
        env.addRecord({{"Description", u"Ärger"_s}});
        test::Window win(env);
        win.clickHeading(1);
        QCOMPARE(win.grid().textMatrix(0, 1), u"Description^"_s);
        const QStringList up{"alfa", "Beetle", "Cortina", "n10",  "n9",
                             "nX",   "nx",     "Ärger",   "ärger"};
        QCOMPARE(win.column(1), up);
        win.clickHeading(1);
        QCOMPARE(win.grid().textMatrix(0, 1), u"Descriptionv"_s);
        QCOMPARE(win.column(1), QStringList(up.rbegin(), up.rend()));
        // Another heading takes the marker; numbers first and in order, equal texts keep their
        // order both ways.
        win.clickHeading(3);
        QCOMPARE(win.grid().textMatrix(0, 1), u"Description"_s);
        QCOMPARE(win.grid().textMatrix(0, 3), u"Number^"_s);
        QCOMPARE(win.column(3), QStringList({"9", "10", "", "", "", "", "", "X", "x"}));
        const QStringList equal{"ärger", "Ärger", "Cortina", "Beetle", "alfa"};
        QCOMPARE(win.column(1).mid(2, 5), equal);
        win.clickHeading(3);
        QCOMPARE(win.column(3), QStringList({"x", "X", "", "", "", "", "", "10", "9"}));
        QCOMPARE(win.column(1).mid(2, 5), equal);
        // Each row still shows its own record.
        for (int r = 1; r < win.grid().rows(); ++r) {
            win.clickRow(r);
            QCOMPARE(win.field(1), win.grid().textMatrix(r, 1));
        }
    }

    // A save and a deletion change one row of a sorted grid: the marker, the order of the
    // other rows and the current row stay. A saved record keeps its row and a new one is listed
    // last, until the next sort; after a deletion the next record is shown.
    void saveAndDeleteKeepTheSort() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window win(env);
        win.clickHeading(1);
        win.clickHeading(1);
        win.clickRow(2);  // Beetle, ID 1
        win.press("Edit");
        win.setField(1, u"Zephyr"_s);
        win.save();
        QCOMPARE(win.grid().textMatrix(0, 1), u"Descriptionv"_s);
        QCOMPARE(win.column(1), QStringList({"Cortina", "Zephyr", "alfa"}));
        QCOMPARE(win.grid().row(), 2);
        win.press("Add");
        win.setField(1, u"Anglia"_s);
        win.save();
        QCOMPARE(win.column(1), QStringList({"Cortina", "Zephyr", "alfa", "Anglia"}));
        QCOMPARE(win.grid().row(), 4);
        QCOMPARE(win.field(1), u"Anglia"_s);
        win.clickRow(2);
        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        QCOMPARE(win.grid().textMatrix(0, 1), u"Descriptionv"_s);
        QCOMPARE(win.column(1), QStringList({"Cortina", "alfa", "Anglia"}));
        QCOMPARE(win.field(1), u"alfa"_s);
        QCOMPARE(win.grid().row(), 2);
        win.clickHeading(1);
        QCOMPARE(win.column(1), QStringList({"alfa", "Anglia", "Cortina"}));
    }

    // ------------------------------------------------------------ modes and save

    void addCancelAndEdit() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window win(env);
        win.press("Add");
        QVERIFY(!modeButtonsEnabled(*win.w));
        QVERIFY(ui(win).cmdSave->isVisible());
        QVERIFY(!ui(win).txtTextl[1]->locked());
        QCOMPARE(win.field(1), QString());
        ui(win).cmdCancel->click();

        win.clickRow(2);
        win.press("Edit");
        win.setField(9, u"  Bright red  "_s);
        win.save();
        QCOMPARE(win.stored("Color", 2), u"Bright red"_s);
        QCOMPARE(win.field(9), u"Bright red"_s);
        QVERIFY(ui(win).txtTextl[9]->locked());
        QCOMPARE(win->statusText(), u"       Total Found In The Database Are:  3  Records"_s);

        // Edit, change, Cancel: the stored record is unchanged and shown as stored.
        win.press("Edit");
        win.setField(1, u"scribble"_s);
        ui(win).cmdCancel->click();
        win.clickRow(2);
        QCOMPARE(win.field(1), u"alfa"_s);
        QCOMPARE(win.stored("Description", 2), u"alfa"_s);
    }

    void addingStoresExactlyOneRecord() {
        test::TestEnv env;
        env.addRecord({{"Description", "only"}});
        test::Window win(env);
        win.press("Add");
        QTest::keyClicks(ui(win).txtTextl[1]->textbox(), u"  Land Rover  "_s);
        QTest::keyClicks(ui(win).txtNotes, u"  keep my spaces  "_s);
        win.save();
        QCOMPARE(win.count(), 2);
        const auto row = env.rows("SELECT * FROM table1 WHERE ID=2").first();
        QCOMPARE(row[1].toString(), u"Land Rover"_s);
        QCOMPARE(row[23].toString(), u"  keep my spaces  "_s);
        for (int c = 2; c <= 22; ++c)  // every empty box stores a space
            QCOMPARE(row[c].toString(), u" "_s);
        // The saved record is the one shown and the one the next save writes.
        QCOMPARE(win.field(1), u"Land Rover"_s);
        QCOMPARE(win.currentId(), 2);
        win.press("Edit");
        win.setField(2, u"1990"_s);
        win.save();
        QCOMPARE(win.stored("Year", 2), u"1990"_s);
        QCOMPARE(env.value("SELECT Year FROM table1 WHERE ID=1"), QVariant());
    }

    void gridChoiceInAddModeStillAddsANewRecord() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window win(env);
        win.press("Add");
        win.clickRow(3);
        QCOMPARE(win.field(1), u"Cortina"_s);
        QVERIFY(ui(win).cmdSave->isVisible());
        QVERIFY(!ui(win).txtTextl[1]->locked());
        win.setField(9, u"copy"_s);
        win.save();
        QCOMPARE(win.count(), 4);
        QCOMPARE(win.stored("Color", 3), u"Green"_s);
        QCOMPARE(win.stored("Description", 4), u"Cortina"_s);
    }

    // A save the catalogue refuses says so once, keeps the typing and the mode, and changes
    // nothing; once the fault is gone the same save goes through into the same record.
    void aRefusedSaveKeepsTheWork_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("adding");
        QTest::newRow("locked, edit") << Fault::Locked << false;
        QTest::newRow("locked, new") << Fault::Locked << true;
        QTest::newRow("read-only file") << Fault::ReadOnlyFile << true;
        QTest::newRow("read-only folder") << Fault::ReadOnlyFolder << false;
        QTest::newRow("full disk") << Fault::FullDisk << false;
    }
    void aRefusedSaveKeepsTheWork() {
        QFETCH(Fault, fault);
        QFETCH(bool, adding);
        test::TestEnv env;
        test::threeCars(env);
        // A picture of a few hundred KB, so that a full disk shows.
        QByteArray big(400000, '\0');
        for (int i = 0; i < big.size(); ++i)
            big[i] = char((unsigned(i) * 7919u) >> 3);
        env.writeFile(u"big.jpg"_s, big);
        test::Window win(env);
        sqlite3_busy_timeout(win->session().connection().handle(), 50);
        win.clickRow(2);
        win.press(adding ? "Add" : "Edit");
        win.setField(9, u"Copper"_s);
        ui(win).txtPicDir->setText(env.path(u"big.jpg"_s));
        ui(win).Option1[0]->setChecked(true);
        {
            test::FaultScope scope(env, fault, env.dbPath());
            if (!scope.ok())
                QSKIP("cannot set this fault up here");
            env.prompts().answerMsg(mb::OK);
            win.save();
            QVERIFY(
                env.prompts().shown.value(0).text.startsWith(u"The record could not be saved:"_s));
            QVERIFY(ui(win).cmdSave->isVisible());
            QVERIFY(!ui(win).txtTextl[9]->locked());
            QCOMPARE(win.field(9), u"Copper"_s);
            QCOMPARE(win->recordSet()->recordCount(), 3L);
        }
        QCOMPARE(env.value("PRAGMA integrity_check").toString(), u"ok"_s);
        QCOMPARE(win.count(), 3);
        QCOMPARE(win.stored("Color", 2), u"Dark red"_s);
        win.save();
        const qint64 id = adding ? 4 : 2;
        QCOMPARE(win.count(), adding ? 4 : 3);
        QCOMPARE(win.stored("Color", id), u"Copper"_s);
        QCOMPARE(env.value("SELECT length(binpicdata) FROM table1 WHERE ID=?", {id}).toInt(),
                 big.size());
    }

    // ------------------------------------------------------------ deletion

    void deletingTheShownRecord() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window win(env);
        win.clickHeading(1);  // sorted: the grid order is not the record order
        win.clickRow(2);      // Beetle, ID 1
        QCOMPARE(win.field(1), u"Beetle"_s);
        env.prompts().answerMsg(mb::Cancel);
        win.press("Delete");
        QCOMPARE(env.prompts().shown.last().text,
                 u"You are about to delete this record, are you sure?"_s);
        QCOMPARE(win.count(), 3);

        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        QCOMPARE(env.value("SELECT group_concat(ID) FROM table1").toString(), u"2,3"_s);
        QCOMPARE(win->statusText(), u"Total Records In The Database :  2"_s);
        QCOMPARE(win.grid().rows(), 3);
        QCOMPARE(win.field(1), u"alfa"_s);  // the next record
        QVERIFY(ui(win).txtTextl[1]->locked());
        QCOMPARE(win.currentId(), 2);

        // A blank panel shows no record: Delete says so, and nothing is deleted.
        win.press("Add");
        ui(win).cmdCancel->click();
        const QString status = win->statusText();
        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        QCOMPARE(
            env.prompts().shown.last().text,
            u"No record is shown, so none is deleted.\r\n\r\nChoose the record in the grid first."_s);
        QCOMPARE(win.count(), 2);
        QCOMPARE(win->statusText(), status);

        // The last record deleted: the one before it is shown.
        win.clickRow(2);
        QCOMPARE(win.field(1), u"Cortina"_s);
        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        QCOMPARE(env.value("SELECT group_concat(ID) FROM table1").toString(), u"2"_s);
        QCOMPARE(win.field(1), u"alfa"_s);

        // The last record is kept.
        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        const auto& m = env.prompts().shown.last();
        QCOMPARE(m.text,
                 u"There needs to be at least one record in the database.\r\n"
                 u"\r\nPlease edit this record."_s);
        QVERIFY(ui(win).cmdSelect->isVisible());
        QCOMPARE(win.count(), 1);
    }

    // Ctrl+Z in browse mode brings the deleted record back with its ID, its pictures and its
    // row; while a field is typed in, Ctrl+Z is the field's. Deleted again, it is still there
    // after a restart, under Help > "Recently deleted…".
    void undoingADelete() {
        test::TestEnv env;
        test::threeCars(env);
        const QString all = u"SELECT * FROM table1 ORDER BY ID"_s;
        const QString pictures =
            u"SELECT record_id, position, bytes, caption FROM record_pictures"_s;
        QList<QVariantList> before;
        {
            test::Window win(env);
            env.exec(
                u"INSERT INTO record_pictures (record_id, position, bytes, caption) "
                u"VALUES (2, 2, ?, 'side')"_s,
                {test::pictureBytes("PNG")});
            before = env.rows(all) + env.rows(pictures);
            win.clickHeading(1);
            const QStringList order = win.column(1);
            win.show(2);
            env.prompts().answerMsg(mb::OK);
            win.press("Delete");
            QCOMPARE(env.rows(pictures).size(), 0);
            QVERIFY(win->deleteUndo()->button()->isVisible());
            win.press("Edit");
            QTest::keyClick(ui(win).txtTextl[1]->textbox(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(win.count(), 2);
            ui(win).cmdCancel->click();
            QTest::keyClick(win.w.get(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(env.rows(all) + env.rows(pictures), before);
            QCOMPARE(win.column(1), order);
            QCOMPARE(win.field(1), u"alfa"_s);
            QVERIFY(!win->deleteUndo()->button()->isVisible());
            env.prompts().answerMsg(mb::OK);
            win.press("Delete");
        }
        test::Window win(env);
        win->showRecentlyDeleted();
        auto* dialog = win->findChild<RecentlyDeletedDialog*>();
        QCOMPARE(dialog->list()->topLevelItemCount(), 1);
        dialog->bringBackChosen();
        QCOMPARE(dialog->list()->topLevelItemCount(), 0);
        QCOMPARE(env.rows(all) + env.rows(pictures), before);
        QCOMPARE(win.column(0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
        dialog->close();
    }

    // ------------------------------------------------------------ search

    void searchFindsAndSelects() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window win(env);
        env.prompts().answerInput(u"  RED "_s);
        win.press("Find");
        const auto& q = env.prompts().shown.value(0);
        QCOMPARE(q.text, u"Search for an entry"_s);
        QCOMPARE(q.defaultText, u"red"_s);
        QCOMPARE(win.field(1), u"alfa"_s);
        QCOMPARE(ui(win).txtTextl[9]->selStart(), 5);
        QCOMPARE(ui(win).txtTextl[9]->selLength(), 3);
        QCOMPARE(QApplication::focusWidget(), ui(win).txtTextl[9]->textbox());
        QCOMPARE(win.currentId(), 2);

        // No answer, then no match: the record shown stays, and is the one a save writes.
        win.clickRow(3);
        env.prompts().answerInput(u"   "_s);
        win.press("Find");
        env.prompts().answerInput(u"purple"_s);
        env.prompts().answerMsg(mb::OK);
        win.press("Find");
        const auto& m = env.prompts().shown.last();
        QCOMPARE(env.prompts().shown.size(), 4);
        QCOMPARE(m.text, u"No Match found in Database!"_s);
        QCOMPARE(win.field(1), u"Cortina"_s);
        win.press("Edit");
        win.setField(9, u"Teal"_s);
        win.save();
        QCOMPARE(win.stored("Color", 3), u"Teal"_s);
    }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
