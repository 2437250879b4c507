// The View menu: the gallery and the group view.
#include "ViewCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>

#include "Gallery.h"
#include "GroupPanel.h"

namespace kbs {

ViewCommands::ViewCommands(QMainWindow& window, QToolButton& galleryButton, GroupPanel& groups,
                           Gallery gallery)
    : QObject(&window), m_groups(groups) {
    auto* view = new QMenu(&galleryButton);
    view->setObjectName(QStringLiteral("ViewMenu"));
    const auto entry = [view](const QString& text, const QKeySequence& key, const char* name) {
        QAction* a =
            view->addAction(text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        return a;
    };
    QAction* galleryEntry = entry(tr("Gallery"), kbs::Gallery::key(), "ViewGallery");
    QAction* groupEntry = entry(GroupPanel::entryText(), GroupPanel::key(), "ViewGroups");
    connect(view, &QMenu::aboutToShow, this, [this, galleryEntry, groupEntry, gallery] {
        galleryEntry->setChecked(gallery.shown());
        groupEntry->setChecked(m_groups.isOpen());
    });
    connect(galleryEntry, &QAction::triggered, this, gallery.setShown);
    connect(groupEntry, &QAction::triggered, this, [this](bool open) {
        m_groups.setOpen(open);
        if (open)
            m_groups.focusTree();
    });
    galleryButton.setMenu(view);
    galleryButton.setPopupMode(QToolButton::MenuButtonPopup);

    auto* key = new QAction(this);
    key->setShortcut(GroupPanel::key());
    key->setShortcutContext(Qt::WindowShortcut);
    window.addAction(key);
    connect(key, &QAction::triggered, this, &ViewCommands::groupKey);
}

void ViewCommands::groupKey() {
    if (m_groups.isOpen() && m_groups.tree()->hasFocus()) {
        m_groups.setOpen(false);
        return;
    }
    m_groups.setOpen(true);
    m_groups.focusTree();
}

}  // namespace kbs
