// The records' valuations changed beside the Record set: the window shows them.
#include <algorithm>
#include <charconv>

#include "FlexGrid.h"
#include "RecordSet.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

void frmMain::valuationsChanged(const std::vector<qint64>& ids) {
    if (!rs || ids.empty())
        return;
    std::vector<qint64> sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    FlexGridModel& model = FG1->model();
    if (model.showsRecordsOf(*rs)) {
        for (const RecordSet::Slot slot : rs->slotsInOrder()) {
            const std::string_view id = rs->rowTextsAt(slot).cell(0);
            qint64 key = 0;
            std::from_chars(id.data(), id.data() + id.size(), key);
            if (std::binary_search(sorted.begin(), sorted.end(), key))
                model.slotChanged(slot);
        }
    }
    if (!editing() && rs->hasCurrentRecord() && !rs->isAddingNew()) {
        qint64 shown = 0;
        resumeNext([&] { shown = rs->value(0).toLongLong(); });
        if (std::binary_search(sorted.begin(), sorted.end(), shown))
            Update_Display();
    }
}

}  // namespace kbs
