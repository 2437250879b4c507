#include "ChecklistMatcher.h"

#include <algorithm>
#include <numeric>

namespace kbs::checklists {

namespace {
const QString kWant = QStringLiteral("want");

QString seriesNumberKey(const QString& series, const QString& number) {
    return ChecklistMatcher::key(series) + QLatin1Char('\x1f') +
           ChecklistMatcher::numberKey(number);
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

ChecklistMatcher::ChecklistMatcher(const std::vector<Record>& records) {
    m_bySeriesNumber.reserve(qsizetype(records.size()));
    m_byDescription.reserve(qsizetype(records.size()));
    for (const Record& r : records) {
        const Held h{r.id, key(r.status) == kWant};
        if (!key(r.number).isEmpty())
            m_bySeriesNumber[seriesNumberKey(r.series, r.number)].push_back(h);
        const QString d = key(r.description);
        if (!d.isEmpty())
            m_byDescription[d].push_back(h);
    }
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
    QString k = key(number);
    qsizetype zeros = 0;
    while (zeros + 1 < k.size() && k.at(zeros) == QLatin1Char('0') && k.at(zeros + 1).isDigit())
        ++zeros;
    return k.mid(zeros);
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
    const auto& index = list.rule == Rule::Description ? m_byDescription : m_bySeriesNumber;
    const QString k = list.rule == Rule::Description ? key(entry.name)
                                                     : seriesNumberKey(list.series, entry.number);
    const auto it = index.constFind(k);
    return it == index.cend() ? nullptr : &*it;
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

}  // namespace kbs::checklists
