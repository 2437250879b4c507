#include "DeleteUndo.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace kbs {

DeleteUndo::DeleteUndo(QMainWindow& window, QStatusBar& bar)
    : QObject(&window),
      m_action(new QAction(tr("Undo delete"), &window)),
      m_button(new QPushButton(tr("&Undo delete"), &bar)),
      m_timer(new QTimer(this)) {
    m_action->setObjectName(QStringLiteral("actUndoDelete"));
    m_action->setShortcut(QKeySequence::Undo);
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setEnabled(false);
    window.addAction(m_action);
    m_button->setObjectName(QStringLiteral("cmdUndoDelete"));
    m_button->setAccessibleDescription(tr("Brings back the record just deleted (Ctrl+Z)"));
    m_button->setToolTip(m_button->accessibleDescription());
    m_button->hide();
    bar.addPermanentWidget(m_button);
    m_timer->setSingleShot(true);
    m_timer->setInterval(OfferMs);
    connect(m_timer, &QTimer::timeout, m_button, &QWidget::hide);
    connect(m_action, &QAction::triggered, this, &DeleteUndo::undoRequested);
    connect(m_button, &QPushButton::clicked, this, &DeleteUndo::undoRequested);
}

void DeleteUndo::offer(const Deleted& d) {
    m_deleted.push_back(d);
    m_action->setEnabled(true);
    m_button->show();
    m_timer->start();
}

std::optional<DeleteUndo::Deleted> DeleteUndo::take() {
    m_button->hide();
    m_timer->stop();
    if (m_deleted.empty())
        return std::nullopt;
    const Deleted d = m_deleted.back();
    m_deleted.pop_back();
    m_action->setEnabled(!m_deleted.empty());
    return d;
}

void DeleteUndo::forgetAll() {
    m_deleted.clear();
    m_action->setEnabled(false);
    m_button->hide();
    m_timer->stop();
}

}  // namespace kbs
