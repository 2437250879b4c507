#include "TypedDate.h"

#include <array>
#include <charconv>

namespace kbs {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && blank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && blank(t.back()))
        t.remove_suffix(1);
    return t;
}

namespace {

int yearOf(int number, size_t digits) {
    if (digits == 2)
        return number < 50 ? 2000 + number : 1900 + number;
    return digits == 4 ? number : 0;
}

// The numbers of a text and how many digits each had; false for anything but digits between
// single separators ("-", "/", ".").
bool numbersOf(std::string_view t, std::array<int, 3>& numbers, std::array<size_t, 3>& digits,
               int& count, char& separator) {
    count = 0;
    separator = 0;
    while (!t.empty()) {
        if (count == 3)
            return false;
        size_t n = 0;
        while (n < t.size() && t[n] >= '0' && t[n] <= '9')
            ++n;
        if (n == 0 || n > 4)
            return false;
        std::from_chars(t.data(), t.data() + n, numbers[size_t(count)]);
        digits[size_t(count++)] = n;
        t.remove_prefix(n);
        if (t.empty())
            break;
        if (t.front() != '-' && t.front() != '/' && t.front() != '.')
            return false;
        if (separator && t.front() != separator)
            return false;
        separator = t.front();
        t.remove_prefix(1);
        if (t.empty())
            return false;
    }
    return count > 0;
}

}  // namespace

QDate readTypedDate(std::string_view text, bool dayFirst) {
    std::array<int, 3> n{};
    std::array<size_t, 3> d{};
    int count = 0;
    char separator = 0;
    if (!numbersOf(trimBlanks(text), n, d, count, separator))
        return {};
    auto valid = [](int y, int m, int day) { return y > 0 ? QDate(y, m, day) : QDate(); };
    if (count == 1)
        return d[0] == 4 ? valid(n[0], 1, 1) : QDate();
    if (count == 2) {
        if (d[0] == 4)
            return valid(n[0], n[1], 1);            // 1998-03
        return valid(yearOf(n[1], d[1]), n[0], 1);  // 3/1998
    }
    if (d[0] == 4)
        return valid(n[0], n[1], n[2]);
    const int year = yearOf(n[2], d[2]);
    bool day0 = dayFirst || separator == '.';  // "12.3.1998" puts the day first everywhere
    if (n[0] > 12 && n[1] <= 12)
        day0 = true;
    else if (n[1] > 12 && n[0] <= 12)
        day0 = false;
    return day0 ? valid(year, n[1], n[0]) : valid(year, n[0], n[1]);
}

}  // namespace kbs
