// kbsmgr-export: writes the records of a catalogue to a CSV file, with their embedded pictures
// as files in a folder beside it; to an .xlsx workbook; or to a Tellico collection file.
//
//   kbsmgr-export [--] CATALOGUE.mdb OUT.csv
//   kbsmgr-export [--pictures-from DIR] --xlsx OUT.xlsx [--] CATALOGUE.mdb
//   kbsmgr-export [--pictures-from DIR] --tellico OUT.tc [--] CATALOGUE.mdb
//   kbsmgr-export [--pictures-from DIR] --html OUT.html [--list want|sell|missing|all]
//                 [--checklist NAME]... [--fields KEY,KEY,...] [--picture-size PIXELS]
//                 [--title TEXT] [--note TEXT] [--] CATALOGUE.mdb
//
// --html writes one web page that needs nothing else (exchange/SharedPage.h): the want list
// (the default), the models for sale, the missing entries of the checklists named (of every
// checklist without --checklist), or every record; --fields chooses what is shown (see the
// README), --picture-size makes the collection page with each record's main picture.
//
// A linked picture's file is read (for the .xlsx thumbnail) only from the catalogue's folder
// tree and DIR's (exchange/PictureSource.h); the Tellico file keeps it as a link.
//
// The catalogue is only read, and may be open in the program meanwhile. The files written
// (OUT.csv and OUT_pictures, OUT.xlsx, OUT.tc) must not exist; they appear only when every
// record was written.
//
// Standard output: "note: TEXT" lines, then "exported N records, M pictures". The notes and
// messages are in the program's language (the settings file's, else the system's).
// Standard error: on failure one line "kbsmgr-export: MESSAGE", naming the file and the cause.
// Exit status: 0 exported, 1 not exported (nothing written), 2 wrong arguments. Interrupted
// (Ctrl+C, SIGTERM, SIGHUP), it stops within a few records and removes what it wrote.
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ColumnHeadings.h"
#include "CsvCommands.h"
#include "Language.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

extern "C" void onStop(int) {
    g_stop = 1;
}

int usage() {
    std::fprintf(stderr,
                 "usage: kbsmgr-export [--] CATALOGUE.mdb OUT.csv\n"
                 "       kbsmgr-export [--pictures-from DIR] --xlsx OUT.xlsx [--] CATALOGUE.mdb\n"
                 "       kbsmgr-export [--pictures-from DIR] --tellico OUT.tc [--] "
                 "CATALOGUE.mdb\n"
                 "       kbsmgr-export [--pictures-from DIR] --html OUT.html "
                 "[--list want|sell|missing|all]\n"
                 "                     [--checklist NAME]... [--fields KEY,KEY,...] "
                 "[--picture-size PIXELS]\n"
                 "                     [--title TEXT] [--note TEXT] [--] CATALOGUE.mdb\n");
    return kbs::exchange::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    using kbs::exchange::ExportFormat;
    std::vector<const char*> paths;
    const char* written = nullptr;  // --xlsx's or --tellico's file
    bool options = true;
    ExportFormat format = ExportFormat::Csv;
    QStringList pictureTrees;
    bool html = false;
    bool pageOptions = false;  // options only --html takes
    kbs::exchange::ShareOptions page;
    const auto is = [](const char* arg, const char* option) {
        return std::strcmp(arg, option) == 0;
    };
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool xlsx = is(arg, "--xlsx");
        if (options && is(arg, "--")) {
            options = false;  // what follows are paths, even when they start with '-'
        } else if (options && (xlsx || is(arg, "--tellico") || is(arg, "--html"))) {
            if (written || ++i == argc || argv[i][0] == '\0')
                return usage();
            html = is(arg, "--html");
            format = xlsx ? ExportFormat::Xlsx : ExportFormat::Tellico;
            written = argv[i];
        } else if (options &&
                   (is(arg, "--list") || is(arg, "--checklist") || is(arg, "--fields") ||
                    is(arg, "--picture-size") || is(arg, "--title") || is(arg, "--note"))) {
            if (++i == argc)
                return usage();
            pageOptions = true;
            const QString value = QString::fromLocal8Bit(argv[i]);
            if (is(arg, "--list")) {
                const QStringList lists{"want", "sell", "missing", "all"};
                if (!lists.contains(value))
                    return usage();
                page.list =
                    std::array{kbs::exchange::ShareList::Want, kbs::exchange::ShareList::Sell,
                               kbs::exchange::ShareList::Missing,
                               kbs::exchange::ShareList::All}[size_t(lists.indexOf(value))];
            } else if (is(arg, "--checklist")) {
                page.checklistNames << value;
            } else if (is(arg, "--fields")) {
                page.fields = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
                if (page.fields.isEmpty())
                    return usage();
            } else if (is(arg, "--picture-size")) {
                bool ok = false;
                page.pictureSide = value.toInt(&ok);
                if (!ok || page.pictureSide < kbs::exchange::MinPictureSide ||
                    page.pictureSide > kbs::exchange::MaxPictureSide)
                    return usage();
            } else {
                (is(arg, "--title") ? page.title : page.note) = value;
            }
        } else if (options && std::strcmp(arg, "--pictures-from") == 0) {
            if (++i == argc || argv[i][0] == '\0')
                return usage();
            pictureTrees << QFile::decodeName(argv[i]);
        } else if ((options && arg[0] == '-' && arg[1] != '\0') || arg[0] == '\0') {
            return usage();
        } else {
            paths.push_back(arg);
        }
    }
    if (written)
        paths.push_back(written);
    if (paths.size() != 2 || (pageOptions && !html) ||
        (!page.checklistNames.isEmpty() && page.list != kbs::exchange::ShareList::Missing))
        return usage();
    QCoreApplication app(argc, argv);
    kbs::language::install(kbs::language::requested({}),
                           kbs::language::folders(QCoreApplication::applicationDirPath()));
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = onStop;
        ::sigaction(sig, &action, nullptr);
    }
    if (html) {
        page.pictureTrees = pictureTrees;
        return kbs::exchange::runHtmlExport(QFile::decodeName(paths[0]),
                                            QFile::decodeName(paths[1]),
                                            kbs::exchange::columnHeadings(), page, &g_stop);
    }
    return kbs::exchange::runExport(format, QFile::decodeName(paths[0]),
                                    QFile::decodeName(paths[1]), kbs::exchange::columnHeadings(),
                                    &g_stop, pictureTrees);
}
