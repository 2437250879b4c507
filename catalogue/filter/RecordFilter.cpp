#include "RecordFilter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstring>
#include <optional>

#include <QCoreApplication>
#include <charconv>

#include "Amounts.h"
#include "ChecklistMatcher.h"
#include "Collection.h"
#include "LongTextSearch.h"
#include "PanelLayout.h"

namespace kbs {

namespace {

// The fields a word without a field name looks in: those Find searches.
constexpr int kLastSearched = panel::SearchLastPosition;
constexpr int kStatus = collection::at("Status");
constexpr int kId = collection::at("ID");

unsigned char folded(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}

bool hasHighByte(std::string_view s) {
    size_t i = 0;
    std::uint64_t all = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + i, 8);
        all |= w;
    }
    for (; i < s.size(); ++i)
        all |= static_cast<unsigned char>(s[i]);
    return (all & 0x8080808080808080ull) != 0;
}

bool equalFolded(const char* hay, const char* lower, size_t n) {
    for (size_t k = 0; k < n; ++k) {
        if (folded(static_cast<unsigned char>(hay[k])) != static_cast<unsigned char>(lower[k]))
            return false;
    }
    return true;
}

// The first place in [p, end) where `lower` (ASCII, A to Z folded) stands, ignoring the case of
// A to Z; nullptr when nowhere. Sixteen places at a time: their first and last bytes are
// compared at once (a letter's case is one bit), and only where both agree the middle. When it
// finds nothing, *high tells whether [p, end) holds a byte beyond ASCII.
const char* findFolded(const char* p, const char* end, std::string_view lower, bool* high) {
    const size_t m = lower.size();
    if (m == 0 || size_t(end - p) < m) {
        *high = hasHighByte(std::string_view(p, size_t(end - p)));
        return nullptr;
    }
    const char* lastStart = end - m;
    bool seenHigh = false;
#if defined(__SSE2__)
    const auto f = static_cast<unsigned char>(lower.front());
    const auto l = static_cast<unsigned char>(lower.back());
    auto caseBit = [](unsigned char c) { return char(c >= 'a' && c <= 'z' ? 0x20 : 0); };
    const __m128i firstV = _mm_set1_epi8(char(f));
    const __m128i lastV = _mm_set1_epi8(char(l));
    const __m128i firstCase = _mm_set1_epi8(caseBit(f));
    const __m128i lastCase = _mm_set1_epi8(caseBit(l));
    __m128i seen = _mm_setzero_si128();
    for (; p + 15 <= lastStart; p += 16) {
        const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        seen = _mm_or_si128(seen, raw);
        const __m128i a = _mm_or_si128(raw, firstCase);
        const __m128i b =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + m - 1)), lastCase);
        unsigned mask = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, firstV), _mm_cmpeq_epi8(b, lastV))));
        while (mask != 0) {
            const int i = __builtin_ctz(mask);
            if (m <= 2 || equalFolded(p + i + 1, lower.data() + 1, m - 2))
                return p + i;
            mask &= mask - 1;
        }
    }
    seenHigh = _mm_movemask_epi8(seen) != 0;
#endif
    for (const char* q = p; q <= lastStart; ++q) {
        if (equalFolded(q, lower.data(), m))
            return q;
    }
    *high = seenHigh || hasHighByte(std::string_view(p, size_t(end - p)));
    return nullptr;
}

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

using ownwords::squeezed;

// The fields a name means: the column of that name; else the fields with that label; else
// every field whose column name or label begins with it (*exact false then). 0 for none.
std::uint32_t fieldsNamed(const QString& typed, bool* exact = nullptr) {
    const QString name = squeezed(typed);
    if (name.isEmpty())
        return 0;
    std::uint32_t byColumn = 0, byLabel = 0, byStart = 0;
    for (const auto& f : panel::fields) {
        if (f.column().kind == collection::Kind::Binary)
            continue;
        const std::uint32_t bit = 1u << f.position;
        const QString column = squeezed(QString::fromLatin1(f.name()));
        const QString label = f.label ? squeezed(QString::fromLatin1(f.label)) : QString();
        if (column == name)
            byColumn |= bit;
        if (!label.isEmpty() && label == name)
            byLabel |= bit;
        if (column.startsWith(name) || (!label.isEmpty() && label.startsWith(name)))
            byStart |= bit;
    }
    if (exact)
        *exact = byColumn || byLabel;
    return byColumn ? byColumn : (byLabel ? byLabel : byStart);
}

// How a field's numbers are read, for ranges: the year and the quantity as whole numbers, the
// prices and the value as amounts.
enum class Reader { None, Whole, Amount };

Reader readerOf(int position) {
    static constexpr int kWhole[] = {collection::at("Year"), collection::at("Quantity")};
    static constexpr int kAmount[] = {collection::at("Purchase"), collection::at("List_Price"),
                                      collection::at("Value")};
    if (std::find(std::begin(kWhole), std::end(kWhole), position) != std::end(kWhole))
        return Reader::Whole;
    if (std::find(std::begin(kAmount), std::end(kAmount), position) != std::end(kAmount))
        return Reader::Amount;
    return Reader::None;
}

std::optional<std::int64_t> readNumber(Reader reader, std::string_view text) {
    const amounts::Reading r =
        reader == Reader::Amount ? amounts::readAmount(text) : amounts::readQuantity(text);
    if (r.kind != amounts::Reading::Kind::Number)
        return std::nullopt;
    return r.number;
}

std::string foldedAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = char(folded(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The words of a filter text: runs of characters between blanks, where quotes hold blanks
// in and are themselves left out; an unclosed quote runs to the end.
struct Word {
    QString raw;   // with its quotes
    QString text;  // without them
};
std::vector<Word> wordsOf(const QString& text) {
    std::vector<Word> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && out.size() < size_t(RecordFilter::MaxWords)) {
        while (i < n && text[i].isSpace())
            ++i;
        if (i >= n)
            break;
        Word w;
        bool quoted = false;
        for (; i < n && (quoted || !text[i].isSpace()); ++i) {
            w.raw += text[i];
            if (text[i] == QLatin1Char('"'))
                quoted = !quoted;
            else
                w.text += text[i];
        }
        out.push_back(std::move(w));
    }
    return out;
}

}  // namespace

bool RecordFilter::Term::operator==(const Term& o) const {
    return kind == o.kind && exclude == o.exclude && anyField == o.anyField && fields == o.fields &&
           needle.text == o.needle.text && low == o.low && high == o.high && ids == o.ids &&
           marks == o.marks;
}

RecordFilter::Needle RecordFilter::needleOf(const QString& text) {
    Needle n;
    n.text = text;
    const QByteArray utf8 = text.toUtf8();
    n.ascii = !hasHighByte(std::string_view(utf8.constData(), size_t(utf8.size())));
    if (n.ascii)
        n.lower = foldedAscii(std::string_view(utf8.constData(), size_t(utf8.size())));
    return n;
}

// "a-b", ">a", ">=a", "<a", "<=a" or "=a" on the fields among `fields` that hold numbers,
// all read alike; false for anything else, which is then a word.
bool RecordFilter::parseRange(const QString& value, std::uint32_t fields, Term& term) {
    Reader reader = Reader::None;
    std::uint32_t numeric = 0;
    for (int p = 0; p < 32; ++p) {
        if (!(fields & (1u << p)) || readerOf(p) == Reader::None)
            continue;
        if (reader != Reader::None && readerOf(p) != reader)
            return false;
        reader = readerOf(p);
        numeric |= 1u << p;
    }
    if (reader == Reader::None)
        return false;
    auto number = [reader](const QString& s) {
        const QByteArray b = s.toUtf8();
        return readNumber(reader, std::string_view(b.constData(), size_t(b.size())));
    };
    std::optional<std::int64_t> low, high;
    static const char* const kOps[] = {">=", "<=", ">", "<", "="};
    for (const char* op : kOps) {
        if (!value.startsWith(QLatin1String(op)))
            continue;
        const auto n = number(value.mid(qsizetype(std::strlen(op))));
        if (!n)
            return false;
        const QLatin1String o(op);
        low = o == QLatin1String(">=") || o == QLatin1String("=") ? *n
              : o == QLatin1String(">")                           ? *n + 1
                                                                  : INT64_MIN;
        high = o == QLatin1String("<=") || o == QLatin1String("=") ? *n
               : o == QLatin1String("<")                           ? *n - 1
                                                                   : INT64_MAX;
        break;
    }
    if (!low) {
        const qsizetype dash = value.indexOf(QLatin1Char('-'), 1);
        if (dash < 0)
            return false;
        low = number(value.left(dash));
        high = number(value.mid(dash + 1));
        if (!low || !high)
            return false;
        if (*low > *high)
            std::swap(*low, *high);
    }
    term.kind = Term::Kind::Range;
    term.fields = numeric;
    term.low = *low;
    term.high = *high;
    term.needle.text = value;
    return true;
}

QString RecordFilter::checklistWord() {
    return QCoreApplication::translate("kbs::RecordFilter", "checklist");
}

QString RecordFilter::checklistKey(const QString& name) {
    return checklists::ChecklistMatcher::key(name);
}

// "checklist:" in English or in the program's language, before any quote.
static qsizetype checklistWordEnd(const QString& raw) {
    const qsizetype colon = raw.indexOf(QLatin1Char(':'));
    const qsizetype quote = raw.indexOf(QLatin1Char('"'));
    if (colon <= 0 || (quote >= 0 && quote < colon))
        return -1;
    const QString name = raw.left(colon);
    const bool named = name.compare(QLatin1String("checklist"), Qt::CaseInsensitive) == 0 ||
                       name.compare(RecordFilter::checklistWord(), Qt::CaseInsensitive) == 0;
    return named ? colon : -1;
}

bool RecordFilter::hasChecklistWord(const QString& text) {
    for (const Word& w : wordsOf(text)) {
        const QString raw = w.raw.startsWith(QLatin1Char('-')) ? w.raw.mid(1) : w.raw;
        if (checklistWordEnd(raw) > 0)
            return true;
    }
    return false;
}

bool RecordFilter::parseOwn(const QString& raw, const ownwords::Source& own, Term& term) {
    if (!own)
        return false;
    QString value;
    const qsizetype colon = raw.indexOf(QLatin1Char(':'));
    const qsizetype quote = raw.indexOf(QLatin1Char('"'));
    const bool named = colon > 0 && (quote < 0 || quote > colon);
    if (raw.size() > 1 && raw.startsWith(QLatin1Char('#'))) {
        value = raw.mid(1);
    } else if (named && ownwords::isTagName(raw.left(colon))) {
        value = raw.mid(colon + 1);
    } else if (named) {
        bool describedExactly = false;
        if (fieldsNamed(raw.left(colon), &describedExactly) && describedExactly)
            return false;
        bool exact = false;
        const auto fields = ownwords::fieldsNamed(own, raw.left(colon), &exact);
        if (fields.empty() || (!exact && fieldsNamed(raw.left(colon))))
            return false;
        value = raw.mid(colon + 1);
        value.remove(QLatin1Char('"'));
        term.kind = Term::Kind::Marks;
        term.needle.text = raw;
        if (!value.isEmpty())
            term.marks = ownwords::fieldMarks(own, fields, value);
        return true;
    } else {
        return false;
    }
    value.remove(QLatin1Char('"'));
    term.kind = Term::Kind::Marks;
    term.needle.text = raw;
    if (!value.isEmpty())
        term.marks = ownwords::tagMarks(own, value);
    return true;
}

RecordFilter RecordFilter::parse(const QString& text, const QStringList& statuses,
                                 const Checklists& checklists, const ownwords::Source& own) {
    RecordFilter f;
    for (const QString& s : statuses)
        f.m_statuses.push_back(foldedAscii(s.toUtf8().toStdString()));
    for (Word w : wordsOf(text)) {
        Term t;
        if (w.raw.size() > 1 && w.raw.startsWith(QLatin1Char('-'))) {
            t.exclude = true;
            w.raw.remove(0, 1);
            w.text.remove(0, 1);
        }
        if (const qsizetype end = checklistWordEnd(w.raw); end > 0) {
            QString name = w.raw.mid(end + 1);
            name.remove(QLatin1Char('"'));
            if (checklistKey(name).isEmpty())
                continue;  // "checklist:" while the word is being typed
            t.kind = Term::Kind::Ids;
            t.needle.text = checklistKey(name);
            t.ids = checklists.value(t.needle.text);
            if (!t.ids)
                t.ids = std::make_shared<const std::vector<std::int64_t>>();
            f.m_terms.push_back(std::move(t));
            continue;
        }
        if (parseOwn(w.raw, own, t)) {
            if (t.marks)  // not "tag:" while the word is being typed
                f.m_terms.push_back(std::move(t));
            continue;
        }
        const qsizetype colon = w.raw.indexOf(QLatin1Char(':'));
        const qsizetype quote = w.raw.indexOf(QLatin1Char('"'));
        std::uint32_t fields = 0;
        if (colon > 0 && (quote < 0 || quote > colon))
            fields = fieldsNamed(w.raw.left(colon));
        QString value = w.text;
        if (fields) {
            value = w.raw.mid(colon + 1);
            value.remove(QLatin1Char('"'));
            if (value.isEmpty())
                continue;  // "color:" while the word is being typed
            if (parseRange(value, fields, t)) {
                f.m_terms.push_back(std::move(t));
                continue;
            }
            t.fields = fields;
        } else {
            t.anyField = true;
        }
        if (value.isEmpty())
            continue;
        t.needle = needleOf(value);
        f.m_terms.push_back(std::move(t));
    }
    return f;
}

RecordFilter RecordFilter::containing(const QString& text) {
    RecordFilter f;
    Term t;
    t.anyField = true;
    t.needle = needleOf(text);
    if (!text.isEmpty())
        f.m_terms.push_back(std::move(t));
    return f;
}

bool RecordFilter::narrows(const RecordFilter& wider) const {
    if (wider.m_only && wider.m_only != m_only)
        return false;
    if (!wider.m_statuses.empty()) {
        if (m_statuses.empty())
            return false;
        for (const auto& s : m_statuses) {
            if (std::find(wider.m_statuses.begin(), wider.m_statuses.end(), s) ==
                wider.m_statuses.end())
                return false;
        }
    }
    for (const Term& w : wider.m_terms) {
        const bool kept = std::any_of(m_terms.begin(), m_terms.end(), [&w](const Term& t) {
            if (w.kind == Term::Kind::Range && t.kind == Term::Kind::Range && !w.exclude &&
                !t.exclude && t.fields == w.fields)
                return t.low >= w.low && t.high <= w.high;
            if (w.kind != Term::Kind::Text || w.exclude)
                return t == w;
            // A longer word holds the shorter one: whatever holds it holds the shorter too.
            if (t.kind != Term::Kind::Text || t.exclude || t.anyField != w.anyField ||
                t.fields != w.fields)
                return false;
            if (t.needle.ascii && w.needle.ascii)
                return t.needle.lower.find(w.needle.lower) != std::string::npos;
            return t.needle.text.contains(w.needle.text, Qt::CaseInsensitive);
        });
        if (!kept)
            return false;
    }
    return true;
}

bool RecordFilter::textInCell(const Needle& n, std::string_view cell) {
    bool high = false;
    if (n.ascii) {
        if (findFolded(cell.data(), cell.data() + cell.size(), n.lower, &high))
            return true;
    } else {
        high = hasHighByte(cell);
    }
    // Other letters than A to Z, and their cases, as Find compares them.
    return high && fromUtf8(cell).contains(n.text, Qt::CaseInsensitive);
}

// The text inside one of the cells first to last. The cells' texts are searched as one piece;
// a place found that runs over the end of its cell does not count.
bool RecordFilter::textInSpan(const Needle& n, const RecordSet::RowTexts& row, int first,
                              int last) {
    const std::string_view span = row.span(first, last);
    bool high = false;
    if (n.ascii) {
        const char* end = span.data() + span.size();
        int cell = first;
        bool again = false;  // a place found ran over the end of its cell
        for (const char* p = span.data(); (p = findFolded(p, end, n.lower, &high)) != nullptr;
             ++p) {
            const auto at = std::uint32_t(p - row.data());
            while (row.end(cell) <= at)
                ++cell;
            if (at + n.lower.size() <= row.end(cell))
                return true;
            again = true;
        }
        if (again)  // the last look saw only the bytes after that place
            high = hasHighByte(span);
    } else {
        high = hasHighByte(span);
    }
    if (high) {
        for (int i = first; i <= last; ++i) {
            const std::string_view c = row.cell(i);
            if (hasHighByte(c) && fromUtf8(c).contains(n.text, Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}

bool RecordFilter::inRange(const Term& t, int position, std::string_view cell) {
    const auto n = readNumber(readerOf(position), cell);
    return n && *n >= t.low && *n <= t.high;
}

bool RecordFilter::statusMatches(std::string_view cell, const std::vector<std::string>& statuses) {
    cell = trimmed(cell);
    return std::any_of(statuses.begin(), statuses.end(), [cell](const std::string& s) {
        return s.size() == cell.size() && equalFolded(cell.data(), s.data(), s.size());
    });
}

bool RecordFilter::holdsText(const QString& word, std::string_view utf8) {
    return textInCell(needleOf(word), utf8);
}

QStringList RecordFilter::textWords() const {
    QStringList words;
    for (const Term& t : m_terms) {
        if (t.kind == Term::Kind::Text && !words.contains(t.needle.text))
            words << t.needle.text;
    }
    return words;
}

RecordFilter::Verdict RecordFilter::termVerdict(const Term& t, const RecordSet& rs,
                                                const RecordSet::RowTexts& row,
                                                const PartialText& partial) {
    using V = Verdict;
    const int cells = rs.fieldCount();
    if (t.kind == Term::Kind::Ids || t.kind == Term::Kind::Marks) {
        const std::string_view cell = row.cell(kId);
        std::int64_t id = 0;
        const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), id);
        if (ec != std::errc() || end != cell.data() + cell.size())
            return V::No;
        if (t.kind == Term::Kind::Marks)
            return t.marks->has(id) ? V::Yes : V::No;
        return std::binary_search(t.ids->begin(), t.ids->end(), id) ? V::Yes : V::No;
    }
    std::uint32_t fields = t.fields;
    if (t.anyField) {
        const int last = std::min(kLastSearched, cells - 1);
        if (last < 0)
            return V::No;
        if (textInSpan(t.needle, row, 0, last))
            return V::Yes;
        if (!row.anyPartial(0, last))
            return V::No;
        fields = last >= 31 ? ~0u : (1u << (last + 1)) - 1;
    }
    // Yes before a value that could not be read, before one not searched yet, before No.
    V out = V::No;
    for (std::uint32_t bits = fields; bits != 0; bits &= bits - 1) {
        const int p = __builtin_ctz(bits);
        if (p >= cells)
            break;
        if (t.anyField && !row.partial(p))
            continue;  // searched above
        V v = V::No;
        if (!row.partial(p))
            v = (t.kind == Term::Kind::Range ? inRange(t, p, row.cell(p))
                                             : textInCell(t.needle, row.cell(p)))
                    ? V::Yes
                    : V::No;
        else if (t.kind == Term::Kind::Text)
            v = partial(p, t.needle);
        if (v == V::Yes)
            return V::Yes;
        if (v == V::Unreadable || (v == V::Unknown && out == V::No))
            out = v;
    }
    return out;
}

RecordFilter::Verdict RecordFilter::verdict(const RecordSet& rs, Slot slot,
                                            const PartialText& partial) const {
    if (m_only && (slot >= m_only->size() || !(*m_only)[slot]))
        return Verdict::No;
    const RecordSet::RowTexts row = rs.rowTextsAt(slot);
    if (!m_statuses.empty()) {
        if (kStatus >= rs.fieldCount() || !statusMatches(row.cell(kStatus), m_statuses))
            return Verdict::No;
    }
    Verdict out = Verdict::Yes;
    for (const Term& t : m_terms) {
        Verdict v = termVerdict(t, rs, row, partial);
        if (t.exclude && (v == Verdict::Yes || v == Verdict::No))
            v = v == Verdict::Yes ? Verdict::No : Verdict::Yes;
        if (v == Verdict::No)
            return Verdict::No;
        if (v == Verdict::Unreadable || (v == Verdict::Unknown && out == Verdict::Yes))
            out = v;
    }
    return out;
}

bool RecordFilter::matches(const RecordSet& rs, Slot slot) const {
    // A long value read whole, here and now.
    return verdict(rs, slot, [&rs, slot](int position, const Needle& n) {
               return textInCell(n, rs.wholeUtf8At(slot, position)) ? Verdict::Yes : Verdict::No;
           }) != Verdict::No;
}

RecordFilter::Verdict RecordFilter::judge(const RecordSet& rs, Slot slot,
                                          const LongTextSearch& longs,
                                          std::vector<int>* unread) const {
    // One reference taken: the function holds it without an allocation per record.
    const struct {
        const RecordSet& rs;
        Slot slot;
        const LongTextSearch& longs;
        std::vector<int>* unread;
    } asked{rs, slot, longs, unread};
    const Verdict v = verdict(rs, slot, [&asked](int position, const Needle& n) {
        const Verdict known = asked.longs.answer(asked.rs.rowStampAt(asked.slot), position, n.text);
        if (known != Verdict::Unknown)
            return known;
        if (!asked.rs.storedAt(asked.slot, position)) {  // not to be read apart: read here
            try {
                return textInCell(n, asked.rs.wholeUtf8At(asked.slot, position)) ? Verdict::Yes
                                                                                 : Verdict::No;
            } catch (const std::exception&) {
                return Verdict::Unreadable;
            }
        }
        std::vector<int>* wanted = asked.unread;
        if (wanted && std::find(wanted->begin(), wanted->end(), position) == wanted->end())
            wanted->push_back(position);
        return Verdict::Unknown;
    });
    return v == Verdict::Unreadable ? Verdict::Yes : v;
}

int RecordFilter::firstFieldHolding(const RecordSet& rs, Slot slot, const QString& text) {
    const Needle n = needleOf(text);
    const RecordSet::RowTexts row = rs.rowTextsAt(slot);
    const int last = std::min(kLastSearched, rs.fieldCount() - 1);
    for (int i = 0; i <= last; ++i) {
        if (textInCell(n, row.partial(i) ? std::string_view(rs.wholeUtf8At(slot, i)) : row.cell(i)))
            return i;
    }
    return -1;
}

}  // namespace kbs
