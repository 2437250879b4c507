#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Amounts.h"
#include "GroupFields.h"
#include "RecordSet.h"

namespace kbs::stats {

// A date as collectors type it into a text column, read leniently: "1998-03-12", "1998/3/12",
// "12.3.1998" (day first), "12/3/1998" or "3/12/1998" (day and month told apart by a number
// above 12, else in the order of `dayFirst`), "3/1998", "1998-03" and "1998" (the first of the
// month or year); two-digit years are 1950 to 2049. An invalid date for anything else.
QDate readDate(std::string_view text, bool dayFirst);

// The numbers of a set of records: how many, how many models (the sum of the quantities), and
// what they cost (Purchase), were listed at (List_Price) and are worth (Value). Each record is
// read once when the set is read; a grouping reads the one column it groups by. Values that
// cannot be read are counted, never taken as nothing.
class Statistics {
public:
    struct Sums {
        long records = 0;
        amounts::Sum models;
        amounts::Sum paid;
        amounts::Sum listPrice;
        amounts::Sum value;
        // The value minus what was paid.
        amounts::Sum gain() const;
    };
    struct Group {
        QString name;  // the text as stored, trimmed; empty for none
        Sums sums;
    };
    // Counts of what could not be read, per kind.
    struct Unreadable {
        long quantities = 0;
        long amounts = 0;  // purchase prices, list prices and values
        long dates = 0;    // purchase dates
    };
    // One month of purchases, with the totals up to and including it.
    struct Month {
        QDate month;  // its first day
        long records = 0;
        amounts::Sum spent;
    };

    // Reads the records with these IDs out of the Record set's rows (those not in it are left
    // out). `dayFirst`: how an ambiguous date like "3/4/1998" is read.
    void read(const RecordSet& rs, const std::vector<std::int64_t>& ids, bool dayFirst = true);

    const Sums& all() const { return m_all; }
    // The IDs of the records read, in the Record set's order.
    const std::vector<std::int64_t>& ids() const { return m_ids; }
    const Unreadable& unreadable() const { return m_unreadable; }
    // The records without a readable purchase date (none typed, or unreadable).
    long undated() const { return m_undated; }

    // The records grouped by a field, by name regardless of case (years in their order);
    // records without a value make the group with the empty name, first.
    std::vector<Group> byField(const collection::GroupField& field) const;
    // Purchases month by month, from the first to the last, with cumulative totals.
    std::vector<Month> growth() const;

private:
    struct Record {
        RecordSet::Slot slot;
        std::int64_t models;
        std::int64_t paid;
        std::int64_t listPrice;
        std::int64_t value;
        std::int32_t purchased;  // months since year 0, or -1
    };
    const RecordSet* m_rs = nullptr;
    std::vector<Record> m_records;
    std::vector<std::int64_t> m_ids;
    Sums m_all;
    Unreadable m_unreadable;
    long m_undated = 0;
};

}  // namespace kbs::stats
