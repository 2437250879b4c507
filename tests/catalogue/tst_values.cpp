// The value history in the catalogue window: the panel's button, the history window's delete
// and undo, and a price guide imported from the menu.
#include <QAction>
#include <QPainter>
#include <QTableWidget>
#include <QtTest>

#include "DetailPanel.h"
#include "ScriptedFileDialogs.h"
#include "ValueChangesReport.h"
#include "ValueCommands.h"
#include "ValueHistoryDialog.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
// The saved picture of a window, when the environment asks for them.
void keepPicture(QWidget& w, const QString& name) {
    const QString folder = qEnvironmentVariable("KBS_SCREENSHOTS");
    if (!folder.isEmpty())
        w.grab().save(folder + u"/"_s + name + u".png"_s);
}

QStringList listed(QWidget& dialog) {
    auto* list = dialog.findChild<QTableWidget*>(u"lstValues"_s);
    QStringList rows;
    for (int r = 0; r < list->rowCount(); ++r)
        rows << list->item(r, 0)->text() + u" "_s + list->item(r, 1)->text();
    return rows;
}
}  // namespace

class TestValuesWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The button lies over no other control of the panel, and says what it is.
    void buttonMovesNothing() {
        test::TestEnv env;
        test::Window win(env);
        QPushButton* button = win->valueCommands()->historyButton();
        QVERIFY(!button->accessibleName().isEmpty());
        for (QWidget* other : win->detailPanel()->frame()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (other != button && other->isVisibleTo(win.w.get()))
                QVERIFY2(!other->geometry().intersects(button->geometry()),
                         qPrintable(other->objectName()));
        }
        keepPicture(*win.w, u"window"_s);
    }

    // A deleted entry comes back with Undo; the record's value follows its latest entry, in
    // the catalogue and in the panel.
    void deleteAndUndo() {
        test::TestEnv env;
        env.addRecord({{u"Description"_s, u"Beetle"_s},
                       {u"Value"_s, u"12"_s},
                       {u"Value_Date"_s, u"2024-03-01"_s}});
        test::Window win(env);
        win->session().addValuation(1, {0, u"2025-01-01"_s, u"20"_s, u"fair"_s});
        ValueHistoryDialog dialog(win->session(), 1, u"Beetle"_s, win.w.get());
        dialog.show();
        QCOMPARE(listed(dialog), (QStringList{u"2024-03-01 12"_s, u"2025-01-01 20"_s}));
        keepPicture(dialog, u"history"_s);
        dialog.deleteEntry();  // the latest, chosen on opening
        QCOMPARE(listed(dialog), QStringList{u"2024-03-01 12"_s});
        QCOMPARE(win.stored("Value", 1), u"12"_s);
        dialog.undoDelete();
        QCOMPARE(listed(dialog), (QStringList{u"2024-03-01 12"_s, u"2025-01-01 20"_s}));
        QCOMPARE(win.stored("Value_Date", 1), u"2025-01-01"_s);
        QVERIFY(dialog.changed());
        win->valuationsChanged({1});
        QCOMPARE(win.field(15), u"20"_s);
        QCOMPARE(win.column(15).first(), u"20"_s);
    }

    // A refused price guide stores nothing and names its line; a sound one says what matched.
    void priceGuideFromTheMenu() {
        test::TestEnv env;
        env.addRecord({{u"Description"_s, u"Beetle"_s}});
        test::Window win(env);
        test::ScriptedFileDialogs dialogs;
        env.writeFile(u"bad.csv"_s, "ID,Date,Value\n1,2025-01-01,15\n1,never,1\n");
        env.writeFile(u"good.csv"_s, "ID,Date,Value\n1,2025-01-01,15\n7,2025-01-01,1\n");
        for (const char* file : {"bad.csv", "good.csv"}) {
            dialogs.chooseFile(env.path(QString::fromLatin1(file)));
            env.prompts().answerMsg(mb::OK);
            win->findChild<QAction*>(u"ImportValues"_s)->trigger();
        }
        QCOMPARE(env.prompts().shown.size(), 2);
        QVERIFY(env.prompts().shown[0].text.contains(u"line 3"_s));
        QVERIFY(env.prompts().shown[1].text.contains(u"line 3: ID 7"_s));
        QCOMPARE(win.field(15), u"15"_s);
    }

    // The report of value changes between two dates: rises first, then falls, the largest
    // first; a record without a value on the first date is left out.
    void valueChangesReport() {
        test::TestEnv env;
        const char* cars[][3] = {{"Up", "10", "30"},
                                 {"Down", "10", "4"},
                                 {"Up a bit", "10", "11"},
                                 {"Same", "10", "10"},
                                 {"New", "", "50"}};
        for (const auto& c : cars) {
            env.addRecord({{u"Description"_s, QString::fromLatin1(c[0])},
                           {u"Status"_s, u"Have"_s},
                           {u"Value"_s, QString::fromLatin1(c[1])},
                           {u"Value_Date"_s, u"2024-01-01"_s}});
        }
        test::Window win(env);
        for (qint64 id = 1; id <= 5; ++id)
            win->session().addValuation(
                id, {0, u"2025-06-01"_s, QString::fromLatin1(cars[id - 1][2]), {}});
        env.prompts().answerInput(u"2024-12-31"_s);
        env.prompts().answerInput(u"2025-12-31"_s);
        win->findChild<QAction*>(u"ValueChanges"_s)->trigger();
        ValueChangesReport& report = *win->valueCommands()->report();
        QStringList order;
        for (const auto* list : {&report.rose(), &report.fell()})
            for (const auto& c : *list)
                order << c.description;
        QCOMPARE(order, (QStringList{u"Up"_s, u"Up a bit"_s, u"Down"_s}));
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        report.paintPage(painter, 1, page.rect());
        painter.end();
        const QString folder = qEnvironmentVariable("KBS_SCREENSHOTS");
        if (!folder.isEmpty())
            page.save(folder + u"/changes.png"_s);
        report.unload();
    }
};

QTEST_MAIN(TestValuesWindow)
#include "tst_values.moc"
