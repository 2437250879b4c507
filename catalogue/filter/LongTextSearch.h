#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "RecordFilter.h"
#include "RecordSet.h"
#include "StoredValueReader.h"

namespace kbs {

// The filter's words in the values the record set holds only in part (very long notes),
// looked for on a thread of its own with a read-only connection of its own, so that the window
// never waits for them. A value is read in slices of SliceBytes, each beginning with the last
// bytes of the one before (one less than the longest word needs), so that a word across two
// slices is found; all the words asked for are looked for in one read of the value.
//
// What was found is kept per value as it was read (the row's stamp): a word not in a value also
// answers each longer word that holds it, a word in it each word that it holds.
class LongTextSearch : public QObject {
    Q_OBJECT
public:
    static constexpr int SliceBytes = 4 * 1024 * 1024;
    using Verdict = RecordFilter::Verdict;
    struct Value {
        RecordSet::Stored where;
        int position = 0;
        std::uint32_t stamp = 0;
    };

    explicit LongTextSearch(QObject* parent = nullptr);
    ~LongTextSearch() override;

    // What is known of the word in a value: Yes, No, Unreadable, or Unknown until searched.
    Verdict answer(std::uint32_t stamp, int position, const QString& word) const;
    // Looks for the words in the values, in turn, instead of what it was asked before.
    void search(std::vector<Value> values, const QStringList& words);
    // Nothing asked is left to search.
    bool idle() const;
    // The bytes read from the catalogue so far.
    qint64 bytesRead() const { return m_read.load(); }

Q_SIGNALS:
    // Values asked for were searched (on the thread the object lives in).
    void answered();

private:
    struct Known {
        std::vector<std::pair<QString, bool>> words;  // case-folded, and whether it is there
        bool unreadable = false;
    };
    using KnownKey = std::pair<std::uint32_t, int>;  // stamp, position

    void run();
    Verdict answerLocked(const KnownKey& at, const QString& folded) const;
    // Reads the value, looking for the words; false when asked something else meanwhile.
    bool read(const Value& v, const QStringList& words, std::uint64_t generation,
              std::vector<bool>& found);
    void tell();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Value> m_queue;
    QStringList m_words;
    std::atomic<std::uint64_t> m_generation{0};
    bool m_working = false;
    bool m_stop = false;
    std::map<KnownKey, Known> m_known;
    std::atomic<qint64> m_read{0};
    std::atomic<bool> m_told{false};

    // The thread's own.
    StoredValueReader m_reader;
    std::thread m_thread;
};

}  // namespace kbs
