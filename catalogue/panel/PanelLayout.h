#pragma once

#include <array>

#include "Collection.h"
#include "ColumnLabels.h"
#include "Text.h"

// The detail panel's layout: how the catalogue window shows each column of the collection's
// table. The store's table says what a column is; this one says where its box and label sit,
// its pick menu, its place in the keyboard, reading and writing orders and its grid width.
namespace kbs::panel {

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

struct Field {
    int position;       // the column's position in the store's table
    int box;            // index into txtTextl, or -1 when no box shows it
    const char* label;  // the caption beside its field, or nullptr
    Place place;        // where its box sits (boxes only)
    int tabOrder;       // rank in the keyboard order of the detail fields, or -1
    int readOrder;      // rank in the display's reading order, or -1 when not read into a field
    int writeOrder;     // rank in the save's writing order, or -1 when the save does not write it
    int gridWidth;      // width of its grid column in twips, GridDefaultWidth, or NotInGrid
    PickList pick;      // its pick menu, if any

    constexpr const collection::Column& column() const {
        return collection::columns[size_t(position)];
    }
    constexpr const char* name() const { return column().name; }
    constexpr bool hasPickList() const { return pick.icon != nullptr; }
};

using collection::at;

// The label of the column at a position, from the store's table of labels.
constexpr const char* label(int position) {
    return collection::Labels[size_t(position)];
}

// One row per column of the table, in table order: what the detail fields, their labels and
// pick menus, the display and the save, and the grid are made from. A new field or pick list
// is one more row here (and its value list in data/).
// clang-format off
inline constexpr std::array<Field, collection::ColumnCount> fields{{
    // column box label  {labelLeft, fieldLeft, top, width, lines, onWindow}
    //                   tab read write gridWidth
    //                   {icon, list file, menu, caption, entries, iconLeft, iconWidth, name}
    {at("ID"), -1, nullptr, {},
        -1, -1, -1, 0, {}},
    {at("Description"), 1, label(at("Description")),
        {120, 1080, 240, 3975, 1, true},
        0, 0, 7, 2500, {}},
    {at("Year"), 2, label(at("Year")), {120, 1080, 600, 1095},
        1, 1, 6, 500, {}},
    {at("Number"), 3, label(at("Number")), {120, 1080, 960, 1095},
        2, 2, 5, 700, {}},
    {at("Series"), 4, label(at("Series")), {120, 1080, 1320, 1455},
        4, 3, 4, 700,
        {"Image2", "series.ini", "menuSeries",
         QT_TRANSLATE_NOOP("kbs::panel", "Series"), "mnuSeries", 2640, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Series list")}},
    {at("Car_Cond"), 5, label(at("Car_Cond")), {120, 1080, 1680, 615},
        5, 4, 3, 1400,
        {"Image3", "cargrade.ini", "mnuGrading",
         QT_TRANSLATE_NOOP("kbs::panel", "grading"), "mnuGrade", 1800, 255,
         QT_TRANSLATE_NOOP("kbs::panel", "Car condition list")}},
    {at("Wheel_Type"), 6, label(at("Wheel_Type")), {120, 1080, 3240, 3615},
        10, 5, 2, 800,
        {"Image4", "wheeltypes.ini", "mnuWheelTypes",
         QT_TRANSLATE_NOOP("kbs::panel", "wheeltypes"), "mnuWheels", 4800, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Wheel type list")}},
    {at("Box_Type"), 7, label(at("Box_Type")), {120, 1080, 3600, 615},
        11, 6, 1, GridDefaultWidth,
        {"Image8", "boxtype.ini", "mnuBoxTypes",
         QT_TRANSLATE_NOOP("kbs::panel", "Box Type"), "mnuBoxType", 1800, 360,
         QT_TRANSLATE_NOOP("kbs::panel", "Box type list")}},
    {at("Box_Cond"), 8, label(at("Box_Cond")), {3000, 4080, 3600, 615},
        12, 7, 0, GridDefaultWidth,
        {"Image6", "boxgrade.ini", "mnuBoxGrading",
         QT_TRANSLATE_NOOP("kbs::panel", "boxgrading"), "mnuBGrading", 4800, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Box condition list")}},
    {at("Color"), 9, label(at("Color")), {120, 1080, 2040, 1455},
        6, 8, 8, GridDefaultWidth,
        {"Image5", "exteriorcolor.ini", "menuColor",
         QT_TRANSLATE_NOOP("kbs::panel", "Colors"), "mnuColor", 2640, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Color list")}},
    {at("Quantity"), 10, label(at("Quantity")), {5280, 6600, 2400, 615},
        21, 9, 9, GridDefaultWidth, {}},
    {at("Location"), 11, label(at("Location")),
        {5280, 6600, 240, 3495},
        13, 10, 10, GridDefaultWidth, {}},
    {at("Purchase"), 12, label(at("Purchase")), {5280, 6600, 960, 1215},
        15, 11, 11, GridDefaultWidth, {}},
    {at("Purch_Date"), 13, label(at("Purch_Date")), {7920, 8400, 960, 1215},
        16, 12, 12, GridDefaultWidth, {}},
    {at("List_Price"), 14, label(at("List_Price")), {5280, 6600, 600, 1215},
        14, 13, 13, GridDefaultWidth, {}},
    {at("Value"), 15, label(at("Value")), {5280, 6600, 1680, 1215},
        18, 14, 14, GridDefaultWidth, {}},
    {at("Value_Date"), 16, label(at("Value_Date")), {7920, 8400, 1680, 1215},
        19, 15, 15, GridDefaultWidth, {}},
    {at("Status"), 17, label(at("Status")), {5280, 6600, 2040, 1215},
        20, 16, 16, GridDefaultWidth,
        {"Image7", "status.ini", "menuStatus",
         QT_TRANSLATE_NOOP("kbs::panel", "Status"), "mnuStatus", 7920, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Status list")}},
    {at("Purch_From"), 18, label(at("Purch_From")),
        {5280, 6600, 1320, 3495},
        17, 17, 17, GridDefaultWidth, {}},
    {at("Base_Name"), 19, label(at("Base_Name")),
        {120, 1080, 2760, 1455, 2},
        8, 18, 18, GridDefaultWidth,
        {"Image12", "basename.ini", "menuBaseName",
         QT_TRANSLATE_NOOP("kbs::panel", "Base Name"), "mnuBaseName", 2640, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Base plate name list")}},
    {at("Interior_Color"), 20, label(at("Interior_Color")),
        {120, 1080, 2400, 1455},
        7, 20, 20, GridDefaultWidth,
        {"Image9", "interiorcolor.ini", "menuIColor",
         QT_TRANSLATE_NOOP("kbs::panel", "InteriorColor"), "mnuIColor", 2640, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Interior color list")}},
    {at("Version_Number"), 21, label(at("Version_Number")),
        {3120, 3840, 960, 1095},
        3, 21, 21, GridDefaultWidth, {}},
    {at("Base_Color"), 22, label(at("Base_Color")), {3000, 3480, 2760, 1215},
        9, 22, 22, GridDefaultWidth,
        {"Image10", "basecolor.ini", "menuBaseColor",
         QT_TRANSLATE_NOOP("kbs::panel", "Base Color"), "mnuBaseColor", 4800, 240,
         QT_TRANSLATE_NOOP("kbs::panel", "Base color list")}},
    {at("Notes"), -1, label(at("Notes")), {},
        22, 19, 19, GridDefaultWidth, {}},
    {at("twenty"), -1, nullptr, {},
        -1, -1, -1, GridDefaultWidth, {}},
    {at("binpicdata"), -1, nullptr, {},
        -1, -1, -1, NotInGrid, {}},
    {at("picpath"), -1, nullptr, {},
        -1, -1, -1, NotInGrid, {}},
}};
// clang-format on

// The two tables agree: row i of this one is column i of the store's.
constexpr bool rowsFollowTheColumns() {
    for (int i = 0; i < collection::ColumnCount; ++i) {
        if (fields[size_t(i)].position != i)
            return false;
    }
    return true;
}
static_assert(rowsFollowTheColumns());

// Some fields, in an order of their own (Field::tabOrder, ::readOrder, ::writeOrder): the
// fields whose rank is 0 or more, by rank.
struct FieldOrder {
    std::array<const Field*, collection::ColumnCount> items{};
    int count = 0;
    constexpr const Field* const* begin() const { return items.data(); }
    constexpr const Field* const* end() const { return items.data() + count; }
};

template <int Field::*Rank>
constexpr FieldOrder inOrder() {
    FieldOrder order;
    for (int rank = 0; rank < collection::ColumnCount; ++rank) {
        for (const Field& f : fields) {
            if (f.*Rank == rank)
                order.items[size_t(order.count++)] = &f;
        }
    }
    return order;
}

// Whether the ranks of an order are 0, 1, 2, ... each once.
template <int Field::*Rank>
constexpr bool ranksAreWhole() {
    int ranked = 0;
    for (const Field& f : fields)
        ranked += f.*Rank >= 0 ? 1 : 0;
    for (int rank = 0; rank < ranked; ++rank) {
        int holders = 0;
        for (const Field& f : fields)
            holders += f.*Rank == rank ? 1 : 0;
        if (holders != 1)
            return false;
    }
    return true;
}

inline constexpr FieldOrder tabOrder = inOrder<&Field::tabOrder>();
inline constexpr FieldOrder readOrder = inOrder<&Field::readOrder>();
inline constexpr FieldOrder writeOrder = inOrder<&Field::writeOrder>();
static_assert(ranksAreWhole<&Field::tabOrder>() && ranksAreWhole<&Field::readOrder>() &&
              ranksAreWhole<&Field::writeOrder>());

// The boxes txtTextl(0) .. txtTextl(BoxCount - 1); box 0 shows no column.
constexpr int boxCount() {
    int n = 1;
    for (const Field& f : fields)
        n = f.box >= n ? f.box + 1 : n;
    return n;
}
inline constexpr int BoxCount = boxCount();
inline constexpr int SearchLastPosition = BoxCount - 1;

// The grid shows the leading columns of the table, up to the first one it leaves out.
constexpr int gridColumnCount() {
    int n = 0;
    while (n < collection::ColumnCount && fields[size_t(n)].gridWidth != NotInGrid)
        ++n;
    return n;
}
inline constexpr int GridColumns = gridColumnCount();

// A label, menu caption or name of the table above in the program's language.
inline QString translate(const char* source) {
    return translated("kbs::panel", source);
}

// The field of a column, by the column's position.
constexpr const Field& fieldAt(int position) {
    return fields[size_t(position)];
}

}  // namespace kbs::panel
