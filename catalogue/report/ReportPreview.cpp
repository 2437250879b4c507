#include "ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <atomic>
#include <climits>
#include <cmath>
#include <memory>
#include <optional>

#include "AppError.h"
#include "ColumnHeadings.h"
#include "CsvExport.h"
#include "FileDialog.h"
#include "Language.h"
#include "Prompts.h"
#include "ReportTexts.h"
#include "SharedPage.h"
#include "Tellico.h"
#include "Twips.h"
#include "XlsxExport.h"

namespace kbs {

namespace {

// The web page of a report's records: those records, in the report's order, with the usual
// fields.
exchange::ShareOptions pageOf(const std::optional<std::vector<std::int64_t>>& ids) {
    exchange::ShareOptions page;
    page.list = ids ? exchange::ShareList::Shown : exchange::ShareList::All;
    page.ids = ids.value_or(std::vector<std::int64_t>{});
    return page;
}

}  // namespace

namespace {
constexpr int kZoomSteps[] = {50, 75, 100, 125, 150, 200, 300};
}  // namespace

// ---------------------------------------------------------------- the page

ReportPageView::ReportPageView(const PreviewedPages& report, QWidget* parent)
    : QWidget(parent), m_report(report) {
    setObjectName(QStringLiteral("pageView"));
    setAccessibleName(reportText::PageView);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    updateDescription();
}

void ReportPageView::setPage(int page) {
    if (page == m_page)
        return;
    m_page = page;
    updateDescription();
    update();
}

void ReportPageView::setZoom(double zoom) {
    m_zoom = zoom;
    resize(sizeHint());
    updateGeometry();
    update();
}

QSizeF ReportPageView::paperSize(double zoom) const {
    const QSizeF twips = m_report.pageSizeTwips();
    return {twipsToPixels(twips.width(), logicalDpiX()) * zoom,
            twipsToPixels(twips.height(), logicalDpiY()) * zoom};
}

QRectF ReportPageView::paperRect() const {
    const QSizeF paper = paperSize(m_zoom);
    // Centred when the window is wider or taller than the paper.
    const double x = std::max<double>(Margin, (width() - paper.width()) / 2);
    const double y = std::max<double>(Margin, (height() - paper.height()) / 2);
    return {QPointF(std::round(x), std::round(y)), paper};
}

QSize ReportPageView::sizeHint() const {
    const QSizeF paper = paperSize(m_zoom);
    return {int(std::ceil(paper.width())) + 2 * Margin,
            int(std::ceil(paper.height())) + 2 * Margin};
}

void ReportPageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF paper = paperRect();
    painter.fillRect(paper.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(paper, Qt::white);
    m_report.paintPage(painter, m_page, paper);
}

void ReportPageView::refresh() {
    updateDescription();
    update();
}

void ReportPageView::updateDescription() {
    setAccessibleDescription(
        tr("page %1 of %2").arg(language::number(m_page), language::number(m_report.pageCount())));
}

// ---------------------------------------------------------------- the window

ReportPreview::ReportPreview(PreviewedPages& report, QWidget* parent)
    : QWidget(parent, Qt::Window), m_report(report) {
    setObjectName(QStringLiteral("ReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(reportText::WindowTitle);
    setWindowModality(Qt::NonModal);
    buildLayout();
    updateNavigation();

    // Wide enough for the paper at its real size, as tall as the screen comfortably allows.
    const QSize wanted = m_view->sizeHint() + QSize(40, 80);
    QSize size(wanted.width(), std::min(wanted.height(), 900));
    if (const QScreen* s = screen()) {
        const QRect avail = s->availableGeometry();
        size = size.boundedTo(QSize(avail.width() * 9 / 10, avail.height() * 9 / 10));
    }
    resize(size);
}

void ReportPreview::buildLayout() {
    auto button = [this](const QString& name, const QString& text, QStyle::StandardPixmap icon,
                         const QKeySequence& key) {
        auto* b = new QToolButton(this);
        auto* a = new QAction(style()->standardIcon(icon), text, b);
        a->setObjectName(name + QStringLiteral("Action"));
        a->setToolTip(text);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
        b->setDefaultAction(a);
        b->setObjectName(name);
        b->setAccessibleName(text);
        b->setAutoRaise(true);
        return b;
    };
    m_first = button(QStringLiteral("firstPage"), reportText::FirstPage,
                     QStyle::SP_MediaSkipBackward, QKeySequence(Qt::CTRL | Qt::Key_Home));
    m_previous = button(QStringLiteral("previousPage"), reportText::PreviousPage,
                        QStyle::SP_MediaSeekBackward, QKeySequence(Qt::Key_PageUp));
    m_next = button(QStringLiteral("nextPage"), reportText::NextPage, QStyle::SP_MediaSeekForward,
                    QKeySequence(Qt::Key_PageDown));
    m_last = button(QStringLiteral("lastPage"), reportText::LastPage, QStyle::SP_MediaSkipForward,
                    QKeySequence(Qt::CTRL | Qt::Key_End));
    connect(m_first, &QToolButton::triggered, this, &ReportPreview::firstPage);
    connect(m_previous, &QToolButton::triggered, this, &ReportPreview::previousPage);
    connect(m_next, &QToolButton::triggered, this, &ReportPreview::nextPage);
    connect(m_last, &QToolButton::triggered, this, &ReportPreview::lastPage);

    m_pageNumber = new QSpinBox(this);
    m_pageNumber->setObjectName(QStringLiteral("pageNumber"));
    m_pageNumber->setAccessibleName(reportText::PageNumber);
    m_pageNumber->setToolTip(reportText::PageNumber);
    m_pageNumber->setKeyboardTracking(false);
    m_pageNumber->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_pageNumber->setAlignment(Qt::AlignRight);
    connect(m_pageNumber, &QSpinBox::valueChanged, this, &ReportPreview::setCurrentPage);
    m_pageCount = new QLabel(this);
    m_pageCount->setObjectName(QStringLiteral("pageCount"));

    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("zoom"));
    m_zoomBox->setAccessibleName(reportText::Zoom);
    m_zoomBox->setToolTip(reportText::Zoom);
    m_zoomBox->addItem(reportText::FitPage, -int(FitPage));
    m_zoomBox->addItem(reportText::FitWidth, -int(FitWidth));
    for (int step : kZoomSteps)
        m_zoomBox->addItem(QStringLiteral("%1%").arg(step), step);
    m_zoomBox->setCurrentIndex(m_zoomBox->findData(m_zoomPercent));
    connect(m_zoomBox, &QComboBox::activated, this, &ReportPreview::zoomChosen);

    auto* print = new QToolButton(this);
    print->setObjectName(QStringLiteral("print"));
    print->setText(reportText::Print);
    print->setAutoRaise(true);
    connect(print, &QToolButton::clicked, this, [this] { this->print(); });
    auto* pdf = new QToolButton(this);
    pdf->setObjectName(QStringLiteral("exportPdf"));
    pdf->setText(reportText::ExportPdf);
    pdf->setAutoRaise(true);
    connect(pdf, &QToolButton::clicked, this, [this] { exportPdf(); });
    auto* csv = new QToolButton(this);
    csv->setObjectName(QStringLiteral("exportCsv"));
    auto* csvAction = new QAction(reportText::ExportCsv, csv);
    csvAction->setObjectName(QStringLiteral("exportCsvAction"));
    csvAction->setIconText(reportText::ExportCsv);  // the button shows the dots too
    csvAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    csvAction->setShortcutContext(Qt::WindowShortcut);
    csvAction->setToolTip(QStringLiteral("%1 (%2)").arg(
        reportText::ExportCsv, csvAction->shortcut().toString(QKeySequence::NativeText)));
    connect(csvAction, &QAction::triggered, this, [this] { exportCsv(); });
    addAction(csvAction);
    csv->setDefaultAction(csvAction);
    csv->setAccessibleName(QString(reportText::ExportCsv).remove(QStringLiteral("...")));
    csv->setAutoRaise(true);
    // The other exports of the records, beside the CSV one.
    const auto exportButton = [this](const QString& name, const QString& text, Format format) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(text);
        b->setAccessibleName(QString(text).remove(QStringLiteral("...")));
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, [this, format] { exportAs(format); });
        return b;
    };
    auto* xlsx = exportButton(QStringLiteral("exportXlsx"), tr("Export as spreadsheet..."),
                              Format::Spreadsheet);
    auto* tellico =
        exportButton(QStringLiteral("exportTellico"), tr("Export for Tellico..."), Format::Tellico);
    auto* webPage = exportButton(QStringLiteral("exportWebPage"), tr("Web page for phones..."),
                                 Format::WebPage);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("exportStatus"));
    m_status->setAccessibleName(reportText::ExportStatus);
    m_status->setContentsMargins(6, 2, 6, 2);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // never widens
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("close"));
    close->setText(reportText::Close);
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->setSpacing(4);
    bar->addWidget(m_first);
    bar->addWidget(m_previous);
    bar->addWidget(m_pageNumber);
    bar->addWidget(m_pageCount);
    bar->addWidget(m_next);
    bar->addWidget(m_last);
    bar->addSpacing(16);
    bar->addWidget(m_zoomBox);
    bar->addSpacing(16);
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addWidget(csv);
    bar->addWidget(xlsx);
    bar->addWidget(tellico);
    bar->addWidget(webPage);
    bar->addStretch(1);
    bar->addWidget(close);

    m_view = new ReportPageView(m_report);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageScroll"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setWidget(m_view);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->viewport()->installEventFilter(this);
    m_view->resize(m_view->sizeHint());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_status);
    setFocusProxy(m_view);
}

int ReportPreview::currentPage() const {
    return m_view->page();
}

void ReportPreview::setCurrentPage(int page) {
    page = std::clamp(page, 1, std::max(1, m_report.pageCount()));
    const bool moved = page != m_view->page();
    m_view->setPage(page);
    if (moved)
        m_scroll->verticalScrollBar()->setValue(0);
    updateNavigation();
}

void ReportPreview::firstPage() {
    setCurrentPage(1);
}
void ReportPreview::previousPage() {
    setCurrentPage(currentPage() - 1);
}
void ReportPreview::nextPage() {
    setCurrentPage(currentPage() + 1);
}
void ReportPreview::lastPage() {
    setCurrentPage(m_report.pageCount());
}

void ReportPreview::reportChanged() {
    setCurrentPage(currentPage());
    applyZoom();
    m_view->refresh();
}

void ReportPreview::updateNavigation() {
    const int pages = std::max(1, m_report.pageCount());
    const int page = currentPage();
    {
        const QSignalBlocker block(m_pageNumber);
        m_pageNumber->setRange(1, pages);
        m_pageNumber->setValue(page);
    }
    m_pageNumber->setMinimumWidth(m_pageNumber->fontMetrics().horizontalAdvance(QString(
                                      QString::number(pages).size() + 1, QLatin1Char('9'))) +
                                  12);
    m_pageCount->setText(reportText::PageOf.arg(pages));
    m_first->setEnabled(page > 1);
    m_previous->setEnabled(page > 1);
    m_next->setEnabled(page < pages);
    m_last->setEnabled(page < pages);
}

// ---------------------------------------------------------------- zoom

void ReportPreview::setZoomPercent(int percent) {
    m_zoomMode = FixedZoom;
    m_zoomPercent = std::clamp(percent, 10, 800);
    const int index = m_zoomBox->findData(m_zoomPercent);
    if (index >= 0) {
        m_zoomBox->setCurrentIndex(index);
    } else {
        m_zoomBox->setCurrentIndex(-1);
    }
    applyZoom();
}

void ReportPreview::setZoomMode(ZoomMode mode) {
    if (mode == FixedZoom) {
        setZoomPercent(m_zoomPercent);
        return;
    }
    m_zoomMode = mode;
    m_zoomBox->setCurrentIndex(m_zoomBox->findData(-int(mode)));
    applyZoom();
}

void ReportPreview::zoomChosen(int index) {
    const int data = m_zoomBox->itemData(index).toInt();
    if (data < 0)
        setZoomMode(ZoomMode(-data));
    else
        setZoomPercent(data);
}

double ReportPreview::zoom() const {
    return m_view->zoom();
}

void ReportPreview::applyZoom() {
    double zoom = m_zoomPercent / 100.0;
    if (m_zoomMode != FixedZoom) {
        const QSizeF real = m_view->paperSize(1.0);
        const QSize room = m_scroll->viewport()->size() -
                           QSize(2 * ReportPageView::Margin, 2 * ReportPageView::Margin);
        double width = room.width();
        if (m_zoomMode == FitWidth) {
            // Leave room for the vertical scroll bar that the taller page brings.
            width -= m_scroll->verticalScrollBar()->sizeHint().width();
        }
        zoom = width / real.width();
        if (m_zoomMode == FitPage)
            zoom = std::min(zoom, room.height() / real.height());
        zoom = std::max(zoom, 0.05);
    }
    m_view->setZoom(zoom);
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize &&
        m_zoomMode != FixedZoom) {
        applyZoom();
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- print and export

void ReportPreview::print() {
    QPrinter printer(QPrinter::HighResolution);
    m_report.preparePrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setMinMax(1, m_report.pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    switch (printer.printRange()) {
        case QPrinter::CurrentPage:
            printer.setFromTo(currentPage(), currentPage());
            break;
        case QPrinter::PageRange:
            break;
        default:
            printer.setFromTo(0, 0);  // all pages
            break;
    }
    printTo(printer);
}

bool ReportPreview::printTo(QPrinter& printer) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool done = m_report.print(printer);
    QApplication::restoreOverrideCursor();
    if (!done)
        prompts().msgBox(reportText::CannotPrint, mb::OKOnly | mb::Exclamation,
                         reportText::WindowTitle);
    return done;
}

void ReportPreview::exportPdf() {
    const QString start = QDir(m_lastPdfDir.isEmpty() ? QDir::homePath() : m_lastPdfDir)
                              .filePath(reportText::DefaultPdfName);
    QString path = QFileDialog::getSaveFileName(
        this, QString(reportText::ExportPdf).remove(QStringLiteral("...")), start,
        reportText::PdfFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    m_lastPdfDir = QFileInfo(path).absolutePath();
    exportPdf(path);
}

bool ReportPreview::exportPdf(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool done = m_report.exportPdf(path);
    QApplication::restoreOverrideCursor();
    if (!done)
        prompts().msgBox(reportText::CannotWrite.arg(QDir::toNativeSeparators(path)),
                         mb::OKOnly | mb::Exclamation, reportText::WindowTitle);
    return done;
}

void ReportPreview::exportCsv() {
    exportAs(Format::Csv);
}

void ReportPreview::exportAs(Format format) {
    struct Kind {
        QString title;
        QString filter;
        QString suffix;
    };
    const Kind kind =
        format == Format::Spreadsheet ? Kind{tr("Export as spreadsheet"),
                                             tr("Excel workbooks (*.xlsx)"), QStringLiteral("xlsx")}
        : format == Format::Tellico
            ? Kind{tr("Export for Tellico"), tr("Tellico collections (*.tc)"), QStringLiteral("tc")}
        : format == Format::WebPage
            ? Kind{tr("Web page for phones"), tr("Web pages (*.html)"), QStringLiteral("html")}
            : Kind{QString(reportText::ExportCsv).remove(QStringLiteral("...")),
                   reportText::CsvFilter, QStringLiteral("csv")};
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.owner = this;
    request.title = kind.title;
    request.initialDir = m_lastCsvDir.isEmpty() ? QDir::homePath() : m_lastCsvDir;
    request.initialFile = m_report.fileBaseName() + QLatin1Char('.') + kind.suffix;
    request.filter =
        kind.filter + QChar(0) + QStringLiteral("*.") + kind.suffix + QChar(0) + QChar(0);
    request.filterIndex = 1;
    request.flags = ofn::HideReadOnly | ofn::PathMustExist;
    request.newFileOnly = true;  // the export refuses an existing file and says so
    const FileDialogResult chosen = fileDialogs().show(request);
    if (!chosen.accepted || chosen.file.isEmpty())
        return;
    QString path = QDir::fromNativeSeparators(chosen.file);
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kind.suffix;
    m_lastCsvDir = QFileInfo(path).absolutePath();
    exportAs(format, path);
}

bool ReportPreview::exportCsv(const QString& path) {
    return exportAs(Format::Csv, path);
}

// The export runs on a thread of its own, reading the catalogue through a connection of its
// own, so that the windows keep answering; the progress dialog blocks other commands
// meanwhile and its Cancel stops the export.
bool ReportPreview::exportAs(Format format, const QString& path) {
    m_status->clear();
    struct Progress {
        std::atomic<long> done{0};
        std::atomic<long> total{0};
        std::atomic<bool> cancel{false};
    };
    auto progress = std::make_shared<Progress>();
    std::optional<AppError> failure;
    exchange::ExportSummary summary;
    try {
        const auto ids = m_report.recordIds();
        const QString catalogue = m_report.catalogueFile();
        const exchange::Headings headings = exchange::columnHeadings();
        QProgressDialog dialog(reportText::Exporting.arg(QDir::toNativeSeparators(path)),
                               reportText::ExportCancel, 0, 0, this);
        dialog.setObjectName(QStringLiteral("csvProgress"));
        dialog.setWindowTitle(reportText::WindowTitle);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumDuration(400);
        connect(&dialog, &QProgressDialog::canceled, this, [progress] { progress->cancel = true; });
        std::unique_ptr<QThread> worker(QThread::create([&, progress] {
            try {
                const auto report = [progress](long done, long total) {
                    progress->done = done;
                    progress->total = total;
                    return !progress->cancel;
                };
                summary = format == Format::Spreadsheet
                              ? exchange::exportXlsx(catalogue, path, headings, ids, report)
                          : format == Format::Tellico
                              ? exchange::exportTellico(catalogue, path, headings, ids, report)
                          : format == Format::WebPage
                              ? exchange::exportHtml(catalogue, path, headings, pageOf(ids), report)
                              : exchange::exportCsv(catalogue, path, ids, report);
            } catch (const AppError& e) {
                failure = e;
            } catch (const std::exception& e) {
                failure = AppError(0, QStringLiteral("kbsmgr"), QString::fromLocal8Bit(e.what()));
            }
        }));
        QEventLoop loop;
        connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
        QTimer tick;
        connect(&tick, &QTimer::timeout, &dialog, [&] {
            if (const long total = progress->total; total > 0) {
                dialog.setMaximum(int(std::min<long>(total, INT_MAX)));
                dialog.setValue(int(std::min<long>(progress->done, total)));
            } else {
                dialog.setValue(0);
            }
        });
        tick.start(100);
        worker->start();
        loop.exec();
        worker->wait();
    } catch (const AppError& e) {
        failure = e;
    }
    activateWindow();  // the keys come back here when the progress dialog goes
    // A Cancel that came too late leaves the export done.
    if (failure && progress->cancel) {
        m_status->setText(reportText::ExportCancelled);
        return false;
    }
    if (failure) {
        prompts().msgBox(reportText::ExportFailed.arg(failure->description()),
                         mb::OKOnly | mb::Exclamation, reportText::Title);
        return false;
    }
    auto records = [](long n) {
        return n == 1 ? reportText::OneRecord : reportText::Records.arg(language::number(n));
    };
    QStringList said{
        reportText::Exported.arg(records(summary.records), QFileInfo(path).fileName())};
    if (summary.skipped > 0)
        said << reportText::ExportSkipped.arg(records(summary.skipped));
    said << summary.notes;
    m_status->setText(said.join(QLatin1Char(' ')));
    m_status->setToolTip(m_status->text());
    return true;
}

QString ReportPreview::statusText() const {
    return m_status->text();
}

void ReportPreview::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closed();
}

}  // namespace kbs
