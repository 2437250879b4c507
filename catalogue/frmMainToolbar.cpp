// The toolbar's commands: the dispatch of its buttons and drop-down entries, and the reports.
#include <utility>

#include "FlexGrid.h"
#include "MainTexts.h"
#include "MainToolbar.h"
#include "ReportCommands.h"
#include "frmMain.h"

namespace kbs {

namespace {

using mainText::Command;

const mainText::ToolbarButton* buttonOfKey(const QString& key) {
    for (const auto& b : mainText::ToolbarButtons) {
        if (key == QLatin1String(b.key))
            return &b;
    }
    return nullptr;
}

}  // namespace

void frmMain::buildToolbar() {
    Toolbar1 = new MainToolbar(this);
    FilterBar1 = Toolbar1->filterBar();
    Image11 = Toolbar1->logo();
    connect(Toolbar1, &MainToolbar::buttonClicked, this, &frmMain::Toolbar1_ButtonClick);
    connect(Toolbar1, &MainToolbar::menuEntryChosen, this, &frmMain::Toolbar1_ButtonMenuClick);
}

void frmMain::attachToolbarImages() {
    Toolbar1->attachImages();
}

QToolButton* frmMain::toolbarButton(const QString& key) const {
    return Toolbar1->button(key);
}

QAction* frmMain::toolbarMenuEntry(const QString& buttonKey, const QString& text) const {
    return Toolbar1->menuEntry(buttonKey, text);
}

void frmMain::setModeButtonsEnabled(bool enabled) {
    Toolbar1->setModeButtonsEnabled(enabled);
}

void frmMain::runCommand(Command command) {
    using Action = void (frmMain::*)();
    static constexpr std::pair<Command, Action> kActions[] = {
        {Command::Add, &frmMain::Add_New_Record},    {Command::Edit, &frmMain::Edit_Record},
        {Command::Delete, &frmMain::Delete_Record},  {Command::Find, &frmMain::Find_Record},
        {Command::Report, &frmMain::showLastReport}, {Command::About, &frmMain::showAbout},
        {Command::Tips, &frmMain::showTips},         {Command::Editor, &frmMain::showEditor},
    };
    for (const auto& [which, action] : kActions) {
        if (which == command)
            (this->*action)();
    }
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (const auto* b = buttonOfKey(key))
        runCommand(b->command);
}

void frmMain::Toolbar1_ButtonMenuClick(const QString& text) {
    if (m_reports->choose(text))
        return;
    for (const auto& h : mainText::HelpEntries) {
        if (text == QLatin1String(h.text)) {
            runCommand(h.command);
            return;
        }
    }
}

void frmMain::showLastReport() {
    m_reports->showLast();
}

// The IDs of the records the grid shows, in its order, for the report of the records shown.
std::vector<std::int64_t> frmMain::shownIds() const {
    std::vector<std::int64_t> ids;
    if (rs && FG1->model().showsRecordsOf(*rs)) {
        std::string scratch;
        ids.reserve(FG1->model().shownSlots().size());
        for (const RecordSet::Slot slot : FG1->model().shownSlots()) {
            const std::string_view id = rs->shownUtf8At(slot, 0, scratch);
            ids.push_back(QByteArray::fromRawData(id.data(), qsizetype(id.size())).toLongLong());
        }
    }
    return ids;
}

}  // namespace kbs
