#include "PickListPopup.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

namespace kbs {

namespace {

// The widths of single characters, looked up once each.
class CharWidths {
public:
    explicit CharWidths(const QFontMetrics& fm) : m_fm(fm) { m_latin1.fill(-1); }

    // The width of `text` as the sum of its characters' widths: no kerning, no shaping, but
    // close, and a hundred times faster than laying the text out.
    int estimate(const QString& text) {
        int width = 0;
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = text[i].unicode();
            if (c < 0x100) {
                int& w = m_latin1[c];
                if (w < 0)
                    w = m_fm.horizontalAdvance(QChar(c));
                width += w;
                continue;
            }
            char32_t code = c;
            qsizetype length = 1;
            if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate()) {
                code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
                length = 2;
            }
            auto it = m_other.find(code);
            if (it == m_other.end())
                it = m_other.insert(code, m_fm.horizontalAdvance(text.mid(i, length)));
            width += *it;
            i += length - 1;
        }
        return width;
    }

private:
    const QFontMetrics& m_fm;
    std::array<int, 256> m_latin1;
    QHash<char32_t, int> m_other;
};

// Rows measured exactly: the widest by estimate.
constexpr int kRowsMeasured = 64;

}  // namespace

PickListModel::PickListModel(int rows, TextOf textOf, EnabledOf enabledOf, QObject* parent)
    : QAbstractListModel(parent),
      m_rows(rows),
      m_textOf(std::move(textOf)),
      m_enabledOf(std::move(enabledOf)) {}

int PickListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

QVariant PickListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_textOf(index.row());
    return {};
}

QString PickListModel::text(int row) const {
    return row >= 0 && row < m_rows ? m_textOf(row) : QString();
}

Qt::ItemFlags PickListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (!isEnabled(index.row()))
        return Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool PickListModel::isEnabled(int row) const {
    return row >= 0 && row < m_rows && m_enabledOf(row);
}

PickListPopup::PickListPopup(const QString& title, int rows, PickListModel::TextOf textOf,
                             PickListModel::EnabledOf enabledOf, QWidget* parent)
    : QFrame(parent, Qt::Popup) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setWindowTitle(title);
    setAccessibleName(title);

    m_model = new PickListModel(rows, std::move(textOf), std::move(enabledOf), this);
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("pickList"));
    m_view->setAccessibleName(title);
    // Every row is one line of text: the view can place rows without asking for each one.
    m_view->setUniformItemSizes(true);
    m_view->setModel(m_model);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setTextElideMode(Qt::ElideRight);
    // The keys go to the popup, which handles them the way a menu does.
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setMouseTracking(true);
    m_view->viewport()->setMouseTracking(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    m_view->viewport()->installEventFilter(this);
    connect(m_view, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { choose(index.row()); });
}

PickListPopup::~PickListPopup() {
    if (m_loop)
        m_loop->exit();
}

int PickListPopup::textWidth() const {
    // Laying out every row of a long list would take longer than showing it: the rows are
    // ranked by the sum of their characters' widths and only the widest are measured.
    const int rows = m_model->rowCount();
    const QFontMetrics fm(m_view->font());
    CharWidths chars(fm);
    std::vector<std::pair<int, int>> estimates;  // width, row
    estimates.reserve(size_t(rows));
    for (int row = 0; row < rows; ++row)
        estimates.emplace_back(chars.estimate(m_model->text(row)), row);
    const size_t measured = std::min(estimates.size(), size_t(kRowsMeasured));
    std::partial_sort(estimates.begin(), estimates.begin() + qsizetype(measured), estimates.end(),
                      std::greater<>());
    int width = measured < estimates.size() ? estimates[measured].first : 0;
    for (size_t i = 0; i < measured; ++i)
        width = std::max(width, fm.horizontalAdvance(m_model->text(estimates[i].second)));
    return width;
}

QSize PickListPopup::preferredSize(const QRect& screen) const {
    const int rows = m_model->rowCount();
    const QFontMetrics fm(m_view->font());
    const int textWidth = this->textWidth();
    const int rowHeight = std::max(1, rows > 0 ? m_view->sizeHintForRow(0) : fm.height());
    const int frame = 2 * frameWidth();
    const int rowsShown = std::clamp((screen.height() - frame) / rowHeight, 1, std::max(1, rows));
    const int scrollBar = rowsShown < rows ? m_view->verticalScrollBar()->sizeHint().width() : 0;
    // Room on either side of the text, as a menu leaves it.
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1) +
        2 * fm.horizontalAdvance(QLatin1Char(' ')) * 2;
    const int width = std::min(textWidth + margins + scrollBar + frame, screen.width());
    return {std::max(width, fm.horizontalAdvance(QLatin1Char('M')) * 8),
            rowsShown * rowHeight + frame};
}

int PickListPopup::exec(const QPoint& pos) {
    QScreen* screen = QGuiApplication::screenAt(pos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(pos, QSize(800, 600));
    const QSize size = preferredSize(area);
    // Below and to the right of the point where there is room, otherwise above or to the
    // left of it, and never off the screen.
    int x = pos.x();
    if (x + size.width() > area.right() + 1)
        x = pos.x() - size.width();
    int y = pos.y();
    if (y + size.height() > area.bottom() + 1)
        y = pos.y() - size.height();
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    setGeometry(QRect(QPoint(x, y), size));

    m_chosen = -1;
    m_lastPointer = QCursor::pos();
    QEventLoop loop;
    m_loop = &loop;
    const QPointer<PickListPopup> self(this);
    show();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
    loop.exec();
    // The window that owns the list may have gone while it was up, and the list with it.
    if (!self)
        return -1;
    m_loop = nullptr;
    return m_chosen;
}

bool PickListPopup::eventFilter(QObject* watched, QEvent* event) {
    // The row under the pointer becomes the current one when the pointer moves, not when the
    // list scrolls under a pointer that stands still.
    if (watched == m_view->viewport() && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPoint global = move->globalPosition().toPoint();
        if (global != m_lastPointer) {
            m_lastPointer = global;
            const QModelIndex index = m_view->indexAt(move->position().toPoint());
            if (index.isValid() && m_model->isEnabled(index.row()) && index.row() != currentRow())
                moveTo(index.row());
        }
    }
    return QFrame::eventFilter(watched, event);
}

void PickListPopup::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (m_loop)
        m_loop->exit();
}

void PickListPopup::choose(int row) {
    if (!m_model->isEnabled(row))
        return;
    m_chosen = row;
    close();
}

void PickListPopup::moveTo(int row) {
    if (row < 0)
        return;
    m_view->selectionModel()->setCurrentIndex(m_model->index(row),
                                              QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(m_model->index(row));
    announceCurrent(row);
}

// The keys go to the popup, so the list never has the focus and does not tell a screen
// reader which row became current: the popup does, as a menu does for its entries.
void PickListPopup::announceCurrent(int row) {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_view);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface* cell = table ? table->cellAt(row, 0) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent focus(m_view, QAccessible::Focus);
    focus.setChild(list->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

int PickListPopup::currentRow() const {
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int PickListPopup::rowsPerPage() const {
    const int rowHeight = m_model->rowCount() > 0 ? m_view->sizeHintForRow(0) : 0;
    return rowHeight > 0 ? std::max(1, m_view->viewport()->height() / rowHeight) : 1;
}

int PickListPopup::nextEnabled(int row, int step, bool wrap) const {
    const int rows = m_model->rowCount();
    if (rows == 0)
        return -1;
    for (int tried = 0; tried < rows; ++tried) {
        if (row < 0 || row >= rows) {
            if (!wrap)
                return -1;
            row = row < 0 ? rows - 1 : 0;
        }
        if (m_model->isEnabled(row))
            return row;
        row += step;
    }
    return -1;
}

void PickListPopup::keyPressEvent(QKeyEvent* event) {
    const int rows = m_model->rowCount();
    const int current = currentRow();
    switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(current);
            return;
        case Qt::Key_Down:
            moveTo(nextEnabled(current < 0 ? 0 : current + 1, 1, true));
            return;
        case Qt::Key_Up:
            moveTo(nextEnabled(current < 0 ? rows - 1 : current - 1, -1, true));
            return;
        case Qt::Key_PageDown: {
            const int target = std::min(rows - 1, (current < 0 ? 0 : current) + rowsPerPage());
            const int row = nextEnabled(target, 1, false);
            moveTo(row >= 0 ? row : nextEnabled(target, -1, false));
            return;
        }
        case Qt::Key_PageUp: {
            const int target = std::max(0, (current < 0 ? rows - 1 : current) - rowsPerPage());
            const int row = nextEnabled(target, -1, false);
            moveTo(row >= 0 ? row : nextEnabled(target, 1, false));
            return;
        }
        case Qt::Key_Home:
            moveTo(nextEnabled(0, 1, false));
            return;
        case Qt::Key_End:
            moveTo(nextEnabled(rows - 1, -1, false));
            return;
        default:
            break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        m_view->keyboardSearch(text);
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace kbs
