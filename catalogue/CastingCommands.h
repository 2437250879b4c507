#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "CastingIndex.h"
#include "PanelLayout.h"
#include "RecordSet.h"

class QTimer;

namespace kbs {

class CastingList;
class FlexGrid;
class LimitedTextbox;

// "Do I already have it?" in the catalogue window: the records of the same casting listed over
// the grid while a record is added, the question before a new record of the very same model is
// saved, the note after a new variation is saved, and the duplicates. The index behind them is
// made on first use and kept up to date by the window's row changes.
class CastingCommands : public QObject {
    Q_OBJECT
public:
    using Boxes = std::array<LimitedTextbox*, panel::BoxCount>;
    // `records` gives the window's Record set (null while none is open); `adding` whether a new
    // record is being added.
    CastingCommands(QObject* parent, FlexGrid& grid, const Boxes& boxes,
                    std::function<RecordSet*()> records, std::function<bool()> adding);

    CastingList* list() const { return m_list; }
    void show();  // the list for what is typed, or hidden when nothing is being added
    void hide();
    void forget();  // the catalogue is closed: the index is made anew when next asked

    // A save, a delete or an undo keeps the index up to date.
    void rowChanged(bool deleted, RecordSet::Slot slot);

    // The answer to the question before saving a new record.
    struct SameModel {
        enum Kind { Save, SaveAnyway, AddOne, BackToEditing } kind = Save;
        std::int64_t id = 0;       // AddOne: the record that takes one more piece
        RecordSet::Slot slot = 0;  // and its slot
        QString quantity;          // and its quantity after
    };
    SameModel askAboutSameModel();
    // "new variation of …" when the typed record is of a casting already held, else empty.
    QString variationNote();

    std::shared_ptr<const std::vector<char>> duplicateMarks();  // by slot
    std::vector<std::int64_t> duplicateIds();                   // in the report's order

private:
    CastingIndex& castings();
    CastingIndex::Variation typedVariation() const;
    RecordSet* openRecords() const;

    Boxes m_boxes;
    std::function<RecordSet*()> m_records;
    std::function<bool()> m_adding;
    CastingList* m_list = nullptr;
    std::unique_ptr<CastingIndex> m_castings;
    QTimer* m_timer = nullptr;
};

}  // namespace kbs
