#pragma once

#include <cstdint>
#include <string>

namespace kbs::legacy {

// One value read from a catalogue of the older program.
//
// Every value that is not Null carries its text form in `bytes` (UTF-8), which is what a text
// column of the new catalogue receives. Numbers also carry their value, which a column without
// a fixed kind ("twenty") keeps as a number. A Blob carries its raw bytes.
struct LegacyValue {
    enum class Kind { Null, Integer, Real, Text, Blob };

    Kind kind = Kind::Null;
    std::int64_t integer = 0;  // Kind::Integer
    double real = 0;           // Kind::Real
    std::string bytes;         // the text form, or a Blob's bytes

    bool isNull() const { return kind == Kind::Null; }

    static LegacyValue null() { return {}; }
    static LegacyValue ofInteger(std::int64_t v) {
        return {Kind::Integer, v, 0, std::to_string(v)};
    }
    static LegacyValue ofReal(double v, std::string text) {
        return {Kind::Real, 0, v, std::move(text)};
    }
    static LegacyValue ofText(std::string utf8) { return {Kind::Text, 0, 0, std::move(utf8)}; }
    static LegacyValue ofBlob(std::string raw) { return {Kind::Blob, 0, 0, std::move(raw)}; }
};

}  // namespace kbs::legacy
