// kbsmgr-bench: times the catalogue's operations at 1,000, 10,000 and 100,000 records and
// prints a table. Every measurement runs in a child process of its own, so that its peak
// memory is its own.
//
//   kbsmgr-bench [--quick] [--work DIR]
//
// --quick leaves out the 100,000-record runs.
#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Collection.h"
#include "Connection.h"
#include "DataGen.h"
#include "FlexGrid.h"
#include "LimitedTextbox.h"
#include "ProgramInfo.h"
#include "RecordSet.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "Startup.h"
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

void report(const char* key, double value) {
    std::printf("%s=%.3f\n", key, value);
}

double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// The bare baseline: every row and column into memory with the SQLite C API.
void runBaseline(const QString& db) {
    QElapsedTimer t;
    t.start();
    sqlite3* h = nullptr;
    sqlite3_open_v2(db.toUtf8().constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, "select * from table1", -1, &st, nullptr);
    std::vector<std::vector<std::string>> rows;
    const int n = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row(static_cast<size_t>(n));
        for (int c = 0; c < n; ++c) {
            const char* p = reinterpret_cast<const char*>(sqlite3_column_blob(st, c));
            row[size_t(c)].assign(p ? p : "", size_t(sqlite3_column_bytes(st, c)));
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    sqlite3_close(h);
    report("ms", msSince(t));
    report("rows", double(rows.size()));
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

// Copies the catalogue into a fresh program directory and starts the program on it.
struct Window {
    QTemporaryDir dir;
    test::ScriptedPrompts prompts;
    Program program;
    double startMs = 0;
    explicit Window(const QString& db) {
        QFile::copy(db, dir.filePath(QStringLiteral("mydb.mdb")));
        ProgramInfo::setDirectoryOverride(dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                       QStringLiteral("0"));
        setPrompts(&prompts);
        QElapsedTimer t;
        t.start();
        program = startProgram();
        startMs = msSince(t);
        QApplication::processEvents();
    }
    frmMain& w() { return *program.main; }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void runWindow(const QString& what, const QString& db) {
    Window win(db);
    frmMain& w = win.w();
    if (what == QLatin1String("startup")) {
        report("ms", win.startMs);
    } else if (what == QLatin1String("fill")) {
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer t;
            t.start();
            w.PopulateFlexGrid(*w.FG1, *w.recordSet(), true);
            times.push_back(msSince(t));
        }
        report("ms", median(times));
    } else if (what == QLatin1String("click")) {
        std::vector<double> times;
        for (int i = 0; i < 7; ++i) {
            const int row = w.FG1->rows() - 1 - i;
            const QModelIndex idx = w.FG1->model().index(row - 1, 1);
            w.FG1->scrollTo(idx);
            QApplication::processEvents();
            const QPoint p = w.FG1->visualRect(idx).center();
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(w.FG1->viewport(), Qt::LeftButton, {}, p);
            times.push_back(msSince(t));
        }
        report("ms", median(times));
    } else if (what == QLatin1String("save")) {
        w.Edit_Record();
        w.txtTextl[9]->setText(QStringLiteral("Benchmark blue"));
        QElapsedTimer t;
        t.start();
        w.cmdSave_Click();
        report("ms", msSince(t));
    } else if (what == QLatin1String("sorttext") || what == QLatin1String("sortyear")) {
        const int col = what == QLatin1String("sorttext") ? 1 : 2;
        QElapsedTimer t;
        t.start();
        w.SortFlex(w, *w.FG1, col, col);
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

int child(const QStringList& args) {
    const QString what = args.value(0);
    const QString db = args.value(1);
    if (what == QLatin1String("baseline"))
        runBaseline(db);
    else if (what == QLatin1String("open"))
        runOpen(db);
    else
        runWindow(what, db);
    report("peak_mb", double(peakKb()) / 1024.0);
    return 0;
}

QMap<QString, double> runChild(const QString& what, const QString& db) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), what, db});
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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.value(0) == QLatin1String("--child")) {
        const QString what = args.value(1);
        if (what == QLatin1String("baseline") || what == QLatin1String("open")) {
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

    auto db = [&](const QString& name, int n, int pics, int picBytes) {
        const QString path = work + QLatin1Char('/') + name + QStringLiteral(".mdb");
        if (!QFileInfo::exists(path)) {
            std::fprintf(stderr, "generating %s ...\n", qPrintable(path));
            bench::generateCatalogue(path, n, pics,
                                     pics ? bench::makeJpeg(picBytes) : QByteArray());
        }
        return path;
    };

    std::printf("| %-34s | %7s | %9s | %9s | %5s | %8s | %-22s |\n", "measurement", "N", "ms",
                "base ms", "ratio", "peak MB", "target");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(),
                std::string(9, '-').c_str(), std::string(11, '-').c_str(),
                std::string(11, '-').c_str(), std::string(7, '-').c_str(),
                std::string(10, '-').c_str(), std::string(24, '-').c_str());

    QList<int> sizes{1000, 10000};
    if (!quick)
        sizes << 100000;
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
    struct W {
        const char* what;
        const char* label;
        const char* target;
    };
    const W windowCases[] = {
        {"startup", "start-up to first record + grid", "<= 2 x base"},
        {"fill", "grid fill", "<= 60 ms"},
        {"click", "row click until record shown", "<= 5 ms"},
        {"save", "save in edit mode incl. refill", "<= 100 ms"},
        {"sorttext", "sort a text column", "<= 300 ms"},
        {"sortyear", "sort Year", "<= 300 ms"},
        {"search", "search that finds nothing", "<= 400 ms"},
        {"delete", "deletion incl. refill", "<= 100 ms"},
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
    return 0;
}
