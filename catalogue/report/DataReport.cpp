#include "DataReport.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>

#include "AppError.h"
#include "Collection.h"
#include "Connection.h"
#include "PanelLayout.h"
#include "ReportTexts.h"
#include "Schema.h"

namespace kbs {

namespace {

const QColor kBarGrey(0xD9, 0xD9, 0xD9);
const QColor kCaptionColour(0x40, 0x40, 0x40);

using collection::at;

// One line of the detail band: a column with its caption, and for prices a second column
// after it ("on" the purchase date, "as of" the valuation date).
struct DetailLine {
    int field;
    int afterField = -1;
};

constexpr int kTitleField = at("Description");
// The lines of the detail band: where the first begins, how high each is, and where the
// caption and the value of each column are across the band.
constexpr double kRowTop = 540;
constexpr double kRowHeight = 225;
struct Across {
    double captionX, captionWidth, valueX, valueEnd;
};
constexpr double kWidth = 9360;  // the band's
constexpr Across kLeft{120, 1500, 1680, 4620};
constexpr Across kRight{4800, 1440, 6300, kWidth};
constexpr DetailLine kLeftColumn[] = {
    {at("Year")},  {at("Number")},     {at("Series")},   {at("Car_Cond")},
    {at("Color")}, {at("Wheel_Type")}, {at("Box_Type")}, {at("Box_Cond")},
};
constexpr DetailLine kRightColumn[] = {
    {at("Quantity")},
    {at("Location")},
    {at("List_Price")},
    {at("Purchase"), at("Purch_Date")},
    {at("Value"), at("Value_Date")},
    {at("Status")},
};

QString nameOf(int column) {
    return QString::fromLatin1(collection::columns[size_t(column)].name);
}

// The caption the report prints beside a column: the panel's label, or the report's own.
QString captionOf(int column) {
    for (const auto& c : reportText::DetailCaptions) {
        if (c.column == column)
            return translated("kbs::reportText", c.caption);
    }
    return panel::translate(panel::fieldAt(column).label);
}

}  // namespace

// ---------------------------------------------------------------- the report

QString DataReport::query() {
    QStringList names{QString::fromLatin1(collection::IdColumn), nameOf(kTitleField)};
    auto add = [&](const auto& side) {
        for (const DetailLine& d : side) {
            names << nameOf(d.field);
            if (d.afterField >= 0)
                names << nameOf(d.afterField);
        }
    };
    add(kLeftColumn);
    add(kRightColumn);
    return QStringLiteral("select %1 from %2")
        .arg(names.join(QStringLiteral(", ")), QLatin1String(schema::TableName));
}

DataReport::DataReport(QObject* parent) : PagedReport(parent) {
    buildDesign();
    setPageSize(QPageSize(QPageSize::Letter));
}

void DataReport::buildDesign() {
    using K = ReportControl::Kind;
    static_assert(kWidth == BandWidth);
    const auto label = &PagedReport::addLabel;

    // Listed in the order the designer numbers them; printed in the order of their kinds.
    m_detail = addSection(ReportSection::Kind::Detail, reportText::DetailSection, 2400);
    addCommonSections();

    m_detail->add(K::Shape, QStringLiteral("Shape1"), {0, 120, kWidth, 330}).setColor(kBarGrey);
    ReportControl& description =
        m_detail->add(K::TextBox, QStringLiteral("txtDescription"), {120, 120, kWidth - 240, 330});
    description.setDataField(nameOf(kTitleField));
    description.setFont(reportFont(10, true));

    auto line = [&](const DetailLine& d, int row, const Across& across) {
        const auto [captionX, captionW, valueX, valueEnd] = across;
        const double y = kRowTop + row * kRowHeight;
        label(m_detail, QStringLiteral("lbl%1").arg(nameOf(d.field)), captionOf(d.field),
              {captionX, y, captionW, kRowHeight}, reportFont(9, true), Qt::AlignLeft)
            .setColor(kCaptionColour);
        // A price shares its line with its date: value, then "on" or "as of", then the date.
        const double valueW = d.afterField >= 0 ? 1200 : valueEnd - valueX;
        ReportControl& value =
            m_detail->add(K::TextBox, QStringLiteral("txt%1").arg(nameOf(d.field)),
                          {valueX, y, valueW, kRowHeight});
        value.setDataField(nameOf(d.field));
        if (d.afterField >= 0) {
            const double afterX = valueX + valueW + 60;
            label(m_detail, QStringLiteral("lbl%1").arg(nameOf(d.afterField)),
                  captionOf(d.afterField), {afterX, y, 540, kRowHeight}, reportFont(9, true),
                  Qt::AlignLeft)
                .setColor(kCaptionColour);
            const double dateX = afterX + 600;
            ReportControl& date =
                m_detail->add(K::TextBox, QStringLiteral("txt%1").arg(nameOf(d.afterField)),
                              {dateX, y, valueEnd - dateX, kRowHeight});
            date.setDataField(nameOf(d.afterField));
        }
    };
    int row = 0;
    for (const DetailLine& d : kLeftColumn)
        line(d, row++, kLeft);
    row = 0;
    for (const DetailLine& d : kRightColumn)
        line(d, row++, kRight);
}

void DataReport::setExtraLines(QStringList captions, ExtraText text) {
    m_extraCaptions = std::move(captions);
    m_extraText = std::move(text);
}

// The band grows by a line for every two extra lines.
double DataReport::detailHeight() const {
    return m_detail->height() + double((m_extraCaptions.size() + 1) / 2) * kRowHeight;
}

// Under the described lines, left and right in turn, in the order given.
void DataReport::addExtraLines(QVector<ReportItem>& items, double top, int record) const {
    if (m_extraCaptions.isEmpty() || !m_extraText)
        return;
    const int id = fieldPosition(QStringLiteral("ID"));
    if (id < 0)
        return;
    moveTo(record);
    const std::int64_t recordId = m_rs->value(id).toLongLong();
    const double firstTop =
        kRowTop + double(std::max(std::size(kLeftColumn), std::size(kRightColumn))) * kRowHeight;
    const QFont caption = reportFont(9, true), value = reportFont(9, false);
    for (int i = 0; i < m_extraCaptions.size(); ++i) {
        const Across& a = i % 2 == 0 ? kLeft : kRight;
        const double y = top + firstTop + double(i / 2) * kRowHeight;
        items.push_back(lineItem(ReportItem::Kind::Text, m_detail->name(),
                                 QStringLiteral("lblOwnField%1").arg(i + 1), record,
                                 {a.captionX, 0, a.captionWidth, kRowHeight}, y, m_extraCaptions[i],
                                 caption, Qt::AlignLeft, kCaptionColour));
        items.push_back(lineItem(ReportItem::Kind::Text, m_detail->name(),
                                 QStringLiteral("txtOwnField%1").arg(i + 1), record,
                                 {a.valueX, 0, a.valueEnd - a.valueX, kRowHeight}, y,
                                 collection::trimSpaces(singleLine(m_extraText(recordId, i))),
                                 value, Qt::AlignLeft, Qt::black));
    }
}

// ---------------------------------------------------------------- data and pages

void DataReport::setDataSource(std::unique_ptr<RecordSet> rs) {
    m_only.reset();
    m_rs = std::move(rs);
    layOut();
}

void DataReport::openDataSource(Connection& connection, const QString& query,
                                const std::vector<std::int64_t>* only) {
    auto rs = std::make_unique<RecordSet>();
    rs->open(query, connection);
    setCatalogueFile(connection.dataSource());
    m_only.reset();
    if (only)
        m_only = *only;
    m_rs = std::move(rs);
    layOut();
}

void DataReport::release() {
    m_rs.reset();
    layOut();
}

std::optional<std::vector<std::int64_t>> DataReport::recordIds() const {
    std::vector<std::int64_t> ids;
    if (m_bookmarks.empty())
        return ids;
    const int id = fieldPosition(QStringLiteral("ID"));
    if (id < 0) {
        throw AppError(err::ItemNotFound, QStringLiteral("DataReport"),
                       QStringLiteral("The report's records do not carry their ID."));
    }
    ids.reserve(m_bookmarks.size());
    for (int r = 0; r < recordCount(); ++r) {
        moveTo(r);
        ids.push_back(m_rs->value(id).toLongLong());
    }
    return ids;
}

void DataReport::layOut() {
    m_bookmarks.clear();
    m_cursor = -1;
    m_fieldPositions.clear();
    if (m_rs && m_rs->isOpen()) {
        const int id = m_only ? fieldPosition(QStringLiteral("ID")) : -1;
        std::unordered_map<std::int64_t, RecordSet::Bookmark> byId;
        if (m_rs->recordCount() > 0) {
            m_bookmarks.reserve(size_t(m_rs->recordCount()));
            if (id >= 0)
                byId.reserve(size_t(m_rs->recordCount()));
            for (m_rs->moveFirst(); !m_rs->eof(); m_rs->moveNext()) {
                if (id >= 0) {
                    // The ID's stored text read in place: a list of many records is laid out
                    // without a conversion per record.
                    std::string_view text;
                    std::int64_t key = 0;
                    if (!m_rs->peekUtf8(id, text) ||
                        std::from_chars(text.data(), text.data() + text.size(), key).ptr !=
                            text.data() + text.size())
                        key = m_rs->value(id).toLongLong();
                    byId.emplace(key, m_rs->bookmark());
                } else if (!m_only) {
                    m_bookmarks.push_back(m_rs->bookmark());
                }
            }
            m_rs->moveFirst();
        }
        if (m_only) {
            for (const std::int64_t wanted : *m_only) {
                if (const auto it = byId.find(wanted); it != byId.end())
                    m_bookmarks.push_back(it->second);
            }
        }
        if (!m_bookmarks.empty()) {
            m_rs->setBookmark(m_bookmarks.front());
            m_cursor = 0;
        }
    }

    // Every band has a fixed height, so the pages follow from the number of records alone.
    m_pages.clear();
    const int records = static_cast<int>(m_bookmarks.size());
    const double footerTop = m_bottom - m_pageFooter->height();
    const double detail = detailHeight();
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

void DataReport::moveTo(int record) const {
    const RecordSet::Bookmark wanted = m_bookmarks[size_t(record)];
    if (m_rs->hasCurrentRecord() && m_rs->bookmark() == wanted)
        return;
    // Pages are drawn in order, so the next record is usually a step or two away; a search
    // for the bookmark is for jumps, and for records in an order of their own (the grid's),
    // where a step may lead off either end of the record set.
    if (!m_only && m_cursor >= 0 && std::abs(record - m_cursor) <= 8 && m_rs->hasCurrentRecord() &&
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

// Fields are found by name whatever their case; -1 for a field the query left out.
int DataReport::fieldPosition(const QString& field) const {
    auto it = m_fieldPositions.constFind(field);
    if (it == m_fieldPositions.cend()) {
        int position = -1;
        for (int i = 0; m_rs && i < m_rs->fieldCount() && position < 0; ++i) {
            if (m_rs->fieldName(i).compare(field, Qt::CaseInsensitive) == 0)
                position = i;
        }
        it = m_fieldPositions.insert(field, position);
    }
    return it.value();
}

QString DataReport::fieldText(int record, const QString& field) const {
    if (!m_rs || record < 0 || record >= recordCount())
        return {};
    const int position = fieldPosition(field);  // a field the query left out prints nothing
    if (position < 0)
        return {};
    moveTo(record);
    const QVariant v = m_rs->value(position);
    if (v.isNull())
        return {};
    return collection::trimSpaces(singleLine(v.toString()));
}

QVector<ReportItem> DataReport::pageItems(int page) const {
    QVector<ReportItem> items;
    if (page < 1 || page > pageCount())
        return items;
    items.reserve(64);
    const Page& p = m_pages[size_t(page - 1)];
    double y = addHeaders(items, page, p.reportHeader);
    for (int r = p.firstRecord; r < p.firstRecord + p.records; ++r) {
        addBand(items, *m_detail, y, r, page);
        addExtraLines(items, y, r);
        y += detailHeight();
    }
    if (p.reportFooter)
        addBand(items, *m_reportFooter, y, -1, page);
    addBand(items, *m_pageFooter, m_bottom - m_pageFooter->height(), -1, page);
    return items;
}

}  // namespace kbs
