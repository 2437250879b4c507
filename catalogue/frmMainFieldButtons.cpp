// The buttons beside the detail fields. The pick menus: each icon reads its value list afresh,
// rebuilds its menu and pops it up; the entry chosen replaces the field's text. The condition
// modifiers "+" and "-" append their sign to the car's condition.
#include <QMenu>

#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "PanelLayout.h"
#include "ProgramInfo.h"
#include "frmMain.h"
#include "mod_Menu_File.h"

namespace kbs {

namespace {

QString latin(const char* s) {
    return QString::fromLatin1(s);
}

const panel::Field* columnOfIcon(const QString& icon) {
    for (const auto& c : panel::fields) {
        if (c.hasPickList() && icon == QLatin1String(c.pick.icon))
            return &c;
    }
    return nullptr;
}

// The box the condition modifiers append to.
constexpr int kConditionBox = 5;

}  // namespace

void frmMain::buildPickMenus() {
    for (const auto& c : panel::fields) {
        if (!c.hasPickList())
            continue;
        auto* menu = new QMenu(panel::translate(c.pick.caption), this);
        menu->setObjectName(latin(c.pick.menu));
        auto* entry = menu->addAction(QString());
        entry->setObjectName(latin(c.pick.entries) + QStringLiteral("_0"));
        m_pickMenus.insert(latin(c.pick.menu), menu);
    }
}

void frmMain::connectPickMenus() {
    for (const auto& c : panel::fields) {
        if (!c.hasPickList())
            continue;
        const QString entriesName = latin(c.pick.entries);
        auto* entries = new MenuEntryArray(pickMenu(latin(c.pick.menu)), entriesName, this);
        m_entryArrays.insert(entriesName, entries);
        const int box = c.box;
        connect(entries, &MenuEntryArray::Click, this, [this, entries, box](int Index) {
            txtTextl[size_t(box)]->setText(entries->caption(Index));
        });
        const QString icon = latin(c.pick.icon);
        connect(listIcons.value(icon), &ImageBox::clicked, this,
                [this, icon] { pickMenuIconClicked(icon); });
    }
}

MenuEntryArray* frmMain::entryArray(const QString& name) const {
    return m_entryArrays.value(name);
}

QMenu* frmMain::pickMenu(const QString& name) const {
    return m_pickMenus.value(name);
}

void frmMain::pickMenuIconClicked(const QString& icon, std::optional<QPoint> place) {
    const panel::Field* c = columnOfIcon(icon);
    if (!c)
        return;
    MenuEntryArray* entries = m_entryArrays.value(latin(c->pick.entries));
    LoadMenuFromFile(*entries, ProgramInfo::path(latin(c->pick.file)));
    if (place)
        entries->popupAt(*place);
    else
        entries->popupAtPointer();
}

QString frmMain::listIconOf(int box) const {
    for (const auto& c : panel::fields) {
        if (c.box == box && c.hasPickList())
            return latin(c.pick.icon);
    }
    return {};
}

void frmMain::cmdPlus_Click() {
    txtTextl[kConditionBox]->setText(txtTextl[kConditionBox]->text() + QLatin1Char('+'));
}

void frmMain::cmdMinus_Click() {
    txtTextl[kConditionBox]->setText(txtTextl[kConditionBox]->text() + QLatin1Char('-'));
}

}  // namespace kbs
