#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "OwnFields.h"

namespace kbs {

class CatalogueSession;

// The filter words that look in the collector's own fields and in the records' tags:
//   scale:1:64, maker:"hot wheels"   a text or a choice holding the words, ignoring case
//   sth:yes                          a yes/no field that says so
//   weight:10-20, bought:>=2020, price:<5   a range on a number, amount or date field; a year or
//                                    a year and month as a date means all of it ("2020-2022"
//                                    runs from the first day of 2020 to the last of 2022)
//   weight:12, bought:2024-03        a number or amount equal to it; a date in that year, month
//                                    or on that day
//   tag:chase, #chase                a record with a tag that begins with the word
// A field is named by its name, without regard to case, blanks and punctuation, or by the start
// of it ("super:yes" for "Super Treasure Hunt"). The values are read only when a word needs
// them.
namespace ownwords {

struct Source {
    std::vector<ownfields::Field> fields;                    // by position
    std::function<const ownfields::AllValues&()> values;     // read when first needed
    explicit operator bool() const { return bool(values); }  // the catalogue has such tables
};
// The session's fields, and its values when a word needs them.
Source of(CatalogueSession& session);

// The records a word lets through: a mark per record ID up to a few times the number of records
// holding values, and the rare IDs above that (a catalogue's IDs can be as high as they come)
// apart, ascending.
struct MarkSet {
    std::vector<char> dense;
    std::vector<std::int64_t> above;
    void mark(std::int64_t id);
    bool has(std::int64_t id) const;
};
using Marks = std::shared_ptr<const MarkSet>;

// A field name as the filter compares it: letters and digits only, in small letters.
QString squeezed(const QString& name);
// The word that names the tags ("tag", or the program language's word).
bool isTagName(const QString& name);
// The positions in source.fields of the fields a name means; none when it names none.
std::vector<std::size_t> fieldsNamed(const Source& source, const QString& name, bool* exact);
// The records whose value in any of these fields matches `value`.
Marks fieldMarks(const Source& source, const std::vector<std::size_t>& fields,
                 const QString& value);
// The records with a tag that begins with `value`, ignoring case.
Marks tagMarks(const Source& source, const QString& value);

}  // namespace ownwords
}  // namespace kbs
