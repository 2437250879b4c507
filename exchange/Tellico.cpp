#include "Tellico.h"

#include <zip.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <set>

#include "AppError.h"
#include "CatalogueSource.h"
#include "CatalogueWriter.h"
#include "PictureLoader.h"
#include "PlacedFile.h"
#include "RegularFile.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("Tellico");
const QString kNamespace = QStringLiteral("http://periapsis.org/tellico/");
constexpr qint64 kMaxXmlBytes = qint64(1) << 30;

// Tellico's field types (the DTD's numbers).
constexpr int kLine = 1;
constexpr int kParagraph = 2;
constexpr int kImage = 10;
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
    throw AppError(err::PathFileAccess, kSource, message);
}

QString zipError(zip_error_t* error) {
    return QString::fromUtf8(zip_error_strerror(error));
}

// ---------------------------------------------------------------- reading

struct Field {
    QString name;
    QString title;
    int type = kLine;
};

struct Entry {
    std::map<QString, QStringList> values;  // by field name
};

// The open collection file: its XML, and its pictures by their id.
class CollectionFile {
public:
    explicit CollectionFile(const QString& path) : m_path(path) {
        QFile file;
        regularfile::open(file, path, kMaxXmlBytes);
        if (file.peek(4) != QByteArray("PK\x03\x04", 4)) {
            m_xml = file.readAll();
            return;
        }
        file.close();
        int error = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
        if (!m_zip) {
            zip_error_t e;
            zip_error_init_with_code(&e, error);
            const QString why = zipError(&e);
            zip_error_fini(&e);
            fail(QStringLiteral("%1 cannot be read as a zip file: %2.").arg(path, why));
        }
        if (!read(QStringLiteral("tellico.xml"), kMaxXmlBytes, m_xml))
            fail(QStringLiteral("%1 is not a Tellico collection: it holds no tellico.xml.")
                     .arg(path));
    }
    ~CollectionFile() {
        if (m_zip)
            zip_discard(m_zip);
    }
    CollectionFile(const CollectionFile&) = delete;
    CollectionFile& operator=(const CollectionFile&) = delete;

    const QByteArray& xml() const { return m_xml; }

    // A picture's bytes: from images/ in the zip, or from the XML's own <image> element.
    QByteArray picture(const QString& id) {
        if (const auto it = m_inline.find(id); it != m_inline.end())
            return it->second;
        QByteArray bytes;
        if (m_zip && !id.contains(QLatin1String("..")))
            read(QStringLiteral("images/") + id, collection::MaxPictureBytes, bytes);
        return bytes;
    }
    void addInline(const QString& id, QByteArray bytes) { m_inline[id] = std::move(bytes); }

private:
    bool read(const QString& name, qint64 maxBytes, QByteArray& out) {
        zip_stat_t st;
        const QByteArray n = name.toUtf8();
        if (zip_stat(m_zip, n.constData(), 0, &st) != 0)
            return false;
        if ((st.valid & ZIP_STAT_SIZE) == 0 || st.size > zip_uint64_t(maxBytes))
            fail(QStringLiteral("%1: %2 is larger than the program takes.").arg(m_path, name));
        zip_file_t* f = zip_fopen(m_zip, n.constData(), 0);
        if (!f)
            fail(QStringLiteral("%1: %2 cannot be read: %3.")
                     .arg(m_path, name, zipError(zip_get_error(m_zip))));
        out.resize(qsizetype(st.size));
        const zip_int64_t got = zip_fread(f, out.data(), st.size);
        zip_fclose(f);
        if (got != zip_int64_t(st.size))
            fail(QStringLiteral("%1: %2 cannot be read whole.").arg(m_path, name));
        return true;
    }

    QString m_path;
    zip_t* m_zip = nullptr;
    QByteArray m_xml;
    std::map<QString, QByteArray> m_inline;
};

// The text of an entry's element: its own text, or its children's, each a value ("author" in
// "authors"; a table row's "column"s joined with " - "; a date's year, month and day).
void readValues(QXmlStreamReader& xml, QStringList& out) {
    QString text;
    QStringList parts;
    bool date = false;
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            const QString child = xml.name().toString();
            if (child == QLatin1String("column") || child == QLatin1String("year") ||
                child == QLatin1String("month") || child == QLatin1String("day")) {
                date = date || child != QLatin1String("column");
                parts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            } else {
                readValues(xml, out);
            }
        }
    }
    if (!parts.isEmpty())
        out << parts.join(date ? QStringLiteral("-") : QStringLiteral(" - "));
    else if (!text.trimmed().isEmpty())
        out << text.trimmed();
}

// Reads the collection's XML: a first pass for its fields, its entries' ids and the pictures
// inside it; then the entries one at a time, so that a large collection is never held whole.
class CollectionReader {
public:
    CollectionReader(CollectionFile& file, const QString& path) : m_file(file), m_path(path) {
        pass(nullptr);
    }
    const std::vector<Field>& fields() const { return m_fields; }
    const std::vector<QString>& entryIds() const { return m_ids; }
    // Calls `entry` with each entry, in file order.
    void forEachEntry(const std::function<void(Entry&)>& entry) { pass(&entry); }

private:
    void pass(const std::function<void(Entry&)>* entry) {
        // Read from a device, the reader decodes a block at a time rather than all at once.
        QBuffer buffer;
        buffer.setData(m_file.xml());
        buffer.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&buffer);
        bool tellico = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto name = xml.name();
            const auto attr = xml.attributes();
            if (name == QLatin1String("tellico")) {
                tellico = true;
            } else if (!tellico) {
                break;
            } else if (name == QLatin1String("entry")) {
                if (!entry) {
                    m_ids.push_back(attr.value(QLatin1String("id")).toString());
                    xml.skipCurrentElement();
                    continue;
                }
                Entry e;
                while (xml.readNextStartElement()) {
                    QStringList values;
                    QString field = xml.name().toString();
                    readValues(xml, values);
                    // A field of several values is written under its plural ("authors").
                    if (!declared(field) && field.endsWith(QLatin1Char('s')))
                        field.chop(1);
                    e.values[field] << values;
                }
                (*entry)(e);
            } else if (entry) {
                continue;  // the fields and pictures were read by the first pass
            } else if (name == QLatin1String("field")) {
                Field f{attr.value(QLatin1String("name")).toString(),
                        attr.value(QLatin1String("title")).toString(),
                        attr.value(QLatin1String("type")).toInt()};
                if (!f.name.isEmpty() && f.name != QLatin1String("_default"))
                    m_fields.push_back(f);
            } else if (name == QLatin1String("image")) {
                const QString id = attr.value(QLatin1String("id")).toString();
                const QByteArray data = QByteArray::fromBase64(xml.readElementText().toLatin1(),
                                                               QByteArray::Base64Encoding);
                if (!data.isEmpty())
                    m_file.addInline(id, data);
            }
        }
        if (xml.hasError())
            fail(
                QStringLiteral("%1 is not a Tellico collection: its XML is broken at line %2 (%3).")
                    .arg(m_path)
                    .arg(xml.lineNumber())
                    .arg(xml.errorString()));
        if (!tellico)
            fail(QStringLiteral("%1 is not a Tellico collection: its XML is not <tellico>.")
                     .arg(m_path));
    }
    bool declared(const QString& name) const {
        return std::any_of(m_fields.begin(), m_fields.end(),
                           [&](const Field& f) { return f.name == name; });
    }

    CollectionFile& m_file;
    QString m_path;
    std::vector<Field> m_fields;
    std::vector<QString> m_ids;
};

}  // namespace

bool isTellicoSource(const QString& path) {
    if (path.endsWith(QStringLiteral(".tc"), Qt::CaseInsensitive))
        return true;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(1024);
    return head.startsWith(QByteArray("PK\x03\x04", 4)) ||
           (head.trimmed().startsWith("<?xml") && head.contains("<tellico"));
}

TellicoImport importTellico(const QString& path, const QString& target, const Headings& headings) {
    CatalogueWriter::refuseExisting(target);
    CollectionFile file(path);
    CollectionReader c(file, path);

    // Each field's column; the first field of a column takes it.
    std::map<QString, int> columnOf;
    std::vector<QString> images;  // the image fields, in their order
    std::set<int> taken;
    QStringList leftOver;
    for (const Field& f : c.fields()) {
        if (f.type == kImage) {
            images.push_back(f.name);
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
            leftOver << (f.title.isEmpty() || f.title == f.name
                             ? f.name
                             : QStringLiteral("%1 (%2)").arg(f.title, f.name));
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
    std::vector<int> positions;
    for (const auto& [field, p] : columnOf) {
        names.emplace_back(collection::columns[size_t(p)].name);
        positions.push_back(p);
    }
    CatalogueWriter writer(target);
    writer.setSourceColumns(names);
    TellicoImport result;
    long missing = 0;
    long notPictures = 0;
    std::vector<SourceValue> values(names.size());
    size_t i = 0;
    c.forEachEntry([&](const Entry& e) {
        values[0] = SourceValue::ofInteger(ids[i]);
        values[1] = SourceValue::null();
        size_t v = 2;
        for (const auto& [field, p] : columnOf) {
            const auto it = e.values.find(field);
            values[v++] =
                it == e.values.end()
                    ? SourceValue::null()
                    : SourceValue::ofText(it->second.join(QStringLiteral("; ")).toStdString());
        }
        std::vector<QByteArray> pictures;
        for (const QString& field : images) {
            const auto it = e.values.find(field);
            for (const QString& id : it == e.values.end() ? QStringList() : it->second) {
                QByteArray bytes = file.picture(id);
                if (bytes.isEmpty())
                    ++missing;
                else if (!pictureProblem(bytes).isEmpty())
                    ++notPictures;
                else
                    pictures.push_back(std::move(bytes));
            }
        }
        if (!pictures.empty())
            values[1] = SourceValue::ofBlob(pictures.front().toStdString());
        writer.addRecord(values);
        for (size_t k = 1; k < pictures.size(); ++k)
            writer.addFurtherPicture(ids[i], int(k + 1), pictures[k].toStdString());
        result.pictures += long(pictures.size());
        ++result.records;
        ++i;
    });
    writer.finish(std::nullopt);
    if (!leftOver.isEmpty())
        result.notes << QStringLiteral(
                            "These fields have no column in the catalogue and were "
                            "left out: %1.")
                            .arg(leftOver.join(QStringLiteral(", ")));
    if (renumbered > 0)
        result.notes << QStringLiteral("%1 entr(ies) without a usable id were given new IDs.")
                            .arg(renumbered);
    if (missing > 0)
        result.notes << QStringLiteral(
                            "%1 picture(s) named in the collection are not in the "
                            "file and were left out.")
                            .arg(missing);
    if (notPictures > 0)
        result.notes << QStringLiteral(
                            "%1 picture(s) could not be read as pictures and were "
                            "left out.")
                            .arg(notPictures);
    return result;
}

// ---------------------------------------------------------------- writing

namespace {

// A text as XML may hold it: control characters other than tab and line ends left out, and
// counted in `dropped`.
QString xmlText(const QString& text, long& dropped) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x20 || ch == QLatin1Char('\t') || ch == QLatin1Char('\n') ||
            ch == QLatin1Char('\r'))
            out += ch;
        else
            ++dropped;
    }
    return out;
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

}  // namespace

ExportSummary exportTellico(const QString& catalogue, const QString& path, const Headings& headings,
                            const std::optional<std::vector<std::int64_t>>& ids,
                            const ExportProgressFn& progress) {
    PlacedFile out(path, kSource);
    Catalogue source(catalogue, kSource);
    QTemporaryDir pictures(out.scratchPath() + QStringLiteral("-images-XXXXXX"));
    if (!pictures.isValid())
        fail(QStringLiteral("%1 cannot be written: %2.").arg(path, pictures.errorString()));

    std::vector<int> columns;
    for (const collection::Column& c : collection::columns) {
        if (c.kind == collection::Kind::Text || c.kind == collection::Kind::Notes)
            columns.push_back(c.position);
    }

    // tellico.xml is written straight to a file beside the pictures: its fields first, so the
    // image fields are as many as the most pictures a record may have.
    QFile xmlFile(pictures.filePath(QStringLiteral("tellico.xml")));
    if (!xmlFile.open(QIODevice::WriteOnly))
        fail(QStringLiteral("%1 cannot be written: %2.").arg(path, xmlFile.errorString()));
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
    const auto field = [&](const QString& name, const QString& title, const QString& category,
                           int type, int flags) {
        xml.writeEmptyElement(kNamespace, QStringLiteral("field"));
        xml.writeAttribute(QStringLiteral("name"), name);
        xml.writeAttribute(QStringLiteral("title"), title);
        xml.writeAttribute(QStringLiteral("category"), category);
        xml.writeAttribute(QStringLiteral("type"), QString::number(type));
        xml.writeAttribute(QStringLiteral("flags"), QString::number(flags));
        xml.writeAttribute(QStringLiteral("format"), QString::number(kNoFormat));
        xml.writeAttribute(QStringLiteral("i18n"), QStringLiteral("false"));
    };
    const QString general = QStringLiteral("General");
    for (const int p : columns) {
        const bool notes = collection::columns[size_t(p)].kind == collection::Kind::Notes;
        const QString title = headings.heading(p);
        // Grouping by the title would make a group of every model.
        const int flags = notes                                ? 0
                          : p == collection::at("Description") ? kCompleted
                                                               : kGroupedCompleted;
        field(tellicoName(p), title, notes ? title : general, notes ? kParagraph : kLine, flags);
    }
    const QString picture = headings.heading(collection::at("binpicdata"));
    const auto pictureField = [](int k) {
        return k == 1 ? QStringLiteral("picture") : QStringLiteral("picture-%1").arg(k);
    };
    for (int k = 1; k <= source.mostPictures(); ++k)
        field(pictureField(k), k == 1 ? picture : QStringLiteral("%1 %2").arg(picture).arg(k),
              picture, kImage, 0);
    xml.writeEndElement();

    ExportSummary summary;
    std::map<QString, TellicoPicture> written;  // by id, each file once
    long dropped = 0;
    const auto write = [&](const ExportRecord& record) {
        xml.writeStartElement(kNamespace, QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(record.id));
        for (const int p : columns) {
            if (const QString value = record.shown(p); !value.trimmed().isEmpty())
                xml.writeTextElement(kNamespace, tellicoName(p), xmlText(value, dropped));
        }
        int k = 0;
        for (const QByteArray& bytes : record.pictures) {
            const auto picture = tellicoPicture(bytes);
            if (!picture)
                continue;
            xml.writeTextElement(kNamespace, pictureField(++k), picture->id);
            if (written.count(picture->id) == 0) {
                QFile f(pictures.filePath(picture->id));
                if (!f.open(QIODevice::WriteOnly) ||
                    f.write(picture->bytes) != picture->bytes.size() || !f.flush())
                    fail(QStringLiteral("%1 cannot be written: %2.").arg(path, f.errorString()));
                written[picture->id] = {{}, picture->format, picture->id, picture->size};
            }
            ++summary.pictures;
        }
        xml.writeEndElement();
        ++summary.records;
    };
    forEachRecord(source, source.recordIds(ids), write, progress, summary, path);

    if (!written.empty()) {
        xml.writeStartElement(kNamespace, QStringLiteral("images"));
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
        fail(QStringLiteral("%1 cannot be written: %2.").arg(path, xmlFile.errorString()));
    xmlFile.close();

    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(out.scratchPath()).constData(),
                          ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        fail(QStringLiteral("%1 cannot be written as a zip file.").arg(path));
    const auto zipFailed = [&] {
        const QString why = zipError(zip_get_error(zip));
        zip_discard(zip);
        fail(QStringLiteral("%1 cannot be written: %2.").arg(path, why));
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
        summary.notes << QStringLiteral(
                             "%1 control character(s), which a Tellico file cannot hold, were "
                             "left out of the texts.")
                             .arg(dropped);
    return summary;
}

}  // namespace kbs::exchange
