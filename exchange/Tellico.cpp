#include "Tellico.h"

#include <zip.h>

#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <set>

#include "AppError.h"
#include "CatalogueSource.h"
#include "CatalogueWriter.h"
#include "CsvImport.h"
#include "OwnCsv.h"
#include "OwnFields.h"
#include "PictureLoader.h"
#include "PictureSource.h"
#include "PlacedFile.h"
#include "ProgramInfo.h"
#include "RegularFile.h"
#include "SafeFile.h"
#include "ValueHistory.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("Tellico");
const QString kNamespace = QStringLiteral("http://periapsis.org/tellico/");

// What the reader takes, so that its memory is bounded by what it keeps, not by the file: the
// XML in all; the bytes between two of its tokens (an element with its attributes, or a piece
// of text); one value's characters, a picture's inside the XML (base64), one entry's; the
// elements nested in one another (Tellico's own go six deep); the fields declared.
constexpr qint64 kMaxXmlBytes = qint64(1) << 30;
constexpr qsizetype kMaxValueChars = qsizetype(16) << 20;
// A token is held whole, a few times over; so a picture inside the XML may have 24 MB (a
// picture in the zip, collection::MaxPictureBytes).
constexpr qsizetype kMaxImageChars = qsizetype(32) << 20;
constexpr qint64 kMaxTokenBytes = qint64(kMaxImageChars) + (qint64(1) << 20);
constexpr qsizetype kMaxEntryChars = qsizetype(64) << 20;
constexpr int kMaxDepth = 32;
constexpr int kMaxFields = 10000;
constexpr qsizetype kMaxIdChars = 64;
constexpr qsizetype kMaxNameChars = 1024;  // a field's name or title, a picture's id
constexpr int kMaxPictures = 100000;       // the pictures the XML lists

// Tellico's field types (the DTD's numbers).
constexpr int kLine = 1;
constexpr int kParagraph = 2;
constexpr int kImage = 10;
constexpr int kTable = 8;
constexpr int kChoice = 3;
constexpr int kBool = 4;
constexpr int kNumber = 6;
constexpr int kDate = 12;
constexpr int kAllowMultiple = 1;
constexpr int kMultipleGroupedCompleted = 7;
// Field flags: completed as typed; may also be grouped by.
constexpr int kCompleted = 4;
constexpr int kGroupedCompleted = 6;
// The formats: none.
constexpr int kNoFormat = 4;

// Our columns under Tellico's own field names, where it has one; every other column is known
// by its name in lower case, with '-' for '_' ("wheel-type").
struct TellicoName {
    int position;
    const char* name;
};
constexpr TellicoName kTellicoNames[] = {
    {collection::at("Description"), "title"},   {collection::at("Year"), "year"},
    {collection::at("Series"), "series"},       {collection::at("Color"), "color"},
    {collection::at("Car_Cond"), "condition"},  {collection::at("Purchase"), "pur_price"},
    {collection::at("Purch_Date"), "pur_date"}, {collection::at("Value"), "value"},
    {collection::at("Location"), "location"},   {collection::at("Quantity"), "quantity"},
    {collection::at("Notes"), "comments"},
};

QString tellicoName(int position) {
    for (const TellicoName& t : kTellicoNames) {
        if (t.position == position)
            return QLatin1String(t.name);
    }
    return QString::fromLatin1(collection::columns[size_t(position)].name)
        .toLower()
        .replace(QLatin1Char('_'), QLatin1Char('-'));
}

// The column a Tellico field stands for, by its name or its title; -1 when none.
int positionFor(const QString& name, const QString& title, const Headings& headings) {
    for (const TellicoName& t : kTellicoNames) {
        if (name == QLatin1String(t.name))
            return t.position;
    }
    for (const collection::Column& c : collection::columns) {
        if (tellicoName(c.position) == name)
            return c.position;
    }
    const int byTitle = headings.positionOf(title);
    return byTitle >= 0 ? byTitle : headings.positionOf(name);
}

[[noreturn]] void fail(const QString& message) {
    // Messages come from the file: on one line, and nothing that moves a terminal's cursor.
    throw AppError(err::PathFileAccess, kSource, escapeControls(message));
}

QString zipError(zip_error_t* error) {
    return QString::fromUtf8(zip_error_strerror(error));
}

// ---------------------------------------------------------------- reading

struct Field {
    QString name;
    QString title;
    int type = kLine;
    std::map<QString, QString> props;  // its <prop name="...">s
};

// An entry's values by field name, several for a field of several values.
struct Entry {
    std::map<QString, QStringList> values;
    std::map<QString, std::vector<QStringList>> rows;  // a table field's rows, column by column
};

// The collection's XML as the reader takes it, a block at a time: from the file, or from the
// zip's tellico.xml without unpacking it first. It gives the reader at most kMaxTokenBytes
// between two of its tokens and kMaxXmlBytes in all; past either it ends the input, so that
// the reader stops with an error (which overrun() then explains) instead of holding a huge
// value in memory.
class XmlSource : public QIODevice {
public:
    XmlSource(QFile* file, zip_file_t* entry) : m_file(file), m_entry(entry) {
        open(QIODevice::ReadOnly);
    }
    ~XmlSource() override {
        if (m_entry)
            zip_fclose(m_entry);
    }
    XmlSource(const XmlSource&) = delete;
    XmlSource& operator=(const XmlSource&) = delete;

    bool isSequential() const override { return true; }
    // The reader gave a token: the next one may take kMaxTokenBytes again.
    void tokenSeen() { m_sinceToken = 0; }
    // Why the input was cut short, or empty when it was not.
    QString overrun() const { return m_overrun; }

protected:
    qint64 readData(char* data, qint64 max) override {
        if (m_sinceToken >= kMaxTokenBytes || m_total >= kMaxXmlBytes) {
            m_overrun = m_total >= kMaxXmlBytes
                            ? QCoreApplication::translate("kbs::exchange::Tellico",
                                                          "its XML is larger than %1 MB")
                                  .arg(kMaxXmlBytes >> 20)
                            : QCoreApplication::translate("kbs::exchange::Tellico",
                                                          "it holds a value larger than %1 MB")
                                  .arg(kMaxTokenBytes >> 20);
            return -1;
        }
        max = std::min({max, kMaxTokenBytes - m_sinceToken, kMaxXmlBytes - m_total});
        const qint64 got =
            m_entry ? zip_fread(m_entry, data, zip_uint64_t(max)) : m_file->read(data, max);
        if (got > 0) {
            m_sinceToken += got;
            m_total += got;
        }
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile* m_file;
    zip_file_t* m_entry;
    qint64 m_sinceToken = 0;
    qint64 m_total = 0;
    QString m_overrun;
};

// The open collection file: its XML, read again for each pass, and its pictures by their id.
class CollectionFile {
public:
    // `spill`: a folder for the pictures inside the XML, which are kept out of memory; without
    // one they are only counted.
    CollectionFile(const QString& path, QString spill) : m_path(path), m_spill(std::move(spill)) {
        regularfile::open(m_file, path, std::numeric_limits<qint64>::max());
        if (m_file.peek(4) != QByteArray("PK\x03\x04", 4))
            return;
        m_file.close();
        int error = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
        if (!m_zip) {
            zip_error_t e;
            zip_error_init_with_code(&e, error);
            const QString why = zipError(&e);
            zip_error_fini(&e);
            fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                             "%1 cannot be read as a zip file: %2.")
                     .arg(path, why));
        }
        if (zip_name_locate(m_zip, "tellico.xml", 0) < 0)
            fail(QCoreApplication::translate(
                     "kbs::exchange::Tellico",
                     "%1 is not a Tellico collection: it holds no tellico.xml.")
                     .arg(path));
    }
    ~CollectionFile() {
        if (m_zip)
            zip_discard(m_zip);
    }
    CollectionFile(const CollectionFile&) = delete;
    CollectionFile& operator=(const CollectionFile&) = delete;

    const QString& path() const { return m_path; }

    // The XML from its start.
    std::unique_ptr<XmlSource> xml() {
        if (!m_zip) {
            m_file.seek(0);
            return std::make_unique<XmlSource>(&m_file, nullptr);
        }
        zip_file_t* f = zip_fopen(m_zip, "tellico.xml", 0);
        if (!f)
            fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                             "%1: tellico.xml cannot be read: %2.")
                     .arg(m_path, zipError(zip_get_error(m_zip))));
        return std::make_unique<XmlSource>(nullptr, f);
    }

    // A picture's bytes: from the XML's own <image> element, from images/ in the zip, or from
    // the folder Tellico keeps beside a collection ("cars_files/"), under PictureSource's
    // rule. Empty when there is none.
    QByteArray picture(const QString& id, const PictureSource& beside) {
        if (id.isEmpty())
            return {};
        if (const auto it = m_inline.find(id); it != m_inline.end())
            return regularfile::read(it->second, collection::MaxPictureBytes);
        if (m_zip && !id.contains(QLatin1String(".."))) {
            if (QByteArray bytes = readZip(QStringLiteral("images/") + id); !bytes.isEmpty())
                return bytes;
        }
        if (id.contains(QLatin1Char('/')))
            return {};
        return beside.read(QFileInfo(m_path).completeBaseName() + QStringLiteral("_files/") + id)
            .value_or(QByteArray());
    }
    bool hasInline(const QString& id) const { return m_inline.count(id) > 0; }

    // A picture inside the XML, base64 as the <image> element holds it.
    void addInline(const QString& id, const QString& base64) {
        if (m_inline.count(id) > 0)
            return;
        if (m_spill.isEmpty()) {
            m_inline[id];
            return;
        }
        const QByteArray bytes =
            QByteArray::fromBase64(base64.toLatin1(), QByteArray::Base64Encoding);
        const QString file = m_spill + QLatin1Char('/') + QString::number(m_inline.size());
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            out.write(bytes) != bytes.size() || !out.flush())
            fail(QCoreApplication::translate(
                     "kbs::exchange::Tellico",
                     "%1 cannot be read: a picture cannot be set aside in %2: %3.")
                     .arg(m_path, m_spill, out.errorString()));
        m_inline[id] = file;
    }

private:
    QByteArray readZip(const QString& name) {
        zip_stat_t st;
        const QByteArray n = name.toUtf8();
        if (zip_stat(m_zip, n.constData(), 0, &st) != 0)
            return {};
        if ((st.valid & ZIP_STAT_SIZE) == 0 || st.size > zip_uint64_t(collection::MaxPictureBytes))
            fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                             "%1: %2 is larger than the program takes.")
                     .arg(m_path, name));
        zip_file_t* f = zip_fopen(m_zip, n.constData(), 0);
        if (!f)
            fail(QCoreApplication::translate("kbs::exchange::Tellico", "%1: %2 cannot be read: %3.")
                     .arg(m_path, name, zipError(zip_get_error(m_zip))));
        QByteArray out(qsizetype(st.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(f, out.data(), st.size);
        zip_fclose(f);
        if (got != zip_int64_t(st.size))
            fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                             "%1: %2 cannot be read whole.")
                     .arg(m_path, name));
        return out;
    }

    QString m_path;
    QString m_spill;
    QFile m_file;
    zip_t* m_zip = nullptr;
    std::map<QString, QString> m_inline;  // id -> the file it was set aside in
};

// A paragraph field's text as Tellico keeps it, a little HTML: <br/> a line break, and the
// entities of <, >, & and quotes, also by number.
QString fromParagraph(const QString& html) {
    static const QRegularExpression markup(
        QStringLiteral("<br\\s*/?>|&(lt|gt|amp|quot|apos|#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6});"),
        QRegularExpression::CaseInsensitiveOption);
    if (!html.contains(QLatin1Char('<')) && !html.contains(QLatin1Char('&')))
        return html;
    QString out;
    qsizetype last = 0;
    for (auto it = markup.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(html).mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString entity = m.captured(1).toLower();
        if (entity.isEmpty()) {
            out += QLatin1Char('\n');
        } else if (entity.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = entity.startsWith(QLatin1String("#x")) ? entity.mid(2).toUInt(&ok, 16)
                                                                     : entity.mid(1).toUInt(&ok);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF))
                out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
            else
                out += m.captured(0);
        } else {
            const char* chars[] = {"<", ">", "&", "\"", "'"};
            const char* names[] = {"lt", "gt", "amp", "quot", "apos"};
            for (int i = 0; i < 5; ++i) {
                if (entity == QLatin1String(names[i]))
                    out += QLatin1String(chars[i]);
            }
        }
    }
    out += QStringView(html).mid(last);
    return out;
}

// Reads the collection's XML as a stream, without recursion: a first pass for its fields, its
// entries' ids and the pictures inside it; then the entries one at a time, so that a large
// collection is never held whole. Refuses, naming the line, XML nested deeper than kMaxDepth,
// a value longer than kMaxValueChars (a picture's, kMaxImageChars) and more than kMaxFields
// fields.
class CollectionReader {
public:
    explicit CollectionReader(CollectionFile& file) : m_file(file) { pass(nullptr); }
    const std::vector<Field>& fields() const { return m_fields; }
    const std::vector<QString>& entryIds() const { return m_ids; }
    // Ids of the pictures the collection names as links (<image link="true">).
    bool linked(const QString& id) const { return m_linked.count(id) > 0; }
    // Calls `entry` with each entry, in file order.
    void forEachEntry(const std::function<void(Entry&)>& entry) { pass(&entry); }

private:
    // An element inside an entry. A "part" (a table's column, a date's year, month or day)
    // adds to the value of the element holding it; any other element is a value of the field
    // named by the entry's child it is in, unless it holds values itself ("authors").
    struct Frame {
        QString name;
        QString text;
        QStringList parts;
        QStringList rawParts;  // as written, spaces around them too
        bool part = false;
        bool date = false;
        bool holdsValues = false;
    };

    [[noreturn]] void refuse(const QXmlStreamReader& xml, const QString& why) const {
        fail(QCoreApplication::translate("kbs::exchange::Tellico", "%1 is not read: line %2: %3.")
                 .arg(m_file.path())
                 .arg(xml.lineNumber())
                 .arg(why));
    }

    void append(QString& to, QStringView text, qsizetype max, const QXmlStreamReader& xml) {
        if (to.size() + text.size() > max)
            refuse(xml, QCoreApplication::translate("kbs::exchange::Tellico",
                                                    "it holds a value longer than %1 characters")
                            .arg(max));
        to += text;
    }

    void pass(const std::function<void(Entry&)>* entry) {
        const std::unique_ptr<XmlSource> source = m_file.xml();
        QXmlStreamReader xml(source.get());
        int depth = 0;
        bool tellico = false;
        bool inEntry = false;
        int imageDepth = 0;  // the depth of the <image> being read, or 0
        QString prop;        // the name of the field's <prop> being read
        QString imageId;
        QString imageText;
        int fieldDepth = 0;  // the depth of the <field> being read (the last declared), or 0
        Entry e;
        qsizetype entryChars = 0;
        std::vector<Frame> frames;
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            source->tokenSeen();
            if (token == QXmlStreamReader::StartElement) {
                if (++depth > kMaxDepth)
                    refuse(xml,
                           QCoreApplication::translate("kbs::exchange::Tellico",
                                                       "its elements are nested deeper than %1")
                               .arg(kMaxDepth));
                const QStringView name = xml.name();
                const QXmlStreamAttributes attr = xml.attributes();
                if (depth == 1) {
                    if (name != QLatin1String("tellico"))
                        break;
                    tellico = true;
                } else if (inEntry) {
                    Frame f;
                    f.name = name.toString();
                    if (entry)  // an element costs even when it is empty
                        countEntry(xml, entryChars, 1 + f.name.size());
                    f.part = !frames.empty() &&
                             (name == QLatin1String("column") || name == QLatin1String("year") ||
                              name == QLatin1String("month") || name == QLatin1String("day"));
                    frames.push_back(std::move(f));
                } else if (imageDepth > 0) {
                    continue;
                } else if (name == QLatin1String("entry")) {
                    inEntry = true;
                    e.values.clear();
                    e.rows.clear();
                    entryChars = 0;
                    if (!entry)
                        m_ids.push_back(
                            attr.value(QLatin1String("id")).left(kMaxIdChars).toString());
                } else if (name == QLatin1String("prop") && !entry && fieldDepth == depth - 1) {
                    prop = attr.value(QLatin1String("name")).left(kMaxNameChars).toString();
                    m_fields.back().props[prop];
                } else if (name == QLatin1String("field") && !entry) {
                    Field f{attr.value(QLatin1String("name")).toString(),
                            attr.value(QLatin1String("title")).left(kMaxNameChars).toString(),
                            attr.value(QLatin1String("type")).toInt(),
                            {}};
                    fieldDepth = 0;  // until it is taken
                    if (f.name.isEmpty() || f.name == QLatin1String("_default") || declared(f.name))
                        continue;
                    if (m_fields.size() >= size_t(kMaxFields))
                        refuse(xml, QCoreApplication::translate("kbs::exchange::Tellico",
                                                                "it declares more than %1 fields")
                                        .arg(kMaxFields));
                    refuseLongName(xml, f.name);
                    m_fields.push_back(f);
                    fieldDepth = depth;
                    m_types[f.name] = f.type == 0 ? kLine : f.type;
                } else if (name == QLatin1String("image")) {
                    imageDepth = depth;
                    imageId = attr.value(QLatin1String("id")).toString();
                    imageText.clear();
                    if (entry)
                        continue;
                    refuseLongName(xml, imageId);
                    if (++m_pictures > kMaxPictures)
                        refuse(xml, QCoreApplication::translate("kbs::exchange::Tellico",
                                                                "it lists more than %1 pictures")
                                        .arg(kMaxPictures));
                    if (attr.value(QLatin1String("link")) == QLatin1String("true"))
                        m_linked.insert(imageId);
                }
            } else if (token == QXmlStreamReader::Characters) {
                if (inEntry && !frames.empty()) {
                    if (entry) {
                        append(frames.back().text, xml.text(), kMaxValueChars, xml);
                        countEntry(xml, entryChars, xml.text().size());
                    }
                } else if (imageDepth > 0 && !entry) {
                    append(imageText, xml.text(), kMaxImageChars, xml);
                } else if (!prop.isEmpty() && !entry) {
                    append(m_fields.back().props[prop], xml.text(), kMaxNameChars, xml);
                }
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
                prop.clear();
                if (depth < fieldDepth)
                    fieldDepth = 0;
                if (inEntry && frames.empty()) {
                    inEntry = false;
                    if (entry)
                        (*entry)(e);
                } else if (inEntry) {
                    Frame f = std::move(frames.back());
                    frames.pop_back();
                    if (entry)
                        endOfValue(f, frames, e);
                } else if (imageDepth > 0 && depth < imageDepth) {
                    imageDepth = 0;
                    if (!entry && !imageId.isEmpty() && !imageText.trimmed().isEmpty())
                        m_file.addInline(imageId, imageText);
                    imageText.clear();
                }
            }
        }
        if (xml.hasError()) {
            if (!source->overrun().isEmpty())
                refuse(xml, source->overrun());
            fail(QCoreApplication::translate(
                     "kbs::exchange::Tellico",
                     "%1 is not a Tellico collection: its XML is broken at line %2 (%3).")
                     .arg(m_file.path())
                     .arg(xml.lineNumber())
                     .arg(xml.errorString()));
        }
        if (!tellico)
            fail(QCoreApplication::translate(
                     "kbs::exchange::Tellico",
                     "%1 is not a Tellico collection: its XML is not <tellico>.")
                     .arg(m_file.path()));
    }

    void endOfValue(Frame& f, std::vector<Frame>& frames, Entry& e) const {
        if (f.part) {
            frames.back().parts << f.text.trimmed();
            frames.back().rawParts << f.text;
            frames.back().date = frames.back().date || f.name != QLatin1String("column");
            return;
        }
        if (!frames.empty() && frames.back().part) {
            frames.back().text += f.text;  // text inside a part belongs to it
            return;
        }
        if (f.holdsValues)
            return;
        if (!frames.empty())
            frames.back().holdsValues = true;
        // The field is the entry's child; a field of several values is written under its
        // plural ("authors").
        QString field = frames.empty() ? f.name : frames.front().name;
        if (!declared(field) && field.endsWith(QLatin1Char('s')))
            field.chop(1);
        QString value = !f.parts.isEmpty()
                            ? f.parts.join(f.date ? QStringLiteral("-") : QStringLiteral(" - "))
                            : f.text;
        if (typeOf(field) == kParagraph)
            value = fromParagraph(value);
        if (typeOf(field) == kTable)
            e.rows[field].push_back(f.rawParts);
        e.values[field] << value;
    }

    bool declared(const QString& name) const { return typeOf(name) != 0; }
    int typeOf(const QString& name) const {
        const auto it = m_types.find(name);
        return it == m_types.end() ? 0 : it->second;
    }
    void countEntry(const QXmlStreamReader& xml, qsizetype& chars, qsizetype more) const {
        chars += more;
        if (chars > kMaxEntryChars)
            refuse(xml, QCoreApplication::translate("kbs::exchange::Tellico",
                                                    "an entry holds more than %1 characters")
                            .arg(kMaxEntryChars));
    }
    void refuseLongName(const QXmlStreamReader& xml, const QString& name) const {
        if (name.size() > kMaxNameChars)
            refuse(xml, QCoreApplication::translate("kbs::exchange::Tellico",
                                                    "it holds a name longer than %1 characters")
                            .arg(kMaxNameChars));
    }

    CollectionFile& m_file;
    std::vector<Field> m_fields;
    std::map<QString, int> m_types;  // each field's type by its name
    std::vector<QString> m_ids;
    std::set<QString> m_linked;
    int m_pictures = 0;
};

// A link as Tellico names a linked picture (a file URL for an absolute path), and back.
QString toTellicoLink(const QString& path) {
    return QDir::isAbsolutePath(path) ? QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)
                                      : path;
}
QString fromTellicoLink(const QString& link) {
    return link.startsWith(QLatin1String("file:")) ? QUrl(link).toLocalFile() : link;
}
bool looksLikeLink(const QString& id) {
    return id.startsWith(QLatin1Char('/')) || id.contains(QLatin1String("://")) ||
           id.startsWith(QLatin1String("file:"));
}

// The name of the field that holds the caption of the picture in image field `image`.
QString captionField(const QString& image) {
    return image + QStringLiteral("-caption");
}

// Tellico trims the values it saves, drops empty ones and may change the spaces inside them.
// Our export keeps the exact text of every value it would change in one more field, as
// "name=value&..." with the values percent-encoded; the import takes a value from it as long
// as the field shown holds the same words, so that a value changed in Tellico wins.
const QString kExactField = QStringLiteral("kbs-exact");

// The record's value history: a table field of three columns, date, value and note, a row an
// entry, oldest first. Its values are written under the plural, as Tellico writes a field of
// several values: <valuations><valuation><column>2026-03-31</column>...
const QString kValuesField = QStringLiteral("valuation");

// The record's tags: a field of several values under Tellico's own name for keywords. The
// collector's own fields carry their kind (ownfields::kindKey()) and a choice its value list
// in properties of ours, as Tellico's types have no amount and its choices no list's name.
const QString kTagsField = QStringLiteral("keyword");
const QString kKindProp = QStringLiteral("kbs-kind");
const QString kListProp = QStringLiteral("kbs-list");

bool tellicoWouldChange(const QString& value) {
    return value.isEmpty() || value.simplified() != value;
}

QString exactPair(const QString& field, const QString& value) {
    return field + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// The words of the tags as written or as Tellico, which splits a keyword at each ";", keeps
// them: the pieces between commas and semicolons, with their blanks made single.
QStringList tagWords(const QString& text) {
    static const QRegularExpression separator(QStringLiteral("[;,]"));
    QStringList out;
    for (const QString& piece : text.split(separator)) {
        if (const QString word = piece.simplified(); !word.isEmpty())
            out << word;
    }
    return out;
}

void takeExactTexts(Entry& e) {
    const auto exact = e.values.find(kExactField);
    if (exact == e.values.end())
        return;
    for (const QString& pair : exact->second.join(QLatin1Char('&')).split(QLatin1Char('&'))) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString field = pair.left(eq);
        const QString text = QUrl::fromPercentEncoding(pair.mid(eq + 1).toLatin1());
        const auto shown = e.values.find(field);
        const QString value =
            shown == e.values.end() ? QString() : shown->second.join(QStringLiteral("; "));
        // A "No" of a yes/no field, which Tellico keeps as an unchecked box, without a value.
        const bool no = shown == e.values.end() && text == QLatin1String("0");
        const bool same = field == kTagsField ? tagWords(value) == tagWords(text)
                                              : value.simplified() == text.simplified();
        if (same || no)
            e.values[field] = QStringList{text};
    }
}

// What a field of Tellico's type holds as the collector's own field: the kind our export gave
// it; else its choices, check boxes, numbers and dates as such, anything else as text.
ownfields::Kind ownKindOf(const Field& field) {
    if (const auto kind = field.props.find(kKindProp); kind != field.props.end())
        return ownfields::kindOfKey(kind->second.trimmed()).value_or(ownfields::Kind::Text);
    switch (field.type) {
        case 3:
            return ownfields::Kind::Choice;
        case 4:
            return ownfields::Kind::YesNo;
        case 6:
            return ownfields::Kind::Number;
        case 12:
            return ownfields::Kind::Date;
        default:
            return ownfields::Kind::Text;
    }
}

// A picture of an entry: its bytes, or the link it names, and its caption.
struct EntryPicture {
    QByteArray bytes;
    std::optional<QString> link;
    std::optional<QString> caption;
};

TellicoImport readCollection(const QString& path, const QString& target, const Headings& headings,
                             const QStringList& pictureTrees) {
    const bool writing = !target.isEmpty();
    if (writing)
        CatalogueWriter::refuseExisting(target);
    // Pictures inside a bare XML file are set aside beside the target while it is read.
    safefile::Scratch spill;  // removed with what it holds when the import ends
    if (writing)
        spill = safefile::Scratch::folder(target);
    const PictureSource beside(QFileInfo(path).absolutePath(), pictureTrees, kSource);
    CollectionFile file(path, writing ? spill.path() : QString());
    CollectionReader c(file);

    // Each field's column; the first field of a column takes it.
    std::map<QString, int> columnOf;
    std::vector<QString> images;  // the image fields, in their order
    std::set<int> taken;
    QStringList leftOver;
    // The fields without a column arrive as the collector's own, with their values by record.
    std::vector<std::pair<Field, std::vector<std::pair<std::int64_t, QString>>>> own;
    // The keywords become the records' tags; those that cannot be tags (longer than a tag may
    // be) a field of their own.
    std::optional<Field> tagsField;
    std::vector<std::pair<std::int64_t, QStringList>> tags;
    std::vector<std::pair<std::int64_t, QString>> longKeywords;
    for (const Field& f : c.fields()) {
        if (f.type == kImage)
            images.push_back(f.name);
    }
    for (const Field& f : c.fields()) {
        if (f.name == kTagsField) {
            tagsField = f;
            continue;
        }
        if (f.type == kImage || f.name == kExactField || f.name == kValuesField ||
            std::any_of(images.begin(), images.end(),
                        [&](const QString& i) { return captionField(i) == f.name; }))
            continue;
        if (f.props.count(kKindProp) > 0) {  // a field of the collector's own, by our export
            own.push_back({f, {}});
            continue;
        }
        const int p = positionFor(f.name, f.title, headings);
        const auto kind = p >= 0 ? collection::columns[size_t(p)].kind : collection::Kind::Id;
        const bool bookkeeping = f.name == QLatin1String("id") ||
                                 f.name == QLatin1String("cdate") ||
                                 f.name == QLatin1String("mdate");
        if (p >= 0 && kind != collection::Kind::Id && kind != collection::Kind::Binary &&
            taken.insert(p).second)
            columnOf[f.name] = p;
        else if (!bookkeeping)
            own.push_back({f, {}});  // the collector's own field
    }

    // IDs: the entry's own where it is a whole number used once, else new ones after them.
    std::vector<std::int64_t> ids(c.entryIds().size(), 0);
    std::set<std::int64_t> used;
    for (size_t i = 0; i < ids.size(); ++i) {
        bool ok = false;
        const qint64 id = c.entryIds()[i].toLongLong(&ok);
        if (ok && id > 0 && id <= std::numeric_limits<std::int32_t>::max() &&
            used.insert(id).second)
            ids[i] = id;
    }
    std::int64_t next = used.empty() ? 0 : *used.rbegin();
    long renumbered = 0;
    for (std::int64_t& id : ids) {
        if (id == 0) {
            id = ++next;
            ++renumbered;
        }
    }

    std::vector<std::string> names{collection::IdColumn, collection::PictureColumn};
    const int picpath = collection::at("picpath");
    const bool picpathField = taken.count(picpath) > 0;
    if (!picpathField)
        names.emplace_back(collection::PicturePathColumn);
    for (const auto& [field, p] : columnOf)
        names.emplace_back(collection::columns[size_t(p)].name);
    std::optional<CatalogueWriter> writer;
    if (writing) {
        writer.emplace(target);
        writer->setSourceColumns(names);
        writer->limitRepeatedPictures(MaxRepeatedPictureBytes);
    }
    TellicoImport result;
    std::vector<values::Carried> history;
    long missing = 0;
    long notPictures = 0;
    std::vector<SourceValue> values(names.size());
    size_t i = 0;
    c.forEachEntry([&](Entry& e) {
        takeExactTexts(e);
        if (i >= ids.size())
            fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                             "%1 changed while it was read.")
                     .arg(path));
        values[0] = SourceValue::ofInteger(ids[i]);
        values[1] = SourceValue::null();
        size_t v = 2;
        if (!picpathField)
            values[v++] = SourceValue::null();
        for (const auto& [field, p] : columnOf) {
            const auto it = e.values.find(field);
            const std::string text = it == e.values.end()
                                         ? std::string()
                                         : it->second.join(QStringLiteral("; ")).toStdString();
            values[v++] = it == e.values.end() ? SourceValue::null()
                          : collection::columns[size_t(p)].kind == collection::Kind::Any
                              ? anyValue(text)
                              : SourceValue::ofText(text);
        }
        // The first image field holds the record's own picture, the others its further ones.
        std::vector<EntryPicture> pictures;
        for (size_t k = 0; k < images.size(); ++k) {
            const auto it = e.values.find(images[k]);
            const auto caption = e.values.find(captionField(images[k]));
            if (it == e.values.end() && k == 0)
                pictures.emplace_back();
            for (const QString& id : it == e.values.end() ? QStringList() : it->second) {
                EntryPicture p;
                if (caption != e.values.end())
                    p.caption = caption->second.join(QStringLiteral("; "));
                if (c.linked(id) || (looksLikeLink(id) && !file.hasInline(id))) {
                    p.link = fromTellicoLink(id);
                } else if (writing) {
                    p.bytes = file.picture(id, beside);
                    if (p.bytes.isEmpty()) {
                        ++missing;
                        continue;
                    }
                    if (!pictureProblem(p.bytes).isEmpty()) {
                        ++notPictures;
                        continue;
                    }
                }
                pictures.push_back(std::move(p));
            }
        }
        if (!pictures.empty()) {
            const EntryPicture& own = pictures.front();
            if (!own.bytes.isEmpty())
                values[1] = SourceValue::ofBlob(own.bytes.toStdString());
            else if (own.link && !picpathField)
                values[2] = SourceValue::ofText(own.link->toStdString());
        }
        if (const auto rows = e.rows.find(kValuesField); rows != e.rows.end()) {
            for (const QStringList& row : rows->second) {
                if (row.size() >= 2)
                    history.push_back({ids[i], {0, row[0], row[1], row.value(2)}});
            }
        }
        if (writer) {
            writer->addRecord(values);
            for (size_t k = 1; k < pictures.size(); ++k) {
                const EntryPicture& p = pictures[k];
                writer->addFurtherPicture(
                    ids[i], int(k + 1), p.bytes.toStdString(),
                    p.link ? std::optional<std::string>(p.link->toStdString()) : std::nullopt,
                    p.caption ? std::optional<std::string>(p.caption->toStdString())
                              : std::nullopt);
            }
        }
        for (auto& [field, values] : own) {
            const auto it = e.values.find(field.name);
            if (it != e.values.end())
                values.emplace_back(ids[i], it->second.join(QStringLiteral("; ")));
        }
        if (const auto it = e.values.find(kTagsField); tagsField && it != e.values.end()) {
            QStringList kept, tooLong;
            for (const QString& keyword : it->second) {
                // A keyword holding commas is several tags, as the tags are written in CSV.
                for (const QString& piece : keyword.split(QLatin1Char(','))) {
                    const ownfields::Checked tag = ownfields::normaliseTag(piece);
                    if (tag.ok)
                        kept << tag.stored;
                    else if (!piece.trimmed().isEmpty())
                        tooLong << piece.trimmed();
                }
            }
            if (!kept.isEmpty())
                tags.emplace_back(ids[i], kept);
            if (!tooLong.isEmpty())
                longKeywords.emplace_back(ids[i], tooLong.join(QStringLiteral("; ")));
        }
        for (const EntryPicture& p : pictures)
            result.pictures += p.bytes.isEmpty() && !p.link ? 0 : 1;
        ++result.records;
        ++i;
    });
    if (writer) {
        if (!history.empty())
            writer->setHistory(std::move(history));
        for (const auto& [field, values] : own) {
            const auto list = field.props.find(kListProp);
            ownfields::importField(
                writer->handle(), field.title.isEmpty() ? field.name : field.title,
                ownKindOf(field), values, list == field.props.end() ? QString() : list->second);
        }
        if (!tags.empty())
            ownfields::importTags(writer->handle(), tags);
        if (!longKeywords.empty()) {
            const ownfields::Field f = ownfields::importField(
                writer->handle(), tagsField->title.isEmpty() ? tagsField->name : tagsField->title,
                ownfields::Kind::Text, longKeywords);
            result.notes << QCoreApplication::translate(
                                "kbs::exchange::Tellico",
                                "Keywords of %1 record(s) are longer than a tag may be and are "
                                "kept in the field %2.")
                                .arg(longKeywords.size())
                                .arg(f.name);
        }
        writer->finish(std::nullopt);
    }
    if (!leftOver.isEmpty())
        result.notes << QCoreApplication::translate(
                            "kbs::exchange::Tellico",
                            "These fields have no column in the catalogue and were left out: %1.")
                            .arg(leftOver.join(QStringLiteral(", ")));
    if (renumbered > 0)
        result.notes << QCoreApplication::translate(
                            "kbs::exchange::Tellico",
                            "%1 entr(ies) without a usable id were given new IDs.")
                            .arg(renumbered);
    if (missing > 0)
        result.notes << QCoreApplication::translate(
                            "kbs::exchange::Tellico",
                            "%1 picture(s) named in the collection are not in the file and were "
                            "left out.")
                            .arg(missing);
    if (notPictures > 0)
        result.notes << QCoreApplication::translate(
                            "kbs::exchange::Tellico",
                            "%1 picture(s) could not be read as pictures and were left out.")
                            .arg(notPictures);
    return result;
}

}  // namespace

bool isTellicoSource(const QString& path) {
    if (path.endsWith(QStringLiteral(".tc"), Qt::CaseInsensitive))
        return true;
    QFile file;
    try {
        regularfile::open(file, path, std::numeric_limits<qint64>::max());
    } catch (const AppError&) {
        return false;
    }
    const QByteArray head = file.peek(64);
    if (head.startsWith(QByteArray("PK\x03\x04", 4)))
        return true;
    // XML whose root is <tellico>, whatever comes before it: a comment, a DTD.
    const QByteArray start =
        head.startsWith("\xEF\xBB\xBF") ? head.mid(3).trimmed() : head.trimmed();
    if (!start.startsWith('<'))
        return false;
    XmlSource source(&file, nullptr);
    QXmlStreamReader xml(&source);
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        source.tokenSeen();
        if (token == QXmlStreamReader::StartElement)
            return xml.name() == QLatin1String("tellico");
    }
    return false;
}

TellicoImport importTellico(const QString& path, const QString& target, const Headings& headings,
                            const QStringList& pictureTrees) {
    if (target.isEmpty())
        fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                         "No catalogue was named to import %1 into.")
                 .arg(path));
    return readCollection(path, target, headings, pictureTrees);
}

TellicoImport readTellico(const QString& path, const Headings& headings) {
    return readCollection(path, QString(), headings, {});
}

// ---------------------------------------------------------------- writing

namespace {

// A text as XML 1.0 may hold it: NUL and the other control characters below 32 except tab and
// line ends, U+FFFE, U+FFFF and halves of a surrogate pair without their other half are left
// out, and counted in `dropped`.
QString xmlText(const QString& text, long& dropped) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t u = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += ch;
            out += text[++i];
        } else if ((u >= 0x20 && !ch.isSurrogate() && u != 0xFFFE && u != 0xFFFF) || u == u'\t' ||
                   u == u'\n' || u == u'\r') {
            out += ch;
        } else {
            ++dropped;
        }
    }
    return out;
}

// A paragraph field's text as Tellico keeps it: a little HTML, with <br/> for each line break.
QString toParagraph(const QString& text) {
    return text.toHtmlEscaped()
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1Char('\n'), QLatin1String("<br/>"));
}

// Writes an element with a text, exactly: a CR, which an XML reader would make a line feed,
// as a character reference.
void writeTextElement(QXmlStreamWriter& xml, const QString& name, const QString& text,
                      const QString& nameAttribute = {}) {
    xml.writeStartElement(kNamespace, name);
    if (!nameAttribute.isEmpty())
        xml.writeAttribute(QStringLiteral("name"), nameAttribute);
    const QList<QStringView> pieces = QStringView(text).split(u'\r');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            xml.writeEntityReference(QStringLiteral("#13"));
        if (!pieces[i].isEmpty())
            xml.writeCharacters(pieces[i].toString());
    }
    xml.writeEndElement();
}

// The picture as Tellico keeps it: its bytes when JPEG, PNG or GIF, else made a PNG; its id is
// the bytes' MD5 with the format's extension, as Tellico names its own.
struct TellicoPicture {
    QByteArray bytes;
    QByteArray format;
    QString id;
    QSize size;
};

std::optional<TellicoPicture> tellicoPicture(const QByteArray& bytes) {
    TellicoPicture p;
    QImage image;
    try {
        image = loadPictureBytes(bytes);
    } catch (const AppError&) {
        return std::nullopt;
    }
    p.size = image.size();
    if (bytes.startsWith("\xFF\xD8\xFF")) {
        p.format = "JPEG";
        p.bytes = bytes;
    } else if (bytes.startsWith("\x89PNG")) {
        p.format = "PNG";
        p.bytes = bytes;
    } else if (bytes.startsWith("GIF8")) {
        p.format = "GIF";
        p.bytes = bytes;
    } else {
        QBuffer buffer(&p.bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        p.format = "PNG";
    }
    p.id = QString::fromLatin1(QCryptographicHash::hash(p.bytes, QCryptographicHash::Md5).toHex()) +
           QLatin1Char('.') + QString::fromLatin1(p.format.toLower());
    return p;
}

// Tellico's type for a field of the collector's own: a choice only when every value it may
// hold can be listed (Tellico separates them with ";"), an amount a line of text.
int tellicoTypeOf(ownfields::Kind kind, const QStringList& allowed) {
    switch (kind) {
        case ownfields::Kind::Number:
            return kNumber;
        case ownfields::Kind::Date:
            return kDate;
        case ownfields::Kind::YesNo:
            return kBool;
        case ownfields::Kind::Choice:
            return std::none_of(allowed.begin(), allowed.end(),
                                [](const QString& v) { return v.contains(QLatin1Char(';')); })
                       ? kChoice
                       : kLine;
        default:
            return kLine;
    }
}

// The values a choice offers: its value list's (in the program directory), then those the
// records hold besides.
QStringList allowedValues(const ownfields::Field& field, std::size_t at,
                          const ownfields::AllValues& own, const std::vector<std::int64_t>& ids) {
    QStringList out;
    if (!field.valueList.isEmpty()) {
        try {
            const QByteArray bytes = regularfile::read(
                ProgramInfo::path(field.valueList + QStringLiteral(".ini")), kMaxValueChars);
            for (const QString& line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
                const QString v = line.trimmed();
                if (!v.isEmpty() && !out.contains(v))
                    out << v;
            }
        } catch (const AppError&) {
            // no list (yet): the values held are all there is
        }
    }
    for (const std::int64_t id : ids) {
        const QString v = own.valueOf(id, at);
        if (!v.isEmpty() && !out.contains(v))
            out << v;
    }
    return out;
}

// A name for each field of the collector's own that no other field of the file has: its name
// in lower case, its letters and digits, "own-" before it.
std::vector<QString> ownTellicoNames(const std::vector<ownfields::Field>& fields) {
    std::vector<QString> out;
    for (const ownfields::Field& f : fields) {
        QString name = QStringLiteral("own-");
        for (const QChar c : f.name.toLower()) {
            if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
                name += c;
            else if (!name.endsWith(QLatin1Char('-')))
                name += QLatin1Char('-');
        }
        const QString base = name;
        for (int n = 2; std::find(out.begin(), out.end(), name) != out.end(); ++n)
            name = base + QString::number(n);
        out.push_back(name);
    }
    return out;
}

}  // namespace

ExportSummary exportTellico(const QString& catalogue, const QString& path, const Headings& headings,
                            const std::optional<std::vector<std::int64_t>>& ids,
                            const ExportProgressFn& progress, const QStringList& pictureTrees) {
    PlacedFile out(path, kSource);
    Catalogue source(catalogue, kSource);
    source.setPictureTrees(pictureTrees);
    QTemporaryDir pictures(out.scratchPath() + QStringLiteral("-images-XXXXXX"));
    if (!pictures.isValid())
        fail(QCoreApplication::translate("kbs::exchange::Tellico", "%1 cannot be written: %2.")
                 .arg(path, pictures.errorString()));

    std::vector<int> columns;
    for (const collection::Column& c : collection::columns) {
        if (c.kind != collection::Kind::Id && c.kind != collection::Kind::Binary)
            columns.push_back(c.position);
    }

    // tellico.xml is written straight to a file beside the pictures: its fields first, so the
    // image fields are as many as the most pictures a record may have.
    QFile xmlFile(pictures.filePath(QStringLiteral("tellico.xml")));
    if (!xmlFile.open(QIODevice::WriteOnly))
        fail(QCoreApplication::translate("kbs::exchange::Tellico", "%1 cannot be written: %2.")
                 .arg(path, xmlFile.errorString()));
    QXmlStreamWriter xml(&xmlFile);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(
        QStringLiteral("<!DOCTYPE tellico PUBLIC '-//Robby Stephenson/DTD Tellico V11.0//EN' "
                       "'http://periapsis.org/tellico/dtd/v11/tellico.dtd'>"));
    xml.writeDefaultNamespace(kNamespace);
    xml.writeStartElement(kNamespace, QStringLiteral("tellico"));
    xml.writeAttribute(QStringLiteral("syntaxVersion"), QStringLiteral("11"));
    xml.writeStartElement(kNamespace, QStringLiteral("collection"));
    xml.writeAttribute(QStringLiteral("title"), QStringLiteral("Kerbside Manager"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("1"));  // a custom collection

    xml.writeStartElement(kNamespace, QStringLiteral("fields"));
    long dropped = 0;
    const auto field = [&](const QString& name, const QString& title, const QString& category,
                           int type, int flags, const QStringList& allowed = {},
                           const std::map<QString, QString>& props = {}) {
        xml.writeStartElement(kNamespace, QStringLiteral("field"));
        xml.writeAttribute(QStringLiteral("name"), name);
        xml.writeAttribute(QStringLiteral("title"), xmlText(title, dropped));
        xml.writeAttribute(QStringLiteral("category"), category);
        xml.writeAttribute(QStringLiteral("type"), QString::number(type));
        xml.writeAttribute(QStringLiteral("flags"), QString::number(flags));
        xml.writeAttribute(QStringLiteral("format"), QString::number(kNoFormat));
        xml.writeAttribute(QStringLiteral("i18n"), QStringLiteral("false"));
        if (!allowed.isEmpty())
            xml.writeAttribute(QStringLiteral("allowed"),
                               xmlText(allowed.join(QLatin1Char(';')), dropped));
        for (const auto& [prop, value] : props)
            writeTextElement(xml, QStringLiteral("prop"), xmlText(value, dropped), prop);
        xml.writeEndElement();
    };
    const QString general = QStringLiteral("General");
    for (const int p : columns) {
        const bool notes = collection::columns[size_t(p)].kind == collection::Kind::Notes;
        const QString title = headings.heading(p);
        // Grouping by the title would make a group of every model.
        const auto kind = collection::columns[size_t(p)].kind;
        const int flags = notes || kind == collection::Kind::Any || kind == collection::Kind::Path
                              ? 0
                          : p == collection::at("Description") ? kCompleted
                                                               : kGroupedCompleted;
        field(tellicoName(p), title.isEmpty() ? tellicoName(p) : title, notes ? title : general,
              notes ? kParagraph : kLine, flags);
    }
    const QString picture = headings.heading(collection::at("binpicdata"));
    const auto pictureField = [](int k) {
        return k == 1 ? QStringLiteral("picture") : QStringLiteral("picture-%1").arg(k);
    };
    const int most = source.mostPictures();
    for (int k = 1; k <= most; ++k)
        field(pictureField(k), k == 1 ? picture : QStringLiteral("%1 %2").arg(picture).arg(k),
              picture, kImage, 0);
    for (int k = 2; k <= most; ++k)
        field(captionField(pictureField(k)),
              QCoreApplication::translate("kbs::exchange::Tellico", "%1 %2, caption")
                  .arg(picture)
                  .arg(k),
              picture, kLine, 0);
    xml.writeStartElement(kNamespace, QStringLiteral("field"));
    xml.writeAttribute(QStringLiteral("name"), kValuesField);
    const QString history = QCoreApplication::translate("kbs::exchange", "Value history");
    xml.writeAttribute(QStringLiteral("title"), history);
    xml.writeAttribute(QStringLiteral("category"), history);
    xml.writeAttribute(QStringLiteral("type"), QString::number(kTable));
    xml.writeAttribute(QStringLiteral("flags"), QString::number(kAllowMultiple));
    xml.writeAttribute(QStringLiteral("format"), QString::number(kNoFormat));
    xml.writeAttribute(QStringLiteral("i18n"), QStringLiteral("false"));
    const char* const columnTitles[] = {QT_TRANSLATE_NOOP("kbs::values", "Date"),
                                        QT_TRANSLATE_NOOP("kbs::values", "Value"),
                                        QT_TRANSLATE_NOOP("kbs::values", "Note")};
    for (int k = 0; k < 3; ++k)
        writeTextElement(xml, QStringLiteral("prop"),
                         QCoreApplication::translate("kbs::values", columnTitles[k]),
                         QStringLiteral("column%1").arg(k + 1));
    writeTextElement(xml, QStringLiteral("prop"), QStringLiteral("3"), QStringLiteral("columns"));
    xml.writeEndElement();
    field(kExactField,
          QCoreApplication::translate("kbs::exchange::Tellico", "Exact texts (Kerbside Manager)"),
          QStringLiteral("Kerbside Manager"), kLine, 0);
    // The collector's own fields and the tags, in a category of their own.
    const ownfields::AllValues own = ownfields::readAll(source.db());
    const std::vector<std::int64_t> all = source.recordIds(ids);
    const std::vector<QString> ownNames = ownTellicoNames(own.fields);
    const QString ownCategory = QCoreApplication::translate("kbs::exchange::Tellico", "Own fields");
    std::vector<int> ownTypes;
    for (std::size_t f = 0; f < own.fields.size(); ++f) {
        const ownfields::Field& o = own.fields[f];
        const QStringList allowed =
            o.kind == ownfields::Kind::Choice ? allowedValues(o, f, own, all) : QStringList();
        ownTypes.push_back(tellicoTypeOf(o.kind, allowed));
        const bool grouped = o.kind == ownfields::Kind::Text || o.kind == ownfields::Kind::Choice;
        std::map<QString, QString> props{{kKindProp, QLatin1String(ownfields::kindKey(o.kind))}};
        if (o.kind == ownfields::Kind::Choice && !o.valueList.isEmpty())
            props[kListProp] = o.valueList;
        field(ownNames[f], o.name, ownCategory, ownTypes.back(), grouped ? kGroupedCompleted : 0,
              ownTypes.back() == kChoice ? allowed : QStringList(), props);
    }
    const bool withTags = anyTags(own, all);
    if (withTags)
        field(kTagsField, QCoreApplication::translate("kbs::exchange::Tellico", "Tags"),
              ownCategory, kLine, kMultipleGroupedCompleted);
    xml.writeEndElement();

    ExportSummary summary;
    std::map<QString, TellicoPicture> written;  // by id, each file once
    std::set<QString> links;                    // linked pictures, each once
    long unreadable = 0;
    const int notes = collection::at("Notes");
    values::Reader valuations(source.db());
    const auto write = [&](const ExportRecord& record) {
        xml.writeStartElement(kNamespace, QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(record.id));
        QStringList exact;
        for (const int p : columns) {
            if (record.null[size_t(p)])
                continue;
            const QString text = xmlText(record.text[size_t(p)], dropped);
            writeTextElement(xml, tellicoName(p), p == notes ? toParagraph(text) : text);
            if (tellicoWouldChange(text))
                exact << exactPair(tellicoName(p), text);
        }
        for (size_t k = 0; k < record.pictures.size(); ++k) {
            const ExportPicture& pic = record.pictures[k];
            const QString name = pictureField(int(k) + 1);
            if (k > 0 && pic.caption) {
                const QString caption = xmlText(*pic.caption, dropped);
                writeTextElement(xml, captionField(name), caption);
                if (tellicoWouldChange(caption))
                    exact << exactPair(captionField(name), caption);
            }
            if (!pic.link.isEmpty()) {
                // A link stays a link: Tellico shows the file where it is.
                const QString link = toTellicoLink(xmlText(pic.link, dropped));
                writeTextElement(xml, name, link);
                links.insert(link);
                continue;
            }
            if (pic.bytes.isEmpty())
                continue;
            const auto picture = tellicoPicture(pic.bytes);
            if (!picture) {
                ++unreadable;
                continue;
            }
            writeTextElement(xml, name, picture->id);
            if (written.count(picture->id) == 0) {
                QFile f(pictures.filePath(picture->id));
                if (!f.open(QIODevice::WriteOnly) ||
                    f.write(picture->bytes) != picture->bytes.size() || !f.flush())
                    fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                                     "%1 cannot be written: %2.")
                             .arg(path, f.errorString()));
                written[picture->id] = {{}, picture->format, picture->id, picture->size};
            }
            ++summary.pictures;
        }
        for (std::size_t f = 0; f < own.fields.size(); ++f) {
            const QString value = xmlText(own.valueOf(record.id, f), dropped);
            if (value.isEmpty())
                continue;
            if (ownTypes[f] == kBool) {
                // Tellico checks a box by "true" and keeps no value for one not checked.
                if (value == QLatin1String("1"))
                    writeTextElement(xml, ownNames[f], QStringLiteral("true"));
                else
                    exact << exactPair(ownNames[f], value);
                continue;
            }
            writeTextElement(xml, ownNames[f], value);
            if (tellicoWouldChange(value))
                exact << exactPair(ownNames[f], value);
        }
        if (const QStringList tags = own.tagsOf(record.id); withTags && !tags.isEmpty()) {
            xml.writeStartElement(kNamespace, kTagsField + QLatin1Char('s'));
            QStringList shown;
            for (const QString& tag : tags) {
                shown << xmlText(tag, dropped);
                writeTextElement(xml, kTagsField, shown.back());
            }
            xml.writeEndElement();
            // Tellico makes a tag holding ";" two: the tags as the CSV column holds them.
            if (shown.join(QString()).contains(QLatin1Char(';')))
                exact << exactPair(kTagsField, joinTags(shown));
        }
        if (const std::vector<values::Entry> entries = valuations.of(record.id); !entries.empty()) {
            xml.writeStartElement(kNamespace, kValuesField + QLatin1Char('s'));
            for (const values::Entry& v : entries) {
                xml.writeStartElement(kNamespace, kValuesField);
                for (const QString& text : {v.date, v.value, v.note})
                    writeTextElement(xml, QStringLiteral("column"), xmlText(text, dropped));
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        if (!exact.isEmpty())
            writeTextElement(xml, kExactField, exact.join(QLatin1Char('&')));
        xml.writeEndElement();
        ++summary.records;
    };
    forEachRecord(source, all, write, progress, summary, path);

    if (!written.empty() || !links.empty()) {
        xml.writeStartElement(kNamespace, QStringLiteral("images"));
        for (const QString& link : links) {
            QString format = QFileInfo(QUrl(link).path()).suffix().toUpper();
            if (format == QLatin1String("JPG") || format.isEmpty())
                format = QStringLiteral("JPEG");
            xml.writeEmptyElement(kNamespace, QStringLiteral("image"));
            xml.writeAttribute(QStringLiteral("id"), link);
            xml.writeAttribute(QStringLiteral("format"), format);
            xml.writeAttribute(QStringLiteral("link"), QStringLiteral("true"));
        }
        for (const auto& [id, p] : written) {
            xml.writeEmptyElement(kNamespace, QStringLiteral("image"));
            xml.writeAttribute(QStringLiteral("id"), id);
            xml.writeAttribute(QStringLiteral("format"), QString::fromLatin1(p.format));
            xml.writeAttribute(QStringLiteral("width"), QString::number(p.size.width()));
            xml.writeAttribute(QStringLiteral("height"), QString::number(p.size.height()));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError() || !xmlFile.flush())
        fail(QCoreApplication::translate("kbs::exchange::Tellico", "%1 cannot be written: %2.")
                 .arg(path, xmlFile.errorString()));
    xmlFile.close();

    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(out.scratchPath()).constData(),
                          ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        fail(QCoreApplication::translate("kbs::exchange::Tellico",
                                         "%1 cannot be written as a zip file.")
                 .arg(path));
    const auto zipFailed = [&] {
        const QString why = zipError(zip_get_error(zip));
        zip_discard(zip);
        fail(QCoreApplication::translate("kbs::exchange::Tellico", "%1 cannot be written: %2.")
                 .arg(path, why));
    };
    zip_source_t* text =
        zip_source_file(zip, QFile::encodeName(xmlFile.fileName()).constData(), 0, -1);
    if (!text || zip_file_add(zip, "tellico.xml", text, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(text);
        zipFailed();
    }
    if (!written.empty() && zip_dir_add(zip, "images", ZIP_FL_ENC_UTF_8) < 0)
        zipFailed();
    for (const auto& [id, p] : written) {
        zip_source_t* s =
            zip_source_file(zip, QFile::encodeName(pictures.filePath(id)).constData(), 0, -1);
        const zip_int64_t index =
            s ? zip_file_add(zip, (QStringLiteral("images/") + id).toUtf8().constData(), s,
                             ZIP_FL_ENC_UTF_8)
              : -1;
        if (index < 0) {
            zip_source_free(s);
            zipFailed();
        }
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);  // already packed
    }
    if (zip_close(zip) != 0)
        zipFailed();
    out.place();
    if (dropped > 0)
        summary.notes << QCoreApplication::translate(
                             "kbs::exchange::Tellico",
                             "%1 character(s) that XML cannot hold (control characters such as "
                             "NUL, U+FFFE, U+FFFF, halves of surrogate pairs) were left out of "
                             "the texts.")
                             .arg(dropped);
    if (unreadable > 0)
        summary.notes << QCoreApplication::translate(
                             "kbs::exchange::Tellico",
                             "%1 picture(s) could not be read as pictures and were left out.")
                             .arg(unreadable);
    return summary;
}

}  // namespace kbs::exchange
