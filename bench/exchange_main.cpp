// kbsmgr-exchange-bench: speed and peak memory of exchanging a catalogue through CSV files.
//
//   kbsmgr-exchange-bench [WORK_DIR]
//
// Makes the catalogues in WORK_DIR (a temporary folder by default, removed at the end) and
// runs each command as a child process, as a person would: one row of the table per run, with
// its wall time and the child's peak resident memory. The catalogues: 100,000 records of text,
// and records with a picture of 300 KB each at 1,000 and at 10,000 records, so that memory
// that grows with the number of pictures shows. A run is one function in `kRuns`; what a run
// writes stays in the work folder until the end, for the runs after it: kbsmgr-import builds a
// new catalogue from each CSV file the exports wrote.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

#include "DataGen.h"

extern char** environ;

namespace {

const QString kExport = QStringLiteral(KBS_EXPORT_EXE);
const QString kImport = QStringLiteral(KBS_IMPORT_EXE);
constexpr int kPictureBytes = 300 * 1024;

// One run of the table.
struct Row {
    QString what;
    long records = 0;
    double seconds = 0;
    long peakKb = 0;
    qint64 inputBytes = 0;
    qint64 outputBytes = 0;
    QString result;  // the command's last line of output, or its failure
};

qint64 bytesUnder(const QString& path) {
    if (QFileInfo(path).isFile())
        return QFileInfo(path).size();
    qint64 total = 0;
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

// Runs program with args as a child process, its output into outFile; fills in the row's
// time, peak memory and result.
void runChild(const QString& program, const QStringList& args, const QString& outFile, Row& row) {
    std::vector<QByteArray> keep{QFile::encodeName(program)};
    for (const QString& a : args)
        keep.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& a : keep)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray out = QFile::encodeName(outFile);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        row.result = QStringLiteral("cannot start %1").arg(program);
        return;
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    row.seconds = double(timer.nsecsElapsed()) / 1e9;
    row.peakKb = usage.ru_maxrss;
    QFile f(outFile);
    f.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = f.readAll().trimmed().split('\n');
    row.result = QString::fromUtf8(lines.last());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        row.result = QStringLiteral("FAILED (%1): %2").arg(status).arg(row.result);
}

// The work folder, with the catalogues made as they are first asked for.
class Work {
public:
    explicit Work(QString dir) : m_dir(std::move(dir)) {}
    QString path(const QString& name) const { return QDir(m_dir).filePath(name); }

    // A catalogue of n records, the first `pictures` of them with a 300 KB picture each.
    QString catalogue(int n, int pictures) {
        const QString p = path(QStringLiteral("catalogue-%1-%2.mdb").arg(n).arg(pictures));
        if (!QFileInfo::exists(p)) {
            if (pictures > 0 && m_picture.isEmpty())
                m_picture = kbs::bench::makeJpeg(kPictureBytes);
            QElapsedTimer t;
            t.start();
            kbs::bench::generateCatalogue(p, n, pictures, m_picture);
            std::printf("(made %s, %.0f MB, in %.1f s)\n", qPrintable(QFileInfo(p).fileName()),
                        double(QFileInfo(p).size()) / 1e6, double(t.elapsed()) / 1e3);
            std::fflush(stdout);
        }
        return p;
    }

private:
    QString m_dir;
    QByteArray m_picture;
};

// kbsmgr-export of a catalogue of n records, `pictures` of them with a picture, to
// "<name>.csv" and "<name>_pictures" in the work folder.
Row exportRow(Work& work, const QString& what, int n, int pictures, const QString& name) {
    Row row;
    row.what = what;
    row.records = n;
    const QString catalogue = work.catalogue(n, pictures);
    const QString csv = work.path(name + QStringLiteral(".csv"));
    runChild(kExport, {catalogue, csv}, work.path(name + QStringLiteral(".out")), row);
    row.inputBytes = QFileInfo(catalogue).size();
    row.outputBytes = bytesUnder(csv) + bytesUnder(work.path(name + QStringLiteral("_pictures")));
    return row;
}

// kbsmgr-import of "<name>.csv", which an export run wrote, into "<name>-imported.mdb".
Row importRow(Work& work, const QString& what, int n, const QString& name) {
    Row row;
    row.what = what;
    row.records = n;
    const QString csv = work.path(name + QStringLiteral(".csv"));
    const QString target = work.path(name + QStringLiteral("-imported.mdb"));
    runChild(kImport, {csv, target}, work.path(name + QStringLiteral("-import.out")), row);
    row.inputBytes = bytesUnder(csv) + bytesUnder(work.path(name + QStringLiteral("_pictures")));
    row.outputBytes = bytesUnder(target);
    QFile::remove(target);
    return row;
}

const std::vector<std::function<Row(Work&)>> kRuns = {
    [](Work& w) { return exportRow(w, QStringLiteral("export, text"), 100000, 0, "text"); },
    [](Work& w) {
        return exportRow(w, QStringLiteral("export, 300 KB pictures"), 1000, 1000, "pics1k");
    },
    [](Work& w) {
        return exportRow(w, QStringLiteral("export, 300 KB pictures"), 10000, 10000, "pics10k");
    },
    [](Work& w) { return importRow(w, QStringLiteral("import, text"), 100000, "text"); },
    [](Work& w) { return importRow(w, QStringLiteral("import, 300 KB pictures"), 1000, "pics1k"); },
    [](Work& w) {
        return importRow(w, QStringLiteral("import, 300 KB pictures"), 10000, "pics10k");
    },
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    if (!QDir().mkpath(dir) || !temp.isValid()) {
        std::fprintf(stderr, "kbsmgr-exchange-bench: cannot use the folder %s\n", qPrintable(dir));
        return 1;
    }
    Work work(dir);
    std::vector<Row> rows;
    for (const auto& run : kRuns) {
        rows.push_back(run(work));
        std::printf("(%s, %ld records: %s)\n", qPrintable(rows.back().what), rows.back().records,
                    qPrintable(rows.back().result));
        std::fflush(stdout);
    }
    std::printf("\n| run | records | in MB | out MB | wall s | peak RSS MB | result |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---|\n");
    bool ok = true;
    for (const Row& r : rows) {
        std::printf("| %s | %ld | %.0f | %.0f | %.2f | %.1f | %s |\n", qPrintable(r.what),
                    r.records, double(r.inputBytes) / 1e6, double(r.outputBytes) / 1e6, r.seconds,
                    double(r.peakKb) / 1024.0, qPrintable(r.result));
        ok = ok && !r.result.startsWith(QStringLiteral("FAILED"));
    }
    return ok ? 0 : 1;
}
