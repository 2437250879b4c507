// Help's "Restore a backup…" and "Recently deleted…".
#include "RecoveryCommands.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <iterator>
#include <utility>

#include "Backup.h"
#include "BackupDialogs.h"
#include "CatalogueFile.h"
#include "CatalogueSession.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "Schema.h"

namespace kbs {

RecoveryCommands::RecoveryCommands(QWidget& window, CatalogueSession& session, QMenu& help,
                                   std::function<bool()> editing)
    : QObject(&window), m_window(window), m_session(session), m_editing(std::move(editing)) {
    help.addSeparator();
    const std::pair<QString, void (RecoveryCommands::*)()> entries[] = {
        {tr("Restore a backup…"), &RecoveryCommands::showRestoreBackup},
        {tr("Recently deleted…"), &RecoveryCommands::showRecentlyDeleted}};
    const char* names[] = {"RestoreBackup", "RecentlyDeleted"};
    for (size_t i = 0; i < std::size(entries); ++i) {
        QAction* a = help.addAction(entries[i].first);
        a->setObjectName(QString::fromLatin1(names[i]));
        connect(a, &QAction::triggered, this, entries[i].second);
    }
}

void RecoveryCommands::showRecentlyDeleted() {
    if (!m_session.isOpen())
        return;
    auto* dialog = new RecentlyDeletedDialog(m_session, &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &RecentlyDeletedDialog::bringBack, this, &RecoveryCommands::bringBack);
    dialog->open();
}

void RecoveryCommands::showRestoreBackup() {
    if (m_editing()) {
        prompts().msgBox(tr("Save or cancel the record being edited first."),
                         mb::OKOnly | mb::Information, tr("Restore a backup"));
        return;
    }
    if (!cataloguefile::isOwn(cataloguefile::current())) {
        // The backups are of the program's own catalogue; none may take another's place.
        prompts().msgBox(tr("Backups are made of the program's own catalogue only; open it "
                            "to restore one."),
                         mb::OKOnly | mb::Information, tr("Restore a backup"));
        return;
    }
    auto* dialog = new RestoreDialog(
        ProgramInfo::path(backup::FolderName),
        ProgramInfo::path(QString::fromLatin1(schema::DatabaseFileName)), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &RestoreDialog::restored, this, &RecoveryCommands::restored);
    dialog->open();
}

}  // namespace kbs
