#pragma once

#include <QCollator>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Amounts.h"
#include "ChecklistMatcher.h"
#include "OwnGroups.h"
#include "RecordSet.h"

namespace kbs {

// Which group of a grouping field (an entry of collection::GroupFields) a record falls in: its
// key. A text is one group whatever its case and the blanks around and between its words
// ("Have", "have ", "HAVE"); a year is read as a number ("1970", "01970"), by decade as its
// decade (1960 for 1960 to 1969); a year that is no whole number is a group of its own text.
// An empty or blank value has the empty key: the "(Empty)" group.
namespace groupkey {
// The key of the text, and in `spelling` the text as the group shows it (blanks around it left
// out, those between words made one space).
void of(std::string_view text, int field, std::string& key, std::string& spelling);
// Whether the text has this key, told quickly for most texts; nothing where of() must tell.
std::optional<bool> hasKey(std::string_view text, int field, std::string_view key);
// The text of a record's column as the grid shows it: a very long value gives its first
// RecordSet::ShownBytes only, so that no group waits for a long value to be read.
std::string_view textOf(const RecordSet& rs, RecordSet::Slot slot, int column,
                        std::string& scratch);
}  // namespace groupkey

// The records of each group where a record may be in several (the checklists holding it, its
// tags) or where its group is told by other means than its texts (a collector's own field), by
// slot: what the group view counts and what a group chosen in it lets through. Kept up to date
// record by record.
struct GroupMembers {
    std::vector<std::vector<std::uint32_t>> bySlot;  // positions of the groups, sorted
    std::unordered_map<std::string, std::uint32_t> byKey;

    bool holds(RecordSet::Slot slot, const std::string& key) const;
};

// The group a person chose: the records whose key for the first field is key1 and, when a
// second field is given, whose key for it is key2. No field: every record. The field
// ChecklistField is the checklists: key1 names one, and the records it holds are let through;
// TagsField the tags, and OwnField + ID a collector's own field, alike.
struct GroupChoice {
    static constexpr int ChecklistField = 1000;
    static constexpr int TagsField = 1001;
    static constexpr int OwnField = 2000;
    int field1 = -1;
    std::string key1;
    int field2 = -1;
    std::string key2;
    std::shared_ptr<const GroupMembers> members;  // for the fields from ChecklistField on

    static bool byMembers(int field) { return field >= ChecklistField; }
    bool isEmpty() const { return field1 < 0; }
    bool matches(const RecordSet& rs, RecordSet::Slot slot) const;
    // True when every record this choice lets through, `wider` lets through as well.
    bool narrows(const GroupChoice& wider) const;
    bool operator==(const GroupChoice& o) const {
        return field1 == o.field1 && key1 == o.key1 && field2 == o.field2 && key2 == o.key2;
    }

private:
    mutable std::string m_scratch, m_key, m_spelling;
};

// The records of a record set counted by one grouping field, and optionally within each of its
// groups by a second: per group the number of records, the quantity held and how many
// quantities could not be read. The groups of a level are sorted: numbers by value first, then
// texts in the locale's order regardless of case, the empty group last. A group with no record
// left is not listed.
//
// Counting the whole record set is done once (build); a saved, added, deleted or brought back
// record then changes the groups it leaves and joins only, and tells a Listener what changed,
// so that a view follows without being built again.
class RecordGroups {
public:
    using Slot = RecordSet::Slot;
    using Node = std::uint32_t;
    static constexpr Node Root = 0;  // every record

    struct Totals {
        std::int64_t records = 0;
        amounts::Sum quantity;        // the quantities read
        std::int64_t unreadable = 0;  // quantities that are not a whole number
    };

    // What a view of the groups hears: rows inserted and removed under a node, in pairs, and
    // groups whose counts or name changed.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void beginInsert(Node parent, int row) = 0;
        virtual void endInsert() = 0;
        virtual void beginRemove(Node parent, int row) = 0;
        virtual void endRemove() = 0;
        virtual void changed(Node node) = 0;
        virtual void childrenChanged(Node parent) = 0;
    };

    RecordGroups();
    void setListener(Listener* listener) { m_listener = listener; }

    // Counts every record of rs by field1 and, unless it is -1, then by field2; no notice.
    void build(const RecordSet& rs, int field1, int field2);
    // Counts the records each checklist holds, a group per checklist in the order of their
    // names (GroupChoice::ChecklistField); a record held by several counts in each. No notice.
    void buildChecklists(const RecordSet& rs, checklists::ChecklistKeys keys);
    // Counts the records by the groups `keysOf` puts each in (a collector's own field, the
    // tags: `field` from GroupChoice::TagsField on); a record in several counts in each, and
    // a saved one is asked again. No notice.
    using KeysOf =
        std::function<void(const RecordSet& rs, Slot slot, std::vector<ownfields::GroupKey>& out)>;
    void buildByKeys(const RecordSet& rs, int field, KeysOf keysOf);
    // Counts rs again by the same fields (another record set of the same catalogue, after an
    // import): only the groups that differ are reported.
    void recount(const RecordSet& rs);
    void clear();
    // A record saved, added or brought back: it leaves the groups it was counted in, if any,
    // and joins those of its texts now.
    void update(const RecordSet& rs, Slot slot);
    // A deleted record.
    void remove(Slot slot);

    int field(int level) const { return level == 0 ? m_field1 : m_field2; }
    int levels() const { return m_field1 < 0 ? 0 : m_field2 < 0 ? 1 : 2; }
    bool isBuilt() const { return m_field1 >= 0; }

    const std::vector<Node>& children(Node node) const { return m_nodes[node].listed; }
    Node parent(Node node) const { return m_nodes[node].parent; }
    int depth(Node node) const { return m_nodes[node].depth; }
    int rowOf(Node node) const;  // among its parent's children
    const Totals& totals(Node node) const { return m_nodes[node].totals; }
    bool isEmptyGroup(Node node) const { return node != Root && m_nodes[node].key.empty(); }
    // The year or decade of a group of whole years (the key read as a number).
    std::optional<std::int64_t> year(Node node) const;
    // The spelling most of its records have (the first of equally many).
    QString spelling(Node node) const;
    GroupChoice choice(Node node) const;
    // The group of a choice, when it is listed.
    std::optional<Node> find(const GroupChoice& choice) const;

private:
    static constexpr Node kNone = ~Node(0);
    struct Member {
        Node node = kNone;  // the deepest group it is counted in
        std::uint32_t spelling[2] = {0, 0};
        amounts::Reading quantity;
    };
    struct Sort {
        int rank = 1;  // 0 a number, 1 a text, 2 empty
        double number = 0;
        std::optional<QCollatorSortKey> text;
    };
    struct Group {
        Node parent = kNone;
        int depth = 0;
        std::string key;
        Sort sort;
        Totals totals;
        bool isListed = false;
        std::vector<std::pair<std::string, std::int64_t>> spellings;
        std::unordered_map<std::string, Node> byKey;  // its groups of the next level
        std::vector<Node> listed;                     // those with records, sorted
    };

    bool before(Node a, Node b) const;
    Node childOf(Node parent, const std::string& key);
    // Counts the record in its groups, or out of those it was counted in, without a notice.
    void count(const RecordSet& rs, Slot slot);
    void uncount(Slot slot);
    void moved(Node left, Node joined);
    void list(Node node);
    void unlist(Node node);
    void sortListed(Node node);
    void changed(Node node);
    bool byMembers() const { return GroupChoice::byMembers(m_field1); }
    std::uint32_t memberGroup(const std::string& key, const QString& name);
    void countHeld(const RecordSet& rs, Slot slot);
    void uncountHeld(Slot slot);
    std::vector<std::uint32_t> heldBy(Slot slot) const;
    void heldMoved(const std::vector<std::uint32_t>& left,
                   const std::vector<std::uint32_t>& joined);

    QCollator m_collator;
    std::vector<Group> m_nodes;
    std::vector<Member> m_members;  // by slot
    int m_field1 = -1;
    int m_field2 = -1;
    Listener* m_listener = nullptr;
    std::string m_scratch, m_key, m_spelling;
    std::shared_ptr<GroupMembers> m_held;  // by checklists, tags or an own field
    std::vector<Node> m_memberNodes;       // by position in m_held
    checklists::ChecklistKeys m_checklistKeys;
    KeysOf m_keysOf;
    std::vector<ownfields::GroupKey> m_found;
};

}  // namespace kbs
