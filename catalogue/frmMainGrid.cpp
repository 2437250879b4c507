// The record grid: fill, column widths, sort, lookup by ID and the grid's events.
#include <QApplication>
#include <QCursor>
#include <QHeaderView>

#include "AppError.h"
#include "Collection.h"
#include "FlexGrid.h"
#include "MainTexts.h"
#include "PanelLayout.h"
#include "Prompts.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

namespace {

// The grid's headings are the columns' names; a translated program shows them in its language.
[[maybe_unused]] constexpr const char* kHeadings[] = {
    QT_TRANSLATE_NOOP("kbs::grid", "ID"),
    QT_TRANSLATE_NOOP("kbs::grid", "Description"),
    QT_TRANSLATE_NOOP("kbs::grid", "Year"),
    QT_TRANSLATE_NOOP("kbs::grid", "Number"),
    QT_TRANSLATE_NOOP("kbs::grid", "Series"),
    QT_TRANSLATE_NOOP("kbs::grid", "Car_Cond"),
    QT_TRANSLATE_NOOP("kbs::grid", "Wheel_Type"),
    QT_TRANSLATE_NOOP("kbs::grid", "Box_Type"),
    QT_TRANSLATE_NOOP("kbs::grid", "Box_Cond"),
    QT_TRANSLATE_NOOP("kbs::grid", "Color"),
    QT_TRANSLATE_NOOP("kbs::grid", "Quantity"),
    QT_TRANSLATE_NOOP("kbs::grid", "Location"),
    QT_TRANSLATE_NOOP("kbs::grid", "Purchase"),
    QT_TRANSLATE_NOOP("kbs::grid", "Purch_Date"),
    QT_TRANSLATE_NOOP("kbs::grid", "List_Price"),
    QT_TRANSLATE_NOOP("kbs::grid", "Value"),
    QT_TRANSLATE_NOOP("kbs::grid", "Value_Date"),
    QT_TRANSLATE_NOOP("kbs::grid", "Status"),
    QT_TRANSLATE_NOOP("kbs::grid", "Purch_From"),
    QT_TRANSLATE_NOOP("kbs::grid", "Base_Name"),
    QT_TRANSLATE_NOOP("kbs::grid", "Interior_Color"),
    QT_TRANSLATE_NOOP("kbs::grid", "Version_Number"),
    QT_TRANSLATE_NOOP("kbs::grid", "Base_Color"),
    QT_TRANSLATE_NOOP("kbs::grid", "Notes"),
    QT_TRANSLATE_NOOP("kbs::grid", "twenty"),
};

QString heading(const QString& columnName) {
    return QCoreApplication::translate("kbs::grid", columnName.toUtf8().constData());
}

}  // namespace

bool frmMain::PopulateFlexGrid(FlexGrid& FlexGrid, RecordSet& rs, bool Header) {
    bool filled = false;
    {
        const ShownRecordGuard keep(*this, rs);
        try {
            filled = fillGrid(FlexGrid, rs, Header);
        } catch (const std::exception&) {
            // The grid keeps the rows written so far.
        }
        FlexGrid.viewport()->update();
    }
    if (!filled)
        return false;
    if (&rs == this->rs)
        markShownRow(FlexGrid);
    // Giving the grid the focus fails while the window is not yet shown.
    if (!FlexGrid.isVisible())
        return false;
    FlexGrid.setFocus();
    return true;
}

// The fill: the grid lists every record of rs, in its order, reading the record set's own
// texts. False when rs holds none.
bool frmMain::fillGrid(FlexGrid& FlexGrid, RecordSet& rs, bool Header) {
    if (rs.bof() && rs.eof())
        return false;
    const int cols = panel::GridColumns;
    FlexGrid.setFixedRows(Header ? 1 : 0);
    FlexGrid.setRows(int(rs.recordCount()) + (Header ? 1 : 0));
    FlexGrid.setCols(cols);
    FlexGrid.clear();
    if (Header) {
        for (int c = 0; c < cols; ++c)
            FlexGrid.setTextMatrix(0, c, heading(rs.fieldName(c)));
    }
    FlexGrid.model().showRecords(rs);
    return true;
}

// After a save or a deletion the grid changes the one row concerned, keeping its order, its
// sort marker and its columns. A saved record stays in the row where it was, and a new one is
// listed last, until the next sort: rows do not move under the collector's eyes. The current
// row is then the row of the record the fields show. A grid that does not list this record set
// (none was filled yet) is filled.
void frmMain::showRowChange(RowChange change, RecordSet::Slot slot) {
    FlexGridModel& model = FG1->model();
    if (!model.showsRecordsOf(*rs)) {
        PopulateFlexGrid(*FG1, *rs, true);
        return;
    }
    switch (change) {
        case RowChange::Changed:
            model.slotChanged(slot);
            break;
        case RowChange::Added:
            model.appendSlot(slot);
            break;
        case RowChange::Deleted:
            model.removeSlot(slot);
            break;
    }
    markShownRow(*FG1);
    showFilterState();
    if (FG1->isVisible())
        FG1->setFocus();
}

void frmMain::SizeFlexGrid(FlexGrid& FlexGrid) {
    // The designed widths, wider where a heading in the program's language needs more room,
    // with its sort mark: no heading is cut.
    const QHeaderView& heads = *FlexGrid.horizontalHeader();
    const QFontMetrics metrics(heads.font());
    const int mark = std::max(metrics.horizontalAdvance(QLatin1Char('^')),
                              metrics.horizontalAdvance(QLatin1Char('v')));
    for (const auto& f : panel::fields) {
        if (f.gridWidth == panel::NotInGrid)
            continue;
        if (f.gridWidth >= 0)
            FlexGrid.setColWidth(f.position, f.gridWidth);
        const int needed = heads.sectionSizeHint(f.position) + mark;
        if (f.gridWidth != 0 && FlexGrid.columnWidth(f.position) < needed)
            FlexGrid.setColumnWidth(f.position, needed);
    }
}

void frmMain::SortFlex(QWidget& TheForm, FlexGrid& FlexGrid, int ClickCol, int SortCol) {
    std::optional<AppError> failure;
    try {
        TheForm.setCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        FlexGrid.setCol(SortCol);
        for (int c = 0; c < FlexGrid.cols(); ++c) {
            QString s = FlexGrid.textMatrix(0, c);
            const bool up = s.endsWith(QLatin1Char('^'));
            const bool down = s.endsWith(QLatin1Char('v'));
            if (up || down)
                s.chop(1);
            if (c == ClickCol) {
                if (up) {
                    FlexGrid.setTextMatrix(0, c, s + QLatin1Char('v'));
                    FlexGrid.setSort(2);
                } else {
                    FlexGrid.setTextMatrix(0, c, s + QLatin1Char('^'));
                    FlexGrid.setSort(1);
                }
            } else {
                FlexGrid.setTextMatrix(0, c, s);
            }
        }
    } catch (const AppError& e) {
        failure = e;
    } catch (const std::exception& e) {
        failure =
            AppError(err::OutOfMemory, QStringLiteral("SortFlex"), QString::fromUtf8(e.what()));
    }
    QApplication::restoreOverrideCursor();
    TheForm.unsetCursor();
    if (failure) {
        prompts().msgBox(
            QString::number(failure->number()) + QStringLiteral("\r\n") + failure->description(),
            mb::Critical | mb::OKOnly, mainText::SortErrorTitle);
    }
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

void frmMain::FG1_Click() {
    if (FG1->mouseRow() == 0) {
        SortFlex(*this, *FG1, FG1->mouseCol(), FG1->mouseCol());
    } else if (FG1->mouseRow() >= 1) {
        GetInfo(FG1->textMatrix(FG1->mouseRow(), 0));
        setModeButtonsEnabled(true);
    }
}

void frmMain::FG1_SelChange() {
    if (FG1->row() != FG1->rowSel()) {
        FG1->setRow(FG1->rowSel());
        FG1->setCol(1);
        FG1->setColSel(FG1->cols() - 1);
    }
}

void frmMain::FG1_EnterCell() {
    GetInfo(FG1->textMatrix(FG1->row(), 0));
    setModeButtonsEnabled(true);
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
