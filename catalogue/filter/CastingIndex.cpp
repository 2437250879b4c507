#include "CastingIndex.h"

#include <algorithm>
#include <cstring>

#include "Amounts.h"

namespace kbs {

namespace {
constexpr char kEnd = '\x1f';
constexpr int kDescription = 0;
constexpr int kNumber = 1;
constexpr int kSeries = 3;
}  // namespace

std::string CastingIndex::key(std::string_view utf8) {
    std::string out;
    appendKey(utf8, out);
    return out;
}

void CastingIndex::appendKey(std::string_view utf8, std::string& out) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x80) {
            // Beyond ASCII: the rest goes through Qt's letters, digits and case folding.
            const QString rest = QString::fromUtf8(utf8.data() + i, qsizetype(utf8.size() - i));
            QString kept;
            for (const QChar ch : rest) {
                if (ch.isLetterOrNumber() || ch.isMark() || ch.isSurrogate())
                    kept += ch;
            }
            out += kept.toCaseFolded().toUtf8().toStdString();
            return;
        }
        if (c >= 'A' && c <= 'Z')
            out += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            out += char(c);
    }
}

std::string CastingIndex::joinedKeys(const Variation& typed) {
    std::string joined;
    for (const QString& t : typed) {
        joined += key(t);
        joined += kEnd;
    }
    return joined;
}

std::string_view CastingIndex::part(const std::string& joined, int field) {
    std::size_t begin = 0;
    for (int i = 0; i < field; ++i)
        begin = joined.find(kEnd, begin) + 1;
    return std::string_view(joined).substr(begin, joined.find(kEnd, begin) - begin);
}

std::uint64_t CastingIndex::hash(std::string_view a, std::string_view b) {
    // FNV-1a over both parts, with the end mark between them.
    std::uint64_t h = 1469598103934665603ULL;
    auto mix = [&h](std::string_view s) {
        for (const char c : s) {
            h ^= static_cast<unsigned char>(c);
            h *= 1099511628211ULL;
        }
        h ^= static_cast<unsigned char>(kEnd);
        h *= 1099511628211ULL;
    };
    mix(a);
    mix(b);
    return h;
}

bool CastingIndex::namesModel(const std::string& joined) {
    return !part(joined, kDescription).empty() || !part(joined, kNumber).empty();
}

void CastingIndex::add(Buckets& b, std::uint64_t h, Slot slot) {
    std::vector<Slot>& v = b[h];
    if (v.empty() || v.back() < slot)
        v.push_back(slot);  // as when the index is made: slots in order
    else
        v.insert(std::lower_bound(v.begin(), v.end(), slot), slot);
}

void CastingIndex::drop(Buckets& b, std::uint64_t h, Slot slot) {
    const auto it = b.find(h);
    if (it == b.end())
        return;
    std::vector<Slot>& v = it->second;
    const auto at = std::lower_bound(v.begin(), v.end(), slot);
    if (at != v.end() && *at == slot)
        v.erase(at);
    if (v.empty())
        b.erase(it);
}

void CastingIndex::file(Slot slot, bool in) {
    Keys& k = m_keys[slot];
    if (k.indexed == in)
        return;
    k.indexed = in;
    m_count += in ? 1 : -1;
    const std::string_view description = part(k.joined, kDescription);
    const std::string_view number = part(k.joined, kNumber);
    auto apply = [&](Buckets& b, std::uint64_t h) { in ? add(b, h, slot) : drop(b, h, slot); };
    if (!description.empty())
        apply(m_byDescription, hash(description));
    if (!number.empty())
        apply(m_bySeriesNumber, hash(part(k.joined, kSeries), number));
}

void CastingIndex::build(const RecordSet& rs) {
    m_rs = &rs;
    m_count = 0;
    m_keys.clear();
    m_byDescription.clear();
    m_bySeriesNumber.clear();
    const auto& order = rs.slotsInOrder();
    if (!order.empty())
        m_keys.resize(std::size_t(*std::max_element(order.begin(), order.end())) + 1);
    m_byDescription.reserve(order.size() / 8);
    m_bySeriesNumber.reserve(order.size() / 8);
    for (const Slot s : order)
        update(rs, s);
}

bool CastingIndex::follows(const RecordSet& rs) const {
    return m_rs == &rs && m_count == long(rs.slotsInOrder().size());
}

void CastingIndex::update(const RecordSet& rs, Slot slot) {
    if (slot >= m_keys.size())
        m_keys.resize(std::size_t(slot) + 1);
    file(slot, false);
    std::string& joined = m_keys[slot].joined;
    joined.clear();
    std::string scratch;
    for (const int position : VariationFields) {
        appendKey(rs.shownUtf8At(slot, position, scratch), joined);
        joined += kEnd;
    }
    file(slot, true);
}

void CastingIndex::remove(Slot slot) {
    if (slot < m_keys.size())
        file(slot, false);
}

std::vector<CastingIndex::Slot> CastingIndex::lookUp(const Buckets& b, std::uint64_t h,
                                                     bool (*same)(const std::string&,
                                                                  const std::string&),
                                                     const std::string& typed) const {
    std::vector<Slot> out;
    const auto it = b.find(h);
    if (it == b.end())
        return out;
    for (const Slot s : it->second) {
        if (same(m_keys[s].joined, typed))
            out.push_back(s);
    }
    return out;
}

std::vector<CastingIndex::Slot> CastingIndex::sameCasting(const Variation& typed) const {
    const std::string joined = joinedKeys(typed);
    const std::string_view description = part(joined, kDescription);
    const std::string_view number = part(joined, kNumber);
    std::vector<Slot> byDescription;
    std::vector<Slot> byNumber;
    if (!description.empty()) {
        byDescription = lookUp(
            m_byDescription, hash(description),
            [](const std::string& a, const std::string& b) {
                return part(a, kDescription) == part(b, kDescription);
            },
            joined);
    }
    if (!number.empty()) {
        byNumber = lookUp(
            m_bySeriesNumber, hash(part(joined, kSeries), number),
            [](const std::string& a, const std::string& b) {
                return part(a, kNumber) == part(b, kNumber) && part(a, kSeries) == part(b, kSeries);
            },
            joined);
    }
    std::vector<Slot> out;
    out.reserve(byDescription.size() + byNumber.size());
    std::set_union(byDescription.begin(), byDescription.end(), byNumber.begin(), byNumber.end(),
                   std::back_inserter(out));
    return out;
}

std::vector<CastingIndex::Slot> CastingIndex::sameModel(const Variation& typed) const {
    // The same model has the same description, or, without one, the same number in the series.
    const std::string joined = joinedKeys(typed);
    const auto same = [](const std::string& a, const std::string& b) { return a == b; };
    if (!part(joined, kDescription).empty())
        return lookUp(m_byDescription, hash(part(joined, kDescription)), same, joined);
    if (!part(joined, kNumber).empty())
        return lookUp(m_bySeriesNumber, hash(part(joined, kSeries), part(joined, kNumber)), same,
                      joined);
    return {};
}

CastingIndex::Differences CastingIndex::differences(Slot slot, const Variation& typed) const {
    Differences d = 0;
    if (slot >= m_keys.size())
        return d;
    const std::string& joined = m_keys[slot].joined;
    for (int i = 0; i < VariationCount; ++i) {
        if (part(joined, i) != key(typed[std::size_t(i)]))
            d |= Differences(1u << i);
    }
    return d;
}

std::vector<CastingIndex::Slot> CastingIndex::duplicates(const RecordSet& rs,
                                                         std::vector<int>* models) const {
    constexpr int quantity = collection::at("Quantity");
    // Every record in the order of its keys, so that each model's records lie together. The
    // keys' first bytes, as a number, tell most of them apart without a look at the keys.
    struct Sorted {
        std::uint64_t prefix;
        Slot slot;
    };
    std::vector<Sorted> sorted;
    sorted.reserve(rs.slotsInOrder().size());
    for (const Slot s : rs.slotsInOrder()) {
        if (s >= m_keys.size() || !m_keys[s].indexed)
            continue;
        std::uint64_t prefix = 0;
        const std::string& k = m_keys[s].joined;
        for (std::size_t b = 0; b < 8; ++b)
            prefix = prefix << 8 | (b < k.size() ? std::uint8_t(k[b]) : 0);
        sorted.push_back({prefix, s});
    }
    std::sort(sorted.begin(), sorted.end(), [this](const Sorted& a, const Sorted& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int c = m_keys[a.slot].joined.compare(m_keys[b.slot].joined);
        return c < 0 || (c == 0 && a.slot < b.slot);
    });
    std::vector<Slot> all;
    all.reserve(sorted.size());
    for (const Sorted& s : sorted)
        all.push_back(s.slot);
    std::vector<Slot> out;
    std::string scratch;
    int model = 0;
    for (std::size_t i = 0; i < all.size();) {
        const std::string& joined = m_keys[all[i]].joined;
        std::size_t end = i + 1;
        while (end < all.size() && m_keys[all[end]].joined == joined)
            ++end;
        const bool shared = end - i > 1 && namesModel(joined);
        for (; i < end; ++i) {
            bool several = shared;
            if (!several) {
                const amounts::Reading q =
                    amounts::readQuantity(rs.shownUtf8At(all[i], quantity, scratch));
                several = q.kind == amounts::Reading::Kind::Number && q.number > 1;
            }
            if (several) {
                out.push_back(all[i]);
                if (models)
                    models->push_back(model);
                if (!shared)
                    ++model;  // listed for its quantity: a model of its own
            }
        }
        if (shared)
            ++model;
    }
    return out;
}

}  // namespace kbs
