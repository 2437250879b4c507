#include "FilterBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

#include "CastingList.h"
#include "Language.h"

namespace kbs {

namespace {
constexpr int kGapToLogo = 8;  // pixels
}

const QStringList& FilterBar::statusNames() {
    static const QStringList names{QStringLiteral("Want"), QStringLiteral("Have"),
                                   QStringLiteral("Sell")};
    return names;
}

QKeySequence FilterBar::key() {
    return QKeySequence(Qt::CTRL | Qt::Key_L);
}

FilterBar::FilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FilterBar1"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 0, 0);
    row->setSpacing(2);

    const QString keyText = key().toString(QKeySequence::NativeText);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("txtFilter"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setPlaceholderText(tr("Filter, e.g. red box:mint -sell"));
    m_edit->setAccessibleName(tr("Filter the records"));
    m_edit->setToolTip(
        tr("Filter the records (%1). Words must all match, in any field, any case.\n"
           "\"mint in box\" keeps words together; color:red looks in one field "
           "(its label or column);\n"
           "-sell leaves records out; year:1968-1975, year:>1980, value:>20 are ranges.\n"
           "Escape clears the filter.")
            .arg(keyText));
    m_edit->setAccessibleDescription(m_edit->toolTip());
    // Wide enough for the placeholder in every language, with the frame, the text margins and
    // the clear button.
    const int frame = m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_edit);
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(m_edit->placeholderText()) +
                            2 * frame + 4 + m_edit->sizeHint().height());
    m_edit->installEventFilter(this);
    row->addWidget(m_edit, 1);
    connect(m_edit, &QLineEdit::textChanged, this, &FilterBar::changed);

    const QString captions[] = {tr("Want"), tr("Have"), tr("Sell")};
    const QString names[] = {tr("Show only records you want"), tr("Show only records you have"),
                             tr("Show only records you sell")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("filter") + statusNames()[i]);
        b->setText(captions[i]);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setAccessibleName(names[i]);
        b->setToolTip(names[i] + tr(" (none pressed: every status)"));
        b->installEventFilter(this);
        connect(b, &QToolButton::toggled, this, &FilterBar::changed);
        row->addWidget(b);
        m_toggles << b;
    }
    setTabOrder(m_edit, m_toggles[0]);
    setTabOrder(m_toggles[0], m_toggles[1]);
    setTabOrder(m_toggles[1], m_toggles[2]);
    m_duplicates = new QToolButton(this);
    m_duplicates->setObjectName(QStringLiteral("filterDuplicates"));
    m_duplicates->setText(CastingList::duplicatesToggleCaption());
    // Narrow: the toolbar has little room left in some languages.
    m_duplicates->setMaximumWidth(
        m_duplicates->fontMetrics().horizontalAdvance(m_duplicates->text()) + 4);
    m_duplicates->setCheckable(true);
    m_duplicates->setAutoRaise(true);
    m_duplicates->setFocusPolicy(Qt::TabFocus);
    m_duplicates->setAccessibleName(CastingList::duplicatesToggleName());
    m_duplicates->setToolTip(CastingList::duplicatesToggleName());
    m_duplicates->installEventFilter(this);
    connect(m_duplicates, &QToolButton::toggled, this, &FilterBar::changed);
    row->addWidget(m_duplicates);
    setTabOrder(m_toggles[2], m_duplicates);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* reach = new QShortcut(key(), this);
    reach->setContext(Qt::WindowShortcut);
    connect(reach, &QShortcut::activated, this, &FilterBar::focusEdit);
}

QToolButton* FilterBar::toggle(const QString& status) const {
    const qsizetype i = statusNames().indexOf(status);
    return i < 0 ? nullptr : m_toggles[i];
}

QString FilterBar::text() const {
    return m_edit->text().trimmed();
}

QStringList FilterBar::statuses() const {
    QStringList out;
    for (int i = 0; i < m_toggles.size(); ++i) {
        if (m_toggles[i]->isChecked())
            out << statusNames()[i];
    }
    return out;
}

bool FilterBar::duplicatesOnly() const {
    return m_duplicates && m_duplicates->isChecked();
}

void FilterBar::clear() {
    if (!isActive())
        return;
    QSignalBlocker quiet(this);  // one change, not four
    m_edit->clear();
    for (auto* b : m_toggles)
        b->setChecked(false);
    m_duplicates->setChecked(false);
    quiet.unblock();
    Q_EMIT changed();
}

void FilterBar::focusEdit() {
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void FilterBar::keepLeftOf(QWidget* logo) {
    m_logo = logo;
    if (parentWidget())
        parentWidget()->installEventFilter(this);
    installEventFilter(this);
    fitWidth();
}

// As wide as the room between the buttons before the bar and the logo; where the bar's least
// width needs more (long captions in some languages), the logo moves right to make room.
void FilterBar::fitWidth() {
    if (!m_logo || !parentWidget())
        return;
    QWidget* logoPlace =
        m_logo->parentWidget() != parentWidget() ? m_logo->parentWidget() : m_logo.data();
    if (!m_logoDesignedX)
        m_logoDesignedX = logoPlace->x();
    const int logoOffset = m_logo->mapTo(parentWidget(), QPoint(0, 0)).x() - logoPlace->x();
    const int least = minimumSizeHint().width();
    const int designedRoom = *m_logoDesignedX + logoOffset - x() - kGapToLogo;
    logoPlace->move(*m_logoDesignedX + std::max(0, least - designedRoom), logoPlace->y());
    setMaximumWidth(std::max(least, designedRoom));
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::LayoutRequest:
            if (watched == this || watched == parentWidget())
                fitWidth();
            return false;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            // Escape clears an active filter; otherwise it is the window's (Cancel).
            auto* key = static_cast<QKeyEvent*>(event);
            if (watched == parentWidget() || key->key() != Qt::Key_Escape ||
                key->modifiers() != Qt::NoModifier || !isActive())
                return false;
            event->accept();
            if (event->type() == QEvent::KeyPress)
                clear();
            return true;
        }
        default:
            return false;
    }
}

QString FilterBar::countText(qsizetype shown, qsizetype total) {
    return tr("%1 of %2 records").arg(language::number(shown), language::number(total));
}

QString FilterBar::countingText(qsizetype shownSoFar) {
    // The count in the language's number form, as countText() writes it.
    return tr("%n record(s) so far, still counting…", nullptr, int(shownSoFar))
        .replace(QString::number(shownSoFar), language::number(shownSoFar));
}

QString FilterBar::noMatchText() {
    return tr("No record matches the filter. Escape in the filter clears it.");
}

QString FilterBar::wrappedText(bool forward) {
    return forward ? tr("Search wrapped to the top") : tr("Search wrapped to the bottom");
}

QString FilterBar::findNextTip() {
    return tr("Find Next F3, Find Previous Shift+F3");
}

QString FilterBar::shownReportEntry() {
    return tr("Shown records");
}

QString FilterBar::shownReportCaption() {
    return tr("Report -- Shown records");
}

}  // namespace kbs
