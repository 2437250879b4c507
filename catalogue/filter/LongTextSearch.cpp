#include "LongTextSearch.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QMetaObject>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace kbs {

namespace {

// What is kept at most: values, and words per value.
constexpr std::size_t kMaxValues = 4096;
constexpr std::size_t kMaxWords = 256;

// Where a text read so far may be searched up to: not inside a character whose last bytes are
// still to come.
std::size_t wholeCharactersEnd(std::string_view s) {
    std::size_t i = s.size();
    int back = 0;  // bytes after a character's first one
    while (i > 0 && back < 3 && (static_cast<unsigned char>(s[i - 1]) & 0xC0) == 0x80) {
        --i;
        ++back;
    }
    if (i == 0 || static_cast<unsigned char>(s[i - 1]) < 0xC0)
        return s.size();
    const unsigned char lead = static_cast<unsigned char>(s[i - 1]);
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return back + 1 >= length ? s.size() : i - 1;
}

}  // namespace

LongTextSearch::LongTextSearch(QObject* parent) : QObject(parent), m_thread([this] { run(); }) {}

LongTextSearch::~LongTextSearch() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        ++m_generation;
    }
    m_wake.notify_all();
    m_thread.join();
}

LongTextSearch::Verdict LongTextSearch::answerLocked(const KnownKey& at,
                                                     const QString& folded) const {
    const auto it = m_known.find(at);
    if (it == m_known.end())
        return Verdict::Unknown;
    if (it->second.unreadable)
        return Verdict::Unreadable;
    for (const auto& [word, there] : it->second.words) {
        if (word == folded)
            return there ? Verdict::Yes : Verdict::No;
    }
    for (const auto& [word, there] : it->second.words) {
        if (!there && folded.contains(word))
            return Verdict::No;
        if (there && word.contains(folded))
            return Verdict::Yes;
    }
    return Verdict::Unknown;
}

LongTextSearch::Verdict LongTextSearch::answer(std::uint32_t stamp, int position,
                                               const QString& word) const {
    const QString folded = word.toCaseFolded();
    const std::lock_guard lock(m_mutex);
    return answerLocked({stamp, position}, folded);
}

void LongTextSearch::search(std::vector<Value> values, const QStringList& words) {
    {
        const std::lock_guard lock(m_mutex);
        ++m_generation;
        m_queue.assign(std::make_move_iterator(values.begin()),
                       std::make_move_iterator(values.end()));
        m_words = words;
    }
    m_wake.notify_all();
}

bool LongTextSearch::idle() const {
    const std::lock_guard lock(m_mutex);
    return m_queue.empty() && !m_working;
}

// Says on the object's thread that answers came; once for several that come together.
void LongTextSearch::tell() {
    if (m_told.exchange(true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_told = false;
            Q_EMIT answered();
        },
        Qt::QueuedConnection);
}

void LongTextSearch::run() {
    // Below the window's thread: on a busy machine the window answers first.
    setpriority(PRIO_PROCESS, id_t(gettid()), 5);
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
        if (m_stop)
            return;
        const Value v = m_queue.front();
        m_queue.pop_front();
        const std::uint64_t generation = m_generation;
        const KnownKey at{v.stamp, v.position};
        QStringList words;  // those not known yet
        for (const QString& w : std::as_const(m_words)) {
            if (answerLocked(at, w.toCaseFolded()) == Verdict::Unknown)
                words << w;
        }
        if (words.isEmpty()) {
            tell();
            continue;
        }
        m_working = true;
        lock.unlock();
        std::vector<bool> found(size_t(words.size()), false);
        const bool done = read(v, words, generation, found);
        lock.lock();
        m_working = false;
        if (!done)
            continue;
        if (m_known.size() >= kMaxValues && !m_known.count(at))
            m_known.clear();
        Known& known = m_known[at];
        if (found.empty()) {
            known.unreadable = true;
        } else {
            for (qsizetype i = 0; i < words.size(); ++i)
                known.words.emplace_back(words[i].toCaseFolded(), found[size_t(i)]);
            if (known.words.size() > kMaxWords)
                known.words.erase(known.words.begin(),
                                  known.words.begin() + qsizetype(known.words.size() - kMaxWords));
        }
        tell();
    }
}

// `found` comes back empty when the value could not be read.
bool LongTextSearch::read(const Value& v, const QStringList& words, std::uint64_t generation,
                          std::vector<bool>& found) {
    auto fail = [&found] {
        found.clear();
        return true;
    };
    // A value that is no text (a picture, a number) is searched as the record set reads it.
    switch (m_reader.open(v.where)) {
        case StoredValueReader::Kind::Unreadable:
            return fail();
        case StoredValueReader::Kind::Other:
            return true;  // nothing that the filter's words are in
        case StoredValueReader::Kind::Text:
            break;
    }
    // The bytes a slice repeats of the one before: enough for the longest word, however its
    // characters' cases are written.
    std::size_t overlap = 0;
    for (const QString& w : words)
        overlap = std::max({overlap, size_t(w.toUtf8().size()), size_t(4 * w.size())});
    overlap = overlap > 0 ? overlap - 1 : 0;
    const int size = m_reader.size();
    // A slice after the bytes carried over from the one before (at most overlap and the
    // bytes of a character cut by the slice's edge, twice).
    const std::unique_ptr<char[]> text(new char[size_t(SliceBytes) + overlap + 8]);
    std::size_t have = 0;
    std::size_t left = size_t(words.size());  // words not found yet
    for (int offset = 0; offset < size && left > 0;) {
        if (m_generation != generation) {
            m_reader.close();
            return false;
        }
        const int n = std::min(SliceBytes, size - offset);
        if (!m_reader.read(text.get() + have, n, offset)) {
            m_reader.close();
            return fail();
        }
        offset += n;
        m_read += n;
        have += size_t(n);
        const std::size_t end = offset < size ? wholeCharactersEnd({text.get(), have}) : have;
        const std::string_view searched(text.get(), end);
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (!found[size_t(i)] && RecordFilter::holdsText(words[i], searched)) {
                found[size_t(i)] = true;
                --left;
            }
        }
        // The next slice begins with the end of this one, at a character's start.
        std::size_t keep = end > overlap ? end - overlap : 0;
        while (keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80)
            --keep;
        std::memmove(text.get(), text.get() + keep, have - keep);
        have -= keep;
    }
    m_reader.close();
    return true;
}

}  // namespace kbs
