#include "FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <numeric>
#include <optional>

#include "Twips.h"

namespace kbs {

namespace {
constexpr int kDefaultColWidthTwips = 1000;

// A cell reads as a number when its text, blanks around it aside, is a whole decimal number.
std::optional<double> numberOf(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (s.empty() || s.size() > 64)
        return std::nullopt;
    // Reject what strtod would take but a person does not read as a number.
    for (char ch : s) {
        if (!(std::isdigit(static_cast<unsigned char>(ch)) || ch == '.' || ch == ',' || ch == '-' ||
              ch == '+' || ch == 'e' || ch == 'E'))
            return std::nullopt;
    }
    char buf[65];
    std::memcpy(buf, s.data(), s.size());
    buf[s.size()] = 0;
    std::replace(buf, buf + s.size(), ',', '.');
    // Read the same in every locale: the program runs in the person's own, where strtod may
    // take a comma and refuse the point.
    const char* first = buf;
    if (*first == '+' && first[1] != '-' && first[1] != '+')
        ++first;
    double d = 0;
    const auto [end, ec] = std::from_chars(first, buf + s.size(), d);
    if (ec != std::errc() || end != buf + s.size())
        return std::nullopt;
    return d;
}
}  // namespace

// ---------------------------------------------------------------- model

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) {
    m_slices.setSingleShot(true);
    connect(&m_slices, &QTimer::timeout, this, &FlexGridModel::runSlice);
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols + int(m_ownIds.size());
}

void FlexGridModel::setOwnColumns(OwnValues values, const std::vector<ownfields::Field>& fields) {
    beginResetModel();
    m_ownValues = std::move(values);
    m_ownIds.clear();
    m_ownHeadings.clear();
    for (const ownfields::Field& f : fields) {
        m_ownIds.push_back(f.id);
        m_ownHeadings << f.name;
    }
    endResetModel();
}

// A collector's own field's value in a body row, as the panel shows it.
QString FlexGridModel::ownCell(int bodyRow, int col) const {
    const size_t own = size_t(col - m_cols);
    const ownfields::AllValues* all = m_ownValues ? m_ownValues() : nullptr;
    if (!all || !m_source || own >= m_ownIds.size() || bodyRow < 0 ||
        bodyRow >= int(m_rows.size()) || m_rows[size_t(bodyRow)] == kBlank)
        return {};
    for (size_t f = 0; f < all->fields.size(); ++f) {
        if (all->fields[f].id == m_ownIds[own])
            return ownfields::display(all->fields[f],
                                      all->valueOf(m_source->keyAt(m_rows[size_t(bodyRow)]), f));
    }
    return {};
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    if (index.column() >= m_cols)
        return ownCell(index.row(), index.column());
    // A cell shows far less than this; decoding and laying out megabytes of text would freeze
    // the grid. The cut falls on a whole UTF-8 character.
    constexpr size_t kMaxShownBytes = 4000;
    std::string_view utf8 = cellUtf8(index.row(), index.column());
    if (utf8.size() <= kMaxShownBytes)
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    size_t end = kMaxShownBytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return QString::fromUtf8(utf8.data(), qsizetype(end)) + QChar(0x2026);
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Horizontal)
        return heading(section);
    return section + 1;
}

// Shaping and clearing make blank rows, which no filter narrows.
void FlexGridModel::reshape(int bodyRows, int cols) {
    beginResetModel();
    m_pass.running = false;
    m_slices.stop();
    m_cols = std::max(0, cols);
    m_headings.resize(m_cols);
    m_rows.resize(size_t(std::max(0, bodyRows)), kBlank);
    m_order = m_rows;
    endResetModel();
}

void FlexGridModel::clearCells() {
    beginResetModel();
    m_pass.running = false;
    m_slices.stop();
    std::fill(m_rows.begin(), m_rows.end(), kBlank);
    m_order = m_rows;
    for (auto& h : m_headings)
        h.clear();
    endResetModel();
}

void FlexGridModel::showRecords(const RecordSet& rs) {
    beginResetModel();
    m_source = &rs;
    m_order = rs.slotsInOrder();
    m_rows = m_order;
    endResetModel();
    if (isFiltered()) {
        const RecordFilter filter = m_filter;
        const GroupChoice group = m_group;
        m_filter = RecordFilter();
        m_group = GroupChoice();
        narrow(filter, group);
    }
}

void FlexGridModel::detach() {
    beginResetModel();
    if (m_longs)
        m_longs->search({}, {});
    m_pass.running = false;
    m_slices.stop();
    m_source = nullptr;
    std::fill(m_rows.begin(), m_rows.end(), kBlank);
    m_order = m_rows;
    endResetModel();
}

std::string_view FlexGridModel::slotText(Slot slot, int col) const {
    if (!m_source || col < 0 || col >= m_cols || slot == kBlank)
        return {};
    return m_source->shownUtf8At(slot, col, m_scratch);
}

std::string_view FlexGridModel::cellUtf8(int bodyRow, int col) const {
    if (bodyRow < 0 || bodyRow >= int(m_rows.size()))
        return {};
    return slotText(m_rows[size_t(bodyRow)], col);
}

QString FlexGridModel::cell(int bodyRow, int col) const {
    if (col >= m_cols)
        return ownCell(bodyRow, col);
    const auto s = cellUtf8(bodyRow, col);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString FlexGridModel::heading(int col) const {
    if (col >= m_cols)
        return m_ownHeadings.value(col - m_cols);
    return col >= 0 && col < m_headings.size() ? m_headings.at(col) : QString();
}

void FlexGridModel::setHeading(int col, const QString& text) {
    if (col >= m_cols && col - m_cols < m_ownHeadings.size()) {
        m_ownHeadings[col - m_cols] = text;
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    if (col < 0 || col >= m_cols)
        return;
    m_headings[col] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
}

int FlexGridModel::rowOfSlot(Slot slot) const {
    const auto it = std::find(m_rows.begin(), m_rows.end(), slot);
    return it == m_rows.end() ? -1 : int(it - m_rows.begin());
}

void FlexGridModel::slotChanged(Slot slot) {
    m_appliedExact = false;
    ++m_changes;
    pin(slot);
    const int r = rowOfSlot(slot);
    if (r >= 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
}

void FlexGridModel::appendSlot(Slot slot) {
    m_order.push_back(slot);
    pin(slot);
    const int r = int(m_rows.size());
    beginInsertRows({}, r, r);
    m_rows.push_back(slot);
    endInsertRows();
}

void FlexGridModel::insertSlot(Slot slot, int bodyRow) {
    const int r = std::clamp(bodyRow, 0, int(m_rows.size()));
    // In the order of every record too, after the record above it, so that the next filter
    // finds it.
    const auto after =
        r == 0 ? m_order.end() : std::find(m_order.begin(), m_order.end(), m_rows[size_t(r) - 1]);
    m_order.insert(after == m_order.end() ? m_order.begin() + std::min<std::ptrdiff_t>(
                                                                  r, std::ptrdiff_t(m_order.size()))
                                          : after + 1,
                   slot);
    pin(slot);
    beginInsertRows({}, r, r);
    m_rows.insert(m_rows.begin() + r, slot);
    endInsertRows();
}

void FlexGridModel::removeSlot(Slot slot) {
    m_order.erase(std::remove(m_order.begin(), m_order.end(), slot), m_order.end());
    m_pinned.erase(std::remove(m_pinned.begin(), m_pinned.end(), slot), m_pinned.end());
    const int r = rowOfSlot(slot);
    if (r < 0)
        return;
    beginRemoveRows({}, r, r);
    m_rows.erase(m_rows.begin() + r);
    endRemoveRows();
}

namespace {
// A distinct text of the sort column. A plain ASCII text is compared in place, byte by byte
// with A to Z folded, which orders exactly as the same QString would; its first eight folded
// bytes decide most comparisons at once. Any other text is held as a QString.
struct SortText {
    bool ascii = false;
    std::uint64_t prefix = 0;
    std::string_view bytes;
    std::string_view lower;  // bytes with A to Z folded, for an ASCII text
    QString text;
};

unsigned char folded(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return (ch & 0x80) == 0; });
}

int compareBytes(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int compareTexts(const SortText& x, const SortText& y, Qt::CaseSensitivity cs) {
    if (x.ascii && y.ascii) {
        if (cs == Qt::CaseSensitive)
            return compareBytes(x.bytes, y.bytes);
        if (x.prefix != y.prefix)
            return x.prefix < y.prefix ? -1 : 1;
        return compareBytes(x.lower, y.lower);
    }
    const QLatin1StringView lx(x.bytes.data(), qsizetype(x.bytes.size()));
    const QLatin1StringView ly(y.bytes.data(), qsizetype(y.bytes.size()));
    if (x.ascii)
        return -QString::compare(y.text, lx, cs);
    if (y.ascii)
        return QString::compare(x.text, ly, cs);
    return QString::compare(x.text, y.text, cs);
}

// Without regard to case first, then exactly.
int compareTexts(const SortText& x, const SortText& y) {
    const int ci = compareTexts(x, y, Qt::CaseInsensitive);
    return ci != 0 ? ci : compareTexts(x, y, Qt::CaseSensitive);
}

// The distinct texts of a column, each folded once: a row refers to its text by number.
class TextTable {
public:
    explicit TextTable(size_t rows) {
        size_t size = 16;
        while (size < 2 * rows)
            size *= 2;
        m_index.assign(size, kEmpty);
    }
    // The number of s, which must stay where it is while the table is used.
    std::uint32_t intern(std::string_view s) {
        const size_t mask = m_index.size() - 1;
        for (size_t i = std::hash<std::string_view>{}(s)&mask;; i = (i + 1) & mask) {
            if (m_index[i] == kEmpty) {
                m_index[i] = std::uint32_t(m_texts.size());
                m_texts.push_back(make(s));
                return m_index[i];
            }
            if (m_texts[m_index[i]].bytes == s)
                return m_index[i];
        }
    }
    // Each distinct text's rank in ascending order; texts that compare equal share one.
    std::vector<std::uint32_t> ranks() const {
        struct Item {
            std::uint64_t prefix;
            std::uint32_t id;
            bool ascii;
        };
        std::vector<Item> items(m_texts.size());
        for (std::uint32_t i = 0; i < items.size(); ++i)
            items[i] = Item{m_texts[i].prefix, i, m_texts[i].ascii};
        std::sort(items.begin(), items.end(), [this](const Item& a, const Item& b) {
            if (a.ascii && b.ascii && a.prefix != b.prefix)
                return a.prefix < b.prefix;
            return compareTexts(m_texts[a.id], m_texts[b.id]) < 0;
        });
        std::vector<std::uint32_t> rank(m_texts.size());
        std::uint32_t r = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            if (i > 0 && compareTexts(m_texts[items[i - 1].id], m_texts[items[i].id]) != 0)
                ++r;
            rank[items[i].id] = r;
        }
        return rank;
    }

private:
    static constexpr std::uint32_t kEmpty = ~std::uint32_t(0);

    SortText make(std::string_view s) {
        SortText t;
        t.bytes = s;
        t.ascii = isAscii(s);
        if (!t.ascii) {
            t.text = QString::fromUtf8(s.data(), qsizetype(s.size()));
            return t;
        }
        for (size_t i = 0; i < 8; ++i)
            t.prefix = (t.prefix << 8) | (i < s.size() ? folded(s[i]) : 0u);
        if (m_lowered.empty() || m_lowered.back().size() + s.size() > m_lowered.back().capacity()) {
            m_lowered.emplace_back();
            m_lowered.back().reserve(std::max<size_t>(s.size(), 1 << 20));
        }
        std::string& piece = m_lowered.back();
        const size_t at = piece.size();
        for (char ch : s)
            piece.push_back(char(folded(ch)));
        t.lower = std::string_view(piece.data() + at, s.size());
        return t;
    }

    std::vector<std::uint32_t> m_index;
    std::vector<SortText> m_texts;
    std::deque<std::string> m_lowered;  // the folded texts, in large pieces
};
}  // namespace

void FlexGridModel::sortBy(int col, bool ascending) {
    if (col >= m_cols && size_t(col - m_cols) < m_ownIds.size()) {
        // A collector's own field: by its values, of its kind.
        const ownfields::AllValues* all = m_ownValues ? m_ownValues() : nullptr;
        for (size_t f = 0; all && f < all->fields.size(); ++f) {
            if (all->fields[f].id == m_ownIds[size_t(col - m_cols)])
                sortByOwnField(*all, f, ascending);
        }
        return;
    }
    if (col < 0 || col >= m_cols)
        return;
    sortOrder([this, col](Slot slot) { return slotText(slot, col); }, ascending);
}

void FlexGridModel::sortByOwnField(const ownfields::AllValues& all, std::size_t field,
                                   bool ascending) {
    if (!m_source || field >= all.fields.size())
        return;
    // Each distinct value made UTF-8 once; a record finds its own by its code.
    const ownfields::AllValues::Pool& pool = all.pool(field);
    std::vector<std::string> utf8;
    utf8.reserve(pool.texts.size());
    for (const QString& text : pool.texts)
        utf8.push_back(text.toStdString());
    const std::vector<std::uint32_t>& codes = all.codes(field);
    sortOrder(
        [this, &all, &codes, &utf8](Slot slot) -> std::string_view {
            const auto row = all.rowOf(m_source->keyAt(slot));
            const std::uint32_t code = row ? codes[*row] : 0;
            return code ? std::string_view(utf8[code - 1]) : std::string_view();
        },
        ascending);
}

template <class TextOf>
void FlexGridModel::sortOrder(TextOf readText, bool ascending) {
    if (m_order.size() < 2)
        return;
    const size_t n = m_order.size();
    // Each cell is read once: a number, or one of the column's distinct texts.
    std::vector<std::pair<double, std::uint32_t>> numbers;  // value, row
    constexpr std::uint32_t kNumber = ~std::uint32_t(0);
    std::vector<std::uint32_t> textOf(n, kNumber);
    TextTable table(n);
    std::deque<std::string> lazy;  // texts read from the database, kept for the sort
    for (size_t r = 0; r < n; ++r) {
        std::string_view s = readText(m_order[r]);
        if (auto v = numberOf(s)) {
            numbers.emplace_back(*v, std::uint32_t(r));
            continue;
        }
        if (s.data() == m_scratch.data() && !s.empty()) {
            lazy.emplace_back(s);
            s = lazy.back();
        }
        textOf[r] = table.intern(s);
    }
    // Numbers by value; texts by rank, counted out so that equal ones keep their order.
    if (ascending)
        std::stable_sort(numbers.begin(), numbers.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    else
        std::stable_sort(numbers.begin(), numbers.end(),
                         [](const auto& a, const auto& b) { return b.first < a.first; });
    const std::vector<std::uint32_t> rank = table.ranks();
    std::vector<std::uint32_t> start(rank.size() + 1, 0);
    for (size_t r = 0; r < n; ++r) {
        if (textOf[r] != kNumber) {
            const std::uint32_t k = rank[textOf[r]];
            ++start[ascending ? k + 1 : rank.size() - k];
        }
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    const size_t textCount = n - numbers.size();
    const size_t textsAt = ascending ? numbers.size() : 0;
    const size_t numbersAt = ascending ? 0 : textCount;
    std::vector<Slot> sorted(n);
    for (size_t i = 0; i < numbers.size(); ++i)
        sorted[numbersAt + i] = m_order[numbers[i].second];
    for (size_t r = 0; r < n; ++r) {
        if (textOf[r] != kNumber) {
            const std::uint32_t k = rank[textOf[r]];
            sorted[textsAt + start[ascending ? k : rank.size() - 1 - k]++] = m_order[r];
        }
    }
    m_order = std::move(sorted);
    if (!isFiltered()) {
        Q_EMIT layoutAboutToBeChanged();
        m_rows = m_order;
        Q_EMIT layoutChanged();
        return;
    }
    // The same rows, in the new order.
    std::vector<Slot> shown;
    shown.reserve(m_rows.size());
    for (Slot s : m_order) {
        if (s < m_let.size() && m_let[s])
            shown.push_back(s);
    }
    if (shown.size() != m_rows.size()) {
        beginResetModel();
        m_rows = std::move(shown);
        endResetModel();
        return;
    }
    Q_EMIT layoutAboutToBeChanged();
    m_rows = std::move(shown);
    Q_EMIT layoutChanged();
}

// ---------------------------------------------------------------- view

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent) {
    setModel(&m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultSectionSize(twipsToPixelsX(kDefaultColWidthTwips));
    // Heading clicks are the grid's Click on row 0; they neither select nor sort by themselves.
    disconnect(horizontalHeader(), &QHeaderView::sectionPressed, this, &QTableView::selectColumn);
    disconnect(horizontalHeader(), &QHeaderView::sectionEntered, this, nullptr);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        m_mouseRow = 0;
        m_mouseCol = section;
        Q_EMIT Click();
    });
    setTabKeyNavigation(false);
}

void FlexGrid::setRows(int n) {
    m_model.reshape(n - m_fixedRows, m_model.columnCount());
    if (m_row >= rows())
        m_row = m_rowSel = std::max(0, rows() - 1);
    syncView();
}

void FlexGrid::setCols(int n) {
    m_model.reshape(m_model.rowCount(), n);
    if (m_col >= n)
        m_col = m_colSel = std::max(0, n - 1);
    horizontalHeader()->setVisible(m_fixedRows > 0);
    syncView();
}

void FlexGrid::setFixedRows(int n) {
    n = std::clamp(n, 0, 1);
    if (n == m_fixedRows)
        return;
    const int total = rows();
    m_fixedRows = n;
    m_model.reshape(total - n, m_model.columnCount());
    horizontalHeader()->setVisible(n > 0);
    syncView();
}

void FlexGrid::moveCurrent(int r, int c, bool extend) {
    r = std::clamp(r, 0, std::max(0, rows() - 1));
    c = std::clamp(c, 0, std::max(0, cols() - 1));
    if (extend) {
        if (r != m_rowSel || c != m_colSel) {
            m_rowSel = r;
            m_colSel = c;
            syncView();
            Q_EMIT SelChange();
        }
        return;
    }
    const bool moved = r != m_row || c != m_col;
    const bool selChanged = r != m_rowSel || c != m_colSel;
    m_row = m_rowSel = r;
    m_col = m_colSel = c;
    syncView();
    if (selChanged)
        Q_EMIT SelChange();
    if (moved && r >= m_fixedRows)
        Q_EMIT EnterCell();
}

void FlexGrid::setRow(int r) {
    moveCurrent(r, m_col, false);
}
void FlexGrid::setCol(int c) {
    moveCurrent(m_row, c, false);
}

void FlexGrid::setRowQuietly(int r) {
    m_row = m_rowSel = std::clamp(r, 0, std::max(0, rows() - 1));
    m_colSel = m_col;
    syncView();
}

void FlexGrid::setRowSel(int r) {
    m_rowSel = std::clamp(r, 0, std::max(0, rows() - 1));
    syncView();
}

void FlexGrid::setColSel(int c) {
    m_colSel = std::clamp(c, 0, std::max(0, cols() - 1));
    syncView();
}

// Shows Row/Col and the selected range in the view.
void FlexGrid::syncView() {
    m_syncing = true;
    auto* sm = selectionModel();
    if (m_row < m_fixedRows || m_model.rowCount() == 0) {
        sm->clearSelection();
        sm->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const int top = std::min(m_row, m_rowSel) - m_fixedRows;
        const int bottom = std::max(m_row, m_rowSel) - m_fixedRows;
        int left = std::min(m_col, m_colSel);
        int right = std::max(m_col, m_colSel);
        if (m_selectionMode == 1) {
            left = 0;
            right = cols() - 1;
        }
        const QItemSelection sel(m_model.index(std::max(0, top), std::max(0, left)),
                                 m_model.index(std::max(0, bottom), std::max(0, right)));
        sm->setCurrentIndex(m_model.index(m_row - m_fixedRows, m_col),
                            QItemSelectionModel::NoUpdate);
        sm->select(sel, QItemSelectionModel::ClearAndSelect);
        scrollTo(m_model.index(m_rowSel - m_fixedRows, std::max(m_colSel, 1)));
    }
    m_syncing = false;
}

int FlexGrid::gridRowAt(const QPoint& pos) const {
    const int r = rowAt(pos.y());
    return r < 0 ? -1 : r + m_fixedRows;
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const int r = gridRowAt(event->position().toPoint());
    const int c = columnAt(event->position().toPoint().x());
    if (r < 0 || c < 0)
        return;
    m_mouseRow = r;
    m_mouseCol = c;
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        moveCurrent(r, c, (event->modifiers() & Qt::ShiftModifier) != 0);
    }
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    const QPoint p = event->position().toPoint();
    int r = gridRowAt(p);
    if (r < 0)
        r = p.y() < 0 ? m_fixedRows : rows() - 1;
    const int c = std::max(0, columnAt(p.x()));
    m_mouseRow = r;
    m_mouseCol = c;
    moveCurrent(r, c, true);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    m_dragging = false;
    const int r = gridRowAt(event->position().toPoint());
    const int c = columnAt(event->position().toPoint().x());
    if (r >= 0)
        m_mouseRow = r;
    if (c >= 0)
        m_mouseCol = c;
    Q_EMIT Click();
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    int r = m_rowSel;
    int c = m_colSel;
    const int page = std::max(1, viewport()->height() / std::max(1, rowHeight(0)) - 1);
    switch (event->key()) {
        case Qt::Key_Up:
            r -= 1;
            break;
        case Qt::Key_Down:
            r += 1;
            break;
        case Qt::Key_Left:
            c = shownNeighbour(c, -1);
            break;
        case Qt::Key_Right:
            c = shownNeighbour(c, +1);
            break;
        case Qt::Key_PageUp:
            r -= page;
            break;
        case Qt::Key_PageDown:
            r += page;
            break;
        case Qt::Key_Home:
            r = (event->modifiers() & Qt::ControlModifier) ? m_fixedRows : r;
            c = shownNeighbour(-1, +1);
            break;
        case Qt::Key_End:
            r = (event->modifiers() & Qt::ControlModifier) ? rows() - 1 : r;
            c = shownNeighbour(-1, -1);
            break;
        default: {
            // Other keys the view handles itself; a move it makes is a move of ours.
            const QModelIndex before = currentIndex();
            QTableView::keyPressEvent(event);
            const QModelIndex after = currentIndex();
            if (after.isValid() && after != before)
                moveCurrent(after.row() + m_fixedRows, after.column(), false);
            else
                syncView();
            return;
        }
    }
    r = std::clamp(r, m_fixedRows, std::max(m_fixedRows, rows() - 1));
    if (rows() <= m_fixedRows)
        return;
    moveCurrent(r, c, (event->modifiers() & Qt::ShiftModifier) != 0);
}

// The next column shown in the headings' order, left (-1) or right (+1) of column c; from
// c = -1 the first (+1) or the last (-1) one shown. Column c itself when none is shown there.
int FlexGrid::shownNeighbour(int c, int step) const {
    const QHeaderView* heads = horizontalHeader();
    const int n = heads->count();
    int visual = c < 0 ? (step > 0 ? -1 : n) : heads->visualIndex(c);
    for (visual += step; visual >= 0 && visual < n; visual += step) {
        const int logical = heads->logicalIndex(visual);
        if (!heads->isSectionHidden(logical))
            return logical;
    }
    return c < 0 ? m_col : c;
}

QString FlexGrid::textMatrix(int r, int c) const {
    if (r < m_fixedRows)
        return m_model.heading(c);
    return m_model.cell(r - m_fixedRows, c);
}

std::string_view FlexGrid::textMatrixUtf8(int r, int c) const {
    return m_model.cellUtf8(r - m_fixedRows, c);
}

void FlexGrid::setTextMatrix(int r, int c, const QString& text) {
    if (r < m_fixedRows)
        m_model.setHeading(c, text);
}

int FlexGrid::colWidth(int c) const {
    if (isColumnHidden(c))
        return 0;
    return pixelsToTwipsX(columnWidth(c));
}

void FlexGrid::setColWidth(int c, int twips) {
    if (twips <= 0) {
        setColumnHidden(c, true);
        return;
    }
    setColumnHidden(c, false);
    setColumnWidth(c, twipsToPixelsX(twips));
}

void FlexGrid::setSort(int how) {
    if (how != 1 && how != 2)
        return;
    m_model.sortBy(m_col, how == 1);
    syncView();
}

void FlexGrid::setSelectionModeValue(int mode) {
    m_selectionMode = mode;
    setSelectionBehavior(mode == 1 ? QAbstractItemView::SelectRows
                                   : QAbstractItemView::SelectItems);
    syncView();
}

void FlexGrid::clear() {
    m_model.clearCells();
    syncView();
}

}  // namespace kbs
