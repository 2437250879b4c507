#pragma once

#include <QString>

#include "Language.h"
#include "Schema.h"
#include "Text.h"

// The catalogue window's own texts, in one place: captions, messages, the toolbar with its
// drop-down entries, and the report entries. The detail fields' labels are in the detail
// panel's layout (PanelLayout.h).
namespace kbs::mainText {

using Text = kbs::Text<"kbs::mainText">;

inline constexpr Text TitlePrefix{QT_TRANSLATE_NOOP("kbs::mainText", "Kerbside Manager v")};
inline constexpr Text AppTitle{QT_TRANSLATE_NOOP("kbs::mainText", "Kerbside Manager")};
inline constexpr Text QuitQuestion{
    QT_TRANSLATE_NOOP("kbs::mainText", "Are you  sure you want to Quit?")};
inline constexpr Text TotalRecords{
    QT_TRANSLATE_NOOP("kbs::mainText", "Total Records In The Database : ")};
inline constexpr Text FoundIs{
    QT_TRANSLATE_NOOP("kbs::mainText", "       Total Found In The Database Is: ")};
inline constexpr Text FoundAre{
    QT_TRANSLATE_NOOP("kbs::mainText", "       Total Found In The Database Are: ")};
inline constexpr Text RecordSingular{QT_TRANSLATE_NOOP("kbs::mainText", "  Record")};
inline constexpr Text RecordPlural{QT_TRANSLATE_NOOP("kbs::mainText", "  Records")};
inline const QString Query = QStringLiteral("select * from ") + QLatin1String(schema::TableName);

// The window's size and place between starts, in the settings store.
inline const QString WindowSection = QStringLiteral("Window");

inline const QString GeometryKey = QStringLiteral("Geometry");

// ---- the detail panel
inline constexpr Text FrameCaption{QT_TRANSLATE_NOOP("kbs::mainText", "Add/Edit Info")};
inline constexpr Text PhotoCaption{QT_TRANSLATE_NOOP("kbs::mainText", "Photo")};
inline constexpr Text HiddenLabel{QT_TRANSLATE_NOOP("kbs::mainText", "hidden")};
inline constexpr Text StoreInDatabase{QT_TRANSLATE_NOOP("kbs::mainText", "store in database")};
inline constexpr Text StoreAsPointer{QT_TRANSLATE_NOOP("kbs::mainText", "store as file pointer")};
inline constexpr Text SelectPicture{QT_TRANSLATE_NOOP("kbs::mainText", "select picture")};
inline constexpr Text Save{QT_TRANSLATE_NOOP("kbs::mainText", "Save")};
inline constexpr Text Cancel{QT_TRANSLATE_NOOP("kbs::mainText", "Cancel")};
inline const QString Plus = QStringLiteral("+");

inline const QString Minus = QStringLiteral("-");

// Names for controls without a caption of their own.
inline constexpr Text PlusName{QT_TRANSLATE_NOOP("kbs::mainText", "Add plus to the car condition")};
inline constexpr Text MinusName{
    QT_TRANSLATE_NOOP("kbs::mainText", "Add minus to the car condition")};
inline constexpr Text YearIconName{QT_TRANSLATE_NOOP("kbs::mainText", "Year")};
inline constexpr Text NotesName{QT_TRANSLATE_NOOP("kbs::mainText", "Notes")};
inline constexpr Text PictureName{QT_TRANSLATE_NOOP("kbs::mainText", "Picture of the model")};
inline constexpr Text PicturePathName{QT_TRANSLATE_NOOP("kbs::mainText", "Picture file")};
inline constexpr Text LogoName{QT_TRANSLATE_NOOP("kbs::mainText", "Kerbside Manager logo")};
inline constexpr Text GridName{QT_TRANSLATE_NOOP("kbs::mainText", "Records")};
inline constexpr Text StatusName{QT_TRANSLATE_NOOP("kbs::mainText", "Status")};

// ---- the save
inline constexpr Text SaveFailed{QT_TRANSLATE_NOOP(
    "kbs::mainText",
    "The record could not be saved:\r\n\r\n%1\r\n\r\nNothing was stored. Your entries are still "
    "in the fields.")};

// A column that cannot hold a typed text (a number column of an older catalogue) refuses the
// whole save: %1 the field, %2 the text, %3 the database's reason.
inline constexpr Text FieldRefused{QT_TRANSLATE_NOOP(
    "kbs::mainText",
    "The record could not be saved: the field %1 cannot hold the text \"%2\".\r\n\r\n%3\r\n\r\n"
    "Nothing was stored. Your entries are still in the fields: change that one and save again, "
    "or Cancel.")};

// A value of the collector's own fields or a tag refuses the whole save: %1 says which and why.
inline constexpr Text PartRefused{QT_TRANSLATE_NOOP(
    "kbs::mainText",
    "The record could not be saved: %1\r\n\r\nNothing was stored. Your entries are still in "
    "the fields: change that one and save again, or Cancel.")};

// ---- the grid
inline constexpr Text ShowFailed{
    QT_TRANSLATE_NOOP("kbs::mainText", "The record could not be shown:\r\n\r\n%1")};
inline constexpr Text SortErrorTitle{QT_TRANSLATE_NOOP("kbs::mainText", "Sort Error")};

// ---- deletion
inline constexpr Text OneRecordText{QT_TRANSLATE_NOOP(
    "kbs::mainText",
    "There needs to be at least one record in the database.\r\n\r\nPlease edit this record.")};
inline constexpr Text OneRecordTitle{QT_TRANSLATE_NOOP("kbs::mainText", "No Records to Delete")};
inline constexpr Text DeleteText{
    QT_TRANSLATE_NOOP("kbs::mainText", "You are about to delete this record, are you sure?")};
inline constexpr Text NoneShownText{QT_TRANSLATE_NOOP(
    "kbs::mainText",
    "No record is shown, so none is deleted.\r\n\r\nChoose the record in the grid first.")};
inline constexpr Text DeleteTitle{QT_TRANSLATE_NOOP("kbs::mainText", "Delete Record")};
inline constexpr Text DeleteFailed{
    QT_TRANSLATE_NOOP("kbs::mainText", "The record could not be deleted:\r\n\r\n%1")};

// ---- search
inline constexpr Text NoRecordText{
    QT_TRANSLATE_NOOP("kbs::mainText", "There is no record to search")};
inline constexpr Text NoRecordTitle{QT_TRANSLATE_NOOP("kbs::mainText", "Exiting")};
inline constexpr Text SearchPrompt{QT_TRANSLATE_NOOP("kbs::mainText", "Search for an entry")};
inline constexpr Text SearchTitle{QT_TRANSLATE_NOOP("kbs::mainText", "enter your searchtext")};
inline constexpr Text SearchDefault{QT_TRANSLATE_NOOP("kbs::mainText", "red")};
inline constexpr Text NoMatchText{
    QT_TRANSLATE_NOOP("kbs::mainText", "No Match found in Database!")};
inline constexpr Text NoMatchTitle{QT_TRANSLATE_NOOP("kbs::mainText", "Search...")};

// ---- the record's picture
inline constexpr Text InvalidImage{
    QT_TRANSLATE_NOOP("kbs::mainText", "File does not appear to be a valid image file...")};
inline constexpr Text SelectTitle{
    QT_TRANSLATE_NOOP("kbs::mainText", "Select picture for current record...")};
inline constexpr Text PictureFilter{QT_TRANSLATE_NOOP(
    "kbs::mainText", "Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico")};
inline constexpr Text PictureTooLarge{QT_TRANSLATE_NOOP(
    "kbs::mainText",
    "The picture %1 is %2 MB. A record holds pictures of up to %3 MB.\r\n\r\nPlease choose a "
    "smaller picture, or store this one as a file pointer.")};
inline constexpr Text PictureUnreadable{QT_TRANSLATE_NOOP(
    "kbs::mainText",
    "The picture file %1 could not be read:\r\n\r\n%2\r\n\r\nThe record keeps the picture it "
    "had.")};
inline constexpr Text PictureNotTaken{
    QT_TRANSLATE_NOOP("kbs::mainText", "\r\n\r\nThe record keeps the picture it had.")};

// The mark after a line of a field shown cut short.
inline constexpr Text ValueCut{QT_TRANSLATE_NOOP(
    "kbs::mainText", " \u2026 [%1 more characters not shown; this field cannot be edited here]")};

// The mark after a value too long to read whole for showing it.
inline constexpr Text ValueCutBytes{QT_TRANSLATE_NOOP(
    "kbs::mainText", " \u2026 [%1 more bytes not shown; this field cannot be edited here]")};

// ---- start-up failures (the program then ends)
inline constexpr Text CannotOpen{
    QT_TRANSLATE_NOOP("kbs::mainText", "The catalogue %1 cannot be opened:\r\n\r\n%2")};

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
    {QT_TRANSLATE_NOOP("kbs::mainText", "Add"),
     QT_TRANSLATE_NOOP("kbs::mainText", "Add new record"), Command::Add, Dropdown::None, 0, false},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Edit"),
     QT_TRANSLATE_NOOP("kbs::mainText", "Edit existing record"), Command::Edit, Dropdown::None, 1,
     false},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Delete"),
     QT_TRANSLATE_NOOP("kbs::mainText", "Delete record"), Command::Delete, Dropdown::None, 2,
     false},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Find"), QT_TRANSLATE_NOOP("kbs::mainText", "Find"),
     Command::Find, Dropdown::None, 4, false},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Report"), QT_TRANSLATE_NOOP("kbs::mainText", "Reports"),
     Command::Report, Dropdown::Reports, 3, false},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Help"), QT_TRANSLATE_NOOP("kbs::mainText", "Help"),
     Command::None, Dropdown::Help, -1, true},
};

struct HelpEntry {
    const char* text;
    const char* key;
    Command command;
};
inline constexpr HelpEntry HelpEntries[] = {
    {QT_TRANSLATE_NOOP("kbs::mainText", "Help"), "Help", Command::None},
    {QT_TRANSLATE_NOOP("kbs::mainText", "About"), "About", Command::About},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Tips"), "Tips", Command::Tips},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Edit Helper Menues"), "EditMenu", Command::Editor},
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
    {QT_TRANSLATE_NOOP("kbs::mainText", "All"), "",
     QT_TRANSLATE_NOOP("kbs::mainText", "Report -- All")},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Want"), " where Status = 'Want'",
     QT_TRANSLATE_NOOP("kbs::mainText", "Report -- Want")},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Have"), " where Status = 'Have'",
     QT_TRANSLATE_NOOP("kbs::mainText", "Report -- Have")},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Sell"), " where Status = 'Sell'",
     QT_TRANSLATE_NOOP("kbs::mainText", "Report -- Sell")},
    {QT_TRANSLATE_NOOP("kbs::mainText", "Totals"), nullptr,
     QT_TRANSLATE_NOOP("kbs::mainText", "Report -- Totals")},
};

// An entry of the tables above in the program's language.
inline QString translate(const char* source) {
    return translated("kbs::mainText", source);
}

// Count as written with its sign position: a space, then the number.
inline QString signedCount(long n) {
    return n < 0 ? language::number(n) : QStringLiteral(" ") + language::number(n);
}

}  // namespace kbs::mainText
