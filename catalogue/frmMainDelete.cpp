// Deleting the record the detail fields show.
#include <QPushButton>
#include <optional>

#include "AppError.h"
#include "DeleteUndo.h"
#include "FlexGrid.h"
#include "MainTexts.h"
#include "Prompts.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

void frmMain::Delete_Record() {
    long count = -1;
    resumeNext([&] { count = rs->recordCount(); });
    if (count == 1) {
        cmdSelect->setVisible(true);
        prompts().msgBox(mainText::OneRecordText, mb::Information | mb::OKOnly,
                         mainText::OneRecordTitle);
        return;
    }
    cmdSelect->setVisible(false);
    // A blank panel (after Add then Cancel) shows no record: there is nothing to ask about.
    if (!m_shown) {
        prompts().msgBox(mainText::NoneShownText, mb::Information | mb::OKOnly,
                         mainText::DeleteTitle);
        return;
    }
    const int answer =
        prompts().msgBox(mainText::DeleteText, mb::OKCancel | mb::DefaultButton1 | mb::Exclamation,
                         mainText::DeleteTitle);
    if (answer != mb::OK)
        return;
    if (!rs)
        return;
    if (holdsNoRecord(false))
        return;

    // The record deleted is the one the fields show, or none.
    std::optional<RecordSet::Slot> deleted;
    if (m_shown) {
        const ShownRecordGuard onShown(*this, *rs, ShownRecordGuard::OnShown);
        if (rs->hasCurrentRecord() && rs->bookmark() == *m_shown) {
            // A refused delete says so and shows the record as it now is, so that a second
            // delete is a choice made knowing it. One that another program deleted already is
            // gone all the same: the window goes on as after a delete.
            try {
                deleted = rs->currentSlot();
                const DeleteUndo::Deleted offered{rs->bookmark(), FG1->model().rowOfSlot(*deleted)};
                rs->deleteCurrent();
                rs->update();  // nothing is pending: the delete is written already
                m_undo->offer(offered);
            } catch (const AppError& e) {
                const bool gone = e.number() == err::DeletedElsewhere;
                prompts().msgBox(
                    gone ? e.description() : mainText::DeleteFailed.arg(e.description()),
                    mb::OKOnly | (gone ? mb::Information : mb::Critical), mainText::DeleteTitle);
                if (!gone) {
                    resumeNext([&] { Update_Display(); });
                    resumeNext([&] { showRowChange(RowChange::Changed, *deleted); });
                    return;
                }
            }
            m_shown.reset();  // the fields show a record that is gone
        }
    }
    resumeNext(
        [&] { setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount())); });
    if (holdsNoRecord(false)) {
        Clear_Display();
        return;
    }
    resumeNext([&] {
        rs->moveNext();
        if (rs->eof())
            rs->moveLast();
    });
    resumeNext([&] { Update_Display(); });
    // Under a filter the next record the grid shows takes the deleted one's place (the one
    // before it at the end); when the grid shows none, nothing is shown.
    const int deletedRow = deleted ? FG1->model().rowOfSlot(*deleted) : -1;
    resumeNext([&] {
        if (deleted)
            showRowChange(RowChange::Deleted, *deleted);
        else
            markShownRow(*FG1);
    });
    if (FG1->model().isFiltered() && deletedRow >= 0) {
        const int rows = FG1->model().rowCount();
        if (rows == 0)
            Clear_Display();
        FG1->setRowQuietly(rows == 0 ? 0 : std::min(deletedRow, rows - 1) + FG1->fixedRows());
    }
    resumeNext([&] { GetInfo(FG1->textMatrix(FG1->row(), 0)); });
    resumeNext([&] { Lock_Display(true); });
}

}  // namespace kbs
