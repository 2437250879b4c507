#pragma once

#include <cstdint>
#include <string>

namespace kbs {

// One value of a record that a new catalogue is written from (see CatalogueWriter.h): read
// from a catalogue of the older program or from a CSV file.
//
// Every value that is not Null carries its text form in `bytes` (UTF-8), which is what a text
// column of the new catalogue receives. Numbers also carry their value, which a column without
// a fixed kind ("twenty") keeps as a number. A Blob carries its raw bytes.
struct SourceValue {
    enum class Kind { Null, Integer, Real, Text, Blob };

    Kind kind = Kind::Null;
    std::int64_t integer = 0;  // Kind::Integer
    double real = 0;           // Kind::Real
    std::string bytes;         // the text form, or a Blob's bytes

    bool isNull() const { return kind == Kind::Null; }

    static SourceValue null() { return {}; }
    static SourceValue ofInteger(std::int64_t v) {
        return {Kind::Integer, v, 0, std::to_string(v)};
    }
    static SourceValue ofReal(double v, std::string text) {
        return {Kind::Real, 0, v, std::move(text)};
    }
    static SourceValue ofText(std::string utf8) { return {Kind::Text, 0, 0, std::move(utf8)}; }
    static SourceValue ofBlob(std::string raw) { return {Kind::Blob, 0, 0, std::move(raw)}; }
};

}  // namespace kbs
