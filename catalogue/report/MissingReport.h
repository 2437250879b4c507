#pragma once

#include <QString>
#include <vector>

#include "Checklists.h"
#include "PagedReport.h"

namespace kbs {

// A checklist's missing models in number order: number, name, year, colour and the notes on
// the variation, under the list's name and series, as many a page as fit.
class MissingReport : public LinedReport {
    Q_OBJECT
public:
    explicit MissingReport(QObject* parent = nullptr);

    // `missing` in the order printed; `catalogue` names the file the list is of.
    void open(const QString& catalogue, const checklists::List& list,
              std::vector<checklists::Entry> missing);

    // No records: the report lists entries of a checklist.
    std::optional<std::vector<std::int64_t>> recordIds() const override {
        return std::vector<std::int64_t>{};
    }
    // Items of the table name "Missing" as their section, the column as their control and the
    // entry's position as their record.

protected:
    void layOut() override;
    void release() override;
    void addLineItems(QVector<ReportItem>& items, const Line& line) const override;

private:
    checklists::List m_list;
    std::vector<checklists::Entry> m_missing;
};

}  // namespace kbs
