#pragma once

#include <QtGlobal>
#include <array>

#include "Collection.h"

namespace kbs::collection {

// What each column is called where the collector reads it: the caption beside its field in
// the detail panel (translated in the context "kbs::panel"), by the column's position; nullptr
// for a column the panel gives no label. The panel places them (PanelLayout.h); spreadsheets
// and Tellico files take their column headings from them (exchange/ColumnHeadings.h).
inline constexpr std::array<const char*, ColumnCount> Labels = [] {
    std::array<const char*, ColumnCount> l{};
    l[size_t(at("Description"))] = QT_TRANSLATE_NOOP("kbs::panel", "Description");
    l[size_t(at("Year"))] = QT_TRANSLATE_NOOP("kbs::panel", "Year Issued");
    l[size_t(at("Number"))] = QT_TRANSLATE_NOOP("kbs::panel", "Nr. #");
    l[size_t(at("Series"))] = QT_TRANSLATE_NOOP("kbs::panel", "Series");
    l[size_t(at("Car_Cond"))] = QT_TRANSLATE_NOOP("kbs::panel", "Car Condition");
    l[size_t(at("Wheel_Type"))] = QT_TRANSLATE_NOOP("kbs::panel", "Wheel Type");
    l[size_t(at("Box_Type"))] = QT_TRANSLATE_NOOP("kbs::panel", "Box Type");
    l[size_t(at("Box_Cond"))] = QT_TRANSLATE_NOOP("kbs::panel", "Box Condition");
    l[size_t(at("Color"))] = QT_TRANSLATE_NOOP("kbs::panel", "Color");
    l[size_t(at("Quantity"))] = QT_TRANSLATE_NOOP("kbs::panel", "Quantity");
    l[size_t(at("Location"))] = QT_TRANSLATE_NOOP("kbs::panel", "Storage Location");
    l[size_t(at("Purchase"))] = QT_TRANSLATE_NOOP("kbs::panel", "Purchase Price");
    l[size_t(at("Purch_Date"))] = QT_TRANSLATE_NOOP("kbs::panel", "on");
    l[size_t(at("List_Price"))] = QT_TRANSLATE_NOOP("kbs::panel", "List Price");
    l[size_t(at("Value"))] = QT_TRANSLATE_NOOP("kbs::panel", "Value");
    l[size_t(at("Value_Date"))] = QT_TRANSLATE_NOOP("kbs::panel", "As of");
    l[size_t(at("Status"))] = QT_TRANSLATE_NOOP("kbs::panel", "Status");
    l[size_t(at("Purch_From"))] = QT_TRANSLATE_NOOP("kbs::panel", "Purchased from");
    l[size_t(at("Base_Name"))] = QT_TRANSLATE_NOOP("kbs::panel", "Base Plate Name");
    l[size_t(at("Interior_Color"))] = QT_TRANSLATE_NOOP("kbs::panel", "Interior Color");
    l[size_t(at("Version_Number"))] = QT_TRANSLATE_NOOP("kbs::panel", "Version #");
    l[size_t(at("Base_Color"))] = QT_TRANSLATE_NOOP("kbs::panel", "Color");
    l[size_t(at("Notes"))] = QT_TRANSLATE_NOOP("kbs::panel", "Notes:");
    return l;
}();

}  // namespace kbs::collection
