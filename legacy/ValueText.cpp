#include "ValueText.h"

#include <QString>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace kbs::legacy::text {

namespace {

template <typename F>
std::string shortest(F v) {
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v < 0 ? "-Infinity" : "Infinity";
    if (v == 0)
        return "0";  // also for -0
    const F a = std::fabs(v);
    const auto format =
        (a >= F(1e-6) && a < F(1e15)) ? std::chars_format::fixed : std::chars_format::scientific;
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, format);
    return std::string(buf, r.ptr);
}

}  // namespace

std::string currency(std::int64_t tenThousandths) {
    const bool negative = tenThousandths < 0;
    // Unsigned, so that the smallest value has a magnitude too.
    const std::uint64_t magnitude =
        negative ? std::uint64_t(0) - std::uint64_t(tenThousandths) : std::uint64_t(tenThousandths);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", unsigned(fraction));
        std::string f(digits);
        while (!f.empty() && f.back() == '0')
            f.pop_back();
        out += '.';
        out += f;
    }
    return out;
}

std::string real(double v) {
    return shortest(v);
}

std::string single(float v) {
    return shortest(v);
}

std::optional<std::string> dateTime(double days) {
    using namespace std::chrono;
    if (!std::isfinite(days))
        return std::nullopt;
    // Before 1899-12-30 the whole part counts days back while the fraction still counts the
    // time forward: -1.5 is 1899-12-29 12:00.
    const double whole = std::trunc(days);
    if (whole < -700000 || whole > 3000000)
        return std::nullopt;
    long long day = static_cast<long long>(whole);
    long long seconds = std::llround(std::fabs(days - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++day;
    }
    const year_month_day date{sys_days{year{1899} / December / 30} + std::chrono::days{day}};
    const int y = int(date.year());
    if (y < 100 || y > 9999)
        return std::nullopt;
    char buf[64];
    if (seconds == 0) {
        std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", y, unsigned(date.month()),
                      unsigned(date.day()));
    } else {
        std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02lld:%02lld:%02lld", y,
                      unsigned(date.month()), unsigned(date.day()), seconds / 3600,
                      (seconds / 60) % 60, seconds % 60);
    }
    return std::string(buf);
}

std::optional<std::string> jet4Text(const unsigned char* data, std::size_t size) {
    std::vector<char16_t> units;
    units.reserve(size);
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        bool compressed = true;
        std::size_t i = 2;
        while (i < size) {
            if (data[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                units.push_back(char16_t(data[i]));
                ++i;
            } else if (i + 1 < size) {
                units.push_back(char16_t(data[i] | (data[i + 1] << 8)));
                i += 2;
            } else {
                return std::nullopt;  // half a character
            }
        }
    } else {
        if (size % 2 != 0)
            return std::nullopt;
        for (std::size_t i = 0; i < size; i += 2)
            units.push_back(char16_t(data[i] | (data[i + 1] << 8)));
    }
    const QByteArray utf8 = QString::fromUtf16(units.data(), qsizetype(units.size())).toUtf8();
    return std::string(utf8.constData(), size_t(utf8.size()));
}

std::string guid(const unsigned char* d) {
    char buf[48];
    std::snprintf(buf, sizeof buf,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", d[3],
                  d[2], d[1], d[0], d[5], d[4], d[7], d[6], d[8], d[9], d[10], d[11], d[12], d[13],
                  d[14], d[15]);
    return buf;
}

}  // namespace kbs::legacy::text
