#pragma once

// Shared by the report's tests: a catalogue with generated records, a report over it, and
// ways to read what a page shows.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "Connection.h"
#include "DataReport.h"
#include "RecordSet.h"
#include "TestEnv.h"

namespace kbs::test {

using namespace Qt::StringLiterals;

// Generated records: "Car 00001", "Car 00002", ... with every printed field filled.
inline void addCars(const TestEnv& env, int count) {
    env.exec(QStringLiteral(
                 "INSERT INTO table1 (Description, Year, Number, Series, Car_Cond, Color, "
                 "Wheel_Type, Box_Type, Box_Cond, Quantity, Location, Purchase, Purch_Date, "
                 "List_Price, Value, Value_Date, Status) "
                 "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                 "SELECT printf('Car %05d', i), printf('%d', 1960 + i % 40), printf('N-%d', i), "
                 "'Series ' || (i % 7), 'C' || (i % 10), 'Red', 'Spoked', 'Window', "
                 "'B' || (i % 10), printf('%d', 1 + i % 3), 'Shelf ' || (i % 20), "
                 "printf('%.2f', i * 1.25), '2003-01-02', '9.99', printf('%.2f', i * 2.5), "
                 "'2024-05-06', CASE i % 3 WHEN 0 THEN 'Want' WHEN 1 THEN 'Have' ELSE 'Sell' END "
                 "FROM n"),
             {count});
}

inline QString carName(int n) {
    return u"Car %1"_s.arg(n, 5, 10, QLatin1Char('0'));
}

// A fresh catalogue of `cars` generated records and whatever `more` adds, the catalogue
// window's connection, and a report over a record set of its own.
struct ReportOn {
    TestEnv env;
    Connection cn;
    DataReport report;
    explicit ReportOn(int cars, const QString& query = u"select * from table1"_s,
                      const std::function<void(const TestEnv&)>& more = {}) {
        if (cars > 0)
            addCars(env, cars);
        if (more)
            more(env);
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        report.setPageSize(QPageSize(QPageSize::Letter));
        report.openDataSource(cn, query);
    }
};

// What a page shows, band by band: the section of each band in turn, with the record of a
// detail band, e.g. "Section4", "Section2", "Section1:0", "Section3".
inline QStringList bandsOn(const QVector<ReportItem>& items) {
    QStringList bands;
    QString last;
    for (const ReportItem& item : items) {
        const QString band =
            item.record < 0 ? item.section : u"%1:%2"_s.arg(item.section).arg(item.record);
        if (band != last)
            bands << band;
        last = band;
    }
    return bands;
}

inline QStringList textsOf(const QVector<ReportItem>& items, const QString& section) {
    QStringList texts;
    for (const ReportItem& item : items) {
        if (item.section == section && item.kind == ReportItem::Kind::Text)
            texts << item.text;
    }
    return texts;
}

inline QVector<ReportItem> itemsOfRecord(const QVector<ReportItem>& items, int record) {
    QVector<ReportItem> out;
    std::copy_if(items.begin(), items.end(), std::back_inserter(out),
                 [record](const ReportItem& i) { return i.record == record; });
    return out;
}

// The texts on the line of a caption, left to right, starting with the caption itself.
inline QStringList lineOf(const QVector<ReportItem>& recordItems, const QString& caption) {
    const auto c = std::find_if(recordItems.begin(), recordItems.end(), [&](const ReportItem& i) {
        return i.kind == ReportItem::Kind::Text && i.text == caption;
    });
    if (c == recordItems.end())
        return {u"<no caption %1>"_s.arg(caption)};
    QMap<double, QString> line;  // by left edge
    for (const ReportItem& i : recordItems) {
        if (i.kind == ReportItem::Kind::Text && qFuzzyCompare(i.rect.top(), c->rect.top()) &&
            i.rect.left() >= c->rect.left())
            line.insert(i.rect.left(), i.text);
    }
    return line.values();
}

// Pages of a PDF file, counted from its page objects.
inline int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = f.readAll();
    if (!bytes.startsWith("%PDF-"))
        return -1;
    static const QRegularExpression page(u"/Type\\s*/Page(?![a-zA-Z])"_s);
    int pages = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(bytes)); it.hasNext(); it.next())
        ++pages;
    return pages;
}

// The text of a PDF file as pdftotext (poppler-utils, which scripts/deps.sh installs) reads it.
inline QString pdfText(const QString& path) {
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return u"<pdftotext failed>"_s;
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace kbs::test
