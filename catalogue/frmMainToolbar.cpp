// The toolbar: its buttons and drop-down entries, made from the table in MainTexts.h, the
// dispatch of their commands, the mode buttons' enabled state and the reports.
#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <utility>

#include "AppError.h"
#include "Connection.h"
#include "DataReport.h"
#include "Designed.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "MainTexts.h"
#include "Prompts.h"
#include "TotalsReport.h"
#include "Twips.h"
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
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setStyleSheet(
        QStringLiteral("QToolBar { padding: 0px; spacing: 1px; border: none; }"
                       "QToolButton { padding: 0px 3px 0px 3px; margin: 0px; }"));
    for (const auto& b : mainText::ToolbarButtons) {
        const QString key = latin(b.key);
        if (b.separatorBefore)
            Toolbar1->addSeparator();
        auto* button = new QToolButton(Toolbar1);
        button->setObjectName(key);
        button->setText(mainText::translate(b.key));
        button->setToolTip(mainText::translate(b.tooltip));
        button->setAccessibleName(button->text());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        Toolbar1->addWidget(button);
        m_buttons.insert(key, button);
        connect(button, &QToolButton::clicked, this, [this, key] { Toolbar1_ButtonClick(key); });
        imlToolbar1.insert(key, designIcon(key));
        if (b.dropdown == mainText::Dropdown::None)
            continue;
        auto* menu = new QMenu(button);
        menu->setObjectName(key + QStringLiteral("Menu"));
        auto addEntry = [&](const char* text, const char* entryKey) {
            const QString t = latin(text);
            auto* a = menu->addAction(mainText::translate(text));
            a->setProperty("sourceText", t);
            a->setObjectName(latin(entryKey));
            a->setData(latin(entryKey));
            connect(a, &QAction::triggered, this, [this, t] { Toolbar1_ButtonMenuClick(t); });
        };
        if (b.dropdown == mainText::Dropdown::Reports) {
            for (const auto& r : mainText::ReportEntries)
                addEntry(r.text, r.text);
            const QString shown = FilterBar::shownReportEntry();
            auto* a = menu->addAction(shown);
            a->setObjectName(QStringLiteral("Shown"));
            connect(a, &QAction::triggered, this,
                    [this, shown] { Toolbar1_ButtonMenuClick(shown); });
        } else {
            for (const auto& h : mainText::HelpEntries)
                addEntry(h.text, h.key);
        }
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }

    FilterBar1 = new FilterBar(Toolbar1);  // between the buttons and the logo
    Toolbar1->addWidget(FilterBar1);

    Picture1 = new QWidget(Toolbar1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(7080, 0, 5775, 495));
    Image11 = new ImageBox(Picture1);
    Image11->setObjectName(QStringLiteral("Image11"));
    Image11->setAccessibleName(mainText::LogoName);
    Image11->setGeometry(twipsRect(3720, 0, 2040, 480));
    Image11->setPicture(designImage(QStringLiteral("logo"), 136, 32));
    FilterBar1->raise();
    FilterBar1->keepLeftOf(Image11);
}

void frmMain::attachToolbarImages() {
    for (const auto& b : mainText::ToolbarButtons) {
        if (auto* button = m_buttons.value(latin(b.key)))
            button->setIcon(imlToolbar1.value(latin(b.key)));
    }
}

QToolButton* frmMain::toolbarButton(const QString& key) const {
    return m_buttons.value(key);
}

QAction* frmMain::toolbarMenuEntry(const QString& buttonKey, const QString& text) const {
    auto* b = m_buttons.value(buttonKey);
    if (!b || !b->menu())
        return nullptr;
    for (auto* a : b->menu()->actions()) {
        if (a->text() == text || a->property("sourceText").toString() == text)
            return a;
    }
    return nullptr;
}

// The five mode buttons, always together and in their own order.
void frmMain::setModeButtonsEnabled(bool enabled) {
    for (int rank = 0; rank < int(std::size(mainText::ToolbarButtons)); ++rank) {
        for (const auto& b : mainText::ToolbarButtons) {
            if (b.modeRank != rank)
                continue;
            if (auto* button = toolbarButton(latin(b.key)))
                button->setEnabled(enabled);
        }
    }
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
    if (text == FilterBar::shownReportEntry()) {
        m_shownLast = true;
        m_totalsLast = false;
        showShownReport();
        return;
    }
    for (const auto& r : mainText::ReportEntries) {
        if (text != QLatin1String(r.text))
            continue;
        m_shownLast = false;
        m_totalsLast = !r.condition;
        if (m_totalsLast) {
            TotalsReport1->setCaption(mainText::translate(r.caption));
            showTotals();
        } else {
            m_reportQuery = DataReport::query() + QLatin1String(r.condition);
            showReport(m_reportQuery, mainText::translate(r.caption));
        }
        return;
    }
    for (const auto& h : mainText::HelpEntries) {
        if (text == QLatin1String(h.text)) {
            runCommand(h.command);
            return;
        }
    }
}

// The button itself: the last report entry chosen, under the caption it had.
void frmMain::showLastReport() {
    if (m_shownLast)
        showShownReport();
    else if (m_totalsLast)
        showTotals();
    else
        showReport(m_reportQuery, QString());
}

// A report reads a record set of its own on the catalogue's connection: the window's
// Record set, and so the record on screen, stays as it is.
void frmMain::showReport(const QString& query, const QString& caption,
                         const std::vector<std::int64_t>* only) {
    if (!m_session.isOpen())
        return;
    try {
        DataReport1->openDataSource(m_session.connection(),
                                    query.isEmpty() ? DataReport::query() : query, only);
        DataReport1->setDataMember(QString());
        if (!caption.isEmpty())
            DataReport1->setCaption(caption);
        TotalsReport1->unload();  // one report window at a time
        DataReport1->show();
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

// The records the grid shows, in its order, as the report of all records lays them out.
void frmMain::showShownReport() {
    std::vector<std::int64_t> ids;
    if (rs && FG1->model().showsRecordsOf(*rs)) {
        std::string scratch;
        ids.reserve(FG1->model().shownSlots().size());
        for (const RecordSet::Slot slot : FG1->model().shownSlots()) {
            const std::string_view id = rs->shownUtf8At(slot, 0, scratch);
            ids.push_back(QByteArray::fromRawData(id.data(), qsizetype(id.size())).toLongLong());
        }
    }
    showReport(DataReport::query(), FilterBar::shownReportCaption(), &ids);
}

// The totals read the catalogue anew each time they are shown.
void frmMain::showTotals() {
    if (!m_session.isOpen())
        return;
    try {
        TotalsReport1->open(m_session.connection());
        DataReport1->unload();
        TotalsReport1->show();
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

}  // namespace kbs
