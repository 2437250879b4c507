// Working with records through the real window: grid, modes, save, deletion and search,
// each checked against what the catalogue file holds afterwards.
#include <QtTest>

#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "Connection.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "Window.h"

using namespace kbs;

namespace {
void addRecords(const test::TestEnv& env, const QList<QVariantMap>& records) {
    for (const auto& r : records)
        env.addRecord(r);
}

void three(const test::TestEnv& env) {
    addRecords(env, {{{"Description", "Beetle"}, {"Year", "1970"}, {"Color", "Blue"}},
                     {{"Description", "alfa"}, {"Year", "965"}, {"Color", "Dark red"}},
                     {{"Description", "Cortina"}, {"Year", "1972"}, {"Color", "Green"}}});
}

QStringList column(FlexGrid& g, int c) {
    QStringList out;
    for (int r = 1; r < g.rows(); ++r)
        out << g.textMatrix(r, c);
    return out;
}

bool modeButtonsEnabled(frmMain& w) {
    bool all = true;
    for (const char* k : {"Add", "Edit", "Delete", "Report", "Find"})
        all = all && w.toolbarButton(QString::fromLatin1(k))->isEnabled();
    return all;
}

void clickRow(FlexGrid& g, int row) {
    const QModelIndex idx = g.model().index(row - 1, 1);
    g.scrollTo(idx);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.visualRect(idx).center());
}

void clickHeading(FlexGrid& g, int col) {
    auto* h = g.horizontalHeader();
    const int x = h->sectionViewportPosition(col) + h->sectionSize(col) / 2;
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
}
}  // namespace

class TestRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // ------------------------------------------------------------ grid

    void sortingByHeadings() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        FlexGrid& g = *win->FG1;
        clickHeading(g, 1);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("Description^"));
        QCOMPARE(column(g, 1), QStringList({"alfa", "Beetle", "Cortina"}));
        clickHeading(g, 1);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("Descriptionv"));
        QCOMPARE(column(g, 1), QStringList({"Cortina", "Beetle", "alfa"}));
        clickHeading(g, 1);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("Description^"));
        // Another heading takes the marker; years compare as numbers.
        clickHeading(g, 2);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("Description"));
        QCOMPARE(g.textMatrix(0, 2), QStringLiteral("Year^"));
        QCOMPARE(column(g, 2), QStringList({"965", "1970", "1972"}));
        // IDs stay with their rows.
        for (int r = 1; r < g.rows(); ++r) {
            clickRow(g, r);
            QCOMPARE(win->txtTextl[2]->text(), g.textMatrix(r, 2));
        }
    }

    void sortIsStableWithNumbersFirst() {
        test::TestEnv env;
        addRecords(env, {{{"Description", "b"}, {"Number", "x"}},
                         {{"Description", "a"}, {"Number", "10"}},
                         {{"Description", "c"}, {"Number", "x"}},
                         {{"Description", "d"}, {"Number", "9"}},
                         {{"Description", "e"}, {"Number", "X"}}});
        test::Window win(env);
        win->SortFlex(*win.w, *win->FG1, 3, 3);
        QCOMPARE(column(*win->FG1, 1), QStringList({"d", "a", "e", "b", "c"}));
        win->SortFlex(*win.w, *win->FG1, 3, 3);
        QCOMPARE(column(*win->FG1, 1), QStringList({"b", "c", "e", "a", "d"}));
    }

    void aHeadingEndingInVLosesItAtTheFirstSort() {
        test::TestEnv env(false);
        env.writeFile(QStringLiteral("mydb.mdb"), QByteArray());
        QString cols = QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT");
        for (const char* c :
             {"Description",    "Year",       "Number",     "Series",     "Car_Cond",
              "Wheel_Type",     "Box_Type",   "Box_Cond",   "Color",      "Quantity",
              "Location",       "Purchase",   "Purch_Date", "List_Price", "Value",
              "Value_Date",     "Status",     "Purch_From", "Base_Name",  "Interior_Color",
              "Version_Number", "Base_Color", "Notes",      "twenty"})
            cols += QStringLiteral(", ") + QString::fromLatin1(c) + QStringLiteral(" TEXT");
        cols += QStringLiteral(", binpicdata BLOB, picpath TEXT, extrav TEXT");
        env.exec(QStringLiteral("CREATE TABLE table1 (%1)").arg(cols));
        env.addRecord({{"Description", "one"}});
        test::Window win(env);
        win->FG1->setTextMatrix(0, 24, QStringLiteral("twentv"));
        clickHeading(*win->FG1, 1);
        QCOMPARE(win->FG1->textMatrix(0, 24), QStringLiteral("twent"));
    }

    void dragEndsOnOneRowAndShowsIt() {
        test::TestEnv env;
        for (int i = 1; i <= 6; ++i)
            env.addRecord({{"Description", QString::number(i)}});
        test::Window win(env);
        FlexGrid& g = *win->FG1;
        auto center = [&](int row) { return g.visualRect(g.model().index(row - 1, 2)).center(); };
        QTest::mousePress(g.viewport(), Qt::LeftButton, {}, center(2));
        for (int r = 3; r <= 5; ++r) {
            QMouseEvent move(QEvent::MouseMove, center(r), g.viewport()->mapToGlobal(center(r)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(g.viewport(), &move);
        }
        QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, center(5));
        QCOMPARE(g.row(), 5);
        QCOMPARE(g.rowSel(), 5);
        QCOMPARE(g.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("5"));
        QCOMPARE(win.currentId(), 5);
    }

    void keyboardMovesShowEachRecord() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        FlexGrid& g = *win->FG1;
        g.setFocus();
        clickRow(g, 1);
        QTest::keyClick(&g, Qt::Key_Down);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("alfa"));
        QTest::keyClick(&g, Qt::Key_Down);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Cortina"));
        QTest::keyClick(&g, Qt::Key_Up);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("alfa"));
        QCOMPARE(win.currentId(), 2);
    }

    // ------------------------------------------------------------ modes and save

    void addCancelAndEdit() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        win->Toolbar1_ButtonClick(QStringLiteral("Add"));
        QVERIFY(win->bAddingNew);
        QVERIFY(!modeButtonsEnabled(*win.w));
        QVERIFY(win->cmdSave->isVisible() && win->cmdCancel->isVisible() &&
                win->cmdSelect->isVisible());
        QVERIFY(!win->txtTextl[1]->locked());
        QCOMPARE(win->txtTextl[1]->text(), QString());
        QCOMPARE(win->FG1->row(), 0);
        QVERIFY(win->toolbarButton(QStringLiteral("Help"))->isEnabled());

        win->cmdCancel->click();
        QVERIFY(!win->bAddingNew);
        QVERIFY(modeButtonsEnabled(*win.w));
        QVERIFY(!win->cmdSave->isVisible());
        QVERIFY(win->txtTextl[1]->locked());
        QCOMPARE(win->txtTextl[1]->text(), QString());  // blank and locked

        clickRow(*win->FG1, 2);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("alfa"));
        win->Toolbar1_ButtonClick(QStringLiteral("Edit"));
        win->txtTextl[9]->setText(QStringLiteral("  Bright red  "));
        win->cmdSave->click();
        QCOMPARE(env.value("SELECT Color FROM table1 WHERE ID=2").toString(),
                 QStringLiteral("Bright red"));
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 3);
        QCOMPARE(win->txtTextl[9]->text(), QStringLiteral("Bright red"));
        QVERIFY(win->txtTextl[9]->locked());
        QCOMPARE(win->statusText(),
                 QStringLiteral("       Total Found In The Database Are:  3  Records"));

        // Edit, change, Cancel: the stored record is unchanged and shown as stored.
        win->Toolbar1_ButtonClick(QStringLiteral("Edit"));
        win->txtTextl[1]->setText(QStringLiteral("scribble"));
        win->cmdCancel->click();
        clickRow(*win->FG1, 2);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("alfa"));
        QCOMPARE(env.value("SELECT Description FROM table1 WHERE ID=2").toString(),
                 QStringLiteral("alfa"));
    }

    void addingStoresExactlyOneRecord() {
        test::TestEnv env;
        env.addRecord({{"Description", "only"}});
        test::Window win(env);
        win->Toolbar1_ButtonClick(QStringLiteral("Add"));
        QTest::keyClicks(win->txtTextl[1]->textbox(), QStringLiteral("  Land Rover  "));
        QTest::keyClicks(win->txtNotes, QStringLiteral("  keep my spaces  "));
        win->cmdSave->click();
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 2);
        const auto row =
            env.rows("SELECT Description, Notes, Year, picpath FROM table1 WHERE ID=2");
        QCOMPARE(row.first()[0].toString(), QStringLiteral("Land Rover"));
        QCOMPARE(row.first()[1].toString(), QStringLiteral("  keep my spaces  "));
        QCOMPARE(row.first()[2].toString(), QStringLiteral(" "));
        QCOMPARE(win->statusText(),
                 QStringLiteral("       Total Found In The Database Are:  2  Records"));
        QVERIFY(!win->bAddingNew);
        QVERIFY(modeButtonsEnabled(*win.w));
        QCOMPARE(win->FG1->rows(), 3);
        QVERIFY(win->FG1->hasFocus() || !QApplication::focusWidget());
        // The saved record is the one shown and the one the next save writes.
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Land Rover"));
        QCOMPARE(win.currentId(), 2);
        win->Toolbar1_ButtonClick(QStringLiteral("Edit"));
        win->txtTextl[2]->setText(QStringLiteral("1990"));
        win->cmdSave->click();
        QCOMPARE(env.value("SELECT Year FROM table1 WHERE ID=2").toString(),
                 QStringLiteral("1990"));
        QCOMPARE(env.value("SELECT Year FROM table1 WHERE ID=1"), QVariant());
    }

    void everyEmptyBoxStoresASpace() {
        test::TestEnv env;
        env.addRecord({{"Description", "x"}});
        test::Window win(env);
        win->Add_New_Record();
        win->cmdSave_Click();
        const auto row = env.rows("SELECT * FROM table1 WHERE ID=2").first();
        for (int c = 1; c <= 23; ++c)
            QCOMPARE(row[c].toString(), QStringLiteral(" "));
        for (int b = 0; b <= 22; ++b)
            QCOMPARE(win->txtTextl[size_t(b)]->text(), QString());
        QCOMPARE(win->txtNotes->toPlainText(), QString());
    }

    void firstRecordOfAnEmptyCatalogue() {
        test::TestEnv env;
        test::Window win(env);
        win->Add_New_Record();
        win->txtTextl[1]->setText(QStringLiteral("first"));
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 1);
        QCOMPARE(win->statusText(),
                 QStringLiteral("       Total Found In The Database Is:  1  Record"));
    }

    void editOnAnEmptyCatalogueKeepsTheTyping() {
        test::TestEnv env;
        test::Window win(env);
        win->Edit_Record();
        win->txtTextl[1]->setText(QStringLiteral("typed before adding"));
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT Description FROM table1").toString(),
                 QStringLiteral("typed before adding"));
    }

    void gridChoiceInAddModeStillAddsANewRecord() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        win->Add_New_Record();
        clickRow(*win->FG1, 3);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Cortina"));
        QVERIFY(modeButtonsEnabled(*win.w));
        QVERIFY(win->cmdSave->isVisible());
        QVERIFY(!win->txtTextl[1]->locked());
        win->txtTextl[9]->setText(QStringLiteral("copy"));
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 4);
        QCOMPARE(env.value("SELECT Color FROM table1 WHERE ID=3").toString(),
                 QStringLiteral("Green"));
        QCOMPARE(env.value("SELECT Description FROM table1 WHERE ID=4").toString(),
                 QStringLiteral("Cortina"));
    }

    void aRefusedSaveKeepsTheWork() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        clickRow(*win->FG1, 2);
        win->Edit_Record();
        win->txtTextl[9]->setText(QStringLiteral("Lost?"));
        sqlite3* other = nullptr;
        sqlite3_open(env.dbPath().toUtf8().constData(), &other);
        sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        sqlite3_busy_timeout(win->connection()->handle(), 50);
        env.prompts().answerMsg(mb::OK);
        win->cmdSave_Click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.contains(QStringLiteral("could not be saved")));
        QVERIFY(win->cmdSave->isVisible());
        QVERIFY(!win->txtTextl[9]->locked());
        QCOMPARE(win->txtTextl[9]->text(), QStringLiteral("Lost?"));
        QCOMPARE(win->statusText(), QStringLiteral("Total Records In The Database :  3"));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        // Once the catalogue is free, the same save goes through into the same record.
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT Color FROM table1 WHERE ID=2").toString(),
                 QStringLiteral("Lost?"));
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 3);

        // A refused new record is not counted and stays in the fields.
        win->Add_New_Record();
        win->txtTextl[1]->setText(QStringLiteral("New one"));
        sqlite3_open(env.dbPath().toUtf8().constData(), &other);
        sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        env.prompts().answerMsg(mb::OK);
        win->cmdSave_Click();
        QVERIFY(win->bAddingNew);
        QCOMPARE(win->recordSet()->recordCount(), 3L);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 4);
    }

    void aReadOnlyCatalogueSaysSo() {
        test::TestEnv env;
        three(env);
        if (!env.makeReadOnly(env.dbPath()))
            QSKIP("cannot make a file read-only here");
        test::Window win(env);
        win->Add_New_Record();
        win->txtTextl[1]->setText(QStringLiteral("Mustang"));
        env.prompts().answerMsg(mb::OK);
        win->cmdSave_Click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.contains(QStringLiteral("readonly")) ||
                env.prompts().shown.first().text.contains(QStringLiteral("read-only")));
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Mustang"));
        QVERIFY(win->cmdSave->isVisible());
        env.makeWritable(env.dbPath());
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 3);
    }

    void aFullDiskSaysSoAndLosesNothing() {
        test::TestEnv env;
        three(env);
        QByteArray big(400000, '\0');
        for (int i = 0; i < big.size(); ++i)
            big[i] = char((unsigned(i) * 7919u) >> 3);
        env.writeFile(QStringLiteral("big.jpg"), big);
        test::Window win(env);
        clickRow(*win->FG1, 2);
        win->Edit_Record();
        win->txtTextl[9]->setText(QStringLiteral("Copper"));
        win->txtPicDir->setText(env.path(QStringLiteral("big.jpg")));
        win->Option1[0]->setChecked(true);
        // No file may grow beyond a little more than the catalogue is now.
        const qint64 limit = QFileInfo(env.dbPath()).size() + 8192;
        struct rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = rlim_t(limit);
        signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        env.prompts().answerMsg(mb::OK);
        win->cmdSave_Click();
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.contains(QStringLiteral("could not be saved")));
        QCOMPARE(win->txtTextl[9]->text(), QStringLiteral("Copper"));
        QCOMPARE(env.value("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
        QCOMPARE(env.value("SELECT Color FROM table1 WHERE ID=2").toString(),
                 QStringLiteral("Dark red"));
        // With room again, the same save stores the record and its picture.
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT length(binpicdata) FROM table1 WHERE ID=2").toInt(), big.size());
        QCOMPARE(env.value("SELECT Color FROM table1 WHERE ID=2").toString(),
                 QStringLiteral("Copper"));
    }

    // ------------------------------------------------------------ deletion

    void deletingKeepsTheLastRecord() {
        test::TestEnv env;
        env.addRecord({{"Description", "only"}});
        test::Window win(env);
        env.prompts().answerMsg(mb::OK);
        win->Toolbar1_ButtonClick(QStringLiteral("Delete"));
        const auto& m = env.prompts().shown.last();
        QCOMPARE(m.text, QStringLiteral("There needs to be at least one record in the database.\r\n"
                                        "\r\nPlease edit this record."));
        QCOMPARE(m.title, QStringLiteral("No Records to Delete"));
        QCOMPARE(m.style, mb::Information | mb::OKOnly);
        QVERIFY(win->cmdSelect->isVisible());
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 1);
    }

    void deletingTheShownRecord() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        clickHeading(*win->FG1, 1);  // sorted: the grid order is not the record order
        clickRow(*win->FG1, 2);      // Beetle, ID 1
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Beetle"));
        env.prompts().answerMsg(mb::Cancel);
        win->Delete_Record();
        QCOMPARE(env.prompts().shown.last().text,
                 QStringLiteral("You are about to delete this record, are you sure?"));
        QCOMPARE(env.prompts().shown.last().title, QStringLiteral("Delete Record"));
        QCOMPARE(env.prompts().shown.last().style,
                 mb::OKCancel | mb::DefaultButton1 | mb::Exclamation);
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 3);
        QVERIFY(!win->cmdSelect->isVisible());

        env.prompts().answerMsg(mb::OK);
        win->Delete_Record();
        QCOMPARE(env.value("SELECT group_concat(ID) FROM table1").toString(),
                 QStringLiteral("2,3"));
        QCOMPARE(win->statusText(), QStringLiteral("Total Records In The Database :  2"));
        QCOMPARE(win->FG1->rows(), 3);
        QCOMPARE(win->FG1->textMatrix(0, 1), QStringLiteral("Description"));
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("alfa"));  // the next record
        QVERIFY(win->txtTextl[1]->locked());
        QCOMPARE(win.currentId(), 2);

        // The last record deleted: the one before it is shown.
        clickRow(*win->FG1, 2);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Cortina"));
        env.prompts().answerMsg(mb::OK);
        win->Delete_Record();
        QCOMPARE(env.value("SELECT group_concat(ID) FROM table1").toString(), QStringLiteral("2"));
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("alfa"));
        QCOMPARE(win->FG1->rows(), 2);
    }

    void nothingShownNothingDeleted() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        win->Add_New_Record();
        win->cmdCancel_Click();  // blank panel: no record is shown
        env.prompts().answerMsg(mb::OK);
        win->Delete_Record();
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 3);
    }

    // ------------------------------------------------------------ search

    void searchFindsAndSelects() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        env.prompts().answerInput(QStringLiteral("  RED "));
        win->Toolbar1_ButtonClick(QStringLiteral("Find"));
        const auto& q = env.prompts().shown.first();
        QCOMPARE(q.text, QStringLiteral("Search for an entry"));
        QCOMPARE(q.title, QStringLiteral("enter your searchtext"));
        QCOMPARE(q.defaultText, QStringLiteral("red"));
        QCOMPARE(env.prompts().shown.size(), 1);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("alfa"));
        QCOMPARE(win->txtTextl[9]->selStart(), 5);
        QCOMPARE(win->txtTextl[9]->selLength(), 3);
        QVERIFY(win->txtTextl[9]->textbox()->hasFocus() || !QApplication::activeWindow());
        QCOMPARE(win->FG1->row(), 0);
        QCOMPARE(win.currentId(), 2);
    }

    void searchWithoutAnswerOrMatch() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        clickRow(*win->FG1, 3);
        env.prompts().answerInput(QStringLiteral("   "));
        win->Find_Record();
        QCOMPARE(env.prompts().shown.size(), 1);
        env.prompts().answerInput(QStringLiteral("purple"));
        env.prompts().answerMsg(mb::OK);
        win->Find_Record();
        const auto& m = env.prompts().shown.last();
        QCOMPARE(m.text, QStringLiteral("No Match found in Database!"));
        QCOMPARE(m.title, QStringLiteral("Search..."));
        QCOMPARE(m.style, mb::Exclamation | mb::OKOnly);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Cortina"));
        // The record shown is still the one a save writes.
        win->Edit_Record();
        win->txtTextl[9]->setText(QStringLiteral("Teal"));
        win->cmdSave_Click();
        QCOMPARE(env.value("SELECT Color FROM table1 WHERE ID=3").toString(),
                 QStringLiteral("Teal"));
    }

    void searchMatchingAnId() {
        test::TestEnv env;
        three(env);
        test::Window win(env);
        clickRow(*win->FG1, 1);
        env.prompts().answerInput(QStringLiteral("3"));
        win->Find_Record();
        QCOMPARE(env.prompts().shown.size(), 1);  // no failure message
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("Cortina"));
        QCOMPARE(win->FG1->row(), 0);
    }

    void searchOnAnEmptyCatalogue() {
        test::TestEnv env;
        test::Window win(env);
        env.prompts().answerMsg(mb::OK);
        win->Find_Record();
        QCOMPARE(env.prompts().shown.size(), 1);
        QCOMPARE(env.prompts().shown.first().text, QStringLiteral("There is no record to search"));
        QCOMPARE(env.prompts().shown.first().title, QStringLiteral("Exiting"));
    }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
