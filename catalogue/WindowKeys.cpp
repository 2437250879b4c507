// The window by keyboard: shortcuts for the commands, the toolbar's buttons and drop-down
// menus, and the value lists of the fields. Every key goes through the same handler as the
// click it stands for, so the mode rules, questions and messages are the same; the key of a
// disabled or hidden command does nothing.
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "DetailPanel.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "WindowKeys.h"

namespace kbs {

namespace {

// The keys of the commands. A command is a toolbar button, by its key, or a panel button, by
// its name; its keys press it.
struct CommandKeys {
    const char* command;
    QKeyCombination keys[3];
};
constexpr CommandKeys kCommandKeys[] = {
    {"Add", {Qt::CTRL | Qt::Key_N, QKeyCombination(Qt::Key_Insert), Qt::ALT | Qt::Key_A}},
    {"Edit", {Qt::CTRL | Qt::Key_E, QKeyCombination(Qt::Key_F2), Qt::ALT | Qt::Key_E}},
    {"Delete", {Qt::CTRL | Qt::Key_D, Qt::ALT | Qt::Key_D}},
    {"Find", {Qt::CTRL | Qt::Key_F, Qt::ALT | Qt::Key_F}},
    {"Report", {Qt::CTRL | Qt::Key_P, Qt::ALT | Qt::Key_R}},
    {"cmdSave", {Qt::CTRL | Qt::Key_S, Qt::ALT | Qt::Key_S}},
    {"cmdCancel", {QKeyCombination(Qt::Key_Escape), Qt::ALT | Qt::Key_C}},
};
// Delete also deletes the record while the grid has the focus.
constexpr QKeyCombination kGridDelete(Qt::Key_Delete);
// The Help button's menu: the value-list editor, the tips and About.
constexpr QKeyCombination kHelpMenuKeys[] = {QKeyCombination(Qt::Key_F1), Qt::ALT | Qt::Key_H};
constexpr QKeyCombination kQuitKey = Qt::CTRL | Qt::Key_Q;
// Find Next and Find Previous (the filter bar's own key is FilterBar::key()).
constexpr QKeyCombination kFindNextKey(Qt::Key_F3);
constexpr QKeyCombination kFindPreviousKey = Qt::SHIFT | Qt::Key_F3;
// In a field with a value list: the list, as a click on the field's icon opens it.
constexpr QKeyCombination kListKeys[] = {QKeyCombination(Qt::Key_F4), Qt::ALT | Qt::Key_Down};
// On a focused toolbar button with a drop-down menu: the menu.
constexpr QKeyCombination kMenuKeys[] = {QKeyCombination(Qt::Key_F4), Qt::ALT | Qt::Key_Down,
                                         QKeyCombination(Qt::Key_Down)};

QList<QKeySequence> sequences(const QKeyCombination* keys, size_t count) {
    QList<QKeySequence> out;
    for (size_t i = 0; i < count; ++i) {
        // The places of a list left unfilled hold Qt::Key_unknown: no key.
        if (keys[i].key() != Qt::Key(0) && keys[i].key() != Qt::Key_unknown)
            out << QKeySequence(keys[i]);
    }
    return out;
}

QString keysText(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const auto& k : keys)
        names << k.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(", "));
}

bool available(const QWidget* w) {
    return w && w->isEnabled() && w->isVisible();
}

bool matches(const QKeyEvent* e, const QList<QKeySequence>& keys) {
    const QKeySequence pressed(e->keyCombination());
    for (const auto& k : keys) {
        if (k == pressed)
            return true;
    }
    return false;
}

// Adds the keys to the tool tips a person sees (the designed tip stays the button's tip),
// presses a focused toolbar button with Enter, opens its drop-down menu from the keyboard,
// and keeps a text field from swallowing the key of a command that can run.
class KeyboardFilter : public QObject {
public:
    using QObject::QObject;

    struct Target {
        QWidget* widget;
        QList<QKeySequence> keys;
    };
    QList<Target> commands;         // the buttons the command keys press
    QList<const QWidget*> toolbar;  // the toolbar's buttons
    QList<QKeySequence> helpKeys;
    QString findTip;  // Find's tip also names Find Next and Find Previous

    // The keys that press a button, or nullptr.
    const QList<QKeySequence>* keysOf(const QWidget* w) const {
        for (const auto& t : commands) {
            if (t.widget == w)
                return &t.keys;
        }
        if (w->objectName() == QLatin1String("Help") && toolbar.contains(w))
            return &helpKeys;
        return nullptr;
    }

    // The button's tip with the keys that do the same.
    QString tipOf(const QWidget* w) const {
        const QList<QKeySequence>* keys = keysOf(w);
        QString tip = w->toolTip();
        if (!keys)
            return tip;
        if (tip.isEmpty()) {
            if (auto* b = qobject_cast<const QAbstractButton*>(w))
                tip = b->text();
        }
        tip += QStringLiteral(" (") + keysText(*keys) + QLatin1Char(')');
        if (w->objectName() == QLatin1String("Find") && toolbar.contains(w))
            tip += QStringLiteral("; ") + findTip;
        return tip;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w)
            return false;
        switch (event->type()) {
            case QEvent::ToolTip:
                if (!keysOf(w))
                    return false;
                QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tipOf(w), w);
                return true;
            case QEvent::ShortcutOverride: {
                // A text field takes Ctrl+E, Ctrl+D and the like for itself; a command that can
                // run has the first claim on its key.
                auto* key = static_cast<QKeyEvent*>(event);
                for (const auto& t : commands) {
                    if (available(t.widget) && matches(key, t.keys)) {
                        event->ignore();
                        return true;
                    }
                }
                return false;
            }
            case QEvent::KeyPress: {
                auto* button = qobject_cast<QToolButton*>(w);
                if (!button || !toolbar.contains(w))
                    return false;
                auto* key = static_cast<QKeyEvent*>(event);
                if (button->menu() && matches(key, sequences(kMenuKeys, std::size(kMenuKeys)))) {
                    button->showMenu();
                    return true;
                }
                if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                    button->click();
                    return true;
                }
                return false;
            }
            default:
                return false;
        }
    }
};

}  // namespace

WindowKeys::WindowKeys(QWidget& window, QToolBar& toolbar, FlexGrid& grid, DetailPanel& panel)
    : QObject(&window), m_panel(panel) {
    auto* filter = new KeyboardFilter(this);
    filter->helpKeys = sequences(kHelpMenuKeys, std::size(kHelpMenuKeys));
    filter->findTip = FilterBar::findNextTip();

    // The commands.
    for (const auto& c : kCommandKeys) {
        const QString name = QString::fromLatin1(c.command);
        QAbstractButton* button = toolbar.findChild<QToolButton*>(name);
        if (!button)
            button = window.findChild<QPushButton*>(name);
        if (!button)
            continue;
        const QList<QKeySequence> keys = sequences(c.keys, std::size(c.keys));
        filter->commands.append({button, keys});
        auto* shortcut = new QShortcut(&window);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (available(button))
                button->click();
        });
        if (name == QLatin1String("Delete")) {
            auto* inGrid = new QShortcut(QKeySequence(kGridDelete), &grid);
            inGrid->setContext(Qt::WidgetWithChildrenShortcut);
            connect(inGrid, &QShortcut::activated, button, [button] {
                if (available(button))
                    button->click();
            });
        }
    }
    if (auto* help = toolbar.findChild<QToolButton*>(QStringLiteral("Help"))) {
        auto* shortcut = new QShortcut(&window);
        shortcut->setKeys(filter->helpKeys);
        connect(shortcut, &QShortcut::activated, help, [help] {
            if (available(help) && help->menu())
                help->showMenu();
        });
    }
    for (const bool forward : {true, false}) {
        // Wherever the focus is, also while the window is not yet the active one again after
        // Find's question (a modal window still blocks it).
        auto* next = new QShortcut(forward ? kFindNextKey : kFindPreviousKey, &window);
        next->setContext(Qt::ApplicationShortcut);
        connect(next, &QShortcut::activated, this, [this, forward] { Q_EMIT findNext(forward); });
    }
    auto* quit = new QShortcut(QKeySequence(kQuitKey), &window);
    connect(quit, &QShortcut::activated, &window, &QWidget::close);

    // The toolbar: Enter presses a focused button, the menu keys open its drop-down menu,
    // and the focused button shows it.
    for (auto* button : toolbar.findChildren<QToolButton*>()) {
        if (button->objectName().isEmpty() || button->objectName().startsWith(QLatin1String("qt_")))
            continue;
        filter->toolbar << button;
        button->installEventFilter(filter);
        button->setAccessibleDescription(filter->tipOf(button));
    }
    toolbar.setStyleSheet(
        toolbar.styleSheet() +
        QStringLiteral("QToolButton:focus { background-color: palette(highlight); "
                       "color: palette(highlighted-text); }"));
    for (const auto& t : filter->commands) {
        if (!filter->toolbar.contains(t.widget)) {
            t.widget->installEventFilter(filter);
            t.widget->setAccessibleDescription(filter->tipOf(t.widget));
        }
    }

    // The text fields: the command keys first, and the value lists.
    for (int box = 0; box < panel::BoxCount; ++box) {
        QLineEdit* field = panel.box(box)->textbox();
        field->installEventFilter(filter);
        const QString icon = panel.listIconOf(box);
        if (icon.isEmpty())
            continue;
        const QList<QKeySequence> listKeys = sequences(kListKeys, std::size(kListKeys));
        if (ImageBox* image = panel.listIcon(icon)) {
            const QString hint = keysText(listKeys) + QStringLiteral(": ") + image->toolTip();
            image->setToolTip(tr("%1 (%2 in the field)").arg(image->toolTip(), keysText(listKeys)));
            field->setAccessibleDescription(hint);
        }
        auto* shortcut = new QShortcut(field);
        shortcut->setKeys(listKeys);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, icon, box] {
            // As a click: nothing while the icon takes no clicks (browse mode).
            if (!available(m_panel.listIcon(icon)))
                return;
            const QWidget* at = m_panel.box(box);
            m_panel.pickMenuIconClicked(icon, at->mapToGlobal(QPoint(0, at->height())));
        });
    }
    panel.notes()->installEventFilter(filter);
}

}  // namespace kbs
