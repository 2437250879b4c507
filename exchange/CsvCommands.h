#pragma once

#include <QString>
#include <csignal>

#include "CsvImport.h"
#include "Headings.h"
#include "SharedPage.h"

namespace kbs::exchange {

// The commands' exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// kbsmgr-import IN.csv NEW.mdb: builds the new catalogue and tells on standard output and
// standard error what became of every row (see app/import_main.cpp). sourceArg is the source
// as it was given on the command line.
int runCsvImport(const char* sourceArg, const QString& source, const QString& target,
                 const ImportOptions& options);

// kbsmgr-import --list-headings: every heading a CSV file's column may have, a line a column.
int listHeadings(const Headings& headings);

enum class ExportFormat { Csv, Xlsx, Tellico };

// kbsmgr-export: writes the CSV file and its pictures, the .xlsx workbook or the Tellico file
// and tells how many (see app/export_main.cpp). The export stops, removing what it wrote, once
// *stop is set.
// `pictureTrees`: where besides the catalogue's folder linked pictures may be read from.
int runExport(ExportFormat format, const QString& catalogue, const QString& out,
              const Headings& headings, const volatile std::sig_atomic_t* stop,
              const QStringList& pictureTrees = {});

// kbsmgr-export --html: the web page the options describe.
int runHtmlExport(const QString& catalogue, const QString& out, const Headings& headings,
                  const ShareOptions& options, const volatile std::sig_atomic_t* stop);

// kbsmgr-import COLLECTION.tc NEW.mdb.
int runTellicoImport(const QString& source, const QString& target, const Headings& headings,
                     const QStringList& pictureTrees = {});

}  // namespace kbs::exchange
