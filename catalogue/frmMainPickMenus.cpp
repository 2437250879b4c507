// The pick menus beside ten detail fields: each icon reads its value list afresh, rebuilds
// its menu and pops it up; the entry chosen replaces the field's text.
#include <QMenu>

#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "ProgramInfo.h"
#include "frmMain.h"
#include "mod_Menu_File.h"

namespace kbs {

namespace {
struct PickList {
    const char* icon;
    const char* file;
    const char* menu;
    const char* entries;
    int box;
};
constexpr PickList kPickLists[] = {
    {"Image10", "basecolor.ini", "menuBaseColor", "mnuBaseColor", 22},
    {"Image12", "basename.ini", "menuBaseName", "mnuBaseName", 19},
    {"Image9", "interiorcolor.ini", "menuIColor", "mnuIColor", 20},
    {"Image5", "exteriorcolor.ini", "menuColor", "mnuColor", 9},
    {"Image7", "status.ini", "menuStatus", "mnuStatus", 17},
    {"Image8", "boxtype.ini", "mnuBoxTypes", "mnuBoxType", 7},
    {"Image3", "cargrade.ini", "mnuGrading", "mnuGrade", 5},
    {"Image2", "series.ini", "menuSeries", "mnuSeries", 4},
    {"Image6", "boxgrade.ini", "mnuBoxGrading", "mnuBGrading", 8},
    {"Image4", "wheeltypes.ini", "mnuWheelTypes", "mnuWheels", 6},
};

const PickList* listOfIcon(const QString& icon) {
    for (const auto& l : kPickLists) {
        if (icon == QLatin1String(l.icon))
            return &l;
    }
    return nullptr;
}
}  // namespace

void frmMain::connectPickMenus() {
    for (const auto& l : kPickLists) {
        const QString entriesName = QString::fromLatin1(l.entries);
        auto* entries =
            new MenuEntryArray(pickMenu(QString::fromLatin1(l.menu)), entriesName, this);
        m_entryArrays.insert(entriesName, entries);
        const int box = l.box;
        connect(entries, &MenuEntryArray::Click, this,
                [this, entries, box](int Index) { pickMenuEntryChosen(*entries, box, Index); });
        const QString icon = QString::fromLatin1(l.icon);
        connect(listIcons.value(icon), &ImageBox::clicked, this,
                [this, icon] { pickMenuIconClicked(icon); });
    }
}

MenuEntryArray* frmMain::entryArray(const QString& name) const {
    return m_entryArrays.value(name);
}

void frmMain::pickMenuIconClicked(const QString& icon, std::optional<QPoint> place) {
    const PickList* l = listOfIcon(icon);
    if (!l)
        return;
    MenuEntryArray* entries = m_entryArrays.value(QString::fromLatin1(l->entries));
    LoadMenuFromFile(*entries, ProgramInfo::path(QString::fromLatin1(l->file)));
    if (place)
        entries->popupAt(*place);
    else
        entries->popupAtPointer();
}

QString frmMain::listIconOf(int box) const {
    for (const auto& l : kPickLists) {
        if (l.box == box)
            return QString::fromLatin1(l.icon);
    }
    return {};
}

void frmMain::pickMenuEntryChosen(MenuEntryArray& entries, int box, int Index) {
    txtTextl[size_t(box)]->setText(entries.caption(Index));
}

void frmMain::Image10_Click() {
    pickMenuIconClicked(QStringLiteral("Image10"));
}
void frmMain::Image12_Click() {
    pickMenuIconClicked(QStringLiteral("Image12"));
}
void frmMain::Image9_Click() {
    pickMenuIconClicked(QStringLiteral("Image9"));
}
void frmMain::Image5_Click() {
    pickMenuIconClicked(QStringLiteral("Image5"));
}
void frmMain::Image7_Click() {
    pickMenuIconClicked(QStringLiteral("Image7"));
}
void frmMain::Image8_Click() {
    pickMenuIconClicked(QStringLiteral("Image8"));
}
void frmMain::Image3_Click() {
    pickMenuIconClicked(QStringLiteral("Image3"));
}
void frmMain::Image2_Click() {
    pickMenuIconClicked(QStringLiteral("Image2"));
}
void frmMain::Image6_Click() {
    pickMenuIconClicked(QStringLiteral("Image6"));
}
void frmMain::Image4_Click() {
    pickMenuIconClicked(QStringLiteral("Image4"));
}

}  // namespace kbs
