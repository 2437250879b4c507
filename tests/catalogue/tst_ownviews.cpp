// The collector's own fields and the records' tags where the described fields go: the filter's
// words, the grid's sort, the groups and the statistics.
#include <QtTest>

#include "CatalogueSession.h"
#include "FiveCars.h"
#include "FlexGrid.h"
#include "RecordFilter.h"
#include "RecordGroups.h"
#include "Statistics.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using ownfields::Kind;

namespace {

// The five cars with a field of each kind and tags; the fields' IDs by name.
struct OwnCars {
    test::TestEnv env;
    CatalogueSession s;
    OwnCars() {
        test::fiveCars(env);
        s.open(env.dbPath(), u"select * from table1"_s);
        const std::pair<QString, Kind> fields[] = {{u"Scale"_s, Kind::Text},
                                                   {u"Weight"_s, Kind::Number},
                                                   {u"Paid extra"_s, Kind::Amount},
                                                   {u"Found"_s, Kind::Date},
                                                   {u"Super Treasure Hunt"_s, Kind::YesNo},
                                                   {u"Pack"_s, Kind::Choice}};
        std::vector<std::int64_t> ids;
        for (const auto& [name, kind] : fields)
            ids.push_back(s.addOwnField({0, name, kind, {}, 0}));
        // Scale, Weight, Paid extra, Found, STH, Pack; tags
        const QStringList rows[] = {
            {u"1:64"_s, u"40"_s, u"2.50"_s, u"2020-05-01"_s, u"yes"_s, u"Carded"_s, u"chase"_s},
            {u"1:43"_s, u"120"_s, u"10"_s, u"2021-12-31"_s, u"no"_s, u"Loose"_s, u"error,chase"_s},
            {u"1:64"_s, u"9.5"_s, QString(), u"2019-01-15"_s, QString(), QString(), QString()},
            {u"1:18"_s, QString(), u"100"_s, u"2022-03-01"_s, u"yes"_s, u"Boxed"_s, u"Chased"_s},
            {}};
        for (int r = 0; r < 5; ++r) {
            std::vector<ownfields::Value> values;
            for (int f = 0; f < 6 && f < rows[r].size(); ++f)
                values.push_back({ids[size_t(f)], rows[r][f]});
            s.setOwnValues(r + 1, values);
            if (rows[r].size() > 6)
                s.setTags(r + 1, rows[r][6].split(u','));
        }
    }
};

}  // namespace

class TestOwnViews : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qint64>>("ids");
        const auto row = [](const char* text, QList<qint64> ids) {
            QTest::newRow(text) << QString::fromUtf8(text) << ids;
        };
        row("scale:1:64", {1, 3});
        row("SCALE:\"1:4\"", {2});
        row("-scale:1:64", {2, 4, 5});
        row("weight:10-200", {1, 2});
        row("weight:>=40", {1, 2});
        row("weight:<40", {3});
        row("weight:9.5", {3});
        row("paid:>5", {2, 4});  // by the start of its name
        row("paidextra:$2.50", {1});
        row("found:2020-2021", {1, 2});
        row("found:2022-03", {4});
        row("found:<2020-05-01", {3});
        row("super:yes", {1, 4});
        row("supertreasurehunt:no", {2});
        row("pack:box", {4});
        row("tag:chase", {1, 2, 4});  // a tag that begins with the word
        row("#error mustang", {2});
        row("-#chase", {3, 5});
        row("year:1968-1975 #chase", {1, 2});  // a described field goes first
        row("10:30", {4});                     // no such field: a word like any other
        row("scale:", {1, 2, 3, 4, 5});        // being typed
    }
    void filter() {
        QFETCH(QString, text);
        QFETCH(QList<qint64>, ids);
        OwnCars c;
        const RecordFilter f = RecordFilter::parse(text, {}, {}, ownwords::of(c.s));
        QList<qint64> found;
        for (RecordSet::Slot slot : c.s.records().slotsInOrder()) {
            if (f.matches(c.s.records(), slot))
                found << c.s.records().keyAt(slot);
        }
        QCOMPARE(found, ids);
    }

    // The values read once are kept up to date by what changes after them: a save with other
    // tags and values, a record that had none, a removed field, a delete and its undo, a record
    // with an ID far above the others.
    void afterChanges_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qint64>>("ids");
        const auto row = [](const char* name, int change, const char* text, QList<qint64> ids) {
            QTest::newRow(name) << change << QString::fromUtf8(text) << ids;
        };
        row("saved with a new tag", 0, "#boxed", {2});
        row("saved without a tag", 0, "#error", {});
        row("saved, others' tags kept", 0, "#chase", {1, 2, 4});
        row("saved with a new value", 0, "scale:1:87", {2});
        row("saved, the old value gone", 0, "scale:1:43", {});
        row("saved, a value cleared", 0, "weight:1-1000", {1, 3});
        row("tags of a record without", 1, "#new", {3});
        row("... the next record's kept", 1, "#chased", {4});
        row("values of a record without", 2, "scale:1:87", {3});
        row("... the others' kept", 2, "found:2019-2022", {1, 2, 4});
        row("... and their tags", 2, "#chase", {1, 2, 4});
        row("removed field", 3, "weight:10-200", {1, 2});
        row("removed field, no word", 3, "scale:1:64", {});
        row("deleted and brought back", 4, "#error pack:loose found:2021", {2});
        row("the highest ID there is", 5, "#top", {std::numeric_limits<qint64>::max()});
    }
    void afterChanges() {
        QFETCH(int, change);
        QFETCH(QString, text);
        QFETCH(QList<qint64>, ids);
        OwnCars c;
        RecordSet& rs = c.s.records();
        const std::vector<ownfields::Field> f = c.s.ownFields();
        if (change == 2) {  // record 3 without values, among records with
            std::vector<ownfields::Value> none;
            for (const ownfields::Field& field : f)
                none.push_back({field.id, {}});
            c.s.setOwnValues(3, none);
        }
        QVERIFY(!c.s.allOwnValues().tagsOf(2).isEmpty());  // read before the change
        rs.setBookmark(change == 1 || change == 2 ? 3 : 2);
        if (change == 0 || change == 1) {
            rs.fields(u"Description"_s).setValue(u"Saved"_s);
            c.s.keepOwnValuesWithNextSave(
                change ? std::vector<ownfields::Value>{}
                       : std::vector<ownfields::Value>{{f[0].id, u"1:87"_s}, {f[1].id, {}}},
                change ? QStringList{u"new"_s} : QStringList{u"chase"_s, u"boxed"_s});
            rs.update();
        } else if (change == 2) {
            c.s.setOwnValues(3, {{f[0].id, u"1:87"_s}});
        } else if (change == 3) {
            c.s.removeOwnField(f[0].id);
        } else if (change == 5) {
            const qint64 top = c.env.addRecord(
                {{u"ID"_s, std::numeric_limits<qint64>::max()}, {u"Description"_s, u"Top"_s}});
            c.s.setTags(top, {u"top"_s});
            rs.reinsert(top);
        } else {
            rs.deleteCurrent();
            rs.reinsert(c.s.bringBack(2));
        }
        const RecordFilter filter = RecordFilter::parse(text, {}, {}, ownwords::of(c.s));
        QList<qint64> found;
        for (RecordSet::Slot slot : rs.slotsInOrder()) {
            if (filter.matches(rs, slot))
                found << rs.keyAt(slot);
        }
        QCOMPARE(found, ids);
    }

    // The grid's rows by an own field, both ways; records without a value as an empty text.
    void sort_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QList<qint64>>("ids");
        QTest::newRow("number") << 1 << true << QList<qint64>{3, 1, 2, 4, 5};
        QTest::newRow("number, down") << 1 << false << QList<qint64>{4, 5, 2, 1, 3};
        QTest::newRow("amount") << 2 << true << QList<qint64>{1, 2, 4, 3, 5};
        QTest::newRow("date") << 3 << true << QList<qint64>{5, 3, 1, 2, 4};
        QTest::newRow("text") << 0 << true << QList<qint64>{5, 4, 2, 1, 3};
    }
    void sort() {
        QFETCH(int, field);
        QFETCH(bool, ascending);
        QFETCH(QList<qint64>, ids);
        OwnCars c;
        FlexGridModel model;
        model.reshape(0, 2);
        model.showRecords(c.s.records());
        model.sortByOwnField(c.s.allOwnValues(), size_t(field), ascending);
        QList<qint64> order;
        for (RecordSet::Slot slot : model.shownSlots())
            order << c.s.records().keyAt(slot);
        QCOMPARE(order, ids);
    }

    // By each kind and by the tags, the group view's groups and the statistics' alike: a text
    // whatever its case, a number or amount by value, a date by its year, a record with two
    // tags in both groups; the group view puts records without a value last, the statistics
    // first.
    void groups_data() {
        QTest::addColumn<int>("field");  // -1: the tags
        QTest::addColumn<QStringList>("groups");
        const auto row = [](const char* name, int field, const char* groups) {
            QTest::newRow(name) << field << QString::fromUtf8(groups).split(u'|');
        };
        row("text", 0, "1:18 1|1:43 1|1:64 2|(Empty) 1");
        row("number", 1, "9.5 1|40 1|120 1|(Empty) 2");
        row("amount", 2, "2.50 1|10.00 1|100.00 1|(Empty) 2");
        row("date", 3, "2019 1|2020 1|2021 1|2022 1|(Empty) 1");
        row("yes/no", 4, "No 1|Yes 2|(Empty) 2");
        row("choice", 5, "Boxed 1|Carded 1|Loose 1|(Empty) 2");
        row("tags", -1, "chase 2|Chased 1|error 1|(Empty) 2");
    }
    void groups() {
        QFETCH(int, field);
        QFETCH(QStringList, groups);
        OwnCars c;
        const ownfields::AllValues& all = c.s.allOwnValues();
        const size_t at = field < 0 ? ownfields::Tags : size_t(field);
        const auto named = [](const QString& name, long records) {
            return (name.isEmpty() ? u"(Empty)"_s : name) + u' ' + QString::number(records);
        };
        ownfields::GroupKeys keys;
        RecordGroups g;
        g.buildByKeys(c.s.records(), GroupChoice::TagsField,
                      [&](const RecordSet& rs, RecordSet::Slot slot, auto& out) {
                          keys.of(all, at, rs.keyAt(slot), out);
                      });
        QStringList viewed;
        for (RecordGroups::Node n : g.children(RecordGroups::Root))
            viewed << named(g.isEmptyGroup(n) ? QString() : g.spelling(n), g.totals(n).records);
        QCOMPARE(viewed, groups);
        stats::Statistics s;
        s.read(c.s.records(), {1, 2, 3, 4, 5});
        QStringList counted;
        for (const auto& group :
             s.byKeys([&](std::int64_t id, auto&out) { keys.of(all, at, id, out); }))
            counted << named(group.name, group.sums.records);
        groups.move(groups.size() - 1, 0);
        QCOMPARE(counted, groups);
    }
};

QTEST_MAIN(TestOwnViews)
#include "tst_ownviews.moc"
