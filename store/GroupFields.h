#pragma once

#include <QtGlobal>
#include <array>

#include "Collection.h"

namespace kbs::collection {

// The fields a collector sorts the collection into groups by, in the order they are offered:
// the group view's levels and the statistics' "by field" charts. Year is offered twice, by
// year and by decade. The names are the panel's captions (context "kbs::panel") except the
// decade's, which is the group view's own.
struct GroupField {
    int column;           // position in the record's table
    bool byDecade;        // Year Issued grouped by decade ("1960s")
    const char* caption;  // as the collector reads it, translated in `context`
    const char* context;
};

inline constexpr std::array<GroupField, 12> GroupFields{{
    {at("Series"), false, QT_TRANSLATE_NOOP("kbs::panel", "Series"), "kbs::panel"},
    {at("Year"), false, QT_TRANSLATE_NOOP("kbs::panel", "Year Issued"), "kbs::panel"},
    {at("Year"), true, QT_TRANSLATE_NOOP("kbs::groups", "Decade"), "kbs::groups"},
    {at("Status"), false, QT_TRANSLATE_NOOP("kbs::panel", "Status"), "kbs::panel"},
    {at("Color"), false, QT_TRANSLATE_NOOP("kbs::panel", "Color"), "kbs::panel"},
    {at("Box_Type"), false, QT_TRANSLATE_NOOP("kbs::panel", "Box Type"), "kbs::panel"},
    {at("Box_Cond"), false, QT_TRANSLATE_NOOP("kbs::panel", "Box Condition"), "kbs::panel"},
    {at("Car_Cond"), false, QT_TRANSLATE_NOOP("kbs::panel", "Car Condition"), "kbs::panel"},
    {at("Wheel_Type"), false, QT_TRANSLATE_NOOP("kbs::panel", "Wheel Type"), "kbs::panel"},
    {at("Base_Name"), false, QT_TRANSLATE_NOOP("kbs::panel", "Base Plate Name"), "kbs::panel"},
    {at("Location"), false, QT_TRANSLATE_NOOP("kbs::panel", "Storage Location"), "kbs::panel"},
    {at("Purch_From"), false, QT_TRANSLATE_NOOP("kbs::panel", "Purchased from"), "kbs::panel"},
}};

}  // namespace kbs::collection
