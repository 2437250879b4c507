#include "ChecklistMatcher.h"

#include <sqlite3.h>

#include <algorithm>
#include <numeric>

#include "Sqlite.h"

namespace kbs::checklists {

namespace {
const QString kSource = QStringLiteral("Checklists");

// The key of a UTF-8 text into `out`: ASCII letters and digits lower-cased, the rest left out;
// a text with other characters goes the long way, through key().
void keyInto(std::string_view text, std::string& out) {
    out.clear();
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            out = ChecklistMatcher::key(QString::fromUtf8(text.data(), qsizetype(text.size())))
                      .toStdString();
            return;
        }
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))
            out += char(c);
        else if (c >= 'A' && c <= 'Z')
            out += char(c + 32);
    }
}

// Without the leading zeros of its digits ("05a" -> "5a", "0" stays).
void dropZeros(std::string& k) {
    size_t zeros = 0;
    while (zeros + 1 < k.size() && k[zeros] == '0' && k[zeros + 1] >= '0' && k[zeros + 1] <= '9')
        ++zeros;
    k.erase(0, zeros);
}

// The series and number key: the series' key, a separator, the number's key.
std::string seriesNumberKey(std::string_view series, std::string_view number) {
    std::string s;
    std::string n;
    keyInto(series, s);
    keyInto(number, n);
    dropZeros(n);
    if (n.empty())
        return {};
    return s + '\x1f' + n;
}

std::string_view viewOf(sqlite3_stmt* st, int col) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    return t ? std::string_view(t, size_t(sqlite3_column_bytes(st, col))) : std::string_view();
}

// The value of the number's leading digits (-1 when it starts with none) and the rest's key.
std::pair<qint64, QString> numberParts(const QString& number) {
    const QString k = ChecklistMatcher::numberKey(number);
    qsizetype digits = 0;
    while (digits < k.size() && digits < 18 && k.at(digits).isDigit())
        ++digits;
    if (digits == 0)
        return {-1, k};
    return {k.left(digits).toLongLong(), k.mid(digits)};
}
}  // namespace

ChecklistMatcher ChecklistMatcher::ofCatalogue(sqlite3* db) {
    ChecklistMatcher m;
    sqlite::Stmt st(db, "SELECT ID, Description, Number, Series, Status FROM table1 ORDER BY ID",
                    kSource);
    while (st.step(kSource))
        m.add(sqlite3_column_int64(st.get(), 0), viewOf(st.get(), 1), viewOf(st.get(), 2),
              viewOf(st.get(), 3), viewOf(st.get(), 4));
    return m;
}

void ChecklistMatcher::add(std::int64_t id, std::string_view description, std::string_view number,
                           std::string_view series, std::string_view status) {
    const Held h{id, isWant(status)};
    if (std::string k = seriesNumberKey(series, number); !k.empty())
        m_bySeriesNumber[std::move(k)].push_back(h);
    keyInto(description, m_scratch);
    if (!m_scratch.empty())
        m_byDescription[m_scratch].push_back(h);
}

std::string ChecklistMatcher::descriptionKey(std::string_view description) {
    std::string k;
    keyInto(description, k);
    return k;
}

std::string ChecklistMatcher::seriesNumberKey(std::string_view series, std::string_view number) {
    return checklists::seriesNumberKey(series, number);
}

bool ChecklistMatcher::isWant(std::string_view status) {
    std::string k;
    keyInto(status, k);
    return k == "want";
}

QString ChecklistMatcher::key(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            out += c.toCaseFolded();
    }
    return out;
}

QString ChecklistMatcher::numberKey(const QString& number) {
    std::string k = key(number).toStdString();
    dropZeros(k);
    return QString::fromStdString(k);
}

bool ChecklistMatcher::numberLess(const QString& a, const QString& b) {
    const auto pa = numberParts(a);
    const auto pb = numberParts(b);
    if ((pa.first < 0) != (pb.first < 0))
        return pb.first < 0;
    return pa < pb;
}

std::vector<int> ChecklistMatcher::numberOrder(const std::vector<Entry>& entries) {
    std::vector<int> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return numberLess(entries[size_t(a)].number, entries[size_t(b)].number);
    });
    return order;
}

const std::vector<ChecklistMatcher::Held>* ChecklistMatcher::candidates(const List& list,
                                                                        const Entry& entry) const {
    std::string k;
    if (list.rule == Rule::Description)
        keyInto(entry.name.toStdString(), k);
    else
        k = seriesNumberKey(list.series.toStdString(), entry.number.toStdString());
    const Index& index = list.rule == Rule::Description ? m_byDescription : m_bySeriesNumber;
    const auto it = index.find(k);
    return it == index.end() ? nullptr : &it->second;
}

ChecklistMatcher::Match ChecklistMatcher::match(const List& list, const Entry& entry) const {
    Match m;
    const auto* found = candidates(list, entry);
    if (!found)
        return m;
    for (const Held& h : *found) {
        if (!h.wanted)
            return {State::Held, h.id};
        if (m.state == State::Missing)
            m = {State::Wanted, h.id};
    }
    return m;
}

ChecklistMatcher::Counts ChecklistMatcher::count(const List& list,
                                                 const std::vector<Entry>& entries) const {
    Counts c;
    for (const Entry& e : entries) {
        switch (match(list, e).state) {
            case State::Held:
                ++c.held;
                break;
            case State::Wanted:
                ++c.wanted;
                break;
            case State::Missing:
                ++c.missing;
                break;
        }
    }
    return c;
}

std::vector<std::int64_t> ChecklistMatcher::heldIds(const List& list,
                                                    const std::vector<Entry>& entries) const {
    std::vector<std::int64_t> ids;
    for (const Entry& e : entries) {
        if (const auto* found = candidates(list, e)) {
            for (const Held& h : *found) {
                if (!h.wanted)
                    ids.push_back(h.id);
            }
        }
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

ChecklistKeys::ChecklistKeys(const std::vector<List>& lists,
                             const std::vector<std::vector<Entry>>& entries)
    : m_lists(lists) {
    for (std::uint32_t l = 0; l < lists.size() && l < entries.size(); ++l) {
        const List& list = lists[l];
        for (const Entry& e : entries[l]) {
            const std::string k = list.rule == Rule::Description
                                      ? ChecklistMatcher::descriptionKey(e.name.toStdString())
                                      : ChecklistMatcher::seriesNumberKey(list.series.toStdString(),
                                                                          e.number.toStdString());
            if (k.empty())
                continue;
            auto& holders =
                (list.rule == Rule::Description ? m_byDescription : m_bySeriesNumber)[k];
            if (holders.empty() || holders.back() != l)
                holders.push_back(l);
        }
    }
}

void ChecklistKeys::holders(std::string_view description, std::string_view number,
                            std::string_view series, std::string_view status,
                            std::vector<std::uint32_t>& out) const {
    out.clear();
    if (m_lists.empty() || ChecklistMatcher::isWant(status))
        return;
    const auto add = [&](const Index& index, const std::string& k) {
        if (k.empty())
            return;
        if (const auto it = index.find(k); it != index.end())
            out.insert(out.end(), it->second.begin(), it->second.end());
    };
    add(m_bySeriesNumber, ChecklistMatcher::seriesNumberKey(series, number));
    add(m_byDescription, ChecklistMatcher::descriptionKey(description));
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

}  // namespace kbs::checklists
