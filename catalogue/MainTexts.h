#pragma once

#include <QString>

#include "Schema.h"

// The catalogue window's own texts, in one place: captions, messages, the toolbar with its
// drop-down entries, and the report entries. The detail fields' labels are in the detail
// panel's layout (PanelLayout.h).
namespace kbs::mainText {

inline const QString TitlePrefix = QStringLiteral("Kerbside Manager v");
inline const QString AppTitle = QStringLiteral("Kerbside Manager");
inline const QString QuitQuestion = QStringLiteral("Are you  sure you want to Quit?");
inline const QString TotalRecords = QStringLiteral("Total Records In The Database : ");
inline const QString FoundIs = QStringLiteral("       Total Found In The Database Is: ");
inline const QString FoundAre = QStringLiteral("       Total Found In The Database Are: ");
inline const QString RecordSingular = QStringLiteral("  Record");
inline const QString RecordPlural = QStringLiteral("  Records");
inline const QString Query = QStringLiteral("select * from ") + QLatin1String(schema::TableName);

// The window's size and place between starts, in the settings store.
inline const QString WindowSection = QStringLiteral("Window");
inline const QString GeometryKey = QStringLiteral("Geometry");

// ---- the detail panel
inline const QString FrameCaption = QStringLiteral("Add/Edit Info");
inline const QString PhotoCaption = QStringLiteral("Photo");
inline const QString HiddenLabel = QStringLiteral("hidden");
inline const QString StoreInDatabase = QStringLiteral("store in database");
inline const QString StoreAsPointer = QStringLiteral("store as file pointer");
inline const QString SelectPicture = QStringLiteral("select picture");
inline const QString Save = QStringLiteral("Save");
inline const QString Cancel = QStringLiteral("Cancel");
inline const QString Plus = QStringLiteral("+");
inline const QString Minus = QStringLiteral("-");
// Names for controls without a caption of their own.
inline const QString PlusName = QStringLiteral("Add plus to the car condition");
inline const QString MinusName = QStringLiteral("Add minus to the car condition");
inline const QString YearIconName = QStringLiteral("Year");
inline const QString NotesName = QStringLiteral("Notes");
inline const QString PictureName = QStringLiteral("Picture of the model");
inline const QString PicturePathName = QStringLiteral("Picture file");
inline const QString LogoName = QStringLiteral("Kerbside Manager logo");
inline const QString GridName = QStringLiteral("Records");
inline const QString StatusName = QStringLiteral("Status");

// ---- the save
inline const QString SaveFailed = QStringLiteral(
    "The record could not be saved:\r\n\r\n%1\r\n\r\nNothing was stored. Your entries are still "
    "in the fields.");

// A column that cannot hold a typed text (a number column of an older catalogue) refuses the
// whole save: %1 the field, %2 the text, %3 the database's reason.
inline const QString FieldRefused = QStringLiteral(
    "The record could not be saved: the field %1 cannot hold the text \"%2\".\r\n\r\n%3\r\n\r\n"
    "Nothing was stored. Your entries are still in the fields: change that one and save again, "
    "or Cancel.");

// ---- the grid
inline const QString ShowFailed = QStringLiteral("The record could not be shown:\r\n\r\n%1");
inline const QString SortErrorTitle = QStringLiteral("Sort Error");

// ---- deletion
inline const QString OneRecordText = QStringLiteral(
    "There needs to be at least one record in the database.\r\n\r\nPlease edit this record.");
inline const QString OneRecordTitle = QStringLiteral("No Records to Delete");
inline const QString DeleteText =
    QStringLiteral("You are about to delete this record, are you sure?");
inline const QString DeleteTitle = QStringLiteral("Delete Record");
inline const QString DeleteFailed = QStringLiteral("The record could not be deleted:\r\n\r\n%1");

// ---- search
inline const QString NoRecordText = QStringLiteral("There is no record to search");
inline const QString NoRecordTitle = QStringLiteral("Exiting");
inline const QString SearchPrompt = QStringLiteral("Search for an entry");
inline const QString SearchTitle = QStringLiteral("enter your searchtext");
inline const QString SearchDefault = QStringLiteral("red");
inline const QString NoMatchText = QStringLiteral("No Match found in Database!");
inline const QString NoMatchTitle = QStringLiteral("Search...");

// ---- the record's picture
inline const QString InvalidImage =
    QStringLiteral("File does not appear to be a valid image file...");
inline const QString SelectTitle = QStringLiteral("Select picture for current record...");
inline const QString PictureFilter =
    QStringLiteral("Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico");
inline const QString PictureTooLarge = QStringLiteral(
    "The picture %1 is %2 MB. A record holds pictures of up to %3 MB.\r\n\r\nPlease choose a "
    "smaller picture, or store this one as a file pointer.");
inline const QString PictureUnreadable = QStringLiteral(
    "The picture file %1 could not be read:\r\n\r\n%2\r\n\r\nThe record keeps the picture it "
    "had.");
inline const QString PictureNotTaken =
    QStringLiteral("\r\n\r\nThe record keeps the picture it had.");

// The mark after a line of a field shown cut short.
inline const QString ValueCut =
    QStringLiteral(" \u2026 [%1 more characters not shown; this field cannot be edited here]");

// The mark after a value too long to read whole for showing it.
inline const QString ValueCutBytes =
    QStringLiteral(" \u2026 [%1 more bytes not shown; this field cannot be edited here]");

// ---- start-up failures (the program then ends)
inline const QString CannotOpen = QStringLiteral("The catalogue %1 cannot be opened:\r\n\r\n%2");

// ---- the toolbar: its buttons from the left, their drop-down entries, and what each does
enum class Command { None, Add, Edit, Delete, Find, Report, About, Tips, Editor };
enum class Dropdown { None, Reports, Help };

struct ToolbarButton {
    const char* key;  // also its caption and the key of its image
    const char* tooltip;
    Command command;
    Dropdown dropdown;
    int modeRank;  // rank among the five mode buttons, enabled together in that order; or -1
    bool separatorBefore;
};
inline constexpr ToolbarButton ToolbarButtons[] = {
    {"Add", "Add new record", Command::Add, Dropdown::None, 0, false},
    {"Edit", "Edit existing record", Command::Edit, Dropdown::None, 1, false},
    {"Delete", "Delete record", Command::Delete, Dropdown::None, 2, false},
    {"Find", "Find", Command::Find, Dropdown::None, 4, false},
    {"Report", "Reports", Command::Report, Dropdown::Reports, 3, false},
    {"Help", "Help", Command::None, Dropdown::Help, -1, true},
};

struct HelpEntry {
    const char* text;
    const char* key;
    Command command;
};
inline constexpr HelpEntry HelpEntries[] = {
    {"Help", "Help", Command::None},
    {"About", "About", Command::About},
    {"Tips", "Tips", Command::Tips},
    {"Edit Helper Menues", "EditMenu", Command::Editor},
};

// The reports: every one reads the columns it prints and the record's ID, never a picture
// (DataReport::query()); an entry adds its condition to that query. Entries: text (also the
// key), condition and caption. The first is the button's own report before any entry has been
// chosen.
// An entry without a condition shows the totals report instead.
struct ReportEntry {
    const char* text;
    const char* condition;
    const char* caption;
};
inline constexpr ReportEntry ReportEntries[] = {
    {"All", "", "Report -- All"},
    {"Want", " where Status = 'Want'", "Report -- Want"},
    {"Have", " where Status = 'Have'", "Report -- Have"},
    {"Sell", " where Status = 'Sell'", "Report -- Sell"},
    {"Totals", nullptr, "Report -- Totals"},
};

// Count as written with its sign position: a space, then the number.
inline QString signedCount(long n) {
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

}  // namespace kbs::mainText
