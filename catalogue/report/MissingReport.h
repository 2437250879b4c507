#pragma once

#include <QString>
#include <vector>

#include "Checklists.h"
#include "PagedReport.h"

namespace kbs {

// A checklist's missing models in number order: number, name, year, colour and the notes on
// the variation, under the list's name and series, as many a page as fit.
class MissingReport : public PagedReport {
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
    int pageCount() const override { return int(m_pages.size()); }
    // Items of the table name "Missing" as their section, the column as their control and the
    // entry's position as their record.
    QVector<ReportItem> pageItems(int page) const override;

protected:
    void layOut() override;
    void release() override;

private:
    struct Page {
        int first = 0;  // entries of the page
        int count = 0;
        bool reportHeader = false;
        bool end = false;  // the report footer after them
    };
    void addRow(QVector<ReportItem>& items, int row, double top, bool heads) const;

    checklists::List m_list;
    std::vector<checklists::Entry> m_missing;
    std::vector<Page> m_pages;
};

}  // namespace kbs
