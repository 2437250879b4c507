// The window's side of the collector's own fields, through the real window: the grid's
// columns hidden, moved and remembered across a restart.
#include <QtTest>

#include <QHeaderView>
#include <QListWidget>

#include "GridColumns.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// The headings the grid shows, in their order.
QStringList shownHeadings(test::Window& win) {
    const QHeaderView* heads = win.grid().horizontalHeader();
    QStringList out;
    for (int v = 0; v < heads->count(); ++v) {
        const int col = heads->logicalIndex(v);
        if (!heads->isSectionHidden(col))
            out << win.grid().model().heading(col);
    }
    return out;
}

QStringList described() {
    QStringList out;
    for (int col = 1; col < panel::GridColumns; ++col)
        out << QString::fromLatin1(panel::fieldAt(col).name());
    return out;
}

}  // namespace

class TestFieldsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnsHiddenMovedAndRemembered() {
        test::TestEnv env;
        test::threeCars(env);
        QStringList expected = described();
        {
            test::Window win(env);
            QCOMPARE(shownHeadings(win), expected);
            // By keyboard: the Columns window, Year hidden with the space bar, Color moved up
            // to the top with Ctrl+Up.
            QVERIFY(test::meetModal(
                [&] {
                    QTest::keyClick(win.w.get(), Qt::Key_C,
                                    Qt::ControlModifier | Qt::ShiftModifier);
                },
                [&](QWidget* dialog) {
                    auto* list = dialog->findChild<QListWidget*>(u"lstColumns"_s);
                    QVERIFY(list && dialog->focusWidget() == list);
                    list->setCurrentRow(int(expected.indexOf(u"Year"_s)));
                    QTest::keyClick(list, Qt::Key_Space);
                    list->setCurrentRow(int(expected.indexOf(u"Color"_s)));
                    for (int i = 0; i < 9; ++i)
                        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
                    QTest::keyClick(dialog, Qt::Key_Return);
                }));
            expected.removeAll(u"Year"_s);
            expected.move(expected.indexOf(u"Color"_s), 0);
            QCOMPARE(shownHeadings(win), expected);
            // A heading dragged to another place is remembered too.
            QHeaderView* heads = win.grid().horizontalHeader();
            heads->moveSection(heads->visualIndex(panel::at("Notes")), 1);
            expected.move(expected.indexOf(u"Notes"_s), 0);
            QCOMPARE(shownHeadings(win), expected);
            // The keyboard steps over a hidden column: right of Description comes Number.
            win.show(1);
            win.grid().setCol(panel::at("Description"));
            QTest::keyClick(&win.grid(), Qt::Key_Right);
            QCOMPARE(win.grid().col(), panel::at("Number"));
        }
        {
            test::Window win(env);  // the next start
            QCOMPARE(shownHeadings(win), expected);
            // Sorting by a moved column sorts by that column.
            win.clickHeading(panel::at("Color"));
            QCOMPARE(win.column(panel::at("Color")),
                     QStringList({u"Blue"_s, u"Dark red"_s, u"Green"_s}));
            win->findChild<GridColumns*>()->restoreDescribed();
            QCOMPARE(shownHeadings(win).join(u',').remove(u'^'), described().join(u','));
        }
        test::Window win(env);
        QCOMPARE(shownHeadings(win), described());
    }
};

QTEST_MAIN(TestFieldsWindow)
#include "tst_fieldswindow.moc"
