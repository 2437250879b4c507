#include "LegacyFixtures.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include "Collection.h"

namespace kbs::test::legacy {

namespace {

// The 60 lines of row 1's Notes, each ending in LF, as mdb-export shows them.
QString notes() {
    QString s;
    for (int i = 0; i < 60; ++i) {
        s += QStringLiteral("Note line %1 \u2013 caf\u00e9 \u00dcn\u00efcode, \"quoted\", comma\n")
                 .arg(i);
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
                              {"binpicdata", fixtureBytes(QStringLiteral("bin250.bin"))},
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
        {"binpicdata", edge ? QByteArray("") : fixtureBytes(QStringLiteral("bin10000.bin"))}};
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

QList<QVariantList> rowsOf(const QString& dbPath, const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    QList<QVariantList> rows;
    if (sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        rows.append({QStringLiteral("<%1>").arg(QString::fromUtf8(sqlite3_errmsg(db)))});
    }
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        QVariantList row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const int size = sqlite3_column_bytes(st, c);
            switch (sqlite3_column_type(st, c)) {
                case SQLITE_NULL:
                    row << QVariant();
                    break;
                case SQLITE_INTEGER:
                    row << qint64(sqlite3_column_int64(st, c));
                    break;
                case SQLITE_FLOAT:
                    row << sqlite3_column_double(st, c);
                    break;
                case SQLITE_BLOB:
                    row << QByteArray(static_cast<const char*>(sqlite3_column_blob(st, c)), size);
                    break;
                default:
                    row << QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(st, c)), size);
            }
        }
        rows << row;
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

QStringList differencesFromFixture(const QString& dbPath, bool edge) {
    // All columns in the table's own order, which is the catalogue's.
    const auto rows = rowsOf(dbPath, QStringLiteral("SELECT * FROM table1 ORDER BY ID"));
    const auto expected = expectedRows(edge);
    QStringList diffs;
    if (rows.size() != expected.size())
        diffs << QStringLiteral("%1 rows, expected %2").arg(rows.size()).arg(expected.size());
    for (int r = 0; r < std::min(rows.size(), expected.size()); ++r) {
        if (rows[r].size() != collection::ColumnCount)
            diffs << QStringLiteral("row %1: %2 columns").arg(r + 1).arg(rows[r].size());
        for (int c = 0; c < collection::ColumnCount; ++c) {
            const QVariant got = rows[r].value(c);
            const QVariant& want = expected[r][c];
            if (got.metaType() != want.metaType() || got != want) {
                const auto show = [](const QVariant& v) {
                    return v.isValid()
                               ? QStringLiteral("%1 \"%2\"")
                                     .arg(QString::fromLatin1(v.typeName()), v.toString().left(40))
                               : QStringLiteral("Null");
                };
                diffs << QStringLiteral("row %1 %2: %3, expected %4")
                             .arg(r + 1)
                             .arg(QString::fromLatin1(collection::columns[size_t(c)].name),
                                  show(got), show(want));
            }
        }
    }
    return diffs;
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace kbs::test::legacy
