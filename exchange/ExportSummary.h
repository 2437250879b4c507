#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kbs::exchange {

// What an export (CSV, spreadsheet or Tellico) wrote.
struct ExportSummary {
    long records = 0;
    long pictures = 0;  // embedded pictures written into the picture folder
    long skipped = 0;   // records deleted (or IDs not found) while the export ran
    QStringList notes;  // what the collector should know about the file written
};

// Called now and then with the records written and the records to write, while the catalogue
// is not locked; returning false stops the export, which then leaves nothing behind and
// throws AppError with err::CancelSelected.
using ExportProgressFn = std::function<bool(long done, long total)>;

}  // namespace kbs::exchange
