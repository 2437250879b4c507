#pragma once

#include <QString>
#include <vector>

#include "Amounts.h"
#include "PagedReport.h"
#include "Text.h"

namespace kbs {

class Connection;

// What the collection is worth: the number of records and of models (the sum of the whole
// quantities) and the sums of the purchase prices and the values, in all, per status and per
// series. Values that cannot be read are counted per group and listed by ID after the tables.
//
// It reads only the columns it adds up, never a picture, and keeps the sums rather than the
// records.
class TotalsReport : public LinedReport {
    Q_OBJECT
public:
    struct Totals {
        long records = 0;
        amounts::Sum models;
        amounts::Sum purchase;
        amounts::Sum value;
        long unreadable = 0;  // values of the group that could not be read
    };
    struct Group {
        QString name;  // the text as stored, trimmed; empty for none
        Totals totals;
    };
    struct Unreadable {
        qint64 id = 0;
        QString column;
        QString text;  // as stored
    };
    // The name under which records without a status or series are counted.
    static const Text<"kbs::TotalsReport"> NoneGroup;

    explicit TotalsReport(QObject* parent = nullptr);

    // Reads the catalogue on the connection and lays the totals out; throws AppError when it
    // cannot be read, leaving the report as it was.
    void open(Connection& connection);

    const Totals& all() const { return m_all; }
    const std::vector<Group>& byStatus() const { return m_byStatus; }
    const std::vector<Group>& bySeries() const { return m_bySeries; }
    const std::vector<Unreadable>& unreadable() const { return m_unreadable; }

    // Every record, in ID order.
    std::optional<std::vector<std::int64_t>> recordIds() const override { return std::nullopt; }
    // The tables' items name the table as their section ("All", "Status", "Series",
    // "Unreadable"), the column as their control, and the row within the table as their record.
    // Tables: 0 all, 1 status, 2 series, 3 the unreadable values.

protected:
    void layOut() override;
    void release() override;
    void addLineItems(QVector<ReportItem>& items, const Line& line) const override;

private:
    int rowsOf(int table) const;

    Totals m_all;
    std::vector<Group> m_byStatus;
    std::vector<Group> m_bySeries;
    std::vector<Unreadable> m_unreadable;
    bool m_read = false;
};

}  // namespace kbs
