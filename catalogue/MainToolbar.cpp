// The toolbar's buttons, drop-down entries, filter bar and logo.
#include "MainToolbar.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "CastingList.h"
#include "Designed.h"
#include "FilterBar.h"
#include "ImageBox.h"
#include "MainTexts.h"
#include "Twips.h"

namespace kbs {

MainToolbar::MainToolbar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(16, 16));
    setStyleSheet(
        QStringLiteral("QToolBar { padding: 0px; spacing: 1px; border: none; }"
                       "QToolButton { padding: 0px 3px 0px 3px; margin: 0px; }"));
    for (const auto& b : mainText::ToolbarButtons) {
        const QString key = latin(b.key);
        if (b.separatorBefore)
            addSeparator();
        auto* button = new QToolButton(this);
        button->setObjectName(key);
        button->setText(mainText::translate(b.key));
        button->setToolTip(mainText::translate(b.tooltip));
        button->setAccessibleName(button->text());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        addWidget(button);
        m_buttons.insert(key, button);
        connect(button, &QToolButton::clicked, this, [this, key] { Q_EMIT buttonClicked(key); });
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
            connect(a, &QAction::triggered, this, [this, t] { Q_EMIT menuEntryChosen(t); });
        };
        if (b.dropdown == mainText::Dropdown::Reports) {
            for (const auto& r : mainText::ReportEntries)
                addEntry(r.text, r.text);
            const QString shown = FilterBar::shownReportEntry();
            auto* a = menu->addAction(shown);
            a->setObjectName(QStringLiteral("Shown"));
            connect(a, &QAction::triggered, this, [this, shown] { Q_EMIT menuEntryChosen(shown); });
            const QString duplicates = CastingList::duplicatesEntry();
            auto* d = menu->addAction(duplicates);
            d->setObjectName(QStringLiteral("Duplicates"));
            connect(d, &QAction::triggered, this,
                    [this, duplicates] { Q_EMIT menuEntryChosen(duplicates); });
        } else {
            for (const auto& h : mainText::HelpEntries)
                addEntry(h.text, h.key);
        }
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }

    FilterBar1 = new FilterBar(this);  // between the buttons and the logo
    addWidget(FilterBar1);

    Picture1 = new QWidget(this);
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

void MainToolbar::attachImages() {
    for (const auto& b : mainText::ToolbarButtons) {
        if (auto* button = m_buttons.value(latin(b.key)))
            button->setIcon(imlToolbar1.value(latin(b.key)));
    }
}

QAction* MainToolbar::menuEntry(const QString& buttonKey, const QString& text) const {
    auto* b = m_buttons.value(buttonKey);
    if (!b || !b->menu())
        return nullptr;
    for (auto* a : b->menu()->actions()) {
        if (a->text() == text || a->property("sourceText").toString() == text)
            return a;
    }
    return nullptr;
}

void MainToolbar::setModeButtonsEnabled(bool enabled) {
    for (int rank = 0; rank < int(std::size(mainText::ToolbarButtons)); ++rank) {
        for (const auto& b : mainText::ToolbarButtons) {
            if (b.modeRank != rank)
                continue;
            if (QToolButton* modeButton = button(latin(b.key)))
                modeButton->setEnabled(enabled);
        }
    }
}

}  // namespace kbs
