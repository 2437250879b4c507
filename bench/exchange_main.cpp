// kbsmgr-exchange-bench: speed and peak memory of exchanging a catalogue through CSV files.
//
//   kbsmgr-exchange-bench [--photos] [WORK_DIR]
//
// Makes the catalogues in WORK_DIR (a temporary folder by default, removed at the end) and
// runs each command as a child process, as a person would: one row of the table per run, with
// its wall time and the child's peak resident memory. The catalogues: 100,000 records of text,
// and records with a picture of 300 KB each at 1,000 and at 10,000 records, so that memory
// that grows with the number of pictures shows. A run is one function in `kRuns`; what a run
// writes stays in the work folder until the end, for the runs after it: kbsmgr-import builds a
// new catalogue from each CSV file the exports wrote. --photos runs only the .xlsx export of
// 10,000 and 100,000 records with a photo of its own each (1 GB of catalogue at 100,000).
#include <sqlite3.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <vector>

#include "DataGen.h"
#include "Schema.h"

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

// What the launcher tells of one child.
struct ChildResult {
    int spawnError = 0;
    int status = 0;
    long peakKb = 0;
    double seconds = 0;
};

// Starts program with args, its output into outFile, and waits for it.
ChildResult spawnAndWait(const std::vector<QByteArray>& argvBytes, const QByteArray& outFile) {
    std::vector<char*> argv;
    for (const QByteArray& a : argvBytes)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    ChildResult r;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    r.spawnError = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (r.spawnError != 0)
        return r;
    struct rusage usage {};
    ::wait4(pid, &r.status, 0, &usage);
    r.seconds = double(timer.nsecsElapsed()) / 1e9;
    r.peakKb = usage.ru_maxrss;
    return r;
}

bool readAll(int fd, void* data, size_t size) {
    auto* p = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = ::read(fd, p, size);
        if (n <= 0)
            return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

// The kernel gives a started program's peak memory as at least that of the process that
// started it. So the children are started by a launcher forked before the bench grows, which
// is only a few MB: a request is the output file and the command line, NUL-separated.
class Launcher {
public:
    Launcher() {
        int requests[2];
        int results[2];
        if (::pipe(requests) != 0 || ::pipe(results) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(requests[1]);
            ::close(results[0]);
            serve(requests[0], results[1]);
            ::_exit(0);
        }
        ::close(requests[0]);
        ::close(results[1]);
        m_requests = requests[1];
        m_results = results[0];
    }
    ~Launcher() {
        ::close(m_requests);
        ::close(m_results);
        if (m_pid > 0)
            ::waitpid(m_pid, nullptr, 0);
    }

    ChildResult run(const QByteArray& outFile, const std::vector<QByteArray>& argv) const {
        QByteArray request = outFile + '\0';
        for (const QByteArray& a : argv)
            request += a + '\0';
        const quint32 size = quint32(request.size());
        ChildResult r;
        r.spawnError = ENOSYS;
        if (::write(m_requests, &size, sizeof size) == ssize_t(sizeof size) &&
            ::write(m_requests, request.constData(), size) == ssize_t(size))
            readAll(m_results, &r, sizeof r);
        return r;
    }

private:
    static void serve(int in, int out) {
        quint32 size = 0;
        while (readAll(in, &size, sizeof size)) {
            QByteArray request(qsizetype(size), '\0');
            if (!readAll(in, request.data(), size))
                break;
            QList<QByteArray> parts = request.split('\0');
            parts.removeLast();  // after the last NUL
            const QByteArray outFile = parts.takeFirst();
            const ChildResult r =
                spawnAndWait(std::vector<QByteArray>(parts.begin(), parts.end()), outFile);
            if (::write(out, &r, sizeof r) != ssize_t(sizeof r))
                break;
        }
    }

    pid_t m_pid = -1;
    int m_requests = -1;
    int m_results = -1;
};

// Runs program with args as a child process, its output into outFile; fills in the row's
// time, peak memory and result.
void runChild(const Launcher& launcher, const QString& program, const QStringList& args,
              const QString& outFile, Row& row) {
    std::vector<QByteArray> argv{QFile::encodeName(program)};
    for (const QString& a : args)
        argv.push_back(QFile::encodeName(a));
    const ChildResult r = launcher.run(QFile::encodeName(outFile), argv);
    if (r.spawnError != 0) {
        row.result = QStringLiteral("cannot start %1").arg(program);
        return;
    }
    row.seconds = r.seconds;
    row.peakKb = r.peakKb;
    QFile f(outFile);
    f.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = f.readAll().trimmed().split('\n');
    row.result = QString::fromUtf8(lines.last());
    if (!WIFEXITED(r.status) || WEXITSTATUS(r.status) != 0)
        row.result = QStringLiteral("FAILED (%1): %2").arg(r.status).arg(row.result);
}

// The work folder, with the catalogues made as they are first asked for.
class Work {
public:
    Work(QString dir, const Launcher& launcher) : m_dir(std::move(dir)), m_launcher(launcher) {}
    const Launcher& launcher() const { return m_launcher; }
    QString path(const QString& name) const { return QDir(m_dir).filePath(name); }

    // A catalogue of n records, the first `pictures` of them with a 300 KB picture each.
    QString catalogue(int n, int pictures, bool three = false) {
        if (three)
            return threePictures(n);
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

    // The catalogue of n records with a picture each, every record holding two further
    // pictures (copies of its own) besides it.
    QString threePictures(int n) {
        const QString p = path(QStringLiteral("catalogue-%1-3x.mdb").arg(n));
        if (!QFileInfo::exists(p)) {
            QFile::copy(catalogue(n, n), p);
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(p).constData(), &db);
            const std::string sql = std::string(kbs::schema::PicturesTableSql) +
                                    "; INSERT INTO record_pictures (record_id, position, bytes) "
                                    "SELECT ID, 2, binpicdata FROM table1 UNION ALL "
                                    "SELECT ID, 3, binpicdata FROM table1";
            if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
                std::fprintf(stderr, "(%s: %s)\n", qPrintable(p), sqlite3_errmsg(db));
            sqlite3_close(db);
        }
        return p;
    }

    // The catalogue of n records, each with a photo of its own of about 10 KB (a spreadsheet's
    // thumbnails are all different, as a collection's are).
    QString photographed(int n) {
        const QString p = path(QStringLiteral("catalogue-%1-photos.mdb").arg(n));
        if (QFileInfo::exists(p))
            return p;
        kbs::bench::generateCatalogue(p, n);
        QImage image(160, 120, QImage::Format_RGB32);
        kbs::bench::setPictures(p, n, [&](int id) {
            image.fill(QColor::fromHsv(id % 360, 80 + id % 150, 90 + id % 160));
            for (int k = 0; k < 24; ++k)  // a pattern of its own
                image.setPixel((id * 37 + k * 53) % 160, (id * 11 + k * 29) % 120,
                               0xff000000u | uint(id * 2654435761u));
            QByteArray jpeg;
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "JPG", 90);
            return jpeg;
        });
        return p;
    }

private:
    QString m_dir;
    const Launcher& m_launcher;
    QByteArray m_picture;
};

// kbsmgr-export of a catalogue of n records, `pictures` of them with a picture, to
// "<name>.csv" and "<name>_pictures" in the work folder; or with `option` (--xlsx, --tellico)
// to "<name>" itself.
Row exportRow(Work& work, const QString& what, int n, int pictures, const QString& name,
              const QString& option = {}, bool threePictures = false) {
    Row row;
    row.what = what;
    row.records = n;
    const QString catalogue = work.catalogue(n, pictures, threePictures);
    const QString csv = work.path(option.isEmpty() ? name + QStringLiteral(".csv") : name);
    runChild(work.launcher(), kExport,
             option.isEmpty() ? QStringList{catalogue, csv} : QStringList{option, csv, catalogue},
             work.path(name + QStringLiteral(".out")), row);
    row.inputBytes = QFileInfo(catalogue).size();
    row.outputBytes = bytesUnder(csv) + bytesUnder(work.path(name + QStringLiteral("_pictures")));
    return row;
}

// kbsmgr-export --xlsx of n records with a photo each: the peak memory must not grow with the
// pictures.
Row photosXlsxRow(Work& work, int n) {
    Row row;
    row.what = QStringLiteral("export .xlsx, a 10 KB photo per record");
    row.records = n;
    const QString catalogue = work.photographed(n);
    const QString out = work.path(QStringLiteral("photos%1.xlsx").arg(n));
    QFile::remove(out);
    runChild(work.launcher(), kExport, {QStringLiteral("--xlsx"), out, catalogue},
             work.path(QStringLiteral("photos%1.out").arg(n)), row);
    row.inputBytes = QFileInfo(catalogue).size();
    row.outputBytes = bytesUnder(out);
    return row;
}

// kbsmgr-import of "<name>.csv" (or of "<name>" when it has an extension), which an export
// run wrote, into "<name>-imported.mdb".
Row importRow(Work& work, const QString& what, int n, const QString& name) {
    Row row;
    row.what = what;
    row.records = n;
    const QString csv =
        work.path(name.contains(QLatin1Char('.')) ? name : name + QStringLiteral(".csv"));
    const QString target = work.path(name + QStringLiteral("-imported.mdb"));
    runChild(work.launcher(), kImport, {csv, target},
             work.path(name + QStringLiteral("-import.out")), row);
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
    [](Work& w) {
        return exportRow(w, QStringLiteral("export, 3 × 300 KB pictures each"), 1000, 1000,
                         "pics3x1k", {}, true);
    },
    [](Work& w) { return importRow(w, QStringLiteral("import, text"), 100000, "text"); },
    [](Work& w) { return importRow(w, QStringLiteral("import, 300 KB pictures"), 1000, "pics1k"); },
    [](Work& w) {
        return importRow(w, QStringLiteral("import, 300 KB pictures"), 10000, "pics10k");
    },
    [](Work& w) {
        return importRow(w, QStringLiteral("import, 3 × 300 KB pictures each"), 1000, "pics3x1k");
    },
    [](Work& w) {
        return exportRow(w, QStringLiteral("export .xlsx, text"), 100000, 0, "text.xlsx", "--xlsx");
    },
    [](Work& w) {
        return exportRow(w, QStringLiteral("export .xlsx, 300 KB pictures"), 1000, 1000,
                         "pics1k.xlsx", "--xlsx");
    },
    [](Work& w) {
        return exportRow(w, QStringLiteral("export Tellico, text"), 100000, 0, "text.tc",
                         "--tellico");
    },
    [](Work& w) {
        return exportRow(w, QStringLiteral("export Tellico, 300 KB pictures"), 1000, 1000,
                         "pics1k.tc", "--tellico");
    },
    [](Work& w) { return importRow(w, QStringLiteral("import Tellico, text"), 100000, "text.tc"); },
    [](Work& w) {
        return importRow(w, QStringLiteral("import Tellico, 300 KB pictures"), 1000, "pics1k.tc");
    },
};

// --photos: the spreadsheet with a photo in every record, alone.
const std::vector<std::function<Row(Work&)>> kPhotoRuns = {
    [](Work& w) { return photosXlsxRow(w, 10000); },
    [](Work& w) { return photosXlsxRow(w, 100000); },
};

}  // namespace

int main(int argc, char** argv) {
    const Launcher launcher;  // first, while this process is small
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool photos = args.removeAll(QStringLiteral("--photos")) > 0;
    QTemporaryDir temp;
    const QString dir = !args.isEmpty() ? args.first() : temp.path();
    if (!QDir().mkpath(dir) || !temp.isValid()) {
        std::fprintf(stderr, "kbsmgr-exchange-bench: cannot use the folder %s\n", qPrintable(dir));
        return 1;
    }
    Work work(dir, launcher);
    std::vector<Row> rows;
    for (const auto& run : photos ? kPhotoRuns : kRuns) {
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
