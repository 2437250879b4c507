#include "PagedReport.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>

#include "AppError.h"
#include "ReportPreview.h"
#include "ReportTexts.h"

namespace kbs {

namespace {

const QString kSource = QStringLiteral("DataReport");

constexpr double kMinSideMargin = 720;
constexpr double kTopMargin = 1080;
constexpr double kBottomMargin = 1080;
constexpr double kTwipsPerPoint = 20;
// Texts are shortened a little before the edge of their box, so that a device whose glyphs
// come out slightly wider still keeps them inside it.
constexpr double kFitReserve = 0.98;

[[noreturn]] void notFound(const QString& what) {
    throw AppError(err::ItemNotFound, kSource,
                   QStringLiteral("Item cannot be found in the collection: %1").arg(what));
}

[[noreturn]] void noCaption() {
    throw AppError(438, kSource, QStringLiteral("Object doesn't support this property or method"));
}

}  // namespace

// ---------------------------------------------------------------- controls and sections

ReportControl::ReportControl(PagedReport& report, Kind kind, QString name, QRectF rect)
    : m_report(&report),
      m_kind(kind),
      m_name(std::move(name)),
      m_rect(rect),
      m_font(PagedReport::reportFont(9, false)),
      m_alignment(Qt::AlignLeft | Qt::AlignVCenter),
      m_color(Qt::black) {}

const QString& ReportControl::caption() const {
    if (m_kind != Kind::Label)
        noCaption();
    return m_caption;
}

void ReportControl::setCaption(const QString& caption) {
    if (m_kind != Kind::Label)
        noCaption();
    m_caption = caption;
    m_report->designChanged();
}

ReportSection::ReportSection(PagedReport& report, Kind kind, QString name, int height)
    : m_report(&report), m_kind(kind), m_name(std::move(name)), m_height(height) {}

ReportControl& ReportSection::controls(const QString& name) {
    for (auto& c : m_controls) {
        if (c->name().compare(name, Qt::CaseInsensitive) == 0)
            return *c;
    }
    notFound(name);
}

ReportControl& ReportSection::add(ReportControl::Kind kind, const QString& name, QRectF rect) {
    m_controls.push_back(std::make_unique<ReportControl>(*m_report, kind, name, rect));
    return *m_controls.back();
}

// ---------------------------------------------------------------- the report

PagedReport::PagedReport(QObject* parent) : QObject(parent) {}

PagedReport::~PagedReport() {
    if (m_preview) {
        m_preview->disconnect(this);
        delete m_preview.data();
    }
}

QFont PagedReport::reportFont(int points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(points * kTwipsPerPoint));  // pixels of the design are twips
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QString PagedReport::singleLine(QString s) {
    if (std::none_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x20; }))
        return s;
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : s) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return s;
}

QString PagedReport::fitted(const QString& text, const QFont& font, double width) {
    const QFontMetricsF fm(font);
    return fm.elidedText(text, Qt::ElideRight, width * kFitReserve);
}

double PagedReport::wholeWidth(const QString& text, const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(text) / kFitReserve + 1;
}

ReportSection* PagedReport::addSection(ReportSection::Kind kind, const QString& name, int height) {
    m_sections.push_back(std::make_unique<ReportSection>(*this, kind, name, height));
    return m_sections.back().get();
}

void PagedReport::addCommonSections() {
    using K = ReportControl::Kind;
    const auto label = &PagedReport::addLabel;
    m_pageHeader = addSection(ReportSection::Kind::PageHeader, reportText::PageHeaderSection, 720);
    m_pageFooter = addSection(ReportSection::Kind::PageFooter, reportText::PageFooterSection, 480);
    m_reportHeader =
        addSection(ReportSection::Kind::ReportHeader, reportText::ReportHeaderSection, 840);
    m_reportFooter =
        addSection(ReportSection::Kind::ReportFooter, reportText::ReportFooterSection, 720);

    label(m_reportHeader, QStringLiteral("Label1"), reportText::Title, {0, 0, BandWidth, 600},
          reportFont(22, true), Qt::AlignLeft);
    label(m_pageHeader, reportText::CaptionLabel, reportText::DesignedCaption,
          {0, 60, BandWidth, 420}, reportFont(14, true), Qt::AlignLeft);
    m_pageHeader->add(K::Line, QStringLiteral("Line1"), {0, 600, BandWidth, 0}).setColor(RuleGrey);
    m_pageFooter->add(K::Line, QStringLiteral("Line2"), {0, 60, BandWidth, 0}).setColor(RuleGrey);
    label(m_pageFooter, QStringLiteral("lblPage"), reportText::PageFooter, {0, 150, BandWidth, 270},
          reportFont(9, false), Qt::AlignHCenter);
    label(m_reportFooter, QStringLiteral("lblEnd"), reportText::EndOfReport,
          {0, 240, BandWidth, 360}, reportFont(11, true), Qt::AlignHCenter);
}

ReportItem PagedReport::lineItem(ReportItem::Kind kind, const QString& section,
                                 const QString& control, int record, QRectF rect, double top,
                                 const QString& text, const QFont& font, int alignment,
                                 const QColor& color) const {
    ReportItem item;
    item.kind = kind;
    item.section = section;
    item.control = control;
    item.record = record;
    item.rect = rect.translated(m_left, top);
    item.font = font;
    item.alignment = alignment | Qt::AlignVCenter;
    item.color = color;
    item.text = fitted(text, font, rect.width());
    return item;
}

void PagedReport::addTableLine(QVector<ReportItem>& items, const QString& section, int record,
                               double top, const std::vector<ReportTableColumn>& columns,
                               const QStringList& texts, bool heads, int points) const {
    constexpr double kPad = 80;  // between a number and the edge of its column
    for (size_t i = 0; i < columns.size(); ++i) {
        const ReportTableColumn& c = columns[i];
        const QRectF rect = c.number ? QRectF(c.x, 0, c.width - kPad, TableRowHeight)
                                     : QRectF(c.x + 60, 0, c.width - 60, TableRowHeight);
        items.push_back(lineItem(
            ReportItem::Kind::Text, section, QString::fromLatin1(c.name), record, rect, top,
            texts.value(qsizetype(i)), reportFont(points, heads),
            c.number ? Qt::AlignRight : Qt::AlignLeft, heads ? CaptionColour : QColor(Qt::black)));
    }
}

double PagedReport::addHeaders(QVector<ReportItem>& items, int page, bool reportHeader) const {
    double y = m_top;
    if (reportHeader) {
        addBand(items, *m_reportHeader, y, -1, page);
        y += m_reportHeader->height();
    }
    addBand(items, *m_pageHeader, y, -1, page);
    return y + m_pageHeader->height();
}

ReportControl& PagedReport::addLabel(ReportSection* section, const QString& name,
                                     const QString& caption, QRectF rect, const QFont& font,
                                     int alignment) {
    ReportControl& c = section->add(ReportControl::Kind::Label, name, rect);
    c.setFont(font);
    c.setAlignment(alignment | Qt::AlignVCenter);
    c.setCaption(caption);
    return c;
}

ReportSection& PagedReport::sections(const QString& name) {
    for (auto& s : m_sections) {
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return *s;
    }
    notFound(name);
}

QString PagedReport::caption() const {
    return m_pageHeader ? m_pageHeader->controls(reportText::CaptionLabel).caption() : QString();
}

void PagedReport::setCaption(const QString& caption) {
    sections(reportText::PageHeaderSection).controls(reportText::CaptionLabel).setCaption(caption);
}

QString PagedReport::fileBaseName() const {
    QString caption = this->caption();
    static const QRegularExpression other(QStringLiteral("[^a-z0-9]+"));
    caption = caption.toLower().replace(other, QStringLiteral("-"));
    while (caption.startsWith(QLatin1Char('-')))
        caption.remove(0, 1);
    while (caption.endsWith(QLatin1Char('-')))
        caption.chop(1);
    return caption.isEmpty() ? QStringLiteral("report") : caption;
}

QString PagedReport::fieldText(int, const QString&) const {
    return {};
}

void PagedReport::addBand(QVector<ReportItem>& items, const ReportSection& band, double top,
                          int record, int page) const {
    for (const auto& c : band.controlList()) {
        ReportItem item;
        item.section = band.name();
        item.control = c->name();
        item.record = record;
        item.rect = c->rect().translated(m_left, top);
        item.font = c->font();
        item.alignment = c->alignment();
        item.color = c->color();
        switch (c->kind()) {
            case ReportControl::Kind::Shape:
                item.kind = ReportItem::Kind::Box;
                break;
            case ReportControl::Kind::Line:
                item.kind = ReportItem::Kind::Line;
                break;
            case ReportControl::Kind::Label:
            case ReportControl::Kind::TextBox: {
                item.kind = ReportItem::Kind::Text;
                QString text;
                if (c->kind() == ReportControl::Kind::Label) {
                    text = singleLine(c->caption());
                    text.replace(QLatin1String("%P"), QString::number(pageCount()));
                    text.replace(QLatin1String("%p"), QString::number(page));
                } else {
                    text = fieldText(record, c->dataField());
                }
                item.text = fitted(text, item.font, item.rect.width());
                break;
            }
        }
        items.push_back(std::move(item));
    }
}

// ---------------------------------------------------------------- pages and printing

void PagedReport::setPageSize(const QPageSize& size) {
    m_pageSize = size;
    const QSizeF paper = size.size(QPageSize::Point) * kTwipsPerPoint;
    const double scale = std::min(1.0, (paper.width() - 2 * kMinSideMargin) / BandWidth);
    m_pageTwips = scale > 0 ? paper / scale : paper;
    m_left = (m_pageTwips.width() - BandWidth) / 2;
    m_top = kTopMargin;
    m_bottom = m_pageTwips.height() - kBottomMargin;
    layOut();
}

QVector<ReportItem> PagedReport::framedPage(
    int page, bool reportHeader, const std::function<void(QVector<ReportItem>&)>& body) const {
    QVector<ReportItem> items;
    if (page < 1 || page > pageCount())
        return items;
    double y = m_top;
    if (reportHeader) {
        addBand(items, *m_reportHeader, y, -1, page);
        y += m_reportHeader->height();
    }
    addBand(items, *m_pageHeader, y, -1, page);
    body(items);
    addBand(items, *m_pageFooter, m_bottom - m_pageFooter->height(), -1, page);
    return items;
}

void PagedReport::paintPage(QPainter& painter, int page, const QRectF& target) const {
    const double scale =
        std::min(target.width() / m_pageTwips.width(), target.height() / m_pageTwips.height());
    if (scale <= 0)
        return;
    painter.save();
    painter.translate(target.left() + (target.width() - m_pageTwips.width() * scale) / 2,
                      target.top() + (target.height() - m_pageTwips.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const ReportItem& item : pageItems(page)) {
        switch (item.kind) {
            case ReportItem::Kind::Box:
                painter.fillRect(item.rect, item.color);
                break;
            case ReportItem::Kind::Line:
                painter.setPen(QPen(item.color, 15));
                painter.drawLine(QLineF(item.rect.topLeft(), item.rect.topRight()));
                break;
            case ReportItem::Kind::Picture:
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(item.rect, item.picture);
                break;
            case ReportItem::Kind::Text:
                painter.setFont(item.font);
                painter.setPen(item.color);
                painter.drawText(item.rect, item.alignment | Qt::TextSingleLine, item.text);
                break;
        }
    }
    painter.restore();
}

void PagedReport::preparePrinter(QPrinter& printer) const {
    printer.setPageSize(m_pageSize);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(reportText::WindowTitle);
    printer.setCreator(reportText::Title);
}

void PagedReport::renderPages(QPainter& painter, QPagedPaintDevice& device, int from,
                              int to) const {
    for (int page = from; page <= to; ++page) {
        if (page != from)
            device.newPage();
        // The device's whole sheet: the report keeps its own margins.
        painter.fillRect(QRectF(0, 0, device.width(), device.height()), Qt::white);
        paintPage(painter, page, QRectF(0, 0, device.width(), device.height()));
    }
}

std::pair<int, int> printedPages(const QPrinter& printer, int pageCount) {
    int from = printer.fromPage();
    int to = printer.toPage();
    if (from <= 0 && to <= 0) {
        from = 1;
        to = pageCount;
    }
    from = std::clamp(from, 1, pageCount);
    return {from, std::clamp(to, from, pageCount)};
}

bool PagedReport::print(QPrinter& printer) const {
    printer.setFullPage(true);
    const auto [from, to] = printedPages(printer, pageCount());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    renderPages(painter, printer, from, to);
    return painter.end();
}

bool PagedReport::exportPdf(const QString& path) const {
    QPdfWriter writer(path);
    writer.setPageSize(m_pageSize);
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(reportText::WindowTitle);
    writer.setCreator(reportText::Title);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    renderPages(painter, writer, 1, pageCount());
    return painter.end();
}

// ---------------------------------------------------------------- the preview window

void PagedReport::show() {
    if (!m_preview) {
        m_preview = new ReportPreview(*this, qobject_cast<QWidget*>(parent()));
        connect(m_preview, &ReportPreview::closed, this, &PagedReport::previewClosed);
        connect(this, &PagedReport::changed, m_preview, &ReportPreview::reportChanged);
    }
    m_preview->setCurrentPage(1);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

ReportPreview* PagedReport::preview() const {
    return m_preview.data();
}

void PagedReport::unload() {
    if (m_preview)
        m_preview->close();
}

void PagedReport::previewClosed() {
    m_preview = nullptr;
    release();
    Q_EMIT Terminate();
}

// ---------------------------------------------------------------- reports laid out in lines

QVector<ReportItem> LinedReport::pageItems(int page) const {
    if (page < 1 || page > pageCount())
        return {};
    const auto [first, count] = m_pages[size_t(page - 1)];
    return framedPage(page, page == 1, [&](QVector<ReportItem>& items) {
        items.reserve(int(count) * 7 + 16);
        for (size_t i = first; i < first + count; ++i) {
            const Line& line = m_lines[i];
            if (line.kind == Line::End)
                addBand(items, *m_reportFooter, line.top, -1, page);
            else
                addLineItems(items, line);
        }
    });
}

void LinedReport::addTitle(QVector<ReportItem>& items, const QString& section, const Line& line,
                           const QString& text, const QString& control) const {
    items.push_back(lineItem(ReportItem::Kind::Text, section, control, line.row,
                             {0, 60, BandWidth, 330}, line.top, text, reportFont(11, true),
                             Qt::AlignLeft, Qt::black));
}

QStringList LinedReport::headings(const char* context,
                                  const std::vector<ReportTableColumn>& columns) {
    QStringList out;
    for (const ReportTableColumn& c : columns)
        out << QCoreApplication::translate(context, c.name);
    return out;
}

void LinedReport::addHeadsRule(QVector<ReportItem>& items, const QString& section, const Line& line,
                               double height) const {
    items.push_back(lineItem(ReportItem::Kind::Line, section, QStringLiteral("Rule"), line.row,
                             {0, height - 20, BandWidth, 0}, line.top, {}, reportFont(9, false), 0,
                             RuleGrey));
}

void LinedReport::addStripe(QVector<ReportItem>& items, const QString& section, const Line& line,
                            double height) const {
    if (line.row % 2 == 1)
        items.push_back(lineItem(ReportItem::Kind::Box, section, QStringLiteral("Stripe"), line.row,
                                 {0, 0, BandWidth, height}, line.top, {}, reportFont(9, false), 0,
                                 Stripe));
}

LinedReport::Layout::Layout(LinedReport& report)
    : m_report(report),
      m_footerTop(report.m_bottom - report.m_pageFooter->height()),
      m_y(report.m_top + report.m_reportHeader->height() + report.m_pageHeader->height()) {
    m_report.m_lines.clear();
    m_report.m_pages.clear();
}

void LinedReport::Layout::newPage() {
    m_report.m_pages.emplace_back(m_first, m_report.m_lines.size() - m_first);
    m_first = m_report.m_lines.size();
    m_y = m_report.m_top + m_report.m_pageHeader->height();
}

void LinedReport::Layout::place(Line::Kind kind, int table, int row, double height,
                                bool continued) {
    m_report.m_lines.push_back({kind, table, row, m_y, continued});
    m_y += height;
}

void LinedReport::Layout::end() {
    const double height = m_report.m_reportFooter->height();
    if (pageUsed() && !fits(height))
        newPage();
    place(Line::End, -1, -1, height);
    newPage();
}

}  // namespace kbs
