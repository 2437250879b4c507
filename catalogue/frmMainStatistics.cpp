// The statistics window, from the Report button's menu.
#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "StatisticsWindow.h"
#include "frmMain.h"

namespace kbs {

void frmMain::addStatisticsEntry() {
    QToolButton* report = toolbarButton(QStringLiteral("Report"));
    if (!report || !report->menu())
        return;
    report->menu()->addSeparator();
    QAction* a = report->menu()->addAction(tr("Statistics…"));
    a->setObjectName(QStringLiteral("Statistics"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(a);  // its key works wherever the focus is
    connect(a, &QAction::triggered, this, &frmMain::showStatistics);
}

void frmMain::showStatistics() {
    if (!m_statistics)
        m_statistics = new StatisticsWindow(
            m_session, [this] { return shownIds(); }, this);
    m_statistics->show();
    m_statistics->raise();
    m_statistics->activateWindow();
}

}  // namespace kbs
