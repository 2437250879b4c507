#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "Amounts.h"

struct sqlite3;

namespace kbs::values {

// What the records held were worth, and what they cost, on given dates: for the statistics'
// value over time and the "Value changes" report. Only the records whose status is "Have"
// count. A record's worth on a date is its latest valuation on or before it; what was paid
// until a date is the Purchase of each record whose Purch_Date is on or before it. Amounts are
// read as the reports read them.
class ValueByDate {
public:
    explicit ValueByDate(sqlite3* db) : m_db(db) {}

    struct Point {
        QDate date;
        amounts::Sum value;
        amounts::Sum paid;
    };
    struct Result {
        std::vector<Point> points;  // one per date asked for, in the order asked
        // Valuations and purchases of the records held that could not be counted: an amount
        // or a date that cannot be read.
        int unreadable = 0;
    };
    // Throws AppError.
    Result sums(const std::vector<qint64>& recordIds, const std::vector<QDate>& dates) const;

    struct Change {
        qint64 id = 0;
        QString description;
        std::int64_t from = 0;  // ten-thousandths, as amounts::Reading
        std::int64_t to = 0;
    };
    // The records held with a readable valuation on or before both dates, by their change
    // between them, the largest rise first.
    std::vector<Change> changes(const std::vector<qint64>& recordIds, const QDate& from,
                                const QDate& to) const;

private:
    struct Held;
    Held held(const std::vector<qint64>& recordIds, int* unreadable, bool descriptions) const;
    sqlite3* m_db;
};

}  // namespace kbs::values
