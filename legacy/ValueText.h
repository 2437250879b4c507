#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The text forms that values of the older program's catalogue take in the new catalogue.
// See README.md in this folder for the rules and the reasons.
namespace kbs::legacy::text {

// A currency value, stored as a count of ten-thousandths: plain decimal with '.', no
// thousands separators, no trailing zeros ("1.25", "150", "-3.1416", "0").
std::string currency(std::int64_t tenThousandths);

// A double in the shortest decimal form that reads back as the same value: fixed notation
// for 1e-6 <= |v| < 1e15 and for 0 ("20.5", "0", "100000"), exponent form outside
// ("1e+20"). Not-a-number and infinities read "NaN", "Infinity", "-Infinity".
std::string real(double v);
// The same for a single-precision value, with the digits that single precision holds.
std::string single(float v);

// A date/time value (days since 1899-12-30, the fraction being the time of day) as
// "YYYY-MM-DD" when its time is midnight and "YYYY-MM-DD HH:MM:SS" otherwise, rounded to the
// second. Nothing for values outside 0100-01-01 .. 9999-12-31 or not a number.
std::optional<std::string> dateTime(double days);

// Text as a Jet 4 / ACE file stores it: UTF-16 little-endian, or in the compressed form
// (FF FE, then runs of one-byte characters and of two-byte characters, a 00 byte switching
// between them). Returns UTF-8; nothing when the bytes cannot be such a text.
std::optional<std::string> jet4Text(const unsigned char* data, std::size_t size);

// A replication ID (GUID) of 16 bytes in its usual form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
std::string guid(const unsigned char* data);

}  // namespace kbs::legacy::text
