#include "ValueByDate.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "Sqlite.h"
#include "TypedDate.h"
#include "ValueHistory.h"

namespace kbs::values {

namespace {
const QString kSource = QStringLiteral("Value history");

std::string_view utf8At(sqlite3_stmt* st, int col) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    return p ? std::string_view(p, size_t(sqlite3_column_bytes(st, col))) : std::string_view();
}

QDate dateAt(sqlite3_stmt* st, int col) {
    return readDate(QString::fromUtf8(utf8At(st, col)));
}

bool isHave(std::string_view status) {
    while (!status.empty() && status.front() == ' ')
        status.remove_prefix(1);
    while (!status.empty() && status.back() == ' ')
        status.remove_suffix(1);
    return status.size() == 4 &&
           QString::fromUtf8(status).compare(QLatin1String("Have"), Qt::CaseInsensitive) == 0;
}

// One valuation of a record held: its place among the held records, its day, its amount.
struct Dated {
    std::uint32_t record;
    std::int32_t day;  // a Julian day, as far as valuations go
    std::int64_t value;
};

// A running total that knows when it no longer fits an amount.
__extension__ typedef __int128 Wide;
struct Running {
    Wide total = 0;
    amounts::Sum sum() const {
        amounts::Sum s;
        s.overflow = total > std::numeric_limits<std::int64_t>::max() ||
                     total < std::numeric_limits<std::int64_t>::min();
        s.total = s.overflow ? 0 : std::int64_t(total);
        return s;
    }
};

constexpr std::int32_t kNoDay = std::numeric_limits<std::int32_t>::min();

std::int32_t dayOf(const QDate& d) {
    if (!d.isValid())
        return kNoDay;
    const qint64 jd = d.toJulianDay();
    return jd > kNoDay && jd <= std::numeric_limits<std::int32_t>::max() ? std::int32_t(jd)
                                                                         : kNoDay;
}
}  // namespace

// The records held among those asked for, in flat arrays (a record's place is its index), and
// their valuations by day, those of one day as entered: at 100,000 records with several
// valuations each this is a few megabytes, read in one pass over each table.
struct ValueByDate::Held {
    std::vector<qint64> ids;           // ascending
    std::vector<std::int32_t> bought;  // kNoDay: not counted as paid
    std::vector<std::int64_t> paid;
    std::vector<QString> descriptions;  // only when asked for
    std::vector<Dated> valuations;

    // Walks the valuations in day order up to and including `day`, keeping each record's latest
    // in `current` (and `known`), and `total` their sum; `next` is where the walk stands.
    void walkTo(std::int32_t day, size_t& next, std::vector<std::int64_t>& current,
                std::vector<char>& known, Running& total) const {
        for (; next < valuations.size() && valuations[next].day <= day; ++next) {
            const Dated& v = valuations[next];
            if (known[v.record])
                total.total -= current[v.record];
            total.total += v.value;
            current[v.record] = v.value;
            known[v.record] = 1;
        }
    }
};

ValueByDate::Held ValueByDate::held(const std::vector<qint64>& recordIds, int* unreadable,
                                    bool descriptions) const {
    std::vector<qint64> asked = recordIds;
    std::sort(asked.begin(), asked.end());
    asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
    Held out;
    {
        sqlite::Stmt st(m_db,
                        "SELECT ID, Status, Purchase, Purch_Date, Description FROM table1 "
                        "ORDER BY ID",
                        kSource);
        while (st.step(kSource)) {
            const qint64 id = sqlite3_column_int64(st.get(), 0);
            if (!std::binary_search(asked.begin(), asked.end(), id) || !isHave(utf8At(st.get(), 1)))
                continue;
            std::int32_t bought = kNoDay;
            std::int64_t paid = 0;
            const amounts::Reading reading = amounts::readAmount(utf8At(st.get(), 2));
            if (reading.kind == amounts::Reading::Kind::Number) {
                // A purchase date as typed; an ambiguous one month first, as the history reads.
                bought = dayOf(readTypedDate(utf8At(st.get(), 3), false));
                paid = reading.number;
                if (bought == kNoDay)
                    ++*unreadable;
            } else if (reading.kind == amounts::Reading::Kind::Unreadable) {
                ++*unreadable;
            }
            out.ids.push_back(id);
            out.bought.push_back(bought);
            out.paid.push_back(paid);
            if (descriptions)
                out.descriptions.push_back(QString::fromUtf8(utf8At(st.get(), 4)).trimmed());
        }
    }
    sqlite::Stmt st(m_db, "SELECT record_id, date, value FROM value_history ORDER BY entry_id",
                    kSource);
    while (st.step(kSource)) {
        const qint64 id = sqlite3_column_int64(st.get(), 0);
        const auto at = std::lower_bound(out.ids.begin(), out.ids.end(), id);
        if (at == out.ids.end() || *at != id)
            continue;
        const QDate day = dateAt(st.get(), 1);
        const amounts::Reading v = amounts::readAmount(utf8At(st.get(), 2));
        if (!day.isValid() || v.kind != amounts::Reading::Kind::Number) {
            ++*unreadable;
            continue;
        }
        out.valuations.push_back({std::uint32_t(at - out.ids.begin()), dayOf(day), v.number});
    }
    // Of those on one day, the one entered later counts: it comes later in the walk.
    std::stable_sort(out.valuations.begin(), out.valuations.end(),
                     [](const Dated& a, const Dated& b) { return a.day < b.day; });
    return out;
}

ValueByDate::Result ValueByDate::sums(const std::vector<qint64>& recordIds,
                                      const std::vector<QDate>& dates) const {
    Result r;
    const Held held = this->held(recordIds, &r.unreadable, false);
    const size_t n = held.ids.size();
    // The dates in their order, and the purchases in theirs, walked together.
    std::vector<size_t> byDate(dates.size());
    for (size_t i = 0; i < byDate.size(); ++i)
        byDate[i] = i;
    std::stable_sort(byDate.begin(), byDate.end(),
                     [&](size_t a, size_t b) { return dayOf(dates[a]) < dayOf(dates[b]); });
    std::vector<std::uint32_t> byPurchase;
    for (size_t i = 0; i < n; ++i)
        if (held.bought[i] != kNoDay)
            byPurchase.push_back(std::uint32_t(i));
    std::stable_sort(byPurchase.begin(), byPurchase.end(),
                     [&](auto a, auto b) { return held.bought[a] < held.bought[b]; });

    r.points.resize(dates.size());
    std::vector<std::int64_t> current(n, 0);
    std::vector<char> known(n, 0);
    Running value, paid;
    size_t nextValuation = 0, nextPurchase = 0;
    for (const size_t i : byDate) {
        const std::int32_t day = dayOf(dates[i]);
        if (day != kNoDay) {
            held.walkTo(day, nextValuation, current, known, value);
            for (; nextPurchase < byPurchase.size() && held.bought[byPurchase[nextPurchase]] <= day;
                 ++nextPurchase)
                paid.total += held.paid[byPurchase[nextPurchase]];
        }
        r.points[i] = {dates[i], day == kNoDay ? amounts::Sum{} : value.sum(),
                       day == kNoDay ? amounts::Sum{} : paid.sum()};
    }
    return r;
}

std::vector<ValueByDate::Change> ValueByDate::changes(const std::vector<qint64>& recordIds,
                                                      const QDate& from, const QDate& to) const {
    int unreadable = 0;
    const Held held = this->held(recordIds, &unreadable, true);
    const size_t n = held.ids.size();
    std::vector<Change> out;
    if (!from.isValid() || !to.isValid())
        return out;
    std::vector<std::int64_t> current(n, 0);
    std::vector<char> known(n, 0);
    Running ignored;
    size_t next = 0;
    const std::int32_t first = dayOf(std::min(from, to));
    const std::int32_t last = dayOf(std::max(from, to));
    held.walkTo(first, next, current, known, ignored);
    const std::vector<std::int64_t> atFirst = current;
    const std::vector<char> knownAtFirst = known;
    held.walkTo(last, next, current, known, ignored);
    for (size_t i = 0; i < n; ++i) {
        if (!knownAtFirst[i])
            continue;
        const bool forward = from <= to;
        out.push_back({held.ids[i], held.descriptions[i], forward ? atFirst[i] : current[i],
                       forward ? current[i] : atFirst[i]});
    }
    std::stable_sort(out.begin(), out.end(), [](const Change& x, const Change& y) {
        return x.to - x.from > y.to - y.from;
    });
    return out;
}

}  // namespace kbs::values
