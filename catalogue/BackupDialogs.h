#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace kbs {

class CatalogueSession;

// Help > "Restore a backup…": lists the backups (date, records, pictures, size) and restores
// the chosen one into a new catalogue file beside the catalogue, on a thread of its own, with
// its progress; Cancel stops it and leaves everything as it was. A restored file is handed on
// with restored(), for the window to put in the catalogue's place.
class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    RestoreDialog(const QString& folder, const QString& catalogue, QWidget* parent = nullptr);
    ~RestoreDialog() override;

    QTreeWidget* list() const { return m_list; }
    void restoreChosen();
    void reject() override;  // cancels a restore running

Q_SIGNALS:
    void restored(const QString& file, const QString& backupDate);

private:
    void finished(const QString& why);

    QString m_catalogue;
    QString m_target;
    QString m_backup;
    QString m_chosen;  // its date, as the list shows it
    QTreeWidget* m_list;
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_restore;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
};

// Help > "Recently deleted…": the records deleted in the last days, the latest first; Restore
// brings the chosen one back with bringBack().
class RecentlyDeletedDialog : public QDialog {
    Q_OBJECT
public:
    RecentlyDeletedDialog(CatalogueSession& session, QWidget* parent = nullptr);
    QTreeWidget* list() const { return m_list; }
    void fill();
    void bringBackChosen();

Q_SIGNALS:
    void bringBack(qint64 id);

private:
    CatalogueSession& m_session;
    QTreeWidget* m_list;
    QLabel* m_status;
    QPushButton* m_restore;
};

}  // namespace kbs
