// Browse, add and edit modes, and the save.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "AppError.h"
#include "CastingCommands.h"
#include "CastingList.h"
#include "Collection.h"
#include "DetailPanel.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "PanelLayout.h"
#include "PictureStrip.h"
#include "Prompts.h"
#include "ResumeNext.h"
#include "ThumbnailMaker.h"
#include "frmMain.h"

namespace kbs {

void frmMain::Lock_Display(bool bInput) {
    m_panel->lock(bInput);
    if (bInput && m_castingCommands)
        m_castingCommands->hide();  // nothing is added while the panel is locked
    Image11->setEnabled(!bInput);
}

void frmMain::Add_New_Record() {
    Lock_Display(false);
    setModeButtonsEnabled(false);
    cmdSave->show();
    cmdCancel->show();
    cmdSelect->show();
    Clear_Display();
    m_panel->picture()->clearPicture();
    FG1->setRow(0);
    bAddingNew = true;
    m_castingCommands->show();
    txtTextl[1]->setFocus();  // the first keystrokes go into the description
}

void frmMain::Edit_Record() {
    setModeButtonsEnabled(false);
    Lock_Display(false);
    cmdSave->show();
    cmdCancel->show();
    cmdSelect->show();
    txtTextl[1]->setFocus();
}

void frmMain::cmdCancel_Click() {
    cmdSave->hide();
    cmdCancel->hide();
    cmdSelect->hide();
    setModeButtonsEnabled(true);
    Lock_Display(true);
    bAddingNew = false;
    Clear_Display();
    FG1->setFocus();
    GetInfo(FG1->textMatrix(FG1->row(), 0));
}

void frmMain::cmdSave_Click() {
    const bool wasAdding = bAddingNew;
    QString variation;
    if (wasAdding) {
        const CastingCommands::SameModel same = m_castingCommands->askAboutSameModel();
        if (same.kind == same.AddOne) {
            addOnePiece(same);
            return;
        }
        if (same.kind == same.BackToEditing)
            return;
        if (same.kind == same.Save)
            variation = m_castingCommands->variationNote();
    }
    // The save writes into the record the fields show, or begins a new one; a refused save
    // leaves the shown record current.
    std::optional<ShownRecordGuard> onShown;
    if (rs) {
        onShown.emplace(*this, *rs, ShownRecordGuard::OnShown);
        // Begin the new record. An edit while no record is shown (an empty catalogue, or the
        // blank panel after a cancelled add) stores a new record too, so no typing is lost.
        const bool nothingShown = !m_shown.has_value();
        if (bAddingNew || nothingShown) {
            try {
                rs->addNew();
            } catch (const std::exception& e) {
                prompts().msgBox(mainText::SaveFailed.arg(QString::fromUtf8(e.what())),
                                 mb::OKOnly | mb::Critical, mainText::AppTitle);
                return;
            }
            bAddingNew = false;
        }
    }
    if (!Save_Record()) {
        bAddingNew = wasAdding;
        return;
    }
    const long n = rs ? rs->recordCount() : 0;
    if (n < 2) {
        setStatusText(mainText::FoundIs + mainText::signedCount(n) + mainText::RecordSingular);
    } else {
        setStatusText(mainText::FoundAre + mainText::signedCount(n) + mainText::RecordPlural);
    }
    if (!variation.isEmpty())
        setStatusText(m_statusText + QStringLiteral("  ") + variation);
    setModeButtonsEnabled(true);
    FG1->setFocus();
}

// The new record is the very same model as one held: that record takes one more piece instead,
// and the panel shows it. A refused save goes back to the typing.
void frmMain::addOnePiece(const CastingCommands::SameModel& same) {
    {
        const ShownRecordGuard keep(*this, *rs);
        try {
            rs->setBookmark(same.id);
            rs->setValue(collection::at("Quantity"), same.quantity);
            rs->update();
        } catch (const std::exception& e) {
            rs->cancelUpdate();
            prompts().msgBox(mainText::SaveFailed.arg(QString::fromUtf8(e.what())),
                             mb::OKOnly | mb::Critical, mainText::AppTitle);
            return;
        }
        m_shown = same.id;  // the panel shows that record from now on
    }
    bAddingNew = false;
    resumeNext([&] { Update_Display(); });
    resumeNext([&] { showRowChange(RowChange::Changed, same.slot); });
    resumeNext([&] { Lock_Display(true); });
    cmdSave->hide();
    cmdCancel->hide();
    cmdSelect->hide();
    setModeButtonsEnabled(true);
    FG1->setFocus();
}

bool frmMain::Save_Record() {
    if (!m_panel->writeFields(rs))
        return false;

    // The picture is stored with the record, and the database has the last word: a refused
    // record is not a saved record.
    const bool adding = rs->isAddingNew();
    RecordSet::Slot slot = 0;
    try {
        if (!adding)
            slot = rs->currentSlot();
        m_panel->writePictures(*rs);
        rs->update();
    } catch (const std::exception& e) {
        const QString why = QString::fromUtf8(e.what());
        rs->cancelUpdate();
        prompts().msgBox(mainText::SaveFailed.arg(why), mb::OKOnly | mb::Critical,
                         mainText::AppTitle);
        const auto* error = dynamic_cast<const AppError*>(&e);
        if (error && error->number() == err::DeletedElsewhere)
            letGoOfVanishedRecord(slot);
        else if (!adding)
            FG1->model().slotChanged(slot);  // the grid lists the record as stored now
        return false;
    }
    rememberShown();
    if (m_thumbs)
        m_thumbs->request(rs->bookmark());
    resumeNext([&] { Update_Display(); });
    resumeNext(
        [&] { showRowChange(adding ? RowChange::Added : RowChange::Changed, rs->currentSlot()); });
    resumeNext([&] { Lock_Display(true); });
    cmdSave->hide();
    cmdCancel->hide();
    cmdSelect->hide();
    return true;
}

}  // namespace kbs
