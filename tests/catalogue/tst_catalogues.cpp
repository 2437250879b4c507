// The catalogue as a file, from the window: New, Open and Open recent, an import with its
// mapping step, into the open catalogue (and its undo) or a new one.
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "CatalogueCommands.h"
#include "CatalogueFile.h"
#include "ColumnMappingDialog.h"
#include "ScriptedFileDialogs.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
// A collector's sheet as Calc saves it: everyday headings, a column of the collector's own, a
// blank row and the sum row.
const QByteArray kSheet =
    "Models,Colour,Year,Price paid,Condition,Notes,Rating\r\n"
    "Beetle,Blue,1970,12.5,Mint,,5\r\n,,,,,,\r\nCortina,Green,1972,45,Good,,\r\n"
    "Total,,,57.50,,,\r\n"_ba;
}  // namespace

class TestCatalogues : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { cataloguefile::setCurrent({}); }

    // Each step through the window: what the dialog chooses, the title's end and the records.
    void newOpenRecent() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window w(env);
        test::ScriptedFileDialogs dialogs;
        CatalogueCommands& commands = *w->catalogueCommands();
        const struct {
            const char* step;
            QString file;
            const char* title;
            int records;
        } steps[] = {
            {"new", env.path(u"Matchbox"_s), " - Matchbox", 0},
            {"open", env.dbPath(), "", 3},
            {"recent", {}, " - Matchbox", 0},
            {"new on a file there", env.dbPath(), " - Matchbox", 0},
        };
        for (const auto& s : steps) {
            const QByteArray step(s.step);
            if (!s.file.isEmpty())
                dialogs.chooseFile(s.file);
            if (step.startsWith("new"))
                w->findChild<QAction*>(u"NewCatalogue"_s)->trigger();
            else if (step == "open")
                w->findChild<QAction*>(u"OpenCatalogue"_s)->trigger();
            else
                commands.recentMenu()->actions().value(1)->trigger();
            QVERIFY2(w->windowTitle().endsWith(QLatin1String(s.title)), s.step);
            QCOMPARE(w->recordSet()->recordCount(), s.records);
            // Nothing of the catalogue shown before stays in the panel or the grid.
            QCOMPARE(w.column(1).size(), s.records);
            QCOMPARE(w.field(1).isEmpty(), s.records == 0);
            QCOMPARE(ui(w).cmdSelect->isVisible(), s.records == 0);
        }
        // A catalogue that is there is never replaced: the last New said so.
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown[0].text.contains(u"cannot be made"_s));
        env.prompts().reset();
        QCOMPARE(cataloguefile::recent(), QStringList({env.path(u"Matchbox.mdb"_s), env.dbPath()}));
        QCOMPARE(dialogs.requests[1].initialDir, env.dir());  // beside the catalogue shown
        // Each export writes a new file beside it, its name ended as the format's.
        for (const char* format : {"ExportCsv", "ExportXlsx", "ExportTellico"}) {
            dialogs.chooseFile(env.path(QString::fromLatin1(format)));
            w->findChild<QAction*>(QString::fromLatin1(format))->trigger();
        }
        QCOMPARE(QDir(env.dir()).entryList({u"Export*"_s}),
                 QStringList({u"ExportCsv.csv"_s, u"ExportTellico.tc"_s, u"ExportXlsx.xlsx"_s}));
    }

    // The Calc sheet added to the open catalogue through the mapping step, then taken out
    // again in one step; the mapping is offered again for the next file with those headings;
    // a new catalogue made of it instead.
    void importWithMapping() {
        test::TestEnv env;
        test::threeCars(env);
        env.writeFile(u"sheet.csv"_s, kSheet);
        test::Window w(env);
        test::ScriptedFileDialogs dialogs;
        QStringList offered;
        const auto runImport = [&](int where, bool leaveOutYear, const QString& newOne = {}) {
            dialogs.chooseFile(env.path(u"sheet.csv"_s));
            if (!newOne.isEmpty())
                dialogs.chooseFile(newOne);
            env.prompts().answerMsg(where);
            return test::meetModal([&] { w->findChild<QAction*>(u"ImportCsv"_s)->trigger(); },
                                   [&](QWidget* shown) {
                                       auto* dialog = qobject_cast<ColumnMappingDialog*>(shown);
                                       QVERIFY(dialog);
                                       offered = dialog->mapping();
                                       if (leaveOutYear)
                                           dialog->choose(2, {});
                                       dialog->accept();
                                   });
        };
        QVERIFY(runImport(mb::Yes, true));
        QCOMPARE(offered, QStringList({u"Description"_s, u"Color"_s, u"Year"_s, u"Purchase"_s,
                                       u"Car_Cond"_s, u"Notes"_s, u"+own"_s}));
        QCOMPARE(w.count(), 5);
        // The column named nothing came as a field of the collector's own, added to the
        // catalogue with its value.
        QCOMPARE(env.rows(u"SELECT f.name, f.kind, v.value FROM own_fields AS f JOIN own_values "
                          "AS v USING (field_id) JOIN table1 ON ID = record_id"_s),
                 (QList<QVariantList>{{u"Rating"_s, 1, u"5"_s}}));
        QCOMPARE(w.column(1).mid(3), QStringList({u"Beetle"_s, u"Cortina"_s}));
        QCOMPARE(env.value(u"SELECT count(*) FROM table1 WHERE Year IS NULL"_s).toInt(), 2);
        QVERIFY(w->statusBar()->currentMessage().contains(u"line(s) 5"_s));

        env.prompts().answerMsg(mb::Yes);
        w->catalogueCommands()->undoImportAction()->trigger();
        QCOMPARE(w.count(), 3);
        QCOMPARE(w->recordSet()->recordCount(), 3);
        QVERIFY(!w->catalogueCommands()->undoImportAction()->isEnabled());

        QVERIFY(runImport(mb::No, false, env.path(u"Sheet catalogue"_s)));
        QCOMPARE(offered[2], QString());  // as chosen last time
        QVERIFY(w->windowTitle().endsWith(u" - Sheet catalogue"_s));
        QCOMPARE(w->recordSet()->recordCount(), 2);
        QCOMPARE(w.count(), 3);  // the catalogue of before is as it was
        QCOMPARE(QDir(env.dir()).entryList({u"*.tmp"_s}), QStringList());
    }
};

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
