// The record grid as the window uses it: the fill of its Record set, the lookup by ID and the
// row of the record shown.

#include "AppError.h"
#include "CastingCommands.h"
#include "Collection.h"
#include "FlexGrid.h"
#include "GridColumns.h"
#include "GroupPanel.h"
#include "MainTexts.h"
#include "PanelLayout.h"
#include "Prompts.h"
#include "RecordGrid.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

void frmMain::SizeFlexGrid(FlexGrid& FlexGrid) {
    RecordGrid::size(FlexGrid);
    if (&FlexGrid == FG1)
        m_columns->apply();  // the columns the collector hid stay hidden
}

void frmMain::SortFlex(QWidget& TheForm, FlexGrid& FlexGrid, int ClickCol, int SortCol) {
    RecordGrid::sort(TheForm, FlexGrid, ClickCol, SortCol);
}

bool frmMain::PopulateFlexGrid(FlexGrid& FlexGrid, RecordSet& rs, bool Header) {
    bool filled = false;
    {
        const ShownRecordGuard keep(*this, rs);
        try {
            filled = RecordGrid::fill(FlexGrid, rs, Header);
        } catch (const std::exception&) {
            // The grid keeps the rows written so far.
        }
        FlexGrid.viewport()->update();
    }
    if (!filled)
        return false;
    if (&rs == this->rs && &FlexGrid == FG1)
        m_groups->setRecords(&rs);
    if (&rs == this->rs)
        markShownRow(FlexGrid);
    // Giving the grid the focus fails while the window is not yet shown.
    if (!FlexGrid.isVisible())
        return false;
    FlexGrid.setFocus();
    return true;
}

// After a save or a deletion the grid changes the one row concerned, keeping its order, its
// sort marker and its columns. A saved record stays in the row where it was, and a new one is
// listed last, until the next sort: rows do not move under the collector's eyes. The current
// row is then the row of the record the fields show. A grid that does not list this record set
// (none was filled yet) is filled.
void frmMain::showRowChange(RowChange change, RecordSet::Slot slot) {
    m_castingCommands->rowChanged(change == RowChange::Deleted, slot);
    FlexGridModel& model = FG1->model();
    if (!model.showsRecordsOf(*rs)) {
        PopulateFlexGrid(*FG1, *rs, true);
        return;
    }
    switch (change) {
        // The groups first: the grid asks them whether a group chosen holds the record.
        case RowChange::Changed:
            m_groups->recordChanged(slot);
            model.slotChanged(slot);
            break;
        case RowChange::Added:
            m_groups->recordChanged(slot);
            model.appendSlot(slot);
            break;
        case RowChange::Deleted:
            model.removeSlot(slot);
            m_groups->recordRemoved(slot);
            break;
    }
    markShownRow(*FG1);
    showFilterState();
    if (FG1->isVisible())
        FG1->setFocus();
}

QString frmMain::GetInfo(const QString& strSearch) {
    if (!rs)
        return {};
    try {
        // Not found: the fields keep their record, and so does the Record set.
        const ShownRecordGuard keep(*this, *rs);
        const int idPos = rs->fieldIndex(QString::fromLatin1(collection::IdColumn));
        const QByteArray wanted = strSearch.toUtf8();
        // The ID is the record's key: go straight to it when the text is a plain number.
        bool isNumber = false;
        const qint64 id = strSearch.toLongLong(&isNumber);
        if (isNumber && QString::number(id) == strSearch && idPos == 0 && rs->isUpdatable()) {
            rs->setBookmark(id);  // throws when no record has that ID
        } else {
            rs->moveFirst();
            for (;;) {
                std::string_view v;
                if (!rs->peekUtf8(idPos, v)) {
                    if (rs->eof())
                        throw AppError(err::NoCurrentRecord, QStringLiteral("GetInfo"),
                                       QStringLiteral("No current record."));
                } else if (v == std::string_view(wanted.constData(), size_t(wanted.size()))) {
                    break;
                }
                rs->moveNext();
            }
        }
        Update_Display();
    } catch (const AppError& e) {
        // A record that is not there ends the lookup quietly; anything else is said.
        if (e.number() != err::NoCurrentRecord)
            prompts().msgBox(mainText::ShowFailed.arg(e.description()), mb::OKOnly | mb::Critical,
                             mainText::AppTitle);
    } catch (const std::exception& e) {
        prompts().msgBox(mainText::ShowFailed.arg(QString::fromUtf8(e.what())),
                         mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
    return {};
}

// After a fill the grid's current row is the row of the record the fields show, or the
// heading row when they show none.
void frmMain::markShownRow(FlexGrid& grid) {
    int row = 0;
    if (m_shown && rs && rs->hasCurrentRecord() && !rs->isAddingNew()) {
        const int r = grid.model().rowOfSlot(rs->currentSlot());
        if (r >= 0)
            row = r + grid.fixedRows();
    }
    grid.setRowQuietly(row);
}

// Another program deleted the record the fields show while they were being edited: the
// Record set has let it go. The grid follows, with its current row on the neighbour that a
// delete would have shown, which Cancel then shows; the fields keep the typing, and, as no
// record is shown, the next save stores it as a new record.
void frmMain::letGoOfVanishedRecord(RecordSet::Slot vanished) {
    m_shown.reset();
    QWidget* typing = focusWidget();
    if (!holdsNoRecord(true)) {
        resumeNext([&] {
            rs->moveNext();
            if (rs->eof())
                rs->moveLast();
            m_shown = rs->bookmark();
        });
    }
    resumeNext([&] { showRowChange(RowChange::Deleted, vanished); });
    if (!m_shown)
        FG1->setRows(FG1->fixedRows());  // nothing left to list
    m_shown.reset();
    if (typing)
        typing->setFocus();
}

void frmMain::rememberShown() {
    m_shown.reset();
    if (rs && rs->hasCurrentRecord() && !rs->isAddingNew()) {
        resumeNext([&] { m_shown = rs->bookmark(); });
    }
}

// Where the cursor already stands on the shown record it is left untouched.
void frmMain::ShownRecordGuard::returnToShown() noexcept {
    if (!m_window || !m_window->m_shown)
        return;
    RecordSet& rs = *m_window->rs;
    const RecordSet::Bookmark shown = *m_window->m_shown;
    bool there = false;
    resumeNext([&] { there = !rs.isAddingNew() && rs.bookmark() == shown; });
    if (!there)
        resumeNext([&] { rs.setBookmark(shown); });
}

}  // namespace kbs
