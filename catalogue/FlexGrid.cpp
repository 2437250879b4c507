#include "FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <optional>

#include "Twips.h"

namespace kbs {

namespace {
constexpr int kDefaultColWidthTwips = 1000;

std::uint32_t readEnd(const std::string& row, int c) {
    std::uint32_t v;
    std::memcpy(&v, row.data() + size_t(c) * sizeof v, sizeof v);
    return v;
}

// A cell reads as a number when its text, blanks around it aside, is a whole decimal number.
std::optional<double> numberOf(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (s.empty() || s.size() > 64)
        return std::nullopt;
    char buf[65];
    std::memcpy(buf, s.data(), s.size());
    buf[s.size()] = 0;
    // Reject what strtod would take but a person does not read as a number.
    for (char ch : s) {
        if (!(std::isdigit(static_cast<unsigned char>(ch)) || ch == '.' || ch == ',' || ch == '-' ||
              ch == '+' || ch == 'e' || ch == 'E'))
            return std::nullopt;
    }
    for (char& ch : buf) {
        if (ch == ',')
            ch = '.';
    }
    char* end = nullptr;
    const double d = std::strtod(buf, &end);
    if (end != buf + s.size())
        return std::nullopt;
    return d;
}
}  // namespace

// ---------------------------------------------------------------- model

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
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

std::string FlexGridModel::packRow(const std::string_view* cells, int n, int cols) {
    size_t payload = 0;
    for (int c = 0; c < n && c < cols; ++c)
        payload += cells[c].size();
    const size_t header = size_t(cols) * sizeof(std::uint32_t);
    std::string row(header + payload, '\0');
    std::uint32_t end = std::uint32_t(header);
    for (int c = 0; c < cols; ++c) {
        if (c < n && !cells[c].empty()) {
            std::memcpy(row.data() + end, cells[c].data(), cells[c].size());
            end += std::uint32_t(cells[c].size());
        }
        std::memcpy(row.data() + size_t(c) * sizeof end, &end, sizeof end);
    }
    return row;
}

void FlexGridModel::reshape(int bodyRows, int cols) {
    beginResetModel();
    bodyRows = std::max(0, bodyRows);
    cols = std::max(0, cols);
    if (cols != m_cols) {
        // Re-pack every row for the new column count.
        std::vector<std::string_view> cells;
        for (auto& r : m_rows) {
            cells.clear();
            for (int c = 0; c < std::min(cols, m_cols); ++c) {
                const std::uint32_t b = c == 0 ? std::uint32_t(m_cols * 4) : readEnd(r, c - 1);
                cells.emplace_back(r.data() + b, readEnd(r, c) - b);
            }
            r = packRow(cells.data(), int(cells.size()), cols);
        }
        m_headings.resize(cols);
        m_cols = cols;
    }
    const std::string empty = packRow(nullptr, 0, m_cols);
    m_rows.resize(size_t(bodyRows), empty);
    endResetModel();
}

void FlexGridModel::clearCells() {
    beginResetModel();
    const std::string empty = packRow(nullptr, 0, m_cols);
    for (auto& r : m_rows)
        r = empty;
    for (auto& h : m_headings)
        h.clear();
    endResetModel();
}

std::string_view FlexGridModel::cellUtf8(int bodyRow, int col) const {
    if (bodyRow < 0 || bodyRow >= int(m_rows.size()) || col < 0 || col >= m_cols)
        return {};
    const std::string& r = m_rows[size_t(bodyRow)];
    const std::uint32_t b = col == 0 ? std::uint32_t(m_cols * 4) : readEnd(r, col - 1);
    return std::string_view(r.data() + b, readEnd(r, col) - b);
}

QString FlexGridModel::cell(int bodyRow, int col) const {
    const auto s = cellUtf8(bodyRow, col);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void FlexGridModel::setCell(int bodyRow, int col, const QString& text) {
    if (bodyRow < 0 || bodyRow >= int(m_rows.size()) || col < 0 || col >= m_cols)
        return;
    std::vector<std::string> copies(static_cast<size_t>(m_cols));
    std::vector<std::string_view> cells(static_cast<size_t>(m_cols));
    for (int c = 0; c < m_cols; ++c)
        copies[size_t(c)] = std::string(cellUtf8(bodyRow, c));
    copies[size_t(col)] = text.toStdString();
    for (int c = 0; c < m_cols; ++c)
        cells[size_t(c)] = copies[size_t(c)];
    m_rows[size_t(bodyRow)] = packRow(cells.data(), m_cols, m_cols);
    const QModelIndex i = index(bodyRow, col);
    Q_EMIT dataChanged(i, i);
}

void FlexGridModel::setRowUtf8(int bodyRow, const std::string_view* cells, int n) {
    if (bodyRow < 0 || bodyRow >= int(m_rows.size()))
        return;
    m_rows[size_t(bodyRow)] = packRow(cells, n, m_cols);
}

QString FlexGridModel::heading(int col) const {
    return col >= 0 && col < m_headings.size() ? m_headings.at(col) : QString();
}

void FlexGridModel::setHeading(int col, const QString& text) {
    if (col < 0 || col >= m_cols)
        return;
    m_headings[col] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
}

void FlexGridModel::sortBy(int col, bool ascending) {
    if (col < 0 || col >= m_cols || m_rows.size() < 2)
        return;
    struct Key {
        bool isNumber;
        double number;
        QString text;
    };
    std::vector<Key> keys(m_rows.size());
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const auto s = cellUtf8(int(r), col);
        if (auto n = numberOf(s))
            keys[r] = Key{true, *n, {}};
        else
            keys[r] = Key{false, 0, QString::fromUtf8(s.data(), qsizetype(s.size()))};
    }
    auto less = [&](size_t a, size_t b) {
        const Key& x = keys[a];
        const Key& y = keys[b];
        if (x.isNumber != y.isNumber)
            return x.isNumber;
        if (x.isNumber)
            return x.number < y.number;
        const int ci = x.text.compare(y.text, Qt::CaseInsensitive);
        if (ci != 0)
            return ci < 0;
        return x.text < y.text;
    };
    std::vector<size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    if (ascending)
        std::stable_sort(order.begin(), order.end(), less);
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return less(b, a); });
    Q_EMIT layoutAboutToBeChanged();
    std::vector<std::string> sorted;
    sorted.reserve(m_rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(m_rows[i]));
    m_rows = std::move(sorted);
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
            c -= 1;
            break;
        case Qt::Key_Right:
            c += 1;
            break;
        case Qt::Key_PageUp:
            r -= page;
            break;
        case Qt::Key_PageDown:
            r += page;
            break;
        case Qt::Key_Home:
            r = (event->modifiers() & Qt::ControlModifier) ? m_fixedRows : r;
            c = 0;
            break;
        case Qt::Key_End:
            r = (event->modifiers() & Qt::ControlModifier) ? rows() - 1 : r;
            c = cols() - 1;
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
    else
        m_model.setCell(r - m_fixedRows, c, text);
}

void FlexGrid::setRowTexts(int r, const std::string_view* cells, int n) {
    if (r < m_fixedRows) {
        for (int c = 0; c < n; ++c) {
            m_model.setHeading(c, QString::fromUtf8(cells[c].data(), qsizetype(cells[c].size())));
        }
        return;
    }
    m_model.setRowUtf8(r - m_fixedRows, cells, n);
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
