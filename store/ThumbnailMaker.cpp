#include "ThumbnailMaker.h"

#include <sqlite3.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QThread>
#include <algorithm>
#include <optional>
#include <vector>

#include "AppError.h"
#include "PictureLoader.h"
#include "Pictures.h"
#include "Sqlite.h"

namespace kbs {

namespace {
const QString kSource = QStringLiteral("Thumbnails");
constexpr int kBatch = 16;  // thumbnails written per transaction
// After the window read the catalogue, it is likely to read again soon (a record after
// another): the thumbnails wait this long, unless this many are waiting.
constexpr std::int64_t kWindowQuietMs = 300;
constexpr std::size_t kMostWaiting = 8 * kBatch;
// A whole pass over the links holds for this long while the catalogue does not change.
constexpr std::int64_t kPassHoldsSeconds = 24 * 60 * 60;

std::int64_t steadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// What one stat() tells of a linked file: its size and its modification time in milliseconds
// (as QFileInfo gives them); both -1 when it cannot be looked at.
struct LinkState {
    qint64 size = -1;
    qint64 msecs = -1;
    bool operator==(const LinkState&) const = default;
};

LinkState linkState(const char* localPath) {
    struct stat st {};
    if (::stat(localPath, &st) != 0)
        return {};
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000};
}

// One picture that needs a thumbnail, or a link to look at again.
struct Todo {
    std::int64_t record = 0;
    int position = 0;
    QString path;  // linked; empty: embedded
    QString source;
    QByteArray localPath = {};  // a link to look at again: its path as the system takes it
    LinkState was = {};         // and what its thumbnail was made from
};

using Key = std::pair<qint64, int>;  // record, position

// What a linked picture's thumbnail was made from: its path, size and modification time.
QString linkedSource(const QString& path, LinkState state) {
    return path + QLatin1Char('|') + QString::number(state.size) + QLatin1Char('|') +
           QString::number(state.msecs);
}

QString linkedSource(const QString& path) {
    return linkedSource(path, linkState(QFile::encodeName(path).constData()));
}

// The size and time in a source that linkedSource() wrote.
LinkState stateIn(const QString& source) {
    const QStringView s(source);
    const qsizetype time = s.lastIndexOf(QLatin1Char('|'));
    const qsizetype size = time > 0 ? s.lastIndexOf(QLatin1Char('|'), time - 1) : -1;
    if (size < 0)
        return {};
    bool sizeOk = false, timeOk = false;
    const LinkState state{s.mid(size + 1, time - size - 1).toLongLong(&sizeOk),
                          s.mid(time + 1).toLongLong(&timeOk)};
    return sizeOk && timeOk ? state : LinkState{qint64(-2), qint64(-2)};
}

// Whether `source` was made from the file at `path` (whatever its size and time were then).
bool fromPath(const QString& source, const QString& path) {
    const qsizetype time = source.lastIndexOf(QLatin1Char('|'));
    const qsizetype size = time > 0 ? source.lastIndexOf(QLatin1Char('|'), time - 1) : -1;
    return size == path.size() && source.startsWith(path);
}

QString text(sqlite3_stmt* st, int col) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col)),
                             sqlite3_column_bytes(st, col));
}

sqlite3* openDb(const QString& path, int flags) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite::waitForLock(db, 10000);
    return db;
}
}  // namespace

ThumbnailMaker::ThumbnailMaker(const QString& databasePath, Decoder decoder, QObject* parent)
    : QObject(parent), m_path(databasePath), m_decode(std::move(decoder)) {
    if (!m_decode) {
        m_decode = [](const QByteArray& bytes, const QString& path, QSize fill) {
            return path.isEmpty() ? loadPictureBytes(bytes, fill) : loadPictureFile(path, fill);
        };
    }
}

ThumbnailMaker::~ThumbnailMaker() {
    stop();
}

void ThumbnailMaker::start() {
    if (m_thread.joinable())
        return;
    m_stop = false;
    m_finished = false;
    m_thread = std::thread([this] { run(); });
}

void ThumbnailMaker::request(std::int64_t recordId) {
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(recordId);
    }
    m_wake.notify_one();
    if (!m_thread.joinable())
        start();
}

void ThumbnailMaker::putFirst(std::vector<std::int64_t> records, bool hold) {
    std::lock_guard lock(m_mutex);
    m_first = std::move(records);
    m_hold = hold;
}

void ThumbnailMaker::release() {
    {
        std::lock_guard lock(m_mutex);
        m_hold = false;
    }
    m_wake.notify_one();
}

void ThumbnailMaker::windowReading() {
    m_windowReadAt = steadyMs();
}

void ThumbnailMaker::stop() {
    m_stop = true;
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

namespace {
std::atomic<int> overriddenThreads{0};
}

int ThumbnailMaker::decodeThreads() {
    if (const int n = overriddenThreads.load())
        return n;
    return QThread::idealThreadCount() > 2 ? 2 : 1;
}

void ThumbnailMaker::overrideDecodeThreads(int threads) {
    overriddenThreads = std::clamp(threads, 0, 2);
}

QByteArray ThumbnailMaker::encode(const QImage& picture) {
    QImage small = picture;
    if (picture.width() > Side || picture.height() > Side)
        small = picture.scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    small.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 80);
    return out;
}

// What the pictures of the catalogue (or of one record) need: a thumbnail that is missing or
// made from something else. Thumbnails of pictures that are gone are removed.
struct ThumbnailMaker::Work {
    sqlite3* read = nullptr;
    sqlite3* write = nullptr;

    std::atomic<int>* linksLookedAt = nullptr;
    // The links taken as unchanged by the last scan, with what their thumbnail was made from.
    std::vector<Todo> unchecked;

    // A scan of the whole catalogue looks at no linked file that has a thumbnail already.
    std::vector<Todo> scan(std::optional<std::int64_t> only) {
        QHash<Key, QString> made;
        {
            sqlite::Stmt st(read,
                            only ? "SELECT record_id, position, source FROM picture_thumbs WHERE "
                                   "record_id = ?"
                                 : "SELECT record_id, position, source FROM picture_thumbs",
                            kSource);
            if (only)
                sqlite3_bind_int64(st.get(), 1, *only);
            while (st.step(kSource)) {
                made.insert(Key(sqlite3_column_int64(st.get(), 0), sqlite3_column_int(st.get(), 1)),
                            text(st.get(), 2));
            }
        }
        std::vector<Todo> todo;
        auto consider = [&](std::int64_t record, int position, qint64 size, const QString& path) {
            const QString trimmed = path.trimmed();
            if (size <= 0 && trimmed.isEmpty())
                return;
            const auto it = made.constFind(Key(record, position));
            if (size <= 0 && !only && it != made.cend() && fromPath(*it, trimmed)) {
                unchecked.push_back(
                    {record, position, trimmed, *it, QFile::encodeName(trimmed), stateIn(*it)});
                made.erase(it);
                return;
            }
            const QString source = size > 0 ? QString() : linkedSource(trimmed);
            if (size <= 0)
                ++*linksLookedAt;
            const bool current = it != made.cend() && (size > 0 || *it == source);
            if (it != made.cend())
                made.erase(it);
            if (!current)
                todo.push_back({record, position, size > 0 ? QString() : trimmed, source});
        };
        // Sizes and paths only: the pictures' bytes are not read here, and a path stored after
        // bytes is read only where there are none.
        const std::string pictures[] = {
            "SELECT ID, 1, length(binpicdata), CASE WHEN length(binpicdata) > 0 THEN NULL ELSE "
            "picpath END FROM table1" +
                std::string(only ? " WHERE ID = ?" : "") + " ORDER BY ID",
            "SELECT record_id, position, length(bytes), CASE WHEN length(bytes) > 0 THEN NULL "
            "ELSE path END FROM record_pictures" +
                std::string(only ? " WHERE record_id = ?" : "") + " ORDER BY record_id, position"};
        for (const std::string& sql : pictures) {
            sqlite::Stmt st(read, sql, kSource);
            if (only)
                sqlite3_bind_int64(st.get(), 1, *only);
            while (st.step(kSource))
                consider(sqlite3_column_int64(st.get(), 0), sqlite3_column_int(st.get(), 1),
                         sqlite3_column_int64(st.get(), 2), text(st.get(), 3));
        }
        // What is left was made from a picture that is gone.
        if (!made.isEmpty()) {
            sqlite::exec(write, "BEGIN IMMEDIATE", kSource);
            sqlite::Stmt del(
                write, "DELETE FROM picture_thumbs WHERE record_id = ? AND position = ?", kSource);
            for (auto it = made.cbegin(); it != made.cend(); ++it) {
                sqlite3_bind_int64(del.get(), 1, it.key().first);
                sqlite3_bind_int(del.get(), 2, it.key().second);
                del.step(kSource);
                del.reset();
            }
            sqlite::exec(write, "COMMIT", kSource);
        }
        return todo;
    }

    QByteArray bytes(const Todo& t) const { return pictures::bytesAt(read, t.record, t.position); }

    // Where the catalogue stands: its token and its number of changes, as the record of changes
    // keeps them; none without that record.
    struct Mark {
        qint64 token = 0;
        qint64 changes = 0;
    };
    std::optional<Mark> mark() const {
        try {
            sqlite::Stmt token(read, "SELECT token FROM backup_token", kSource);
            sqlite::Stmt changes(read, "SELECT ifnull(max(n), 0) FROM backup_changes", kSource);
            if (!token.step(kSource) || !changes.step(kSource))
                return std::nullopt;
            return Mark{sqlite3_column_int64(token.get(), 0),
                        sqlite3_column_int64(changes.get(), 0)};
        } catch (const AppError&) {
            return std::nullopt;
        }
    }
    // Whether a whole pass began at this mark less than a day before `now`.
    bool passHolds(const Mark& m, std::int64_t now) const {
        try {
            sqlite::Stmt st(read, "SELECT token, changes, links_checked_at FROM thumbnail_pass",
                            kSource);
            if (!st.step(kSource))
                return false;
            const std::int64_t at = sqlite3_column_int64(st.get(), 2);
            return sqlite3_column_int64(st.get(), 0) == m.token &&
                   sqlite3_column_int64(st.get(), 1) == m.changes && at <= now &&
                   now - at < kPassHoldsSeconds;
        } catch (const AppError&) {
            return false;
        }
    }
    // Notes a whole pass that began at mark m, at time `at`. A catalogue that cannot be written
    // goes without the note: its next start makes the pass again.
    void notePass(const Mark& m, std::int64_t at) const {
        try {
            sqlite::inTransaction(write, kSource, [&] {
                sqlite::exec(write, "DELETE FROM thumbnail_pass", kSource);
                sqlite::Stmt st(write, "INSERT INTO thumbnail_pass VALUES (?, ?, ?)", kSource);
                sqlite3_bind_int64(st.get(), 1, m.token);
                sqlite3_bind_int64(st.get(), 2, m.changes);
                sqlite3_bind_int64(st.get(), 3, at);
                st.step(kSource);
            });
        } catch (const AppError&) {
        }
    }
};

void ThumbnailMaker::run() {
    // Below the window's thread: on a busy machine the window answers first.
    setpriority(PRIO_PROCESS, id_t(gettid()), 5);
    Work w;
    w.linksLookedAt = &m_linksLookedAt;
    w.read = openDb(m_path, SQLITE_OPEN_READONLY);
    w.write = openDb(m_path, SQLITE_OPEN_READWRITE);
    struct Made {
        Todo todo;
        QByteArray jpeg;
        QByteArray bytes;  // the picture, until it is decoded
    };
    std::vector<Made> pending;
    // The window's reading first: a read of its waits for the whole of a write.
    auto windowQuiet = [&] {
        return pending.size() >= kMostWaiting || steadyMs() - m_windowReadAt >= kWindowQuietMs;
    };
    auto flush = [&] {
        if (pending.empty())
            return;
        while (!m_stop && !windowQuiet())
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        sqlite::exec(w.write, "BEGIN IMMEDIATE", kSource);
        sqlite::Stmt st(w.write,
                        "INSERT OR REPLACE INTO picture_thumbs (record_id, position, source, "
                        "jpeg) VALUES (?, ?, ?, ?)",
                        kSource);
        QList<qint64> records;
        for (const Made& m : pending) {
            sqlite3_bind_int64(st.get(), 1, m.todo.record);
            sqlite3_bind_int(st.get(), 2, m.todo.position);
            const QByteArray source = m.todo.source.toUtf8();
            sqlite3_bind_text(st.get(), 3, source.constData(), int(source.size()),
                              SQLITE_TRANSIENT);
            sqlite3_bind_blob(st.get(), 4, m.jpeg.constData(), int(m.jpeg.size()), SQLITE_STATIC);
            st.step(kSource);
            st.reset();
            if (records.isEmpty() || records.last() != m.todo.record)
                records << m.todo.record;
        }
        sqlite::exec(w.write, "COMMIT", kSource);
        pending.clear();
        for (qint64 r : records)
            Q_EMIT made(r);
    };
    auto decode = [this](Made& m) {
        // m.jpeg stays empty when it is not a picture: not tried again until it changes.
        try {
            m.jpeg = encode(m_decode(m.bytes, m.todo.path, QSize(Side, Side)));
        } catch (const AppError&) {
        }
        m.bytes = QByteArray();
    };
    // The pictures are read here, on this thread's connection, and decoded side by side.
    auto makeSome = [&](std::vector<Todo> todos) {
        std::vector<Made> batch;
        for (Todo& t : todos) {
            QByteArray bytes;
            if (t.path.isEmpty()) {
                bytes = w.bytes(t);
                t.source = QStringLiteral("sha1:") +
                           QString::fromLatin1(
                               QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
            }
            batch.push_back({std::move(t), QByteArray(), std::move(bytes)});
        }
        if (batch.size() > 1) {
            std::thread helper([&] {
                setpriority(PRIO_PROCESS, id_t(gettid()), 5);
                for (std::size_t i = 1; i < batch.size(); i += 2)
                    decode(batch[i]);
            });
            for (std::size_t i = 0; i < batch.size(); i += 2)
                decode(batch[i]);
            helper.join();
        } else if (!batch.empty()) {
            decode(batch.front());
        }
        for (Made& m : batch)
            pending.push_back(std::move(m));
    };
    auto makeOne = [&](Todo t) {
        std::vector<Todo> one;
        one.push_back(std::move(t));
        makeSome(std::move(one));
    };
    auto takeRequest = [&]() -> std::optional<std::int64_t> {
        std::lock_guard lock(m_mutex);
        if (m_requests.empty())
            return std::nullopt;
        const std::int64_t r = m_requests.front();
        m_requests.pop_front();
        return r;
    };
    auto serveRequests = [&] {
        while (auto r = takeRequest()) {
            for (const Todo& t : w.scan(*r))
                makeOne(t);
            flush();
        }
    };

    const std::size_t threads = std::size_t(decodeThreads());
    bool firstGiven = false;
    try {
        if (!w.read || !w.write)
            throw AppError(err::EngineError, kSource, QStringLiteral("cannot open"));
        // Nothing changed since a whole pass that looked at every link less than a day ago:
        // every thumbnail is there, and the links are looked at only when shown.
        const std::optional<Work::Mark> mark = w.mark();
        const std::int64_t begun = m_now();
        const bool passHolds = mark && w.passHolds(*mark, begun);
        std::vector<Todo> todo = passHolds ? std::vector<Todo>() : w.scan(std::nullopt);
        // A pass that made every thumbnail and looked at every link is noted as such.
        auto notePass = [&] {
            if (mark && !passHolds)
                w.notePass(*mark, begun);
        };
        std::vector<std::int64_t> first;
        {
            std::lock_guard lock(m_mutex);
            first = m_first;
        }
        std::sort(first.begin(), first.end());
        const auto firstEnd = std::stable_partition(todo.begin(), todo.end(), [&](const Todo& t) {
            return std::binary_search(first.begin(), first.end(), t.record);
        });
        const std::size_t firstCount = std::size_t(firstEnd - todo.begin());
        const int total = int(todo.size());
        if (total > 0)
            Q_EMIT progress(0, total);
        int done = 0;
        for (std::size_t i = 0; i <= todo.size() && !m_stop; ++i) {
            if (i == firstCount) {
                flush();
                Q_EMIT progress(done, total);
                firstGiven = true;
                Q_EMIT firstMade();
                std::unique_lock lock(m_mutex);
                while (m_hold && !m_stop) {
                    if (!m_requests.empty()) {
                        lock.unlock();
                        serveRequests();
                        lock.lock();
                        continue;
                    }
                    m_wake.wait(lock);
                }
            }
            if (i == todo.size() || m_stop)
                break;
            serveRequests();
            // As many as there are threads to decode them, none past the first records'.
            const std::size_t end =
                std::min({i + threads, todo.size(), i < firstCount ? firstCount : todo.size()});
            makeSome(std::vector<Todo>(todo.begin() + std::ptrdiff_t(i),
                                       todo.begin() + std::ptrdiff_t(end)));
            done += int(end - i);
            i = end - 1;
            if (int(pending.size()) >= kBatch && windowQuiet()) {
                flush();
                Q_EMIT progress(done, total);
            }
        }
        flush();
        if (done == total && w.unchecked.empty())
            notePass();
        if (!m_stop) {
            Q_EMIT progress(done, total);
            m_finished = true;
            Q_EMIT finished();
        }
        // The idle pass: the links the first pass took as unchanged, a slice at a time.
        using Clock = std::chrono::steady_clock;
        constexpr auto kSliceWork = std::chrono::milliseconds(3);
        constexpr auto kSliceEvery = std::chrono::milliseconds(100);
        std::size_t next = 0;
        Clock::time_point slice = Clock::now() + m_idleDelay;
        auto woken = [&] { return m_stop || !m_requests.empty(); };
        while (!m_stop) {
            serveRequests();
            std::unique_lock lock(m_mutex);
            if (next >= w.unchecked.size()) {
                m_wake.wait(lock, woken);
                continue;
            }
            if (m_wake.wait_until(lock, slice, woken))
                continue;
            lock.unlock();
            const Clock::time_point sliceBegun = Clock::now();
            while (next < w.unchecked.size() && Clock::now() - sliceBegun < kSliceWork) {
                Todo t = std::move(w.unchecked[next++]);
                const LinkState now = linkState(t.localPath.constData());
                ++m_linksLookedAt;
                if (!(now == t.was)) {
                    t.source = linkedSource(t.path, now);
                    makeOne(std::move(t));
                }
            }
            flush();
            if (next >= w.unchecked.size() && done == total)
                notePass();
            slice = Clock::now() + kSliceEvery;
        }
    } catch (const AppError&) {
        // A catalogue that cannot be read or written keeps the thumbnails it has; the window
        // draws plain tiles for the others.
        if (w.write)
            sqlite3_exec(w.write, "ROLLBACK", nullptr, nullptr, nullptr);
        if (!m_stop) {
            if (!firstGiven)
                Q_EMIT firstMade();
            Q_EMIT finished();
        }
    }
    m_finished = true;
    sqlite3_close_v2(w.read);
    sqlite3_close_v2(w.write);
}

}  // namespace kbs
