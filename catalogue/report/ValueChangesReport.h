#pragma once

#include <QDate>
#include <vector>

#include "PagedReport.h"
#include "ValueByDate.h"

namespace kbs {

// "Value changes": the records held whose value rose between two dates, the largest rise
// first, then those whose value fell, the largest fall first, each with its value on both
// dates (its latest valuation on or before each) and the change. Records without a valuation
// on or before the first date, and those whose value stayed, are left out.
class ValueChangesReport : public LinedReport {
    Q_OBJECT
public:
    explicit ValueChangesReport(QObject* parent = nullptr);

    // Takes the changes (as values::ValueByDate::changes gives them) and lays them out.
    void setChanges(const QString& catalogueFile, const QDate& from, const QDate& to,
                    std::vector<values::ValueByDate::Change> changes);
    const std::vector<values::ValueByDate::Change>& rose() const { return m_rose; }
    const std::vector<values::ValueByDate::Change>& fell() const { return m_fell; }

    std::optional<std::vector<std::int64_t>> recordIds() const override;
    // Items name their table ("Rose", "Fell") as section and the row within it as record.

protected:
    void layOut() override;
    void release() override;
    // Tables: 0 rose, 1 fell.
    void addLineItems(QVector<ReportItem>& items, const Line& line) const override;

private:
    QDate m_from, m_to;
    std::vector<values::ValueByDate::Change> m_rose, m_fell;
};

}  // namespace kbs
