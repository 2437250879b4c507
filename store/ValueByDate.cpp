#include "ValueByDate.h"

#include <sqlite3.h>

#include <algorithm>
#include <string_view>
#include <unordered_map>

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

// The latest valuation on or before `day` among one record's, oldest first; null when none.
const std::int64_t* valueOn(const auto& valuations, const QDate& day) {
    const auto after = std::upper_bound(valuations.begin(), valuations.end(), day,
                                        [](const QDate& d, const auto& v) { return d < v.first; });
    return after == valuations.begin() ? nullptr : &std::prev(after)->second;
}
}  // namespace

struct ValueByDate::Held {
    qint64 id = 0;
    QString description;
    QDate bought;  // invalid: not counted as paid
    std::int64_t paid = 0;
    std::vector<std::pair<QDate, std::int64_t>> valuations;  // by date
};

std::vector<ValueByDate::Held> ValueByDate::held(const std::vector<qint64>& recordIds,
                                                 int* unreadable) const {
    std::unordered_map<qint64, size_t> at;
    for (qint64 id : recordIds)
        at.emplace(id, 0);
    std::vector<Held> out;
    {
        sqlite::Stmt st(m_db, "SELECT ID, Status, Purchase, Purch_Date, Description FROM table1",
                        kSource);
        while (st.step(kSource)) {
            const auto it = at.find(sqlite3_column_int64(st.get(), 0));
            if (it == at.end() || !isHave(utf8At(st.get(), 1)))
                continue;
            Held h;
            h.id = it->first;
            h.description = QString::fromUtf8(utf8At(st.get(), 4)).trimmed();
            const amounts::Reading paid = amounts::readAmount(utf8At(st.get(), 2));
            if (paid.kind == amounts::Reading::Kind::Number) {
                // A purchase date as typed; an ambiguous one month first, as the history reads.
                h.bought = readTypedDate(utf8At(st.get(), 3), false);
                h.paid = paid.number;
                if (!h.bought.isValid())
                    ++*unreadable;
            } else if (paid.kind == amounts::Reading::Kind::Unreadable) {
                ++*unreadable;
            }
            it->second = out.size() + 1;
            out.push_back(std::move(h));
        }
    }
    sqlite::Stmt st(m_db, "SELECT record_id, date, value FROM value_history ORDER BY entry_id",
                    kSource);
    while (st.step(kSource)) {
        const auto it = at.find(sqlite3_column_int64(st.get(), 0));
        if (it == at.end() || it->second == 0)
            continue;
        const QDate day = dateAt(st.get(), 1);
        const amounts::Reading v = amounts::readAmount(utf8At(st.get(), 2));
        if (!day.isValid() || v.kind != amounts::Reading::Kind::Number) {
            ++*unreadable;
            continue;
        }
        out[it->second - 1].valuations.emplace_back(day, v.number);
    }
    for (Held& h : out)  // of those on one day, the one entered later counts
        std::stable_sort(h.valuations.begin(), h.valuations.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    return out;
}

ValueByDate::Result ValueByDate::sums(const std::vector<qint64>& recordIds,
                                      const std::vector<QDate>& dates) const {
    Result r;
    const std::vector<Held> records = held(recordIds, &r.unreadable);
    for (const QDate& day : dates) {
        Point p{day, {}, {}};
        for (const Held& h : records) {
            if (const std::int64_t* v = valueOn(h.valuations, day))
                p.value.add(*v);
            if (h.bought.isValid() && h.bought <= day)
                p.paid.add(h.paid);
        }
        r.points.push_back(p);
    }
    return r;
}

std::vector<ValueByDate::Change> ValueByDate::changes(const std::vector<qint64>& recordIds,
                                                      const QDate& from, const QDate& to) const {
    int unreadable = 0;
    std::vector<Change> out;
    for (const Held& h : held(recordIds, &unreadable)) {
        const std::int64_t* a = valueOn(h.valuations, from);
        const std::int64_t* b = valueOn(h.valuations, to);
        if (a && b)
            out.push_back({h.id, h.description, *a, *b});
    }
    std::stable_sort(out.begin(), out.end(), [](const Change& x, const Change& y) {
        return x.to - x.from > y.to - y.from;
    });
    return out;
}

}  // namespace kbs::values
