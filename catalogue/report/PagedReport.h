#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPageSize>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "PreviewedPages.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace kbs {

class PagedReport;
class ReportPreview;

// One control placed on a report section. Positions are in twips from the section's top left
// corner. A label prints its caption ("%p" is the page number, "%P" the number of pages), a
// text box the value of its data field in the current record, a shape a filled rectangle and
// a line a horizontal rule.
class ReportControl {
public:
    enum class Kind { Label, TextBox, Shape, Line };

    ReportControl(PagedReport& report, Kind kind, QString name, QRectF rect);

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
    PagedReport* m_report;
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

    ReportSection(PagedReport& report, Kind kind, QString name, int height);

    const QString& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    int height() const { return m_height; }

    // A control by name (case does not matter); throws AppError when there is none.
    ReportControl& controls(const QString& name);
    const std::vector<std::unique_ptr<ReportControl>>& controlList() const { return m_controls; }
    ReportControl& add(ReportControl::Kind kind, const QString& name, QRectF rect);

private:
    PagedReport* m_report;
    Kind m_kind;
    QString m_name;
    int m_height;
    std::vector<std::unique_ptr<ReportControl>> m_controls;
};

// What one page shows: a text, a filled box, a rule or a picture, in twips from the paper's top
// left corner. Painting a page draws exactly these items, so they are also what tests inspect.
struct ReportItem {
    enum class Kind { Text, Box, Line, Picture };
    Kind kind = Kind::Text;
    QString section;  // the section's name
    QString control;  // the control's name
    int record = -1;  // the record's position in the data source, for detail items
    QRectF rect;
    QString text;  // as printed: page numbers filled in, values trimmed and shortened to fit
    QFont font;
    int alignment = 0;
    QColor color;
    QImage picture;  // a picture, scaled into rect
};

// A column of a table in a report's body.
struct ReportTableColumn {
    const char* name;  // the items' control name
    double x;
    double width;
    bool number;
};

// A report laid out into pages that the preview window shows and that prints and exports:
// the report header, a page header with the caption label, a page footer with the page
// number and a report footer are common to every report; what lies between them is each
// report's own.
//
// Pages are never kept as pictures: each is drawn from pageItems() whenever a device asks
// for it (preview, printer, PDF file).
class PagedReport : public QObject, public PreviewedPages {
    Q_OBJECT
public:
    explicit PagedReport(QObject* parent = nullptr);
    ~PagedReport() override;  // closes the preview without Terminate

    // ---- design
    // A section by name ("Section1" .. "Section5", case does not matter); throws AppError.
    ReportSection& sections(const QString& name);
    const std::vector<std::unique_ptr<ReportSection>>& sectionList() const { return m_sections; }

    // ---- records
    // The IDs of the records the report lists, in its order; nothing means every record of
    // the catalogue in ID order. Throws AppError when the report cannot tell.
    std::optional<std::vector<std::int64_t>> recordIds() const override = 0;
    // The catalogue file the report reads; empty before it read one.
    const QString& catalogueFile() const override { return m_catalogueFile; }
    // A name for files written from the report, without extension: "report-want" for the
    // caption "Report -- Want".
    QString fileBaseName() const override;
    // The caption over every page: the label Label3 of the page header Section2.
    QString caption() const;
    void setCaption(const QString& caption);

    // ---- pages (numbered from 1)
    void setPageSize(const QPageSize& size);  // portrait; lays the pages out again
    const QPageSize& pageSize() const { return m_pageSize; }
    QSizeF pageSizeTwips() const override { return m_pageTwips; }
    int pageCount() const override = 0;
    virtual QVector<ReportItem> pageItems(int page) const = 0;
    // Draws a page scaled to fit target, centred, keeping the paper's proportions.
    void paintPage(QPainter& painter, int page, const QRectF& target) const override;

    // Prints the printer's page range (all pages when none) without asking; false when the
    // printer could not be started.
    bool print(QPrinter& printer) const override;
    // Sets a printer up for this report's paper before a print dialog is shown.
    void preparePrinter(QPrinter& printer) const override;
    // Writes every page to a PDF file; false when the file could not be written.
    bool exportPdf(const QString& path) const override;

    // ---- the preview window
    // Shows the preview without blocking; shows it again on page 1 when it is already open.
    void show();
    ReportPreview* preview() const;
    // Closes the preview and ends the report, as closing the window does.
    void unload();

Q_SIGNALS:
    // The report has ended: its preview was closed and its records let go.
    void Terminate();
    // The pages or what is printed on them changed.
    void changed();

protected:
    // The bands are as wide as a page of 6.5 inches of text, which fits Letter and A4 alike;
    // narrower paper gets the whole page scaled down.
    static constexpr double BandWidth = 9360;
    static QFont reportFont(int points, bool bold);
    // A text as one line: line ends and tabs become spaces.
    static QString singleLine(QString s);
    // A text shortened to fit a width in the font.
    static QString fitted(const QString& text, const QFont& font, double width);
    // The width a text needs in the font to be printed whole.
    static double wholeWidth(const QString& text, const QFont& font);

    // Lays the pages out again for the paper or the records.
    virtual void layOut() = 0;
    // The preview closed: the report lets its records go.
    virtual void release() = 0;
    // A text box's value for a record; reports without text boxes print nothing.
    virtual QString fieldText(int record, const QString& field) const;

    void setCatalogueFile(const QString& path) { m_catalogueFile = path; }
    ReportSection* addSection(ReportSection::Kind kind, const QString& name, int height);
    // The sections every report has: report header, page header with the caption label, page
    // footer and report footer.
    void addCommonSections();
    static ReportControl& addLabel(ReportSection* section, const QString& name,
                                   const QString& caption, QRectF rect, const QFont& font,
                                   int alignment);
    // A page of a report laid out in lines of its own: the report header on the first page,
    // the page header, what `body` adds, and the page footer. Nothing for a page not there.
    QVector<ReportItem> framedPage(int page, bool reportHeader,
                                   const std::function<void(QVector<ReportItem>&)>& body) const;
    // The colours of the tables of the reports laid out in lines.
    static inline const QColor CaptionColour{0x40, 0x40, 0x40};
    static inline const QColor RuleGrey{0x80, 0x80, 0x80};
    static inline const QColor Stripe{0xF0, 0xF0, 0xF0};
    // The items of one band of a page, the band's top at `top` twips on the paper.
    void addBand(QVector<ReportItem>& items, const ReportSection& band, double top, int record,
                 int page) const;
    // The report header (on the first page) and the page header at the top of a page; returns
    // where the page's body begins.
    double addHeaders(QVector<ReportItem>& items, int page, bool reportHeader) const;

    // One item of a line of the body whose top is `top` on the paper, `rect` within the line:
    // its text on one line, shortened to fit.
    ReportItem lineItem(ReportItem::Kind kind, const QString& section, const QString& control,
                        int record, QRectF rect, double top, const QString& text, const QFont& font,
                        int alignment, const QColor& color) const;
    // A table of the body: its columns, and one line of it, heads (bold, grey) or a row, each
    // text in its column in a font of `points`, a number right-aligned short of the column's
    // end.
    static constexpr double TableRowHeight = 250;
    void addTableLine(QVector<ReportItem>& items, const QString& section, int record, double top,
                      const std::vector<ReportTableColumn>& columns, const QStringList& texts,
                      bool heads, int points = 9) const;

    ReportSection* m_reportHeader = nullptr;
    ReportSection* m_pageHeader = nullptr;
    ReportSection* m_pageFooter = nullptr;
    ReportSection* m_reportFooter = nullptr;

    double m_left = 0;  // where the bands start across the paper
    double m_top = 0;
    double m_bottom = 0;  // where the page footer ends

private:
    friend class ReportControl;  // tells the report that a caption changed
    void renderPages(QPainter& painter, QPagedPaintDevice& device, int from, int to) const;
    void previewClosed();
    void designChanged() { Q_EMIT changed(); }

    std::vector<std::unique_ptr<ReportSection>> m_sections;
    QString m_catalogueFile;
    QPageSize m_pageSize;
    QSizeF m_pageTwips;  // the paper, in twips of the design (scaled up on narrow paper)
    QPointer<ReportPreview> m_preview;
};

// A report laid out in lines of its own rather than in a band per record: titles, column
// heads, the rows of its tables, pictures and notes, each at its place on a page, and the
// report footer after the last. The report header is on the first page.
class LinedReport : public PagedReport {
    Q_OBJECT
public:
    using PagedReport::PagedReport;

    int pageCount() const override { return static_cast<int>(m_pages.size()); }
    QVector<ReportItem> pageItems(int page) const override;

protected:
    // One line of the body: what it is, of which of the report's tables and which row of it,
    // and its top on the paper. A title of a table that goes on from the page before is
    // `continued`.
    struct Line {
        enum Kind { Title, Heads, Row, Picture, Note, End };
        Kind kind;
        int table;
        int row;
        double top;
        bool continued = false;
    };

    // Places the lines down the pages, the first page under the report header.
    class Layout {
    public:
        explicit Layout(LinedReport& report);
        bool pageUsed() const { return m_report.m_lines.size() > m_first; }
        // Whether `height` more fits above the page footer.
        bool fits(double height) const { return m_y + height <= m_footerTop; }
        void newPage();
        void skip(double height) { m_y += height; }
        void place(Line::Kind kind, int table, int row, double height, bool continued = false);
        // The report footer, on a page of its own when it does not fit; ends the last page.
        void end();

    private:
        LinedReport& m_report;
        double m_footerTop;
        double m_y;
        size_t m_first = 0;
    };

    // The items of a line other than the report footer.
    virtual void addLineItems(QVector<ReportItem>& items, const Line& line) const = 0;
    // A title over a table, in large bold type, the item named `control`.
    void addTitle(QVector<ReportItem>& items, const QString& section, const Line& line,
                  const QString& text, const QString& control = QStringLiteral("Title")) const;
    // The columns' names translated in `context`: the heads of a table.
    static QStringList headings(const char* context, const std::vector<ReportTableColumn>& columns);
    // The grey rule under a line of column heads `height` high, and the light stripe behind a
    // row of a table (every other row).
    void addHeadsRule(QVector<ReportItem>& items, const QString& section, const Line& line,
                      double height) const;
    void addStripe(QVector<ReportItem>& items, const QString& section, const Line& line,
                   double height) const;

private:
    std::vector<Line> m_lines;
    std::vector<std::pair<size_t, size_t>> m_pages;  // first line, count
};

}  // namespace kbs
