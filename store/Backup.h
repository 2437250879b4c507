#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <thread>

struct sqlite3;

namespace kbs::backup {

// The folder of the program directory that holds the backups.
inline const QString FolderName = QStringLiteral("backups");
// The folder inside it that holds each picture of the backups once, named by the SHA-256 of
// its bytes.
inline const QString PicturesFolder = QStringLiteral("pictures");

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

// Makes a backup of the catalogue in folder, at most one a day, only when the catalogue
// changed since the newest backup, then removes all but the newest options.keep backups.
//
// A catalogue that keeps a record of its changes (trackChanges) is backed up as
// "mydb-YYYY-MM-DD.kbsbackup": a small catalogue of the records' texts in which each picture
// refers by the SHA-256 of its bytes to a file of the pictures folder, written once and shared
// by every backup that holds the picture. Only the pictures changed since the newest such
// backup are read; the others are taken from it. The catalogue is read a few rows at a time
// from a read-only connection of its own, and what changed meanwhile is read again at the end,
// so that the backup is the catalogue as it was at one moment while the program saves. A
// picture file is removed only when no kept backup refers to it.
//
// Any other catalogue is copied whole as "mydb-YYYY-MM-DD.mdb", with SQLite's online backup,
// and only when twice its size is free. Both kinds count as backups and are restored alike.
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

// The names of the backups in folder (whole copies and backups sharing pictures), oldest
// first.
QStringList copiesIn(const QString& folder);

// Makes the catalogue keep a record of its changes for the backups: which rows of table1 and of
// the further pictures were added, changed or deleted, in order, and a token that is new for
// each catalogue. A catalogue that cannot be written is left as it is; returns whether the
// record is kept.
bool trackChanges(sqlite3* db);

// What a backup holds, for choosing one to restore.
struct Entry {
    QString path;
    QDate date;
    qint64 records = -1;  // -1: not known
    qint64 pictures = -1;
    qint64 bytes = 0;  // the backup's own file and the picture files it refers to
};
QList<Entry> entries(const QString& folder);

// Restores the backup at `backup` into a new catalogue file at `target` (which must not
// exist): whole, checked, each picture compared with its hash, with the record of changes
// begun anew. Throws AppError saying what went wrong (err::CancelSelected when cancelled); on
// failure or cancel nothing is left at target. progress, when given, is told the share done
// (0..1000).
void restore(const QString& backup, const QString& target,
             const std::atomic<bool>* cancel = nullptr,
             const std::function<void(int)>& progress = {});

// Puts the restored catalogue in the place of `catalogue`, whose file is kept beside it as
// "mydb-before-restore-YYYY-MM-DD-HHMM.mdb" (at `now`). The name changes in one step, so the
// catalogue is at every moment the old or the new one; where the file system has no hard
// links the old file is kept as a copy. The catalogue must not be open. Returns the name the
// old file is kept under; throws AppError saying what went wrong (nothing changed).
QString swapIn(const QString& restored, const QString& catalogue, const QDateTime& now);

// After a run that was killed in the middle of a swap: a kept catalogue that is the same file
// as the catalogue itself is removed.
void removeUnfinishedSwap(const QString& catalogue);

// Held while this copy of the program works in the backups folder: a backup, or the swap of a
// restored catalogue, which must not happen while a backup reads the catalogue.
class FolderLock {
public:
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return m_fd >= 0; }
    bool busy() const { return m_busy; }

private:
    int m_fd = -1;
    bool m_busy = false;
};

// Runs make() on a thread of its own; finished() comes on the owner's thread. Destroying it
// stops the copy and waits for its thread, which takes one step at most.
class BackgroundBackup : public QObject {
    Q_OBJECT
public:
    BackgroundBackup(QString catalogue, QString folder, Options options = {},
                     QObject* parent = nullptr);
    ~BackgroundBackup() override;
    void start();
    void stop();  // stops a backup running and waits for its thread

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
