// The collector's own fields and the records' tags: each kind checked and stored, fields
// renamed, reordered and removed with their values, values saved with the record, and carried
// by a delete and its undo.
#include <QtTest>

#include "AppError.h"
#include "Backup.h"
#include "CatalogueSession.h"
#include "ColumnHeadings.h"
#include "RecordSet.h"
#include "Schema.h"
#include "Tellico.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;
using ownfields::Kind;

namespace {

struct Open {
    CatalogueSession s;
    explicit Open(const test::TestEnv& env) { s.open(env.dbPath(), u"select * from table1"_s); }
    std::int64_t field(const QString& name, Kind kind) {
        return s.addOwnField({0, name, kind, {}, 0});
    }
};

qint64 car(const test::TestEnv& env, const QString& description) {
    return env.addRecord({{u"Description"_s, description}, {u"Status"_s, u"Have"_s}});
}

QString valueOf(CatalogueSession& s, qint64 record, std::int64_t field) {
    for (const ownfields::Value& v : s.ownValues(record)) {
        if (v.fieldId == field)
            return v.text;
    }
    return {};
}

}  // namespace

class TestOwnFields : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What each kind keeps of what is typed, and what it refuses (stored empty = refused).
    void kinds_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("text") << Kind::Text << u"  1:64 "_s << u"1:64"_s;
        QTest::newRow("number") << Kind::Number << u"64"_s << u"64"_s;
        QTest::newRow("number, decimal comma") << Kind::Number << u"1,5"_s << u"1.5"_s;
        QTest::newRow("number, letters") << Kind::Number << u"12a"_s << QString();
        QTest::newRow("amount") << Kind::Amount << u"$1,234.5"_s << u"1234.50"_s;
        QTest::newRow("amount, letters") << Kind::Amount << u"cheap"_s << QString();
        QTest::newRow("date") << Kind::Date << u"1998-03-12"_s << u"1998-03-12"_s;
        QTest::newRow("date, impossible") << Kind::Date << u"2023-02-30"_s << QString();
        QTest::newRow("yes") << Kind::YesNo << u"Yes"_s << u"1"_s;
        QTest::newRow("no") << Kind::YesNo << u"false"_s << u"0"_s;
        QTest::newRow("yes/no, neither") << Kind::YesNo << u"maybe"_s << QString();
        QTest::newRow("choice") << Kind::Choice << u"Carded"_s << u"Carded"_s;
        QTest::newRow("text, U+FEFF first") << Kind::Text << u"\ufeffx"_s << u"\ufeffx"_s;
    }
    void kinds() {
        QFETCH(Kind, kind);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        test::TestEnv env;
        const qint64 id = car(env, u"Beetle"_s);
        Open o(env);
        const std::int64_t f = o.field(u"Own"_s, kind);
        if (stored.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(AppError, o.s.setOwnValues(id, {{f, typed}}));
            QVERIFY(!ownfields::normalise({f, u"Own"_s, kind, {}, 0}, typed).message.isEmpty());
        } else {
            o.s.setOwnValues(id, {{f, typed}});
        }
        Open again(env);
        QCOMPARE(valueOf(again.s, id, f), stored);
        QCOMPARE(again.s.allOwnValues().valueOf(id, 0), stored);
    }

    // Renaming keeps the values; removing takes them, and its undo brings them back in place.
    void renameReorderRemove() {
        test::TestEnv env;
        const qint64 a = car(env, u"Beetle"_s);
        const qint64 b = car(env, u"Mini"_s);
        Open o(env);
        const auto maker = o.field(u"Maker"_s, Kind::Text);
        const auto scale = o.field(u"Scale"_s, Kind::Text);
        const auto sth = o.field(u"Super Treasure Hunt"_s, Kind::YesNo);
        for (const QString& bad : {u"scale"_s, u"Year"_s, u"a:b"_s, u" "_s, u"tags"_s})
            QVERIFY_THROWS_EXCEPTION(AppError, o.s.renameOwnField(maker, bad));
        o.s.setOwnValues(a, {{scale, u"1:64"_s}, {sth, u"yes"_s}});
        o.s.setOwnValues(b, {{scale, u"1:43"_s}});
        o.s.renameOwnField(scale, u"Size"_s);
        o.s.reorderOwnFields({sth, maker});
        const auto names = [&] {
            QStringList n;
            for (const auto& f : o.s.ownFields())
                n << f.name;
            return n;
        };
        QCOMPARE(names(), (QStringList{u"Super Treasure Hunt"_s, u"Maker"_s, u"Size"_s}));
        QCOMPARE(o.s.ownFieldValueCount(scale), 2);
        const auto removed = o.s.removeOwnField(scale);
        QCOMPARE(names(), (QStringList{u"Super Treasure Hunt"_s, u"Maker"_s}));
        QCOMPARE(valueOf(o.s, a, scale), QString());
        QCOMPARE(o.s.restoreOwnField(removed), scale);
        QCOMPARE(names(), (QStringList{u"Super Treasure Hunt"_s, u"Maker"_s, u"Size"_s}));
        QCOMPARE(valueOf(o.s, a, scale) + valueOf(o.s, b, scale), u"1:641:43"_s);
        QCOMPARE(o.s.allOwnValues().valueOf(a, 0), u"1"_s);
    }

    // Values and tags given with a save are stored with the record, a new one too; a delete
    // moves them aside and its undo brings them back.
    void saveDeleteUndo() {
        test::TestEnv env;
        Open o(env);
        const auto scale = o.field(u"Scale"_s, Kind::Text);
        QVERIFY_THROWS_EXCEPTION(AppError, o.s.keepOwnValuesWithNextSave({}, {u"a,b"_s}));
        RecordSet& rs = o.s.records();
        rs.addNew();
        rs.fields(u"Description"_s).setValue(u"Beetle"_s);
        o.s.keepOwnValuesWithNextSave({{scale, u"1:64"_s}}, {u" chase "_s, u"error"_s});
        rs.update();
        const qint64 id = rs.value(0).toLongLong();
        QCOMPARE(o.s.tags(id), (QStringList{u"chase"_s, u"error"_s}));
        QCOMPARE(o.s.allOwnValues().tagsOf(id), (QStringList{u"chase"_s, u"error"_s}));
        rs.deleteCurrent();
        QCOMPARE(env.value(u"SELECT count(*) FROM own_values"_s).toInt(), 0);
        QCOMPARE(env.value(u"SELECT count(*) FROM record_tags"_s).toInt(), 0);
        // A field removed and another added meanwhile: the value goes back to its own field.
        const auto removed = o.s.removeOwnField(scale);
        const auto weight = o.field(u"Weight"_s, Kind::Number);
        o.s.restoreOwnField(removed);
        const qint64 back = o.s.bringBack(id);
        QCOMPARE(valueOf(o.s, back, weight), QString());
        QCOMPARE(valueOf(o.s, back, scale), u"1:64"_s);
        QCOMPARE(o.s.tags(back), (QStringList{u"chase"_s, u"error"_s}));
        QCOMPARE(o.s.tagsInUse().size(), size_t(2));
    }

    // A backup carries the fields, values and tags, and its restore brings every one back; the
    // described table keeps the columns an empty catalogue has, so older versions open it.
    void backupRestoreKeepsThemAndTable1() {
        test::TestEnv env;
        const qint64 id = car(env, u"Beetle"_s);
        {
            Open o(env);
            const auto f = o.field(u"Found"_s, Kind::Date);
            o.s.setOwnValues(id, {{f, u"2024-02-29"_s}});
            o.s.setTags(id, {u"chase"_s});
        }
        const QString own =
            u"SELECT f.name, f.kind, v.record_id, v.value, (SELECT group_concat(tag) FROM "
            "record_tags) FROM own_fields AS f JOIN own_values AS v USING (field_id)"_s;
        backup::Options day;
        day.today = QDate(2026, 3, 1);
        const auto made = backup::make(env.dbPath(), env.path(u"b"_s), day);
        QCOMPARE(int(made.outcome), int(backup::Outcome::Made));
        backup::restore(made.path, env.path(u"restored.mdb"_s));
        QCOMPARE(test::rowsOf(env.path(u"restored.mdb"_s), own), env.rows(own));
        QCOMPARE(env.rows(own).size(), 1);
        const QString columns = u"SELECT name, type, pk FROM pragma_table_info('table1')"_s;
        schema::createEmptyCatalogue(env.path(u"empty.mdb"_s));
        QCOMPARE(env.rows(columns), test::rowsOf(env.path(u"empty.mdb"_s), columns));
    }

    // A Tellico collection's fields without a column arrive as own fields with their titles and
    // kinds; a field with a value its kind cannot hold comes as text, keeping it; a title too
    // long for a name is cut, an empty one gives way to the field's name.
    void tellicoFieldsArriveAsOwn() {
        test::TestEnv env(false);
        env.writeFile(
            u"cars.tc"_s,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tellico "
            "xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\"><collection "
            "title=\"Cars\" type=\"1\"><fields>"
            "<field name=\"title\" title=\"Title\" type=\"1\"/>"
            "<field name=\"scale\" title=\"Scale\" type=\"1\"/>"
            "<field name=\"weight\" title=\"Weight\" type=\"6\"/>"
            "<field name=\"grams\" title=\"Grams\" type=\"6\"/>"
            "<field name=\"found\" title=\"Found\" type=\"12\"/>"
            "<field name=\"sth\" title=\"Super Treasure Hunt\" type=\"4\"/>"
            "<field name=\"pack\" title=\"Pack\" type=\"3\" allowed=\"Carded;Loose\"/>"
            "<field name=\"long\" title=\"" +
                QByteArray(70, 'L') +
                "\" type=\"1\"/><field name=\"untitled\" title=\"\" type=\"1\"/>"
                "<field name=\"keyword\" title=\"Keywords\" type=\"1\" flags=\"1\"/>"
                "</fields>"
                "<entry id=\"1\"><title>Beetle</title><scale>1:64</scale><weight>40</weight>"
                "<grams>heavy</grams><found>2024-02-29</found><sth>true</sth><pack>Carded</pack>"
                "<long>l</long><untitled>u</untitled><keywords><keyword>Chase</keyword>"
                "<keyword>chase</keyword></keywords>"
                "</entry><entry id=\"2\"><title>Mini</title><grams>12</grams></entry>"
                "</collection></tellico>\n");
        exchange::importTellico(env.path(u"cars.tc"_s), env.dbPath(), exchange::columnHeadings());
        Open o(env);
        QStringList got;
        for (const auto& f : o.s.ownFields()) {
            got << f.name + u'=' + QString::fromLatin1(ownfields::kindKey(f.kind));
            for (qint64 id : {1, 2})
                got << valueOf(o.s, id, f.id);
        }
        QCOMPARE(got, (QStringList{u"Scale=text"_s,
                                   u"1:64"_s,
                                   {},
                                   u"Weight=number"_s,
                                   u"40"_s,
                                   {},
                                   u"Grams=text"_s,
                                   u"heavy"_s,
                                   u"12"_s,
                                   u"Found=date"_s,
                                   u"2024-02-29"_s,
                                   {},
                                   u"Super Treasure Hunt=yesno"_s,
                                   u"1"_s,
                                   {},
                                   u"Pack=choice"_s,
                                   u"Carded"_s,
                                   {},
                                   QString(64, u'L') + u"=text"_s,  // cut to the longest name
                                   u"l"_s,
                                   {},
                                   u"untitled=text"_s,  // by its name, not the hidden column
                                   u"u"_s,
                                   {}}));
        QCOMPARE(o.s.tags(1), QStringList{u"Chase"_s});  // once whatever its case
    }
};

QTEST_GUILESS_MAIN(TestOwnFields)
#include "tst_ownfields.moc"
