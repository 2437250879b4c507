#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kbs {

// Makes the small pictures the gallery and the detail panel's strip draw: one JPEG of at most
// Side pixels on its long side per picture, kept in the catalogue's thumbnail table with what
// it was made from (the bytes' hash, or a linked file's path, size and modification time).
//
// Works on a thread of its own with connections of its own: it reads the pictures on one and
// writes the thumbnails in short transactions on another, so the window never waits long for
// it, and it writes nothing while the window has just read (windowReading()). start() makes
// what is missing or out of date in the whole catalogue; request() puts one
// record first (after a save, or when the record is shown). Progress and each record done are
// signalled to the window's thread. The destructor stops the work and waits for the thread.
//
// A start does not look at the linked files whose thumbnails it has: it takes what it knew of
// them (size, time, missing) as still true. A link is looked at again when its record is
// requested, and all of them in an idle pass after the first one, a few milliseconds of work
// in every tenth of a second, one stat() each. A whole pass (every thumbnail made, every link
// looked at) is noted in the catalogue with the catalogue's number of changes; a start on a
// catalogue that has not changed since a pass less than a day old makes no pass at all.
class ThumbnailMaker : public QObject {
    Q_OBJECT
public:
    static constexpr int Side = 256;
    // Reads a picture, its bytes or (when empty) its file, decoded to at least the size given.
    using Decoder = std::function<QImage(const QByteArray& bytes, const QString& path, QSize)>;

    explicit ThumbnailMaker(const QString& databasePath, Decoder decoder = {},
                            QObject* parent = nullptr);
    ~ThumbnailMaker() override;
    ThumbnailMaker(const ThumbnailMaker&) = delete;
    ThumbnailMaker& operator=(const ThumbnailMaker&) = delete;

    void start();
    void request(std::int64_t recordId);
    // Before start(): the records whose thumbnails are made before all others (those on the
    // screen). firstMade() says when they are; with `hold` the maker then waits for release()
    // before it makes the others (so that the backup has the disk to itself meanwhile).
    void putFirst(std::vector<std::int64_t> records, bool hold);
    void release();
    // The window reads the catalogue now (it shows a record): the maker writes nothing for a
    // while, so that the window does not wait for its writing.
    void windowReading();
    void stop();  // ends the work between two pictures and waits for the thread
    bool isRunning() const { return m_thread.joinable() && !m_finished; }
    // How long after the first pass the idle pass begins.
    void setIdlePassDelay(std::chrono::milliseconds delay) { m_idleDelay = delay; }
    // The clock that says how old the last pass is, in seconds since the epoch.
    void setClock(std::function<std::int64_t()> secondsNow) { m_now = std::move(secondsNow); }
    // Pictures decoded at a time, each on a thread of its own below the window's priority: two
    // where the machine has more than two cores, so that one is always the window's; one
    // otherwise. overrideDecodeThreads() sets it (1 or 2; 0 for the rule) for the makers
    // started after, to measure one against the other.
    static int decodeThreads();
    static void overrideDecodeThreads(int threads);
    // Linked files looked at (their size and time read) since the maker was made.
    int linksLookedAt() const { return m_linksLookedAt; }

    // A thumbnail of a decoded picture, as stored.
    static QByteArray encode(const QImage& picture);

Q_SIGNALS:
    void progress(int done, int total);
    void made(qint64 recordId);  // that record's thumbnails are stored
    // The records put first have their thumbnails, or the maker gave up on them.
    void firstMade();
    // The catalogue's thumbnails are all made, or the maker gave up on them (a catalogue it
    // cannot read or write); either way it shows no more progress.
    void finished();

private:
    struct Work;
    void run();

    QString m_path;
    Decoder m_decode;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::int64_t> m_requests;
    std::vector<std::int64_t> m_first;
    bool m_hold = false;  // guarded by m_mutex, as are the two above
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::atomic<int> m_linksLookedAt{0};
    std::atomic<std::int64_t> m_windowReadAt{0};  // steady clock, milliseconds
    std::chrono::milliseconds m_idleDelay{10000};
    std::function<std::int64_t()> m_now = [] { return QDateTime::currentSecsSinceEpoch(); };
};

}  // namespace kbs
