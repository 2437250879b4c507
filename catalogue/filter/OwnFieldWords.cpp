#include "OwnFieldWords.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "AppError.h"
#include "CatalogueSession.h"

namespace kbs::ownwords {

namespace {

// The days a date word means, both included: a year, a month or a day.
struct Span {
    double low = 0;
    double high = -1;
    bool valid() const { return low <= high; }
};

Span spanOf(const QString& typed) {
    const QString t = typed.trimmed();
    int groups = 0;
    bool inDigits = false;
    for (QChar c : t) {
        if (c.isDigit() && !inDigits)
            ++groups;
        inDigits = c.isDigit();
    }
    const ownfields::Field date{0, {}, ownfields::Kind::Date, {}, 0};
    const ownfields::Checked c = ownfields::normalise(date, t);
    if (!c.ok || c.stored.isEmpty())
        return {};
    const QDate d = QDate::fromString(c.stored, Qt::ISODate);
    QDate last = d;
    if (groups == 1)
        last = QDate(d.year(), 12, 31);
    else if (groups == 2)
        last = QDate(d.year(), d.month(), d.daysInMonth());
    return {double(d.toJulianDay()), double(last.toJulianDay())};
}

// A bound of a range on a field of this kind: the days of a date, or a number twice.
Span boundOf(ownfields::Kind kind, const QString& text) {
    if (kind == ownfields::Kind::Date)
        return spanOf(text);
    const ownfields::Field f{0, {}, kind, {}, 0};
    const ownfields::Checked c = ownfields::normalise(f, text);
    const auto n = c.ok ? ownfields::numberOf(kind, c.stored) : std::nullopt;
    return n ? Span{*n, *n} : Span{};
}

// "a-b", ">a", ">=a", "<a", "<=a", "=a", or a lone value (a span for a date, one number for
// others), on a number, amount or date field.
Span rangeOf(ownfields::Kind kind, const QString& value) {
    static const char* const kOps[] = {">=", "<=", ">", "<", "="};
    for (const char* op : kOps) {
        if (!value.startsWith(QLatin1String(op)))
            continue;
        const Span b = boundOf(kind, value.mid(qsizetype(std::strlen(op))));
        if (!b.valid())
            return {};
        // Past a date is from the next day on; past a number, from the next one there is.
        const bool days = kind == ownfields::Kind::Date;
        const double after = days ? b.high + 1 : std::nextafter(b.high, HUGE_VAL);
        const double before = days ? b.low - 1 : std::nextafter(b.low, -HUGE_VAL);
        const QLatin1String o(op);
        if (o == QLatin1String(">="))
            return {b.low, HUGE_VAL};
        if (o == QLatin1String(">"))
            return {after, HUGE_VAL};
        if (o == QLatin1String("<="))
            return {-HUGE_VAL, b.high};
        if (o == QLatin1String("<"))
            return {-HUGE_VAL, before};
        return b;
    }
    if (const Span whole = boundOf(kind, value); whole.valid())
        return whole;
    for (qsizetype dash = value.indexOf(QLatin1Char('-'), 1); dash > 0;
         dash = value.indexOf(QLatin1Char('-'), dash + 1)) {
        const Span a = boundOf(kind, value.left(dash));
        const Span b = boundOf(kind, value.mid(dash + 1));
        if (a.valid() && b.valid())
            return {std::min(a.low, b.low), std::max(a.high, b.high)};
    }
    return {};
}

// No marks yet, with room for a mark per record ID up to the highest one holding anything, or
// a few times the number of such records.
std::shared_ptr<MarkSet> noMarks(const ownfields::AllValues& all) {
    auto marks = std::make_shared<MarkSet>();
    const std::vector<std::int64_t>& records = all.records();
    if (!records.empty() && records.back() >= 0)
        marks->dense.resize(
            std::min(std::size_t(records.back()) + 1, records.size() * 4 + (std::size_t(1) << 16)));
    return marks;
}

// Marks the records whose value in the field at this position passes `test`: each distinct
// value is tested once, then each record's code is looked up.
template <class Test>
void markValues(MarkSet& marks, const ownfields::AllValues& all, std::size_t field, Test test) {
    const ownfields::AllValues::Pool& pool = all.pool(field);
    std::vector<char> passes(pool.texts.size() + 1, 0);  // by code
    bool any = false;
    for (std::size_t k = 0; k < pool.texts.size(); ++k) {
        passes[k + 1] = char(test(pool.texts[k], pool.numbers[k]));
        any = any || passes[k + 1];
    }
    if (!any)
        return;
    const std::vector<std::uint32_t>& codes = all.codes(field);
    const std::vector<std::int64_t>& records = all.records();
    for (std::size_t r = 0; r < codes.size(); ++r) {
        if (passes[codes[r]])
            marks.mark(records[r]);
    }
}

}  // namespace

void MarkSet::mark(std::int64_t id) {
    if (id >= 0 && std::uint64_t(id) < dense.size())
        dense[std::size_t(id)] = 1;
    else if (above.empty() || above.back() < id)
        above.push_back(id);
    else if (!std::binary_search(above.begin(), above.end(), id))
        above.insert(std::lower_bound(above.begin(), above.end(), id), id);
}

bool MarkSet::has(std::int64_t id) const {
    if (id >= 0 && std::uint64_t(id) < dense.size())
        return dense[std::size_t(id)] != 0;
    return std::binary_search(above.begin(), above.end(), id);
}

QString squeezed(const QString& name) {
    QString out;
    for (QChar c : name) {
        if (c.isLetterOrNumber())
            out += c.toLower();
    }
    return out;
}

Source of(CatalogueSession& session) {
    Source s;
    if (!session.isOpen())
        return s;
    try {
        s.fields = session.ownFields();
    } catch (const AppError&) {
        return s;  // a catalogue that cannot be read has none
    }
    s.values = [&session]() -> const ownfields::AllValues& { return session.allOwnValues(); };
    return s;
}

bool isTagName(const QString& name) {
    return name.compare(QLatin1String("tag"), Qt::CaseInsensitive) == 0 ||
           name.compare(QCoreApplication::translate("kbs::RecordFilter", "tag"),
                        Qt::CaseInsensitive) == 0;
}

std::vector<std::size_t> fieldsNamed(const Source& source, const QString& name, bool* exact) {
    const QString typed = squeezed(name);
    std::vector<std::size_t> same, starting;
    if (typed.isEmpty())
        return same;
    for (std::size_t i = 0; i < source.fields.size(); ++i) {
        const QString own = squeezed(source.fields[i].name);
        if (own == typed)
            same.push_back(i);
        else if (own.startsWith(typed))
            starting.push_back(i);
    }
    *exact = !same.empty();
    return same.empty() ? starting : same;
}

Marks fieldMarks(const Source& source, const std::vector<std::size_t>& fields,
                 const QString& value) {
    const ownfields::AllValues& all = source.values();
    // The fields as they are now: the values may have been read after the names.
    std::vector<std::size_t> now;
    for (std::size_t f : fields) {
        for (std::size_t i = 0; i < all.fields.size(); ++i) {
            if (f < source.fields.size() && all.fields[i].id == source.fields[f].id)
                now.push_back(i);
        }
    }
    auto marks = noMarks(all);
    const auto holds = [&value](const QString& stored, double) {
        return stored.contains(value, Qt::CaseInsensitive);
    };
    for (std::size_t f : now) {
        const ownfields::Field& field = all.fields[f];
        if (field.kind == ownfields::Kind::Text || field.kind == ownfields::Kind::Choice) {
            markValues(*marks, all, f, holds);
        } else if (field.kind == ownfields::Kind::YesNo) {
            const ownfields::Checked c = ownfields::normalise(field, value);
            if (c.ok && !c.stored.isEmpty())
                markValues(*marks, all, f,
                           [&c](const QString& stored, double) { return stored == c.stored; });
        } else if (const Span r = rangeOf(field.kind, value); r.valid()) {
            // A value without a number is NaN, in no range.
            markValues(*marks, all, f,
                       [&r](const QString&, double n) { return n >= r.low && n <= r.high; });
        } else {  // what is not a number, an amount or a date is looked for as text
            markValues(*marks, all, f, holds);
        }
    }
    return marks;
}

Marks tagMarks(const Source& source, const QString& value) {
    const ownfields::AllValues& all = source.values();
    auto marks = noMarks(all);
    // Each distinct tag is matched once; a record is then let through by its tags' positions.
    const std::vector<QString>& tags = all.tagPool().texts;
    std::vector<char> passes(tags.size(), 0);
    bool any = false;
    for (std::size_t k = 0; k < tags.size(); ++k) {
        passes[k] = char(tags[k].startsWith(value, Qt::CaseInsensitive));
        any = any || passes[k];
    }
    if (!any)
        return marks;
    const std::vector<std::int64_t>& records = all.records();
    for (std::size_t r = 0; r < records.size(); ++r) {
        for (const std::uint32_t* t = all.tagsBegin(r); t != all.tagsEnd(r); ++t) {
            if (passes[*t]) {
                marks->mark(records[r]);
                break;
            }
        }
    }
    return marks;
}

}  // namespace kbs::ownwords
