// kbsmgr-export: writes the records of a catalogue to a CSV file, with their embedded pictures
// as files in a folder beside it.
//
//   kbsmgr-export [--] CATALOGUE.mdb OUT.csv
//
// The catalogue is only read, and may be open in the program meanwhile. OUT.csv and
// OUT_pictures must not exist; they appear only when every record was written.
//
// Standard output: "note: TEXT" lines, then "exported N records, M pictures".
// Standard error: on failure one line "kbsmgr-export: MESSAGE", naming the file and the cause.
// Exit status: 0 exported, 1 not exported (nothing written), 2 wrong arguments. Interrupted
// (Ctrl+C, SIGTERM, SIGHUP), it stops within a few records and removes what it wrote.
#include <QFile>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "CsvCommands.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

extern "C" void onStop(int) {
    g_stop = 1;
}

int usage() {
    std::fprintf(stderr, "usage: kbsmgr-export [--] CATALOGUE.mdb OUT.csv\n");
    return kbs::exchange::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const char* paths[2] = {nullptr, nullptr};
    int pathCount = 0;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (options && std::strcmp(arg, "--") == 0)
            options = false;  // what follows are paths, even when they start with '-'
        else if (options && arg[0] == '-' && arg[1] != '\0')
            return usage();
        else if (pathCount < 2 && arg[0] != '\0')
            paths[pathCount++] = arg;
        else
            return usage();
    }
    if (pathCount != 2)
        return usage();
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = onStop;
        ::sigaction(sig, &action, nullptr);
    }
    return kbs::exchange::runCsvExport(QFile::decodeName(paths[0]), QFile::decodeName(paths[1]),
                                       &g_stop);
}
