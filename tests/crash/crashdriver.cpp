// The crash harness's driver. "save" runs the real catalogue window offscreen and saves
// records in a loop — new records, edits, pictures of a few hundred KB — printing one line for
// every save that has returned. "check" opens the catalogue afterwards and checks that the
// file is sound, that every record is whole and that every save that returned is there.
//
//   kbsmgr-crashdriver save DIR SEED        (runs until killed)
//   kbsmgr-crashdriver check DIR LOG...     (exit 0 when nothing was lost)
//   kbsmgr-crashdriver delete DIR           (deletes a record and brings it back, until killed)
//   kbsmgr-crashdriver list DIR             (saves a value list through the editor's save,
//                                            two texts in turn, until killed)
//   kbsmgr-crashdriver listcheck DIR        (exit 0 when the list holds one text whole)
//   kbsmgr-crashdriver backup DIR           (a backup a day, three kept, a picture changed
//                                            between them, until killed)
//   kbsmgr-crashdriver restore DIR          (restores the newest backup in the catalogue's
//                                            place, over and over, until killed)
//   kbsmgr-crashdriver backupcheck DIR      (as the next start: exit 0 when the catalogue is
//                                            whole, every backup restores, nothing is left over)
#include <sqlite3.h>

#include <unistd.h>
#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QThread>
#include <QToolButton>
#include <cstdio>
#include <stdexcept>

#include "../catalogue/Controls.h"
#include "AppError.h"
#include "Backup.h"
#include "Connection.h"
#include "DeletedRecords.h"
#include "EditorTextBox.h"
#include "LimitedTextbox.h"
#include "ProgramInfo.h"
#include "RecordSet.h"
#include "SafeFile.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TestEnv.h"
#include "frmMain.h"
#include "modTextboxFile.h"

using namespace kbs;

namespace {

// A record is whole when its notes hold the signature of its other fields and its picture.
QString signature(const QString& description, const QString& color, const QString& version,
                  const QByteArray& picture) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData((description + QLatin1Char('|') + color + QLatin1Char('|') + version).toUtf8());
    h.addData(picture);
    return QStringLiteral("sig:") + QString::fromLatin1(h.result().toHex());
}

QByteArray pictureOf(int seed, int size) {
    QByteArray b(size, '\0');
    QRandomGenerator r{quint32(seed)};
    for (int i = 0; i < size; ++i)
        b[i] = char(r.bounded(256));
    return b;
}

int save(const QString& dir, int seed) {
    ProgramInfo::setDirectoryOverride(dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                   QStringLiteral("0"));
    test::ScriptedPrompts prompts;
    setPrompts(&prompts);
    QStringList pictures;
    for (int i = 0; i < 3; ++i) {
        const QString path = dir + QStringLiteral("/pic%1.bin").arg(i);
        if (!QFile::exists(path)) {
            QFile f(path + QStringLiteral(".new"));
            f.open(QIODevice::WriteOnly);
            f.write(pictureOf(i, 150000 + 100000 * i));
            f.close();
            QFile::rename(path + QStringLiteral(".new"), path);
        }
        pictures << path;
    }
    frmMain w;
    w.Form_Load();
    w.show();
    QRandomGenerator r{quint32(seed)};
    for (int n = 0;; ++n) {
        // New records until the catalogue holds a few hundred, then edits, so that a long run
        // stays a reasonable size.
        const long count = w.recordSet()->recordCount();
        const bool edit = count >= 400 || (count > 0 && r.bounded(3) == 0);
        QString version = QStringLiteral("1");
        if (edit) {
            w.recordSet()->moveFirst();
            for (long k = r.bounded(int(count)); k > 0; --k)
                w.recordSet()->moveNext();
            w.GetInfo(w.recordSet()->value(0).toString());
            version = QString::number(ui(w).txtTextl[10]->text().toInt() + 1);
            w.toolbarButton(QStringLiteral("Edit"))->click();
        } else {
            w.toolbarButton(QStringLiteral("Add"))->click();
        }
        const QString description = QStringLiteral("Model %1-%2").arg(seed).arg(n);
        const QString color = QStringLiteral("Colour %1").arg(r.bounded(1000));
        const int pic = int(r.bounded(3));
        QFile f(pictures[pic]);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        ui(w).txtTextl[1]->setText(description);
        ui(w).txtTextl[9]->setText(color);
        ui(w).txtTextl[10]->setText(version);
        ui(w).txtNotes->setPlainText(signature(description, color, version, bytes));
        ui(w).Option1[0]->setChecked(true);
        ui(w).txtPicDir->setText(pictures[pic]);
        ui(w).cmdSave->click();
        if (!prompts.shown.isEmpty()) {
            std::fprintf(stderr, "save refused: %s\n", qPrintable(prompts.shown.last().text));
            return 2;
        }
        std::printf("ok %s %s\n", qPrintable(w.recordSet()->value(0).toString()),
                    qPrintable(version));
        std::fflush(stdout);
    }
}

// Deletes the first record and brings it back, as the window's delete and its undo do, until
// killed.
int deleteLoop(const QString& dir) {
    Connection cn;
    cn.setConnectionString(Connection::connectionStringFor(dir + QStringLiteral("/mydb.mdb")));
    cn.open();
    RecordSet rs;
    rs.setBeforeDelete([](sqlite3* db, RecordSet::Bookmark id) {
        deleted::keep(db, id, QDateTime::currentDateTime());
    });
    // What a killed run left deleted comes back first (an undo too).
    for (const deleted::Record& r : deleted::list(cn.handle()))
        deleted::bringBack(cn.handle(), r.id);
    rs.open(QStringLiteral("SELECT * FROM table1 ORDER BY ID"), cn);
    if (rs.bof() && rs.eof())
        return 2;
    for (;;) {
        rs.moveFirst();
        const RecordSet::Bookmark id = rs.bookmark();
        rs.deleteCurrent();
        rs.reinsert(deleted::bringBack(cn.handle(), id));
    }
}

int check(const QString& dir, const QStringList& logs) {
    const QString path = dir + QStringLiteral("/mydb.mdb");
    int failures = 0;
    QMap<qint64, int> stored;
    try {
        for (const QVariantList& row :
             test::rowsOf(path, QStringLiteral("PRAGMA integrity_check"))) {
            if (row.value(0).toString() != QLatin1String("ok")) {
                std::printf("integrity: %s\n", qPrintable(row.value(0).toString()));
                ++failures;
            }
        }
        for (const QVariantList& r : test::rowsOf(
                 path, QStringLiteral("SELECT ID, Description, Color, Quantity, Notes, binpicdata "
                                      "FROM table1"))) {
            const qint64 id = r[0].toLongLong();
            if (r[4].toString() !=
                signature(r[1].toString(), r[2].toString(), r[3].toString(), r[5].toByteArray())) {
                std::printf("record %lld is not whole\n", static_cast<long long>(id));
                ++failures;
            }
            stored.insert(id, r[3].toString().toInt());
        }
        // A record deleted and not yet brought back is kept, not lost.
        if (!test::rowsOf(path, QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = "
                                               "'deleted_records'"))
                 .isEmpty()) {
            for (const QVariantList& r :
                 test::rowsOf(path, QStringLiteral("SELECT ID, Quantity FROM deleted_records")))
                stored.insert(r[0].toLongLong(), r[1].toString().toInt());
        }
    } catch (const std::exception& e) {
        std::printf("cannot read the catalogue: %s\n", e.what());
        return 1;
    }

    int reported = 0;
    for (const QString& log : logs) {
        QFile f(log);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const auto parts = line.split(' ');
            if (parts.size() != 3 || parts[0] != "ok" || parts[2].isEmpty())
                continue;
            ++reported;
            const qint64 id = parts[1].toLongLong();
            const int version = parts[2].toInt();
            if (!stored.contains(id) || stored.value(id) < version) {
                std::printf("saved record %lld version %d is lost\n", static_cast<long long>(id),
                            version);
                ++failures;
            }
        }
    }
    std::printf("records %lld, saves reported %d, failures %d\n",
                static_cast<long long>(stored.size()), reported, failures);
    return failures ? 1 : 0;
}

QString listText(int which) {
    QStringList lines;
    for (int i = 0; i < 20000; ++i)
        lines
            << (which ? QStringLiteral("Metallic blue %1") : QStringLiteral("Dark red %1")).arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

int saveList(const QString& dir) {
    test::ScriptedPrompts prompts;
    setPrompts(&prompts);
    EditorTextBox box;
    const QString path = dir + QStringLiteral("/exteriorcolor.ini");
    const QString texts[] = {listText(0), listText(1)};
    for (int n = 0;; ++n) {
        box.setText(texts[n % 2]);
        if (!SaveTextboxToFile(box, path))
            return 2;
        std::printf("ok %d\n", n);
        std::fflush(stdout);
    }
}

int checkList(const QString& dir) {
    QFile f(dir + QStringLiteral("/exteriorcolor.ini"));
    if (!f.exists())
        return 0;  // killed before the first save
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (int which = 0; which < 2; ++which) {
        if (bytes == (listText(which) + QStringLiteral("\r\n")).toUtf8())
            return 0;
    }
    std::printf("the value list holds neither text whole (%lld bytes)\n",
                static_cast<long long>(bytes.size()));
    return 1;
}

// The simulated day, kept in a file of its own.
int dayOf(const QString& dir, int next = -1) {
    const QString path = dir + QStringLiteral("/day");
    if (next >= 0)
        safefile::replaceWhole(path, QByteArray::number(next));
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toInt() : 0;
}

int backupLoop(const QString& dir) {
    const QString db = dir + QStringLiteral("/mydb.mdb");
    Connection cn;
    cn.setConnectionString(Connection::connectionStringFor(db));
    cn.open();
    backup::trackChanges(cn.handle());
    for (int day = dayOf(dir);; day = dayOf(dir, day + 1)) {
        const QByteArray picture = pictureOf(day, 60000);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(cn.handle(),
                           "UPDATE record_pictures SET bytes = ? WHERE pic_id = (SELECT "
                           "min(pic_id) FROM record_pictures)",
                           -1, &st, nullptr);
        sqlite3_bind_blob(st, 1, picture.constData(), int(picture.size()), SQLITE_STATIC);
        sqlite3_step(st);
        sqlite3_finalize(st);
        if (sqlite3_changes(cn.handle()) == 0)
            sqlite3_exec(cn.handle(),
                         "INSERT INTO record_pictures (record_id, position, bytes) VALUES (1, 2, "
                         "x'00')",
                         nullptr, nullptr, nullptr);
        QThread::msleep(5);
        backup::Options o;
        o.today = QDate(2026, 1, 1).addDays(day);
        o.keep = 3;
        const auto r = backup::make(db, dir + QStringLiteral("/backups"), o);
        std::printf("day %d: %d\n", day, int(r.outcome));
        std::fflush(stdout);
    }
}

int restoreLoop(const QString& dir) {
    const QString db = dir + QStringLiteral("/mydb.mdb");
    for (;;) {
        const QString folder = dir + QStringLiteral("/backups");
        const QStringList kept = backup::copiesIn(folder);
        if (kept.isEmpty())
            return 2;
        QString keptAs;
        try {
            const QString target = safefile::freeScratchName(db);
            backup::restore(folder + QLatin1Char('/') + kept.last(), target);
            const backup::FolderLock lock(folder);
            keptAs = backup::swapIn(target, db, QDateTime::currentDateTime());
        } catch (const AppError& e) {
            std::fprintf(stderr, "restore failed: %s\n", qPrintable(e.description()));
            return 2;
        }
        QFile::remove(keptAs);
        std::printf("restored %s\n", qPrintable(kept.last()));
        std::fflush(stdout);
    }
}

int backupCheck(const QString& dir) {
    const QString db = dir + QStringLiteral("/mydb.mdb");
    const QString folder = dir + QStringLiteral("/backups");
    // What the next start does: the leftovers of the program directory, an unfinished swap,
    // and the next backup (which clears the folder's).
    safefile::removeLeftoversIn(dir, QDateTime::currentDateTime().addSecs(120));
    backup::removeUnfinishedSwap(db);
    int failures = 0;
    for (const QVariantList& row : test::rowsOf(db, QStringLiteral("PRAGMA integrity_check"))) {
        if (row.value(0).toString() != QLatin1String("ok")) {
            std::printf("catalogue: %s\n", qPrintable(row.value(0).toString()));
            ++failures;
        }
    }
    backup::Options o;
    o.today = QDate(2026, 1, 1).addDays(dayOf(dir));
    o.keep = 3;
    backup::make(db, folder, o);
    for (const QString& n : backup::copiesIn(folder)) {
        const QString target = dir + QStringLiteral("/check.mdb");
        try {
            backup::restore(folder + QLatin1Char('/') + n, target);
        } catch (const AppError& e) {
            std::printf("%s does not restore: %s\n", qPrintable(n), qPrintable(e.description()));
            ++failures;
        }
        QFile::remove(target);
    }
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString n = it.next();
        // A catalogue kept by a restore is whole, and is the collector's to remove.
        if (n.contains(u"-before-restore-")) {
            if (test::rowsOf(n, QStringLiteral("PRAGMA quick_check")).value(0).value(0) !=
                QStringLiteral("ok")) {
                std::printf("%s is not whole\n", qPrintable(n));
                ++failures;
            }
            QFile::remove(n);
        } else if (safefile::isScratchName(QFileInfo(n).fileName())) {
            std::printf("left over: %s\n", qPrintable(n));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("save"))
        return save(args[2], args[3].toInt());
    if (args.size() >= 3 && args[1] == QLatin1String("check"))
        return check(args[2], args.mid(3));
    if (args.size() >= 3 && args[1] == QLatin1String("list"))
        return saveList(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("delete"))
        return deleteLoop(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("listcheck"))
        return checkList(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("backup"))
        return backupLoop(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("restore"))
        return restoreLoop(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("backupcheck"))
        return backupCheck(args[2]);
    std::fprintf(
        stderr,
        "usage: kbsmgr-crashdriver save|check|delete|list|listcheck|backup|restore|backupcheck "
        "DIR ...\n");
    return 2;
}
