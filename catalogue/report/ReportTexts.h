#pragma once

#include <QString>

#include "Collection.h"

// The report's and its preview window's own texts, in one place.
namespace kbs::reportText {

inline const QString WindowTitle = QStringLiteral("Kerbside Manager Report");
inline const QString Title = QStringLiteral("Kerbside Manager");
inline const QString DesignedCaption = QStringLiteral("Report -- All");
inline const QString TotalsCaption = QStringLiteral("Report -- Totals");
inline const QString EndOfReport = QStringLiteral("End of Report");
// The page footer: "page", the page number, "of", the number of pages.
inline const QString PageFooter = QStringLiteral("page %p of %P");

// The data report's captions where they differ from the detail panel's labels; every other
// line of the detail band is captioned as its field is on the panel.
struct DetailCaption {
    int column;  // position in the collection's table
    const char* caption;
};
inline constexpr DetailCaption DetailCaptions[] = {
    {collection::at("Year"), "Issue Year"},
    {collection::at("Number"), "Number"},
    {collection::at("Location"), "Location"},
    {collection::at("Value_Date"), "as of"},
};

// Section names, as the report designer numbers them.
inline const QString DetailSection = QStringLiteral("Section1");
inline const QString PageHeaderSection = QStringLiteral("Section2");
inline const QString PageFooterSection = QStringLiteral("Section3");
inline const QString ReportHeaderSection = QStringLiteral("Section4");
inline const QString ReportFooterSection = QStringLiteral("Section5");
inline const QString CaptionLabel = QStringLiteral("Label3");

// The preview window's commands.
inline const QString FirstPage = QStringLiteral("First page");
inline const QString PreviousPage = QStringLiteral("Previous page");
inline const QString NextPage = QStringLiteral("Next page");
inline const QString LastPage = QStringLiteral("Last page");
inline const QString PageNumber = QStringLiteral("Page number");
inline const QString PageOf = QStringLiteral("of %1");
inline const QString Zoom = QStringLiteral("Zoom");
inline const QString FitPage = QStringLiteral("Whole page");
inline const QString FitWidth = QStringLiteral("Page width");
inline const QString Print = QStringLiteral("Print...");
inline const QString ExportPdf = QStringLiteral("Export as PDF...");
inline const QString Close = QStringLiteral("Close");
inline const QString PageView = QStringLiteral("Report page");
inline const QString PdfFilter = QStringLiteral("PDF files (*.pdf)");
inline const QString DefaultPdfName = QStringLiteral("report.pdf");
inline const QString CannotWrite = QStringLiteral("The report could not be written to %1.");
inline const QString CannotPrint = QStringLiteral("The report could not be printed.");
inline const QString ExportCsv = QStringLiteral("Export as CSV...");
inline const QString CsvFilter = QStringLiteral("CSV files (*.csv)");
inline const QString CsvExporting = QStringLiteral("Exporting the records to %1 ...");
inline const QString CsvCancel = QStringLiteral("Cancel");
inline const QString CsvExported = QStringLiteral("%1 exported to %2.");
inline const QString CsvSkipped = QStringLiteral("Left out, as deleted meanwhile: %1.");
inline const QString OneRecord = QStringLiteral("1 record");
inline const QString Records = QStringLiteral("%1 records");
inline const QString CsvCancelled =
    QStringLiteral("The export was cancelled; nothing was written.");
inline const QString CsvFailed =
    QStringLiteral("The records could not be exported:\r\n\r\n%1\r\n\r\nNothing was written.");
inline const QString ExportStatus = QStringLiteral("Export status");

}  // namespace kbs::reportText
