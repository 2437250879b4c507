#include "LegacyFixtures.h"

#include <QDir>
#include <QFile>

#include "Collection.h"

namespace kbs::test::legacy {

using namespace Qt::StringLiterals;

namespace {

// The 60 lines of row 1's Notes, each ending in LF, as mdb-export shows them.
QString notes() {
    QString s;
    for (int i = 0; i < 60; ++i) {
        s += u"Note line %1 \u2013 caf\u00e9 \u00dcn\u00efcode, \"quoted\", comma\n"_s.arg(i);
    }
    return s;
}

// A row in the table's column order: the values given by name, every other column `rest`.
QVariantList row(const QVariantMap& values, const QVariant& rest) {
    QVariantList r;
    for (const auto& c : collection::columns)
        r << values.value(QString::fromLatin1(c.name), rest);
    return r;
}

// What mdb-export -b hex shows for the fixtures (checked by hand), in the forms the
// conversion gives: currency in plain decimal (mdb-export: 1.2500, 0.9900, 150.0000), dates
// as ISO text (05/17/99 00:00:00), Null and empty apart. Each value has the type of its
// SQLite storage class: qint64, double, QString, QByteArray, or none for Null.
QList<QVariantList> expectedRows(bool edge) {
    const QVariantMap row1 = {{"ID", qint64(1)},
                              {"Description", "1969 Custom Camaro"},
                              {"Year", "1969"},
                              {"Number", "6208"},
                              {"Series", "Redline"},
                              {"Car_Cond", "C9"},
                              {"Wheel_Type", "Redline"},
                              {"Box_Type", "Blister"},
                              {"Box_Cond", "Mint"},
                              {"Color", "Spectraflame Blue"},
                              {"Quantity", "2"},
                              {"Location", "Shelf A"},
                              {"Purchase", "1.25"},
                              {"Purch_Date", "1999-05-17"},
                              {"List_Price", "0.99"},
                              {"Value", "150"},
                              {"Value_Date", "2004-01-02 13:45:30"},
                              {"Status", "Have"},
                              {"Purch_From", "Flea market"},
                              {"Base_Name", "Camaro"},
                              {"Interior_Color", "White"},
                              {"Version_Number", "v1"},
                              {"Base_Color", "Chrome"},
                              {"Notes", notes()},
                              {"twenty", 20.5},
                              {"binpicdata", fixtureBytes(u"bin250.bin"_s)},
                              {"picpath", "C:\\Pics\\camaro.gif"}};
    // Row 2: Null but for its ID and description. Row 3: empty texts (not Null: the null
    // bitmap has their bits set) and zeros.
    const QVariantMap row2 = {{"ID", qint64(2)}, {"Description", "Row with nulls"}};
    const QVariantMap row3 = {
        {"ID", qint64(3)},
        {"Year", "2001"},
        {"Quantity", "0"},
        {"Purchase", "0"},
        {"Purch_Date", "2001-12-31"},
        {"List_Price", "0"},
        {"Value", "-3.1416"},
        {"Value_Date", QVariant()},
        {"twenty", 0.0},
        {"binpicdata", edge ? QByteArray("") : fixtureBytes(u"bin10000.bin"_s)}};
    return {row(row1, {}), row(row2, {}), row(row3, QString(""))};
}

}  // namespace

QString fixture(const QString& name) {
    return QDir(QStringLiteral(KBS_LEGACY_FIXTURES)).filePath(name);
}

QByteArray fixtureBytes(const QString& name) {
    QFile f(fixture(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing fixture>");
    return f.readAll();
}

QString converter() {
    return QStringLiteral(KBS_IMPORT_EXE);
}

QStringList differencesFromFixture(const QString& dbPath, bool edge) {
    // All columns in the table's own order, which is the catalogue's.
    const auto rows = rowsOf(dbPath, u"SELECT * FROM table1 ORDER BY ID"_s);
    const auto expected = expectedRows(edge);
    QStringList diffs;
    if (rows.size() != expected.size())
        diffs << u"%1 rows, expected %2"_s.arg(rows.size()).arg(expected.size());
    for (int r = 0; r < std::min(rows.size(), expected.size()); ++r) {
        if (rows[r].size() != collection::ColumnCount)
            diffs << u"row %1: %2 columns"_s.arg(r + 1).arg(rows[r].size());
        for (int c = 0; c < collection::ColumnCount; ++c) {
            const QVariant got = rows[r].value(c);
            const QVariant& want = expected[r][c];
            if (got.metaType() != want.metaType() || got != want) {
                const auto show = [](const QVariant& v) {
                    return v.isValid() ? u"%1 \"%2\""_s.arg(QString::fromLatin1(v.typeName()),
                                                            v.toString().left(40))
                                       : u"Null"_s;
                };
                diffs << u"row %1 %2: %3, expected %4"_s.arg(r + 1).arg(
                    QString::fromLatin1(collection::columns[size_t(c)].name), show(got),
                    show(want));
            }
        }
    }
    return diffs;
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace kbs::test::legacy
