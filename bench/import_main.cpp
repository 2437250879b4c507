// kbsmgr-import-bench: how long converting a catalogue of the older program takes.
//
//   kbsmgr-import-bench FIXTURE_DIR [CONVERTER]
//
// mdbtools cannot write Jet files, so a large old catalogue cannot be made here. The figure is
// put together from what can be measured:
//   1. converting the fixture catalogues in this process, per file (the fixed cost), and the
//      read side alone, per record;
//   2. the write side alone for 2,000 records with small pictures (10 KB each);
//   3. the whole child-process run of kbsmgr-import on a fixture, i.e. the fixed cost of
//      starting the converter (when CONVERTER is given).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "CatalogueWriter.h"
#include "Collection.h"
#include "Conversion.h"
#include "ImportProcess.h"
#include "JetReader.h"

using namespace kbs;
using namespace kbs::legacy;

namespace {

double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

std::vector<SourceValue> syntheticRecord(long id, const std::string& picture) {
    std::vector<SourceValue> row;
    for (const auto& c : collection::columns) {
        switch (c.kind) {
            case collection::Kind::Id:
                row.push_back(SourceValue::ofInteger(id));
                break;
            case collection::Kind::Binary:
                row.push_back(SourceValue::ofBlob(picture));
                break;
            case collection::Kind::Any:
                row.push_back(SourceValue::ofReal(20.5, "20.5"));
                break;
            case collection::Kind::Notes:
                row.push_back(SourceValue::ofText(std::string(400, 'n')));
                break;
            default:
                row.push_back(SourceValue::ofText(std::string(c.name) + " " + std::to_string(id)));
        }
    }
    return row;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kbsmgr-import-bench FIXTURE_DIR [CONVERTER]\n");
        return 2;
    }
    const QDir fixtures(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;

    // 1. Reading and converting the fixtures, in this process.
    constexpr int kRounds = 200;
    for (const char* name : {"fixture.mdb", "fixture_edge.mdb"}) {
        const QString source = fixtures.filePath(QString::fromLatin1(name));
        long records = 0;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kRounds; ++i) {
            const QString target = work.filePath(QStringLiteral("r%1.db").arg(i));
            records = convertLegacyFile(source, target).records;
            QFile::remove(target);
        }
        const double ms = msSince(t) / kRounds;
        std::printf("convert %-17s %ld records, in this process: %.3f ms per file\n", name, records,
                    ms);
    }

    // 1b. The read side alone: opening the file, then reading its records.
    double readMsPerRecord = 0;
    {
        const QString source = fixtures.filePath(QStringLiteral("fixture.mdb"));
        double openMs = 0, readMs = 0;
        long records = 0;
        std::vector<SourceValue> values;
        for (int i = 0; i < kRounds; ++i) {
            QElapsedTimer t;
            t.start();
            JetReader reader(source);
            openMs += msSince(t);
            t.restart();
            while (reader.next(values))
                ++records;
            readMs += msSince(t);
        }
        readMsPerRecord = readMs / double(records);
        std::printf(
            "read fixture.mdb: open %.3f ms, %.4f ms per record (pictures of 250 and "
            "10,000 bytes, 2.7 KB of notes)\n",
            openMs / kRounds, readMsPerRecord);
    }

    // 2. The write side alone: 2,000 records with 10 KB pictures.
    {
        std::string picture(10 * 1024, '\0');
        for (size_t i = 0; i < picture.size(); ++i)
            picture[i] = char((i * 31 + 7) & 0xFF);
        const QString target = work.filePath(QStringLiteral("write2000.db"));
        QElapsedTimer t;
        t.start();
        CatalogueWriter writer(target);
        std::vector<std::string> names;
        for (const auto& c : collection::columns)
            names.emplace_back(c.name);
        writer.setSourceColumns(names);
        for (long id = 1; id <= 2000; ++id)
            writer.addRecord(syntheticRecord(id, picture));
        writer.finish(std::nullopt);
        const double writeMs = msSince(t);
        std::printf("write 2000 records with 10 KB pictures: %.1f ms (%.3f ms per 1,000)\n",
                    writeMs, writeMs / 2.0);
        std::printf(
            "estimate for 2,000 records with small pictures: %.0f ms (read) + %.0f ms "
            "(write) + the fixed cost of a run (below)\n",
            2000 * readMsPerRecord, writeMs);
    }

    // 3. The converter as a child process, start to end.
    if (argc >= 3) {
        const QString converter = QString::fromLocal8Bit(argv[2]);
        constexpr int kRuns = 10;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kRuns; ++i) {
            const QString target = work.filePath(QStringLiteral("child%1.db").arg(i));
            const auto outcome =
                ImportProcess::run(converter, fixtures.filePath(QStringLiteral("fixture.mdb")),
                                   target, defaultImportLimits(1 << 20));
            if (outcome.status != ImportOutcome::Status::Converted) {
                std::fprintf(stderr, "child run failed: %s\n", qPrintable(outcome.error));
                return 1;
            }
        }
        std::printf("kbsmgr-import child run on fixture.mdb: %.1f ms per run\n",
                    msSince(t) / kRuns);
    }
    return 0;
}
