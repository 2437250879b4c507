#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QPrinter;

namespace kbs {

// What the preview window shows, prints and exports: a report's pages (PagedReport), seen
// from the preview, which needs nothing else of the report.
class PreviewedPages {
public:
    virtual ~PreviewedPages() = default;
    virtual int pageCount() const = 0;
    virtual QSizeF pageSizeTwips() const = 0;
    // Draws a page scaled to fit target, centred, keeping the paper's proportions.
    virtual void paintPage(QPainter& painter, int page, const QRectF& target) const = 0;
    virtual bool print(QPrinter& printer) const = 0;
    virtual void preparePrinter(QPrinter& printer) const = 0;
    virtual bool exportPdf(const QString& path) const = 0;
    virtual QString fileBaseName() const = 0;
    virtual const QString& catalogueFile() const = 0;
    virtual std::optional<std::vector<std::int64_t>> recordIds() const = 0;
};

// The pages a print covers: the printer's page range, within 1..pageCount; every page when it
// has none.
std::pair<int, int> printedPages(const QPrinter& printer, int pageCount);

}  // namespace kbs
