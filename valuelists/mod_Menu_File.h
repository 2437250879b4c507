#pragma once

#include <QAction>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <vector>

#include "Text.h"

class QMenu;

namespace kbs {

// The entries of a pick menu as an array indexed from 0. Entry 0 is the template entry that
// exists with the menu (an action named after the array with "_0" appended, empty caption);
// entries 1..n are created and removed at run time, one per value of the menu's list.
//
// An entry's caption is the value exactly as read. The menu shows it as plain text: "&" is
// no access key, "-" is an entry like any other, a tab shows as a space, a line break inside
// the value as a pilcrow and any other control character as a middle dot, and very long
// values are cut short on screen; caption() always gives back the whole value.
//
// A menu lays out every one of its entries before it shows, and adding an entry to it costs
// more the more it holds, so a long list does not go into the menu: while the array holds
// more than MaxMenuEntries entries, their actions belong to the array alone, and
// popupAtPointer() shows a scrolling list of the same entries instead of the menu. Either
// way an entry is chosen by triggering its action, which emits Click once.
class MenuEntryArray : public QObject {
    Q_OBJECT
public:
    // The most run-time entries that are shown as a menu.
    static constexpr int MaxMenuEntries = 500;

    // Binds to `menu`, whose template entry is its action named `name` + "_0" (made when the
    // menu has none). The menu stays owned by its window.
    MenuEntryArray(QMenu* menu, const QString& name, QObject* parent = nullptr);
    ~MenuEntryArray() override;

    QMenu* menu() const { return m_menu; }
    const QString& name() const { return m_name; }

    // One more than the highest index in use: the template alone gives 1.
    int count() const;
    bool exists(int index) const;
    QAction* entry(int index) const;  // nullptr when there is no such entry
    int indexOf(const QAction* action) const;

    // Creates the entry at `index`, after the entries already there. An index in use, or one
    // below 1, is refused (AppError 360, "Object already loaded").
    void load(int index);
    // Removes the entry at `index`; entry 0 cannot be removed (AppError 362).
    void unload(int index);

    QString caption(int index) const;  // the value; empty for a missing entry
    void setCaption(int index, const QString& caption);
    bool isVisible(int index) const;
    void setVisible(int index, bool visible);

    // A disabled line shown below the entries, outside the array (for example naming a list
    // file that could not be read). An empty text removes it.
    void setNotice(const QString& text);
    QString notice() const;

    // Whether the entries are shown as a scrolling list rather than in the menu.
    bool showsAsList() const { return !m_inMenu; }
    // The text an entry shows, as a person reads it on the screen.
    QString shownCaption(int index) const;

    // Pops the menu (or the scrolling list) up at the pointer and waits until it closes.
    // Returns the index of the chosen entry, or -1 when it was dismissed. Choosing an entry
    // also emits Click.
    int popupAtPointer();
    // The same with the top left corner at `place`, in screen coordinates (below a field
    // whose list is opened from the keyboard).
    int popupAt(const QPoint& place);

Q_SIGNALS:
    // An entry was chosen; the entry handler.
    void Click(int Index);

private:
    struct Entry {
        QPointer<QAction> action;
        QString value;
    };
    Entry* at(int index);
    const Entry* at(int index) const;
    // Puts the run-time entries into the menu, in index order, or takes them out of it.
    void addEntriesToMenu();
    void removeEntriesFromMenu();
    int popupList(const QPoint& place);

    QMenu* m_menu;
    QString m_name;
    std::vector<Entry> m_entries;  // by index; an unloaded entry leaves an empty slot
    int m_loaded = 0;              // run-time entries in the array
    bool m_inMenu = true;          // whether they are in the menu
    QPointer<QAction> m_notice;
};

// Rebuilds `entries` from the value-list file at `path`: the entries of the last rebuild go,
// one entry per value comes, in file order, with the value as its caption. At most
// valuelist::MaxValues values are taken. A file that is missing or cannot be read gives no
// entries and a notice that names it; an empty list gives a notice too.
void LoadMenuFromFile(MenuEntryArray& entries, QString path);

// The texts of those notices.
namespace menuText {
inline constexpr Text<"kbs::menuText"> ListNotFound{
    QT_TRANSLATE_NOOP("kbs::menuText", "List file not found: %1")};
inline constexpr Text<"kbs::menuText"> ListUnreadable{
    QT_TRANSLATE_NOOP("kbs::menuText", "List file cannot be read: %1")};
inline constexpr Text<"kbs::menuText"> ListEmpty{
    QT_TRANSLATE_NOOP("kbs::menuText", "No values in %1")};
}  // namespace menuText

}  // namespace kbs
