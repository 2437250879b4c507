#include "XlsxExport.h"

#include <xlsxwriter.h>

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <memory>

#include "AppError.h"
#include "CatalogueSource.h"
#include "PictureLoader.h"
#include "PlacedFile.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("Spreadsheet");
constexpr int kMaxCellChars = 32767;  // the most a spreadsheet cell holds
constexpr double kMaxWidth = 60;      // characters
constexpr int kThumbWidth = 80;       // pixels
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

QByteArray thumbnail(const QByteArray& picture) {
    try {
        const QImage image =
            loadPictureBytes(picture, QSize(kThumbWidth, kThumbHeight))
                .scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
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

}  // namespace

ExportSummary exportXlsx(const QString& catalogue, const QString& path, const Headings& headings,
                         const std::optional<std::vector<std::int64_t>>& ids,
                         const ExportProgressFn& progress, const QStringList& pictureTrees) {
    PlacedFile out(path, kSource);
    Catalogue source(catalogue, kSource);
    source.setPictureTrees(pictureTrees);
    const auto failed = [&](lxw_error error) {
        throw AppError(err::PathFileAccess, kSource,
                       QStringLiteral("%1 cannot be written: %2.")
                           .arg(path, QString::fromUtf8(lxw_strerror(error))));
    };

    WorkbookCloser closer{workbook_new(out.scratchPath().toUtf8().constData())};
    lxw_workbook* book = closer.book;
    if (!book)
        failed(LXW_ERROR_CREATING_XLSX_FILE);
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@");  // what is typed in later stays text too
    format_set_align(text, LXW_ALIGN_VERTICAL_TOP);

    const std::vector<int> columns = sheetColumns();
    const auto pictureColumn = lxw_col_t(columns.size());
    std::vector<double> widths(columns.size());
    for (size_t c = 0; c < columns.size(); ++c) {
        const QString heading = headings.heading(columns[c]);
        widths[c] = widthOf(heading);
        worksheet_write_string(sheet, 0, lxw_col_t(c), heading.toUtf8().constData(), bold);
    }
    worksheet_write_string(sheet, 0, pictureColumn,
                           headings.heading(collection::at("binpicdata")).toUtf8().constData(),
                           bold);
    worksheet_freeze_panes(sheet, 1, 0);

    ExportSummary summary;
    long cut = 0;
    lxw_row_t row = 1;
    const auto write = [&](const ExportRecord& record) {
        for (size_t c = 0; c < columns.size(); ++c) {
            const int position = columns[c];
            const auto col = lxw_col_t(c);
            if (collection::columns[size_t(position)].kind == collection::Kind::Id) {
                worksheet_write_number(sheet, row, col, double(record.id), nullptr);
                widths[c] = std::max(widths[c], double(QString::number(record.id).size()));
                continue;
            }
            QString value = record.shown(position);
            if (value.isEmpty())
                continue;
            if (value.size() > kMaxCellChars) {
                value.truncate(kMaxCellChars);
                ++cut;
            }
            if (const lxw_error e =
                    worksheet_write_string(sheet, row, col, value.toUtf8().constData(), text))
                failed(e);
            widths[c] = std::max(widths[c], widthOf(value));
        }
        const auto shown = std::find_if(record.pictures.begin(), record.pictures.end(),
                                        [](const ExportPicture& p) { return !p.bytes.isEmpty(); });
        const QByteArray thumb =
            shown == record.pictures.end() ? QByteArray() : thumbnail(shown->bytes);
        if (!thumb.isEmpty()) {
            lxw_image_options options{};
            options.x_offset = 2;
            options.y_offset = 2;
            options.object_position = LXW_OBJECT_MOVE_DONT_SIZE;
            if (const lxw_error e = worksheet_insert_image_buffer_opt(
                    sheet, row, pictureColumn,
                    reinterpret_cast<const unsigned char*>(thumb.constData()), size_t(thumb.size()),
                    &options))
                failed(e);
            worksheet_set_row(sheet, row, kPictureRowPoints, nullptr);
            ++summary.pictures;
        }
        ++row;
        ++summary.records;
    };
    forEachRecord(source, source.recordIds(ids), write, progress, summary, path);
    for (size_t c = 0; c < columns.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(kMaxWidth, widths[c] + 2),
                             nullptr);
    worksheet_set_column(sheet, pictureColumn, pictureColumn, kPictureColumnChars, nullptr);
    closer.book = nullptr;
    if (const lxw_error e = workbook_close(book))
        failed(e);
    out.place();
    if (cut > 0)
        summary.notes << QStringLiteral(
                             "%1 text(s) longer than a spreadsheet cell holds (%2 characters) "
                             "were cut to that length.")
                             .arg(cut)
                             .arg(kMaxCellChars);
    return summary;
}

}  // namespace kbs::exchange
