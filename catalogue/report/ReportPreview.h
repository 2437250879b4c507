#pragma once

#include <QWidget>

#include "PreviewedPages.h"

class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace kbs {

// One page of a report, drawn straight from the report's page layout whenever it is painted.
class ReportPageView : public QWidget {
    Q_OBJECT
public:
    ReportPageView(const PreviewedPages& report, QWidget* parent = nullptr);

    int page() const { return m_page; }
    void setPage(int page);
    double zoom() const { return m_zoom; }  // 1.0 shows the paper at its real size
    void setZoom(double zoom);
    // The paper's size on the screen at a zoom.
    QSizeF paperSize(double zoom) const;
    QRectF paperRect() const;
    QSize sizeHint() const override;
    // Draws the page again after the report changed.
    void refresh();

    static constexpr int Margin = 16;  // grey around the paper

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateDescription();

    const PreviewedPages& m_report;
    int m_page = 1;
    double m_zoom = 1.0;
};

// The report's preview window: one page at a time, page navigation, zoom, printing and export
// to a PDF file. Shown without blocking; closing it deletes it.
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    enum ZoomMode { FixedZoom, FitPage, FitWidth };

    // The report tells the preview of its changes (reportChanged()).
    ReportPreview(PreviewedPages& report, QWidget* parent = nullptr);

    int currentPage() const;
    void setCurrentPage(int page);  // clamped to the report's pages
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();

    // A zoom in percent of the paper's real size, or one of the fitting modes.
    void setZoomPercent(int percent);
    void setZoomMode(ZoomMode mode);
    ZoomMode zoomMode() const { return m_zoomMode; }
    double zoom() const;

    // Asks for a printer with the print dialog and prints to it.
    void print();
    // Prints to a printer that is already set up; tells the user when that failed.
    bool printTo(QPrinter& printer);
    // Asks for a file name and writes the report there as PDF.
    void exportPdf();
    // Writes the report to a PDF file; tells the user when that failed.
    bool exportPdf(const QString& path);
    // Asks for a file name and writes the records of the report there as CSV, with their
    // pictures in a folder beside it.
    void exportCsv();
    // Writes the records of the report to a CSV file while a progress dialog shows how far it
    // got; tells the user when that failed. False when it failed or was cancelled.
    bool exportCsv(const QString& path);
    // The same for an .xlsx workbook (with the panel's labels as headings and a thumbnail of
    // each picture) and for a Tellico collection file.
    // WebPage: one page for a phone with the records and their thumbnails (exchange/SharedPage).
    enum class Format { Csv, Spreadsheet, Tellico, WebPage };
    void exportAs(Format format);
    bool exportAs(Format format, const QString& path);
    // What the last export said, under the commands.
    QString statusText() const;

    ReportPageView* pageView() const { return m_view; }
    // The report's pages or what is printed on them changed.
    void reportChanged();

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void updateNavigation();
    void applyZoom();
    void zoomChosen(int index);

    PreviewedPages& m_report;
    ReportPageView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QToolButton* m_first = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_last = nullptr;
    QSpinBox* m_pageNumber = nullptr;
    QLabel* m_pageCount = nullptr;
    QComboBox* m_zoomBox = nullptr;
    ZoomMode m_zoomMode = FixedZoom;
    int m_zoomPercent = 100;
    QLabel* m_status = nullptr;
    QString m_lastPdfDir;
    QString m_lastCsvDir;  // of every export of the records
};

}  // namespace kbs
