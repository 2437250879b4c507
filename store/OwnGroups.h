#pragma once

#include <QHash>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "OwnFields.h"

namespace kbs::ownfields {

// The groups a record falls in by one of the collector's own fields or by its tags: the group
// view's and the statistics' breakdowns. A text or a choice is one group whatever its case and
// the blanks around and between its words; a number or an amount is grouped by its value, a
// date by its year, yes/no by its answer. Each tag is a group, so that a record with several
// tags is in each of theirs. A record without a value (or without a tag) is in the group with
// the empty key.
struct GroupKey {
    std::string key;  // what makes the group; numbers and years are their digits
    QString name;     // as the group is shown
};

// `field` as a position in all.fields, or Tags for the tags.
inline constexpr std::size_t Tags = ~std::size_t(0);

// Tells the groups of record after record by one field or by the tags, keeping the key of each
// value met, so that a catalogue's records cost a look-up each rather than a key made each.
class GroupKeys {
public:
    // The groups of the record, each once; never none.
    void of(const AllValues& all, std::size_t field, std::int64_t recordId,
            std::vector<GroupKey>& out);

private:
    QHash<QString, GroupKey> m_known;  // by stored value or tag
};

// The position in all.fields of the field with this ID; nothing when it was removed.
std::optional<std::size_t> positionOf(const AllValues& all, std::int64_t fieldId);

}  // namespace kbs::ownfields
