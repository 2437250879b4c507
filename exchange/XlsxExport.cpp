#include "XlsxExport.h"

#include <xlsxwriter.h>
#include <zip.h>
#include <QCoreApplication>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <memory>

#include "AppError.h"
#include "CatalogueSource.h"
#include "CsvExport.h"
#include "OwnCsv.h"
#include "OwnFields.h"
#include "PictureLoader.h"
#include "PlacedFile.h"
#include "ValueHistory.h"
#include "ZipStream.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("Spreadsheet");
constexpr double kMaxWidth = 60;  // characters
constexpr int kThumbWidth = 80;   // pixels
constexpr int kThumbHeight = 60;
constexpr double kPictureRowPoints = 48;
constexpr double kPictureColumnChars = 12;

// The columns a spreadsheet gets, in table order: the texts a person reads and the ID. The
// picture is the last column; its path and the hidden "twenty" stay out.
std::vector<int> sheetColumns() {
    std::vector<int> out;
    for (const collection::Column& c : collection::columns) {
        if (c.kind == collection::Kind::Id || c.kind == collection::Kind::Text ||
            c.kind == collection::Kind::Notes)
            out.push_back(c.position);
    }
    return out;
}

// The width a text asks for, in characters: its longest line.
double widthOf(const QString& text) {
    qsizetype longest = 0;
    for (const auto line : QStringView(text).split(QLatin1Char('\n')))
        longest = std::max(longest, line.size());
    return double(longest);
}

bool startsLikeEscape(QStringView s) {
    if (s.size() < 7 || s[0] != QLatin1Char('_') || s[1] != QLatin1Char('x') ||
        s[6] != QLatin1Char('_'))
        return false;
    return std::all_of(s.begin() + 2, s.begin() + 6, [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
    });
}

}  // namespace

CellText cellText(const QString& text, qsizetype maxChars) {
    static const QString kEscapedUnderscore = QStringLiteral("_x005F");
    CellText out;
    if (text.size() <= maxChars && !text.contains(QChar(0)) &&
        !text.contains(QLatin1String("_x"))) {  // the most texts: nothing to change
        const QByteArray utf8 = text.toUtf8();
        out.utf8.assign(utf8.constData(), size_t(utf8.size()));
        return out;
    }
    QString value = text;
    out.withoutNul = value.contains(QChar(0));
    if (out.withoutNul)
        value.remove(QChar(0));
    QString kept;
    kept.reserve(std::min(value.size(), maxChars));
    // The spreadsheet counts the UTF-16 units of the text it reads; the writer counts the
    // characters of the text it writes, escapes included.
    qsizetype units = 0, written = 0;
    for (qsizetype i = 0; i < value.size();) {
        const qsizetype length =
            value[i].isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const bool escape = startsLikeEscape(QStringView(value).mid(i));
        const qsizetype extra = escape ? kEscapedUnderscore.size() : 0;
        if (units + length > maxChars || written + 1 + extra > maxChars) {
            out.cut = true;
            break;
        }
        if (escape)
            kept += kEscapedUnderscore;
        kept += QStringView(value).mid(i, length);
        units += length;
        written += 1 + extra;
        i += length;
    }
    const QByteArray utf8 = kept.toUtf8();
    out.utf8.assign(utf8.constData(), size_t(utf8.size()));
    return out;
}

namespace {

// A picture's thumbnail as a PNG, or nothing when it is no picture; `size` is told its size.
QByteArray thumbnail(const QByteArray& picture, QSize* size) {
    try {
        const QImage image =
            loadPictureBytes(picture, QSize(kThumbWidth, kThumbHeight))
                .scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        *size = image.size();
        return buffer.data();
    } catch (const AppError&) {
        return {};  // not a picture: the cell stays empty
    }
}

struct WorkbookCloser {
    lxw_workbook* book;
    ~WorkbookCloser() {
        if (book)
            workbook_close(book);  // only after a failure: the scratch file goes with it
    }
};

// A thumbnail of the sheet: its row, where its PNG lies in the file of thumbnails, its size in
// pixels and how far down the sheet its row begins.
struct Thumb {
    lxw_row_t row;
    qint64 offset;
    qint32 bytes;
    std::uint16_t width, height;
    qint64 top;  // pixels
};

constexpr int kEmuPerPixel = 9525;
constexpr int kOffsetPixels = 2;
constexpr int kDefaultRowPixels = 20;                              // 15 points
constexpr int kPictureRowPixels = int(kPictureRowPoints * 4 / 3);  // 48 points

// A column's width in pixels, as a spreadsheet draws `chars` characters of the default font.
int columnPixels(double chars) {
    return chars < 1 ? int(chars * 12 + 0.5) : int(chars * 7 + 0.5) + 5;
}

// The drawing of the picture column: each thumbnail anchored in its cell, kept at its size.
void writeDrawing(ZipStream& zip, const std::vector<Thumb>& thumbs, lxw_col_t column, int left) {
    zip.beginDeflated("xl/drawings/drawing1.xml");
    zip.write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<xdr:wsDr "
        "xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
        "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">");
    const QByteArray col = QByteArray::number(column);
    const QByteArray offset = QByteArray::number(kOffsetPixels * kEmuPerPixel);
    QByteArray xml;
    for (size_t i = 0; i < thumbs.size(); ++i) {
        const Thumb& t = thumbs[i];
        const QByteArray row = QByteArray::number(t.row);
        const QByteArray n = QByteArray::number(qulonglong(i + 1));
        xml = "<xdr:twoCellAnchor editAs=\"oneCell\"><xdr:from><xdr:col>" + col +
              "</xdr:col><xdr:colOff>" + offset + "</xdr:colOff><xdr:row>" + row +
              "</xdr:row><xdr:rowOff>" + offset + "</xdr:rowOff></xdr:from><xdr:to><xdr:col>" +
              col + "</xdr:col><xdr:colOff>" +
              QByteArray::number((kOffsetPixels + t.width) * kEmuPerPixel) +
              "</xdr:colOff><xdr:row>" + row + "</xdr:row><xdr:rowOff>" +
              QByteArray::number((kOffsetPixels + t.height) * kEmuPerPixel) +
              "</xdr:rowOff></xdr:to><xdr:pic><xdr:nvPicPr><xdr:cNvPr id=\"" +
              QByteArray::number(qulonglong(i + 2)) + "\" name=\"Picture " + n +
              "\"/><xdr:cNvPicPr><a:picLocks noChangeAspect=\"1\"/></xdr:cNvPicPr></"
              "xdr:nvPicPr><xdr:blipFill><a:blip "
              "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
              "relationships\" r:embed=\"rId" +
              n +
              "\"/><a:stretch><a:fillRect/></a:stretch></xdr:blipFill><xdr:spPr><a:xfrm><a:off "
              "x=\"" +
              QByteArray::number(qint64(left + kOffsetPixels) * kEmuPerPixel) + "\" y=\"" +
              QByteArray::number((t.top + kOffsetPixels) * kEmuPerPixel) + "\"/><a:ext cx=\"" +
              QByteArray::number(t.width * kEmuPerPixel) + "\" cy=\"" +
              QByteArray::number(t.height * kEmuPerPixel) +
              "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></xdr:spPr></"
              "xdr:pic><xdr:clientData/></xdr:twoCellAnchor>";
        zip.write(xml);
    }
    zip.write("</xdr:wsDr>");
    zip.endDeflated();
    zip.beginDeflated("xl/drawings/_rels/drawing1.xml.rels");
    zip.write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">");
    for (size_t i = 0; i < thumbs.size(); ++i) {
        const QByteArray n = QByteArray::number(qulonglong(i + 1));
        zip.write("<Relationship Id=\"rId" + n +
                  "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                  "relationships/image\" Target=\"../media/image" +
                  n + ".png\"/>");
    }
    zip.write("</Relationships>");
    zip.endDeflated();
}

// The workbook as the writer made it, with every thumbnail after the first added: the writer
// keeps some kilobytes for each picture until it is closed, so it is given one, which makes the
// drawing's parts, and the others go straight from the file of thumbnails into the archive.
bool addThumbs(const QString& book, QFile& thumbFile, const std::vector<Thumb>& thumbs,
               lxw_col_t column, int left, const QString& target) {
    int error = 0;
    zip_t* in = zip_open(QFile::encodeName(book).constData(), ZIP_RDONLY, &error);
    if (!in)
        return false;
    ZipStream zip(target);
    const bool drawn = thumbs.size() > 1;
    const zip_int64_t count = zip_get_num_entries(in, 0);
    for (zip_int64_t i = 0; i < count && zip.ok(); ++i) {
        zip_stat_t st;
        if (zip_stat_index(in, zip_uint64_t(i), 0, &st) != 0) {
            zip_discard(in);
            return false;
        }
        const QByteArray name(st.name);
        if (drawn && name.startsWith("xl/drawings/"))
            continue;
        zip_file_t* f = zip_fopen_index(in, zip_uint64_t(i), ZIP_FL_COMPRESSED);
        if (!f) {
            zip_discard(in);
            return false;
        }
        zip.addCopied(name, std::uint16_t(st.comp_method), st.crc, st.comp_size, st.size,
                      [f](char* buffer, qint64 max) {
                          return qint64(zip_fread(f, buffer, zip_uint64_t(max)));
                      });
        zip_fclose(f);
    }
    zip_discard(in);
    if (drawn) {
        for (size_t i = 1; i < thumbs.size() && zip.ok(); ++i) {
            if (!thumbFile.seek(thumbs[i].offset))
                return false;
            const QByteArray png = thumbFile.read(thumbs[i].bytes);
            if (png.size() != thumbs[i].bytes)
                return false;
            zip.addStored("xl/media/image" + QByteArray::number(qulonglong(i + 1)) + ".png", png);
        }
        writeDrawing(zip, thumbs, column, left);
    }
    return zip.finish();
}

// The value history on a sheet of its own: a row an entry of the records `ids`, in their
// order, each record's oldest first, under the headings ID, Date, Value and Note. Left out when
// they have none. Returns the texts cut.
long writeHistorySheet(lxw_workbook* book, sqlite3* db, const std::vector<std::int64_t>& ids,
                       const Headings& headings, lxw_format* bold, lxw_format* text,
                       lxw_format* number, const std::function<void(lxw_error)>& failed) {
    values::Reader history(db);
    lxw_worksheet* sheet = nullptr;
    lxw_row_t row = 1;
    long cut = 0;
    std::vector<double> widths;
    for (const std::int64_t id : ids) {
        for (const values::Entry& e : history.of(id)) {
            if (!sheet) {
                const QString name = QCoreApplication::translate("kbs::exchange", "Value history");
                sheet = workbook_add_worksheet(book, name.toUtf8().constData());
                if (!sheet)  // a name a sheet cannot have
                    sheet = workbook_add_worksheet(book, nullptr);
                const QString titles[] = {headings.heading(collection::at("ID")),
                                          QCoreApplication::translate("kbs::values", "Date"),
                                          QCoreApplication::translate("kbs::values", "Value"),
                                          QCoreApplication::translate("kbs::values", "Note")};
                for (const QString& title : titles) {
                    worksheet_write_string(sheet, 0, lxw_col_t(widths.size()),
                                           title.toUtf8().constData(), bold);
                    widths.push_back(widthOf(title));
                }
                worksheet_freeze_panes(sheet, 1, 0);
            }
            worksheet_write_number(sheet, row, 0, double(id), number);
            widths[0] = std::max(widths[0], double(QString::number(id).size()));
            lxw_col_t col = 1;
            for (const QString& value : {e.date, e.value, e.note}) {
                const CellText cell = cellText(value);
                cut += cell.cut ? 1 : 0;
                if (!value.isEmpty()) {
                    if (const lxw_error error =
                            worksheet_write_string(sheet, row, col, cell.utf8.c_str(), text))
                        failed(error);
                }
                widths[col] = std::max(widths[col], widthOf(value));
                ++col;
            }
            ++row;
        }
    }
    for (size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(kMaxWidth, widths[c] + 2),
                             nullptr);
    return cut;
}

}  // namespace

ExportSummary exportXlsx(const QString& catalogue, const QString& path, const Headings& headings,
                         const std::optional<std::vector<std::int64_t>>& ids,
                         const ExportProgressFn& progress, const QStringList& pictureTrees) {
    PlacedFile out(path, kSource);
    Catalogue source(catalogue, kSource);
    source.setPictureTrees(pictureTrees);
    const auto failed = [&](lxw_error error) {
        throw AppError(err::PathFileAccess, kSource,
                       QCoreApplication::translate("kbs::exchange", "%1 cannot be written: %2.")
                           .arg(path, QString::fromUtf8(lxw_strerror(error))));
    };

    // The writer's workbook and the thumbnails wait in a folder of their own until the
    // workbook is put together in the scratch file.
    QTemporaryDir work;
    if (!work.isValid())
        failed(LXW_ERROR_CREATING_TMPFILE);
    const QString bookPath = work.filePath(QStringLiteral("book.xlsx"));
    QFile thumbFile(work.filePath(QStringLiteral("thumbnails")));
    if (!thumbFile.open(QIODevice::ReadWrite))
        failed(LXW_ERROR_CREATING_TMPFILE);
    std::vector<Thumb> thumbs;
    qint64 top = kDefaultRowPixels;  // below the heading

    // Each row goes to a scratch file as soon as the next one begins, so that the memory used
    // does not grow with the records: the rows are written in order, once.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    WorkbookCloser closer{workbook_new_opt(QFile::encodeName(bookPath).constData(), &options)};
    lxw_workbook* book = closer.book;
    if (!book)
        failed(LXW_ERROR_CREATING_XLSX_FILE);
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@");  // what is typed in later stays text too
    format_set_align(text, LXW_ALIGN_VERTICAL_TOP);
    lxw_format* number = workbook_add_format(book);  // the ID, at the top as the texts
    format_set_align(number, LXW_ALIGN_VERTICAL_TOP);
    lxw_format* amount = workbook_add_format(book);  // two decimals, or the four kept
    format_set_num_format(amount, "0.00##");
    format_set_align(amount, LXW_ALIGN_VERTICAL_TOP);

    // The described columns, then the collector's own fields and the tags, then the picture.
    const std::vector<int> columns = sheetColumns();
    const ownfields::AllValues own = ownfields::readAll(source.db());
    const std::vector<std::int64_t> all = source.recordIds(ids);
    QStringList ownHeadings;
    for (const ownfields::Field& f : own.fields)
        ownHeadings << f.name;
    const bool withTags = anyTags(own, all);
    if (withTags)
        ownHeadings << QCoreApplication::translate("kbs::exchange", "Tags");
    const auto pictureColumn = lxw_col_t(columns.size() + size_t(ownHeadings.size()));
    std::vector<double> widths(pictureColumn);
    for (size_t c = 0; c < pictureColumn; ++c) {
        const QString heading = c < columns.size() ? headings.heading(columns[c])
                                                   : ownHeadings[qsizetype(c - columns.size())];
        widths[c] = widthOf(heading);
        const CellText cell = cellText(heading);
        worksheet_write_string(sheet, 0, lxw_col_t(c), cell.utf8.c_str(), bold);
    }
    worksheet_write_string(sheet, 0, pictureColumn,
                           headings.heading(collection::at("binpicdata")).toUtf8().constData(),
                           bold);
    worksheet_freeze_panes(sheet, 1, 0);

    ExportSummary summary;
    long cut = 0, withoutNul = 0;
    lxw_row_t row = 1;
    const auto write = [&](const ExportRecord& record) {
        // A row's height before its cells: the writer keeps one row at a time.
        const auto shown = std::find_if(record.pictures.begin(), record.pictures.end(),
                                        [](const ExportPicture& p) { return !p.bytes.isEmpty(); });
        QSize size;
        const QByteArray thumb =
            shown == record.pictures.end() ? QByteArray() : thumbnail(shown->bytes, &size);
        if (!thumb.isEmpty())
            worksheet_set_row(sheet, row, kPictureRowPoints, nullptr);
        for (size_t c = 0; c < columns.size(); ++c) {
            const int position = columns[c];
            const auto col = lxw_col_t(c);
            if (collection::columns[size_t(position)].kind == collection::Kind::Id) {
                worksheet_write_number(sheet, row, col, double(record.id), number);
                widths[c] = std::max(widths[c], double(QString::number(record.id).size()));
                continue;
            }
            const QString& value = record.text[size_t(position)];
            if (value.isEmpty())
                continue;
            const CellText cell = cellText(value);
            cut += cell.cut ? 1 : 0;
            withoutNul += cell.withoutNul ? 1 : 0;
            if (const lxw_error e =
                    worksheet_write_string(sheet, row, col, cell.utf8.c_str(), text))
                failed(e);
            widths[c] = std::max(widths[c], widthOf(value));
        }
        for (qsizetype o = 0; o < ownHeadings.size(); ++o) {
            const size_t c = columns.size() + size_t(o);
            const bool tags = size_t(o) == own.fields.size();
            const QString value =
                tags ? joinTags(own.tagsOf(record.id)) : own.valueOf(record.id, size_t(o));
            if (value.isEmpty())
                continue;
            const ownfields::Kind kind = tags ? ownfields::Kind::Text : own.fields[size_t(o)].kind;
            lxw_error e = LXW_NO_ERROR;
            bool isNumber = false;  // a stored text that is no number stays a text
            const double n = value.toDouble(&isNumber);
            if ((kind == ownfields::Kind::Number || kind == ownfields::Kind::Amount) && isNumber) {
                e = worksheet_write_number(sheet, row, lxw_col_t(c), n,
                                           kind == ownfields::Kind::Amount ? amount : number);
            } else {
                const CellText cell = cellText(value);
                cut += cell.cut ? 1 : 0;
                withoutNul += cell.withoutNul ? 1 : 0;
                e = worksheet_write_string(sheet, row, lxw_col_t(c), cell.utf8.c_str(), text);
            }
            if (e)
                failed(e);
            widths[c] = std::max(widths[c], widthOf(value));
        }
        if (!thumb.isEmpty()) {
            thumbs.push_back({row, thumbFile.pos(), qint32(thumb.size()),
                              std::uint16_t(size.width()), std::uint16_t(size.height()), top});
            if (thumbFile.write(thumb) != thumb.size())
                failed(LXW_ERROR_CREATING_TMPFILE);
            if (thumbs.size() == 1) {  // the writer's own, which makes the drawing
                const QString file = work.filePath(QStringLiteral("first.png"));
                QFile f(file);
                if (!f.open(QIODevice::WriteOnly) || f.write(thumb) != thumb.size() || !f.flush())
                    failed(LXW_ERROR_CREATING_TMPFILE);
                f.close();
                lxw_image_options options{};
                options.x_offset = kOffsetPixels;
                options.y_offset = kOffsetPixels;
                options.object_position = LXW_OBJECT_MOVE_DONT_SIZE;
                if (const lxw_error e = worksheet_insert_image_opt(
                        sheet, row, pictureColumn, QFile::encodeName(file).constData(), &options))
                    failed(e);
            }
            ++summary.pictures;
        }
        top += thumb.isEmpty() ? kDefaultRowPixels : kPictureRowPixels;
        ++row;
        ++summary.records;
    };
    forEachRecord(source, all, write, progress, summary, path);
    for (size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(kMaxWidth, widths[c] + 2),
                             nullptr);
    worksheet_set_column(sheet, pictureColumn, pictureColumn, kPictureColumnChars, nullptr);
    cut += writeHistorySheet(book, source.db(), all, headings, bold, text, number, failed);
    closer.book = nullptr;
    if (const lxw_error e = workbook_close(book))
        failed(e);
    int left = 0;  // the picture column's left edge, in pixels
    for (size_t c = 0; c < widths.size(); ++c)
        left += columnPixels(std::min(kMaxWidth, widths[c] + 2));
    if (!thumbFile.flush() ||
        !addThumbs(bookPath, thumbFile, thumbs, pictureColumn, left, out.scratchPath()))
        failed(LXW_ERROR_ZIP_FILE_OPERATION);
    out.place();
    if (cut > 0)
        summary.notes << QCoreApplication::translate(
                             "kbs::exchange",
                             "%1 text(s) longer than a spreadsheet cell holds (%2 characters) "
                             "were cut to that length.")
                             .arg(cut)
                             .arg(MaxCellChars);
    if (withoutNul > 0)
        summary.notes << QCoreApplication::translate(
                             "kbs::exchange",
                             "%1 text(s) held NUL characters, which a spreadsheet cell cannot "
                             "hold; they were left out and the rest of each text kept.")
                             .arg(withoutNul);
    return summary;
}

}  // namespace kbs::exchange
