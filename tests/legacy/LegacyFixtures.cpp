#include "LegacyFixtures.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QVariant>
#include <array>

#include "Collection.h"

namespace kbs::test::legacy {

namespace {

// One expected cell: its SQLite type and its value.
struct Cell {
    const char* type;  // "null", "text", "integer", "real", "blob"
    QVariant value;
};

Cell null() {
    return {"null", {}};
}
Cell text(const char* utf8) {
    return {"text", QString::fromUtf8(utf8)};
}

// The 60 lines of row 1's Notes, each ending in LF, as mdb-export shows them.
QString notes() {
    QString s;
    for (int i = 0; i < 60; ++i) {
        s += QStringLiteral("Note line %1 \u2013 caf\u00e9 \u00dcn\u00efcode, \"quoted\", comma\n")
                 .arg(i);
    }
    return s;
}

// What mdb-export -b hex shows for the fixtures (checked by hand), in the forms the
// conversion gives: currency in plain decimal, dates as ISO text, Null and empty apart.
QList<std::array<Cell, 27>> expectedRows(bool edge) {
    std::array<Cell, 27> row1 = {{
        {"integer", qint64(1)},
        text("1969 Custom Camaro"),
        text("1969"),
        text("6208"),
        text("Redline"),
        text("C9"),
        text("Redline"),
        text("Blister"),
        text("Mint"),
        text("Spectraflame Blue"),
        text("2"),
        text("Shelf A"),
        text("1.25"),        // mdb-export: 1.2500
        text("1999-05-17"),  // 05/17/99 00:00:00
        text("0.99"),        // 0.9900
        text("150"),         // 150.0000
        text("2004-01-02 13:45:30"),
        text("Have"),
        text("Flea market"),
        text("Camaro"),
        text("White"),
        text("v1"),
        text("Chrome"),
        {"text", notes()},
        {"real", 20.5},
        {"blob", fixtureBytes(QStringLiteral("bin250.bin"))},
        text("C:\\Pics\\camaro.gif"),
    }};
    std::array<Cell, 27> row2;
    row2.fill(null());
    row2[0] = {"integer", qint64(2)};
    row2[1] = text("Row with nulls");
    // Row 3: empty texts (not Null: the null bitmap has their bits set), zeros.
    std::array<Cell, 27> row3;
    row3.fill(text(""));
    row3[0] = {"integer", qint64(3)};
    row3[2] = text("2001");
    row3[10] = text("0");
    row3[12] = text("0");
    row3[13] = text("2001-12-31");
    row3[14] = text("0");
    row3[15] = text("-3.1416");
    row3[16] = null();
    row3[24] = {"real", 0.0};
    row3[25] = edge ? Cell{"blob", QByteArray("")}
                    : Cell{"blob", fixtureBytes(QStringLiteral("bin10000.bin"))};
    return {row1, row2, row3};
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
    QStringList diffs;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return {QStringLiteral("cannot open %1").arg(dbPath)};
    }
    QString sql = QStringLiteral("SELECT ");
    for (const auto& c : collection::columns) {
        sql +=
            QStringLiteral("typeof(\"%1\"), \"%1\"%2")
                .arg(QString::fromLatin1(c.name),
                     c.position + 1 < collection::ColumnCount ? QStringLiteral(", ") : QString());
    }
    sql += QStringLiteral(" FROM table1 ORDER BY ID");
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        diffs << QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return diffs;
    }
    const auto expected = expectedRows(edge);
    int r = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        if (r >= expected.size()) {
            diffs << QStringLiteral("more rows than expected");
            break;
        }
        for (int c = 0; c < collection::ColumnCount; ++c) {
            const Cell& want = expected[r][size_t(c)];
            const QString where =
                QStringLiteral("row %1 %2")
                    .arg(r + 1)
                    .arg(QString::fromLatin1(collection::columns[size_t(c)].name));
            const QByteArray type = reinterpret_cast<const char*>(sqlite3_column_text(st, 2 * c));
            if (type != want.type) {
                diffs << QStringLiteral("%1: type %2, expected %3")
                             .arg(where, QString::fromLatin1(type), QString::fromLatin1(want.type));
                continue;
            }
            const int v = 2 * c + 1;
            bool same = true;
            if (type == "text") {
                same = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, v)),
                                         sqlite3_column_bytes(st, v)) == want.value.toString();
            } else if (type == "blob") {
                same = QByteArray(static_cast<const char*>(sqlite3_column_blob(st, v)),
                                  sqlite3_column_bytes(st, v)) == want.value.toByteArray();
            } else if (type == "integer") {
                same = sqlite3_column_int64(st, v) == want.value.toLongLong();
            } else if (type == "real") {
                same = sqlite3_column_double(st, v) == want.value.toDouble();
            }
            if (!same)
                diffs << QStringLiteral("%1: value differs").arg(where);
        }
        ++r;
    }
    if (r < expected.size())
        diffs << QStringLiteral("%1 rows, expected %2").arg(r).arg(expected.size());
    sqlite3_finalize(st);
    sqlite3_close(db);
    return diffs;
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace kbs::test::legacy
