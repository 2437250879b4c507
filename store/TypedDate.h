#pragma once

#include <QDate>
#include <string_view>

namespace kbs {

// A date as collectors type it into a text column, read leniently: "1998-03-12", "1998/3/12",
// "12.3.1998" (day first), "12/3/1998" or "3/12/1998" (day and month told apart by a number
// above 12, else in the order of `dayFirst`), "3/1998", "1998-03" and "1998" (the first of the
// month or year); two-digit years are 1950 to 2049. An invalid date for anything else.
QDate readTypedDate(std::string_view text, bool dayFirst);
// The text without the blanks (spaces, tabs, line ends) around it.
std::string_view trimBlanks(std::string_view text);

}  // namespace kbs
