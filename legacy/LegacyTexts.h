#pragma once

#include <QString>

// The texts of the start-up conversion of an older program's catalogue, in one place.
namespace kbs::legacy::texts {

inline const QString Title = QStringLiteral("Kerbside Manager");
inline const QString Progress = QStringLiteral(
    "Converting the catalogue of the older Windows version of Kerbside "
    "Manager...");
inline const QString CancelButton = QStringLiteral("Cancel");

// %1 the catalogue, %2 the records converted ("1 record was" / "N records were"),
// %3 where the original now is.
inline const QString Converted = QStringLiteral(
    "The catalogue %1 was made by the older Windows version of Kerbside Manager and has been "
    "converted for this version: %2 converted.\r\n\r\n"
    "The original file is kept, unchanged, as %3.");
inline const QString OneRecord = QStringLiteral("1 record was");
inline const QString ManyRecords = QStringLiteral("%1 records were");

// %1 the catalogue, %2 what went wrong.
inline const QString Failed = QStringLiteral(
    "The catalogue %1 was made by the older Windows version of Kerbside Manager and could not "
    "be converted:\r\n\r\n%2\r\n\r\nThe file has not been changed.");
// %1 the catalogue.
inline const QString Cancelled = QStringLiteral(
    "The conversion of the catalogue %1 was cancelled.\r\n\r\nThe file has not been changed.");

}  // namespace kbs::legacy::texts
