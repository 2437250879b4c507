// Records changed beside the window's Record set, by the checklists or the value history: the
// window shows them, takes them in, or lets them go.
#include <algorithm>
#include <charconv>

#include "AppError.h"
#include "FlexGrid.h"
#include "MainTexts.h"
#include "RecordSet.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

void frmMain::showListedRecord(qint64 id) {
    if (!rs || editing())
        return;
    GetInfo(QString::number(id));
    markShownRow(*FG1);
}

void frmMain::takeInRecords(const std::vector<std::int64_t>& ids) {
    if (!rs)
        return;
    for (const std::int64_t id : ids) {
        const ShownRecordGuard onShown(*this, *rs);
        try {
            showRowChange(RowChange::Added, rs->reinsert(id));
        } catch (const AppError&) {
            PopulateFlexGrid(*FG1, *rs, true);
        }
    }
    setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount()));
}

// The records go as a delete takes them, so that one changed since is still among the
// recently deleted.
void frmMain::letGoOfRecords(const std::vector<std::int64_t>& ids) {
    if (!rs)
        return;
    bool shownGone = false;
    for (const std::int64_t id : ids) {
        const ShownRecordGuard back(*this, *rs);
        try {
            rs->setBookmark(id);
            const RecordSet::Slot slot = rs->currentSlot();
            rs->deleteCurrent();
            rs->update();
            if (m_shown && *m_shown == id) {
                m_shown.reset();
                shownGone = true;
            }
            showRowChange(RowChange::Deleted, slot);
        } catch (const AppError&) {
            // deleted meanwhile: nothing to take out
        }
    }
    setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount()));
    if (shownGone && !holdsNoRecord(false)) {
        resumeNext([&] { rs->moveFirst(); });
        resumeNext([&] { Update_Display(); });
        markShownRow(*FG1);
    } else if (shownGone) {
        Clear_Display();
    }
}

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
