// Browse, add and edit modes, and the save.
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "AppError.h"
#include "Collection.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "Prompts.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

namespace {
// The write order of the save.
constexpr int kWriteOrder[] = {
    8, 7, 6, 5, 4, 3, 2, 1, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, -1 /* notes */, 20, 21, 22};
const QString kSaveFailed = QStringLiteral(
    "The record could not be saved:\r\n\r\n%1\r\n\r\nNothing was stored. Your entries are still "
    "in the fields.");
}  // namespace

void frmMain::setModeButtonsEnabled(bool enabled) {
    for (const char* key : {"Add", "Edit", "Delete", "Report", "Find"}) {
        if (auto* b = toolbarButton(QString::fromLatin1(key)))
            b->setEnabled(enabled);
    }
}

void frmMain::Lock_Display(bool bInput) {
    for (size_t i = 0; i < txtTextl.size(); ++i)
        txtTextl[i]->setLocked(bInput || m_boxCut[i]);
    for (auto* img : m_imageControls)
        img->setEnabled(!bInput);
    m_panelLocked = bInput;
    txtNotes->setReadOnly(bInput || m_notesCut);
    Option1[0]->setEnabled(!bInput);
    Option1[1]->setEnabled(!bInput);
    cmdPlus->setEnabled(!bInput);
    cmdMinus->setEnabled(!bInput);
}

void frmMain::Add_New_Record() {
    Lock_Display(false);
    setModeButtonsEnabled(false);
    cmdSave->show();
    cmdCancel->show();
    cmdSelect->show();
    Clear_Display();
    imgPicture->clearPicture();
    FG1->setRow(0);
    bAddingNew = true;
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
    if (rs) {
        // Begin the new record. An edit while no record is shown (an empty catalogue, or the
        // blank panel after a cancelled add) stores a new record too, so no typing is lost.
        const bool nothingShown = !m_shown.has_value();
        if (bAddingNew || nothingShown) {
            try {
                rs->addNew();
            } catch (const std::exception& e) {
                prompts().msgBox(kSaveFailed.arg(QString::fromUtf8(e.what())),
                                 mb::OKOnly | mb::Critical, mainText::AppTitle);
                return;
            }
            bAddingNew = false;
        } else {
            returnToShown();
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
    setModeButtonsEnabled(true);
    FG1->setFocus();
}

bool frmMain::Save_Record() {
    for (size_t i = 0; i < txtTextl.size(); ++i) {
        if (!m_boxCut[i])
            resumeNext(
                [&] { txtTextl[i]->setText(collection::storedBoxText(txtTextl[i]->text())); });
    }
    resumeNext([&] {
        if (txtNotes->toPlainText().isEmpty())
            txtNotes->setPlainText(QStringLiteral(" "));
    });
    if (!rs)
        return false;

    for (int box : kWriteOrder) {
        resumeNext([&] {
            if (box < 0) {
                if (m_notesCut)
                    return;  // shown cut, so left as stored
                rs->fields(QString::fromLatin1(collection::NotesColumn))
                    .setValue(txtNotes->toPlainText());
            } else {
                if (m_boxCut[size_t(box)])
                    return;
                const auto& col = collection::columnOfBox(box);
                rs->fields(QString::fromLatin1(col.name)).setValue(txtTextl[size_t(box)]->text());
            }
        });
    }
    storeChosenPicture();

    // The database has the last word: a refused record is not a saved record.
    try {
        rs->update();
    } catch (const std::exception& e) {
        const QString why = QString::fromUtf8(e.what());
        rs->cancelUpdate();
        returnToShown();
        prompts().msgBox(kSaveFailed.arg(why), mb::OKOnly | mb::Critical, mainText::AppTitle);
        return false;
    }
    rememberShown();
    resumeNext([&] { Update_Display(); });
    resumeNext([&] { PopulateFlexGrid(*FG1, *rs, true); });
    resumeNext([&] { Lock_Display(true); });
    cmdSave->hide();
    cmdCancel->hide();
    cmdSelect->hide();
    return true;
}

}  // namespace kbs
