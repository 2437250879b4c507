// kbsmgr-restore: lists the backups of a catalogue, or restores one in its place.
//
//   kbsmgr-restore --list CATALOGUE.mdb
//   kbsmgr-restore CATALOGUE.mdb BACKUP
//
// The backups are those in the "backups" folder beside the catalogue; BACKUP is a date
// (YYYY-MM-DD), a backup's name in that folder, or a path. The backup is restored into a new
// file beside the catalogue and checked, then takes the catalogue's place; the catalogue as it
// was is kept beside it as "mydb-before-restore-YYYY-MM-DD-HHMM.mdb". The program must not be
// running on the catalogue.
//
// Standard output: the list (date, records, pictures, bytes, file), or "restored BACKUP; the
// catalogue as it was is kept as FILE". Standard error: on failure one line
// "kbsmgr-restore: MESSAGE". Exit status: 0 done, 1 not done (nothing changed), 2 wrong
// arguments. Interrupted (Ctrl+C, SIGTERM, SIGHUP), it stops and leaves everything as it was.
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "AppError.h"
#include "Backup.h"
#include "CatalogueLock.h"
#include "SafeFile.h"
#include "SingleInstance.h"

namespace {

std::atomic<bool> g_stop{false};

extern "C" void onStop(int) {
    g_stop = true;
}

int usage() {
    std::fprintf(stderr,
                 "usage: kbsmgr-restore --list CATALOGUE.mdb\n"
                 "       kbsmgr-restore CATALOGUE.mdb BACKUP\n");
    return 2;
}

int fail(const QString& message) {
    std::fprintf(stderr, "kbsmgr-restore: %s\n", qPrintable(message));
    return 1;
}

// The backup the argument names: a path, a name in the folder, or a date.
QString chosen(const QString& folder, const QString& arg) {
    if (QFileInfo(arg).isFile())
        return arg;
    for (const QString& n : kbs::backup::copiesIn(folder)) {
        if (n == arg || n.startsWith(QStringLiteral("mydb-%1.").arg(arg)))
            return QDir(folder).filePath(n);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool list = args.removeAll(QStringLiteral("--list")) > 0;
    if (args.size() != (list ? 1 : 2))
        return usage();
    const QString catalogue = QFileInfo(args[0]).absoluteFilePath();
    const QString folder = QFileInfo(catalogue).dir().filePath(kbs::backup::FolderName);
    // What a restore that was killed left beside the catalogue goes first.
    kbs::safefile::removeLeftovers(catalogue);
    if (list) {
        const QList<kbs::backup::Entry> all = kbs::backup::entries(folder);
        if (all.isEmpty())
            std::printf("%s\n",
                        qPrintable(QCoreApplication::translate("kbsmgr-restore",
                                                               "There are no backups of %1 in %2.")
                                       .arg(catalogue, folder)));
        for (const auto& e : all)
            std::printf("%s %lld %lld %lld %s\n", qPrintable(e.date.toString(Qt::ISODate)),
                        static_cast<long long>(e.records), static_cast<long long>(e.pictures),
                        static_cast<long long>(e.bytes), qPrintable(QFileInfo(e.path).fileName()));
        return 0;
    }
    if (!QFileInfo(catalogue).isFile())
        return fail(QStringLiteral("%1 is not there").arg(catalogue));
    const QString backup = chosen(folder, args[1]);
    if (backup.isEmpty())
        return fail(QStringLiteral("no backup %1 in %2").arg(args[1], folder));
    QLocalSocket probe;
    probe.connectToServer(kbs::SingleInstance::serverNameFor(catalogue));
    if (probe.waitForConnected(500) || kbs::CatalogueLock::othersHold(catalogue))
        return fail(QStringLiteral("the program is running on %1: restore from its Help menu, "
                                   "or quit it first")
                        .arg(catalogue));
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = onStop;
        ::sigaction(sig, &action, nullptr);
    }
    QString keptAs;
    try {
        const QString target = kbs::safefile::freeScratchName(catalogue);
        kbs::backup::restore(backup, target, &g_stop);
        QDir().mkpath(folder);
        const kbs::backup::FolderLock lock(folder);
        if (!lock.held()) {
            QFile::remove(target);
            return fail(QStringLiteral("%1 could not be restored: %2")
                            .arg(backup, QStringLiteral("a backup is being made; try again when "
                                                        "it is done")));
        }
        try {
            keptAs = kbs::backup::swapIn(target, catalogue, QDateTime::currentDateTime());
        } catch (const kbs::AppError&) {
            QFile::remove(target);
            throw;
        }
    } catch (const kbs::AppError& e) {
        return fail(QStringLiteral("%1 could not be restored: %2").arg(backup, e.description()));
    }
    std::printf("restored %s; the catalogue as it was is kept as %s\n",
                qPrintable(QFileInfo(backup).fileName()), qPrintable(keptAs));
    return 0;
}
