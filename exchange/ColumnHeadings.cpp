#include "ColumnHeadings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <memory>
#include <vector>

#include "Collection.h"
#include "ColumnLabels.h"

namespace kbs::exchange {

namespace {

// The panel's labels are translated in this context.
constexpr const char* kLabelContext = "kbs::panel";
constexpr const char* kHeadingContext = "kbs::panel::Headings";

// Headings for the columns whose panel label reads only beside its neighbour.
struct OwnHeading {
    int position;
    const char* heading;
};
using collection::at;
using collection::Labels;

constexpr OwnHeading kOwnHeadings[] = {
    {at("ID"), "ID"},
    {at("Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Color")},
    {at("Purch_Date"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Purchase Date")},
    {at("Value_Date"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Value Date")},
    {at("Base_Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Base Plate Color")},
    {at("Notes"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Notes")},
};

// Further words an import takes for a column: what collectors' own sheets say, in English and
// (through the translations) in every language the program speaks.
constexpr OwnHeading kFurtherHeadings[] = {
    {at("Description"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Model")},
    {at("Description"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Name")},
    {at("Description"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Car")},
    {at("Description"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Vehicle")},
    {at("Year"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Year")},
    {at("Number"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Number")},
    {at("Number"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Model Number")},
    {at("Number"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "No.")},
    {at("Series"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Range")},
    {at("Car_Cond"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Condition")},
    {at("Car_Cond"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Grade")},
    {at("Wheel_Type"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Wheels")},
    {at("Box_Type"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Box")},
    {at("Box_Type"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Packaging")},
    {at("Box_Cond"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Box Grade")},
    {at("Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Colour")},
    {at("Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Body Color")},
    {at("Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Body Colour")},
    {at("Quantity"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Qty")},
    {at("Quantity"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Pieces")},
    {at("Location"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Location")},
    {at("Location"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Storage")},
    {at("Purchase"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Price Paid")},
    {at("Purchase"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Price")},
    {at("Purchase"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Cost")},
    {at("Purch_Date"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Date Bought")},
    {at("Purch_Date"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Bought On")},
    {at("List_Price"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Retail Price")},
    {at("List_Price"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "RRP")},
    {at("Value"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Current Value")},
    {at("Value"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Worth")},
    {at("Purch_From"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Bought From")},
    {at("Purch_From"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Seller")},
    {at("Purch_From"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Shop")},
    {at("Base_Name"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Base Name")},
    {at("Base_Name"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Baseplate")},
    {at("Interior_Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Interior Colour")},
    {at("Interior_Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Interior")},
    {at("Version_Number"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Version")},
    {at("Version_Number"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Variation")},
    {at("Base_Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Base Plate Colour")},
    {at("Base_Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Base Color")},
    {at("Base_Color"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Base Colour")},
    {at("Notes"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Remarks")},
    {at("Notes"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Comments")},
    {at("Notes"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Comment")},
    {at("Notes"), QT_TRANSLATE_NOOP("kbs::panel::Headings", "Note")},
};

const std::vector<std::unique_ptr<QTranslator>>& everyLanguage() {
    static const std::vector<std::unique_ptr<QTranslator>> loaded = [] {
        std::vector<std::unique_ptr<QTranslator>> out;
        // The command-line programs have no application object.
        const QString exe = QCoreApplication::instance()
                                ? QCoreApplication::applicationDirPath()
                                : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
        const QStringList folders{exe + QStringLiteral("/translations"),
                                  exe + QStringLiteral("/../share/kbsmgr/translations"),
                                  QStringLiteral(":/i18n")};
        for (const QString& folder : folders) {
            const QDir dir(folder);
            for (const QString& file :
                 dir.entryList({QStringLiteral("kbsmgr_*.qm")}, QDir::Files, QDir::Name)) {
                auto translator = std::make_unique<QTranslator>();
                if (translator->load(dir.filePath(file)))
                    out.push_back(std::move(translator));
            }
        }
        return out;
    }();
    return loaded;
}

}  // namespace

QStringList translatedHeadings(const char* context, const char* english) {
    QStringList out;
    const QString current = QCoreApplication::translate(context, english);
    if (current != QLatin1String(english))
        out << current;
    for (const auto& translator : everyLanguage()) {
        const QString text = translator->translate(context, english);
        if (!text.isEmpty() && !out.contains(text))
            out << text;
    }
    return out;
}

Headings columnHeadings() {
    Headings headings;
    // A label two fields share names neither of them alone.
    const auto shared = [](const char* label) {
        int n = 0;
        for (const char* other : Labels)
            n += other && QLatin1String(other) == QLatin1String(label) ? 1 : 0;
        return n > 1;
    };
    for (int position = 0; position < collection::ColumnCount; ++position) {
        const auto p = size_t(position);
        const char* label = Labels[p];
        const char* english = nullptr;
        const char* context = kHeadingContext;
        for (const OwnHeading& own : kOwnHeadings) {
            if (own.position == position)
                english = own.heading;
        }
        if (!english && label && !shared(label)) {
            english = label;
            context = kLabelContext;
        }
        if (!english)
            continue;

        headings.shown[p] = QCoreApplication::translate(context, english);
        headings.also[p] << QString::fromLatin1(english) << translatedHeadings(context, english);
        // A label two fields share is the heading of the one whose own heading it is
        // ("Color", in French "Teinte", is the car's colour, not the base plate's).
        const bool ownLabel =
            label && (!shared(label) || QLatin1String(label) == QLatin1String(english));
        if (ownLabel) {
            headings.also[p] << QString::fromLatin1(label)
                             << translatedHeadings(kLabelContext, label);
        }
        for (const OwnHeading& further : kFurtherHeadings) {
            if (further.position == position)
                headings.also[p] << QString::fromLatin1(further.heading)
                                 << translatedHeadings(kHeadingContext, further.heading);
        }
        for (QString& h : headings.also[p]) {
            if (h.endsWith(QLatin1Char(':')))
                h = h.chopped(1).trimmed();  // "Notes :" in French
        }
        headings.also[p].removeDuplicates();
        headings.also[p].removeAll(headings.shown[p]);
    }
    const char* picture = QT_TRANSLATE_NOOP("kbs::panel::Headings", "Picture");
    headings.shown[size_t(at("binpicdata"))] =
        QCoreApplication::translate(kHeadingContext, picture);
    headings.also[size_t(at("binpicdata"))] << QString::fromLatin1(picture)
                                            << translatedHeadings(kHeadingContext, picture);
    return headings;
}

}  // namespace kbs::exchange
