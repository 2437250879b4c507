#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <thread>

namespace kbs::backup {

// The folder of the program directory that holds the backup copies.
inline const QString FolderName = QStringLiteral("backups");

enum class Outcome {
    Made,       // a new copy is in the folder
    NotDue,     // there is one of today already
    Unchanged,  // the catalogue has not changed since the newest copy
    NoSpace,    // less free space than twice the catalogue's size
    Busy,       // another copy of the program is making one now
    Cancelled,
    Failed
};

struct Result {
    Outcome outcome = Outcome::Failed;
    QString path;     // the copy made
    QString message;  // for the status bar, when the collector should know
};

struct Options {
    int keep = 7;  // copies kept, the newest
    QDate today = QDate::currentDate();
    int pagesPerStep = 256;  // the source is read-locked for one step at a time
    // The free bytes where the copies go; empty asks the file system.
    std::function<qint64(const QString& folder)> freeSpace;
};

// Makes a backup copy of the catalogue in folder as "mydb-YYYY-MM-DD.mdb", with SQLite's
// online backup from a read-only connection of its own, so that the copy is a whole,
// consistent catalogue even while the program saves: at most one a day, only when the
// catalogue changed since the newest copy, and never when free space is under twice the
// catalogue's size. Then removes all but the newest options.keep copies.
//
// One copy of the program at a time works in the folder: it holds a lock on the folder's
// ".kbsmgr-backup.lock" throughout, and a second one that finds it held does nothing (Busy).
// A copy is written under a scratch name and gets its final name, never replacing a file,
// only after SQLite's check of it passed; the size and time of each checked copy are kept
// beside it in ".NAME.checked", so that a file under a copy's name that was not checked (a
// damaged or foreign one) is checked once, and when it is no whole catalogue, moved aside to
// "NAME.damaged" and not counted. Copies dated after options.today are kept and not counted;
// the message names them. Only files of its own names are touched. Setting *cancel stops it
// within one step, leaving nothing behind.
Result make(const QString& catalogue, const QString& folder, const Options& options = {},
            const std::atomic<bool>* cancel = nullptr);

// The names of the copies in folder, oldest first.
QStringList copiesIn(const QString& folder);

// Runs make() on a thread of its own; finished() comes on the owner's thread. Destroying it
// stops the copy and waits for its thread, which takes one step at most.
class BackgroundBackup : public QObject {
    Q_OBJECT
public:
    BackgroundBackup(QString catalogue, QString folder, Options options = {},
                     QObject* parent = nullptr);
    ~BackgroundBackup() override;
    void start();

Q_SIGNALS:
    void finished(const kbs::backup::Result& result);

private:
    QString m_catalogue;
    QString m_folder;
    Options m_options;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
};

}  // namespace kbs::backup
