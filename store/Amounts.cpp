#include "Amounts.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

#include "Language.h"

namespace kbs::amounts {

namespace {

using Kind = Reading::Kind;

constexpr Reading kNone{Kind::None, 0};
constexpr Reading kUnreadable{Kind::Unreadable, 0};

// Blanks in UTF-8: space, tab, line ends, no-break space, narrow no-break space, thin space.
constexpr std::string_view kBlanks[] = {" ",        "\t",           "\r",          "\n",
                                        "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};
// Currency signs: dollar, pound, euro, yen.
constexpr std::string_view kSigns[] = {"$", "\xC2\xA3", "\xE2\x82\xAC", "\xC2\xA5"};

template <size_t N>
size_t prefixOf(std::string_view s, const std::string_view (&list)[N]) {
    for (std::string_view p : list) {
        if (s.starts_with(p))
            return p.size();
    }
    return 0;
}

template <size_t N>
size_t suffixOf(std::string_view s, const std::string_view (&list)[N]) {
    for (std::string_view p : list) {
        if (s.ends_with(p))
            return p.size();
    }
    return 0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool letters3(std::string_view s) {
    return s.size() == 3 && isLetter(s[0]) && isLetter(s[1]) && isLetter(s[2]);
}

void trimBlanks(std::string_view& s) {
    while (size_t n = prefixOf(s, kBlanks))
        s.remove_prefix(n);
    while (size_t n = suffixOf(s, kBlanks))
        s.remove_suffix(n);
}

// A currency sign or a three-letter code at the start or the end.
size_t currencyPrefix(std::string_view s) {
    if (size_t n = prefixOf(s, kSigns))
        return n;
    return letters3(s.substr(0, 3)) && (s.size() == 3 || !isLetter(s[3])) ? 3 : 0;
}

size_t currencySuffix(std::string_view s) {
    if (size_t n = suffixOf(s, kSigns))
        return n;
    return s.size() >= 3 && letters3(s.substr(s.size() - 3)) &&
                   (s.size() == 3 || !isLetter(s[s.size() - 4]))
               ? 3
               : 0;
}

bool appendDigits(std::int64_t& value, std::string_view digits) {
    for (char c : digits) {
        if (__builtin_mul_overflow(value, 10, &value) ||
            __builtin_add_overflow(value, c - '0', &value))
            return false;
    }
    return true;
}

// Digits with separators, after the currency and the sign are gone.
Reading readNumber(std::string_view s, bool negative) {
    constexpr size_t kMaxSeparators = 8;  // more groups than a 64-bit count holds
    std::array<std::string_view, kMaxSeparators + 1> groups;
    std::array<char, kMaxSeparators> seps{};  // ',', '.', '\'' or ' ' for any blank
    size_t nseps = 0;
    size_t i = 0;
    for (;;) {
        const size_t start = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        groups[nseps] = s.substr(start, i - start);
        if (i == s.size())
            break;
        if (nseps == kMaxSeparators)
            return kUnreadable;
        char sep = s[i];
        size_t len = 1;
        if (sep != ',' && sep != '.' && sep != '\'') {
            len = prefixOf(s.substr(i), kBlanks);
            if (len == 0)
                return kUnreadable;
            sep = ' ';
        }
        // Every group but the first (".5") holds digits.
        if (groups[nseps].empty() && (nseps > 0 || sep == ' ' || sep == '\''))
            return kUnreadable;
        seps[nseps++] = sep;
        i += len;
    }
    if (groups[nseps].empty())
        return kUnreadable;

    // Which separator, if any, is the decimal one.
    int points = 0, commas = 0;
    for (size_t k = 0; k < nseps; ++k) {
        points += seps[k] == '.';
        commas += seps[k] == ',';
    }
    int decimal = -1;
    if (nseps > 0 && (seps[nseps - 1] == '.' || seps[nseps - 1] == ',')) {
        const int sameKind = seps[nseps - 1] == '.' ? points : commas;
        if (points > 0 && commas > 0) {
            if (sameKind != 1)
                return kUnreadable;
            decimal = int(nseps - 1);
        } else if (sameKind == 1) {
            const bool thousandsLike = nseps == 1 && groups[1].size() == 3 && !groups[0].empty() &&
                                       groups[0].size() <= 3 && groups[0][0] != '0';
            if (!thousandsLike)
                decimal = int(nseps - 1);
        }
    }
    const size_t wholeGroups = decimal >= 0 ? size_t(decimal) + 1 : nseps + 1;
    // Thousands separators: all of one kind, the first group one to three digits, the others
    // three.
    for (size_t k = 0; k + 1 < wholeGroups; ++k) {
        if (seps[k] != seps[0])
            return kUnreadable;
    }
    if (wholeGroups > 1) {
        if (groups[0].empty() || groups[0].size() > 3)
            return kUnreadable;
        for (size_t k = 1; k < wholeGroups; ++k) {
            if (groups[k].size() != 3)
                return kUnreadable;
        }
    }
    std::string_view fraction;
    if (decimal >= 0) {
        fraction = groups[size_t(decimal) + 1];
        if (fraction.size() > 4)
            return kUnreadable;
    }

    std::int64_t whole = 0;
    for (size_t k = 0; k < wholeGroups; ++k) {
        if (!appendDigits(whole, groups[k]))
            return kUnreadable;
    }
    std::int64_t part = 0;
    appendDigits(part, fraction);
    for (size_t k = fraction.size(); k < 4; ++k)
        part *= 10;
    std::int64_t units = 0;
    if (__builtin_mul_overflow(whole, UnitsPerWhole, &units) ||
        __builtin_add_overflow(units, part, &units))
        return kUnreadable;
    return {Kind::Number, negative ? -units : units};
}

QString grouped(std::uint64_t n) {
    QString digits = QString::number(n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

QString tooLarge() {
    return QCoreApplication::translate("kbs::amounts", "too large");
}

std::uint64_t magnitude(std::int64_t n) {
    return n < 0 ? 0 - std::uint64_t(n) : std::uint64_t(n);
}

}  // namespace

Reading readAmount(std::string_view s) {
    trimBlanks(s);
    if (s.empty())
        return kNone;
    bool negative = false;
    bool currency = false;
    // A currency and a minus sign before the number, in either order.
    for (int k = 0; k < 2; ++k) {
        if (size_t n = currency ? 0 : currencyPrefix(s)) {
            s.remove_prefix(n);
            currency = true;
        } else if (!negative && s.starts_with('-')) {
            s.remove_prefix(1);
            negative = true;
        }
        trimBlanks(s);
    }
    if (size_t n = currency ? 0 : currencySuffix(s)) {
        s.remove_suffix(n);
        trimBlanks(s);
    }
    if (s.empty())
        return kUnreadable;
    return readNumber(s, negative);
}

Reading readQuantity(std::string_view s) {
    trimBlanks(s);
    if (s.empty())
        return kNone;
    const bool negative = s.starts_with('-');
    if (negative || s.starts_with('+'))
        s.remove_prefix(1);
    std::int64_t n = 0;
    if (s.empty() || !std::all_of(s.begin(), s.end(), isDigit) || !appendDigits(n, s))
        return kUnreadable;
    return {Kind::Number, negative ? -n : n};
}

Reading amountOfInteger(std::int64_t value) {
    std::int64_t units = 0;
    if (__builtin_mul_overflow(value, UnitsPerWhole, &units))
        return kUnreadable;
    return {Kind::Number, units};
}

Reading amountOfReal(double value) {
    const double units = std::round(value * double(UnitsPerWhole));
    if (!std::isfinite(units) || std::fabs(units) >= 9.0e18)
        return kUnreadable;
    return {Kind::Number, std::int64_t(units)};
}

Reading quantityOfReal(double value) {
    if (!std::isfinite(value) || std::floor(value) != value || std::fabs(value) >= 9.0e18)
        return kUnreadable;
    return {Kind::Number, std::int64_t(value)};
}

QString formatAmount(const Sum& sum) {
    if (sum.overflow)
        return tooLarge();
    const std::uint64_t units = magnitude(sum.total);
    const std::uint64_t fraction = units % std::uint64_t(UnitsPerWhole);
    const QString decimals = fraction % 100 == 0
                                 ? QStringLiteral("%1").arg(fraction / 100, 2, 10, QLatin1Char('0'))
                                 : QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
    return language::localized((sum.total < 0 ? QStringLiteral("-") : QString()) +
                               grouped(units / std::uint64_t(UnitsPerWhole)) + QLatin1Char('.') +
                               decimals);
}

QString formatCount(const Sum& sum) {
    if (sum.overflow)
        return tooLarge();
    return language::localized((sum.total < 0 ? QStringLiteral("-") : QString()) +
                               grouped(magnitude(sum.total)));
}

}  // namespace kbs::amounts
