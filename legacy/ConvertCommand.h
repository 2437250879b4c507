#pragma once

#include <QString>

#include "ImportProcess.h"

namespace kbs::legacy {

// kbsmgr-import OLD.mdb NEW.mdb, run by hand: runs the command again as its own child
// ("--child") with the limits and tells on standard output and standard error what ended it
// (see app/import_main.cpp). Returns the exit status.
int superviseConversion(int argc, char** argv, const QString& source, const QString& target,
                        const ImportLimits& limits);

// kbsmgr-import --child OLD.mdb NEW.mdb: converts in this process under the limits, printing
// progress, notes and the result. sourceArg is the source as it was given on the command line.
// Returns the exit status: 0 converted, 1 not converted; the time limit ends the process
// with 3.
int convertAsChild(const char* sourceArg, const QString& source, const QString& target,
                   const ImportLimits& limits);

}  // namespace kbs::legacy
