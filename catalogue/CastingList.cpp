#include "CastingList.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <bit>
#include <string>

#include "ColumnLabels.h"
#include "Language.h"
#include "RecordSet.h"
#include "Text.h"

namespace kbs {

namespace {
// The columns of the list: the variation fields, then quantity, status and storage location.
constexpr int kQuantity = collection::at("Quantity");
constexpr int kStatus = collection::at("Status");
constexpr int kLocation = collection::at("Location");
constexpr int kColumns = CastingIndex::VariationCount + 3;
constexpr int kRowsShownAtMost = 6;  // the rest scroll

int positionOfColumn(int c) {
    if (c < CastingIndex::VariationCount)
        return CastingIndex::VariationFields[std::size_t(c)];
    constexpr int rest[] = {kQuantity, kStatus, kLocation};
    return rest[c - CastingIndex::VariationCount];
}

QString headingOf(int position) {
    // The base plate's colour is labelled "Color" beside its name in the panel.
    if (position == collection::at("Base_Color"))
        return translated("kbs::panel::Headings", "Base Plate Color");
    return translated("kbs::panel", collection::Labels[std::size_t(position)]);
}
}  // namespace

CastingList::CastingList(QWidget& under, QWidget* parent) : QFrame(parent), m_under(&under) {
    setObjectName(QStringLiteral("CastingList"));
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    setAccessibleName(tr("Records of the same casting"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(2);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lblCasting"));
    m_heading->setWordWrap(true);
    m_heading->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_heading);
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName(QStringLiteral("lstCasting"));
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setAccessibleName(accessibleName());
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setFocusPolicy(Qt::NoFocus);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QStringList headings;
    for (int c = 0; c < kColumns; ++c)
        headings << headingOf(positionOfColumn(c));
    m_table->setHorizontalHeaderLabels(headings);
    column->addWidget(m_table);
    under.installEventFilter(this);
    hide();
}

QString CastingList::heading() const {
    return m_heading->text();
}

void CastingList::showMatches(const RecordSet& rs, const CastingIndex& index,
                              const std::vector<CastingIndex::Slot>& matches,
                              const CastingIndex::Variation& typed) {
    if (matches.empty()) {
        hide();
        return;
    }
    // The closest first: fewest fields differing, then in the catalogue's order.
    std::vector<std::pair<int, CastingIndex::Slot>> ranked;
    ranked.reserve(matches.size());
    for (const auto s : matches)
        ranked.emplace_back(std::popcount(unsigned(index.differences(s, typed))), s);
    const std::size_t shown = std::min<std::size_t>(ranked.size(), MaxRows);
    std::partial_sort(ranked.begin(), ranked.begin() + std::ptrdiff_t(shown), ranked.end());

    const int same = int(
        std::count_if(ranked.begin(), ranked.end(), [](const auto& r) { return r.first == 0; }));
    const QString marks = tr("\u2260 marks what differs from what you type.");
    QString text = same > 0 ? tr("You have this model already. Records of this casting in the "
                                 "catalogue: %1.")
                            : tr("Records of this casting in the catalogue: %1.");
    text = text.arg(language::number(qint64(ranked.size()))) + QLatin1Char(' ') + marks;
    if (ranked.size() > shown)
        text +=
            QLatin1Char(' ') + tr("The first %1 are listed.").arg(language::number(qint64(shown)));
    m_heading->setText(text);

    const QString differs = tr("differs");
    const QString empty = tr("(empty)");
    m_table->setRowCount(int(shown));
    std::string scratch;
    for (std::size_t r = 0; r < shown; ++r) {
        const auto slot = ranked[r].second;
        const CastingIndex::Differences d = index.differences(slot, typed);
        QStringList differing;
        for (int c = 0; c < kColumns; ++c) {
            const int position = positionOfColumn(c);
            const QString value =
                QString::fromUtf8(rs.shownUtf8At(slot, position, scratch)).trimmed();
            auto* item = new QTableWidgetItem(value);
            const bool marked = c < CastingIndex::VariationCount && (d & (1u << c));
            if (marked) {
                differing << headingOf(position);
                item->setText(QStringLiteral("\u2260 ") + (value.isEmpty() ? empty : value));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setData(
                    Qt::AccessibleTextRole,
                    tr("%1: %2, %3")
                        .arg(headingOf(position), value.isEmpty() ? empty : value, differs));
            } else {
                item->setData(Qt::AccessibleTextRole, tr("%1: %2").arg(headingOf(position), value));
            }
            m_table->setItem(int(r), c, item);
        }
        const QString tip = differing.isEmpty()
                                ? tr("The same model as the one you type.")
                                : tr("Differs in: %1").arg(differing.join(QStringLiteral(", ")));
        for (int c = 0; c < kColumns; ++c)
            m_table->item(int(r), c)->setToolTip(tip);
    }
    m_table->resizeColumnsToContents();
    place();
    show();
    raise();
}

void CastingList::place() {
    if (!m_under)
        return;
    const QRect g = m_under->geometry();
    const int rows = std::min(m_table->rowCount(), kRowsShownAtMost);
    const int rowHeight = m_table->verticalHeader()->defaultSectionSize();
    const int wanted = m_heading->heightForWidth(g.width() - 8) + 10 +
                       m_table->horizontalHeader()->sizeHint().height() + rows * rowHeight +
                       2 * m_table->frameWidth() +
                       m_table->horizontalScrollBar()->sizeHint().height();
    setGeometry(g.x(), g.y(), g.width(), std::min(wanted, std::max(g.height(), 60)));
}

bool CastingList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_under && (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
        isVisible())
        place();
    return false;
}

// ---------------------------------------------------------------- texts

QString CastingList::sameModelQuestion(const QString& quantity, const QString& location,
                                       const QString& description, qint64 id, int others) {
    QString where;
    if (quantity.isEmpty() && location.isEmpty())
        where = tr("no quantity or storage location given");
    else if (location.isEmpty())
        where = tr("%1, no storage location given").arg(quantity);
    else if (quantity.isEmpty())
        where = tr("in %1").arg(location);
    else
        where = tr("%1 in %2").arg(quantity, location);
    QString text = tr("You have this model already: %1 (\"%2\", ID %3).")
                       .arg(where, description, QString::number(id));
    if (others > 0)
        text +=
            QLatin1Char(' ') + tr("Other records of this model: %1.").arg(language::number(others));
    text += QStringLiteral("\n\n") +
            tr("Yes: add one to the quantity of that record (what you typed is not stored).") +
            QLatin1Char('\n') + tr("No: save this one as a record of its own.") +
            QLatin1Char('\n') + tr("Cancel: go back to editing.");
    return text;
}

QString CastingList::sameModelTitle() {
    return tr("Do I already have it?");
}

QString CastingList::notWholeQuantity(const QString& quantity) {
    return tr("The quantity of that record, \"%1\", is not a whole number, so one cannot be "
              "added to it. Nothing was stored; change it there by hand, or save this one as a "
              "record of its own.")
        .arg(quantity);
}

QString CastingList::newVariationText(const QString& description) {
    return tr("new variation of \"%1\"").arg(description);
}

QString CastingList::duplicatesEntry() {
    return tr("Duplicates");
}

QString CastingList::duplicatesCaption() {
    return tr("Report -- Duplicates");
}

QString CastingList::duplicatesToggleCaption() {
    return tr("×2");
}

QString CastingList::duplicatesToggleName() {
    return tr(
        "Show only duplicates: records of the same model as another, or more than one "
        "piece");
}

}  // namespace kbs
