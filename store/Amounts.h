#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

// Reading the amounts and quantities that collectors type into text columns, and adding them
// up exactly.
namespace kbs::amounts {

// Amounts are counted in ten-thousandths of the currency's unit, so that four decimals add up
// exactly.
inline constexpr std::int64_t UnitsPerWhole = 10000;

// A value read from a column: nothing there (Null, empty, blanks), a number, or a text that
// cannot be read as one.
struct Reading {
    enum class Kind { None, Number, Unreadable };
    Kind kind = Kind::None;
    std::int64_t number = 0;  // ten-thousandths for an amount, the count for a quantity
};

// An amount as typed (UTF-8), read leniently:
// - blanks around it, and a currency sign ($, £, €, ¥) or a three-letter code (EUR, USD, ...)
//   before or after it; a minus sign before it;
// - thousands separators: comma, point, apostrophe or space, in groups of three digits;
// - a decimal point or comma with one to four decimals. When both a point and a comma occur,
//   the last one is the decimal separator. A lone point or comma followed by exactly three
//   digits after one to three leading digits ("1,234", "1.234") separates thousands; any other
//   lone point or comma ("12,5", "0.125", "1234.567") is the decimal separator.
// Anything else, and an amount beyond the counting range, is unreadable.
Reading readAmount(std::string_view text);
// A quantity: a whole number, possibly negative, with blanks around it.
Reading readQuantity(std::string_view text);
// Stored numbers, which the engine gives as numbers rather than text.
Reading amountOfInteger(std::int64_t value);
Reading amountOfReal(double value);
Reading quantityOfReal(double value);

// A sum that notices when it no longer fits.
struct Sum {
    std::int64_t total = 0;
    bool overflow = false;
    void add(std::int64_t n) {
        if (!overflow && __builtin_add_overflow(total, n, &total))
            overflow = true;
    }
    void add(const Sum& s) {
        if (s.overflow)
            overflow = true;
        else
            add(s.total);
    }
};

// "1,234.50": thousands separated by commas, two decimals, or four when the hundredths do not
// say it all. An overflowed sum prints as "too large".
QString formatAmount(const Sum& sum);
// "12,345".
QString formatCount(const Sum& sum);

}  // namespace kbs::amounts
