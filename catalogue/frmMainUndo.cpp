// Bringing back what was deleted or replaced: the undo of a delete, the recently deleted
// records, and a backup restored in the catalogue's place.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>

#include "AppError.h"
#include "Backup.h"
#include "CastingCommands.h"
#include "CatalogueCommands.h"
#include "ChecklistCommands.h"
#include "DataReport.h"
#include "DeleteUndo.h"
#include "DetailPanel.h"
#include "FlexGrid.h"
#include "GroupPanel.h"
#include "MainTexts.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "RecoveryCommands.h"
#include "ReportCommands.h"
#include "ShareCommands.h"
#include "StatisticsWindow.h"
#include "ThumbnailMaker.h"
#include "TotalsReport.h"
#include "frmMain.h"

namespace kbs {

void frmMain::addRecoveryEntries() {
    m_undo = new DeleteUndo(*this, *StatusBar1);
    connect(m_undo, &DeleteUndo::undoRequested, this, &frmMain::Undo_Delete);
    QToolButton* help = toolbarButton(QStringLiteral("Help"));
    if (!help || !help->menu())
        return;
    m_recovery =
        new RecoveryCommands(*this, m_session, *help->menu(), [this] { return editing(); });
    connect(m_recovery, &RecoveryCommands::bringBack, this,
            [this](qint64 id) { bringBackRecord(id); });
    connect(m_recovery, &RecoveryCommands::restored, this, &frmMain::swapInRestored);
    m_catalogues = new CatalogueCommands(*this, *help->menu());
    m_checklistCommands = new ChecklistCommands(*this, m_session, *help->menu(), *FilterBar1);
    m_share = new ShareCommands(*this, m_session, *help->menu(), [this] { return shownIds(); });
}

void frmMain::closeCatalogue() {
    FG1->model().detach();
    m_groups->setRecords(nullptr);
    DataReport1->unload();  // its record set reads the catalogue too
    TotalsReport1->unload();
    setGalleryShown(false);
    if (m_thumbs) {  // it reads the catalogue it was made for
        m_thumbs->stop();
        delete m_thumbs;
        m_thumbs = nullptr;
        thumbStatus->hide();
    }
    rs = nullptr;
    if (m_checklistCommands)
        m_checklistCommands->forget();
    m_session.close();
    m_undo->forgetAll();
    m_reports->recordsChanged();
}

void frmMain::Undo_Delete() {
    // While a record is added or edited, Ctrl+Z belongs to the fields.
    if (bAddingNew || !m_panel->locked() || !m_undo)
        return;
    if (const auto d = m_undo->take())
        bringBackRecord(d->id, d->gridRow);
}

void frmMain::bringBackRecord(qint64 id, std::optional<int> gridRow) {
    if (!rs || !m_session.isOpen())
        return;
    qint64 now = id;
    try {
        now = m_session.bringBack(id);
    } catch (const AppError& e) {
        prompts().msgBox(tr("The record could not be brought back: %1").arg(e.description()),
                         mb::OKOnly | mb::Critical, tr("Undo delete"));
        return;
    }
    // Its thumbnails went with the delete; the gallery and the strip want them back.
    if (m_thumbs)
        m_thumbs->request(now);
    const bool editing = bAddingNew || !m_panel->locked();
    RecordSet::Slot slot = 0;
    {
        // While a record is being edited the fields go on showing it.
        const ShownRecordGuard onShown(*this, *rs);
        try {
            slot = rs->reinsert(now);
            m_castingCommands->rowChanged(false, slot);
        } catch (const AppError&) {
            PopulateFlexGrid(*FG1, *rs, true);
            return;
        }
        if (!editing)
            m_shown = rs->bookmark();
    }
    FlexGridModel& model = FG1->model();
    if (!model.showsRecordsOf(*rs)) {
        PopulateFlexGrid(*FG1, *rs, true);
    } else {
        // Its row in the grid as it was, or its place in the catalogue's order.
        const auto& order = rs->slotsInOrder();
        const auto at = std::find(order.begin(), order.end(), slot) - order.begin();
        model.insertSlot(slot, gridRow.value_or(int(at)));
        m_groups->recordChanged(slot);
    }
    setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount()));
    if (editing)
        return;
    Update_Display();
    markShownRow(*FG1);
    Lock_Display(true);
}

void frmMain::showRecentlyDeleted() {
    if (m_recovery)
        m_recovery->showRecentlyDeleted();
}

void frmMain::showRestoreBackup() {
    if (m_recovery)
        m_recovery->showRestoreBackup();
}

void frmMain::swapInRestored(const QString& file, const QString& backupDate) {
    if (m_stopBackup)
        m_stopBackup();
    const QString folder = ProgramInfo::path(backup::FolderName);
    QDir().mkpath(folder);
    const backup::FolderLock lock(folder);
    QString why;
    QString keptAs;
    if (!lock.held()) {
        why = tr("a backup is being made");
    } else {
        closeCatalogue();
        try {
            keptAs = m_session.swapIn(file);
        } catch (const AppError& e) {
            why = e.description();
        }
    }
    if (!why.isEmpty())
        QFile::remove(file);
    if (lock.held()) {
        try {
            Form_Load();
        } catch (const AppError& e) {
            why = e.description();
        }
    }
    if (!why.isEmpty()) {
        prompts().msgBox(tr("The backup could not be restored: %1.").arg(why),
                         mb::OKOnly | mb::Critical, tr("Restore a backup"));
        return;
    }
    StatusBar1->showMessage(tr("The backup of %1 is restored; the catalogue as it was is kept "
                               "as %2.")
                                .arg(backupDate, QFileInfo(keptAs).fileName()),
                            30000);
}

}  // namespace kbs
