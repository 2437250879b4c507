// The search: the first record with the text in any of its first fields, any case.
#include <QLabel>
#include <QToolButton>

#include "AccessibleText.h"

#include "AppError.h"
#include "Collection.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "PanelLayout.h"
#include "Prompts.h"
#include "RecordFilter.h"
#include "RecordSearch.h"
#include "frmMain.h"

namespace kbs {

void frmMain::Find_Record() {
    const long count = rs && rs->isOpen() ? rs->recordCount() : 0;
    if (count == 0) {
        prompts().msgBox(mainText::NoRecordText, mb::Information | mb::OKOnly,
                         mainText::NoRecordTitle);
        return;
    }
    try {
        const QString t = collection::trimSpaces(prompts().inputBox(
            mainText::SearchPrompt, mainText::SearchTitle, mainText::SearchDefault));
        if (t.isEmpty())
            return;
        m_lastSearch = t;
        // A search that finds nothing, or fails, leaves the shown record current.
        const ShownRecordGuard keep(*this, *rs);
        const int last = std::min(panel::SearchLastPosition, rs->fieldCount() - 1);
        const int found = findFromFirst(*rs, t, last);
        if (found < 0) {
            prompts().msgBox(mainText::NoMatchText, mb::Exclamation | mb::OKOnly,
                             mainText::NoMatchTitle);
            rs->moveFirst();
            return;
        }
        Update_Display();
        selectFoundText(found, t);
        FG1->setRow(0);
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly, QString());
    } catch (const std::exception& e) {
        prompts().msgBox(QString::fromUtf8(e.what()), mb::OKOnly, QString());
    }
}

// The found text selected in its box, which takes the focus, as Find leaves it.
void frmMain::selectFoundText(int field, const QString& text) {
    if (field < 1 || !txtTextl[size_t(field)]->isVisible())
        return;
    LimitedTextbox* box = txtTextl[size_t(field)];
    const qsizetype at = box->text().indexOf(text, 0, Qt::CaseInsensitive);
    box->setSelStart(int(at));  // refuses -1 when the box does not show the text
    box->setSelLength(int(text.size()));
    box->setFocus();
}

void frmMain::Find_Next(bool forward) {
    // As Find: only while its button can be pressed; without a text yet, Find asks for one.
    QToolButton* find = toolbarButton(QStringLiteral("Find"));
    if (!find || !find->isEnabled() || !rs)
        return;
    if (m_lastSearch.isEmpty()) {
        Find_Record();
        return;
    }
    try {
        const FlexGridModel& model = FG1->model();
        const std::vector<RecordSet::Slot>& rows = model.shownSlots();
        const long n = model.showsRecordsOf(*rs) ? long(rows.size()) : 0;
        long from = forward ? -1 : n;  // the record shown, or before the first row
        if (m_shown && rs->hasCurrentRecord() && !rs->isAddingNew()) {
            const int r = model.rowOfSlot(rs->currentSlot());
            if (r >= 0)
                from = r;
        }
        bool wrapped = false;
        const long found =
            n == 0 ? -1 : findInRows(*rs, rows, from, forward, m_lastSearch, wrapped);
        if (found < 0) {
            prompts().msgBox(mainText::NoMatchText, mb::Exclamation | mb::OKOnly,
                             mainText::NoMatchTitle);
            return;
        }
        const RecordSet::Slot slot = rows[size_t(found)];
        FG1->setRowQuietly(int(found) + FG1->fixedRows());
        GetInfo(FG1->textMatrix(FG1->row(), 0));
        selectFoundText(RecordFilter::firstFieldHolding(*rs, slot, m_lastSearch), m_lastSearch);
        showFilterState();
        if (wrapped)
            showAccessibleText(*statusPanel, FilterBar::wrappedText(forward),
                               QStringLiteral("Status"));
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly, QString());
    } catch (const std::exception& e) {
        prompts().msgBox(QString::fromUtf8(e.what()), mb::OKOnly, QString());
    }
}

}  // namespace kbs
