#include "DataReport.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "AppError.h"
#include "Collection.h"
#include "ReportPreview.h"
#include "ReportTexts.h"

namespace kbs {

namespace {

const QString kSource = QStringLiteral("DataReport");

// The design, in twips. The bands are as wide as a page of 6.5 inches of text, which fits
// Letter and A4 alike; narrower paper gets the whole page scaled down.
constexpr double kWidth = 9360;
constexpr double kMinSideMargin = 720;
constexpr double kTopMargin = 1080;
constexpr double kBottomMargin = 1080;
constexpr double kTwipsPerPoint = 20;
// Texts are shortened a little before the edge of their box, so that a device whose glyphs
// come out slightly wider still keeps them inside it.
constexpr double kFitReserve = 0.98;

const QColor kBarGrey(0xD9, 0xD9, 0xD9);
const QColor kRuleGrey(0x80, 0x80, 0x80);
const QColor kCaptionColour(0x40, 0x40, 0x40);

QFont reportFont(int points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(points * kTwipsPerPoint));  // pixels of the design are twips
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

[[noreturn]] void notFound(const QString& what) {
    throw AppError(err::ItemNotFound, kSource,
                   QStringLiteral("Item cannot be found in the collection: %1").arg(what));
}

QString singleLine(QString s) {
    if (std::none_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x20; }))
        return s;
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : s) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return s;
}

// One line of the detail band: a caption and its field, and for prices a second caption and
// field after them ("on" the purchase date, "as of" the valuation date).
struct DetailLine {
    const char* caption;
    const char* field;
    const char* afterCaption = nullptr;
    const char* afterField = nullptr;
};

constexpr DetailLine kLeftColumn[] = {
    {"Issue Year", "Year"},   {"Number", "Number"},
    {"Series", "Series"},     {"Car Condition", "Car_Cond"},
    {"Color", "Color"},       {"Wheel Type", "Wheel_Type"},
    {"Box Type", "Box_Type"}, {"Box Condition", "Box_Cond"},
};
constexpr DetailLine kRightColumn[] = {
    {"Quantity", "Quantity"},
    {"Location", "Location"},
    {"List Price", "List_Price"},
    {"Purchase Price", "Purchase", "on", "Purch_Date"},
    {"Value", "Value", "as of", "Value_Date"},
    {"Status", "Status"},
};

}  // namespace

// ---------------------------------------------------------------- controls and sections

ReportControl::ReportControl(DataReport& report, Kind kind, QString name, QRectF rect)
    : m_report(&report),
      m_kind(kind),
      m_name(std::move(name)),
      m_rect(rect),
      m_font(reportFont(9, false)),
      m_alignment(Qt::AlignLeft | Qt::AlignVCenter),
      m_color(Qt::black) {}

const QString& ReportControl::caption() const {
    if (m_kind != Kind::Label) {
        throw AppError(438, kSource,
                       QStringLiteral("Object doesn't support this property or method"));
    }
    return m_caption;
}

void ReportControl::setCaption(const QString& caption) {
    if (m_kind != Kind::Label) {
        throw AppError(438, kSource,
                       QStringLiteral("Object doesn't support this property or method"));
    }
    m_caption = caption;
    m_report->designChanged();
}

ReportSection::ReportSection(DataReport& report, Kind kind, QString name, int height)
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

DataReport::DataReport(QObject* parent) : QObject(parent) {
    buildDesign();
    setPageSize(QPageSize(QPageSize::Letter));
}

DataReport::~DataReport() {
    if (m_preview) {
        m_preview->disconnect(this);
        delete m_preview.data();
    }
}

void DataReport::buildDesign() {
    using K = ReportControl::Kind;
    auto section = [this](ReportSection::Kind kind, const QString& name, int height) {
        m_sections.push_back(std::make_unique<ReportSection>(*this, kind, name, height));
        return m_sections.back().get();
    };
    auto label = [](ReportSection* s, const QString& name, const QString& caption, QRectF r,
                    const QFont& font, int align) -> ReportControl& {
        ReportControl& c = s->add(K::Label, name, r);
        c.setFont(font);
        c.setAlignment(align | Qt::AlignVCenter);
        c.setCaption(caption);
        return c;
    };

    // Listed in the order the designer numbers them; printed in the order of their kinds.
    m_detail = section(ReportSection::Kind::Detail, reportText::DetailSection, 2400);
    m_pageHeader = section(ReportSection::Kind::PageHeader, reportText::PageHeaderSection, 720);
    m_pageFooter = section(ReportSection::Kind::PageFooter, reportText::PageFooterSection, 480);
    m_reportHeader =
        section(ReportSection::Kind::ReportHeader, reportText::ReportHeaderSection, 840);
    m_reportFooter =
        section(ReportSection::Kind::ReportFooter, reportText::ReportFooterSection, 720);

    label(m_reportHeader, QStringLiteral("Label1"), reportText::Title, {0, 0, kWidth, 600},
          reportFont(22, true), Qt::AlignLeft);

    label(m_pageHeader, reportText::CaptionLabel, reportText::DesignedCaption, {0, 60, kWidth, 420},
          reportFont(14, true), Qt::AlignLeft);
    m_pageHeader->add(K::Line, QStringLiteral("Line1"), {0, 600, kWidth, 0}).setColor(kRuleGrey);

    m_detail->add(K::Shape, QStringLiteral("Shape1"), {0, 120, kWidth, 330}).setColor(kBarGrey);
    ReportControl& description =
        m_detail->add(K::TextBox, QStringLiteral("txtDescription"), {120, 120, kWidth - 240, 330});
    description.setDataField(QStringLiteral("Description"));
    description.setFont(reportFont(10, true));

    constexpr double rowTop = 540;
    constexpr double rowHeight = 225;
    auto line = [&](const DetailLine& d, int row, double captionX, double captionW, double valueX,
                    double valueEnd) {
        const double y = rowTop + row * rowHeight;
        label(m_detail, QStringLiteral("lbl%1").arg(QLatin1String(d.field)),
              QString::fromLatin1(d.caption), {captionX, y, captionW, rowHeight},
              reportFont(9, true), Qt::AlignLeft)
            .setColor(kCaptionColour);
        // A price shares its line with its date: value, then "on" or "as of", then the date.
        const double valueW = d.afterField ? 1200 : valueEnd - valueX;
        ReportControl& value =
            m_detail->add(K::TextBox, QStringLiteral("txt%1").arg(QLatin1String(d.field)),
                          {valueX, y, valueW, rowHeight});
        value.setDataField(QString::fromLatin1(d.field));
        if (d.afterField) {
            const double afterX = valueX + valueW + 60;
            label(m_detail, QStringLiteral("lbl%1").arg(QLatin1String(d.afterField)),
                  QString::fromLatin1(d.afterCaption), {afterX, y, 540, rowHeight},
                  reportFont(9, true), Qt::AlignLeft)
                .setColor(kCaptionColour);
            const double dateX = afterX + 600;
            ReportControl& date =
                m_detail->add(K::TextBox, QStringLiteral("txt%1").arg(QLatin1String(d.afterField)),
                              {dateX, y, valueEnd - dateX, rowHeight});
            date.setDataField(QString::fromLatin1(d.afterField));
        }
    };
    int row = 0;
    for (const DetailLine& d : kLeftColumn)
        line(d, row++, 120, 1500, 1680, 4620);
    row = 0;
    for (const DetailLine& d : kRightColumn)
        line(d, row++, 4800, 1440, 6300, kWidth);

    m_pageFooter->add(K::Line, QStringLiteral("Line2"), {0, 60, kWidth, 0}).setColor(kRuleGrey);
    label(m_pageFooter, QStringLiteral("lblPage"), reportText::PageFooter, {0, 150, kWidth, 270},
          reportFont(9, false), Qt::AlignHCenter);

    label(m_reportFooter, QStringLiteral("lblEnd"), reportText::EndOfReport, {0, 240, kWidth, 360},
          reportFont(11, true), Qt::AlignHCenter);
}

ReportSection& DataReport::sections(const QString& name) {
    for (auto& s : m_sections) {
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return *s;
    }
    notFound(name);
}

// ---------------------------------------------------------------- data and pages

void DataReport::setDataSource(std::unique_ptr<RecordSet> rs) {
    m_rs = std::move(rs);
    layOut();
}

void DataReport::openDataSource(Connection& connection, const QString& query) {
    auto rs = std::make_unique<RecordSet>();
    rs->open(query, connection);
    setDataSource(std::move(rs));
}

void DataReport::setPageSize(const QPageSize& size) {
    m_pageSize = size;
    const QSizeF paper = size.size(QPageSize::Point) * kTwipsPerPoint;
    const double scale = std::min(1.0, (paper.width() - 2 * kMinSideMargin) / kWidth);
    m_pageTwips = scale > 0 ? paper / scale : paper;
    m_left = (m_pageTwips.width() - kWidth) / 2;
    m_top = kTopMargin;
    m_bottom = m_pageTwips.height() - kBottomMargin;
    layOut();
}

void DataReport::layOut() {
    m_bookmarks.clear();
    m_cursor = -1;
    m_fieldPositions.clear();
    if (m_rs && m_rs->isOpen()) {
        if (m_rs->recordCount() > 0) {
            m_bookmarks.reserve(size_t(m_rs->recordCount()));
            for (m_rs->moveFirst(); !m_rs->eof(); m_rs->moveNext())
                m_bookmarks.push_back(m_rs->bookmark());
            m_rs->moveFirst();
            m_cursor = 0;
        }
    }

    // Every band has a fixed height, so the pages follow from the number of records alone.
    m_pages.clear();
    const int records = static_cast<int>(m_bookmarks.size());
    const double footerTop = m_bottom - m_pageFooter->height();
    const double detail = m_detail->height();
    // On paper too short for even one record between the headers, one goes on each page.
    const bool crowded = m_top + m_pageHeader->height() + detail > footerTop;
    int next = 0;
    for (;;) {
        Page page;
        page.firstRecord = next;
        double y = m_top;
        if (m_pages.empty()) {
            page.reportHeader = true;
            y += m_reportHeader->height();
        }
        y += m_pageHeader->height();
        while (next < records && (y + detail <= footerTop || (crowded && page.records == 0))) {
            y += detail;
            ++page.records;
            ++next;
        }
        if (next == records && (y + m_reportFooter->height() <= footerTop || page.records == 0)) {
            page.reportFooter = true;
            m_pages.push_back(page);
            break;
        }
        m_pages.push_back(page);
    }
    Q_EMIT changed();
}

std::vector<DataReport::Band> DataReport::bandsOf(int page) const {
    std::vector<Band> bands;
    if (page < 1 || page > pageCount())
        return bands;
    const Page& p = m_pages[size_t(page - 1)];
    double y = m_top;
    if (p.reportHeader) {
        bands.push_back({m_reportHeader, y, -1});
        y += m_reportHeader->height();
    }
    bands.push_back({m_pageHeader, y, -1});
    y += m_pageHeader->height();
    for (int r = p.firstRecord; r < p.firstRecord + p.records; ++r) {
        bands.push_back({m_detail, y, r});
        y += m_detail->height();
    }
    if (p.reportFooter)
        bands.push_back({m_reportFooter, y, -1});
    bands.push_back({m_pageFooter, m_bottom - m_pageFooter->height(), -1});
    return bands;
}

void DataReport::moveTo(int record) const {
    const RecordSet::Bookmark wanted = m_bookmarks[size_t(record)];
    if (m_rs->hasCurrentRecord() && m_rs->bookmark() == wanted)
        return;
    // Pages are drawn in order, so the next record is usually a step or two away; a search
    // for the bookmark is for jumps.
    if (m_cursor >= 0 && std::abs(record - m_cursor) <= 8 && m_rs->hasCurrentRecord() &&
        m_rs->bookmark() == m_bookmarks[size_t(m_cursor)]) {
        for (; m_cursor < record; ++m_cursor)
            m_rs->moveNext();
        for (; m_cursor > record; --m_cursor)
            m_rs->movePrevious();
        if (m_rs->hasCurrentRecord() && m_rs->bookmark() == wanted)
            return;
    }
    m_rs->setBookmark(wanted);
    m_cursor = record;
}

QString DataReport::fieldText(int record, const QString& field) const {
    if (!m_rs || record < 0 || record >= recordCount())
        return {};
    auto it = m_fieldPositions.constFind(field);
    if (it == m_fieldPositions.cend()) {
        // Fields are found by name whatever their case; a field the query left out prints
        // nothing.
        int position = -1;
        for (int i = 0; i < m_rs->fieldCount() && position < 0; ++i) {
            if (m_rs->fieldName(i).compare(field, Qt::CaseInsensitive) == 0)
                position = i;
        }
        it = m_fieldPositions.insert(field, position);
    }
    if (it.value() < 0)
        return {};
    moveTo(record);
    const QVariant v = m_rs->value(it.value());
    if (v.isNull())
        return {};
    return collection::trimSpaces(singleLine(v.toString()));
}

QVector<ReportItem> DataReport::pageItems(int page) const {
    QVector<ReportItem> items;
    items.reserve(64);
    const QString pageNumber = QString::number(page);
    const QString pages = QString::number(pageCount());
    for (const Band& band : bandsOf(page)) {
        for (const auto& c : band.section->controlList()) {
            ReportItem item;
            item.section = band.section->name();
            item.control = c->name();
            item.record = band.record;
            item.rect = c->rect().translated(m_left, band.top);
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
                        text.replace(QLatin1String("%P"), pages);
                        text.replace(QLatin1String("%p"), pageNumber);
                    } else {
                        text = fieldText(band.record, c->dataField());
                    }
                    const QFontMetricsF fm(item.font);
                    item.text =
                        fm.elidedText(text, Qt::ElideRight, item.rect.width() * kFitReserve);
                    break;
                }
            }
            items.push_back(std::move(item));
        }
    }
    return items;
}

void DataReport::paintPage(QPainter& painter, int page, const QRectF& target) const {
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
            case ReportItem::Kind::Text:
                painter.setFont(item.font);
                painter.setPen(item.color);
                painter.drawText(item.rect, item.alignment | Qt::TextSingleLine, item.text);
                break;
        }
    }
    painter.restore();
}

// ---------------------------------------------------------------- printing

void DataReport::preparePrinter(QPrinter& printer) const {
    printer.setPageSize(m_pageSize);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(reportText::WindowTitle);
    printer.setCreator(reportText::Title);
}

void DataReport::renderPages(QPainter& painter, QPagedPaintDevice& device, int from, int to) const {
    for (int page = from; page <= to; ++page) {
        if (page != from)
            device.newPage();
        // The device's whole sheet: the report keeps its own margins.
        painter.fillRect(QRectF(0, 0, device.width(), device.height()), Qt::white);
        paintPage(painter, page, QRectF(0, 0, device.width(), device.height()));
    }
}

bool DataReport::print(QPrinter& printer) const {
    printer.setFullPage(true);
    int from = printer.fromPage();
    int to = printer.toPage();
    if (from <= 0 && to <= 0) {
        from = 1;
        to = pageCount();
    }
    from = std::clamp(from, 1, pageCount());
    to = std::clamp(to, from, pageCount());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    renderPages(painter, printer, from, to);
    return painter.end();
}

bool DataReport::exportPdf(const QString& path) const {
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

void DataReport::show() {
    if (!m_preview) {
        m_preview = new ReportPreview(*this, qobject_cast<QWidget*>(parent()));
        connect(m_preview, &ReportPreview::closed, this, &DataReport::previewClosed);
    }
    m_preview->setCurrentPage(1);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

ReportPreview* DataReport::preview() const {
    return m_preview.data();
}

void DataReport::unload() {
    if (m_preview)
        m_preview->close();
}

void DataReport::previewClosed() {
    m_preview = nullptr;
    m_rs.reset();
    layOut();
    Q_EMIT Terminate();
}

}  // namespace kbs
