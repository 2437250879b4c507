#include "mod_Menu_File.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QMenu>
#include <QProxyStyle>

#include "AppError.h"
#include "PickListPopup.h"
#include "ValueListFile.h"

namespace kbs {

namespace {

// Longest caption shown in full; longer values are cut short on screen.
constexpr qsizetype kMaxShownLength = 60;

// A list can be longer than the screen is high: the menu scrolls instead of breaking into
// hundreds of columns.
class ScrollingMenuStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_Scrollable)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// How a text is handed to the screen: to a menu, which takes "&" for an access-key marker
// unless it is doubled, or to a list, which shows every character as it is.
enum class ShownIn { Menu, List };

// The value as it is drawn: no access keys, no shortcut column, no line breaks.
QString shownText(const QString& value, ShownIn where = ShownIn::Menu) {
    QString shown;
    const qsizetype length = std::min(value.size(), kMaxShownLength);
    shown.reserve(length + 8);
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('&') && where == ShownIn::Menu)
            shown += QStringLiteral("&&");
        else if (c == QLatin1Char('\t'))
            shown += QLatin1Char(' ');
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            shown += QChar(0x00B6);  // a pilcrow for a line break inside the value
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QChar(0x00B7);  // a middle dot for any other control character
        else
            shown += c;
    }
    if (length < value.size()) {
        if (!shown.isEmpty() && shown.back().isHighSurrogate())
            shown.chop(1);
        shown += QChar(0x2026);
    }
    return shown;
}

}  // namespace

MenuEntryArray::MenuEntryArray(QMenu* menu, const QString& name, QObject* parent)
    : QObject(parent), m_menu(menu), m_name(name) {
    const QString templateName = name + QStringLiteral("_0");
    QAction* first = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->objectName() == templateName) {
            first = a;
            break;
        }
    }
    if (!first) {
        first = menu->addAction(QString());
        first->setObjectName(templateName);
    }
    m_entries.push_back({first, first->text()});
    connect(first, &QAction::triggered, this, [this] { emit Click(0); });
    auto* style = new ScrollingMenuStyle;
    style->setParent(menu);
    menu->setStyle(style);
}

MenuEntryArray::~MenuEntryArray() {
    // The run-time entries belong to the array; the template stays with the menu.
    for (size_t i = 1; i < m_entries.size(); ++i)
        delete m_entries[i].action.data();
    delete m_notice.data();
}

int MenuEntryArray::count() const {
    int n = int(m_entries.size());
    while (n > 1 && !m_entries[size_t(n - 1)].action)
        --n;
    return n;
}

bool MenuEntryArray::exists(int index) const {
    return at(index) != nullptr;
}

MenuEntryArray::Entry* MenuEntryArray::at(int index) {
    if (index < 0 || size_t(index) >= m_entries.size() || !m_entries[size_t(index)].action)
        return nullptr;
    return &m_entries[size_t(index)];
}

const MenuEntryArray::Entry* MenuEntryArray::at(int index) const {
    return const_cast<MenuEntryArray*>(this)->at(index);
}

QAction* MenuEntryArray::entry(int index) const {
    const Entry* e = at(index);
    return e ? e->action : nullptr;
}

int MenuEntryArray::indexOf(const QAction* action) const {
    if (!action)
        return -1;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].action == action)
            return int(i);
    }
    return -1;
}

void MenuEntryArray::load(int index) {
    if (index < 1 || exists(index))
        throw AppError(err::AlreadyLoaded, m_name, QStringLiteral("Object already loaded"));
    if (size_t(index) >= m_entries.size())
        m_entries.resize(size_t(index) + 1);
    // The entry goes after every entry of a lower index, before the notice and before any
    // entry of a higher one.
    QAction* before = m_notice;
    for (size_t i = size_t(index) + 1; i < m_entries.size(); ++i) {
        if (m_entries[i].action) {
            before = m_entries[i].action;
            break;
        }
    }
    // The action has no parent: the array deletes it, and a menu with tens of thousands of
    // children would make each of those deletions slow.
    auto* action = new QAction;
    m_entries[size_t(index)] = {action, QString()};
    ++m_loaded;
    connect(action, &QAction::triggered, this, [this, index] { emit Click(index); });
    if (!m_inMenu)
        return;
    if (m_loaded > MaxMenuEntries)
        removeEntriesFromMenu();
    else
        m_menu->insertAction(before, action);
}

void MenuEntryArray::unload(int index) {
    if (index == 0)
        throw AppError(err::CannotUnloadDesignTime, m_name,
                       QStringLiteral("Can't unload controls created at design time"));
    Entry* e = at(index);
    if (!e)
        throw AppError(err::NoSuchArrayElement, m_name,
                       QStringLiteral("Control array element doesn't exist"));
    delete e->action.data();
    *e = {};
    --m_loaded;
    while (m_entries.size() > 1 && !m_entries.back().action)
        m_entries.pop_back();
    if (!m_inMenu && m_loaded <= MaxMenuEntries)
        addEntriesToMenu();
}

void MenuEntryArray::addEntriesToMenu() {
    QList<QAction*> actions;
    actions.reserve(m_loaded);
    for (size_t i = 1; i < m_entries.size(); ++i) {
        if (m_entries[i].action)
            actions.append(m_entries[i].action);
    }
    m_menu->insertActions(m_notice, actions);
    m_inMenu = true;
}

void MenuEntryArray::removeEntriesFromMenu() {
    for (size_t i = 1; i < m_entries.size(); ++i) {
        if (m_entries[i].action)
            m_menu->removeAction(m_entries[i].action);
    }
    m_inMenu = false;
}

QString MenuEntryArray::caption(int index) const {
    const Entry* e = at(index);
    return e ? e->value : QString();
}

void MenuEntryArray::setCaption(int index, const QString& caption) {
    Entry* e = at(index);
    if (!e)
        throw AppError(err::NoSuchArrayElement, m_name,
                       QStringLiteral("Control array element doesn't exist"));
    e->value = caption;
    e->action->setText(shownText(caption));
}

bool MenuEntryArray::isVisible(int index) const {
    const Entry* e = at(index);
    return e && e->action->isVisible();
}

void MenuEntryArray::setVisible(int index, bool visible) {
    if (Entry* e = at(index))
        e->action->setVisible(visible);
}

void MenuEntryArray::setNotice(const QString& text) {
    if (text.isEmpty()) {
        delete m_notice.data();
        return;
    }
    if (!m_notice) {
        m_notice = m_menu->addAction(QString());
        m_notice->setObjectName(m_name + QStringLiteral("_notice"));
        m_notice->setEnabled(false);
    }
    // A notice names a file: shorten a long one in the middle so the file's name stays.
    QString notice = text;
    if (notice.size() > kMaxShownLength) {
        const qsizetype keep = kMaxShownLength / 2;
        notice = notice.left(keep) + QChar(0x2026) + notice.right(kMaxShownLength - keep - 1);
    }
    m_notice->setText(shownText(notice));
}

QString MenuEntryArray::shownCaption(int index) const {
    const Entry* e = at(index);
    return e ? shownText(e->value, ShownIn::List) : QString();
}

QString MenuEntryArray::notice() const {
    return m_notice ? m_notice->text() : QString();
}

int MenuEntryArray::popupAtPointer() {
    return popupAt(QCursor::pos());
}

int MenuEntryArray::popupAt(const QPoint& place) {
    if (!m_inMenu)
        return popupList(place);
    return indexOf(m_menu->exec(place));
}

int MenuEntryArray::popupList(const QPoint& place) {
    // The rows are what the menu would show: the visible entries in index order (the
    // template too while it is visible), then the notice.
    std::vector<int> rows;
    rows.reserve(m_entries.size() + 1);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].action && m_entries[i].action->isVisible())
            rows.push_back(int(i));
    }
    const QString noticeText = m_notice && m_notice->isVisible() ? m_notice->text() : QString();
    if (!noticeText.isEmpty())
        rows.push_back(-1);

    auto textOf = [this, &rows, &noticeText](int row) {
        const int index = rows[size_t(row)];
        return index < 0 ? QString(noticeText).replace(QStringLiteral("&&"), QStringLiteral("&"))
                         : shownCaption(index);
    };
    auto enabledOf = [this, &rows](int row) {
        const int index = rows[size_t(row)];
        const QAction* action = entry(index);
        return index >= 0 && action && action->isEnabled();
    };
    QPointer<PickListPopup> popup = new PickListPopup(m_menu->title(), int(rows.size()), textOf,
                                                      enabledOf, m_menu->parentWidget());
    popup->setObjectName(m_name + QStringLiteral("_list"));
    const int row = popup->exec(place);
    delete popup.data();
    if (row < 0)
        return -1;
    // As in the menu: the chosen entry's action is triggered, which reports the choice.
    const int index = rows[size_t(row)];
    QAction* action = entry(index);
    if (!action)
        return -1;
    action->trigger();
    return index;
}

void LoadMenuFromFile(MenuEntryArray& entries, QString path) {
    entries.setVisible(0, true);
    const int count = entries.count();
    for (int i = 1; i < count; ++i)
        entries.unload(i);
    entries.setNotice(QString());

    const QString shownPath = QDir::toNativeSeparators(path);
    try {
        const valuelist::Lines lines = valuelist::read(path, valuelist::MaxValues);
        int next = 1;
        for (const QString& value : lines.values) {
            entries.load(next);
            entries.setCaption(next, value);
            ++next;
        }
        if (lines.values.isEmpty())
            entries.setNotice(menuText::ListEmpty.arg(shownPath));
    } catch (const AppError& e) {
        entries.setNotice(
            (e.number() == err::FileNotFound ? menuText::ListNotFound : menuText::ListUnreadable)
                .arg(shownPath));
    }
    entries.setVisible(0, false);
}

}  // namespace kbs
