#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <optional>

namespace kbs::collection {

// What a column of table1 holds.
enum class Kind {
    Id,      // number assigned by the database
    Text,    // a text shown in one of the boxes txtTextl(1..22)
    Notes,   // several lines of text, shown in txtNotes
    Any,     // "twenty": shown in the grid only
    Binary,  // the embedded picture's bytes
    Path,    // the linked picture's file path
};

struct Column {
    int position;       // position in the table, 0 first
    const char* name;   // the column's name
    Kind kind;          // what it holds
    int box;            // index into txtTextl, or -1 when no box shows it
    const char* label;  // the caption beside its field, or nullptr
    bool pickMenu;      // whether the field offers a pick menu
};

inline constexpr int ColumnCount = 27;
inline constexpr int BoxCount = 23;  // txtTextl(0) .. txtTextl(22); box 0 shows no column
inline constexpr int GridColumns = 25;
inline constexpr int SearchLastPosition = BoxCount - 1;

// The one table of the collection record's columns, in table order.
inline constexpr std::array<Column, ColumnCount> columns{{
    {0, "ID", Kind::Id, -1, nullptr, false},
    {1, "Description", Kind::Text, 1, "Description", false},
    {2, "Year", Kind::Text, 2, "Year Issued", false},
    {3, "Number", Kind::Text, 3, "Nr. #", false},
    {4, "Series", Kind::Text, 4, "Series", true},
    {5, "Car_Cond", Kind::Text, 5, "Car Condition", true},
    {6, "Wheel_Type", Kind::Text, 6, "Wheel Type", true},
    {7, "Box_Type", Kind::Text, 7, "Box Type", true},
    {8, "Box_Cond", Kind::Text, 8, "Box Condition", true},
    {9, "Color", Kind::Text, 9, "Color", true},
    {10, "Quantity", Kind::Text, 10, "Quantity", false},
    {11, "Location", Kind::Text, 11, "Storage Location", false},
    {12, "Purchase", Kind::Text, 12, "Purchase Price", false},
    {13, "Purch_Date", Kind::Text, 13, "on", false},
    {14, "List_Price", Kind::Text, 14, "List Price", false},
    {15, "Value", Kind::Text, 15, "Value", false},
    {16, "Value_Date", Kind::Text, 16, "As of", false},
    {17, "Status", Kind::Text, 17, "Status", true},
    {18, "Purch_From", Kind::Text, 18, "Purchased from", false},
    {19, "Base_Name", Kind::Text, 19, "Base Plate Name", true},
    {20, "Interior_Color", Kind::Text, 20, "Interior Color", true},
    {21, "Version_Number", Kind::Text, 21, "Version #", false},
    {22, "Base_Color", Kind::Text, 22, "Color", true},
    {23, "Notes", Kind::Notes, -1, "Notes:", false},
    {24, "twenty", Kind::Any, -1, nullptr, false},
    {25, "binpicdata", Kind::Binary, -1, nullptr, false},
    {26, "picpath", Kind::Path, -1, nullptr, false},
}};

inline constexpr const char* IdColumn = "ID";
inline constexpr const char* NotesColumn = "Notes";
inline constexpr const char* PictureColumn = "binpicdata";
inline constexpr const char* PicturePathColumn = "picpath";
inline constexpr const char* StatusColumn = "Status";

// The column shown in txtTextl(box), for box 1..22.
const Column& columnOfBox(int box);
// Position of a column by name (case-insensitive), or -1.
int positionOf(const QString& name);

// Removes leading and trailing space characters (code 32 only; tabs and line breaks stay).
QString trimSpaces(const QString& s);

// Reading a column into its field: nothing for Null, else the value's text without
// leading and trailing spaces.
std::optional<QString> fieldTextOf(const QVariant& value);

// Writing a box back: trimmed, and a single space where that leaves nothing.
QString storedBoxText(const QString& boxText);
// Writing the notes back: as typed, and a single space when empty.
QString storedNotesText(const QString& notes);

}  // namespace kbs::collection
