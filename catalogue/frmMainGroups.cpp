// The group view beside the grid: its place, its entry in the View menu with its key, and the
// grid narrowed to the group chosen together with the filter.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>

#include "FlexGrid.h"
#include "Gallery.h"
#include "GroupPanel.h"
#include "frmMain.h"

namespace kbs {

// The View menu is the gallery button's drop-down: the gallery and the group view, checked
// when shown, with their keys.
void frmMain::buildGroupView() {
    m_groups = new GroupPanel(centralWidget());
    m_groups->setChecklistSource([this] { return m_session.checklistKeys(); });
    auto* view = new QMenu(cmdGallery);
    view->setObjectName(QStringLiteral("ViewMenu"));
    const auto entry = [view](const QString& text, const QKeySequence& key, const char* name) {
        QAction* a =
            view->addAction(text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        return a;
    };
    QAction* galleryEntry = entry(tr("Gallery"), Gallery::key(), "ViewGallery");
    QAction* groupEntry = entry(GroupPanel::entryText(), GroupPanel::key(), "ViewGroups");
    connect(view, &QMenu::aboutToShow, this, [this, galleryEntry, groupEntry] {
        galleryEntry->setChecked(galleryShown());
        groupEntry->setChecked(m_groups->isOpen());
    });
    connect(galleryEntry, &QAction::triggered, this, &frmMain::setGalleryShown);
    connect(groupEntry, &QAction::triggered, this, [this](bool open) {
        m_groups->setOpen(open);
        if (open)
            m_groups->focusTree();
    });
    cmdGallery->setMenu(view);
    cmdGallery->setPopupMode(QToolButton::MenuButtonPopup);

    // The key opens the view, gives it the focus, or, when it has it, closes it.
    auto* key = new QAction(this);
    key->setShortcut(GroupPanel::key());
    key->setShortcutContext(Qt::WindowShortcut);
    addAction(key);
    connect(key, &QAction::triggered, this, [this] {
        if (m_groups->isOpen() && m_groups->tree()->hasFocus()) {
            m_groups->setOpen(false);
            return;
        }
        m_groups->setOpen(true);
        m_groups->focusTree();
    });

    connect(m_groups, &GroupPanel::chosenChanged, this,
            [this] { FG1->model().setGroup(m_groups->chosen()); });
    connect(m_groups, &GroupPanel::openChanged, this, [this](bool open) {
        placeGroupView();
        if (!open)
            leaveGroupView();
    });
    connect(m_groups, &GroupPanel::widthChanged, this, &frmMain::placeGroupView);
    connect(m_groups, &GroupPanel::leaveRequested, this, &frmMain::leaveGroupView);
    setTabOrder(m_groups->tree(), FG1);
    m_groups->restoreOpen();
}

// Back to the records: the grid, or the gallery in its place.
void frmMain::leaveGroupView() {
    (galleryShown() ? static_cast<QWidget*>(gallery) : FG1)->setFocus();
}

// The panel at the left of the grid's place, the grid in the rest.
void frmMain::placeGroupView() {
    QRect area = FG1->geometry();
    area.setLeft(0);
    FG1->setGeometry(m_groups->placeIn(area));
    placeGallery();
}

GroupPanel* frmMain::groupPanel() const {
    return m_groups;
}

}  // namespace kbs
