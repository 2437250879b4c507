// Series checklists: a list imported from CSV (a bad row refuses the whole file), its held,
// wanted and missing models counted on a real catalogue, "Mark the missing as wanted" with its
// undo, the filter word, and the lists in a backup and its restore.
#include <QComboBox>
#include <QLineEdit>
#include <QThread>
#include <QTreeView>
#include <QTreeWidget>

#include "Backup.h"
#include "CatalogueSession.h"
#include "ChecklistCommands.h"
#include "ChecklistCsv.h"
#include "ChecklistMatcher.h"
#include "ChecklistsWindow.h"
#include "CsvExport.h"
#include "FilterBar.h"
#include "GroupPanel.h"
#include "MainTexts.h"
#include "RecordSet.h"
#include "ScriptedFileDialogs.h"
#include "Window.h"

using namespace kbs;
using namespace kbs::test;
using checklists::ChecklistMatcher;

namespace {

// Series "MB-75": 1 and 02 held, 3 wanted, 5a held; 7 is in another series. Entries 1 to 5,
// 5a and 7: held 1, 2, 5a; wanted 3; missing 4, 5, 7.
void mb75(TestEnv& env) {
    const char* rows[][4] = {{"Ford GT", "1", "mb 75", "Have"}, {"Jaguar", "02", "MB-75", "Sell"},
                             {"Lotus", "3", "MB75", "Want"},    {"Mini Van", "5a", "mb75", "Have"},
                             {"Bus", "7", "Superfast", "Have"}, {"Jaguar", "9", "Other", "Want"}};
    for (const auto& r : rows)
        env.addRecord({{u"Description"_s, r[0]},
                       {u"Number"_s, r[1]},
                       {u"Series"_s, r[2]},
                       {u"Status"_s, r[3]}});
    env.writeFile(u"mb75.csv"_s,
                  "Nr.;Model name;Colour\n1;Ford GT;red\n2;JAGUAR;\n3;Lotus;\n4;Rover;\n"
                  "5;Mini;\n5a;Mini Van;\n7;Bus;\n");
}

// The Checklists window with mb75.csv imported as the series "MB 75".
ChecklistsWindow* importMb75(Window& w, TestEnv& env) {
    QTest::keyClick(w.w.get(), Qt::Key_K, Qt::ControlModifier);  // Help > Checklists…
    if (!w->checklistCommands()->checklistsWindow())
        return nullptr;
    ScriptedFileDialogs dialogs;
    dialogs.chooseFile(env.path(u"mb75.csv"_s));
    env.prompts().answerInput(u"MB 75"_s);
    w->checklistCommands()->checklistsWindow()->importList();
    return w->checklistCommands()->checklistsWindow();
}

QStringList column(QTreeWidget* t, int c) {
    QStringList out;
    for (int i = 0; i < t->topLevelItemCount(); ++i)
        out << t->topLevelItem(i)->text(c);
    return out;
}

}  // namespace

class TestChecklists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importRefusesBadRowsByLine_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("numbers");  // empty: refused
        QTest::addColumn<QStringList>("said");
        QTest::newRow("forgiving headings") << QByteArray(
                                                   "\"NR.\",\"Model\",YEAR,Notes\n5,A,1970,x\n"
                                                   "\n05a,B,,\n")
                                            << QStringList{u"5"_s, u"05a"_s} << QStringList{};
        QTest::newRow("no name on line 3") << QByteArray("#;Name\n1;A\n2;\n3;C\n") << QStringList{}
                                           << QStringList{u"line 3: no name"_s};
        QTest::newRow("05 after 5, no number")
            << QByteArray("number,name\n5,A\n,B\n05,C\n") << QStringList{}
            << QStringList{u"line 3: no number"_s, u"line 4: the number 05 was given before"_s};
        QTest::newRow("no number column")
            << QByteArray("Series,Name\nx,A\n") << QStringList{} << QStringList{u"Line 1"_s};
    }
    void importRefusesBadRowsByLine() {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, said);
        TestEnv env;
        env.writeFile(u"list.csv"_s, csv);
        Window w(env);
        w->checklistCommands()->show();
        ChecklistsWindow* win = w->checklistCommands()->checklistsWindow();
        ScriptedFileDialogs dialogs;
        dialogs.chooseFile(env.path(u"list.csv"_s));
        if (numbers.isEmpty())
            env.prompts().answerMsg(mb::OK);
        else
            env.prompts().answerInput(u"Series X"_s);
        win->importList();
        const QString message =
            env.prompts().shown.isEmpty() ? QString() : env.prompts().shown.last().text;
        for (const QString& s : said)
            QVERIFY2(message.contains(s), qPrintable(message));
        QCOMPARE(env.value(u"SELECT count(*) FROM checklist_entries"_s).toInt(), numbers.size());
        QCOMPARE(column(win->entries(), 0), numbers);
    }

    void heldWantedMissingByHand_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QStringList>("states");
        QTest::newRow("series and number")
            << 0 << u"held 3 of 7"_s
            << QStringList{u"held"_s,    u"held"_s, u"wanted"_s, u"missing"_s,
                           u"missing"_s, u"held"_s, u"missing"_s};
        // By description: Jaguar is held (ID 2) though ID 6 wants it too; Mini is missing;
        // Bus is held in another series.
        QTest::newRow("description")
            << 1 << u"held 4 of 7"_s
            << QStringList{u"held"_s,    u"held"_s, u"wanted"_s, u"missing"_s,
                           u"missing"_s, u"held"_s, u"held"_s};
    }
    void heldWantedMissingByHand() {
        QFETCH(int, rule);
        QFETCH(QString, held);
        QFETCH(QStringList, states);
        TestEnv env;
        mb75(env);
        Window w(env);
        ChecklistsWindow* win = importMb75(w, env);
        QVERIFY(win);
        auto* rules = win->findChild<QComboBox*>(u"cboRule"_s);
        rules->setCurrentIndex(rule);
        Q_EMIT rules->activated(rule);
        QCOMPARE(win->lists()->topLevelItem(0)->text(2), held);
        QCOMPARE(column(win->entries(), 0),
                 (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"5a"_s, u"7"_s}));
        QCOMPARE(column(win->entries(), 5), states);
        // The held entry shows its record in the main window.
        const QTreeWidgetItem* jaguar = win->entries()->topLevelItem(1);
        QCOMPARE(jaguar->text(6), u"2"_s);
        win->entries()->setFocus();
        win->entries()->setCurrentItem(win->entries()->topLevelItem(1));
        QTest::keyClick(win->entries(), Qt::Key_Return);
        QCOMPARE(w.field(1), u"Jaguar"_s);
        QCOMPARE(w.field(3), u"02"_s);
    }

    void markMissingAsWantedAndUndo() {
        TestEnv env;
        mb75(env);
        Window w(env);
        ChecklistsWindow* win = importMb75(w, env);
        QVERIFY(win);
        const int rows = w.grid().rows();
        env.prompts().answerMsg(mb::No);
        win->markMissingWanted();
        QCOMPARE(w.count(), 6);
        env.prompts().answerMsg(mb::Yes);
        win->markMissingWanted();
        QCOMPARE(
            env.rows(u"SELECT Description, Number, Series, Status, Color FROM table1 WHERE ID > 6 "
                     "ORDER BY ID"_s),
            (QList<QVariantList>{{u"Rover"_s, u"4"_s, u"MB 75"_s, u"Want"_s, u" "_s},
                                 {u"Mini"_s, u"5"_s, u"MB 75"_s, u"Want"_s, u" "_s},
                                 {u"Bus"_s, u"7"_s, u"MB 75"_s, u"Want"_s, u" "_s}}));
        QCOMPARE(w.grid().rows(), rows + 3);
        QVERIFY(w->statusText().contains(mainText::signedCount(9)));
        QCOMPARE(win->lists()->topLevelItem(0)->text(2), u"held 3 of 7"_s);
        QCOMPARE(column(win->entries(), 5).count(u"wanted"_s), 4);
        // The filter word shows the records the list holds.
        w->findChild<FilterBar*>()->edit()->setText(u"checklist:\"mb-75\""_s);
        QTRY_COMPARE(w.column(0), (QStringList{u"1"_s, u"2"_s, u"4"_s}));
        w->findChild<FilterBar*>()->clear();
        win->undoMarked();
        QCOMPARE(w.count(), 6);
        QTRY_COMPARE(w.grid().rows(), rows);
        QVERIFY(w->statusText().contains(mainText::signedCount(6)));
        QCOMPARE(column(win->entries(), 5).count(u"missing"_s), 3);
        QVERIFY(!win->findChild<QPushButton*>(u"cmdUndoMarked"_s)->isEnabled());
        // The filter keeps what each list holds until a record is written: Lotus, wanted until
        // now, is held at the next key.
        RecordSet& rs = w->session().records();
        rs.setBookmark(3);
        rs.fields(u"Status"_s).setValue(u"Have"_s);
        rs.update();
        w->findChild<FilterBar*>()->edit()->setText(u"checklist:\"mb-75\""_s);
        QTRY_COMPARE(w.column(0), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    }

    // The group view by checklist: a group per list with the records it holds, a record held by
    // two counted in each and once in all; choosing one narrows the grid as the filter word
    // does; a save that takes a record out of a list is followed.
    void groupViewByChecklist() {
        TestEnv env;
        mb75(env);
        env.writeFile(u"fords.csv"_s, "Nr.;Model name\n1;Ford GT\n");
        Window w(env);
        ChecklistsWindow* lists = importMb75(w, env);
        QVERIFY(lists);
        ScriptedFileDialogs dialogs;
        dialogs.chooseFile(env.path(u"fords.csv"_s));
        env.prompts().answerInput(u"mb-75"_s);
        lists->importList();
        GroupPanel* view = w->groupPanel();
        view->setOpen(true);
        view->setFields(GroupChoice::ChecklistField, -1);
        const QAbstractItemModel* m = view->tree()->model();
        const auto rows = [m] {
            QStringList out;
            for (int r = 0; r < m->rowCount({}); ++r)
                out << m->index(r, 0).data().toString() + u": "_s +
                           m->index(r, 1).data().toString();
            return out;
        };
        QCOMPARE(rows(), (QStringList{u"All records: 6"_s, u"fords: 1"_s, u"mb75: 3"_s}));
        view->tree()->setCurrentIndex(m->index(2, 0));
        QTest::keyClick(view->tree(), Qt::Key_Return);
        QTRY_COMPARE(w.column(0), (QStringList{u"1"_s, u"2"_s, u"4"_s}));
        w.show(1);
        w.press("Edit");
        w.setField(17, u"Want"_s);
        w.save();
        QCOMPARE(rows(), (QStringList{u"All records: 6"_s, u"mb75: 2"_s}));
    }

    // Every backup carries the lists, an incremental one their latest change, and a restore
    // brings them back.
    void backupAndRestoreCarryChecklists() {
        TestEnv env;
        mb75(env);
        CatalogueSession s;
        s.open(env.dbPath(), mainText::Query);
        const auto entries = exchange::readChecklistCsv(env.path(u"mb75.csv"_s));
        const qint64 id =
            s.addChecklist({0, u"MB 75"_s, u"MB 75"_s, checklists::Rule::Description, 0}, entries);
        const QString folder = env.path(backup::FolderName);
        backup::Options o;
        o.today = QDate(2026, 3, 1);
        QCOMPARE(int(backup::make(env.dbPath(), folder, o).outcome), int(backup::Outcome::Made));
        auto changed = entries;
        changed.pop_back();
        QThread::msleep(5);
        s.setChecklistEntries(id, changed);
        s.close();
        o.today = o.today.addDays(1);
        const auto second = backup::make(env.dbPath(), folder, o);
        QCOMPARE(int(second.outcome), int(backup::Outcome::Made));
        backup::restore(second.path, env.path(u"restored.mdb"_s));
        const QString q =
            u"SELECT l.name, l.series, l.rule, e.number, e.name FROM checklists l JOIN "
            "checklist_entries e USING (list_id) ORDER BY e.entry_id"_s;
        const auto restored = rowsOf(env.path(u"restored.mdb"_s), q);
        QCOMPARE(restored.size(), 6);
        QCOMPARE(restored, env.rows(q));
        // The CSV export writes them beside the records, and replaces no file.
        exchange::exportCsv(env.dbPath(), env.path(u"out.csv"_s));
        const QList<QByteArray> lines = env.readFile(u"out_checklists.csv"_s).split('\n');
        QCOMPARE(lines.value(1), QByteArray("MB 75,MB 75,description,1,Ford GT,\"\",red,\"\"\r"));
        QCOMPARE(lines.size(), 8);
        env.writeFile(u"again_checklists.csv"_s, "mine");
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 exchange::exportCsv(env.dbPath(), env.path(u"again.csv"_s)));
        QVERIFY(!QFile::exists(env.path(u"again.csv"_s)));
        QCOMPARE(env.readFile(u"again_checklists.csv"_s), QByteArray("mine"));
    }
};

QTEST_MAIN(TestChecklists)
#include "tst_checklists.moc"
