#include "DuplicatesReport.h"

#include <charconv>

namespace kbs {

namespace {

constexpr double kHeadsHeight = 300;
constexpr double kRowHeight = 250;  // as PagedReport::TableRowHeight
constexpr double kNoteHeight = 420;
constexpr int kPoints = 8;  // eleven columns across the page
const QString kSection = QStringLiteral("Duplicates");

// Short headings: eleven columns share the width of the page.
const std::vector<ReportTableColumn> kColumns = {
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Description"), 0, 1700, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Nr. #"), 1700, 560, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Ver. #"), 2260, 560, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Series"), 2820, 1000, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Color"), 3820, 800, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Interior"), 4620, 760, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Base plate"), 5380, 1000, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Base color"), 6380, 920, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Wheels"), 7300, 760, false},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Qty"), 8060, 400, true},
    {QT_TRANSLATE_NOOP("kbs::DuplicatesReport", "Stored in"), 8460, 900, false},
};

}  // namespace

void DuplicatesReport::Records::add(const RecordSet& rs, RecordSet::Slot slot, int model) {
    std::string scratch;
    const std::string_view id = rs.shownUtf8At(slot, collection::at("ID"), scratch);
    std::int64_t n = 0;
    std::from_chars(id.data(), id.data() + id.size(), n);
    m_ids.push_back(n);
    m_models.push_back(model);
    for (const int field : Fields) {
        m_texts += rs.shownUtf8At(slot, field, scratch);
        m_ends.push_back(std::uint32_t(m_texts.size()));
    }
}

void DuplicatesReport::Records::reserve(size_t records) {
    m_ids.reserve(records);
    m_models.reserve(records);
    m_ends.reserve(records * ColumnCount);
}

QString DuplicatesReport::Records::text(size_t record, int column) const {
    const size_t at = record * ColumnCount + size_t(column);
    const size_t begin = at == 0 ? 0 : m_ends[at - 1];
    return collection::trimSpaces(
        singleLine(QString::fromUtf8(m_texts.data() + begin, qsizetype(m_ends[at] - begin))));
}

DuplicatesReport::DuplicatesReport(QObject* parent) : LinedReport(parent) {
    addCommonSections();
    setPageSize(QPageSize(QPageSize::Letter));
}

void DuplicatesReport::open(const QString& catalogueFile, Records records) {
    m_records = std::move(records);
    setCatalogueFile(catalogueFile);
    layOut();
}

std::optional<std::vector<std::int64_t>> DuplicatesReport::recordIds() const {
    std::vector<std::int64_t> ids;
    ids.reserve(m_records.size());
    for (size_t r = 0; r < m_records.size(); ++r)
        ids.push_back(m_records.id(r));
    return ids;
}

void DuplicatesReport::release() {
    m_records = Records();
    layOut();
}

// The column heads at the top of every page, then a row per record. A row that goes on with a
// model from the page before is `continued`: it shows the variation again.
void DuplicatesReport::layOut() {
    Layout layout(*this);
    if (m_records.size() == 0)
        layout.place(Line::Note, 0, -1, kNoteHeight);
    else
        layout.place(Line::Heads, 0, -1, kHeadsHeight);
    for (int row = 0; row < int(m_records.size()); ++row) {
        const bool broken = !layout.fits(kRowHeight);
        if (broken) {
            layout.newPage();
            layout.place(Line::Heads, 0, -1, kHeadsHeight);
        }
        const int model = m_records.model(size_t(row));
        layout.place(Line::Row, model, row, kRowHeight,
                     broken && row > 0 && m_records.model(size_t(row) - 1) == model);
    }
    layout.end();
    Q_EMIT changed();
}

void DuplicatesReport::addLineItems(QVector<ReportItem>& items, const Line& line) const {
    if (line.kind == Line::Note) {
        addTitle(items, kSection, line, tr("No duplicates."), QStringLiteral("Note"));
        return;
    }
    const bool heads = line.kind == Line::Heads;
    QStringList texts;
    if (heads) {
        texts = headings("kbs::DuplicatesReport", kColumns);
        addHeadsRule(items, kSection, line, kHeadsHeight);
    } else {
        const size_t r = size_t(line.row);
        const bool first = r == 0 || m_records.model(r - 1) != m_records.model(r);
        for (int c = 0; c < ColumnCount; ++c) {
            // The variation once per model: the rows under it differ in the rest only.
            const bool shown = c >= VariationCount || first || line.continued;
            texts << (shown ? m_records.text(r, c) : QString());
        }
        // One shade for the rows of a model, the next model on the other.
        if (line.table % 2 == 1)
            items.push_back(lineItem(ReportItem::Kind::Box, kSection, QStringLiteral("Stripe"),
                                     line.row, {0, 0, BandWidth, kRowHeight}, line.top, {},
                                     reportFont(kPoints, false), 0, Stripe));
    }
    addTableLine(items, kSection, line.row, line.top, kColumns, texts, heads, kPoints);
}

}  // namespace kbs
