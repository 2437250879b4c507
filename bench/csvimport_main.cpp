// kbsmgr-csv-import-bench: how long kbsmgr-import takes to build a catalogue from a CSV file,
// and how much memory it needs, run as its own process as a collector would run it.
//
//   kbsmgr-csv-import-bench [WORK_DIR]
//
// Writes CSV files in the exchange format into WORK_DIR (a temporary folder by default):
// 100,000 records of text, and 1,000 and 10,000 records with a 300 KB picture file each
// (3 GB of pictures for the largest), then times the import of each and reads the child's
// peak resident memory. The memory must not grow with the number of pictures.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "Collection.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// A CSV of `records` records with every column; with pictureBytes > 0 each record names a
// picture file of that size in NAME_pictures/.
QString writeCsv(const QDir& dir, const QString& name, long records, qsizetype pictureBytes) {
    const QString csv = dir.filePath(name + QStringLiteral(".csv"));
    const QString pictures = name + QStringLiteral("_pictures");
    dir.mkpath(pictures);
    QFile out(csv);
    if (!out.open(QIODevice::WriteOnly))
        return {};
    QByteArray line = "\xEF\xBB\xBF";
    for (const auto& c : kbs::collection::columns) {
        if (c.kind != kbs::collection::Kind::Binary)
            line += QByteArray(c.name) + ',';
    }
    out.write(line + "picture_file\r\n");
    QByteArray picture(pictureBytes, '\0');
    for (qsizetype i = 0; i < picture.size(); ++i)
        picture[i] = char((i * 131 + i / 977) & 0xFF);
    picture.replace(0, 3, "\xFF\xD8\xFF");
    for (long id = 1; id <= records; ++id) {
        line = QByteArray::number(qlonglong(id));
        for (const auto& c : kbs::collection::columns) {
            switch (c.kind) {
                case kbs::collection::Kind::Id:
                case kbs::collection::Kind::Binary:
                    break;
                case kbs::collection::Kind::Notes:
                    line += ",\"Bought at the fair, \"\"mint\"\"\r\n" + QByteArray(200, 'n') + '"';
                    break;
                case kbs::collection::Kind::Any:
                    line += ",20.5";
                    break;
                default:
                    line += ',' + QByteArray(c.name) + ' ' + QByteArray::number(qlonglong(id));
            }
        }
        line += ',';
        if (pictureBytes > 0) {
            const QString file = QStringLiteral("%1/%2.jpg").arg(pictures).arg(id);
            picture.replace(3, 8, QByteArray::number(qlonglong(id)).rightJustified(8, '0'));
            if (!writeFile(dir.filePath(file), picture))
                return {};
            line += file.toUtf8();
        }
        out.write(line + "\r\n");
    }
    return out.flush() ? csv : QString();
}

struct Measure {
    int status = -1;
    double seconds = 0;
    long peakKb = 0;
};

// Runs the command as a child process and reads its wall time and peak resident memory.
Measure runChild(const QString& program, const QStringList& args) {
    std::vector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString& a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    QElapsedTimer t;
    t.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    Measure m;
    int status = 0;
    struct rusage usage {};
    if (pid > 0 && ::wait4(pid, &status, 0, &usage) == pid) {
        m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        m.seconds = double(t.nsecsElapsed()) / 1e9;
        m.peakKb = usage.ru_maxrss;
    }
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QDir work(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path());
    const QString importer = QStringLiteral(KBS_IMPORT_EXE);
    struct Case {
        const char* name;
        long records;
        qsizetype pictureBytes;
    };
    const Case cases[] = {{"text100000", 100000, 0},
                          {"pictures1000", 1000, 300 * 1024},
                          {"pictures10000", 10000, 300 * 1024}};
    std::printf("| import of | records | pictures | wall time | peak memory (child) |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        const QString csv = writeCsv(work, name, c.records, c.pictureBytes);
        if (csv.isEmpty()) {
            std::fprintf(stderr, "cannot write the CSV file %s in %s\n", c.name,
                         qPrintable(work.path()));
            return 1;
        }
        const QString target = work.filePath(name + QStringLiteral(".mdb"));
        QFile::remove(target);
        const Measure m = runChild(importer, {csv, target});
        if (m.status != 0) {
            std::fprintf(stderr, "kbsmgr-import failed on %s (%d)\n", c.name, m.status);
            return 1;
        }
        std::printf("| %s | %ld | %s | %.2f s | %.1f MB |\n", c.name, c.records,
                    c.pictureBytes ? "300 KB each" : "none", m.seconds, double(m.peakKb) / 1024);
        std::fflush(stdout);
        QFile::remove(target);
        QDir(work.filePath(name + QStringLiteral("_pictures"))).removeRecursively();
        QFile::remove(csv);
    }
    return 0;
}
