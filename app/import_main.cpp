// kbsmgr-import: converts a catalogue of the older Windows program, a Tellico collection or a
// CSV file into a new catalogue.
//
//   kbsmgr-import [--time-limit=SECONDS] [--memory-limit=BYTES] [--] OLD.mdb NEW.mdb
//   kbsmgr-import [--skip-bad-rows] [--skip-unknown | --own-fields] [--keep-sum-rows]
//                 [--pictures-from DIR] [--encoding=windows-1252] [--] IN.csv NEW.mdb
//   kbsmgr-import --list-headings
//   kbsmgr-import --values PRICES.csv CATALOGUE.mdb
//   kbsmgr-import [--pictures-from DIR] [--] COLLECTION.tc NEW.mdb
//
// A source with the header of a Jet or ACE database, or named *.mdb or *.accdb, is an old
// catalogue; a file named *.tc, a zip or Tellico's XML is a Tellico collection (see
// exchange/Tellico.h; its left-over fields are told as "note: TEXT" lines, then "imported N
// records, M pictures"); anything else is read as a CSV file (see exchange/CsvImport.h). This file
// reads the arguments; exchange/CsvCommands and legacy/ConvertCommand do the work. A CSV file is
// read in this process: only libmdb needs the child with its limits. Every row is checked; each
// problem is one line "kbsmgr-import: IN.csv line N: REASON." on standard error, and nothing
// is written unless every row is sound. --skip-bad-rows writes the sound rows and lists the
// others. Picture files come from the source's folder tree, and DIR's with --pictures-from
// (exchange/PictureSource.h). The file
// must be UTF-8 unless --encoding=windows-1252 says it is not. Standard output: "note: TEXT"
// lines, then "imported N records" (", skipped M rows"). --skip-unknown leaves out the columns
// whose heading names no column, and names them in a note; --own-fields makes them fields of
// the collector's own instead; rows without text are skipped and
// rows that look like a spreadsheet's sum ("Total" and amounts) left out, each told in a note,
// unless --keep-sum-rows. --list-headings prints the headings taken for each column.
//
// --values adds the valuations of a price guide to an existing catalogue (exchange/PriceGuide.h):
// one line a row, "matched: ", "not matched: " or "ambiguous: " and the row, then "added N
// valuations, M already there"; a file with a row that cannot be read is refused, naming its
// line, and nothing is stored.
//
// At start the scratch files that killed runs for the same NEW.mdb left are removed.
//
// OLD.mdb is only read. NEW.mdb must not exist; it appears only when every record was read,
// written and checked. libmdb can crash, loop or exhaust memory on a damaged file, so the
// reading always happens in a child process with a time and an address-space limit (by
// default from the file's size): run by hand, this command starts itself as that child and
// reports whatever ends it; the program starts the child directly ("--child"), with the same
// limits, so that a damaged file cannot hang or exhaust it either.
//
// Standard output: "progress DONE TOTAL" lines, "note: TEXT" lines, then "converted N records".
// The notes and messages are in the program's language (--lang=xx, which the program gives its
// child, else the settings file's, else the system's); the progress and last lines, which
// scripts read, are always English.
// Standard error: on failure one line "kbsmgr-import: MESSAGE", which names the file and what
// went wrong, after at most a few kilobytes of libmdb's own warnings.
// Exit status: 0 converted, 1 not converted (nothing written), 2 wrong arguments; the child
// alone also uses 3, time limit reached.
#include <strings.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ColumnHeadings.h"
#include "ConvertCommand.h"
#include "CsvCommands.h"
#include "Language.h"
#include "PriceGuide.h"
#include "SafeFile.h"
#include "Tellico.h"

namespace {

using kbs::exchange::kExitUsage;

int usage() {
    std::fprintf(stderr,
                 "usage: kbsmgr-import [--time-limit=SECONDS] [--memory-limit=BYTES] [--] "
                 "OLD.mdb NEW.mdb\n"
                 "       kbsmgr-import [--skip-bad-rows] [--skip-unknown | --own-fields] "
                 "[--keep-sum-rows] [--pictures-from DIR] [--encoding=windows-1252] [--] IN.csv "
                 "NEW.mdb\n"
                 "       kbsmgr-import [--] COLLECTION.tc NEW.mdb\n"
                 "       kbsmgr-import --list-headings\n"
                 "       kbsmgr-import --values PRICES.csv CATALOGUE.mdb\n");
    return kExitUsage;
}

bool numberAfter(const char* arg, const char* option, long long& out) {
    const size_t n = std::strlen(option);
    if (std::strncmp(arg, option, n) != 0)
        return false;
    char* end = nullptr;
    out = std::strtoll(arg + n, &end, 10);
    return end && *end == '\0' && end != arg + n && out > 0;
}

}  // namespace

int main(int argc, char** argv) {
    long long seconds = 0;
    long long memory = 0;
    bool child = false;
    const char* language = nullptr;
    kbs::exchange::ImportOptions csvOptions;
    bool csvOnly = false;
    bool valuesOnly = false;
    const char* paths[2] = {nullptr, nullptr};
    int pathCount = 0;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (options && std::strcmp(arg, "--") == 0) {
            options = false;  // what follows are paths, even when they start with '-'
        } else if (!options) {
            if (pathCount == 2)
                return usage();
            paths[pathCount++] = arg;
        } else if (std::strcmp(arg, "--child") == 0) {
            child = true;
        } else if (std::strncmp(arg, "--lang=", 7) == 0) {
            language = arg + 7;
        } else if (std::strcmp(arg, "--skip-bad-rows") == 0) {
            csvOptions.skipBadRows = csvOnly = true;
        } else if (std::strcmp(arg, "--skip-unknown") == 0) {
            csvOptions.skipUnknown = csvOnly = true;
        } else if (std::strcmp(arg, "--own-fields") == 0) {
            csvOptions.ownUnknown = csvOnly = true;
        } else if (std::strcmp(arg, "--keep-sum-rows") == 0) {
            csvOptions.keepSumRows = csvOnly = true;
        } else if (std::strcmp(arg, "--values") == 0) {
            valuesOnly = true;
        } else if (std::strcmp(arg, "--list-headings") == 0) {
            if (argc != 2)
                return usage();
            return kbs::exchange::listHeadings(kbs::exchange::columnHeadings());
        } else if (std::strcmp(arg, "--pictures-from") == 0) {
            if (++i == argc)
                return usage();
            csvOptions.picturesFrom = QFile::decodeName(argv[i]);
        } else if (std::strncmp(arg, "--encoding=", 11) == 0) {
            if (strcasecmp(arg + 11, "windows-1252") == 0 || strcasecmp(arg + 11, "cp1252") == 0)
                csvOptions.encoding = kbs::TextEncoding::Windows1252;
            else if (strcasecmp(arg + 11, "utf-8") == 0 || strcasecmp(arg + 11, "utf8") == 0)
                csvOptions.encoding = kbs::TextEncoding::Utf8;
            else
                return usage();
            csvOnly = true;
        } else if (std::strncmp(arg, "--time-limit=", 13) == 0) {
            if (!numberAfter(arg, "--time-limit=", seconds))
                return usage();
        } else if (std::strncmp(arg, "--memory-limit=", 15) == 0) {
            if (!numberAfter(arg, "--memory-limit=", memory))
                return usage();
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return usage();
        } else if (pathCount < 2) {
            paths[pathCount++] = arg;
        } else {
            return usage();
        }
    }
    if (pathCount != 2)
        return usage();
    QCoreApplication app(argc, argv);
    kbs::language::install(
        kbs::language::requested(language ? QStringList{QString(), QStringLiteral("--lang"),
                                                        QString::fromLocal8Bit(language)}
                                          : QStringList()),
        kbs::language::folders(QCoreApplication::applicationDirPath()));

    const QString source = QString::fromLocal8Bit(paths[0]);
    const QString target = QString::fromLocal8Bit(paths[1]);
    if (valuesOnly) {
        if (child || csvOnly || seconds || memory || !csvOptions.picturesFrom.isEmpty())
            return usage();
        return kbs::exchange::runValuesImport(source, target, kbs::exchange::columnHeadings());
    }
    kbs::safefile::removeLeftovers(target);
    // The program's own start-up conversion ("--child") is always of an old catalogue.
    if (!child && !csvOnly && kbs::exchange::isTellicoSource(source))
        return kbs::exchange::runTellicoImport(source, target, kbs::exchange::columnHeadings(),
                                               csvOptions.picturesFrom.isEmpty()
                                                   ? QStringList()
                                                   : QStringList{csvOptions.picturesFrom});
    csvOptions.headings = kbs::exchange::columnHeadings();
    if (!child && kbs::exchange::isCsvSource(source))
        return kbs::exchange::runCsvImport(paths[0], source, target, csvOptions);
    if (csvOnly || !csvOptions.picturesFrom.isEmpty()) {
        std::fprintf(stderr,
                     "kbsmgr-import: --skip-bad-rows, --skip-unknown, --own-fields, "
                     "--keep-sum-rows and --encoding are for CSV files only, --pictures-from for "
                     "CSV and Tellico "
                     "files.\n");
        return kExitUsage;
    }
    const kbs::legacy::ImportLimits defaults =
        kbs::legacy::defaultImportLimits(QFileInfo(source).size());
    const kbs::legacy::ImportLimits limits{seconds == 0 ? defaults.seconds : int(seconds),
                                           memory == 0 ? defaults.memoryBytes : memory};
    if (!child)
        return kbs::legacy::superviseConversion(argc, argv, source, target, limits);
    return kbs::legacy::convertAsChild(paths[0], source, target, limits);
}
