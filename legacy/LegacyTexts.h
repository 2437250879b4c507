#pragma once

#include <QString>

#include "Text.h"

// The texts of the start-up conversion of an older program's catalogue, in one place.
namespace kbs::legacy::texts {

inline constexpr Text<"kbs::legacy::texts"> Title{
    QT_TRANSLATE_NOOP("kbs::legacy::texts", "Kerbside Manager")};
inline constexpr Text<"kbs::legacy::texts"> Progress{
    QT_TRANSLATE_NOOP("kbs::legacy::texts",
                      "Converting the catalogue of the older Windows version of Kerbside "
                      "Manager...")};
inline constexpr Text<"kbs::legacy::texts"> CancelButton{
    QT_TRANSLATE_NOOP("kbs::legacy::texts", "Cancel")};

// %1 the catalogue, %2 the records converted ("1 record was" / "N records were"),
// %3 where the original now is.
inline constexpr Text<"kbs::legacy::texts"> Converted{QT_TRANSLATE_NOOP(
    "kbs::legacy::texts",
    "The catalogue %1 was made by the older Windows version of Kerbside Manager and has been "
    "converted for this version: %2 converted.\r\n\r\n"
    "The original file is kept, unchanged, as %3.")};
inline constexpr Text<"kbs::legacy::texts"> OneRecord{
    QT_TRANSLATE_NOOP("kbs::legacy::texts", "1 record was")};
inline constexpr Text<"kbs::legacy::texts"> ManyRecords{
    QT_TRANSLATE_NOOP("kbs::legacy::texts", "%1 records were")};

// %1 the catalogue, %2 what went wrong.
inline constexpr Text<"kbs::legacy::texts"> Failed{QT_TRANSLATE_NOOP(
    "kbs::legacy::texts",
    "The catalogue %1 was made by the older Windows version of Kerbside Manager and could not "
    "be converted:\r\n\r\n%2\r\n\r\nThe file has not been changed.")};
// %1 the catalogue.
inline constexpr Text<"kbs::legacy::texts"> Cancelled{QT_TRANSLATE_NOOP(
    "kbs::legacy::texts",
    "The conversion of the catalogue %1 was cancelled.\r\n\r\nThe file has not been changed.")};

}  // namespace kbs::legacy::texts
