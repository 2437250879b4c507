#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "Headings.h"
#include "PreviewedPages.h"
#include "SharedPage.h"

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace kbs {

// A sheet of self-adhesive labels: the paper, and where its labels sit on it (millimetres).
struct LabelLayout {
    const char* name;  // as the sheets are sold: "Avery L7160 (63.5 × 38.1 mm, 21 a sheet)"
    QPageSize::PageSizeId paper;
    int columns, rows;
    double width, height;  // of a label
    double left, top;      // the first label's corner
    double across, down;   // from one label's corner to the next one's
};
// The common sheets, A4 first, then US Letter.
const std::vector<LabelLayout>& labelLayouts();

struct LabelOptions {
    int layout = 0;       // in labelLayouts()
    QStringList fields;   // keys of exchange::shareFields(); the first is written in bold
    bool picture = true;  // a small picture of the record on the left
    bool qrCode = true;   // a QR code of the record's ID on the right
};

// A label for each entry `chosen` lists (see exchange::ShareSource), read from the catalogue at
// `catalogue` when made: their texts and thumbnails. Shown, printed and written to PDF by the
// report preview. Throws AppError when the catalogue cannot be read.
class LabelSheet : public PreviewedPages {
public:
    LabelSheet(const QString& catalogue, const exchange::ShareOptions& chosen,
               const LabelOptions& options, const exchange::Headings& headings);

    int pageCount() const override;
    QSizeF pageSizeTwips() const override;
    void paintPage(QPainter& painter, int page, const QRectF& target) const override;
    bool print(QPrinter& printer) const override;
    void preparePrinter(QPrinter& printer) const override;
    // Writes every sheet to a new PDF file; false when it cannot, an existing file included.
    bool exportPdf(const QString& path) const override;
    QString fileBaseName() const override { return QStringLiteral("labels"); }
    const QString& catalogueFile() const override { return m_catalogue; }
    std::optional<std::vector<std::int64_t>> recordIds() const override { return m_ids; }

    int labelCount() const { return int(m_labels.size()); }

private:
    struct Label {
        std::int64_t id = 0;
        QStringList lines;  // "Description", then "Label: value"
        QByteArray picture;
    };
    void paintLabel(QPainter& painter, const Label& label, const QRectF& box) const;
    bool render(QPainter& painter, QPagedPaintDevice& device, int from, int to) const;

    QString m_catalogue;
    std::vector<std::int64_t> m_ids;
    LabelOptions m_options;
    LabelLayout m_layout;
    std::vector<Label> m_labels;
};

// Draws a QR code of `text` (libqrencode, medium error correction) filling the square `box`
// with a quiet zone around it; false when the text does not fit a QR code.
bool drawQrCode(QPainter& painter, const QString& text, const QRectF& box);

}  // namespace kbs
