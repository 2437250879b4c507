#include "RecordGroups.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <iterator>

#include "Collection.h"
#include "GroupFields.h"

namespace kbs {

namespace {

constexpr int kYear = collection::at("Year");
constexpr int kQuantity = collection::at("Quantity");

// A record's quantity added to the totals of a group, or taken off them.
void tally(RecordGroups::Totals& t, const amounts::Reading& q, int sign) {
    t.records += sign;
    if (q.kind == amounts::Reading::Kind::Number)
        t.quantity.add(sign * q.number);
    else if (q.kind == amounts::Reading::Kind::Unreadable)
        t.unreadable += sign;
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Blanks around the text left out, those between its words made one space.
void spell(std::string_view text, std::string& out) {
    out.clear();
    bool gap = false;
    for (char c : text) {
        if (blank(c)) {
            gap = !out.empty();
            continue;
        }
        if (gap)
            out.push_back(' ');
        gap = false;
        out.push_back(c);
    }
}

// A year: a whole number of up to nine digits.
std::optional<std::int64_t> wholeYear(std::string_view s) {
    if (s.empty() || s.size() > 9)
        return std::nullopt;
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size() || s.front() == '-')
        return std::nullopt;
    return n;
}

// A key that is a number: digits, with a decimal point or comma and a minus sign allowed.
std::optional<double> numberOf(std::string_view s) {
    std::string plain(s);
    std::replace(plain.begin(), plain.end(), ',', '.');
    if (plain.empty() || plain.size() > 32 || !std::all_of(plain.begin(), plain.end(), [](char c) {
            return (c >= '0' && c <= '9') || c == '.' || c == '-';
        }))
        return std::nullopt;
    double d = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), d);
    if (ec != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return d;
}

}  // namespace

// ---------------------------------------------------------------- keys

void groupkey::of(std::string_view text, int field, std::string& key, std::string& spelling) {
    spell(text, spelling);
    const auto& f = collection::GroupFields[size_t(field)];
    if (f.column == kYear) {
        if (const auto year = wholeYear(spelling)) {
            key = std::to_string(f.byDecade ? *year - *year % 10 : *year);
            return;
        }
    }
    const bool ascii =
        std::all_of(spelling.begin(), spelling.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        key = spelling;
        for (char& c : key) {
            if (c >= 'A' && c <= 'Z')
                c = char(c + 32);
        }
        return;
    }
    key =
        QString::fromUtf8(spelling.data(), qsizetype(spelling.size())).toCaseFolded().toStdString();
}

std::string_view groupkey::textOf(const RecordSet& rs, RecordSet::Slot slot, int column,
                                  std::string& scratch) {
    if (column < 0 || column >= rs.fieldCount())
        return {};
    const RecordSet::RowTexts row = rs.rowTextsAt(slot);
    if (!row.partial(column))
        return row.cell(column);
    try {
        return rs.shownUtf8At(slot, column, scratch);  // never more than its first ShownBytes
    } catch (const std::exception&) {
        // The catalogue could not be read just now: what the snapshot holds.
        return row.cell(column);
    }
}

// Whether a plain ASCII text has this key, without making the key: blanks around it left out,
// those between words one space, A to Z folded; most texts differ at once. Nothing for a text
// beyond ASCII or a year, whose key takes more.
std::optional<bool> groupkey::hasKey(std::string_view text, int field, std::string_view key) {
    if (collection::GroupFields[size_t(field)].column == kYear)
        return std::nullopt;
    size_t at = 0;
    bool gap = false;
    for (char c : text) {
        if (c & 0x80)
            return std::nullopt;
        if (blank(c)) {
            gap = at > 0;
            continue;
        }
        if (gap && (at >= key.size() || key[at++] != ' '))
            return false;
        gap = false;
        if (at >= key.size() || key[at++] != (c >= 'A' && c <= 'Z' ? char(c + 32) : c))
            return false;
    }
    return at == key.size();
}

// ---------------------------------------------------------------- the choice

bool GroupMembers::holds(RecordSet::Slot slot, const std::string& key) const {
    const auto list = byKey.find(key);
    if (list == byKey.end() || slot >= bySlot.size())
        return false;
    return std::binary_search(bySlot[slot].begin(), bySlot[slot].end(), list->second);
}

bool GroupChoice::matches(const RecordSet& rs, RecordSet::Slot slot) const {
    if (isEmpty())
        return true;
    if (byMembers(field1))
        return members && members->holds(slot, key1);
    const auto keyIs = [&](int field, const std::string& key) {
        const int column = collection::GroupFields[size_t(field)].column;
        const std::string_view text = groupkey::textOf(rs, slot, column, m_scratch);
        if (const auto has = groupkey::hasKey(text, field, key))
            return *has;
        groupkey::of(text, field, m_key, m_spelling);
        return m_key == key;
    };
    return keyIs(field1, key1) && (field2 < 0 || keyIs(field2, key2));
}

bool GroupChoice::narrows(const GroupChoice& wider) const {
    if (wider.isEmpty() || *this == wider)
        return true;
    return wider.field2 < 0 && field1 == wider.field1 && key1 == wider.key1;
}

// ---------------------------------------------------------------- counting

RecordGroups::RecordGroups() : m_collator(QLocale()) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(true);
    clear();
}

void RecordGroups::clear() {
    m_nodes.assign(1, Group());
    m_members.clear();
    m_field1 = m_field2 = -1;
    m_held.reset();
    m_memberNodes.clear();
    m_checklistKeys = {};
    m_keysOf = nullptr;
}

bool RecordGroups::before(Node a, Node b) const {
    const Sort& x = m_nodes[a].sort;
    const Sort& y = m_nodes[b].sort;
    if (x.rank != y.rank)
        return x.rank < y.rank;
    if (x.rank == 0 && x.number != y.number)
        return x.number < y.number;
    if (x.rank == 1) {
        if (const int c = x.text->compare(*y.text); c != 0)
            return c < 0;
    }
    return m_nodes[a].key < m_nodes[b].key;
}

RecordGroups::Node RecordGroups::childOf(Node parent, const std::string& key) {
    const auto it = m_nodes[parent].byKey.find(key);
    if (it != m_nodes[parent].byKey.end())
        return it->second;
    const Node node = Node(m_nodes.size());
    Group g;
    g.parent = parent;
    g.depth = m_nodes[parent].depth + 1;
    g.key = key;
    if (key.empty()) {
        g.sort.rank = 2;
    } else if (const auto n = numberOf(key)) {
        g.sort.rank = 0;
        g.sort.number = *n;
    } else {
        g.sort.text = m_collator.sortKey(QString::fromStdString(key));
    }
    m_nodes.push_back(std::move(g));
    m_nodes[parent].byKey.emplace(key, node);
    return node;
}

void RecordGroups::count(const RecordSet& rs, Slot slot) {
    if (byMembers()) {
        countHeld(rs, slot);
        return;
    }
    if (slot >= m_members.size())
        m_members.resize(size_t(slot) + 1);
    Member m;
    Node path[3] = {Root, kNone, kNone};
    const int fields[2] = {m_field1, m_field2};
    for (int level = 0; level < levels(); ++level) {
        const int column = collection::GroupFields[size_t(fields[level])].column;
        groupkey::of(groupkey::textOf(rs, slot, column, m_scratch), fields[level], m_key,
                     m_spelling);
        const Node n = childOf(path[level], m_key);
        path[level + 1] = n;
        auto& spellings = m_nodes[n].spellings;
        auto s = std::find_if(spellings.begin(), spellings.end(),
                              [&](const auto& p) { return p.first == m_spelling; });
        if (s == spellings.end())
            s = spellings.insert(spellings.end(), {m_spelling, 0});
        ++s->second;
        m.spelling[level] = std::uint32_t(s - spellings.begin());
    }
    m.node = path[levels()];
    m.quantity = amounts::readQuantity(groupkey::textOf(rs, slot, kQuantity, m_scratch));
    m_members[slot] = m;
    for (int d = 0; d <= levels(); ++d)
        tally(m_nodes[path[d]].totals, m.quantity, 1);
}

void RecordGroups::uncount(Slot slot) {
    if (byMembers()) {
        uncountHeld(slot);
        return;
    }
    if (slot >= m_members.size() || m_members[slot].node == kNone)
        return;
    const Member m = m_members[slot];
    m_members[slot] = Member();
    for (Node n = m.node; n != kNone; n = m_nodes[n].parent) {
        Group& g = m_nodes[n];
        tally(g.totals, m.quantity, -1);
        if (g.depth > 0)
            --g.spellings[m.spelling[g.depth - 1]].second;
    }
}

void RecordGroups::list(Node node) {
    const Node parent = m_nodes[node].parent;
    auto& listed = m_nodes[parent].listed;
    const auto at = std::lower_bound(listed.begin(), listed.end(), node,
                                     [this](Node a, Node b) { return before(a, b); });
    const int row = int(at - listed.begin());
    if (m_listener)
        m_listener->beginInsert(parent, row);
    listed.insert(at, node);
    m_nodes[node].isListed = true;
    if (m_listener)
        m_listener->endInsert();
}

// With the groups under it, which go with its row.
void RecordGroups::unlist(Node node) {
    const int row = rowOf(node);
    if (row < 0)
        return;
    const Node parent = m_nodes[node].parent;
    if (m_listener)
        m_listener->beginRemove(parent, row);
    m_nodes[parent].listed.erase(m_nodes[parent].listed.begin() + row);
    m_nodes[node].isListed = false;
    for (Node child : m_nodes[node].listed)
        m_nodes[child].isListed = false;
    m_nodes[node].listed.clear();
    if (m_listener)
        m_listener->endRemove();
}

void RecordGroups::changed(Node node) {
    if (m_listener)
        m_listener->changed(node);
}

int RecordGroups::rowOf(Node node) const {
    if (node == Root || !m_nodes[node].isListed)
        return -1;
    const auto& listed = m_nodes[m_nodes[node].parent].listed;
    const auto at = std::lower_bound(listed.begin(), listed.end(), node,
                                     [this](Node a, Node b) { return before(a, b); });
    return at != listed.end() && *at == node ? int(at - listed.begin()) : -1;
}

void RecordGroups::sortListed(Node node) {
    auto& listed = m_nodes[node].listed;
    listed.clear();
    for (const auto& [key, child] : m_nodes[node].byKey) {
        m_nodes[child].isListed = m_nodes[child].totals.records > 0;
        if (m_nodes[child].isListed)
            listed.push_back(child);
    }
    std::sort(listed.begin(), listed.end(), [this](Node a, Node b) { return before(a, b); });
    for (Node child : listed)
        sortListed(child);
}

void RecordGroups::build(const RecordSet& rs, int field1, int field2) {
    clear();
    m_field1 = field1;
    m_field2 = field1 < 0 ? -1 : field2;
    if (m_field1 < 0)
        return;
    for (Slot slot : rs.slotsInOrder())
        count(rs, slot);
    sortListed(Root);
}

void RecordGroups::recount(const RecordSet& rs) {
    if (m_field1 < 0)
        return;
    if (byMembers())
        m_held->bySlot.clear();
    for (Group& g : m_nodes) {
        g.totals = Totals();
        for (auto& s : g.spellings)
            s.second = 0;
    }
    m_members.clear();
    for (Slot slot : rs.slotsInOrder())
        count(rs, slot);
    // What the listed groups now are: those left empty go, new ones come, the rest change.
    std::vector<Node> parents{Root};
    while (!parents.empty()) {
        const Node parent = parents.back();
        parents.pop_back();
        auto& listed = m_nodes[parent].listed;
        for (int row = int(listed.size()) - 1; row >= 0; --row) {
            if (m_nodes[listed[size_t(row)]].totals.records == 0)
                unlist(listed[size_t(row)]);
        }
        std::vector<Node> joining;
        for (const auto& [key, child] : m_nodes[parent].byKey) {
            if (!m_nodes[child].isListed && m_nodes[child].totals.records > 0)
                joining.push_back(child);
        }
        for (Node child : joining)
            list(child);
        if (m_listener)
            m_listener->childrenChanged(parent);
        if (m_nodes[parent].depth + 1 < levels())
            parents.insert(parents.end(), listed.begin(), listed.end());
    }
    changed(Root);
}

// The groups that hold the record in `slot`, as counted.
std::vector<std::uint32_t> RecordGroups::heldBy(Slot slot) const {
    return slot < m_held->bySlot.size() ? m_held->bySlot[slot] : std::vector<std::uint32_t>();
}

void RecordGroups::update(const RecordSet& rs, Slot slot) {
    if (m_field1 < 0)
        return;
    if (byMembers()) {
        const std::vector<std::uint32_t> left = heldBy(slot);
        uncountHeld(slot);
        countHeld(rs, slot);
        heldMoved(left, m_held->bySlot[slot]);
        return;
    }
    const Node left = slot < m_members.size() ? m_members[slot].node : kNone;
    uncount(slot);
    count(rs, slot);
    moved(left, m_members[slot].node);
}

void RecordGroups::remove(Slot slot) {
    if (m_field1 < 0 || slot >= m_members.size())
        return;
    if (byMembers()) {
        const std::vector<std::uint32_t> left = heldBy(slot);
        uncountHeld(slot);
        heldMoved(left, {});
        return;
    }
    const Node left = m_members[slot].node;
    uncount(slot);
    moved(left, kNone);
}

// A record left the groups above `left` and joined those above `joined` (either kNone): the
// groups it left that are empty now go, those it joined that were not listed come, and the
// others say that their counts changed. A record saved without a change of its group leaves
// the rows as they are.
void RecordGroups::moved(Node left, Node joined) {
    const auto onPath = [this](Node n, Node leaf) {
        for (Node p = leaf; p != kNone; p = m_nodes[p].parent) {
            if (p == n)
                return true;
        }
        return false;
    };
    for (Node n = left; n != kNone && n != Root; n = m_nodes[n].parent) {
        if (onPath(n, joined))
            continue;
        if (m_nodes[n].totals.records == 0)
            unlist(n);
        else
            changed(n);
    }
    Node path[3] = {kNone, kNone, kNone};
    for (Node n = joined; n != kNone && n != Root; n = m_nodes[n].parent)
        path[m_nodes[n].depth] = n;
    for (int d = 1; d <= 2 && path[d] != kNone; ++d) {
        if (m_nodes[path[d]].isListed)
            changed(path[d]);
        else
            list(path[d]);
    }
    changed(Root);
}

// ---------------------------------------------------------------- by checklists, tags, own fields

void RecordGroups::buildChecklists(const RecordSet& rs, checklists::ChecklistKeys keys) {
    clear();
    m_field1 = GroupChoice::ChecklistField;
    m_held = std::make_shared<GroupMembers>();
    m_checklistKeys = std::move(keys);
    const auto& lists = m_checklistKeys.lists();
    for (std::uint32_t i = 0; i < lists.size(); ++i) {
        // Keyed by the list's ID, as names may repeat; in the order of the names.
        const std::string key = std::to_string(lists[i].id);
        const Node n = childOf(Root, key);
        m_nodes[n].sort = Sort{1, 0, m_collator.sortKey(lists[i].name)};
        m_nodes[n].spellings = {{lists[i].name.toStdString(), 0}};
        m_memberNodes.push_back(n);
        m_held->byKey.emplace(key, i);
    }
    for (Slot slot : rs.slotsInOrder())
        countHeld(rs, slot);
    sortListed(Root);
}

void RecordGroups::buildByKeys(const RecordSet& rs, int field, KeysOf keysOf) {
    clear();
    m_field1 = field;
    m_held = std::make_shared<GroupMembers>();
    m_keysOf = std::move(keysOf);
    for (Slot slot : rs.slotsInOrder())
        countHeld(rs, slot);
    sortListed(Root);
}

// The position of the group with this key, made when it is the first record's of it.
std::uint32_t RecordGroups::memberGroup(const std::string& key, const QString& name) {
    const auto it = m_held->byKey.find(key);
    if (it != m_held->byKey.end())
        return it->second;
    const Node n = childOf(Root, key);
    m_nodes[n].spellings = {{name.toStdString(), 0}};
    const auto at = std::uint32_t(m_memberNodes.size());
    m_memberNodes.push_back(n);
    m_held->byKey.emplace(key, at);
    return at;
}

void RecordGroups::countHeld(const RecordSet& rs, Slot slot) {
    static constexpr int kDescription = collection::at("Description");
    static constexpr int kNumber = collection::at("Number");
    static constexpr int kSeries = collection::at("Series");
    static constexpr int kStatus = collection::at("Status");
    if (slot >= m_members.size())
        m_members.resize(size_t(slot) + 1);
    auto& bySlot = m_held->bySlot;
    if (slot >= bySlot.size())
        bySlot.resize(size_t(slot) + 1);
    if (m_keysOf) {
        m_keysOf(rs, slot, m_found);
        bySlot[slot].clear();
        for (const ownfields::GroupKey& k : m_found)
            bySlot[slot].push_back(memberGroup(k.key, k.name));
        std::sort(bySlot[slot].begin(), bySlot[slot].end());
        bySlot[slot].erase(std::unique(bySlot[slot].begin(), bySlot[slot].end()),
                           bySlot[slot].end());
    } else {
        std::string a, b, c, d;
        m_checklistKeys.holders(rs.shownUtf8At(slot, kDescription, a),
                                rs.shownUtf8At(slot, kNumber, b), rs.shownUtf8At(slot, kSeries, c),
                                rs.shownUtf8At(slot, kStatus, d), bySlot[slot]);
    }
    Member m;
    m.node = Root;
    m.quantity = amounts::readQuantity(groupkey::textOf(rs, slot, kQuantity, m_scratch));
    m_members[slot] = m;
    tally(m_nodes[Root].totals, m.quantity, 1);
    for (const std::uint32_t held : bySlot[slot])
        tally(m_nodes[m_memberNodes[held]].totals, m.quantity, 1);
}

void RecordGroups::uncountHeld(Slot slot) {
    if (slot >= m_members.size() || m_members[slot].node == kNone)
        return;
    const Member m = m_members[slot];
    m_members[slot] = Member();
    tally(m_nodes[Root].totals, m.quantity, -1);
    if (slot < m_held->bySlot.size()) {
        for (const std::uint32_t held : m_held->bySlot[slot])
            tally(m_nodes[m_memberNodes[held]].totals, m.quantity, -1);
        m_held->bySlot[slot].clear();
    }
}

// A record left the groups `left` and is now held by `joined`: those left empty go, those
// it brought a first record come, the others say that their counts changed.
void RecordGroups::heldMoved(const std::vector<std::uint32_t>& left,
                             const std::vector<std::uint32_t>& joined) {
    std::vector<std::uint32_t> touched;
    std::set_union(left.begin(), left.end(), joined.begin(), joined.end(),
                   std::back_inserter(touched));
    for (const std::uint32_t held : touched) {
        const Node n = m_memberNodes[held];
        if (m_nodes[n].totals.records == 0) {
            if (m_nodes[n].isListed)
                unlist(n);
        } else if (!m_nodes[n].isListed) {
            list(n);
        } else {
            changed(n);
        }
    }
    changed(Root);
}

// ---------------------------------------------------------------- reading

std::optional<std::int64_t> RecordGroups::year(Node node) const {
    const int depth = m_nodes[node].depth;
    if (depth == 0 || byMembers() ||
        collection::GroupFields[size_t(field(depth - 1))].column != kYear)
        return std::nullopt;
    return wholeYear(m_nodes[node].key);
}

QString RecordGroups::spelling(Node node) const {
    const auto& spellings = m_nodes[node].spellings;
    const auto most =
        std::max_element(spellings.begin(), spellings.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == spellings.end() ? QString() : QString::fromStdString(most->first);
}

GroupChoice RecordGroups::choice(Node node) const {
    GroupChoice c;
    const Group& g = m_nodes[node];
    if (g.depth == 1) {
        c.field1 = m_field1;
        c.key1 = g.key;
        if (byMembers())
            c.members = m_held;
    } else if (g.depth == 2) {
        c.field1 = m_field1;
        c.key1 = m_nodes[g.parent].key;
        c.field2 = m_field2;
        c.key2 = g.key;
    }
    return c;
}

std::optional<RecordGroups::Node> RecordGroups::find(const GroupChoice& choice) const {
    if (choice.isEmpty() || choice.field1 != m_field1)
        return std::nullopt;
    const auto first = m_nodes[Root].byKey.find(choice.key1);
    if (first == m_nodes[Root].byKey.end() || !m_nodes[first->second].isListed)
        return std::nullopt;
    if (choice.field2 < 0)
        return first->second;
    if (choice.field2 != m_field2)
        return std::nullopt;
    const auto& under = m_nodes[first->second].byKey;
    const auto second = under.find(choice.key2);
    if (second == under.end() || !m_nodes[second->second].isListed)
        return std::nullopt;
    return second->second;
}

}  // namespace kbs
