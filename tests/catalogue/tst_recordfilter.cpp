// The filter's syntax, over the record set of a real catalogue, without a window.
#include <QtTest>

#include "Connection.h"
#include "FiveCars.h"
#include "RecordFilter.h"
#include "RecordSet.h"
#include "TestEnv.h"

using namespace kbs;
using namespace Qt::StringLiterals;

class TestRecordFilter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void syntax_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QList<qint64>>("ids");
        const auto row = [](const char* text, QStringList st, QList<qint64> ids) {
            QTest::newRow(text) << QString::fromUtf8(text) << st << ids;
        };
        row("MUSTANG red", {}, {1, 2});
        row("\"dark red\"", {}, {2});
        row("color:red", {}, {1, 2});
        row("mustang -sell", {}, {1});
        row("box:mint", {}, {1});
        row("series:1-75", {}, {3});
        row("year:1968-1975", {}, {1, 2, 3});
        row("year:>1980", {}, {4});
        row("value:>20", {}, {1, 4});
        row("value:<=12", {}, {2});
        row("fair 10:30", {}, {4});
        row("treasure", {}, {5});
        row("notes:zebra", {}, {5});
        row("zebra", {}, {});  // the notes are not among the fields Find searches
        row("CITROËN", {}, {5});
        row("nowhere", {}, {});
        row("", {"Have"}, {1, 4});
        row("", {"Want", "Sell"}, {2, 3});
        row("mustang", {"Sell"}, {2});
        // The records of a checklist, by its name in any case and punctuation ("Red cars" holds
        // 1 and 3); an unknown checklist holds none.
        row("checklist:\"RED-CARS\"", {}, {1, 3});
        row("-checklist:redcars mustang", {}, {2});
        row("checklist:blue", {}, {});
        // Words past the most a filter takes are left out, so the last one here counts not.
        const QByteArray many = QByteArray("-zzz ").repeated(RecordFilter::MaxWords) + "nowhere";
        row(many.constData(), {}, {1, 2, 3, 4, 5});
    }
    void syntax() {
        QFETCH(QString, text);
        QFETCH(QStringList, statuses);
        QFETCH(QList<qint64>, ids);
        test::TestEnv env;
        test::fiveCars(env);
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        RecordSet rs;
        rs.open(u"select * from table1"_s, cn);
        const RecordFilter::Checklists checklists = {
            {RecordFilter::checklistKey(u"Red cars"_s),
             std::make_shared<const std::vector<std::int64_t>>(std::vector<std::int64_t>{1, 3})}};
        const RecordFilter filter = RecordFilter::parse(text, statuses, checklists);
        QList<qint64> found;
        std::string scratch;
        for (RecordSet::Slot s : rs.slotsInOrder()) {
            if (filter.matches(rs, s))
                found << QByteArrayView(rs.shownUtf8At(s, 0, scratch)).toLongLong();
        }
        QCOMPARE(found, ids);
    }
};

QTEST_GUILESS_MAIN(TestRecordFilter)
#include "tst_recordfilter.moc"
