#include "LabelSheet.h"

#include <qrencode.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "AppError.h"
#include "PictureLoader.h"
#include "SafeFile.h"

namespace kbs {

namespace {

constexpr double kUnit = 10.0;             // drawing units per millimetre
constexpr double kPadding = 1.5;           // mm inside a label's edge
constexpr double kMaxQr = 24.0;            // mm
constexpr qsizetype kMaxLabelChars = 500;  // of a line; far more than two lines show

QSizeF paperMm(QPageSize::PageSizeId paper) {
    return QPageSize(paper).size(QPageSize::Millimeter);
}

}  // namespace

const std::vector<LabelLayout>& labelLayouts() {
    // The sheets' measures as their makers give them.
    static const std::vector<LabelLayout> layouts = {
        {"Avery L7160 / J8160", QPageSize::A4, 3, 7, 63.5, 38.1, 7.2, 15.1, 66.0, 38.1},
        {"Avery L7159 / J8159", QPageSize::A4, 3, 8, 63.5, 33.9, 7.2, 12.9, 66.0, 33.9},
        {"Avery L7163 / J8163", QPageSize::A4, 2, 7, 99.1, 38.1, 4.65, 15.15, 101.6, 38.1},
        {"Avery L7173 / J8173", QPageSize::A4, 2, 5, 99.1, 57.0, 4.65, 6.0, 101.6, 57.0},
        {"Avery L7651 / J8651", QPageSize::A4, 5, 13, 38.1, 21.2, 4.75, 10.7, 40.6, 21.2},
        {"Avery 5160 / 8160", QPageSize::Letter, 3, 10, 66.675, 25.4, 4.7625, 12.7, 69.85, 25.4},
        {"Avery 5163 / 8163", QPageSize::Letter, 2, 5, 101.6, 50.8, 3.96875, 12.7, 104.775, 50.8},
    };
    return layouts;
}

bool drawQrCode(QPainter& painter, const QString& text, const QRectF& box) {
    const QByteArray utf8 = text.toUtf8();
    std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), QRcode_free);
    if (!code)
        return false;
    const int width = code->width;
    const int quiet = 2;  // modules of white around it
    const double module = std::min(box.width(), box.height()) / (width + 2 * quiet);
    const QPointF origin(box.x() + (box.width() - module * width) / 2,
                         box.y() + (box.height() - module * width) / 2);
    QPainterPath dark;
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width;) {
            if (!(code->data[y * width + x] & 1)) {
                ++x;
                continue;
            }
            int run = x;
            while (run < width && (code->data[y * width + run] & 1))
                ++run;
            dark.addRect(QRectF(origin.x() + x * module, origin.y() + y * module,
                                (run - x) * module, module));
            x = run;
        }
    }
    painter.fillPath(dark.simplified(), Qt::black);
    return true;
}

LabelSheet::LabelSheet(const QString& catalogue, const exchange::ShareOptions& chosen,
                       const LabelOptions& options, const exchange::Headings& headings)
    : m_catalogue(catalogue),
      m_options(options),
      m_layout(labelLayouts().at(
          size_t(std::clamp(options.layout, 0, int(labelLayouts().size()) - 1)))) {
    exchange::ShareSource source(catalogue, chosen.pictureTrees, catalogue);
    std::vector<exchange::ShareField> fields;
    const auto table = exchange::shareFields(headings, source.ownFields());
    for (const QString& key : options.fields) {
        const auto f =
            std::find_if(table.begin(), table.end(),
                         [&](const exchange::ShareField& row) { return row.key == key; });
        if (f != table.end())
            fields.push_back(*f);
    }
    exchange::ExportSummary summary;
    for (const exchange::SharedRecord& entry : source.entries(chosen, {}, summary)) {
        Label label;
        label.id = entry.record.id;
        if (label.id > 0)
            m_ids.push_back(label.id);
        for (size_t i = 0; i < fields.size(); ++i) {
            QString value = exchange::sharedValue(entry, fields[i]).simplified();  // one line each
            if (value.isEmpty())
                continue;
            // Two lines at most are shown: a text far longer (a note of a megabyte) is cut, so
            // that measuring it does not hold each drawing of the sheet.
            if (value.size() > kMaxLabelChars)
                value.truncate(kMaxLabelChars -
                               (value[kMaxLabelChars - 1].isHighSurrogate() ? 1 : 0));
            label.lines << (label.lines.isEmpty() && i == 0
                                ? value
                                : fields[i].label + QStringLiteral(": ") + value);
        }
        if (options.picture && label.id > 0)
            label.picture = source.picture(entry.record.id, 0);
        m_labels.push_back(std::move(label));
    }
}

int LabelSheet::pageCount() const {
    const int perSheet = m_layout.columns * m_layout.rows;
    return std::max(1, int((m_labels.size() + size_t(perSheet) - 1) / size_t(perSheet)));
}

QSizeF LabelSheet::pageSizeTwips() const {
    return QPageSize(m_layout.paper).size(QPageSize::Inch) * 1440.0;
}

void LabelSheet::paintPage(QPainter& painter, int page, const QRectF& target) const {
    const QSizeF paper = paperMm(m_layout.paper);
    const double scale =
        std::min(target.width() / paper.width(), target.height() / paper.height()) / kUnit;
    painter.save();
    painter.translate(target.x() + (target.width() - paper.width() * kUnit * scale) / 2,
                      target.y() + (target.height() - paper.height() * kUnit * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    const int perSheet = m_layout.columns * m_layout.rows;
    for (int i = 0; i < perSheet; ++i) {
        const size_t at = size_t((page - 1) * perSheet + i);
        if (at >= m_labels.size())
            break;
        const int column = i % m_layout.columns;
        const int row = i / m_layout.columns;
        const QRectF box((m_layout.left + column * m_layout.across) * kUnit,
                         (m_layout.top + row * m_layout.down) * kUnit, m_layout.width * kUnit,
                         m_layout.height * kUnit);
        paintLabel(painter, m_labels[at], box);
    }
    painter.restore();
}

void LabelSheet::paintLabel(QPainter& painter, const Label& label, const QRectF& box) const {
    // A faint outline where the label's edge is, for the preview and for plain paper.
    painter.setPen(QPen(QColor(210, 210, 210), 0));
    painter.drawRoundedRect(box, 1.5 * kUnit, 1.5 * kUnit);
    const QRectF inner =
        box.adjusted(kPadding * kUnit, kPadding * kUnit, -kPadding * kUnit, -kPadding * kUnit);
    QRectF text = inner;
    if (m_options.qrCode) {
        const double side = std::min({inner.height(), kMaxQr * kUnit, inner.width() / 4});
        const QRectF square(inner.right() - side, inner.top(), side, side);
        if (label.id > 0 && drawQrCode(painter, QString::number(label.id), square))
            text.setRight(square.left() - kUnit);
    }
    if (!label.picture.isEmpty()) {
        const double side = std::min({inner.height(), kMaxQr * kUnit, inner.width() / 4});
        try {
            const QImage image = loadPictureBytes(label.picture);
            QSizeF size = image.size().scaled(QSizeF(side, side).toSize(), Qt::KeepAspectRatio);
            painter.drawImage(QRectF(inner.topLeft(), size), image);
            text.setLeft(inner.left() + side + kUnit);
        } catch (const AppError&) {
        }
    }
    painter.setPen(Qt::black);
    double y = text.top();
    const double lineHeight = std::clamp(inner.height() / 5, 2.6 * kUnit, 3.6 * kUnit);
    for (int i = 0; i < label.lines.size(); ++i) {
        QFont font;
        font.setPixelSize(int(lineHeight * 0.78));
        font.setBold(i == 0);
        painter.setFont(font);
        if (y + lineHeight > text.bottom() + 0.1)
            break;
        const QFontMetricsF metrics(font);
        // The first line (the model's name, as a rule) may take two lines where there is room.
        const bool wrap = i == 0 && metrics.horizontalAdvance(label.lines[i]) > text.width() &&
                          y + 2 * lineHeight <= text.bottom() + 0.1;
        const QRectF line(text.left(), y, text.width(), lineHeight * (wrap ? 2 : 1));
        painter.save();
        painter.setClipRect(line);
        if (wrap)
            painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label.lines[i]);
        else
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(label.lines[i], Qt::ElideRight, text.width()));
        painter.restore();
        y += line.height();
    }
}

bool LabelSheet::render(QPainter& painter, QPagedPaintDevice& device, int from, int to) const {
    for (int page = from; page <= to; ++page) {
        if (page != from && !device.newPage())
            return false;
        const QRectF sheet(0, 0, device.width(), device.height());
        painter.fillRect(sheet, Qt::white);
        paintPage(painter, page, sheet);
    }
    return true;
}

void LabelSheet::preparePrinter(QPrinter& printer) const {
    printer.setPageSize(QPageSize(m_layout.paper));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(fileBaseName());
}

bool LabelSheet::print(QPrinter& printer) const {
    printer.setFullPage(true);
    const auto [from, to] = printedPages(printer, pageCount());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool done = render(painter, printer, from, to);
    return painter.end() && done;
}

bool LabelSheet::exportPdf(const QString& path) const {
    try {
        safefile::removeLeftovers(path);
        safefile::refuseExisting(path);
        safefile::Scratch scratch = safefile::Scratch::file(path);
        {
            QPdfWriter writer(scratch.path());
            writer.setPageSize(QPageSize(m_layout.paper));
            writer.setPageOrientation(QPageLayout::Portrait);
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setTitle(fileBaseName());
            QPainter painter;
            if (!painter.begin(&writer))
                return false;
            const bool done = render(painter, writer, 1, pageCount());
            if (!painter.end() || !done)
                return false;
        }
        scratch.placeNoReplace();
        return true;
    } catch (const AppError&) {
        return false;
    }
}

}  // namespace kbs
