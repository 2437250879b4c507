#include "Statistics.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace kbs::stats {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && blank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && blank(t.back()))
        t.remove_suffix(1);
    return t;
}

int yearOf(int number, size_t digits) {
    if (digits == 2)
        return number < 50 ? 2000 + number : 1900 + number;
    return digits == 4 ? number : 0;
}

// The numbers of a text and how many digits each had; false for anything but digits between
// single separators ("-", "/", ".").
bool numbersOf(std::string_view t, std::array<int, 3>& numbers, std::array<size_t, 3>& digits,
               int& count, char& separator) {
    count = 0;
    separator = 0;
    while (!t.empty()) {
        if (count == 3)
            return false;
        size_t n = 0;
        while (n < t.size() && t[n] >= '0' && t[n] <= '9')
            ++n;
        if (n == 0 || n > 4)
            return false;
        std::from_chars(t.data(), t.data() + n, numbers[size_t(count)]);
        digits[size_t(count++)] = n;
        t.remove_prefix(n);
        if (t.empty())
            break;
        if (t.front() != '-' && t.front() != '/' && t.front() != '.')
            return false;
        if (separator && t.front() != separator)
            return false;
        separator = t.front();
        t.remove_prefix(1);
        if (t.empty())
            return false;
    }
    return count > 0;
}

// A whole number of a field's text, for ordering years; nothing when it is not one.
bool wholeNumber(const QString& s, long long& n) {
    bool ok = false;
    n = s.toLongLong(&ok);
    return ok;
}

}  // namespace

QDate readDate(std::string_view text, bool dayFirst) {
    std::array<int, 3> n{};
    std::array<size_t, 3> d{};
    int count = 0;
    char separator = 0;
    if (!numbersOf(trimmed(text), n, d, count, separator))
        return {};
    auto valid = [](int y, int m, int day) { return y > 0 ? QDate(y, m, day) : QDate(); };
    if (count == 1)
        return d[0] == 4 ? valid(n[0], 1, 1) : QDate();
    if (count == 2) {
        if (d[0] == 4)
            return valid(n[0], n[1], 1);            // 1998-03
        return valid(yearOf(n[1], d[1]), n[0], 1);  // 3/1998
    }
    if (d[0] == 4)
        return valid(n[0], n[1], n[2]);
    const int year = yearOf(n[2], d[2]);
    bool day0 = dayFirst || separator == '.';  // "12.3.1998" puts the day first everywhere
    if (n[0] > 12 && n[1] <= 12)
        day0 = true;
    else if (n[1] > 12 && n[0] <= 12)
        day0 = false;
    return day0 ? valid(year, n[1], n[0]) : valid(year, n[0], n[1]);
}

amounts::Sum Statistics::Sums::gain() const {
    amounts::Sum g = value;
    if (paid.overflow || __builtin_sub_overflow(g.total, paid.total, &g.total))
        g.overflow = true;
    return g;
}

void Statistics::read(const RecordSet& rs, const std::vector<std::int64_t>& ids, bool dayFirst) {
    const std::unordered_set<std::int64_t> wanted(ids.begin(), ids.end());
    const int id = rs.fieldIndex(QStringLiteral("ID"));
    const int quantity = rs.fieldIndex(QStringLiteral("Quantity"));
    const int amountColumns[] = {rs.fieldIndex(QStringLiteral("Purchase")),
                                 rs.fieldIndex(QStringLiteral("List_Price")),
                                 rs.fieldIndex(QStringLiteral("Value"))};
    const int date = rs.fieldIndex(QStringLiteral("Purch_Date"));
    m_rs = &rs;
    m_records.clear();
    m_records.reserve(ids.size());
    m_ids.clear();
    m_ids.reserve(ids.size());
    m_all = {};
    m_unreadable = {};
    m_undated = 0;
    std::string scratch;
    for (const RecordSet::Slot slot : rs.slotsInOrder()) {
        std::int64_t key = 0;
        const std::string_view idText = rs.shownUtf8At(slot, id, scratch);
        std::from_chars(idText.data(), idText.data() + idText.size(), key);
        if (!wanted.count(key))
            continue;
        Record r{slot, 0, 0, 0, 0, -1};
        const amounts::Reading q = amounts::readQuantity(rs.shownUtf8At(slot, quantity, scratch));
        if (q.kind == amounts::Reading::Kind::Unreadable)
            ++m_unreadable.quantities;
        r.models = q.kind == amounts::Reading::Kind::Number ? q.number : 0;
        std::int64_t* into[] = {&r.paid, &r.listPrice, &r.value};
        for (size_t i = 0; i < std::size(amountColumns); ++i) {
            const amounts::Reading a =
                amounts::readAmount(rs.shownUtf8At(slot, amountColumns[i], scratch));
            if (a.kind == amounts::Reading::Kind::Unreadable)
                ++m_unreadable.amounts;
            *into[i] = a.kind == amounts::Reading::Kind::Number ? a.number : 0;
        }
        const std::string_view dateText = trimmed(rs.shownUtf8At(slot, date, scratch));
        const QDate bought = readDate(dateText, dayFirst);
        if (bought.isValid())
            r.purchased = bought.year() * 12 + bought.month() - 1;
        else
            ++m_undated;
        if (!dateText.empty() && !bought.isValid())
            ++m_unreadable.dates;
        ++m_all.records;
        m_all.models.add(r.models);
        m_all.paid.add(r.paid);
        m_all.listPrice.add(r.listPrice);
        m_all.value.add(r.value);
        m_records.push_back(r);
        m_ids.push_back(key);
    }
}

std::vector<Statistics::Group> Statistics::byField(const collection::GroupField& field) const {
    std::vector<Group> groups;
    if (!m_rs)
        return groups;
    std::unordered_map<std::string, Sums> map;
    std::string scratch;
    std::string key;
    for (const Record& r : m_records) {
        const std::string_view text = trimmed(m_rs->shownUtf8At(r.slot, field.column, scratch));
        key.assign(text);
        if (field.byDecade) {
            int year = 0;
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), year);
            if (ec == std::errc() && end == text.data() + text.size() && text.size() == 4)
                key = std::to_string(year / 10 * 10) + 's';
        }
        Sums& s = map[key];
        ++s.records;
        s.models.add(r.models);
        s.paid.add(r.paid);
        s.listPrice.add(r.listPrice);
        s.value.add(r.value);
    }
    groups.reserve(map.size());
    for (auto& [name, sums] : map)
        groups.push_back({QString::fromUtf8(name.data(), qsizetype(name.size())), sums});
    // Numbers (years) in their order before other names; names regardless of case.
    std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        if (a.name.isEmpty() != b.name.isEmpty())
            return a.name.isEmpty();
        long long x = 0, y = 0;
        const bool ax = wholeNumber(a.name, x), by = wholeNumber(b.name, y);
        if (ax != by)
            return ax;
        if (ax && x != y)
            return x < y;
        const int c = a.name.compare(b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.name < b.name;
    });
    return groups;
}

std::vector<Statistics::Month> Statistics::growth() const {
    std::vector<const Record*> dated;
    for (const Record& r : m_records) {
        if (r.purchased >= 0)
            dated.push_back(&r);
    }
    std::sort(dated.begin(), dated.end(),
              [](const Record* a, const Record* b) { return a->purchased < b->purchased; });
    std::vector<Month> months;
    Month running;
    for (const Record* r : dated) {
        const QDate first(r->purchased / 12, r->purchased % 12 + 1, 1);
        if (months.empty() || months.back().month != first) {
            running.month = first;
            months.push_back(running);
        }
        Month& m = months.back();
        ++m.records;
        m.spent.add(r->paid);
        running = m;
    }
    return months;
}

}  // namespace kbs::stats
