#include "CsvExport.h"

#include <sqlite3.h>
#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "AppError.h"
#include "CatalogueSource.h"
#include "ChecklistCsv.h"
#include "Collection.h"
#include "CsvReader.h"
#include "LegacyFormat.h"
#include "OwnCsv.h"
#include "OwnFields.h"
#include "RegularFile.h"
#include "SafeFile.h"
#include "Schema.h"
#include "Sqlite.h"
#include "TextCodec.h"
#include "ValueCsv.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("Export");
constexpr std::size_t kChunk = std::size_t(1) << 20;  // a picture is copied a MiB at a time
constexpr std::size_t kCsvBuffer = std::size_t(64) << 10;
// The catalogue is read-locked for a few records at a time, so that the program's saves wait
// for at most one such read: so many records, or fewer when their pictures add up to more.
constexpr int kRecordsPerRead = 256;
constexpr std::int64_t kPictureBytesPerRead = std::int64_t(1) << 20;
const QString kPictureColumn = QLatin1String(collection::PictureColumn);

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(int number, const QString& message) {
    throw AppError(number, kSource, message);
}

[[noreturn]] void cannotWrite(const QString& path, int error) {
    fail(err::PathFileAccess,
         QCoreApplication::translate("kbs::exchange", "%1 cannot be written: %2.")
             .arg(path, errorText(error)));
}

// A file being written; every write, the sync and the close are checked. Reports failures
// under `shownPath`, the name the file is written for.
class OutFile {
public:
    OutFile(int fd, QString shownPath) : m_fd(fd), m_path(std::move(shownPath)) {}
    ~OutFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OutFile(const OutFile&) = delete;
    OutFile& operator=(const OutFile&) = delete;

    void write(const char* data, std::size_t size) {
        safefile::writeAll(m_fd, data, qint64(size), m_path);
    }
    void append(std::string_view text) {
        m_buffer.append(text);
        if (m_buffer.size() >= kCsvBuffer)
            flush();
    }
    void flush() {
        write(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }
    void close(bool sync) {
        flush();
        if (sync && ::fsync(m_fd) != 0)
            cannotWrite(m_path, errno);
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 && errno != EINTR)
            cannotWrite(m_path, errno);
    }

private:
    int m_fd;
    QString m_path;
    std::string m_buffer;
};

// Whatever the export has made under scratch names; removed unless it was put in place.
struct Scratch {
    safefile::Scratch csv;
    safefile::Scratch folder;
};

}  // namespace

void appendField(std::string& row, std::string_view text) {
    std::string defused;
    if (startsLikeFormula(text)) {
        defused = '\'' + std::string(text);
        text = defused;
    }
    const bool quote = text.empty() || text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       text.front() == ' ' || text.front() == '\t' || text.back() == ' ' ||
                       text.back() == '\t';
    if (!quote) {
        row.append(text);
        return;
    }
    row += '"';
    for (const char c : text) {
        if (c == '"')
            row += '"';
        row += c;
    }
    row += '"';
}

namespace {

// A text as a CSV file can hold it, which is what the import takes back: UTF-8 without a NUL.
// The catalogue may hold other bytes (a text written by another program); NUL bytes are left
// out and bytes that are not UTF-8 become U+FFFD, every other byte is kept. Returns whether
// the text had to change.
bool makeReadable(std::string_view text, std::string& out) {
    const QByteArrayView bytes(text.data(), qsizetype(text.size()));
    const bool valid = textcodec::isValidUtf8(bytes);
    if (valid && text.find('\0') == std::string_view::npos)
        return false;
    const QByteArray utf8 = valid ? bytes.toByteArray() : QString::fromUtf8(bytes).toUtf8();
    out.assign(utf8.constData(), size_t(utf8.size()));
    std::erase(out, '\0');
    return true;
}

const char* extensionFor(const unsigned char* head, std::size_t size) {
    auto startsWith = [&](std::string_view magic) {
        return size >= magic.size() && std::memcmp(head, magic.data(), magic.size()) == 0;
    };
    if (startsWith("\xFF\xD8\xFF"))
        return "jpg";
    if (startsWith(std::string_view("\x89PNG\r\n\x1A\n", 8)))
        return "png";
    if (startsWith("GIF87a") || startsWith("GIF89a"))
        return "gif";
    if (startsWith("BM"))
        return "bmp";
    return "bin";
}

class Exporter {
public:
    Exporter(const Catalogue& catalogue, Scratch& scratch, OutFile& csv, QString csvPath,
             QString picturesFolder, const ownfields::AllValues& own, bool withTags)
        : m_cat(catalogue),
          m_own(own),
          m_withTags(withTags),
          m_scratch(scratch),
          m_csv(csv),
          m_csvPath(std::move(csvPath)),
          m_picturesFolder(std::move(picturesFolder)),
          m_picturesName(QFileInfo(m_picturesFolder).fileName().toStdString()),
          m_buffer(kChunk) {
        std::string header = "\xEF\xBB\xBF";
        std::string select = "SELECT rowid";
        for (const std::string& c : m_cat.columns()) {
            if (QString::fromStdString(c).compare(kPictureColumn, Qt::CaseInsensitive) == 0)
                continue;
            appendField(header, c);
            header += ',';
            select += ", " + sqlite::quoteName(c);
            m_names.push_back(QString::fromStdString(c));
        }
        header += std::string("picture_file,") + MorePicturesColumn + ',' + MoreLinksColumn + ',' +
                  MoreCaptionsColumn;
        // The collector's own fields and the tags after the described columns.
        for (const ownfields::Field& f : m_own.fields) {
            header += ',';
            appendField(header, f.name.toStdString());
        }
        if (m_withTags)
            header += std::string(",") + TagsColumn;
        header += "\r\n";
        m_csv.append(header);
        m_pictureColumn = m_cat.columnNamed(kPictureColumn).value_or(std::string());
        const std::string picture = sqlite::quoteName(m_pictureColumn);
        // typeof() and length() take what they need from the record's header, so that the
        // statement never reads a picture's bytes.
        select += m_pictureColumn.empty() ? ", 'null', 0"
                                          : ", typeof(" + picture + "), length(" + picture + ")";
        select += " FROM " + std::string(schema::TableName) + " WHERE " + m_cat.idColumn() + " = ?";
        m_select = sqlite::Stmt(m_cat.db(), select, kSource);
        sqlite::Stmt table(m_cat.db(),
                           std::string("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                       "name = '") +
                               schema::PicturesTable + "'",
                           kSource);
        if (table.step(kSource)) {
            m_further = sqlite::Stmt(
                m_cat.db(),
                std::string("SELECT pic_id, typeof(bytes), length(bytes), path, caption FROM ") +
                    schema::PicturesTable + " WHERE record_id = ? ORDER BY position, pic_id",
                kSource);
        }
    }

    // Reads the records in short reads and writes them.
    void run(const std::vector<std::int64_t>& ids, const ExportProgressFn& progress,
             ExportSummary& summary) {
        const long total = long(ids.size());
        const long step = std::max(1L, total / 200);  // about two hundred calls in all
        if (progress && !progress(0, total))
            cancelled();
        long reported = 0;
        std::size_t next = 0;
        while (next < ids.size()) {
            m_cat.exec("BEGIN");
            std::int64_t pictureBytes = 0;
            for (int n = 0;
                 n < kRecordsPerRead && pictureBytes < kPictureBytesPerRead && next < ids.size();
                 ++n, ++next)
                pictureBytes += writeRecord(ids[next], summary);
            m_cat.exec("COMMIT");
            // Called between reads, when the catalogue is not locked.
            if (progress && (long(next) == total || long(next) - reported >= step)) {
                reported = long(next);
                if (!progress(reported, total))
                    cancelled();
            }
        }
        for (const auto& [column, count] : m_blobColumns)
            summary.notes << QCoreApplication::translate(
                                 "kbs::exchange",
                                 "%1 value(s) of the column %2 held binary data and were "
                                 "written as text.")
                                 .arg(count)
                                 .arg(column);
        if (m_changedTexts > 0)
            summary.notes << QCoreApplication::translate(
                                 "kbs::exchange",
                                 "%1 text(s) held NUL bytes, which were left out, or bytes that "
                                 "are not UTF-8, which became the replacement character "
                                 "U+FFFD.")
                                 .arg(m_changedTexts);
        if (m_emptyFurther > 0)
            summary.notes << QCoreApplication::translate(
                                 "kbs::exchange",
                                 "%1 further picture(s) with neither bytes nor a linked file "
                                 "were left out.")
                                 .arg(m_emptyFurther);
        if (summary.skipped > 0)
            summary.notes << QCoreApplication::translate(
                                 "kbs::exchange",
                                 "%1 record(s) deleted while the export ran were left "
                                 "out.")
                                 .arg(summary.skipped);
    }

private:
    [[noreturn]] void cancelled() const {
        fail(err::CancelSelected,
             QCoreApplication::translate("kbs::exchange", "The export to %1 was cancelled.")
                 .arg(m_csvPath));
    }

    // Writes one record with its picture; returns the picture's size. A record that is no
    // longer there is counted as skipped.
    std::int64_t writeRecord(std::int64_t id, ExportSummary& summary) {
        sqlite3_stmt* st = m_select.get();
        sqlite3_reset(st);
        sqlite3_bind_int64(st, 1, id);
        if (!m_select.step(kSource)) {
            ++summary.skipped;
            return 0;
        }
        m_row.clear();
        const int count = int(m_names.size());
        for (int c = 1; c <= count; ++c) {
            switch (sqlite3_column_type(st, c)) {
                case SQLITE_NULL:
                    break;
                case SQLITE_INTEGER:
                    m_row += std::to_string(sqlite3_column_int64(st, c));
                    break;
                case SQLITE_FLOAT: {
                    char text[32];
                    const auto end =
                        std::to_chars(text, text + sizeof text, sqlite3_column_double(st, c)).ptr;
                    m_row.append(text, end);
                    // A whole number keeps its point, so that it reads back as a real.
                    if (std::find_if(text, end, [](char ch) {
                            return !std::isdigit(uchar(ch)) && ch != '-';
                        }) == end)
                        m_row += ".0";
                    break;
                }
                case SQLITE_BLOB: {
                    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(st, c));
                    appendText(std::string_view(bytes, size_t(sqlite3_column_bytes(st, c))),
                               false);  // counted below
                    ++m_blobColumns[m_names[std::size_t(c - 1)]];
                    break;
                }
                default: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                    appendText(std::string_view(text, size_t(sqlite3_column_bytes(st, c))));
                }
            }
            m_row += ',';
        }
        const std::string_view type(
            reinterpret_cast<const char*>(sqlite3_column_text(st, count + 1)));
        const bool null = type == "null";
        const bool bytes = type == "blob" || type == "text";
        const std::int64_t size = bytes ? sqlite3_column_int64(st, count + 2) : 0;
        const std::int64_t rowid = sqlite3_column_int64(st, 0);
        sqlite3_reset(st);
        if (size > 0) {
            appendField(
                m_row, writePicture(schema::TableName, m_pictureColumn, rowid, std::to_string(id)));
            ++summary.pictures;
        } else if (!null) {
            m_row += "\"\"";  // no bytes: an empty picture, or a number where none belongs
        }
        const std::int64_t furtherSize = writeFurther(id, summary);
        for (std::size_t f = 0; f < m_own.fields.size(); ++f) {
            m_row += ',';
            const QString value = m_own.valueOf(id, f);
            if (!value.isEmpty())
                appendText(value.toStdString());
        }
        if (m_withTags) {
            m_row += ',';
            const QStringList tags = m_own.tagsOf(id);
            if (!tags.isEmpty())
                appendText(joinTags(tags).toStdString());
        }
        m_row += "\r\n";
        m_csv.append(m_row);
        ++summary.records;
        return size + furtherSize;
    }

    // Appends one field with the text made readable to the import, counting the texts changed.
    void appendText(std::string_view text, bool counted = true) {
        if (makeReadable(text, m_readable)) {
            m_changedTexts += counted ? 1 : 0;
            text = m_readable;
        }
        appendField(m_row, text);
    }

    // Appends the record's further pictures as the three list fields, writing the embedded
    // ones as files "ID-2.jpg", "ID-3.png", ... in order; returns their size.
    std::int64_t writeFurther(std::int64_t id, ExportSummary& summary) {
        std::vector<std::string> files, links, captions;
        std::int64_t total = 0;
        if (sqlite3_stmt* st = m_further.get()) {
            sqlite3_reset(st);
            sqlite3_bind_int64(st, 1, id);
            struct Found {
                std::int64_t picId;
                std::int64_t size;
                std::string path, caption;
            };
            std::vector<Found> found;
            while (m_further.step(kSource)) {
                const std::string_view type(
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
                const bool bytes = type == "blob" || type == "text";
                auto text = [&](int c) {
                    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                    return t ? std::string(t, std::size_t(sqlite3_column_bytes(st, c)))
                             : std::string();
                };
                found.push_back({sqlite3_column_int64(st, 0),
                                 bytes ? sqlite3_column_int64(st, 2) : 0, text(3), text(4)});
            }
            sqlite3_reset(st);
            for (const Found& f : found) {
                if (f.size <= 0 && f.path.empty()) {
                    ++m_emptyFurther;
                    continue;
                }
                const int number = int(files.size()) + 2;
                if (f.size > 0) {
                    files.push_back(
                        writePicture(schema::PicturesTable, "bytes", f.picId,
                                     std::to_string(id) + '-' + std::to_string(number)));
                    links.emplace_back();
                    ++summary.pictures;
                    total += f.size;
                } else {
                    files.emplace_back();
                    links.push_back(f.path);
                }
                captions.push_back(f.caption);
            }
        }
        const bool anyCaption = std::any_of(captions.begin(), captions.end(),
                                            [](const std::string& c) { return !c.empty(); });
        const bool anyLink = std::any_of(links.begin(), links.end(),
                                         [](const std::string& l) { return !l.empty(); });
        for (const std::string& list : {joinList(files), anyLink ? joinList(links) : std::string(),
                                        anyCaption ? joinList(captions) : std::string()}) {
            m_row += ',';
            if (!list.empty())
                appendText(list);
        }
        return total;
    }

    // Copies the bytes of a picture (of `column` in `table`, in the row `rowid`) into the file
    // named `stem` and the extension of its format, a chunk at a time; returns its relative
    // path.
    std::string writePicture(const char* table, const std::string& column, std::int64_t rowid,
                             const std::string& stem) {
        if (m_scratch.folder.isNull())
            m_scratch.folder = safefile::Scratch::folder(m_picturesFolder);
        sqlite3_blob* blob = nullptr;
        if (sqlite3_blob_open(m_cat.db(), "main", table, column.c_str(), rowid, 0, &blob) !=
            SQLITE_OK) {
            sqlite3_blob_close(blob);
            m_cat.failRead(SQLITE_ERROR);
        }
        struct BlobCloser {
            sqlite3_blob* b;
            ~BlobCloser() { sqlite3_blob_close(b); }
        } closer{blob};
        // In bytes: length() counts the characters of a text.
        const std::int64_t size = sqlite3_blob_bytes(blob);  // not 0: length() said so
        std::string name;
        std::unique_ptr<OutFile> out;
        for (std::int64_t at = 0; at < size;) {
            const int n = int(std::min<std::int64_t>(std::int64_t(kChunk), size - at));
            if (sqlite3_blob_read(blob, m_buffer.data(), n, int(at)) != SQLITE_OK)
                m_cat.failRead(SQLITE_ERROR);
            if (!out) {
                name = stem + '.' + extensionFor(m_buffer.data(), std::size_t(n));
                const QString path =
                    m_scratch.folder.path() + QLatin1Char('/') + QString::fromStdString(name);
                const QString shown =
                    m_picturesFolder + QLatin1Char('/') + QString::fromStdString(name);
                const int fd =
                    ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
                if (fd < 0)
                    cannotWrite(shown, errno);
                out = std::make_unique<OutFile>(fd, shown);
            }
            out->write(reinterpret_cast<const char*>(m_buffer.data()), std::size_t(n));
            at += n;
        }
        out->close(false);  // the whole folder is synced once, at the end
        return m_picturesName + '/' + name;
    }

    const Catalogue& m_cat;
    const ownfields::AllValues& m_own;
    bool m_withTags;
    Scratch& m_scratch;
    OutFile& m_csv;
    QString m_csvPath;
    QString m_picturesFolder;
    std::string m_picturesName;
    std::vector<unsigned char> m_buffer;
    std::vector<QString> m_names;
    std::string m_pictureColumn;
    sqlite::Stmt m_select;
    sqlite::Stmt m_further;  // the record's further pictures, when the catalogue has them
    long m_emptyFurther = 0;
    long m_changedTexts = 0;
    std::string m_row;
    std::string m_readable;
    std::map<QString, long> m_blobColumns;
};

}  // namespace

bool anyTags(const ownfields::AllValues& own, const std::vector<std::int64_t>& ids) {
    return std::any_of(ids.begin(), ids.end(),
                       [&own](std::int64_t id) { return !own.tagsOf(id).isEmpty(); });
}

QString picturesFolderFor(const QString& csvPath) {
    const QFileInfo info(csvPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_pictures"));
}

ExportSummary exportCsv(const QString& catalogue, const QString& csvPath,
                        const std::optional<std::vector<std::int64_t>>& ids,
                        const ExportProgressFn& progress) {
    const QString pictures = picturesFolderFor(csvPath);
    for (const QString& target : {csvPath, pictures}) {
        safefile::removeLeftovers(target);  // of exports to the same target that were killed
        safefile::refuseExisting(target);
    }
    Catalogue source(catalogue, kSource);
    // The checklists and the value history, when the catalogue has any, in files of their own
    // beside the records: each refused at once when its name is taken.
    std::vector<std::pair<QString, safefile::Scratch>> beside;
    const auto besideFile = [&beside](const QString& target, const QByteArray& bytes) {
        if (bytes.isEmpty())
            return;
        safefile::removeLeftovers(target);
        safefile::refuseExisting(target);
        beside.emplace_back(target, safefile::Scratch::file(target));
        beside.back().second.write(bytes);
    };
    besideFile(checklistsFileFor(csvPath), checklistsCsv(source.db()));
    const std::vector<std::int64_t> all = source.recordIds(ids);
    besideFile(valuesFileFor(csvPath), valuesCsv(source.db(), all));
    // The collector's own values and tags, read once; their fields' kinds in a file beside.
    const ownfields::AllValues own = ownfields::readAll(source.db());
    besideFile(fieldsFileFor(csvPath), fieldsCsv(own.fields));

    // Made before any record is read, so that a folder that cannot be written is found at once.
    // The CSV file's lock is held by a copy of its descriptor until it is in place.
    Scratch scratch;
    scratch.csv = safefile::Scratch::file(csvPath);
    OutFile csv(::fcntl(scratch.csv.fd(), F_DUPFD_CLOEXEC, 0), csvPath);

    ExportSummary summary;
    Exporter exporter(source, scratch, csv, csvPath, pictures, own, anyTags(own, all));
    exporter.run(all, progress, summary);
    csv.close(true);

    // The pictures first, so that a CSV in place always has its pictures beside it.
    if (!scratch.folder.isNull())
        scratch.folder.placeNoReplace();
    size_t placed = 0;
    try {
        for (; placed < beside.size(); ++placed)
            beside[placed].second.placeNoReplace();
        scratch.csv.placeNoReplace();
    } catch (const AppError&) {
        if (summary.pictures > 0)
            QDir(pictures).removeRecursively();  // put in place by this export a moment ago
        for (size_t i = 0; i < placed; ++i)
            QFile::remove(beside[i].first);
        throw;
    }
    return summary;
}

}  // namespace kbs::exchange
