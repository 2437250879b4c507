#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace kbs {

class CatalogueSession;

// Help's entries that bring back what was deleted or replaced: "Restore a backup…" and
// "Recently deleted…", each a window-modal dialog over the catalogue window. What comes back
// is the window's to show: the commands say so by their signals.
class RecoveryCommands : public QObject {
    Q_OBJECT
public:
    // `editing` says whether a record is being added or edited in the window.
    RecoveryCommands(QWidget& window, CatalogueSession& session, QMenu& help,
                     std::function<bool()> editing);

    void showRecentlyDeleted();
    void showRestoreBackup();

Q_SIGNALS:
    void bringBack(qint64 id);
    // A backup chosen and copied to `file`, to take the catalogue's place.
    void restored(const QString& file, const QString& backupDate);

private:
    QWidget& m_window;
    CatalogueSession& m_session;
    std::function<bool()> m_editing;
};

}  // namespace kbs
