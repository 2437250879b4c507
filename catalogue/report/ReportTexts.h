#pragma once

#include <QString>

#include "Collection.h"
#include "Text.h"

// The report's and its preview window's own texts, in one place.
namespace kbs::reportText {

using Text = kbs::Text<"kbs::reportText">;

inline constexpr Text WindowTitle{QT_TRANSLATE_NOOP("kbs::reportText", "Kerbside Manager Report")};
inline constexpr Text Title{QT_TRANSLATE_NOOP("kbs::reportText", "Kerbside Manager")};
inline constexpr Text DesignedCaption{QT_TRANSLATE_NOOP("kbs::reportText", "Report -- All")};
inline constexpr Text TotalsCaption{QT_TRANSLATE_NOOP("kbs::reportText", "Report -- Totals")};
inline constexpr Text EndOfReport{QT_TRANSLATE_NOOP("kbs::reportText", "End of Report")};
// The page footer: "page", the page number, "of", the number of pages.
inline constexpr Text PageFooter{QT_TRANSLATE_NOOP("kbs::reportText", "page %p of %P")};

// The data report's captions where they differ from the detail panel's labels; every other
// line of the detail band is captioned as its field is on the panel.
struct DetailCaption {
    int column;  // position in the collection's table
    const char* caption;
};
inline constexpr DetailCaption DetailCaptions[] = {
    {collection::at("Year"), QT_TRANSLATE_NOOP("kbs::reportText", "Issue Year")},
    {collection::at("Number"), QT_TRANSLATE_NOOP("kbs::reportText", "Number")},
    {collection::at("Location"), QT_TRANSLATE_NOOP("kbs::reportText", "Location")},
    {collection::at("Value_Date"), QT_TRANSLATE_NOOP("kbs::reportText", "as of")},
};

// Section names, as the report designer numbers them.
inline const QString DetailSection = QStringLiteral("Section1");

inline const QString PageHeaderSection = QStringLiteral("Section2");

inline const QString PageFooterSection = QStringLiteral("Section3");

inline const QString ReportHeaderSection = QStringLiteral("Section4");

inline const QString ReportFooterSection = QStringLiteral("Section5");

inline const QString CaptionLabel = QStringLiteral("Label3");

// The preview window's commands.
inline constexpr Text FirstPage{QT_TRANSLATE_NOOP("kbs::reportText", "First page")};
inline constexpr Text PreviousPage{QT_TRANSLATE_NOOP("kbs::reportText", "Previous page")};
inline constexpr Text NextPage{QT_TRANSLATE_NOOP("kbs::reportText", "Next page")};
inline constexpr Text LastPage{QT_TRANSLATE_NOOP("kbs::reportText", "Last page")};
inline constexpr Text PageNumber{QT_TRANSLATE_NOOP("kbs::reportText", "Page number")};
inline constexpr Text PageOf{QT_TRANSLATE_NOOP("kbs::reportText", "of %1")};
inline constexpr Text Zoom{QT_TRANSLATE_NOOP("kbs::reportText", "Zoom")};
inline constexpr Text FitPage{QT_TRANSLATE_NOOP("kbs::reportText", "Whole page")};
inline constexpr Text FitWidth{QT_TRANSLATE_NOOP("kbs::reportText", "Page width")};
inline constexpr Text Print{QT_TRANSLATE_NOOP("kbs::reportText", "Print...")};
inline constexpr Text ExportPdf{QT_TRANSLATE_NOOP("kbs::reportText", "Export as PDF...")};
inline constexpr Text Close{QT_TRANSLATE_NOOP("kbs::reportText", "Close")};
inline constexpr Text PageView{QT_TRANSLATE_NOOP("kbs::reportText", "Report page")};
inline constexpr Text PdfFilter{QT_TRANSLATE_NOOP("kbs::reportText", "PDF files (*.pdf)")};
inline const QString DefaultPdfName = QStringLiteral("report.pdf");

inline constexpr Text CannotWrite{
    QT_TRANSLATE_NOOP("kbs::reportText", "The report could not be written to %1.")};
inline constexpr Text CannotPrint{
    QT_TRANSLATE_NOOP("kbs::reportText", "The report could not be printed.")};
inline constexpr Text ExportCsv{QT_TRANSLATE_NOOP("kbs::reportText", "Export as CSV...")};
inline constexpr Text CsvFilter{QT_TRANSLATE_NOOP("kbs::reportText", "CSV files (*.csv)")};
inline constexpr Text Exporting{
    QT_TRANSLATE_NOOP("kbs::reportText", "Exporting the records to %1 ...")};
inline constexpr Text ExportCancel{QT_TRANSLATE_NOOP("kbs::reportText", "Cancel")};
inline constexpr Text Exported{QT_TRANSLATE_NOOP("kbs::reportText", "%1 exported to %2.")};
inline constexpr Text ExportSkipped{
    QT_TRANSLATE_NOOP("kbs::reportText", "Left out, as deleted meanwhile: %1.")};
inline constexpr Text OneRecord{QT_TRANSLATE_NOOP("kbs::reportText", "1 record")};
inline constexpr Text Records{QT_TRANSLATE_NOOP("kbs::reportText", "%1 records")};
inline constexpr Text ExportCancelled{
    QT_TRANSLATE_NOOP("kbs::reportText", "The export was cancelled; nothing was written.")};
inline constexpr Text ExportFailed{QT_TRANSLATE_NOOP(
    "kbs::reportText", "The records could not be exported:\r\n\r\n%1\r\n\r\nNothing was written.")};
inline constexpr Text ExportStatus{QT_TRANSLATE_NOOP("kbs::reportText", "Export status")};

}  // namespace kbs::reportText
