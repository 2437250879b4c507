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

// Where a detail box and its label sit in the detail frame, in twips.
struct Place {
    int labelLeft = 0;
    int fieldLeft = 0;
    int top = 0;
    int width = 0;
    int labelLines = 1;     // a label of two lines is as high as two boxes and wraps
    bool onWindow = false;  // the box lies over the frame, on the window itself
};

// The pick menu beside a box: its icon, its value list and the menu built from it.
struct PickList {
    const char* icon = nullptr;  // the icon's name; nullptr when the box has no pick menu
    const char* file = nullptr;  // the value list, in the program directory
    const char* menu = nullptr;  // the popped-up menu and its caption
    const char* caption = nullptr;
    const char* entries = nullptr;  // the menu's entry array
    int iconLeft = 0;               // the icon sits on the box's row, 240 high
    int iconWidth = 0;
    const char* accessibleName = nullptr;  // the icon's
};

inline constexpr int GridDefaultWidth = -1;  // the grid's default column width
inline constexpr int NotInGrid = -2;

struct Column {
    int position;       // position in the table, 0 first
    const char* name;   // the column's name
    Kind kind;          // what it holds
    int box;            // index into txtTextl, or -1 when no box shows it
    const char* label;  // the caption beside its field, or nullptr
    Place place;        // where its box sits (boxes only)
    int tabOrder;       // rank in the keyboard order of the detail fields, or -1
    int readOrder;      // rank in the display's reading order, or -1 when not read into a field
    int writeOrder;     // rank in the save's writing order, or -1 when the save does not write it
    int gridWidth;      // width of its grid column in twips, GridDefaultWidth, or NotInGrid
    PickList pick;      // its pick menu, if any

    constexpr bool hasPickList() const { return pick.icon != nullptr; }
};

inline constexpr int ColumnCount = 27;

// The one table of the collection record's columns, in table order: what the detail fields,
// their labels and pick menus, the display and the save, and the grid are made from. A new
// field or pick list is one more row here (and its value list in data/).
// clang-format off
inline constexpr std::array<Column, ColumnCount> columns{{
    // pos name kind box label  {labelLeft, fieldLeft, top, width, lines, onWindow}
    //                          tab read write gridWidth
    //                          {icon, list file, menu, caption, entries, iconLeft, iconWidth, name}
    {0, "ID", Kind::Id, -1, nullptr, {},
        -1, -1, -1, 0, {}},
    {1, "Description", Kind::Text, 1, "Description", {120, 1080, 240, 3975, 1, true},
        0, 0, 7, 2500, {}},
    {2, "Year", Kind::Text, 2, "Year Issued", {120, 1080, 600, 1095},
        1, 1, 6, 500, {}},
    {3, "Number", Kind::Text, 3, "Nr. #", {120, 1080, 960, 1095},
        2, 2, 5, 700, {}},
    {4, "Series", Kind::Text, 4, "Series", {120, 1080, 1320, 1455},
        4, 3, 4, 700,
        {"Image2", "series.ini", "menuSeries", "Series", "mnuSeries", 2640, 240, "Series list"}},
    {5, "Car_Cond", Kind::Text, 5, "Car Condition", {120, 1080, 1680, 615},
        5, 4, 3, 1400,
        {"Image3", "cargrade.ini", "mnuGrading", "grading", "mnuGrade", 1800, 255,
         "Car condition list"}},
    {6, "Wheel_Type", Kind::Text, 6, "Wheel Type", {120, 1080, 3240, 3615},
        10, 5, 2, 800,
        {"Image4", "wheeltypes.ini", "mnuWheelTypes", "wheeltypes", "mnuWheels", 4800, 240,
         "Wheel type list"}},
    {7, "Box_Type", Kind::Text, 7, "Box Type", {120, 1080, 3600, 615},
        11, 6, 1, GridDefaultWidth,
        {"Image8", "boxtype.ini", "mnuBoxTypes", "Box Type", "mnuBoxType", 1800, 360,
         "Box type list"}},
    {8, "Box_Cond", Kind::Text, 8, "Box Condition", {3000, 4080, 3600, 615},
        12, 7, 0, GridDefaultWidth,
        {"Image6", "boxgrade.ini", "mnuBoxGrading", "boxgrading", "mnuBGrading", 4800, 240,
         "Box condition list"}},
    {9, "Color", Kind::Text, 9, "Color", {120, 1080, 2040, 1455},
        6, 8, 8, GridDefaultWidth,
        {"Image5", "exteriorcolor.ini", "menuColor", "Colors", "mnuColor", 2640, 240,
         "Color list"}},
    {10, "Quantity", Kind::Text, 10, "Quantity", {5280, 6600, 2400, 615},
        21, 9, 9, GridDefaultWidth, {}},
    {11, "Location", Kind::Text, 11, "Storage Location", {5280, 6600, 240, 3495},
        13, 10, 10, GridDefaultWidth, {}},
    {12, "Purchase", Kind::Text, 12, "Purchase Price", {5280, 6600, 960, 1215},
        15, 11, 11, GridDefaultWidth, {}},
    {13, "Purch_Date", Kind::Text, 13, "on", {7920, 8400, 960, 1215},
        16, 12, 12, GridDefaultWidth, {}},
    {14, "List_Price", Kind::Text, 14, "List Price", {5280, 6600, 600, 1215},
        14, 13, 13, GridDefaultWidth, {}},
    {15, "Value", Kind::Text, 15, "Value", {5280, 6600, 1680, 1215},
        18, 14, 14, GridDefaultWidth, {}},
    {16, "Value_Date", Kind::Text, 16, "As of", {7920, 8400, 1680, 1215},
        19, 15, 15, GridDefaultWidth, {}},
    {17, "Status", Kind::Text, 17, "Status", {5280, 6600, 2040, 1215},
        20, 16, 16, GridDefaultWidth,
        {"Image7", "status.ini", "menuStatus", "Status", "mnuStatus", 7920, 240, "Status list"}},
    {18, "Purch_From", Kind::Text, 18, "Purchased from", {5280, 6600, 1320, 3495},
        17, 17, 17, GridDefaultWidth, {}},
    {19, "Base_Name", Kind::Text, 19, "Base Plate Name", {120, 1080, 2760, 1455, 2},
        8, 18, 18, GridDefaultWidth,
        {"Image12", "basename.ini", "menuBaseName", "Base Name", "mnuBaseName", 2640, 240,
         "Base plate name list"}},
    {20, "Interior_Color", Kind::Text, 20, "Interior Color", {120, 1080, 2400, 1455},
        7, 20, 20, GridDefaultWidth,
        {"Image9", "interiorcolor.ini", "menuIColor", "InteriorColor", "mnuIColor", 2640, 240,
         "Interior color list"}},
    {21, "Version_Number", Kind::Text, 21, "Version #", {3120, 3840, 960, 1095},
        3, 21, 21, GridDefaultWidth, {}},
    {22, "Base_Color", Kind::Text, 22, "Color", {3000, 3480, 2760, 1215},
        9, 22, 22, GridDefaultWidth,
        {"Image10", "basecolor.ini", "menuBaseColor", "Base Color", "mnuBaseColor", 4800, 240,
         "Base color list"}},
    {23, "Notes", Kind::Notes, -1, "Notes:", {},
        22, 19, 19, GridDefaultWidth, {}},
    {24, "twenty", Kind::Any, -1, nullptr, {},
        -1, -1, -1, GridDefaultWidth, {}},
    {25, "binpicdata", Kind::Binary, -1, nullptr, {},
        -1, -1, -1, NotInGrid, {}},
    {26, "picpath", Kind::Path, -1, nullptr, {},
        -1, -1, -1, NotInGrid, {}},
}};
// clang-format on

// Some columns of the table, in an order of their own (Column::tabOrder, ::readOrder,
// ::writeOrder): the columns whose rank is 0 or more, by rank.
struct ColumnOrder {
    std::array<const Column*, ColumnCount> items{};
    int count = 0;
    constexpr const Column* const* begin() const { return items.data(); }
    constexpr const Column* const* end() const { return items.data() + count; }
};

template <int Column::*Rank>
constexpr ColumnOrder inOrder() {
    ColumnOrder order;
    for (int rank = 0; rank < ColumnCount; ++rank) {
        for (const Column& c : columns) {
            if (c.*Rank == rank)
                order.items[size_t(order.count++)] = &c;
        }
    }
    return order;
}

// Whether the ranks of an order are 0, 1, 2, ... each once.
template <int Column::*Rank>
constexpr bool ranksAreWhole() {
    int ranked = 0;
    for (const Column& c : columns)
        ranked += c.*Rank >= 0 ? 1 : 0;
    for (int rank = 0; rank < ranked; ++rank) {
        int holders = 0;
        for (const Column& c : columns)
            holders += c.*Rank == rank ? 1 : 0;
        if (holders != 1)
            return false;
    }
    return true;
}

inline constexpr ColumnOrder tabOrder = inOrder<&Column::tabOrder>();
inline constexpr ColumnOrder readOrder = inOrder<&Column::readOrder>();
inline constexpr ColumnOrder writeOrder = inOrder<&Column::writeOrder>();
static_assert(ranksAreWhole<&Column::tabOrder>() && ranksAreWhole<&Column::readOrder>() &&
              ranksAreWhole<&Column::writeOrder>());

// The boxes txtTextl(0) .. txtTextl(BoxCount - 1); box 0 shows no column.
constexpr int boxCount() {
    int n = 1;
    for (const Column& c : columns)
        n = c.box >= n ? c.box + 1 : n;
    return n;
}
inline constexpr int BoxCount = boxCount();
inline constexpr int SearchLastPosition = BoxCount - 1;

// The grid shows the leading columns of the table, up to the first one it leaves out.
constexpr int gridColumnCount() {
    int n = 0;
    while (n < ColumnCount && columns[size_t(n)].gridWidth != NotInGrid)
        ++n;
    return n;
}
inline constexpr int GridColumns = gridColumnCount();

inline constexpr const char* IdColumn = "ID";
inline constexpr const char* NotesColumn = "Notes";
inline constexpr const char* PictureColumn = "binpicdata";
inline constexpr const char* PicturePathColumn = "picpath";
inline constexpr const char* StatusColumn = "Status";

// The largest picture a record takes into the catalogue, from the window or from a file import.
inline constexpr qint64 MaxPictureBytes = 64LL * 1024 * 1024;

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
