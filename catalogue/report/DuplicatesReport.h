#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Collection.h"
#include "PagedReport.h"
#include "RecordSet.h"

namespace kbs {

// The collector's trade list: the records that share every variation field with another, and
// those held more than once, in a table of the variation fields with the quantity and the
// storage place. The records of one model lie together on one shade; the model's variation is
// printed on its first row, and again where its rows go on over a page break.
//
// It takes the records' texts from the window's record set as they are at opening, so that it
// reads nothing from the catalogue.
class DuplicatesReport : public LinedReport {
    Q_OBJECT
public:
    // The columns printed, by their positions in the record's table: the variation fields, then
    // the quantity and the storage place.
    static constexpr int ColumnCount = 11;
    static constexpr int VariationCount = 9;
    static constexpr std::array<int, ColumnCount> Fields{
        collection::at("Description"),    collection::at("Number"),
        collection::at("Version_Number"), collection::at("Series"),
        collection::at("Color"),          collection::at("Interior_Color"),
        collection::at("Base_Name"),      collection::at("Base_Color"),
        collection::at("Wheel_Type"),     collection::at("Quantity"),
        collection::at("Location")};

    // The records printed, in order, their texts kept one after another.
    class Records {
    public:
        // A record of a record set: the records of one model share `model`.
        void add(const RecordSet& rs, RecordSet::Slot slot, int model);
        void reserve(size_t records);
        size_t size() const { return m_ids.size(); }
        std::int64_t id(size_t record) const { return m_ids[record]; }
        int model(size_t record) const { return m_models[record]; }
        // The text of a column (an index into Fields) as printed: trimmed, on one line.
        QString text(size_t record, int column) const;

    private:
        std::vector<std::int64_t> m_ids;
        std::vector<int> m_models;
        std::vector<std::uint32_t> m_ends;  // where each text ends in m_texts
        std::string m_texts;                // UTF-8
    };

    explicit DuplicatesReport(QObject* parent = nullptr);

    // The records in the order printed, each model's together.
    void open(const QString& catalogueFile, Records records);

    std::optional<std::vector<std::int64_t>> recordIds() const override;
    // Items name "Duplicates" as their section, the column as their control and the record's
    // position in the list as their record.

protected:
    void layOut() override;
    void release() override;
    void addLineItems(QVector<ReportItem>& items, const Line& line) const override;

private:
    Records m_records;
};

}  // namespace kbs
