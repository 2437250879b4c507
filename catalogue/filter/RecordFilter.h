#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "OwnFieldWords.h"
#include "RecordSet.h"

namespace kbs {

// Which records a filter text lets through, read from the record set's snapshot without a
// copy. The text is words, all of which a record must match:
//   red mustang          each word inside any of the fields Find searches, ignoring case
//   "mint in box"        quotes keep words together
//   color:red            a word in one field, named by its label or its column name; a name
//                        that begins several ("box:" for Box Type and Box Condition) means any
//                        of them; an unknown name leaves the word as it is typed ("10:30")
//   -sell                leaves out the records that match the word
//   year:1968-1975, year:>1980, value:<=20, quantity:>1
//                        a range of the year, quantity or an amount (Purchase, List Price,
//                        Value), read as the totals report reads them; a value that cannot be
//                        read is in no range
//   checklist:"Matchbox 1-75"
//                        the records a series checklist holds, by the checklist's name
//                        (without regard to case, spaces and punctuation); the window gives
//                        the filter which records each checklist holds
//   scale:1:64, sth:yes, bought:2020-2022, tag:chase, #chase
//                        the collector's own fields and the records' tags (OwnFieldWords.h);
//                        a described field's own name goes before an own field's, an own
//                        field's before the start of a described one's
// and the statuses chosen (none: any status). Words past the first MaxWords are left out, so
// that no filter holds the window: each record is matched against every word, and the grid
// looks at the clock only between runs of records.
// A value the record set holds only in part (a very long note) is read whole to match it, or,
// through judge(), searched apart (LongTextSearch) while the filter answers for the rest. A
// range word never matches such a value.
class LongTextSearch;

class RecordFilter {
public:
    using Slot = RecordSet::Slot;
    static constexpr int MaxWords = 32;
    // What a filter says of a record. Unknown: only a long value not yet searched can tell.
    // Unreadable is what a search says of a value it could not read.
    enum class Verdict { No, Yes, Unknown, Unreadable };

    RecordFilter() = default;
    // The records each checklist holds, ascending, by the checklist name's key
    // (checklistKey()).
    using Checklists = QHash<QString, std::shared_ptr<const std::vector<std::int64_t>>>;

    // The filter of a text and the statuses chosen ("Want", "Have", "Sell"); `checklists`
    // answers the checklist words (without it they let no record through).
    // `own` answers the words on own fields and tags (without it they are words like others).
    static RecordFilter parse(const QString& text, const QStringList& statuses = {},
                              const Checklists& checklists = {}, const ownwords::Source& own = {});
    // The word that names a checklist ("checklist", or the program language's word).
    static QString checklistWord();
    static bool hasChecklistWord(const QString& text);
    static QString checklistKey(const QString& name);
    // The records with this text inside any of the fields Find searches, ignoring case, as Find
    // looks for them: the text taken whole.
    static RecordFilter containing(const QString& text);

    // Lets through only the records whose slot is marked in `marks` (a mark per slot), as well
    // as the words and statuses: the filter bar's duplicates, found over the whole catalogue.
    void keepOnly(std::shared_ptr<const std::vector<char>> marks) { m_only = std::move(marks); }

    bool isEmpty() const { return m_terms.empty() && m_statuses.empty() && !m_only; }
    bool matches(const RecordSet& rs, Slot slot) const;
    // The same without reading a long value: what `longs` found in it, Unknown where it has not
    // searched it yet (and its position then in *unread). A record whose long value could not be
    // read is let through, never hidden for it.
    Verdict judge(const RecordSet& rs, Slot slot, const LongTextSearch& longs,
                  std::vector<int>* unread) const;
    // The words a long value is searched for.
    QStringList textWords() const;
    // Whether the UTF-8 text holds the word, ignoring case, as the filter looks for it.
    static bool holdsText(const QString& word, std::string_view utf8);
    // True when every record this filter lets through, `wider` lets through as well: the
    // records of this one are then found among those of `wider`.
    bool narrows(const RecordFilter& wider) const;

    // The first of the fields Find searches that holds the text, ignoring case; -1 for none.
    static int firstFieldHolding(const RecordSet& rs, Slot slot, const QString& text);

private:
    struct Needle {
        QString text;       // as typed
        std::string lower;  // UTF-8 with A to Z folded, for a text of ASCII only
        bool ascii = false;
    };
    struct Term {
        enum class Kind { Text, Range, Ids, Marks };
        Kind kind = Kind::Text;
        bool exclude = false;
        bool anyField = false;     // the fields Find searches
        std::uint32_t fields = 0;  // otherwise these positions (bit per position)
        Needle needle;             // Text
        std::int64_t low = 0;      // Range, both ends included, in the field's units
        std::int64_t high = 0;
        std::shared_ptr<const std::vector<std::int64_t>> ids;  // Ids: the records, ascending
        ownwords::Marks marks;                                 // Marks: a mark per record ID
        bool operator==(const Term& o) const;
    };

    static Needle needleOf(const QString& text);
    static bool parseRange(const QString& value, std::uint32_t fields, Term& term);
    // A word on an own field or on the tags; false for any other.
    static bool parseOwn(const QString& raw, const ownwords::Source& own, Term& term);
    // What a value the snapshot holds only in part says of a word.
    using PartialText = std::function<Verdict(int position, const Needle& needle)>;
    static Verdict termVerdict(const Term& t, const RecordSet& rs, const RecordSet::RowTexts& row,
                               const PartialText& partial);
    Verdict verdict(const RecordSet& rs, Slot slot, const PartialText& partial) const;
    static bool textInCell(const Needle& n, std::string_view cell);
    static bool textInSpan(const Needle& n, const RecordSet::RowTexts& row, int first, int last);
    static bool inRange(const Term& t, int position, std::string_view cell);
    static bool statusMatches(std::string_view cell, const std::vector<std::string>& statuses);

    std::vector<Term> m_terms;
    std::vector<std::string> m_statuses;  // folded
    std::shared_ptr<const std::vector<char>> m_only;
};

}  // namespace kbs
