// The column table and the two text conversions.
#include <QtTest>

#include "Collection.h"
#include "Schema.h"
#include "TestEnv.h"

using namespace kbs;

class TestCollection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnTableIsInTableOrder() {
        for (int i = 0; i < collection::ColumnCount; ++i)
            QCOMPARE(collection::columns[size_t(i)].position, i);
        // Boxes 1..22 each show exactly one column, at the same position.
        for (int box = 1; box < collection::BoxCount; ++box) {
            QCOMPARE(collection::columnOfBox(box).box, box);
            QCOMPARE(collection::columnOfBox(box).position, box);
        }
        QCOMPARE(collection::positionOf(QStringLiteral("notes")), 23);
        QCOMPARE(collection::positionOf(QStringLiteral("nothing")), -1);
    }

    void readingRemovesOnlySpaces() {
        QVERIFY(!collection::fieldTextOf(QVariant()).has_value());
        QCOMPARE(*collection::fieldTextOf(QStringLiteral(" ")), QString());
        QCOMPARE(*collection::fieldTextOf(QStringLiteral("  red  ")), QStringLiteral("red"));
        QCOMPARE(*collection::fieldTextOf(QStringLiteral("\tred\r\n")),
                 QStringLiteral("\tred\r\n"));
        QCOMPARE(*collection::fieldTextOf(QVariant::fromValue<qint64>(17)), QStringLiteral("17"));
    }

    void writingStoresASpaceForNothing() {
        QCOMPARE(collection::storedBoxText(QString()), QStringLiteral(" "));
        QCOMPARE(collection::storedBoxText(QStringLiteral("   ")), QStringLiteral(" "));
        QCOMPARE(collection::storedBoxText(QStringLiteral("  dark  blue ")),
                 QStringLiteral("dark  blue"));
        QCOMPARE(collection::storedNotesText(QString()), QStringLiteral(" "));
        QCOMPARE(collection::storedNotesText(QStringLiteral("  kept  ")),
                 QStringLiteral("  kept  "));
    }

    void emptyCatalogueHasTheColumnsInOrder() {
        test::TestEnv env;
        const auto cols = env.rows(QStringLiteral("SELECT name FROM pragma_table_info('table1')"));
        QCOMPARE(cols.size(), collection::ColumnCount);
        for (int i = 0; i < cols.size(); ++i)
            QCOMPARE(cols[i].first().toString(),
                     QString::fromLatin1(collection::columns[size_t(i)].name));
        // Never over an existing file.
        const QByteArray before = env.readFile(QStringLiteral("mydb.mdb"));
        QString error;
        QVERIFY(!schema::createEmptyCatalogue(env.dbPath(), &error));
        QCOMPARE(env.readFile(QStringLiteral("mydb.mdb")), before);
    }
};

QTEST_GUILESS_MAIN(TestCollection)
#include "tst_collection.moc"
