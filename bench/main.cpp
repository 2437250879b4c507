// kbsmgr-bench: times the catalogue's operations at 1,000, 10,000 and 100,000 records and
// prints a table; then the same catalogues with a 300 KB picture in every record (1,000,
// 10,000 and 40,000 records) against the same catalogues without pictures. Every measurement
// runs in a child process of its own, so that its peak memory and its reads are its own.
//
//   kbsmgr-bench [--quick] [--pictures-only] [--backup] [--backups] [--totals] [--records]
//                [--filter] [--groups] [--statistics] [--casting] [--values-only]
//                [--checklists] [--frame] [--idle [--program EXE]...]
//                [--work DIR]
//
// --quick leaves out the 100,000-record runs and the 40,000 photographed records. The
// catalogues are kept in DIR (12 GB for the 40,000 photographed records); delete it after.
// --backup times only the backup copies, of 100,000 records and of 3 GB of pictures (which
// needs about 10 GB of free disk). --backups: seven days of backups sharing pictures of a 3 GB
// catalogue, its restore, and the undo of a delete at 100,000 records. --totals times only the
// totals report's first page.
// --records times only the record rows at 100,000 records: open, start-up, save, delete, sorts.
// --checklists times 50 series checklists of 250 entries each matched against 100,000 records,
// as the Checklists window counts them, and the records each holds, as the filter asks.
// --filter times only the filter bar at 100,000 records: each keystroke until the grid's model
// shows the narrowed rows (median and 95th percentile), clearing, Find Next finding nothing,
// and the peak memory with and without a filter.
// --frame types into the filter bar of the program itself (the release build) in a window on a
// virtual X display, with xdotool as the keyboard, and times each key until the window's pixels
// below the filter bar change, at 100,000 records.
// --idle times whole starts of the program itself: its processor time until its first screen
// and until it is idle, at 100,000 records of which 30,000 link a picture file; --program
// (repeatable) names other builds of it to time beside it.
// --groups times only the group view at 100,000 records: opened, its field changed, a save
// followed by its counts, a group chosen until the grid shows it, and the peak memory with the
// view open against the start-up without it.
// --casting times the casting list after a key in add mode, the check before saving a model
// already held, and the Duplicates report's first page, at 100,000 records.
// --values-only times the value history at 100,000 records in this process: the upgrade that
// gives each record its first entry, a save that adds one, the value on 24 dates, a price
// guide of 10,000 rows and a record's history read; then the start-up with 500,000 valuations
// against the same catalogue without any.
#include <sqlite3.h>

#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../tests/catalogue/Controls.h"
#include "AppError.h"
#include "Backup.h"
#include "BenchPrompts.h"
#include "CastingIndex.h"
#include "CastingList.h"
#include "CatalogueSession.h"
#include "ChecklistMatcher.h"
#include "Collection.h"
#include "ColumnHeadings.h"
#include "Connection.h"
#include "DataGen.h"
#include "DataReport.h"
#include "DuplicatesReport.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "FrameBench.h"
#include "GroupFields.h"
#include "GroupPanel.h"
#include "IdleBench.h"
#include "LabelSheet.h"
#include "LimitedTextbox.h"
#include "PriceGuide.h"
#include "ProgramInfo.h"
#include "RecordSet.h"
#include "ReportCommands.h"
#include "ReportPreview.h"
#include "Schema.h"
#include "Settings.h"
#include "SharedPage.h"
#include "Startup.h"
#include "StatisticsWindow.h"
#include "ThumbnailMaker.h"
#include "TotalsReport.h"
#include "frmMain.h"
#include "frmTip.h"

using namespace kbs;

namespace {

long peakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// What this process has read so far: through read calls, and from the disk.
struct Io {
    double rchar = 0;
    double readBytes = 0;
    double wchar = 0;
};
Io readIo() {
    Io io;
    QFile f(QStringLiteral("/proc/self/io"));
    if (!f.open(QIODevice::ReadOnly))
        return io;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            io.rchar = line.mid(6).trimmed().toDouble();
        else if (line.startsWith("read_bytes:"))
            io.readBytes = line.mid(11).trimmed().toDouble();
        else if (line.startsWith("wchar:"))
            io.wchar = line.mid(6).trimmed().toDouble();
    }
    return io;
}

void report(const char* key, double value) {
    std::printf("%s=%.3f\n", key, value);
}
void report(const QByteArray& key, double value) {
    report(key.constData(), value);
}

double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// The processor time this process has used, in ms: on a busy machine the wall time of a step
// also holds the time other processes had the processor.
double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// The bare baseline: a sqlite3_step loop over every cell of the table, with the SQLite C API.
void runBaseline(const QString& db) {
    const double cpu = cpuMs();
    QElapsedTimer t;
    t.start();
    sqlite3* h = nullptr;
    sqlite3_open_v2(db.toUtf8().constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, "select * from table1", -1, &st, nullptr);
    // Every cell is stepped to and its bytes looked at, nothing is kept.
    const int n = sqlite3_column_count(st);
    long rows = 0;
    unsigned sum = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < n; ++c) {
            const auto* p = static_cast<const unsigned char*>(sqlite3_column_blob(st, c));
            const int len = sqlite3_column_bytes(st, c);
            sum += unsigned(len) + (p && len ? p[0] : 0u);
        }
        ++rows;
    }
    sqlite3_finalize(st);
    sqlite3_close(h);
    report("ms", msSince(t));
    report("cpu_ms", cpuMs() - cpu);
    report("rows", double(rows));
    report("sum", double(sum % 1000));
}

void runOpen(const QString& db) {
    QElapsedTimer t;
    t.start();
    Connection cn;
    cn.setConnectionString(Connection::connectionStringFor(db));
    cn.open();
    RecordSet rs;
    rs.open(QStringLiteral("select * from table1"), cn);
    report("ms", msSince(t));
    report("rows", double(rs.recordCount()));
}

void reportIo(const char* key, const Io& before) {
    const Io after = readIo();
    std::printf("%s_rchar_mb=%.3f\n%s_read_mb=%.3f\n", key, (after.rchar - before.rchar) / 1e6, key,
                (after.readBytes - before.readBytes) / 1e6);
}

// What the program adds to a catalogue at its first start, on its own.
void runIndex(const QString& db) {
    Connection cn;
    cn.setConnectionString(Connection::connectionStringFor(db));
    cn.open();
    const Io io = readIo();
    QElapsedTimer t;
    t.start();
    const bool done = schema::ensureTextIndex(cn.handle());
    report("ms", msSince(t));
    reportIo("index", io);
    report("done", done ? 1 : 0);
}

// A save's writing alone, on the record set, median of nine: every text column of a record.
void runUpdate(const QString& db, bool indexed) {
    Connection cn;
    cn.setConnectionString(Connection::connectionStringFor(db));
    cn.open();
    if (indexed)
        schema::ensureTextIndex(cn.handle());
    RecordSet rs;
    rs.open(QStringLiteral("select * from table1"), cn);
    std::vector<double> times;
    rs.moveFirst();
    for (int i = 0; i < 9; ++i) {
        rs.moveNext();
        QElapsedTimer t;
        t.start();
        for (int c = 1; c <= 23; ++c)
            rs.setValue(c, QStringLiteral("Bench %1 %2").arg(i).arg(c));
        rs.update();
        times.push_back(msSince(t));
    }
    std::sort(times.begin(), times.end());
    report("ms", times[times.size() / 2]);
}

// Starts the program on the catalogue: a copy in a fresh program directory, or the catalogue
// itself (a link to it) when it is too large to copy.
struct Window {
    QTemporaryDir dir;
    bench::BenchPrompts prompts;
    Program program;
    double startMs = 0;
    double startCpuMs = 0;
    explicit Window(const QString& db, bool inPlace = false) {
        if (inPlace)
            QFile::link(QFileInfo(db).absoluteFilePath(), dir.filePath(QStringLiteral("mydb.mdb")));
        else
            QFile::copy(db, dir.filePath(QStringLiteral("mydb.mdb")));
        ProgramInfo::setDirectoryOverride(dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                       QStringLiteral("0"));
        setPrompts(&prompts);
        const Io io = readIo();
        const double cpu = cpuMs();
        QElapsedTimer t;
        t.start();
        program = startProgram();
        startMs = msSince(t);
        startCpuMs = cpuMs() - cpu;
        reportIo("startup", io);
        QApplication::processEvents();
    }
    frmMain& w() { return *program.main; }
};

struct W {
    const char* what;
    const char* label;
    const char* target;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double percentile95(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(std::ceil(0.95 * double(v.size()))) - 1)];
}

// Types `text` into the filter bar a key at a time from an empty bar: the wall and processor
// time of each key until the grid's model shows its rows.
void typeFilter(frmMain& w, const QString& text, std::vector<double>& wall,
                std::vector<double>& cpu) {
    FlexGridModel& model = ui(w).FG1->model();
    bool applied = false;
    const auto done =
        QObject::connect(&model, &FlexGridModel::filterApplied, [&] { applied = true; });
    auto set = [&](const QString& t) {
        if (ui(w).FilterBar1->edit()->text() == t)
            return false;
        applied = false;
        const double cpuBefore = cpuMs();
        QElapsedTimer timer;
        timer.start();
        ui(w).FilterBar1->edit()->setText(t);
        while (!applied)
            QCoreApplication::processEvents();
        wall.push_back(msSince(timer));
        cpu.push_back(cpuMs() - cpuBefore);
        return true;
    };
    set(QString());
    wall.clear();
    cpu.clear();
    for (qsizetype n = 1; n <= text.size(); ++n) {
        if (set(text.left(n)) && qEnvironmentVariableIsSet("KBS_BENCH_VERBOSE"))
            std::fprintf(stderr, "%s %.1f %.1f\n", qPrintable(text.left(n)), wall.back(),
                         cpu.back());
    }
    QObject::disconnect(done);
}

const char* dropCaches(const QString& db);

// A backup made while the window runs, on the given day: its time, what it read and wrote,
// and the longest the window's event loop went without answering.
QMap<QString, double> backupOn(const QDate& day) {
    backup::Options o;
    o.today = day;
    backup::BackgroundBackup job(ProgramInfo::path(QStringLiteral("mydb.mdb")),
                                 ProgramInfo::path(backup::FolderName), o);
    QEventLoop loop;
    backup::Outcome outcome = backup::Outcome::Failed;
    QObject::connect(&job, &backup::BackgroundBackup::finished, &loop,
                     [&](const backup::Result& r) {
                         outcome = r.outcome;
                         if (!r.message.isEmpty())
                             std::fprintf(stderr, "%s\n", qPrintable(r.message));
                         loop.quit();
                     });
    QElapsedTimer total, tick;
    double worst = 0;
    QTimer timer;
    timer.setInterval(2);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        worst = std::max(worst, msSince(tick));
        tick.start();
    });
    const Io io = readIo();
    const double cpu = cpuMs();
    total.start();
    tick.start();
    timer.start();
    job.start();
    loop.exec();
    const Io after = readIo();
    return {{QStringLiteral("ms"), msSince(total)},
            {QStringLiteral("cpu_ms"), cpuMs() - cpu},
            {QStringLiteral("gap_ms"), worst},
            {QStringLiteral("read_mb"), (after.rchar - io.rchar) / 1048576.0},
            {QStringLiteral("written_mb"), (after.wchar - io.wchar) / 1048576.0},
            {QStringLiteral("made"), outcome == backup::Outcome::Made ? 1.0 : 0.0}};
}

double folderMb(const QString& folder) {
    double bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        bytes += double(QFileInfo(it.next()).size());
    return bytes / 1048576.0;
}

double countIn(const QString& path, const char* sql) {
    sqlite3* h = nullptr;
    sqlite3_stmt* st = nullptr;
    double n = -1;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &h, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(h, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_double(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(h);
    return n;
}

// Gives every picture of the catalogue a thumbnail of its own bytes (about 35 KB), as the
// program would have made, when it has none: a restore carries them.
void addThumbnails(const QString& path) {
    if (countIn(path, "SELECT count(*) FROM picture_thumbs") > 0)
        return;
    sqlite3* h = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &h);
    sqlite3_exec(h, schema::ThumbsTableSql, nullptr, nullptr, nullptr);
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    const QByteArray thumb = ThumbnailMaker::encode(QImage::fromData(bench::makeJpeg(300 * 1024)));
    std::vector<qint64> ids;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, "SELECT ID FROM table1 WHERE binpicdata NOT NULL", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(st, 0));
    sqlite3_finalize(st);
    sqlite3_prepare_v2(h,
                       "INSERT INTO picture_thumbs (record_id, position, source, jpeg) VALUES "
                       "(?, 1, 'bench', ?)",
                       -1, &st, nullptr);
    for (const qint64 id : ids) {
        const QByteArray own = thumb + QByteArray::number(id);  // each its own bytes
        sqlite3_bind_int64(st, 1, id);
        sqlite3_bind_blob(st, 2, own.constData(), int(own.size()), SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(h);
}

// Seven days of backups sharing pictures, each day after 10 records edited and one picture
// added; then the newest restored, against a plain copy of the catalogue.
void runBackupDays(Window& win) {
    const QString db = ProgramInfo::path(QStringLiteral("mydb.mdb"));
    // The changes go through the window's connection, as the program's saves do.
    sqlite3* h = win.w().session().connection().handle();
    const QDate first(2026, 6, 1);
    const auto print = [](const char* prefix, const QMap<QString, double>& r) {
        for (auto it = r.begin(); it != r.end(); ++it)
            report(QByteArray(prefix).append(it.key().toLatin1()).constData(), it.value());
    };
    print("first_", backupOn(first));
    const QByteArray extra = bench::makeJpeg(300 * 1024);
    for (int d = 1; d < 7; ++d) {
        for (int i = 0; i < 10; ++i) {
            const QByteArray sql =
                QStringLiteral("UPDATE table1 SET Color = 'Day %1' WHERE ID = %2")
                    .arg(d)
                    .arg(1 + d * 100 + i * 7)
                    .toUtf8();
            sqlite3_exec(h, sql.constData(), nullptr, nullptr, nullptr);
        }
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(h,
                           "INSERT INTO record_pictures (record_id, position, bytes) VALUES (?, "
                           "2, ?)",
                           -1, &st, nullptr);
        QByteArray picture = extra;
        picture.append(QByteArray::number(d));  // a picture of its own each day
        sqlite3_bind_int(st, 1, d);
        sqlite3_bind_blob(st, 2, picture.constData(), int(picture.size()), SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_finalize(st);
        QThread::msleep(20);
        const auto r = backupOn(first.addDays(d));
        if (d == 1)
            print("later_", r);
        report("made_day", r.value(QStringLiteral("made")) * (d + 1));
    }
    const QString folder = ProgramInfo::path(backup::FolderName);
    const QStringList kept = backup::copiesIn(folder);
    report("space_mb", folderMb(folder));
    report("catalogue_mb", double(QFileInfo(db).size()) / 1048576.0);
    report("text_mb", double(QFileInfo(QDir(folder).filePath(kept.last())).size()) / 1048576.0);
    report("kept", double(kept.size()));

    const QString restored = ProgramInfo::path(QStringLiteral("restored.mdb"));
    const QString copied = ProgramInfo::path(QStringLiteral("copied.mdb"));
    dropCaches(db);
    QElapsedTimer t;
    t.start();
    QFile::copy(db, copied);
    QFile f(copied);
    f.open(QIODevice::ReadWrite);
    ::fsync(f.handle());
    f.close();
    report("copy_ms", msSince(t));
    QFile::remove(copied);
    dropCaches(db);
    t.start();
    try {
        backup::restore(QDir(folder).filePath(kept.last()), restored);
    } catch (const AppError& e) {
        std::fprintf(stderr, "restore: %s\n", qPrintable(e.description()));
    }
    report("restore_ms", msSince(t));
    report("cold", QByteArray(dropCaches(db)) == "drop_caches" ? 1 : 0);
    report("thumbs", countIn(db, "SELECT count(*) FROM picture_thumbs"));
    report("restored_thumbs", countIn(restored, "SELECT count(*) FROM picture_thumbs"));
    QFile::remove(restored);
}

// The group view at work: built when opened, the grouping field changed, a save followed by the
// counts, a group chosen until the grid shows it; "groupsopen" only opens it, for its memory.
void runGroups(Window& win, bool measure) {
    frmMain& w = win.w();
    GroupPanel& panel = *w.groupPanel();
    FlexGrid& grid = *ui(w).FG1;
    QTreeView& tree = *panel.tree();
    const auto shown = [&] {
        tree.viewport()->repaint();
        grid.viewport()->repaint();
    };
    panel.setFields(0, -1);  // Series
    if (!measure) {
        panel.setFields(0, 1);  // Series, then Year: the most groups
        panel.setOpen(true);
        tree.expandAll();
        shown();
        report("groups", double(tree.model()->rowCount()));
        return;
    }
    std::vector<double> opened;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        panel.setOpen(true);
        shown();
        opened.push_back(msSince(t));
        panel.setOpen(false);
    }
    report("open_ms", median(opened));
    panel.setOpen(true);
    std::vector<double> changed, twoLevels;
    for (int field = 1; field < int(collection::GroupFields.size()); ++field) {
        QElapsedTimer t;
        t.start();
        panel.setFields(field, -1);
        shown();
        changed.push_back(msSince(t));
        t.start();
        panel.setFields(field, 0);  // then by Series
        shown();
        twoLevels.push_back(msSince(t));
    }
    report("field_ms", median(changed));
    report("field_max_ms", *std::max_element(changed.begin(), changed.end()));
    report("two_ms", median(twoLevels));

    // A save moving the record between series: the window's save with the counts following,
    // and the counts alone, as a second view of the same records counts the same save.
    panel.setFields(0, 1);
    GroupPanel probe;
    probe.setRecords(w.recordSet());
    probe.setOpen(true);
    probe.show();
    std::vector<double> saves, counts;
    for (int i = 0; i < 20; ++i) {
        w.Edit_Record();
        ui(w).txtTextl[4]->setText(i % 2 ? QStringLiteral("King Size") : QStringLiteral("Rare"));
        QElapsedTimer t;
        t.start();
        w.cmdSave_Click();
        shown();
        saves.push_back(msSince(t));
        t.start();
        probe.recordChanged(w.recordSet()->currentSlot());
        probe.tree()->viewport()->repaint();
        counts.push_back(msSince(t));
    }
    report("save_ms", median(saves));
    report("counts_ms", median(counts));
    report("counts_max_ms", *std::max_element(counts.begin(), counts.end()));
    probe.setOpen(false);

    // Each series chosen with Enter until the grid shows its rows.
    FlexGridModel& model = grid.model();
    bool applied = false;
    QElapsedTimer sinceKey;
    double appliedMs = 0;
    QObject::connect(&model, &FlexGridModel::filterApplied, [&] {
        applied = true;
        appliedMs = msSince(sinceKey);
    });
    std::vector<double> chosen, chosenCpu;
    for (int row = 1; row < tree.model()->rowCount(); ++row) {
        tree.setCurrentIndex(tree.model()->index(row, 0));
        applied = false;
        const double cpu = cpuMs();
        QElapsedTimer t;
        t.start();
        sinceKey.start();
        QTest::keyClick(&tree, Qt::Key_Return);
        while (!applied)
            QCoreApplication::processEvents();
        shown();
        chosen.push_back(msSince(t));
        chosenCpu.push_back(cpuMs() - cpu);
        if (qEnvironmentVariableIsSet("KBS_BENCH_VERBOSE"))
            std::fprintf(stderr, "%s %.1f (rows shown after %.1f)\n",
                         qPrintable(tree.model()->index(row, 0).data().toString()), chosen.back(),
                         appliedMs);
    }
    report("choose_ms", median(chosen));
    report("choose_max_ms", *std::max_element(chosen.begin(), chosen.end()));
    report("choose_cpu_ms", median(chosenCpu));
    report("choose_cpu_max_ms", *std::max_element(chosenCpu.begin(), chosenCpu.end()));
}

// The statistics window at the records of the catalogue: opened with its first chart drawn,
// then each field chosen in turn and each chart kind, every step until the window is drawn.
void runStatistics(frmMain& w) {
    QElapsedTimer t;
    t.start();
    w.reportCommands()->showStatistics();
    StatisticsWindow& s = *w.reportCommands()->statisticsWindow();
    s.grab();
    report("open_ms", msSince(t));
    std::vector<double> fields;
    for (int f = 1; f < int(collection::GroupFields.size()); ++f) {
        QElapsedTimer ft;
        ft.start();
        s.setField(f);
        s.grab();
        fields.push_back(msSince(ft));
    }
    report("field_ms", median(fields));
    report("field_max_ms", *std::max_element(fields.begin(), fields.end()));
    double slowest = 0;
    for (int k = 1; k < int(stats::chartKinds().size()); ++k) {
        QElapsedTimer kt;
        kt.start();
        s.setChart(k);
        s.grab();
        slowest = std::max(slowest, msSince(kt));
    }
    report("kind_max_ms", slowest);
    QElapsedTimer rt;
    rt.start();
    s.refresh();
    s.grab();
    report("refresh_ms", msSince(rt));
}

// The same casting at 100,000 records: the casting list after each key typed in add mode (the
// first key also makes the index), the check before saving a new record of a model already
// held (answered "back to editing", so nothing is stored), and the Duplicates report's first
// page (from a window that never added: the index is made for it).
void runCasting(Window& win, bool duplicatesReport) {
    frmMain& w = win.w();
    if (duplicatesReport) {
        {
            QElapsedTimer t;
            t.start();
            w.castingCommands()->duplicateIds();  // with the index made
            report("ids_ms", msSince(t));
        }
        const double cpu = cpuMs();
        QElapsedTimer t;
        t.start();
        w.Toolbar1_ButtonMenuClick(CastingList::duplicatesEntry());
        if (w.DuplicatesReport1->preview())
            w.DuplicatesReport1->preview()->pageView()->grab();
        report("ms", msSince(t));
        report("cpu_ms", cpuMs() - cpu);
        report("records", double(w.castingCommands()->duplicateIds().size()));
        return;
    }
    {
        QElapsedTimer t;
        t.start();
        w.Add_New_Record();  // makes the index
        report("add_ms", msSince(t));
    }
    // Each key of a description, then of a colour while the casting's records are listed.
    auto typeInto = [&](int box, const QString& text, std::vector<double>& times) {
        QLineEdit* edit = ui(w).txtTextl[size_t(box)]->textbox();
        for (const QChar c : text) {
            QElapsedTimer t;
            t.start();
            QTest::keyClick(edit, c.toLatin1());
            w.castingCommands()->show();
            w.castingCommands()->list()->repaint();
            times.push_back(msSince(t));
        }
    };
    std::vector<double> keys;
    typeInto(1, QStringLiteral("Lotus Europa"), keys);
    report("key_ms", median(keys));
    report("key_max", *std::max_element(keys.begin(), keys.end()));
    std::vector<double> listed;
    typeInto(9, QStringLiteral("Dark blue"), listed);
    report("listed_ms", median(listed));
    report("listed_max", *std::max_element(listed.begin(), listed.end()));
    report("listed_rows", w.castingCommands()->list()->isVisible() ? 1 : 0);
    // The very same model as record 1, then the save: asked, answered "back to editing".
    RecordSet& rs = *w.recordSet();
    rs.setBookmark(1);
    for (const int position : CastingIndex::VariationFields)
        ui(w).txtTextl[size_t(position)]->setText(rs.value(position).toString().trimmed());
    std::vector<double> checks;
    for (int i = 0; i < 9; ++i) {
        win.prompts.answerMsg(mb::Cancel);
        QElapsedTimer t;
        t.start();
        w.cmdSave_Click();
        checks.push_back(msSince(t));
    }
    report("check_ms", median(checks));
    report("still_adding", w.bAddingNew ? 1 : 0);
}

// ---- the collector's own fields: 6 fields filled in every record and 3 tags each
// Adds the fields, values and tags to a catalogue (not timed).
void fillOwnFields(const QString& db) {
    CatalogueSession session;
    session.open(db, QStringLiteral("select ID from table1 where 0"));
    if (!session.ownFields().empty())
        return;
    using ownfields::Kind;
    const std::pair<const char*, Kind> fields[] = {
        {"Scale", Kind::Text},        {"Maker", Kind::Text}, {"Weight", Kind::Number},
        {"Paid extra", Kind::Amount}, {"Found", Kind::Date}, {"Super Treasure Hunt", Kind::YesNo}};
    const char* values[] = {"CASE ID % 3 WHEN 0 THEN '1:64' WHEN 1 THEN '1:43' ELSE '1:18' END",
                            "'Maker ' || (ID % 50)",
                            "CAST(ID % 500 AS TEXT)",
                            "printf('%d.50', ID % 100)",
                            "date('2000-01-01', '+' || (ID % 9000) || ' days')",
                            "CASE WHEN ID % 20 = 0 THEN '1' ELSE '0' END"};
    std::vector<std::int64_t> ids;
    for (const auto& [name, kind] : fields)
        ids.push_back(session.addOwnField({0, QString::fromLatin1(name), kind, {}, 0}));
    session.close();
    sqlite3* h = nullptr;
    sqlite3_open(QFile::encodeName(db).constData(), &h);
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const std::int64_t id = ids[i];
        const std::string sql = "INSERT INTO own_values (record_id, field_id, value) SELECT ID, " +
                                std::to_string(id) + ", " + values[i] + " FROM table1 ORDER BY ID";
        sqlite3_exec(h, sql.c_str(), nullptr, nullptr, nullptr);
    }
    for (const char* tag : {"'tag' || (ID % 30)", "'set' || (ID % 7)",
                            "CASE WHEN ID % 2 THEN 'chase' ELSE 'loose' END"}) {
        const std::string sql =
            std::string("INSERT INTO record_tags (record_id, tag) SELECT ID, ") + tag +
            " FROM table1 ORDER BY ID";
        sqlite3_exec(h, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(h);
}

// In the window: reading every own value, filter keystrokes on own fields and tags, and a save
// with its own values and tags.
void runOwnFields(Window& win) {
    frmMain& w = win.w();
    QElapsedTimer t;
    t.start();
    w.session().allOwnValues();
    report("load_ms", msSince(t));
    static const char* const kTyped[][2] = {
        {"text", "scale:1:64"}, {"range", "weight:10-200"}, {"tag", "#chase"}};
    for (const auto& typed : kTyped) {
        std::vector<double> all, wall, cpu;
        for (int round = 0; round < 3; ++round) {
            typeFilter(w, QString::fromLatin1(typed[1]), wall, cpu);
            all.insert(all.end(), wall.begin(), wall.end());
        }
        const QByteArray key(typed[0]);
        report(key + "_ms", median(all));
        report(key + "_p95", percentile95(all));
        report(key + "_rows", ui(w).FG1->model().rowCount());
    }
    ui(w).FilterBar1->clear();
    const std::vector<ownfields::Field> fields = w.session().ownFields();
    std::vector<double> saves;
    for (int round = 0; round < 7; ++round) {
        w.Edit_Record();
        ui(w).txtTextl[9]->setText(QStringLiteral("Benchmark blue %1").arg(round));
        std::vector<ownfields::Value> values;
        for (const ownfields::Field& f : fields)
            values.push_back({f.id, f.kind == ownfields::Kind::Text ? QStringLiteral("1:87")
                                    : f.kind == ownfields::Kind::Date
                                        ? QStringLiteral("2024-03-%1").arg(round + 1)
                                        : QString::number(round % 2)});
        t.restart();
        w.session().keepOwnValuesWithNextSave(
            values, {QStringLiteral("chase"), QStringLiteral("error %1").arg(round),
                     QStringLiteral("boxed")});
        w.cmdSave_Click();
        ui(w).FG1->viewport()->repaint();
        saves.push_back(msSince(t));
    }
    report("save_ms", median(saves));
}

// The group view and the statistics by a collector's own field (Maker: 50 makers) and by the
// tags (3 a record), each until drawn; a tag's group chosen until the grid shows it; a save
// moving a record between tags' groups. Both stay open at the end, for their memory.
void runOwnGroups(Window& win) {
    frmMain& w = win.w();
    GroupPanel& panel = *w.groupPanel();
    QTreeView& tree = *panel.tree();
    FlexGrid& grid = *ui(w).FG1;
    const auto drawn = [&] {
        tree.viewport()->repaint();
        grid.viewport()->repaint();
    };
    w.session().allOwnValues();  // read once, as timed in its own row
    const std::vector<ownfields::Field> fields = w.session().ownFields();
    const auto maker = std::find_if(fields.begin(), fields.end(), [](const ownfields::Field& f) {
        return f.name == QLatin1String("Maker");
    });
    if (maker == fields.end())
        return;
    panel.setFields(0, -1);
    panel.setOpen(true);
    drawn();
    const std::pair<const char*, int> by[] = {{"own", GroupPanel::ownField(maker->id)},
                                              {"tags", GroupChoice::TagsField}};
    std::vector<double> series;  // by a described field, on the same machine at the same time
    for (const auto& [key, field] : by) {
        std::vector<double> times;
        for (int round = 0; round < 3; ++round) {
            panel.setFields(1, -1);
            drawn();
            QElapsedTimer t;
            t.start();
            panel.setFields(0, -1);
            drawn();
            series.push_back(msSince(t));
            t.restart();
            panel.setFields(field, -1);
            drawn();
            times.push_back(msSince(t));
        }
        report(QByteArray(key) + "_ms", median(times));
        report(QByteArray(key) + "_groups", tree.model()->rowCount() - 1);
    }
    report("series_ms", median(series));
    // The biggest tag's group ("chase": every other record) chosen with Enter.
    bool applied = false;
    QObject::connect(&grid.model(), &FlexGridModel::filterApplied, [&] { applied = true; });
    const auto found = tree.model()->match(tree.model()->index(1, 0), Qt::DisplayRole,
                                           QStringLiteral("chase"), 1, Qt::MatchExactly);
    tree.setCurrentIndex(found.value(0, tree.model()->index(1, 0)));
    QElapsedTimer t;
    t.start();
    QTest::keyClick(&tree, Qt::Key_Return);
    while (!applied)
        QCoreApplication::processEvents();
    drawn();
    report("choose_ms", msSince(t));
    std::vector<double> saves;
    for (int round = 0; round < 5; ++round) {
        w.Edit_Record();
        w.session().keepOwnValuesWithNextSave(
            {}, {QStringLiteral("chase"), QStringLiteral("moved %1").arg(round)});
        t.restart();
        w.cmdSave_Click();
        drawn();
        saves.push_back(msSince(t));
    }
    report("save_ms", median(saves));

    w.reportCommands()->showStatistics();
    StatisticsWindow& s = *w.reportCommands()->statisticsWindow();
    s.grab();
    const int first = int(collection::GroupFields.size());
    const std::pair<const char*, int> choices[] = {
        {"stats_own_ms", first + int(maker - fields.begin())},
        {"stats_tags_ms", first + int(fields.size())}};
    for (const auto& [key, index] : choices) {
        s.setField(0);
        s.grab();
        t.restart();
        s.setField(index);
        s.grab();
        report(key, msSince(t));
    }
}

// A new word typed into the filter bar a key at a time, over records with very long notes:
// for each key, the longest the window's event loop waited (a timer asks every millisecond)
// and the time until the whole result; then what typing a word searched before reads.
void runLongFilter(frmMain& w) {
    FlexGridModel& model = ui(w).FG1->model();
    QLineEdit* edit = ui(w).FilterBar1->edit();
    QElapsedTimer tick;
    double worst = 0;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        worst = std::max(worst, msSince(tick));
        tick.start();
    });
    QEventLoop loop;
    QObject::connect(&model, &FlexGridModel::filterApplied, &loop, &QEventLoop::quit);
    auto untilWhole = [&](const std::function<void()>& act) {
        worst = 0;
        QElapsedTimer t;
        t.start();
        tick.start();
        act();
        worst = std::max(worst, msSince(tick));
        tick.start();
        if (model.isFiltering())
            loop.exec();
        worst = std::max(worst, msSince(tick));
        return msSince(t);
    };
    timer.start();
    edit->setFocus();
    // The notes are not among the fields a plain word looks in: the word is typed after "notes:".
    const QString field = QStringLiteral("notes:");
    const QString word = QStringLiteral("dolorosa");
    untilWhole([&] { edit->setText(field); });
    // The machine's own: the longest wait of an idle window over half a second.
    worst = 0;
    tick.start();
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    report("idle_wait_ms", worst);
    std::vector<double> waits, wholes;
    for (const QChar c : word) {
        wholes.push_back(untilWhole([&] { QTest::keyClick(edit, c.toLatin1()); }));
        waits.push_back(worst);
        if (qEnvironmentVariableIsSet("KBS_BENCH_VERBOSE"))
            std::fprintf(stderr, "%c wait %.2f whole %.1f rows %d\n", c.toLatin1(), worst,
                         wholes.back(), model.rowCount());
    }
    report("rows", model.rowCount());
    report("wait_ms", median(waits));
    report("wait_max_ms", *std::max_element(waits.begin(), waits.end()));
    report("whole_ms", median(wholes));
    report("whole_max_ms", *std::max_element(wholes.begin(), wholes.end()));
    untilWhole([&] { edit->clear(); });
    const Io io = readIo();
    const double again = untilWhole([&] { edit->setText(field + word); });
    report("again_ms", again);
    report("again_wait_ms", worst);
    report("again_read_mb", (readIo().rchar - io.rchar) / 1e6);
}

void runWindow(const QString& what, const QString& db, bool inPlace) {
    Window win(db, inPlace);
    frmMain& w = win.w();
    FlexGrid& grid = *ui(w).FG1;  // found once, outside the timings
    if (what == QLatin1String("startup")) {
        report("ms", win.startMs);
        report("cpu_ms", win.startCpuMs);
    } else if (what == QLatin1String("fill")) {
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer t;
            t.start();
            w.PopulateFlexGrid(grid, *w.recordSet(), true);
            times.push_back(msSince(t));
        }
        report("ms", median(times));
    } else if (what == QLatin1String("reports")) {
        // From the menu entry until the preview's first page is drawn.
        const Io io = readIo();
        for (const char* entry : {"All", "Want", "Have", "Sell"}) {
            const double cpu = cpuMs();
            QElapsedTimer t;
            t.start();
            w.Toolbar1_ButtonMenuClick(QString::fromLatin1(entry));
            if (w.DataReport1->preview())
                w.DataReport1->preview()->pageView()->grab();
            report(QByteArray(entry).append("_ms").constData(), msSince(t));
            report(QByteArray(entry).append("_cpu_ms").constData(), cpuMs() - cpu);
        }
        reportIo("reports", io);
    } else if (what == QLatin1String("totals")) {
        // From the menu entry until the preview's first page is drawn.
        const Io io = readIo();
        const double cpu = cpuMs();
        QElapsedTimer t;
        t.start();
        w.Toolbar1_ButtonMenuClick(QStringLiteral("Totals"));
        if (w.TotalsReport1->preview())
            w.TotalsReport1->preview()->pageView()->grab();
        report("ms", msSince(t));
        report("cpu_ms", cpuMs() - cpu);
        report("pages", w.TotalsReport1->pageCount());
        reportIo("totals", io);
    } else if (what == QLatin1String("click")) {
        const Io io = readIo();
        std::vector<double> times, cpus;
        for (int i = 0; i < 7; ++i) {
            const int row = grid.rows() - 1 - i;
            const QModelIndex idx = grid.model().index(row - 1, 1);
            grid.scrollTo(idx);
            QApplication::processEvents();
            const QPoint p = grid.visualRect(idx).center();
            const double cpu = cpuMs();
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, p);
            times.push_back(msSince(t));
            cpus.push_back(cpuMs() - cpu);
        }
        report("ms", median(times));
        report("cpu_ms", median(cpus));
        reportIo("clicks", io);
    } else if (what == QLatin1String("save")) {
        w.Edit_Record();
        ui(w).txtTextl[9]->setText(QStringLiteral("Benchmark blue"));
        const double cpu = cpuMs();
        QElapsedTimer t;
        t.start();
        w.cmdSave_Click();
        grid.viewport()->repaint();  // until the grid shows the new text
        report("ms", msSince(t));
        report("cpu_ms", cpuMs() - cpu);
    } else if (what == QLatin1String("sorttext") || what == QLatin1String("sortyear")) {
        const int col = what == QLatin1String("sorttext") ? 1 : 2;
        QElapsedTimer t;
        t.start();
        w.SortFlex(w, grid, col, col);
        grid.viewport()->repaint();
        report("ms", msSince(t));
    } else if (what == QLatin1String("search")) {
        win.prompts.answerInput(QStringLiteral("zz-no-such-text"));
        win.prompts.answerMsg(mb::OK);
        QElapsedTimer t;
        t.start();
        w.Find_Record();
        report("ms", msSince(t));
    } else if (what == QLatin1String("delete")) {
        win.prompts.answerMsg(mb::OK);
        QElapsedTimer t;
        t.start();
        w.Delete_Record();
        grid.viewport()->repaint();  // until the neighbour is shown
        report("ms", msSince(t));
    } else if (what == QLatin1String("backup")) {
        // The backup copy made while the window runs, with one save in the middle of it: its
        // time, and the longest the window's event loop went without answering (the save's
        // own time left out).
        backup::BackgroundBackup job(ProgramInfo::path(QStringLiteral("mydb.mdb")),
                                     ProgramInfo::path(backup::FolderName));
        QEventLoop loop;
        backup::Outcome outcome = backup::Outcome::Failed;
        QObject::connect(&job, &backup::BackgroundBackup::finished, &loop,
                         [&](const backup::Result& r) {
                             outcome = r.outcome;
                             loop.quit();
                         });
        QElapsedTimer total, tick;
        double worst = 0, saveMs = -1;
        QTimer timer;
        timer.setInterval(2);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            worst = std::max(worst, msSince(tick));
            tick.start();
            if (saveMs < 0 && total.elapsed() > 300) {
                w.Edit_Record();
                ui(w).txtTextl[9]->setText(QStringLiteral("Saved during the backup"));
                QElapsedTimer t;
                t.start();
                w.cmdSave_Click();
                saveMs = msSince(t);
                tick.start();
            }
        });
        total.start();
        tick.start();
        timer.start();
        job.start();
        loop.exec();
        report("ms", msSince(total));
        report("gap_ms", worst);
        report("save_ms", saveMs);
        report("made", outcome == backup::Outcome::Made ? 1 : 0);
    } else if (what == QLatin1String("groups") || what == QLatin1String("groupsopen")) {
        runGroups(win, what == QLatin1String("groups"));
    } else if (what == QLatin1String("ownfields")) {
        runOwnFields(win);
    } else if (what == QLatin1String("owngroups")) {
        runOwnGroups(win);
    } else if (what == QLatin1String("filter")) {
        static const char* const kTyped[][2] = {{"word", "targa"},
                                                {"words", "ford cooper"},
                                                {"field", "color:blue"},
                                                {"years", "year:1968-1975"}};
        for (const auto& typed : kTyped) {
            std::vector<double> all, allCpu, wall, cpu;
            for (int round = 0; round < 3; ++round) {
                typeFilter(w, QString::fromLatin1(typed[1]), wall, cpu);
                all.insert(all.end(), wall.begin(), wall.end());
                allCpu.insert(allCpu.end(), cpu.begin(), cpu.end());
            }
            const QByteArray key(typed[0]);
            report(key + "_ms", median(all));
            report(key + "_p95", percentile95(all));
            report(key + "_cpu_ms", median(allCpu));
            report(key + "_cpu_p95", percentile95(allCpu));
            report(key + "_rows", grid.model().rowCount());
        }
        std::vector<double> clears, wall, cpu;
        for (int round = 0; round < 9; ++round) {
            typeFilter(w, QStringLiteral("beetle"), wall, cpu);
            QElapsedTimer t;
            t.start();
            ui(w).FilterBar1->clear();
            clears.push_back(msSince(t));
        }
        report("clear_ms", median(clears));
        report("clear_p95", percentile95(clears));
        // Find Next over every record, finding nothing.
        win.prompts.answerInput(QStringLiteral("zz-no-such-text"));
        win.prompts.answerMsg(mb::OK);
        w.Find_Record();
        std::vector<double> nexts;
        for (int round = 0; round < 9; ++round) {
            win.prompts.answerMsg(mb::OK);
            QElapsedTimer t;
            t.start();
            w.Find_Next(true);
            nexts.push_back(msSince(t));
        }
        report("next_ms", median(nexts));
        report("next_p95", percentile95(nexts));
    } else if (what == QLatin1String("longfilter")) {
        runLongFilter(w);
    } else if (what == QLatin1String("casting") || what == QLatin1String("duplicates")) {
        runCasting(win, what == QLatin1String("duplicates"));
    } else if (what == QLatin1String("backupdays")) {
        runBackupDays(win);
    } else if (what == QLatin1String("statistics")) {
        runStatistics(w);
    } else if (what == QLatin1String("groupsstatistics")) {  // both open, for their memory
        runGroups(win, false);
        runStatistics(w);
    } else if (what == QLatin1String("undo")) {
        win.prompts.answerMsg(mb::OK);
        w.Delete_Record();
        QElapsedTimer t;
        t.start();
        w.Undo_Delete();
        grid.viewport()->repaint();  // until the grid shows it again
        report("ms", msSince(t));
    } else if (what == QLatin1String("display")) {
        std::vector<double> times;
        for (int i = 0; i < 15; ++i) {
            QElapsedTimer t;
            t.start();
            w.Update_Display();
            times.push_back(msSince(t));
        }
        report("ms", median(times));
    }
}

// 50 checklists of 250 entries, numbered 1 to 250 in the generator's series (which number their
// records 1 to 120), each matched in full: what the Checklists window does when it opens.
void runChecklists(const QString& db) {
    CatalogueSession session;
    session.open(db, QStringLiteral("select ID from table1 where 0"));
    if (session.checklists().empty()) {
        const char* series[] = {"Superfast", "Regular Wheels", "Models of Yesteryear", "King Size",
                                "Major Pack"};
        for (int l = 0; l < 50; ++l) {
            std::vector<checklists::Entry> entries;
            for (int i = 1; i <= 250; ++i)
                entries.push_back(
                    {QString::number(i), QStringLiteral("Model %1").arg(i), {}, {}, {}});
            session.addChecklist(
                {0, QStringLiteral("List %1").arg(l), QString::fromLatin1(series[l % 5]),
                 l % 10 == 9 ? checklists::Rule::Description : checklists::Rule::SeriesAndNumber,
                 0},
                entries);
        }
    }
    QElapsedTimer t;
    t.start();
    const double cpu = cpuMs();
    const checklists::ChecklistMatcher matcher = session.checklistMatcher();
    report("read_ms", msSince(t));
    int held = 0;
    for (const checklists::List& l : session.checklists())
        held += matcher.count(l, session.checklistEntries(l.id)).held;
    report("ms", msSince(t));
    report("cpu_ms", cpuMs() - cpu);
    report("held", held);
    t.restart();
    report("ids", double(session.heldByChecklists().size()));
    report("filter_ms", msSince(t));
    // The filter's next key, with no record written between: the session keeps what it found.
    t.restart();
    report("ids", double(session.heldByChecklists().size()));
    report("filter_again_ms", msSince(t));
}

// The collection page of every record of `db` with its pictures at 600 px, written beside it
// (and removed): the time, the processor time and (by child()) the peak memory.
void runSharePage(const QString& db) {
    const QString page = db + QStringLiteral(".html");
    QFile::remove(page);
    exchange::ShareOptions everything;
    everything.list = exchange::ShareList::All;
    everything.pictureSide = 600;
    const double cpu = cpuMs();
    QElapsedTimer t;
    t.start();
    exchange::exportHtml(db, page, exchange::columnHeadings(), everything);
    report("ms", msSince(t));
    report("cpu_ms", cpuMs() - cpu);
    report("mb", double(QFileInfo(page).size()) / 1048576.0);
    QFile::remove(page);
}

// A page opened in headless Chromium, timed by a script of the benchmark's own added to a copy
// of it (the copy without its policy, which would refuse the script): the time from the start
// of its loading to its load event, and the search answering each key of "superfast beetle"
// typed and taken back again (the page's handler and the layout it causes). The medians of
// `runs` openings; nothing when Chromium is not installed.
struct PageTimes {
    double load = 0, key = 0, keyMax = 0;
    QString count;  // what the page's count said after the first word
};
std::optional<PageTimes> timeInChromium(const QString& page, const QString& work, int runs,
                                        bool withoutPictures) {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        return std::nullopt;
    static const char* const kMeasure = R"(<script>addEventListener('load',function(){
var load=performance.now(),q=document.getElementById('q'),word='superfast beetle',times=[],count;
function key(v){q.value=v;var t=performance.now();q.dispatchEvent(new Event('input'));
document.body.offsetHeight;times.push(performance.now()-t);}
for(var i=1;i<=word.length;++i){key(word.slice(0,i));if(i==9)count=document.getElementById('count').textContent;}
for(var i=word.length-1;i>=0;--i)key(word.slice(0,i));
var max=Math.max.apply(null,times);times.sort(function(a,b){return a-b;});
document.body.setAttribute('data-bench',load+' '+times[times.length>>1]+' '+max+' '+count);});
</script>)";
    const QString copy = work + QStringLiteral("/timed.html");
    {
        QFile in(page), out(copy);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
            return std::nullopt;
        static const QRegularExpression policy(
            QStringLiteral("<meta http-equiv=\"Content-Security-Policy\"[^>]*>"));
        static const QRegularExpression img(QStringLiteral("<img [^>]*>"));
        while (!in.atEnd()) {
            QString line = QString::fromUtf8(in.readLine());
            line.remove(policy);
            if (withoutPictures)
                line.remove(img);
            if (line.startsWith(QLatin1String("</body>")))
                line.prepend(QLatin1String(kMeasure));
            out.write(line.toUtf8());
        }
    }
    std::vector<double> loads, keys, maxima;
    PageTimes times;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir profile(work + QStringLiteral("/chromium-XXXXXX"));
        QProcess p;
        p.start(chromium, {QStringLiteral("--headless"), QStringLiteral("--disable-gpu"),
                           QStringLiteral("--no-sandbox"), QStringLiteral("--no-first-run"),
                           QStringLiteral("--user-data-dir=") + profile.path(),
                           QStringLiteral("--dump-dom"), QUrl::fromLocalFile(copy).toString()});
        p.waitForFinished(300000);
        static const QRegularExpression said(QStringLiteral("data-bench=\"([^\"]*)\""));
        const auto m = said.match(QString::fromUtf8(p.readAllStandardOutput()));
        const QStringList parts = m.captured(1).split(QLatin1Char(' '));
        if (parts.size() < 4)
            continue;
        loads.push_back(parts[0].toDouble());
        keys.push_back(parts[1].toDouble());
        maxima.push_back(parts[2].toDouble());
        times.count = parts.mid(3).join(QLatin1Char(' '));
    }
    QFile::remove(copy);
    if (loads.empty())
        return PageTimes{-1, -1, -1, {}};
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    times.load = median(loads);
    times.key = median(keys);
    times.keyMax = median(maxima);
    return times;
}

int child(const QStringList& args) {
    const QString what = args.value(0);
    const QString db = args.value(1);
    const bool inPlace = args.contains(QStringLiteral("inplace"));
    if (what == QLatin1String("checklists"))
        runChecklists(db);
    else if (what == QLatin1String("baseline"))
        runBaseline(db);
    else if (what == QLatin1String("open"))
        runOpen(db);
    else if (what == QLatin1String("index"))
        runIndex(db);
    else if (what == QLatin1String("upgrade"))  // as a first start leaves it, not timed
        CatalogueSession().open(db, QStringLiteral("select ID from table1 where 0"));
    else if (what == QLatin1String("update"))
        runUpdate(db, args.contains(QStringLiteral("indexed")));
    else if (what == QLatin1String("ownfill"))  // not timed
        fillOwnFields(db);
    else if (what == QLatin1String("sharepage"))
        runSharePage(db);
    else
        runWindow(what, db, inPlace);
    report("peak_mb", double(peakKb()) / 1024.0);
    return 0;
}

// Empties the page cache, or at least drops the catalogue from it; says which.
const char* dropCaches(const QString& db) {
    ::sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    if (drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2 && drop.flush())
        return "drop_caches";
    const int fd = ::open(QFile::encodeName(db).constData(), O_RDONLY);
    if (fd < 0)
        return "none";
    const int rc = ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    return rc == 0 ? "fadvise" : "none";
}

QMap<QString, double> runChild(const QString& what, const QString& db,
                               const QStringList& flags = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(),
            QStringList{QStringLiteral("--child"), what, db} + flags);
    p.waitForFinished(600000);
    QMap<QString, double> out;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const int eq = int(line.indexOf('='));
        if (eq > 0)
            out.insert(QString::fromLatin1(line.left(eq)), line.mid(eq + 1).toDouble());
    }
    if (p.exitCode() != 0 || out.isEmpty()) {
        std::fprintf(stderr, "child %s failed: %s\n", qPrintable(what),
                     p.readAllStandardError().constData());
    }
    return out;
}

void row(const char* what, int n, double ms, double base, double peak, const char* target) {
    if (base > 0)
        std::printf("| %-34s | %7d | %9.1f | %9.1f | %5.2f | %8.1f | %-22s |\n", what, n, ms, base,
                    ms / base, peak, target);
    else
        std::printf("| %-34s | %7d | %9.2f | %9s | %5s | %8.1f | %-22s |\n", what, n, ms, "", "",
                    peak, target);
    std::fflush(stdout);
}

// The rows of one filter word typed key by key: the median and the 95th percentile.
void keyRows(const QMap<QString, double>& f, int n, const char* key, const char* label,
             const char* p95Target) {
    const QString k = QString::fromLatin1(key);
    row(qPrintable(QStringLiteral("%1, median").arg(QLatin1String(label))), n,
        f.value(k + QStringLiteral("_ms")), 0, f.value("peak_mb"), "<= 30 ms");
    row(qPrintable(QStringLiteral("  95th percentile, %1 rows left")
                       .arg(int(f.value(k + QStringLiteral("_rows"))))),
        n, f.value(k + QStringLiteral("_p95")), 0, f.value("peak_mb"), p95Target);
}

// The rows of the collector's own fields: start-up against the same catalogue without them,
// filter keystrokes on them and a save with them.
void ownFieldRows(const QString& work, const QString& plainPath, int n) {
    const QString path = work + QStringLiteral("/own%1.mdb").arg(n);
    if (!QFileInfo::exists(path)) {
        QFile::copy(plainPath, path);
        runChild(QStringLiteral("ownfill"), path);
    }
    std::vector<double> plain, own;
    double peak = 0;
    for (int round = 0; round < 3; ++round) {
        plain.push_back(runChild(QStringLiteral("startup"), plainPath).value("ms"));
        const auto r = runChild(QStringLiteral("startup"), path);
        own.push_back(r.value("ms"));
        peak = r.value("peak_mb");
    }
    row("start-up, 6 own fields + 3 tags", n, median(own), median(plain), peak, "<= 1.15 x");
    const auto f = runChild(QStringLiteral("ownfields"), path);
    row("  every own value read (once)", n, f.value("load_ms"), 0, f.value("peak_mb"), "");
    const struct {
        const char* key;
        const char* label;
    } typed[] = {{"text", "key: own field \"scale:1:64\""},
                 {"range", "key: own range \"weight:10-200\""},
                 {"tag", "key: tag \"#chase\""}};
    for (const auto& t : typed)
        keyRows(f, n, t.key, t.label, "");
    row("save with 6 own values + 3 tags", n, f.value("save_ms"), 0, f.value("peak_mb"),
        "<= 25 ms");
}

// The group view's and the statistics' rows by own fields and tags: see runOwnGroups. The
// memory against both open by described fields on the same catalogue without own values.
void ownGroupRows(const QString& work, const QString& plainPath, int n) {
    const QString path = work + QStringLiteral("/own%1.mdb").arg(n);  // made by ownFieldRows
    const auto plain = runChild(QStringLiteral("groupsstatistics"), plainPath);
    const auto g = runChild(QStringLiteral("owngroups"), path);
    const double peak = g.value("peak_mb");
    row("group view by an own field (Maker)", n, g.value("own_ms"), g.value("series_ms"), peak,
        "<= 100 ms");
    row("group view by tags (3 a record)", n, g.value("tags_ms"), g.value("series_ms"), peak,
        "<= 100 ms");
    std::printf("|   base: by Series, the same run\n");
    std::printf("|   %d makers, %d tags\n", int(g.value("own_groups")),
                int(g.value("tags_groups")));
    row("  tag group chosen until grid shows", n, g.value("choose_ms"), 0, peak, "<= 50 ms");
    row("  save moving tags, median", n, g.value("save_ms"), 0, peak, "<= 25 ms");
    row("statistics by an own field", n, g.value("stats_own_ms"), 0, peak, "<= 150 ms");
    row("statistics by tags", n, g.value("stats_tags_ms"), 0, peak, "<= 150 ms");
    row("peak MB: both open, own field+tags", n, peak, plain.value("peak_mb"), peak, "<= 1.2 x");
}

// One row: wall times, then processor times where measured, photos against plain.
void pictureRow(const char* what, int n, double photos, double plain, const QString& extra,
                const char* target, double photosCpu = -1, double plainCpu = -1) {
    const QByteArray more = extra.toUtf8();
    const QByteArray ratio = plain > 0 ? QByteArray::number(photos / plain, 'f', 2) : "";
    const QByteArray cpu = photosCpu >= 0 ? QByteArray::number(photosCpu, 'f', 1) + " / " +
                                                QByteArray::number(plainCpu, 'f', 1)
                                          : "";
    const QByteArray cpuRatio =
        plainCpu > 0 ? QByteArray::number(photosCpu / plainCpu, 'f', 2) : "";
    std::printf("| %-44s | %6d | %9.1f | %9.1f | %5s | %15s | %5s | %-34s | %-16s |\n", what, n,
                photos, plain, ratio.constData(), cpu.constData(), cpuRatio.constData(),
                more.constData(), target);
    std::fflush(stdout);
}

// Catalogues whose every record holds a 300 KB picture against the same catalogues without
// pictures, in the same run. The photographed catalogues are used in place.
void runPictures(const QString& work, bool quick) {
    QList<int> sizes{1000, 10000};
    if (!quick)
        sizes << 40000;
    const QByteArray picture = bench::makeJpeg(300 * 1024);
    auto mb = [](double bytes) { return bytes / 1e6; };
    std::printf(
        "\nEvery record with a %.0f KB picture (\"photos\") against the same catalogue "
        "without pictures (\"plain\"); times in ms.\n\n",
        double(picture.size()) / 1024.0);
    std::printf("| %-44s | %6s | %9s | %9s | %5s | %15s | %5s | %-34s | %-16s |\n", "measurement",
                "N", "photos", "plain", "ratio", "cpu photos/plain", "ratio", "photos: read, peak",
                "target");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(),
                std::string(8, '-').c_str(), std::string(11, '-').c_str(),
                std::string(11, '-').c_str(), std::string(7, '-').c_str(),
                std::string(17, '-').c_str(), std::string(7, '-').c_str(),
                std::string(36, '-').c_str(), std::string(18, '-').c_str());
    for (int n : sizes) {
        const QString photos = work + QStringLiteral("/photos%1.mdb").arg(n);
        const QString plain = work + QStringLiteral("/plain%1.mdb").arg(n);
        if (!QFileInfo::exists(photos)) {
            std::fprintf(stderr, "generating %s ...\n", qPrintable(photos));
            bench::generateCatalogue(photos, n, n, picture, true);
        }
        if (!QFileInfo::exists(plain)) {
            std::fprintf(stderr, "generating %s ...\n", qPrintable(plain));
            bench::generateCatalogue(plain, n, 0);
        }
        const QStringList inPlace{QStringLiteral("inplace")};
        // The first start of a catalogue that lacks the index adds it.
        {
            const double before = double(QFileInfo(photos).size());
            dropCaches(photos);
            const auto a = runChild(QStringLiteral("index"), photos);
            const auto b = runChild(QStringLiteral("index"), plain);
            pictureRow("first start adds the index (cold)", n, a.value("ms"), b.value("ms"),
                       QStringLiteral("%1 MB read, +%2 MB")
                           .arg(a.value("index_rchar_mb"), 0, 'f', 1)
                           .arg(mb(double(QFileInfo(photos).size()) - before), 0, 'f', 1),
                       "once");
        }
        const double fileMb = mb(double(QFileInfo(photos).size()));
        for (const bool cold : {true, false}) {
            const char* how = "warm";
            if (cold)
                how = dropCaches(photos);
            const auto a = runChild(QStringLiteral("startup"), photos, inPlace);
            if (cold)
                dropCaches(plain);
            const auto b = runChild(QStringLiteral("startup"), plain, inPlace);
            const double rchar = a.value("startup_rchar_mb");
            const double disk = a.value("startup_read_mb");
            const QByteArray label = QByteArray("start-up to first record + grid, ") + how;
            pictureRow(label.constData(), n, a.value("ms"), b.value("ms"),
                       QStringLiteral("%1 MB (%2 %), disk %3 MB, %4 MB")
                           .arg(rchar, 0, 'f', 1)
                           .arg(100.0 * std::max(rchar, disk) / fileMb, 0, 'f', 2)
                           .arg(disk, 0, 'f', 1)
                           .arg(a.value("peak_mb"), 0, 'f', 0),
                       "<= 1.2 x, < 5 %", a.value("cpu_ms"), b.value("cpu_ms"));
        }
        {
            const auto a = runChild(QStringLiteral("click"), photos, inPlace);
            const auto b = runChild(QStringLiteral("click"), plain, inPlace);
            pictureRow("row click until record + picture shown", n, a.value("ms"), b.value("ms"),
                       QStringLiteral("%1 MB for 7 clicks, %2 MB")
                           .arg(a.value("clicks_rchar_mb"), 0, 'f', 1)
                           .arg(a.value("peak_mb"), 0, 'f', 0),
                       "<= 40 ms", a.value("cpu_ms"), b.value("cpu_ms"));
        }
        {
            const auto a = runChild(QStringLiteral("reports"), photos, inPlace);
            const auto b = runChild(QStringLiteral("reports"), plain, inPlace);
            for (const char* entry : {"All", "Want", "Have", "Sell"}) {
                const QByteArray key = QByteArray(entry) + "_ms";
                const QByteArray cpuKey = QByteArray(entry) + "_cpu_ms";
                const QByteArray label = QByteArray("report \"") + entry + "\": first page";
                pictureRow(label.constData(), n, a.value(key), b.value(key),
                           QStringLiteral("%1 MB for all four, %2 MB")
                               .arg(a.value("reports_rchar_mb"), 0, 'f', 1)
                               .arg(a.value("peak_mb"), 0, 'f', 0),
                           "<= 1000 ms", a.value(cpuKey), b.value(cpuKey));
            }
        }
        {
            const auto a = runChild(QStringLiteral("save"), photos, inPlace);
            const auto b = runChild(QStringLiteral("save"), plain, inPlace);
            pictureRow("save in edit mode incl. refill", n, a.value("ms"), b.value("ms"),
                       QStringLiteral("%1 MB").arg(a.value("peak_mb"), 0, 'f', 0), "<= 100 ms",
                       a.value("cpu_ms"), b.value("cpu_ms"));
        }
    }
    // What the index costs a catalogue without pictures.
    const int big = 100000;
    const QString without = work + QStringLiteral("/cost%1.mdb").arg(big);
    const QString with = work + QStringLiteral("/cost%1-indexed.mdb").arg(big);
    QFile::remove(without);
    QFile::remove(with);
    bench::generateCatalogue(without, big, 0);
    QFile::copy(without, with);
    const auto idx = runChild(QStringLiteral("index"), with);
    const auto before = runChild(QStringLiteral("update"), without);
    const auto after = runChild(QStringLiteral("update"), with, {QStringLiteral("indexed")});
    pictureRow("cost: save (record set update), no pics", big, after.value("ms"),
               before.value("ms"), QStringLiteral("with index / without"), "");
    pictureRow("cost: file size in MB, no pictures", big, mb(double(QFileInfo(with).size())),
               mb(double(QFileInfo(without).size())),
               QStringLiteral("index built in %1 ms").arg(idx.value("ms"), 0, 'f', 0), "");
    QFile::remove(without);
    QFile::remove(with);
}

// The window's start-up at n records with 5 valuations each against the same catalogue without
// any, both opened before (the start-up reads nothing of the history); medians of runs taken in
// turn, so that the machine's load falls on both alike.
void runValueStartups(const QString& work, int n) {
    const QString without = work + QStringLiteral("/values-none%1.mdb").arg(n);
    const QString with = work + QStringLiteral("/values-five%1.mdb").arg(n);
    QFile::remove(without);
    QFile::remove(with);
    bench::generateCatalogue(without, n, 0);
    runChild(QStringLiteral("index"), without);
    runChild(QStringLiteral("upgrade"), without);
    const auto sql = [](const QString& path, const char* statements) {
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &h);
        sqlite3_exec(h, statements, nullptr, nullptr, nullptr);
        sqlite3_close(h);
    };
    sql(without, "DELETE FROM value_history; VACUUM");
    QFile::copy(without, with);
    sql(with,
        "WITH RECURSIVE k(y) AS (SELECT 2021 UNION ALL SELECT y + 1 FROM k WHERE y < 2025) "
        "INSERT INTO value_history (record_id, date, value, note) SELECT ID, y || '-06-01', "
        "(ID % 500 + y - 2000) || '.50', 'price guide ' || y FROM table1, k ORDER BY ID, y");
    std::vector<double> a, b, peaks;
    for (int i = 0; i < 5; ++i) {
        b.push_back(runChild(QStringLiteral("startup"), without).value("ms"));
        const auto r = runChild(QStringLiteral("startup"), with);
        a.push_back(r.value("ms"));
        peaks.push_back(r.value("peak_mb"));
    }
    row("start-up, 500,000 valuations", n, median(a), median(b), median(peaks), "<= 1.05 x base");
    QFile::remove(without);
    QFile::remove(with);
}

// The value history at 100,000 records, each with its current valuation as its one entry: the
// upgrade that gives them, a save that adds one, the value on 24 dates, a price guide of 10,000
// rows, a record's history read.
void runValues(const QString& work) {
    constexpr int n = 100000;
    const QString path = work + QStringLiteral("/values%1.mdb").arg(n);
    QFile::remove(path);
    bench::generateCatalogue(path, n, 0);
    {
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &h);
        sqlite3_exec(h,
                     "UPDATE table1 SET Value = (ID % 500) || '.50', Value_Date = '2024-0' || "
                     "(1 + ID % 9) || '-15', Purchase = (ID % 200) || '.00', Purch_Date = "
                     "'202' || (ID % 4) || '-03-01'",
                     nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
    const auto line = [](const char* what, int count, double ms, const char* target) {
        row(what, count, ms, 0, double(peakKb()) / 1024.0, target);
    };
    CatalogueSession s;
    QElapsedTimer t;
    t.start();
    s.open(path, QStringLiteral("select * from table1"));
    line("open, upgrade: first entries", n, msSince(t), "once");
    RecordSet& rs = s.records();
    // A save of another column, which adds no entry, is the base.
    std::vector<double> saves, bases;
    rs.moveFirst();
    for (int i = 0; i < 18; ++i) {
        rs.moveNext();
        const bool base = i % 2 == 1;
        t.start();
        rs.setValue(rs.fieldIndex(base ? QStringLiteral("Year") : QStringLiteral("Value")),
                    QStringLiteral("%1.25").arg(i));
        rs.update();
        (base ? bases : saves).push_back(msSince(t));
    }
    row("save that adds a history entry", n, median(saves), median(bases),
        double(peakKb()) / 1024.0, "base: a save of Year");
    std::vector<qint64> ids;
    for (qint64 id = 1; id <= n; ++id)
        ids.push_back(id);
    std::vector<QDate> dates;
    for (int m = 0; m < 24; ++m)
        dates.push_back(QDate(2023, 1, 1).addMonths(m));
    t.start();
    const auto sums = s.valueByDate().sums(ids, dates);
    line("value by date, 24 dates", n, msSince(t), "<= 500 ms (20 years)");
    QByteArray csv = "ID,Date,Value,Note\n";
    for (int i = 1; i <= 10000; ++i)
        csv += QByteArray::number(i * 7) + ",2025-06-01," + QByteArray::number(i % 300) +
               ".75,price guide 2025\n";
    const QString guide = work + QStringLiteral("/guide.csv");
    QFile f(guide);
    if (f.open(QIODevice::WriteOnly))
        f.write(csv);
    f.close();
    t.start();
    const auto applied =
        s.importValuations(exchange::readPriceGuide(guide, exchange::columnHeadings()));
    line("price guide import, rows", 10000, msSince(t), "<= 2000 ms");
    std::vector<double> reads;
    for (int i = 0; i < 9; ++i) {
        t.start();
        s.valueHistory(7 * (i + 1));
        reads.push_back(msSince(t));
    }
    line("a record's history read", n, median(reads), "<= 30 ms");
    std::printf("(%d valuations added, value on the last date %s)\n", applied.added,
                qPrintable(amounts::formatAmount(sums.points.back().value)));
    s.close();
    QFile::remove(path);
    QFile::remove(guide);
    runValueStartups(work, n);
}

}  // namespace

// The group view's rows: see runGroups.
void groupRows(const QString& path, int n) {
    const auto plain = runChild(QStringLiteral("startup"), path);
    const auto open = runChild(QStringLiteral("groupsopen"), path);
    const auto g = runChild(QStringLiteral("groups"), path);
    const double peak = g.value("peak_mb");
    row("group view opened, by Series", n, g.value("open_ms"), 0, peak, "<= 100 ms");
    row("grouping field changed, median", n, g.value("field_ms"), 0, peak, "<= 100 ms");
    row("  slowest field", n, g.value("field_max_ms"), 0, peak, "<= 100 ms");
    row("  then by Series, median", n, g.value("two_ms"), 0, peak, "");
    row("save, counts follow (whole save)", n, g.value("save_ms"), 0, peak, "");
    row("  the counts' share, median", n, g.value("counts_ms"), 0, peak, "<= 5 ms");
    row("  the counts' share, slowest", n, g.value("counts_max_ms"), 0, peak, "<= 5 ms");
    row("group chosen until grid shows it", n, g.value("choose_ms"), 0, peak, "<= 50 ms");
    row("  slowest group", n, g.value("choose_max_ms"), 0, peak, "<= 50 ms");
    std::printf("|   processor ms: median %.1f, slowest %.1f\n", g.value("choose_cpu_ms"),
                g.value("choose_cpu_max_ms"));
    row("peak MB: start-up, view closed", n, plain.value("peak_mb"), 0, plain.value("peak_mb"), "");
    row("peak MB: view open, Series+Year", n, open.value("peak_mb"), plain.value("peak_mb"),
        open.value("peak_mb"), "");
}

// One record with 100 MB of notes against the same record with a short note: the first start
// (which upgrades the catalogue) and a later one, medians of five, each on a copy written to
// disk first so that the start's own writes do not wait for the copy's.
void longTextRows(const QString& work) {
    const QString path = work + QStringLiteral("/longnotes.mdb");
    const QString plain = work + QStringLiteral("/shortnotes.mdb");
    if (!QFileInfo::exists(path) || !QFileInfo::exists(plain)) {
        QFile::remove(path);
        QFile::remove(plain);
        bench::generateCatalogue(plain, 1, 0);
        QFile::copy(plain, path);
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &h);
        sqlite3_exec(h, "UPDATE table1 SET Notes = replace(hex(zeroblob(50000000)), '0', 'n')",
                     nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
    const QStringList inPlace{QStringLiteral("inplace")};
    auto starts = [&](const QString& db, std::vector<double>& first, std::vector<double>& later) {
        const QString copy = work + QStringLiteral("/start-copy.mdb");
        for (int i = 0; i < 5; ++i) {
            QFile::remove(copy);
            QFile::copy(db, copy);
            ::sync();
            first.push_back(runChild(QStringLiteral("startup"), copy, inPlace).value("ms"));
            ::sync();
            later.push_back(runChild(QStringLiteral("startup"), copy, inPlace).value("ms"));
        }
        QFile::remove(copy);
    };
    std::vector<double> longFirst, longLater, plainFirst, plainLater;
    starts(plain, plainFirst, plainLater);
    starts(path, longFirst, longLater);
    row("first start, short notes", 1, median(plainFirst), 0, 0, "");
    row("first start, 100 MB notes", 1, median(longFirst), median(plainFirst), 0, "<= 1.2 x");
    row("later start, short notes", 1, median(plainLater), 0, 0, "");
    row("later start, 100 MB notes", 1, median(longLater), median(plainLater), 0, "<= 1.2 x");
}

// Records with about 100 MB of notes in all, four of them 24 MB long, filtered by a word typed
// a key at a time (runLongFilter).
void longFilterRows(const QString& work) {
    const QString path = work + QStringLiteral("/longfilter.mdb");
    constexpr int kRecords = 10000;
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "generating %s ...\n", qPrintable(path));
        bench::generateCatalogue(path, kRecords, 0);
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &h);
        sqlite3_exec(h,
                     "UPDATE table1 SET Notes = replace(hex(zeroblob(2000000)), '00', "
                     "'lorem ipsum ') || CASE ID WHEN 4000 THEN 'dolorosa' ELSE 'dolor' END "
                     "WHERE ID IN (1000, 2000, 3000, 4000)",
                     nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
    const auto r = runChild(QStringLiteral("longfilter"), path);
    const double peak = r.value("peak_mb");
    row("filter key, longest wait, median", kRecords, r.value("wait_ms"), 0, peak, "<= 100 ms");
    row("  slowest key", kRecords, r.value("wait_max_ms"), 0, peak, "<= 100 ms");
    row("  idle window's longest wait", kRecords, r.value("idle_wait_ms"), 0, peak, "");
    row("key until whole result, median", kRecords, r.value("whole_ms"), 0, peak, "");
    row("  slowest key", kRecords, r.value("whole_max_ms"), 0, peak, "");
    row("word searched before, whole", kRecords, r.value("again_ms"), 0, peak, "");
    row("  its longest wait", kRecords, r.value("again_wait_ms"), 0, peak, "<= 100 ms");
    std::printf("|   MB read for it: %.1f (rows shown: %.0f)\n", r.value("again_read_mb"),
                r.value("rows"));
}

const char* const kHelp =
    "kbsmgr-bench [--quick] [--pictures-only] [--backup] [--backups] [--totals] [--records]\n"
    "             [--filter] [--groups] [--statistics] [--casting] [--values-only]\n"
    "             [--checklists] [--own-fields] [--share-only] [--frame] [--long-texts]\n"
    "             [--idle [--program EXE]...] [--long-filter] [--work DIR]\n"
    "\n"
    "Times the catalogue's operations at 1,000 to 100,000 records, each in a child process of\n"
    "its own, and prints a table with the peak memory of each. Without an option it runs the\n"
    "whole table; each option runs only its part:\n"
    "  --quick          without the 100,000-record runs and the 40,000 photographed records\n"
    "  --pictures-only  photographed records against the same records without pictures\n"
    "  --backup         backup copies of 100,000 records and of 3 GB of pictures (10 GB free)\n"
    "  --backups        seven days of backups sharing pictures of a 3 GB catalogue with its\n"
    "                   thumbnails, its restore against a plain copy from a cold cache (the\n"
    "                   page cache is dropped where this runs as root), and an undo\n"
    "  --totals, --records, --filter, --groups, --statistics, --casting, --values-only,\n"
    "  --checklists     those parts at 100,000 records\n"
    "  --own-fields     start-up, filter keys and a save with 6 own fields and 3 tags per\n"
    "                   record, at 100,000 records; the group view and the statistics by\n"
    "                   an own field and by the tags\n"
    "  --frame          the filter through the program's own window on a virtual display\n"
    "                   (Xvfb, keys typed by xdotool): each key until the window changes\n"
    "  --share-only     the want list's web page, a sheet of 100 labels, and the collection\n"
    "                   page of 10,000 photographed records\n"
    "  --long-texts     start-up with one record of 100 MB notes against short notes\n"
    "  --idle           the program's processor time until its first screen and until it is\n"
    "                   idle (100,000 records, 30,000 linked pictures); --program EXE times\n"
    "                   another build beside it\n"
    "  --long-filter    a word typed into the filter over 100 MB of notes in 4 records\n"
    "  --work DIR       where the catalogues are kept (default: the temporary folder's\n"
    "                   kbsmgr-bench); delete it after\n"
    "\n"
    "The other benchmarks: kbsmgr-pictures-bench (start-up, gallery and thumbnails of\n"
    "photographed records; --decode-threads 1|2), kbsmgr-exchange-bench (CSV, .xlsx and Tellico\n"
    "files; --photos for the spreadsheet with a photo per record), kbsmgr-import-bench.\n";

// Taking the collection along: the want list with its thumbnails, the collection page of
// 10,000 records with their pictures, and a sheet of 100 labels.
void runShare(const QString& work) {
    // The machine may be shared: the processor time beside the wall time.
    double cpu = 0;
    const auto line = [&cpu](const char* what, int count, double ms, const char* target) {
        row(what, count, ms, 0, double(peakKb()) / 1024.0, target);
        std::printf("|   processor time %-17s | %7s | %9.1f |\n", "", "", cpuMs() - cpu);
    };
    const auto rowsOf = [](const QString& path, const char* sql) {
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &h);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(h, sql, -1, &st, nullptr);
        const qint64 n = st && sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
        sqlite3_finalize(st);
        sqlite3_close(h);
        return n;
    };
    const auto setStatus = [](const QString& path, const char* sql) {
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &h);
        sqlite3_exec(h, sql, nullptr, nullptr, nullptr);
        sqlite3_close(h);
    };
    // A photo as a camera's, made smaller: smooth areas that compress well, 1600 x 1200.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* px = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            px[x] = qRgb(x * 255 / 1600, y * 255 / 1200, ((x / 40 + y / 40) % 2) * 180);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPG", 85);

    const QString wants = work + QStringLiteral("/share-want.mdb");
    QFile::remove(wants);
    bench::generateCatalogue(wants, 2000, 500, jpeg);
    setStatus(wants, "UPDATE table1 SET Status = CASE WHEN ID <= 500 THEN 'Want' ELSE 'Have' END");
    {  // the thumbnails, as the window makes them once it has opened the catalogue
        CatalogueSession session;
        session.open(wants, QStringLiteral("select * from table1"));
        session.close();
        ThumbnailMaker maker(wants);
        QEventLoop loop;
        QObject::connect(&maker, &ThumbnailMaker::finished, &loop, &QEventLoop::quit);
        maker.start();
        loop.exec();
    }
    std::printf("|   thumbnails made %-16s | %7s | %9d |\n", "", "",
                int(rowsOf(wants, "SELECT count(*) FROM picture_thumbs")));
    const exchange::Headings headings = exchange::columnHeadings();
    const QString page = work + QStringLiteral("/share-want.html");
    QFile::remove(page);
    QElapsedTimer t;
    cpu = cpuMs();
    t.start();
    exchange::ShareOptions want;
    exchange::exportHtml(wants, page, headings, want);
    line("want list page, thumbnails", 500, msSince(t), "<= 3000 ms");
    std::printf("|   page size %-22s | %7s | %9.2f MB (<= 15)\n", "", "",
                double(QFileInfo(page).size()) / 1048576.0);
    const auto chromiumRows = [&](const char* what, int n, const std::optional<PageTimes>& c) {
        if (!c) {
            std::printf("| %-34s | skipped: chromium is not installed\n", what);
            return;
        }
        row(qPrintable(QStringLiteral("%1, opened").arg(QLatin1String(what))), n, c->load, 0, 0,
            "<= 2000 ms");
        row("  its search, a key (median)", n, c->key, 0, 0, "<= 50 ms");
        std::printf(
            "|   slowest key (median of runs) %-3s | %7s | %9.2f | %s shown by \"superfast\"\n", "",
            "", c->keyMax, qPrintable(c->count));
    };
    chromiumRows("want list page in Chromium", 500, timeInChromium(page, work, 5, false));

    LabelOptions labels;
    labels.fields = QStringList{QStringLiteral("description"), QStringLiteral("number"),
                                QStringLiteral("series"), QStringLiteral("year")};
    exchange::ShareOptions hundred;
    hundred.list = exchange::ShareList::Shown;
    for (int id = 1; id <= 100; ++id)
        hundred.ids.push_back(id);
    const QString pdf = work + QStringLiteral("/share-labels.pdf");
    QFile::remove(pdf);
    cpu = cpuMs();
    t.start();
    const LabelSheet sheet(wants, hundred, labels, headings);
    sheet.exportPdf(pdf);
    line("labels with pictures and QR codes", 100, msSince(t), "<= 2000 ms");

    const QString all = work + QStringLiteral("/share-all.mdb");
    QFile::remove(all);
    bench::generateCatalogue(all, 10000, 10000, jpeg);
    // Each run in a process of its own, for its peak memory; the median of three.
    std::vector<QMap<QString, double>> runs;
    for (int run = 0; run < 3; ++run)
        runs.push_back(runChild(QStringLiteral("sharepage"), all));
    std::sort(runs.begin(), runs.end(),
              [](const auto& a, const auto& b) { return a.value("ms") < b.value("ms"); });
    const QMap<QString, double>& mid = runs[1];
    row("collection page, pictures 600 px", 10000, mid.value("ms"), 0, mid.value("peak_mb"),
        "<= 20000 ms");
    std::printf("|   processor time %-17s | %7s | %9.1f | runs: %.0f, %.0f, %.0f ms\n", "", "",
                mid.value("cpu_ms"), runs[0].value("ms"), runs[1].value("ms"), runs[2].value("ms"));
    std::printf("|   page size %-22s | %7s | %9.1f MB\n", "", "", mid.value("mb"));
    // The search of a page of 10,000 records (without pictures: the time is the search's).
    const QString plain = work + QStringLiteral("/share-plain.mdb");
    bench::generateCatalogue(plain, 10000);
    const QString collection = plain + QStringLiteral(".html");
    QFile::remove(collection);
    exchange::ShareOptions listed;
    listed.list = exchange::ShareList::All;
    listed.fields = QStringList{QStringLiteral("description"), QStringLiteral("number"),
                                QStringLiteral("series"), QStringLiteral("notes")};
    exchange::exportHtml(plain, collection, headings, listed);
    chromiumRows("page of all, no pictures, Chromium", 10000,
                 timeInChromium(collection, work, 3, true));
    for (const QString& f : {wants, page, pdf, all, plain, collection})
        QFile::remove(f);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (args.value(0) == QLatin1String("--child")) {
        const QString what = args.value(1);
        if (what == QLatin1String("baseline") || what == QLatin1String("open") ||
            what == QLatin1String("index") || what == QLatin1String("update") ||
            what == QLatin1String("upgrade")) {
            QCoreApplication app(argc, argv);
            return child(args.mid(1));
        }
        QApplication app(argc, argv);
        return child(args.mid(1));
    }
    QApplication app(argc, argv);
    const bool quick = args.contains(QStringLiteral("--quick"));
    QString work = QDir::tempPath() + QStringLiteral("/kbsmgr-bench");
    const int wi = int(args.indexOf(QStringLiteral("--work")));
    if (wi >= 0)
        work = args.value(wi + 1);
    QDir().mkpath(work);
    if (args.contains(QStringLiteral("--long-texts"))) {
        longTextRows(work);
        return 0;
    }
    if (args.contains(QStringLiteral("--long-filter"))) {
        longFilterRows(work);
        return 0;
    }

    auto db = [&](const QString& name, int n, int pics, int picBytes) {
        const QString path = work + QLatin1Char('/') + name + QStringLiteral(".mdb");
        if (!QFileInfo::exists(path)) {
            std::fprintf(stderr, "generating %s ...\n", qPrintable(path));
            bench::generateCatalogue(path, n, pics,
                                     pics ? bench::makeJpeg(picBytes) : QByteArray());
        }
        return path;
    };

    if (args.contains(QStringLiteral("--values-only"))) {
        runValues(work);
        return 0;
    }
    if (args.contains(QStringLiteral("--share-only"))) {
        runShare(work);
        return 0;
    }
    if (args.contains(QStringLiteral("--pictures-only"))) {
        runPictures(work, quick);
        return 0;
    }
    std::printf("| %-34s | %7s | %9s | %9s | %5s | %8s | %-22s |\n", "measurement", "N", "ms",
                "base ms", "ratio", "peak MB", "target");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(),
                std::string(9, '-').c_str(), std::string(11, '-').c_str(),
                std::string(11, '-').c_str(), std::string(7, '-').c_str(),
                std::string(10, '-').c_str(), std::string(24, '-').c_str());

    auto backupRow = [&](const char* label, const QString& path, int n) {
        const auto r = runChild(QStringLiteral("backup"), path);
        row(label, n, r.value("ms"), 0, r.value("peak_mb"), "made, window < 100 ms");
        std::printf("|   longest unanswered %-13s | %7s | %9.1f | save during it: %.1f ms%s\n", "",
                    "", r.value("gap_ms"), r.value("save_ms"),
                    r.value("made") > 0 ? "" : ", NO COPY MADE");
    };
    if (args.contains(QStringLiteral("--backups"))) {
        // 10,000 records, each with a 300 KB picture of its own: 3 GB.
        const QString path = work + QStringLiteral("/days3gb.mdb");
        if (!QFileInfo::exists(path)) {
            std::fprintf(stderr, "generating %s ...\n", qPrintable(path));
            bench::generateCatalogue(path, 10000);
            const QByteArray jpeg = bench::makeJpeg(300 * 1024);
            bench::setPictures(path, 10000, [&](int id) {
                return jpeg + QByteArray::number(id);  // each picture its own bytes
            });
        }
        addThumbnails(path);
        const auto r = runChild(QStringLiteral("backupdays"), path, {QStringLiteral("inplace")});
        const double size = r.value("catalogue_mb");
        std::printf("backups sharing pictures, %.0f MB catalogue of 10,000 records:\n", size);
        std::printf(
            "  first backup:  %.0f ms (%.0f ms processor), read %.0f MB (%.2f x, <= 1.1), "
            "wrote %.0f MB, window unanswered at most %.1f ms\n",
            r.value("first_ms"), r.value("first_cpu_ms"), r.value("first_read_mb"),
            r.value("first_read_mb") / size, r.value("first_written_mb"), r.value("first_gap_ms"));
        std::printf(
            "  a later day:   %.0f ms, read %.1f MB (<= 150), wrote %.1f MB (<= 20), "
            "window unanswered at most %.1f ms\n",
            r.value("later_ms"), r.value("later_read_mb"), r.value("later_written_mb"),
            r.value("later_gap_ms"));
        std::printf(
            "  7 days kept (%d): %.0f MB = %.2f x the catalogue + %.1f MB text each "
            "(<= 1.1 x + 7 x text)\n",
            int(r.value("kept")), r.value("space_mb"),
            (r.value("space_mb") - 7 * r.value("text_mb")) / size, r.value("text_mb"));
        std::printf(
            "  restore: %.0f ms, plain copy of the file %.0f ms (%.2f x, <= 1.5), both from a "
            "cold cache (%s); thumbnails carried: %.0f of %.0f\n",
            r.value("restore_ms"), r.value("copy_ms"), r.value("restore_ms") / r.value("copy_ms"),
            r.value("cold") > 0 ? "caches dropped" : "only the catalogue's pages dropped",
            r.value("restored_thumbs"), r.value("thumbs"));
        const auto u =
            runChild(QStringLiteral("undo"), db(QStringLiteral("n100000"), 100000, 0, 0));
        std::printf("  undo of a delete at 100,000 records: %.1f ms (<= 50)\n", u.value("ms"));
        return 0;
    }
    if (args.contains(QStringLiteral("--backup"))) {
        backupRow("backup while the window runs", db(QStringLiteral("n100000"), 100000, 0, 0),
                  100000);
        const QString big = db(QStringLiteral("pics3gb"), 1000, 1000, 3 * 1024 * 1024);
        backupRow("backup, 3 GB of pictures", big, 1000);
        QFile::remove(big);
        return 0;
    }

    QList<int> sizes{1000, 10000};
    if (!quick)
        sizes << 100000;
    // The catalogue of 100,000 records as after its first start, which added the index.
    const int n = 100000;
    auto indexed = [&] {
        const QString path = db(QStringLiteral("n%1").arg(n), n, 0, 0);
        runChild(QStringLiteral("index"), path);  // not timed here
        // The tables and first entries a first start adds, so that each start-up measured is
        // one of a catalogue the program has opened before.
        runChild(QStringLiteral("upgrade"), path);
        return path;
    };
    if (args.contains(QStringLiteral("--records"))) {
        // The record rows only, at 100,000 records: the floor, the open, the start-up and the
        // grid's save, delete and sort.
        const QString path = indexed();
        const auto base = runChild(QStringLiteral("baseline"), path);
        const auto open = runChild(QStringLiteral("open"), path);
        row("bare step loop (baseline)", n, base.value("ms"), 0, base.value("peak_mb"), "");
        row("open Record set", n, open.value("ms"), base.value("ms"), open.value("peak_mb"),
            "<= 1.5 x base");
        const W cases[] = {
            {"startup", "start-up to first record + grid", ""},
            {"save", "save in edit mode, grid shows it", "<= 25 ms"},
            {"delete", "deletion, neighbour shown", "<= 25 ms"},
            {"sorttext", "sort a text column", "<= 60 ms"},
            {"sortyear", "sort Year", ""},
        };
        for (const auto& wc : cases) {
            const auto r = runChild(QString::fromLatin1(wc.what), path);
            const bool startup = QByteArray(wc.what) == "startup";
            row(wc.label, n, r.value("ms"), startup ? base.value("ms") : 0, r.value("peak_mb"),
                startup ? "<= 1.5 x base, 300 ms" : wc.target);
            if (startup)
                row("start-up vs floor CPU", n, r.value("cpu_ms"), base.value("cpu_ms"), 0,
                    "processor time");
        }
        return 0;
    }
    if (args.contains(QStringLiteral("--own-fields"))) {
        ownFieldRows(work, indexed(), n);
        ownGroupRows(work, indexed(), n);
        return 0;
    }
    if (args.contains(QStringLiteral("--checklists"))) {
        const QString lists = work + QStringLiteral("/checklists%1.mdb").arg(n);
        QFile::remove(lists);
        QFile::copy(indexed(), lists);
        runChild(QStringLiteral("checklists"), lists);  // adds the lists; not timed
        const auto r = runChild(QStringLiteral("checklists"), lists);
        row("50 checklists x 250 entries matched", n, r.value("ms"), 0, r.value("peak_mb"),
            "<= 200 ms");
        row("  processor time of it", n, r.value("cpu_ms"), 0, r.value("peak_mb"), "");
        row("  records each checklist holds", n, r.value("filter_ms"), 0, r.value("peak_mb"), "");
        row("  the same at the filter's next key", n, r.value("filter_again_ms"), 0,
            r.value("peak_mb"), "");
        QFile::remove(lists);
        return 0;
    }
    if (args.contains(QStringLiteral("--filter"))) {
        const QString path = indexed();
        const auto plain = runChild(QStringLiteral("startup"), path);
        const auto f = runChild(QStringLiteral("filter"), path);
        const struct {
            const char* key;
            const char* label;
        } typed[] = {{"word", "key: one word \"targa\""},
                     {"words", "key: two words \"ford cooper\""},
                     {"field", "key: field word \"color:blue\""},
                     {"years", "key: range \"year:1968-1975\""}};
        for (const auto& t : typed) {
            const QString k = QString::fromLatin1(t.key);
            keyRows(f, n, t.key, t.label, "<= 60 ms");
            std::printf("|   processor ms: median %.1f, 95th percentile %.1f\n",
                        f.value(k + QStringLiteral("_cpu_ms")),
                        f.value(k + QStringLiteral("_cpu_p95")));
        }
        row("clear the filter, median", n, f.value("clear_ms"), 0, f.value("peak_mb"), "<= 30 ms");
        row("  95th percentile", n, f.value("clear_p95"), 0, f.value("peak_mb"), "");
        row("Find Next, no match, median", n, f.value("next_ms"), 0, f.value("peak_mb"),
            "<= 50 ms");
        row("  95th percentile", n, f.value("next_p95"), 0, f.value("peak_mb"), "");
        row("peak MB: start-up without filter", n, plain.value("peak_mb"), 0,
            plain.value("peak_mb"), "");
        row("peak MB: with the filter runs above", n, f.value("peak_mb"), plain.value("peak_mb"),
            f.value("peak_mb"), "<= 1.1 x");
        return 0;
    }
    if (args.contains(QStringLiteral("--idle"))) {
        QStringList programs;
        for (qsizetype i = args.indexOf(QStringLiteral("--program")); i >= 0 && i + 1 < args.size();
             i = args.indexOf(QStringLiteral("--program"), i + 2))
            programs << args.at(i + 1);
        programs << QStringLiteral(KBS_PROGRAM_EXE);
        bench::runIdleBench(programs, work, quick ? 10000 : 100000, quick ? 3000 : 30000);
        return 0;
    }
    if (args.contains(QStringLiteral("--frame"))) {
        bench::runFrameBench(QStringLiteral(KBS_PROGRAM_EXE), indexed(), n);
        return 0;
    }
    if (args.contains(QStringLiteral("--groups"))) {
        groupRows(indexed(), n);
        return 0;
    }
    if (args.contains(QStringLiteral("--statistics"))) {
        const QString path = indexed();
        const auto plain = runChild(QStringLiteral("startup"), path);
        const auto r = runChild(QStringLiteral("statistics"), path);
        row("statistics window, first chart", n, r.value("open_ms"), 0, r.value("peak_mb"),
            "<= 300 ms");
        row("  another field, median", n, r.value("field_ms"), 0, r.value("peak_mb"), "<= 150 ms");
        row("  another field, slowest", n, r.value("field_max_ms"), 0, r.value("peak_mb"), "");
        row("  another chart kind, slowest", n, r.value("kind_max_ms"), 0, r.value("peak_mb"), "");
        row("  records shown read again", n, r.value("refresh_ms"), 0, r.value("peak_mb"), "");
        row("peak MB: with the statistics open", n, r.value("peak_mb"), plain.value("peak_mb"),
            r.value("peak_mb"), "");
        const auto both = runChild(QStringLiteral("groupsstatistics"), path);
        row("peak MB: group view and statistics open", n, both.value("peak_mb"),
            plain.value("peak_mb"), both.value("peak_mb"), "<= 1.2 x");
        return 0;
    }
    if (args.contains(QStringLiteral("--casting"))) {
        const QString path = indexed();
        const auto c = runChild(QStringLiteral("casting"), path);
        const auto d = runChild(QStringLiteral("duplicates"), path);
        row("Add, the casting index made", n, c.value("add_ms"), 0, c.value("peak_mb"), "");
        row("casting list after a key, median", n, c.value("key_ms"), 0, c.value("peak_mb"),
            "<= 20 ms");
        row("  slowest key", n, c.value("key_max"), 0, c.value("peak_mb"), "<= 20 ms");
        row("  key, records listed, median", n, c.value("listed_ms"), 0, c.value("peak_mb"),
            "<= 20 ms");
        row("  slowest key with them listed", n, c.value("listed_max"), 0, c.value("peak_mb"),
            "<= 20 ms");
        row("save check, same model asked", n, c.value("check_ms"), 0, c.value("peak_mb"),
            "<= 10 ms");
        row("Duplicates report, first page", n, d.value("ms"), 0, d.value("peak_mb"), "<= 300 ms");
        std::printf("|   %d duplicates; processor ms %.1f%s\n", int(d.value("records")),
                    d.value("cpu_ms"), c.value("still_adding") > 0 ? "" : "; NOT STILL ADDING");
        return 0;
    }
    if (args.contains(QStringLiteral("--totals"))) {
        auto totalsRow = [&](const char* label, const QString& path, int n) {
            const auto r = runChild(QStringLiteral("totals"), path);
            row(label, n, r.value("ms"), 0, r.value("peak_mb"), "<= 1000 ms");
            std::printf("|   processor ms %-19s | %7s | %9.1f | %d pages, %.1f MB read\n", "", "",
                        r.value("cpu_ms"), int(r.value("pages")), r.value("totals_rchar_mb"));
        };
        for (int n : sizes)
            totalsRow("totals report first page", db(QStringLiteral("n%1").arg(n), n, 0, 0), n);
        // The same records in 20,000 series: 400 pages and more of groups.
        const int n = sizes.last();
        const QString many = work + QStringLiteral("/series%1.mdb").arg(n);
        QFile::remove(many);
        QFile::copy(db(QStringLiteral("n%1").arg(n), n, 0, 0), many);
        sqlite3* h = nullptr;
        sqlite3_open(many.toUtf8().constData(), &h);
        sqlite3_exec(h, "update table1 set Series = printf('Series %05d', ID % 20000)", nullptr,
                     nullptr, nullptr);
        sqlite3_close(h);
        totalsRow("totals, 20,000 series", many, n);
        QFile::remove(many);
        return 0;
    }
    QMap<int, double> baseMs;
    for (int n : sizes) {
        const QString path = db(QStringLiteral("n%1").arg(n), n, 0, 0);
        const auto base = runChild(QStringLiteral("baseline"), path);
        const auto open = runChild(QStringLiteral("open"), path);
        baseMs[n] = base.value(QStringLiteral("ms"));
        row("bare read (baseline)", n, base.value("ms"), 0, base.value("peak_mb"), "");
        row("open Record set", n, open.value("ms"), base.value("ms"), open.value("peak_mb"),
            "<= 1.5 x base, 150 MB");
    }
    {
        const QString plain = db(QStringLiteral("plain1000"), 1000, 0, 0);
        const QString pics = db(QStringLiteral("pics1000"), 1000, 1000, 200 * 1024);
        const auto a = runChild(QStringLiteral("open"), plain);
        const auto b = runChild(QStringLiteral("open"), pics);
        row("open, no pictures", 1000, a.value("ms"), 0, a.value("peak_mb"), "");
        row("open, 200 KB picture per record", 1000, b.value("ms"), 0, b.value("peak_mb"),
            "< +10 MB over no pics");
    }
    {
        const QString pic = db(QStringLiteral("pic2mb"), 3, 1, 2 * 1024 * 1024);
        const auto a = runChild(QStringLiteral("display"), pic);
        row("Update_Display, 2 MB JPEG", 1, a.value("ms"), 0, a.value("peak_mb"), "<= 40 ms");
        const QString plain = db(QStringLiteral("n1000"), 1000, 0, 0);
        const auto b = runChild(QStringLiteral("display"), plain);
        row("Update_Display, no picture", 1, b.value("ms"), 0, b.value("peak_mb"), "<= 1 ms");
    }
    longTextRows(work);
    const W windowCases[] = {
        {"startup", "start-up to first record + grid", "<= 2 x base"},
        {"fill", "grid fill", "<= 60 ms"},
        {"click", "row click until record shown", "<= 5 ms"},
        {"save", "save in edit mode incl. refill", "<= 100 ms"},
        {"sorttext", "sort a text column", "<= 300 ms"},
        {"sortyear", "sort Year", "<= 300 ms"},
        {"search", "search that finds nothing", "<= 400 ms"},
        {"delete", "deletion incl. refill", "<= 100 ms"},
        {"totals", "totals report first page", "<= 1000 ms"},
    };
    for (const auto& wc : windowCases) {
        for (int n : sizes) {
            const auto r =
                runChild(QString::fromLatin1(wc.what), db(QStringLiteral("n%1").arg(n), n, 0, 0));
            const bool vsBase = QByteArray(wc.what) == "startup";
            row(wc.label, n, r.value("ms"), vsBase ? baseMs.value(n) : 0, r.value("peak_mb"),
                n == sizes.last() && QByteArray(wc.what) == "startup" ? "<= 2 x base, 300 MB"
                                                                      : wc.target);
        }
    }
    runPictures(work, quick);
    return 0;
}
