#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Checklists.h"

struct sqlite3;

namespace kbs::checklists {

// Matches checklist entries to the records of the catalogue. Texts are compared without regard to
// case, spaces and punctuation ("Ford GT-40" is "ford gt40"). Numbers compare the same way, and
// leading zeros of their digits do not count: "5", "05" and "#5" are one number, "5a" is another
// (a variation numbered apart). An entry is held when a matching record's status is not "Want",
// wanted when only records with status "Want" match, and missing when none does.
class ChecklistMatcher {
public:
    ChecklistMatcher() = default;
    // Every record of the catalogue, read straight from table1.
    static ChecklistMatcher ofCatalogue(sqlite3* db);

    // One record more, its texts as UTF-8; records come in ascending ID order.
    void add(std::int64_t id, std::string_view description, std::string_view number,
             std::string_view series, std::string_view status);

    enum class State { Held, Wanted, Missing };
    struct Match {
        State state = State::Missing;
        std::int64_t recordId = 0;  // the held record with the lowest ID, else the wanted one
    };
    struct Counts {
        int held = 0;
        int wanted = 0;
        int missing = 0;
    };

    Match match(const List& list, const Entry& entry) const;
    Counts count(const List& list, const std::vector<Entry>& entries) const;
    // The IDs of the records the list holds (those whose status is not "Want"), ascending.
    std::vector<std::int64_t> heldIds(const List& list, const std::vector<Entry>& entries) const;

    // The keys a record is matched by: its description's, and its series' with its number's
    // (empty when the number is); whether its status is "Want".
    static std::string descriptionKey(std::string_view description);
    static std::string seriesNumberKey(std::string_view series, std::string_view number);
    static bool isWant(std::string_view status);

    // The text as compared: lower case, letters and digits only.
    static QString key(const QString& text);
    // A number as compared: its key without the leading zeros of its digits.
    static QString numberKey(const QString& number);
    // Number order: by the number's leading digits as a number, then by the rest ("5" < "5a" <
    // "10"); a number without digits after those with.
    static bool numberLess(const QString& a, const QString& b);
    // The entries' positions in number order.
    static std::vector<int> numberOrder(const std::vector<Entry>& entries);

private:
    struct Held {
        std::int64_t id;
        bool wanted;  // its status is "Want"
    };
    using Index = std::unordered_map<std::string, std::vector<Held>>;
    const std::vector<Held>* candidates(const List& list, const Entry& entry) const;

    Index m_bySeriesNumber;  // ID order
    Index m_byDescription;
    std::string m_scratch;
};

// Which checklists hold a record, told from the record's own texts: the keys of every
// checklist's entries, as ChecklistMatcher::heldIds matches them.
class ChecklistKeys {
public:
    ChecklistKeys() = default;
    ChecklistKeys(const std::vector<List>& lists, const std::vector<std::vector<Entry>>& entries);

    const std::vector<List>& lists() const { return m_lists; }
    // The positions in lists() of the checklists that hold a record with these texts,
    // ascending, into `out`.
    void holders(std::string_view description, std::string_view number, std::string_view series,
                 std::string_view status, std::vector<std::uint32_t>& out) const;

private:
    using Index = std::unordered_map<std::string, std::vector<std::uint32_t>>;
    std::vector<List> m_lists;
    Index m_bySeriesNumber;
    Index m_byDescription;
};

}  // namespace kbs::checklists
