// kbsmgr-import-bench: how long converting a catalogue of the older program takes.
//
//   kbsmgr-import-bench FIXTURE_DIR [CONVERTER]
//
// mdbtools cannot write Jet files, so a large old catalogue cannot be made here. The figure is
// put together from what can be measured:
//   1. reading and converting the fixture catalogues in this process, per record;
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

using namespace kbs;
using namespace kbs::legacy;

namespace {

double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

std::vector<LegacyValue> syntheticRecord(long id, const std::string& picture) {
    std::vector<LegacyValue> row;
    for (const auto& c : collection::columns) {
        switch (c.kind) {
            case collection::Kind::Id:
                row.push_back(LegacyValue::ofInteger(id));
                break;
            case collection::Kind::Binary:
                row.push_back(LegacyValue::ofBlob(picture));
                break;
            case collection::Kind::Any:
                row.push_back(LegacyValue::ofReal(20.5, "20.5"));
                break;
            case collection::Kind::Notes:
                row.push_back(LegacyValue::ofText(std::string(400, 'n')));
                break;
            default:
                row.push_back(LegacyValue::ofText(std::string(c.name) + " " + std::to_string(id)));
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
        std::printf("convert %-17s %ld records: %.3f ms per file, %.3f ms per record\n", name,
                    records, ms, ms / double(records));
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
        std::printf("write 2000 records with 10 KB pictures: %.1f ms (%.3f ms per 1,000)\n",
                    msSince(t), msSince(t) / 2.0);
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
