#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "Amounts.h"
#include "GroupFields.h"
#include "OwnGroups.h"
#include "RecordSet.h"
#include "TypedDate.h"
#include "ValueByDate.h"

namespace kbs::stats {

// Purchase dates are read as collectors type them (TypedDate.h).
inline QDate readDate(std::string_view text, bool dayFirst) {
    return readTypedDate(text, dayFirst);
}

// What the charts "by field" group the records by: a described field, or the groups the
// collector's own values or the tags put a record in (OwnGroups.h), by its ID.
struct By {
    using KeysOf = std::function<void(std::int64_t id, std::vector<ownfields::GroupKey>& out)>;
    By(const collection::GroupField& field) : described(&field) {}
    By(QString name, KeysOf keysOf) : name(std::move(name)), keysOf(std::move(keysOf)) {}

    const collection::GroupField* described = nullptr;
    QString name;  // of an own field, or the tags'
    KeysOf keysOf;
};

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
    // The records grouped by the keys given for their IDs, a record in several groups counted
    // in each: numbers by value, then names regardless of case, the empty group first.
    std::vector<Group> byKeys(const By::KeysOf& keysOf) const;
    std::vector<Group> groups(const By& by) const {
        return by.described ? byField(*by.described) : byKeys(by.keysOf);
    }
    // Purchases month by month, from the first to the last, with cumulative totals.
    std::vector<Month> growth() const;

    // What the records held were worth, and had cost, at the end of each month from the first
    // purchase to this month (of each year where that is over ten years): read when first asked
    // for, from `source` (the catalogue's valuations), as it costs more than the rest.
    using WorthSource = std::function<values::ValueByDate::Result(const std::vector<qint64>& ids,
                                                                  const std::vector<QDate>& dates)>;
    void setWorthSource(WorthSource source) { m_worthSource = std::move(source); }
    const values::ValueByDate::Result& worth() const;

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
    WorthSource m_worthSource;
    mutable std::optional<values::ValueByDate::Result> m_worth;
};

}  // namespace kbs::stats
