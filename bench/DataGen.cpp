#include "DataGen.h"

#include <sqlite3.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QStringList>
#include <stdexcept>
#include <string>

#include "Schema.h"

namespace kbs::bench {

namespace {
const QStringList kMakes = {"Ford",       "Mercedes", "Lamborghini", "Jaguar",  "Volkswagen",
                            "Porsche",    "Ferrari",  "Land Rover",  "Austin",  "Morris",
                            "Chevrolet",  "Dodge",    "Citroen",     "Renault", "Fiat",
                            "Alfa Romeo", "Lotus",    "Mini"};
const QStringList kModels = {
    "Cortina Mk3", "300SE Coupe", "Miura P400", "E-Type",          "Beetle",   "911 Targa",
    "Dino 246",    "Safari",      "Healey",     "Minor Traveller", "Corvette", "Charger",
    "DS 19",       "Alpine",      "500",        "Giulia",          "Europa",   "Cooper S"};
const QStringList kColors = {"Metallic red", "Dark blue",  "Yellow", "Green",
                             "White",        "Silver",     "Orange", "Gold plated",
                             "Black",        "Light blue", "Purple"};
const QStringList kSeries = {"Superfast", "Regular Wheels", "Models of Yesteryear",
                             "King Size", "Major Pack",     "Lesney Originals"};
const QStringList kStatus = {"Want", "Have", "Sell"};
const QStringList kWords = {"box",      "slightly", "crushed",  "mint",      "repainted",
                            "original", "from",     "swapmeet", "wheels",    "replaced",
                            "decals",   "worn",     "rare",     "variation", "base",
                            "rivet",    "drilled",  "bought",   "with",      "the"};

QString pick(const QStringList& l, QRandomGenerator& r) {
    return l.at(int(r.bounded(l.size())));
}

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}
}  // namespace

void generateCatalogue(const QString& path, int n, int pictureRecords, const QByteArray& picture,
                       bool keepPath) {
    QFile::remove(path);
    schema::createEmptyCatalogue(path);
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    // A file the benchmark makes again when it is damaged: no journal, no waiting for the disk.
    check(sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                       nullptr),
          db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "INSERT INTO table1 (Description, Year, Number, Series, Car_Cond, Wheel_Type, Box_Type, "
        "Box_Cond, Color, Quantity, Location, Purchase, Purch_Date, List_Price, Value, "
        "Value_Date, Status, Purch_From, Base_Name, Interior_Color, Version_Number, Base_Color, "
        "Notes, twenty, binpicdata, picpath) VALUES "
        "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
    check(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), db);
    QRandomGenerator r(42);
    for (int i = 0; i < n; ++i) {
        QStringList v;
        v << pick(kMakes, r) + QLatin1Char(' ') + pick(kModels, r)
          << QString::number(1953 + r.bounded(72)) << QString::number(1 + r.bounded(120))
          << pick(kSeries, r) << QStringLiteral("C%1").arg(4 + r.bounded(7))
          << QStringLiteral("5-spoke") << QStringLiteral("Window box")
          << QStringLiteral("B%1").arg(3 + r.bounded(8)) << pick(kColors, r)
          << QString::number(1 + r.bounded(4)) << QStringLiteral("Shelf %1").arg(r.bounded(40))
          << QString::number(r.bounded(10000) / 100.0, 'f', 2)
          << QStringLiteral("19%1-0%2-1%3")
                 .arg(70 + r.bounded(29))
                 .arg(1 + r.bounded(9))
                 .arg(r.bounded(10))
          << QStringLiteral("0.49") << QString::number(r.bounded(20000) / 100.0, 'f', 2)
          << QStringLiteral("2024-01-10") << pick(kStatus, r) << QStringLiteral("Swapmeet")
          << pick(kMakes, r) << pick(kColors, r) << QString::number(1 + r.bounded(5))
          << pick(kColors, r);
        QStringList notes;
        const int words = 10 + int(r.bounded(40));
        for (int w = 0; w < words; ++w)
            notes << pick(kWords, r);
        v << notes.join(QLatin1Char(' '));
        QList<QByteArray> keep;
        for (int c = 0; c < v.size(); ++c) {
            keep << v[c].toUtf8();
            sqlite3_bind_text(st, c + 1, keep.last().constData(), int(keep.last().size()),
                              SQLITE_STATIC);
        }
        sqlite3_bind_null(st, 24);
        if (i < pictureRecords)
            sqlite3_bind_blob(st, 25, picture.constData(), int(picture.size()), SQLITE_STATIC);
        else
            sqlite3_bind_blob(st, 25, "", 0, SQLITE_STATIC);
        const QByteArray from = keepPath && i < pictureRecords
                                    ? QStringLiteral("C:\\Photos\\model%1.jpg").arg(i + 1).toUtf8()
                                    : QByteArray();
        sqlite3_bind_text(st, 26, from.constData(), int(from.size()), SQLITE_STATIC);
        check(sqlite3_step(st), db);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

namespace {
// Sets one column of records 1..n, in one transaction: bind(statement, id) binds the value.
void setEach(const QString& path, int n, const char* column,
             const std::function<void(sqlite3_stmt*, int id)>& bind) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    const std::string sql = std::string("UPDATE table1 SET ") + column + " = ? WHERE ID = ?";
    sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    for (int id = 1; id <= n; ++id) {
        bind(st, id);
        sqlite3_bind_int(st, 2, id);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}
}  // namespace

void setPictures(const QString& path, int n, const std::function<QByteArray(int id)>& pictureOf) {
    setEach(path, n, "binpicdata", [&](sqlite3_stmt* st, int id) {
        const QByteArray picture = pictureOf(id);
        sqlite3_bind_blob(st, 1, picture.constData(), int(picture.size()), SQLITE_TRANSIENT);
    });
}

void setPicturePaths(const QString& path, int n, const std::function<QString(int id)>& pathOf) {
    setEach(path, n, "picpath", [&](sqlite3_stmt* st, int id) {
        const QByteArray utf8 = pathOf(id).toUtf8();
        sqlite3_bind_text(st, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    });
}

QByteArray makeJpeg(int approxBytes) {
    // Noise compresses badly, so the size follows the pixel count.
    int side = 200;
    QByteArray out;
    for (int attempt = 0; attempt < 12; ++attempt) {
        QImage img(side, side, QImage::Format_RGB32);
        QRandomGenerator r(7);
        for (int y = 0; y < side; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < side; ++x)
                line[x] = r.generate() | 0xFF000000u;
        }
        out.clear();
        QBuffer buf(&out);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "JPG", 90);
        if (out.size() >= approxBytes * 0.9 && out.size() <= approxBytes * 1.2)
            break;
        side = int(side * std::sqrt(double(approxBytes) / double(out.size())));
    }
    return out;
}

}  // namespace kbs::bench
