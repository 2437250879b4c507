#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "PagedReport.h"
#include "RecordSet.h"

namespace kbs {

class Connection;

// The banded report over a record set of its own: a report header, a page header on every
// page, a detail band per record, a page footer on every page and a report footer.
//
// Binding a data source lays the records out into pages at once, so the page count is known
// before anything is drawn.
class DataReport : public PagedReport {
    Q_OBJECT
public:
    explicit DataReport(QObject* parent = nullptr);

    // The query of every column the detail band prints and the record's ID, over the whole
    // catalogue; a report of some records adds its condition to it.
    static QString query();

    // ---- data
    // The report takes the record set and lays its records out into pages.
    void setDataSource(std::unique_ptr<RecordSet> rs);
    // Opens a record set of the report's own over the query and binds it; throws AppError when
    // the query cannot be opened, leaving the report as it was. With `only`, the report holds
    // the records with those IDs, in that order (those the query holds).
    void openDataSource(Connection& connection, const QString& query,
                        const std::vector<std::int64_t>* only = nullptr);
    RecordSet* dataSource() const { return m_rs.get(); }
    // Lines after the described ones, two to a row as theirs, each a caption and its text for
    // a record's ID: the collector's own fields the grid shows. Set before the data source.
    using ExtraText = std::function<QString(std::int64_t recordId, int line)>;
    void setExtraLines(QStringList captions, ExtraText text);
    void setDataMember(const QString& member) { m_dataMember = member; }
    const QString& dataMember() const { return m_dataMember; }
    long recordCount() const { return static_cast<long>(m_bookmarks.size()); }
    // The records' IDs in the report's order; throws AppError when the query left out ID.
    std::optional<std::vector<std::int64_t>> recordIds() const override;

    // ---- pages
    int pageCount() const override { return static_cast<int>(m_pages.size()); }
    QVector<ReportItem> pageItems(int page) const override;

protected:
    void layOut() override;
    void release() override;
    QString fieldText(int record, const QString& field) const override;

private:
    struct Page {
        int firstRecord = 0;
        int records = 0;
        bool reportHeader = false;
        bool reportFooter = false;
    };

    void buildDesign();
    void moveTo(int record) const;  // makes a record the record set's current one
    int fieldPosition(const QString& field) const;
    double detailHeight() const;
    void addExtraLines(QVector<ReportItem>& items, double top, int record) const;

    ReportSection* m_detail = nullptr;

    std::unique_ptr<RecordSet> m_rs;
    QString m_dataMember;
    std::vector<RecordSet::Bookmark> m_bookmarks;     // the records in their order
    std::optional<std::vector<std::int64_t>> m_only;  // the IDs of the records to show
    mutable int m_cursor = -1;                        // the record the record set stands on
    std::vector<Page> m_pages;
    mutable QHash<QString, int> m_fieldPositions;  // data field -> position, -1 for none
    QStringList m_extraCaptions;
    ExtraText m_extraText;
};

}  // namespace kbs
