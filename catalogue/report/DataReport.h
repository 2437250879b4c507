#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPageSize>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QVector>
#include <memory>
#include <vector>

#include "RecordSet.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace kbs {

class Connection;
class DataReport;
class ReportPreview;

// One control placed on a report section. Positions are in twips from the section's top left
// corner. A label prints its caption ("%p" is the page number, "%P" the number of pages), a
// text box the value of its data field in the current record, a shape a filled rectangle and
// a line a horizontal rule.
class ReportControl {
public:
    enum class Kind { Label, TextBox, Shape, Line };

    ReportControl(DataReport& report, Kind kind, QString name, QRectF rect);

    const QString& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    const QRectF& rect() const { return m_rect; }

    // Labels only; other controls have no caption and throw AppError.
    const QString& caption() const;
    void setCaption(const QString& caption);

    const QString& dataField() const { return m_dataField; }
    void setDataField(const QString& field) { m_dataField = field; }
    const QFont& font() const { return m_font; }
    void setFont(const QFont& font) { m_font = font; }
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment) { m_alignment = alignment; }
    const QColor& color() const { return m_color; }  // text colour, or the shape's fill
    void setColor(const QColor& color) { m_color = color; }

private:
    DataReport* m_report;
    Kind m_kind;
    QString m_name;
    QRectF m_rect;
    QString m_caption;
    QString m_dataField;
    QFont m_font;
    int m_alignment;
    QColor m_color;
};

// A band of the report: printed once at the start or the end, on every page, or once per
// record.
class ReportSection {
public:
    enum class Kind { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

    ReportSection(DataReport& report, Kind kind, QString name, int height);

    const QString& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    int height() const { return m_height; }

    // A control by name (case does not matter); throws AppError when there is none.
    ReportControl& controls(const QString& name);
    const std::vector<std::unique_ptr<ReportControl>>& controlList() const { return m_controls; }
    ReportControl& add(ReportControl::Kind kind, const QString& name, QRectF rect);

private:
    DataReport* m_report;
    Kind m_kind;
    QString m_name;
    int m_height;
    std::vector<std::unique_ptr<ReportControl>> m_controls;
};

// What one page shows: a text, a filled box or a rule, in twips from the paper's top left
// corner. Painting a page draws exactly these items, so they are also what tests inspect.
struct ReportItem {
    enum class Kind { Text, Box, Line };
    Kind kind = Kind::Text;
    QString section;  // the section's name
    QString control;  // the control's name
    int record = -1;  // the record's position in the data source, for detail items
    QRectF rect;
    QString text;  // as printed: page numbers filled in, values trimmed and shortened to fit
    QFont font;
    int alignment = 0;
    QColor color;
};

// The banded report over a record set of its own: a report header, a page header on every
// page, a detail band per record, a page footer on every page and a report footer.
//
// Binding a data source lays the records out into pages at once, so the page count is known
// before anything is drawn. Pages are never kept as pictures: each is drawn from the page
// layout and the record set whenever a device asks for it (preview, printer, PDF file).
class DataReport : public QObject {
    Q_OBJECT
public:
    explicit DataReport(QObject* parent = nullptr);
    ~DataReport() override;  // closes the preview without Terminate

    // ---- design
    // A section by name ("Section1" .. "Section5", case does not matter); throws AppError.
    ReportSection& sections(const QString& name);
    const std::vector<std::unique_ptr<ReportSection>>& sectionList() const { return m_sections; }

    // ---- data
    // The report takes the record set and lays its records out into pages.
    void setDataSource(std::unique_ptr<RecordSet> rs);
    // Opens a record set of the report's own over the query and binds it; throws AppError when
    // the query cannot be opened, leaving the report as it was.
    void openDataSource(Connection& connection, const QString& query);
    RecordSet* dataSource() const { return m_rs.get(); }
    void setDataMember(const QString& member) { m_dataMember = member; }
    const QString& dataMember() const { return m_dataMember; }

    // ---- pages (numbered from 1)
    void setPageSize(const QPageSize& size);  // portrait; lays the pages out again
    const QPageSize& pageSize() const { return m_pageSize; }
    QSizeF pageSizeTwips() const { return m_pageTwips; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    long recordCount() const { return static_cast<long>(m_bookmarks.size()); }
    QVector<ReportItem> pageItems(int page) const;
    // Draws a page scaled to fit target, centred, keeping the paper's proportions.
    void paintPage(QPainter& painter, int page, const QRectF& target) const;

    // Prints the printer's page range (all pages when none) without asking; false when the
    // printer could not be started.
    bool print(QPrinter& printer) const;
    // Sets a printer up for this report's paper before a print dialog is shown.
    void preparePrinter(QPrinter& printer) const;
    // Writes every page to a PDF file; false when the file could not be written.
    bool exportPdf(const QString& path) const;

    // ---- the preview window
    // Shows the preview without blocking; shows it again on page 1 when it is already open.
    void show();
    ReportPreview* preview() const;
    // Closes the preview and ends the report, as closing the window does.
    void unload();

Q_SIGNALS:
    // The report has ended: its preview was closed and its record set let go.
    void Terminate();
    // The pages or what is printed on them changed.
    void changed();

private:
    friend class ReportControl;  // tells the report that a caption changed
    struct Page {
        int firstRecord = 0;
        int records = 0;
        bool reportHeader = false;
        bool reportFooter = false;
    };
    struct Band {
        const ReportSection* section;
        double top;
        int record;
    };

    void buildDesign();
    void layOut();
    std::vector<Band> bandsOf(int page) const;
    void moveTo(int record) const;  // makes a record the record set's current one
    QString fieldText(int record, const QString& field) const;
    void renderPages(QPainter& painter, QPagedPaintDevice& device, int from, int to) const;
    void previewClosed();
    void designChanged() { Q_EMIT changed(); }

    std::vector<std::unique_ptr<ReportSection>> m_sections;
    ReportSection* m_reportHeader = nullptr;
    ReportSection* m_pageHeader = nullptr;
    ReportSection* m_detail = nullptr;
    ReportSection* m_pageFooter = nullptr;
    ReportSection* m_reportFooter = nullptr;

    std::unique_ptr<RecordSet> m_rs;
    QString m_dataMember;
    std::vector<RecordSet::Bookmark> m_bookmarks;  // the records in their order
    mutable int m_cursor = -1;                     // the record the record set stands on

    QPageSize m_pageSize;
    QSizeF m_pageTwips;  // the paper, in twips of the design (scaled up on narrow paper)
    double m_left = 0;   // where the bands start across the paper
    double m_top = 0;
    double m_bottom = 0;  // where the page footer ends
    std::vector<Page> m_pages;

    QPointer<ReportPreview> m_preview;
    mutable QHash<QString, int> m_fieldPositions;  // data field -> position, -1 for none
};

}  // namespace kbs
