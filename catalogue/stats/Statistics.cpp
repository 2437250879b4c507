#include "Statistics.h"

#include "AppError.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <unordered_map>

namespace kbs::stats {

namespace {

// A whole number of a field's text, for ordering years; nothing when it is not one.
bool wholeNumber(const QString& s, long long& n) {
    bool ok = false;
    n = s.toLongLong(&ok);
    return ok;
}

}  // namespace

amounts::Sum Statistics::Sums::gain() const {
    amounts::Sum g = value;
    if (paid.overflow || __builtin_sub_overflow(g.total, paid.total, &g.total))
        g.overflow = true;
    return g;
}

const values::ValueByDate::Result& Statistics::worth() const {
    if (m_worth)
        return *m_worth;
    m_worth.emplace();
    const std::vector<Month> months = growth();
    const QDate today = QDate::currentDate();
    QDate first = months.empty() ? QDate(today.year(), today.month(), 1).addMonths(-11)
                                 : months.front().month;
    const bool yearly = first.addYears(10) < today;
    if (yearly)
        first = QDate(first.year(), 1, 1);
    std::vector<QDate> dates;
    for (QDate d = first; d <= today; d = d.addMonths(yearly ? 12 : 1))
        dates.push_back(std::min(today, d.addMonths(yearly ? 12 : 1).addDays(-1)));
    if (m_worthSource && !m_ids.empty()) {
        try {
            *m_worth = m_worthSource(std::vector<qint64>(m_ids.begin(), m_ids.end()), dates);
        } catch (const AppError&) {
            // a catalogue whose valuations cannot be read: no points
        }
    }
    return *m_worth;
}

void Statistics::read(const RecordSet& rs, const std::vector<std::int64_t>& ids, bool dayFirst) {
    std::vector<std::int64_t> wanted = ids;  // sorted: a set of 100,000 would cost megabytes
    std::sort(wanted.begin(), wanted.end());
    const int id = rs.fieldIndex(QStringLiteral("ID"));
    const int quantity = rs.fieldIndex(QStringLiteral("Quantity"));
    const int amountColumns[] = {rs.fieldIndex(QStringLiteral("Purchase")),
                                 rs.fieldIndex(QStringLiteral("List_Price")),
                                 rs.fieldIndex(QStringLiteral("Value"))};
    const int date = rs.fieldIndex(QStringLiteral("Purch_Date"));
    m_rs = &rs;
    m_worth.reset();
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
        if (!std::binary_search(wanted.begin(), wanted.end(), key))
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
        const std::string_view dateText = trimBlanks(rs.shownUtf8At(slot, date, scratch));
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
        const std::string_view text = trimBlanks(m_rs->shownUtf8At(r.slot, field.column, scratch));
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

std::vector<Statistics::Group> Statistics::byKeys(const By::KeysOf& keysOf) const {
    struct Keyed {
        QString name;
        std::optional<double> number;
        Sums sums;
    };
    std::unordered_map<std::string, Keyed> map;
    std::vector<ownfields::GroupKey> keys;
    for (size_t i = 0; i < m_records.size() && keysOf; ++i) {
        keysOf(m_ids[i], keys);
        const Record& r = m_records[i];
        for (const ownfields::GroupKey& k : keys) {
            auto [at, added] = map.try_emplace(k.key);
            Keyed& g = at->second;
            if (added) {
                g.name = k.name;
                bool ok = false;
                const double n = QString::fromStdString(k.key).toDouble(&ok);
                if (ok)
                    g.number = n;
            }
            ++g.sums.records;
            g.sums.models.add(r.models);
            g.sums.paid.add(r.paid);
            g.sums.listPrice.add(r.listPrice);
            g.sums.value.add(r.value);
        }
    }
    std::vector<const Keyed*> sorted;
    sorted.reserve(map.size());
    for (const auto& [key, g] : map)
        sorted.push_back(&g);
    std::sort(sorted.begin(), sorted.end(), [](const Keyed* a, const Keyed* b) {
        if (a->name.isEmpty() != b->name.isEmpty())
            return a->name.isEmpty();
        if (a->number.has_value() != b->number.has_value())
            return a->number.has_value();
        if (a->number && *a->number != *b->number)
            return *a->number < *b->number;
        const int c = a->name.compare(b->name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a->name < b->name;
    });
    std::vector<Group> groups;
    groups.reserve(sorted.size());
    for (const Keyed* g : sorted)
        groups.push_back({g->name, g->sums});
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
