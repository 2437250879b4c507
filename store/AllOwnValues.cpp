// Every record's own values and tags in a compact form: the distinct texts once, and per record
// small codes into them.
#include <sqlite3.h>

#include <algorithm>
#include <deque>
#include <limits>
#include <numeric>
#include <string>
#include <unordered_map>

#include "OwnFields.h"
#include "Sqlite.h"

namespace kbs::ownfields {

namespace {

const QString kSource = QStringLiteral("Own fields");

double numberOrNone(Kind kind, const QString& text) {
    return numberOf(kind, text).value_or(std::numeric_limits<double>::quiet_NaN());
}

// While reading: each distinct text of a pool once, by its UTF-8 bytes, so that a text read
// again makes no string of its own.
class Reader {
public:
    Reader(AllValues::Pool& pool, Kind kind) : m_pool(pool), m_kind(kind) {}
    std::uint32_t codeAt(sqlite3_stmt* st, int col) {
        const char* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        const int n = sqlite3_column_bytes(st, col);
        m_key.assign(p ? p : "", std::size_t(n));
        const auto [at, added] = m_codes.try_emplace(m_key, 0);
        if (added) {
            m_pool.texts.push_back(textOf(st, col));
            m_pool.numbers.push_back(numberOrNone(m_kind, m_pool.texts.back()));
            at->second = std::uint32_t(m_pool.texts.size());
        }
        return at->second;
    }
    // Puts the pool's texts in order, once every text is in.
    void finish() {
        std::vector<std::uint32_t>& sorted = m_pool.sorted;
        sorted.resize(m_pool.texts.size());
        std::iota(sorted.begin(), sorted.end(), 0u);
        std::sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
            return m_pool.texts[a] < m_pool.texts[b];
        });
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

private:
    AllValues::Pool& m_pool;
    Kind m_kind;
    std::unordered_map<std::string, std::uint32_t> m_codes;
    std::string m_key;
};

constexpr std::size_t kNoRow = ~std::size_t(0);

// The row of a record among `records` (ascending), looked for first at and just after `hint`:
// the tables are mostly in record order. kNoRow when it is not there.
std::size_t rowNear(const std::vector<std::int64_t>& records, std::int64_t id, std::size_t& hint) {
    for (std::size_t r = hint; r < records.size() && r <= hint + 1; ++r) {
        if (records[r] == id)
            return hint = r;
    }
    const auto at = std::lower_bound(records.begin(), records.end(), id);
    if (at == records.end() || *at != id)
        return kNoRow;
    return hint = std::size_t(at - records.begin());
}

}  // namespace

std::uint32_t AllValues::Pool::codeOf(const QString& text, Kind kind) {
    const auto at =
        std::lower_bound(sorted.begin(), sorted.end(), text,
                         [&](std::uint32_t p, const QString& t) { return texts[p] < t; });
    if (at != sorted.end() && texts[*at] == text)
        return *at + 1;
    sorted.insert(at, std::uint32_t(texts.size()));
    texts.push_back(text);
    numbers.push_back(numberOrNone(kind, text));
    return std::uint32_t(texts.size());
}

const Field* AllValues::fieldNamed(const QString& name) const {
    for (const Field& f : fields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

std::optional<std::size_t> AllValues::rowOf(std::int64_t recordId) const {
    const auto at = std::lower_bound(m_records.begin(), m_records.end(), recordId);
    if (at == m_records.end() || *at != recordId)
        return std::nullopt;
    return std::size_t(at - m_records.begin());
}

QString AllValues::valueOf(std::int64_t recordId, std::size_t field) const {
    const auto row = field < m_codes.size() ? rowOf(recordId) : std::nullopt;
    const std::uint32_t code = row ? m_codes[field][*row] : 0;
    return code ? m_pools[field].texts[code - 1] : QString();
}

QStringList AllValues::tagsOf(std::int64_t recordId) const {
    QStringList out;
    if (const auto row = rowOf(recordId)) {
        for (const std::uint32_t* t = tagsBegin(*row); t != tagsEnd(*row); ++t)
            out << m_tags.texts[*t];
    }
    return out;
}

std::size_t AllValues::rowFor(std::int64_t recordId) {
    const auto at = std::lower_bound(m_records.begin(), m_records.end(), recordId);
    const std::size_t row = std::size_t(at - m_records.begin());
    if (at != m_records.end() && *at == recordId)
        return row;
    m_records.insert(at, recordId);
    for (std::vector<std::uint32_t>& codes : m_codes)
        codes.insert(codes.begin() + std::ptrdiff_t(row), 0);
    m_tagAt.insert(m_tagAt.begin() + std::ptrdiff_t(row), m_tagAt[row]);  // none yet
    return row;
}

void AllValues::set(std::int64_t recordId, const std::vector<Value>& values,
                    const QStringList& tags) {
    if (values.empty() && tags.isEmpty() && !rowOf(recordId))
        return;
    const std::size_t row = rowFor(recordId);
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const auto v = std::find_if(values.begin(), values.end(),
                                    [&](const Value& x) { return x.fieldId == fields[f].id; });
        m_codes[f][row] =
            v == values.end() || v->text.isEmpty() ? 0 : m_pools[f].codeOf(v->text, fields[f].kind);
    }
    std::vector<std::uint32_t> now;
    for (const QString& t : tags)
        now.push_back(m_tags.codeOf(t, Kind::Text) - 1);
    const auto begin = m_tagList.begin() + std::ptrdiff_t(m_tagAt[row]);
    const auto end = m_tagList.begin() + std::ptrdiff_t(m_tagAt[row + 1]);
    const std::ptrdiff_t grown = std::ptrdiff_t(now.size()) - (end - begin);
    m_tagList.insert(m_tagList.erase(begin, end), now.begin(), now.end());
    for (std::size_t r = row + 1; r < m_tagAt.size(); ++r)
        m_tagAt[r] = std::uint32_t(std::ptrdiff_t(m_tagAt[r]) + grown);
}

AllValues readAll(sqlite3* db) {
    AllValues all;
    all.fields = fields(db);
    all.m_pools.resize(all.fields.size());
    all.m_codes.resize(all.fields.size());
    if (all.fields.empty() && !present(db))
        return all;
    sqlite::Stmt ids(db,
                     "SELECT record_id FROM own_values UNION SELECT record_id FROM record_tags "
                     "ORDER BY 1",
                     kSource);
    while (ids.step(kSource))
        all.m_records.push_back(sqlite3_column_int64(ids.get(), 0));
    const std::size_t rows = all.m_records.size();
    std::unordered_map<std::int64_t, std::size_t> slot;
    for (std::size_t i = 0; i < all.fields.size(); ++i) {
        slot.emplace(all.fields[i].id, i);
        all.m_codes[i].assign(rows, 0);
    }
    {
        std::deque<Reader> readers;
        for (std::size_t i = 0; i < all.fields.size(); ++i)
            readers.emplace_back(all.m_pools[i], all.fields[i].kind);
        sqlite::Stmt st(db, "SELECT field_id, record_id, value FROM own_values", kSource);
        std::size_t hint = 0;
        while (st.step(kSource)) {
            const auto at = slot.find(sqlite3_column_int64(st.get(), 0));
            if (at == slot.end())
                continue;
            const std::size_t row = rowNear(all.m_records, sqlite3_column_int64(st.get(), 1), hint);
            if (row != kNoRow)
                all.m_codes[at->second][row] = readers[at->second].codeAt(st.get(), 2);
        }
        for (Reader& r : readers)
            r.finish();
    }
    // The tags in the order they were given, gathered by row.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tagged;  // row, tag position
    {
        Reader reader(all.m_tags, Kind::Text);
        sqlite::Stmt st(db, "SELECT record_id, tag FROM record_tags ORDER BY tag_id", kSource);
        std::size_t hint = 0;
        while (st.step(kSource)) {
            const std::size_t row = rowNear(all.m_records, sqlite3_column_int64(st.get(), 0), hint);
            if (row != kNoRow)
                tagged.emplace_back(std::uint32_t(row), reader.codeAt(st.get(), 1) - 1);
        }
        reader.finish();
    }
    all.m_tagAt.assign(rows + 1, 0);
    for (const auto& [row, tag] : tagged)
        ++all.m_tagAt[row + 1];
    std::partial_sum(all.m_tagAt.begin(), all.m_tagAt.end(), all.m_tagAt.begin());
    all.m_tagList.resize(tagged.size());
    std::vector<std::uint32_t> next(all.m_tagAt.begin(), all.m_tagAt.end() - 1);
    for (const auto& [row, tag] : tagged)
        all.m_tagList[next[row]++] = tag;
    return all;
}

}  // namespace kbs::ownfields
