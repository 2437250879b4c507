// The group view beside the grid, through the real window: its counts against the catalogue's
// own GROUP BY, the grid narrowed by group and filter together, the counts following saves,
// deletes and undo, the collector's own fields and tags, and the keyboard.
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QTextDocument>
#include <QTreeView>

#include "CatalogueSession.h"
#include "Controls.h"
#include "FilterBar.h"
#include "GroupFields.h"
#include "GroupPanel.h"
#include "MainTexts.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

constexpr int kSeries = 0, kYear = 1, kDecade = 2, kStatus = 3;  // in GroupFields

// Series with case and blank variants, empty, blank and unset; quantities read, empty and not.
void eightCars(const test::TestEnv& env) {
    const char* rows[][5] = {
        // Description, Series, Year, Quantity, Status
        {"Mustang", "Superfast", "1970", "2", "Have"},
        {"Cortina", "superfast  ", "1968", "1", "Have"},
        {"Beetle", "Superfast", "1975", "two", "Want"},
        {"Miura", "Regular  Wheels", "1969", "", "Have"},
        {"Jaguar", "regular wheels", "", " 3 ", "Sell"},
        {"Mini", "", "1965", "1", "Have"},
        {"Dino", "   ", "   ", "4", "Have"},
        {"Europa", nullptr, "1971", "1", "have"},
    };
    for (const auto& r : rows) {
        QVariantMap m{{u"Description"_s, r[0]},
                      {u"Year"_s, r[2]},
                      {u"Quantity"_s, r[3]},
                      {u"Status"_s, r[4]}};
        if (r[1])
            m[u"Series"_s] = QString::fromUtf8(r[1]);
        env.addRecord(m);
    }
}

QTreeView* tree(test::Window& win) {
    return win->groupPanel()->tree();
}

// The view's rows as "name: records, quantity", the groups under a group indented.
QStringList shown(test::Window& win, const QModelIndex& parent = {}, const QString& indent = {}) {
    const QAbstractItemModel* m = tree(win)->model();
    QStringList out;
    for (int r = 0; r < m->rowCount(parent); ++r) {
        const auto cell = [&](int c) { return m->index(r, c, parent).data().toString(); };
        out << indent + cell(0) + u": "_s + cell(1) + u", "_s + cell(2);
        out << shown(win, m->index(r, 0, parent), indent + u"  "_s);
    }
    return out;
}

// The catalogue's own count of a grouping, in the view's words and order of the first level.
QStringList counted(const test::TestEnv& env, const QString& key) {
    const QString read = u"CAST(trim(Quantity) AS INTEGER) || '' = trim(Quantity)"_s;
    QStringList out;
    for (const QVariantList& r : env.rows(
             u"SELECT %1 AS k, count(*), sum(CASE WHEN %2 THEN CAST(trim(Quantity) AS INTEGER) "
             "ELSE 0 END), sum(NOT %2 AND trim(coalesce(Quantity, '')) <> '') FROM table1 "
             "GROUP BY k ORDER BY k = '(empty)', k"_s.arg(key, read))) {
        out << r[0].toString() + u": "_s + r[1].toString() + u", "_s + r[2].toString() +
                   (r[3].toInt() ? u" (+%1?)"_s.arg(r[3].toInt()) : QString());
    }
    return out;
}

// Moves to the group of this path ("Superfast/Have") and presses Enter.
void choose(test::Window& win, const QString& path) {
    const QAbstractItemModel* m = tree(win)->model();
    QModelIndex at;
    for (const QString& name : path.split(u'/')) {
        const auto found = m->match(m->index(0, 0, at), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(path));
        at = found.first();
    }
    tree(win)->setCurrentIndex(at);
    QTest::keyClick(tree(win), Qt::Key_Return);
    QTRY_VERIFY(!win.grid().model().isFiltering());
}

void filter(test::Window& win, const QString& text) {
    ui(win).FilterBar1->edit()->setText(text);
    QTRY_VERIFY(!win.grid().model().isFiltering());
}

}  // namespace

class TestGroups : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each group's records and quantity as the catalogue counts them with GROUP BY: case and
    // blanks do not make groups of their own, empty, blank and unset values are "(Empty)",
    // last; a quantity not read is counted apart.
    void countsAsTheCatalogue_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("key");
        QTest::newRow("series") << kSeries
                                << u"CASE WHEN trim(coalesce(Series, '')) = '' THEN '(empty)' ELSE "
                                   "replace(lower(trim(Series)), '  ', ' ') END"_s;
        QTest::newRow("decade")
            << kDecade
            << u"CASE WHEN trim(Year) = '' THEN '(empty)' ELSE (CAST(Year AS INTEGER) / 10 * 10) "
               "|| 's' END"_s;
    }
    void countsAsTheCatalogue() {
        QFETCH(int, field);
        QFETCH(QString, key);
        test::TestEnv env;
        eightCars(env);
        test::Window win(env);
        QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(tree(win)->hasFocus());
        win->groupPanel()->setFields(field, -1);
        QStringList rows = shown(win);
        QCOMPARE(rows.takeFirst(), u"All records: 8, 12 (+1?)"_s);
        for (QString& r : rows)
            r = r.section(u':', 0, 0).toLower() + u':' + r.section(u':', 1);
        QCOMPARE(rows, counted(env, key));
    }

    // Two levels, and the narrowing by group and filter together: the rows, the status bar,
    // and back to every record.
    void groupAndFilterNarrowTogether() {
        test::TestEnv env;
        eightCars(env);
        test::Window win(env);
        QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        win->groupPanel()->setFields(kSeries, kStatus);
        QCOMPARE(shown(win).mid(1, 3),
                 (QStringList{u"Regular Wheels: 2, 3"_s, u"  Have: 1, 0"_s, u"  Sell: 1, 3"_s}));
        QCOMPARE(shown(win).mid(7), (QStringList{u"(Empty): 3, 6"_s, u"  Have: 3, 6"_s}));
        choose(win, u"Regular Wheels"_s);
        QCOMPARE(win.column(1), (QStringList{u"Miura"_s, u"Jaguar"_s}));
        choose(win, u"Superfast"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mustang"_s, u"Cortina"_s, u"Beetle"_s}));
        QCOMPARE(win->statusText(), FilterBar::countText(3, 8));
        filter(win, u"-want"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mustang"_s, u"Cortina"_s}));
        QCOMPARE(win->statusText(), FilterBar::countText(2, 8));
        choose(win, u"Superfast/Have"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mustang"_s, u"Cortina"_s}));
        choose(win, u"(Empty)"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mini"_s, u"Dino"_s, u"Europa"_s}));
        QCOMPARE(win.currentId(), 6);                // the panel shows the first of them
        QTest::keyClick(tree(win), Qt::Key_Escape);  // back to the grid, still narrowed
        QVERIFY(win.grid().hasFocus());
        QCOMPARE(win->statusText(), FilterBar::countText(3, 8));
        filter(win, QString());
        choose(win, u"All records"_s);
        QCOMPARE(win.column(1).size(), 8);
        QCOMPARE(win->statusText(), mainText::TotalRecords + mainText::signedCount(8));
        // Closed, nothing narrows the grid unseen.
        choose(win, u"Superfast"_s);
        for (int i = 0; i < 2; ++i)  // to the view, and closing it
            QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!win->groupPanel()->isVisible());
        QTRY_COMPARE(win.column(1).size(), 8);
        QVERIFY(win.grid().hasFocus());
    }

    // A save moves a record between groups, an addition and an undo count it in, a delete out;
    // the group chosen keeps its row and the brought-back record.
    void countsFollowTheRecords() {
        test::TestEnv env;
        eightCars(env);
        test::Window win(env);
        QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        win->groupPanel()->setFields(kYear, -1);
        const auto groups = [&] { return shown(win).join(u" | "_s); };
        choose(win, u"1970"_s);
        win.press("Edit");
        win.setField(2, u"1969"_s);  // Year
        win.setField(10, u"5"_s);    // Quantity
        win.save();
        QCOMPARE(groups(),
                 u"All records: 8, 15 (+1?) | 1965: 1, 1 | 1968: 1, 1 | 1969: 2, 5 | "
                 "1971: 1, 1 | 1975: 1, 0 (+1?) | (Empty): 2, 7"_s);
        QCOMPARE(win.column(1), QStringList{u"Mustang"_s});  // saved under the group: kept
        choose(win, u"1969"_s);
        win.show(4);  // Miura
        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        QVERIFY(groups().contains(u"1969: 1, 5 |"_s));
        win.press("Add");
        win.setField(1, u"Zephyr"_s);
        win.setField(2, u"1980"_s);
        win.save();
        QVERIFY(groups().contains(u"1975: 1, 0 (+1?) | 1980: 1, 0 | (Empty)"_s));
        QTest::keyClick(&win.grid(), Qt::Key_Z, Qt::ControlModifier);  // Miura back
        QVERIFY(
            groups().startsWith(u"All records: 9, 15 (+1?) | 1965: 1, 1 | 1968: 1, 1 | "
                                "1969: 2, 5 |"_s));
        choose(win, u"1965"_s);
        choose(win, u"1969"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mustang"_s, u"Miura"_s}));
        // An import adds records and reads the catalogue again: the rows stay, counts follow.
        const QPersistentModelIndex kept = tree(win)->model()->index(1, 1);  // 1965
        win->closeCatalogue();
        env.addRecord({{u"Description"_s, u"Lotus"_s}, {u"Year"_s, u"1965"_s}});
        win->Form_Load();
        QCOMPARE(kept.data().toString(), u"2"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mustang"_s, u"Miura"_s}));
    }

    // By an own field and by the tags, on one level: a record with two tags is in both tags'
    // groups, a group chosen narrows the grid with the filter, a record tagged anew moves, and
    // a field removed leaves "Group by" and the view.
    void ownFieldsAndTags() {
        test::TestEnv env;
        eightCars(env);
        test::Window win(env);
        CatalogueSession& s = win->session();
        const std::int64_t scale = s.addOwnField({0, u"Scale"_s, ownfields::Kind::Text, {}, 0});
        s.setOwnValues(1, {{scale, u"1:64"_s}});
        s.setOwnValues(5, {{scale, u"1:43 <i>"_s}});
        s.setTags(1, {u"chase"_s, u"error"_s});
        s.setTags(3, {u"Chase"_s});
        win.show(1);  // the panel, and with it "Group by", learns of the field
        auto* groupBy = win->findChild<QComboBox*>(u"cboGroupBy"_s);
        QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        win->groupPanel()->setFields(GroupPanel::ownField(scale), kStatus);
        QCOMPARE(groupBy->currentText(), u"Scale"_s);
        QCOMPARE(shown(win), (QStringList{u"All records: 8, 12 (+1?)"_s, u"1:43 <i>: 1, 3"_s,
                                          u"1:64: 1, 2"_s, u"(Empty): 6, 7 (+1?)"_s}));
        const QString tip = tree(win)->model()->index(1, 0).data(Qt::ToolTipRole).toString();
        QTextDocument tipShown;  // as a tool tip shows it
        Qt::mightBeRichText(tip) ? tipShown.setHtml(tip) : tipShown.setPlainText(tip);
        QCOMPARE(tipShown.toPlainText(), u"1:43 <i>"_s);
        win->groupPanel()->setFields(GroupChoice::TagsField, -1);
        QCOMPARE(shown(win), (QStringList{u"All records: 8, 12 (+1?)"_s, u"chase: 2, 2 (+1?)"_s,
                                          u"error: 1, 2"_s, u"(Empty): 6, 10"_s}));
        choose(win, u"chase"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mustang"_s, u"Beetle"_s}));
        filter(win, u"-want"_s);
        QCOMPARE(win.column(1), QStringList{u"Mustang"_s});
        filter(win, QString());
        choose(win, u"All records"_s);
        win.show(2);  // Cortina, tagged now
        win.press("Edit");
        win->findChild<QLineEdit*>(u"txtTags"_s)->setText(u"error"_s);
        win.save();
        QCOMPARE(shown(win).mid(1),
                 (QStringList{u"chase: 2, 2 (+1?)"_s, u"error: 2, 3"_s, u"(Empty): 5, 9"_s}));
        choose(win, u"error"_s);
        QCOMPARE(win.column(1), (QStringList{u"Mustang"_s, u"Cortina"_s}));
        win->groupPanel()->setFields(GroupPanel::ownField(scale), -1);
        s.removeOwnField(scale);
        win.show(3);
        QCOMPARE(groupBy->findText(u"Scale"_s), -1);
        QCOMPARE(groupBy->currentIndex(), 0);
        QCOMPARE(shown(win).at(1).section(u':', 0, 0), u"Regular Wheels"_s);
    }

    // The view opens as it was left, with its fields; closed, the grid has the whole width.
    void rememberedBetweenStarts() {
        test::TestEnv env;
        eightCars(env);
        {
            test::Window win(env);
            QCOMPARE(win.grid().width(), win->centralWidget()->width());
            QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
            win->groupPanel()->setFields(kStatus, kDecade);
            QVERIFY(win.grid().x() >= win->groupPanel()->width());
        }
        test::Window win(env);
        QVERIFY(win->groupPanel()->isVisible());
        QCOMPARE(win->findChild<QComboBox*>(u"cboGroupBy"_s)->currentText(),
                 QCoreApplication::translate("kbs::panel", "Status"));
        QCOMPARE(shown(win).mid(1, 2), (QStringList{u"Have: 6, 9"_s, u"  1960s: 3, 2"_s}));
        QCOMPARE(win->findChild<QLabel*>(u"lblThenBy"_s)->buddy(),
                 win->findChild<QComboBox*>(u"cboThenBy"_s));
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(win.grid().width(), win->centralWidget()->width());
    }
};

QTEST_MAIN(TestGroups)
#include "tst_groups.moc"
