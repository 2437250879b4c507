#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <optional>
#include <string_view>

namespace kbs::collection {

// What a column of the collection's table holds.
enum class Kind {
    Id,      // number assigned by the database
    Text,    // a text shown in one of the detail boxes
    Notes,   // several lines of text
    Any,     // "twenty": shown in the grid only
    Binary,  // the embedded picture's bytes
    Path,    // the linked picture's file path
};

struct Column {
    int position;      // position in the table, 0 first
    const char* name;  // the column's name
    Kind kind;         // what it holds
};

inline constexpr int ColumnCount = 27;

// The one table of the collection record's columns, in table order: what the schema, the
// catalogue writer and the imports are made from. How the window shows a column is the
// window's own table (the detail panel's layout), tied to this one by position.
// clang-format off
inline constexpr std::array<Column, ColumnCount> columns{{
    {0, "ID", Kind::Id},
    {1, "Description", Kind::Text},
    {2, "Year", Kind::Text},
    {3, "Number", Kind::Text},
    {4, "Series", Kind::Text},
    {5, "Car_Cond", Kind::Text},
    {6, "Wheel_Type", Kind::Text},
    {7, "Box_Type", Kind::Text},
    {8, "Box_Cond", Kind::Text},
    {9, "Color", Kind::Text},
    {10, "Quantity", Kind::Text},
    {11, "Location", Kind::Text},
    {12, "Purchase", Kind::Text},
    {13, "Purch_Date", Kind::Text},
    {14, "List_Price", Kind::Text},
    {15, "Value", Kind::Text},
    {16, "Value_Date", Kind::Text},
    {17, "Status", Kind::Text},
    {18, "Purch_From", Kind::Text},
    {19, "Base_Name", Kind::Text},
    {20, "Interior_Color", Kind::Text},
    {21, "Version_Number", Kind::Text},
    {22, "Base_Color", Kind::Text},
    {23, "Notes", Kind::Notes},
    {24, "twenty", Kind::Any},
    {25, "binpicdata", Kind::Binary},
    {26, "picpath", Kind::Path},
}};
// clang-format on

constexpr bool positionsAreWhole() {
    for (int i = 0; i < ColumnCount; ++i) {
        if (columns[size_t(i)].position != i)
            return false;
    }
    return true;
}
static_assert(positionsAreWhole());

// The position of the column with exactly this name, at compile time; a name the table does
// not hold does not compile.
consteval int at(std::string_view name) {
    for (const Column& c : columns) {
        if (name == c.name)
            return c.position;
    }
    throw "no such column";
}

inline constexpr const char* IdColumn = "ID";
inline constexpr const char* NotesColumn = "Notes";
inline constexpr const char* PictureColumn = "binpicdata";
inline constexpr const char* PicturePathColumn = "picpath";
inline constexpr const char* StatusColumn = "Status";

// The largest picture a record takes into the catalogue, from the window or from a file import.
inline constexpr qint64 MaxPictureBytes = 64LL * 1024 * 1024;

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
