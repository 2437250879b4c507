#include "ValueCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

#include "AppError.h"
#include "CatalogueFile.h"
#include "CatalogueSession.h"
#include "ColumnHeadings.h"
#include "DataReport.h"
#include "Designed.h"
#include "DetailPanel.h"
#include "FileDialog.h"
#include "PriceGuide.h"
#include "Prompts.h"
#include "RecordSet.h"
#include "TotalsReport.h"
#include "ValueChangesReport.h"
#include "ValueHistoryDialog.h"
#include "frmMain.h"

namespace kbs {

ValueCommands::ValueCommands(frmMain& window, DetailPanel& panel, QMenu* importMenu)
    : QObject(&window), m_window(window) {
    // Right of Value's date, where the row has room: no box or label moves for it.
    cmdValueHistory =
        designed<QPushButton>(panel.frame(), "cmdValueHistory", {9720, 1680, 375, 285});
    cmdValueHistory->setIcon(designIcon(QStringLiteral("history")));
    cmdValueHistory->setAccessibleName(tr("Value history"));
    cmdValueHistory->setToolTip(
        tr("Value history (%1)").arg(HistoryKey.toString(QKeySequence::NativeText)));
    cmdValueHistory->setAutoDefault(false);
    connect(cmdValueHistory, &QPushButton::clicked, this, &ValueCommands::showHistory);
    auto* key = new QAction(this);
    key->setObjectName(QStringLiteral("ValueHistoryKey"));
    key->setShortcut(HistoryKey);
    key->setShortcutContext(Qt::WindowShortcut);
    window.addAction(key);
    connect(key, &QAction::triggered, this, &ValueCommands::showHistory);

    m_report = new ValueChangesReport(this);
    if (QMenu* reports = window.findChild<QMenu*>(QStringLiteral("ReportMenu"))) {
        QAction* a = reports->addAction(tr("Value changes…"));
        a->setObjectName(QStringLiteral("ValueChanges"));
        connect(a, &QAction::triggered, this, &ValueCommands::showValueChanges);
    }
    if (importMenu) {
        QAction* a = importMenu->addAction(tr("Price guide (valuations)…"));
        a->setObjectName(QStringLiteral("ImportValues"));
        window.addAction(a);
        connect(a, &QAction::triggered, this, &ValueCommands::importPriceGuide);
    }
}

bool ValueCommands::ready(const QString& title) const {
    if (!m_window.editing())
        return true;
    prompts().msgBox(tr("Save or cancel the record being edited first."),
                     mb::OKOnly | mb::Information, title);
    return false;
}

void ValueCommands::showHistory() {
    const QString title = tr("Value history");
    RecordSet* rs = m_window.recordSet();
    if (!rs || !rs->hasCurrentRecord() || rs->isAddingNew()) {
        prompts().beep();
        return;
    }
    if (!ready(title))
        return;
    qint64 id = 0;
    QString description;
    try {
        id = rs->value(0).toLongLong();
        description = rs->value(1).toString().trimmed();
    } catch (const AppError&) {
        prompts().beep();
        return;
    }
    ValueHistoryDialog dialog(m_window.session(), id, description, &m_window);
    dialog.exec();
    if (dialog.changed())
        m_window.valuationsChanged({id});
    cmdValueHistory->setFocus();
}

void ValueCommands::importPriceGuide() {
    const QString title = tr("Import a price guide");
    if (!m_window.recordSet() || !ready(title))
        return;
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.owner = &m_window;
    request.title = title;
    request.initialDir = QFileInfo(cataloguefile::current()).absolutePath();
    request.filter = tr("CSV files") + QChar(0) + QStringLiteral("*.csv;*.txt") + QChar(0) +
                     tr("All files") + QChar(0) + QStringLiteral("*") + QChar(0) + QChar(0);
    request.filterIndex = 1;
    request.flags = ofn::FileMustExist;
    request.fileBufferSize = 4096;
    request.fileTitleBufferSize = 1024;
    const FileDialogResult chosen = fileDialogs().show(request);
    if (!chosen.accepted)
        return;
    values::Applied applied;
    try {
        applied = m_window.session().importValuations(
            exchange::readPriceGuide(chosen.file, exchange::columnHeadings()));
    } catch (const AppError& e) {
        prompts().msgBox(tr("Nothing was imported. %1").arg(e.description()),
                         mb::OKOnly | mb::Exclamation, title);
        return;
    }
    m_window.valuationsChanged(applied.updated);
    prompts().msgBox(exchange::describe(applied), mb::OKOnly | mb::Information, title);
}

}  // namespace kbs

namespace kbs {

// Asks for the two dates, the second today unless told otherwise, and shows the report of the
// records held between them.
void ValueCommands::showValueChanges() {
    const QString title = tr("Value changes");
    RecordSet* rs = m_window.recordSet();
    if (!rs)
        return;
    QDate dates[2] = {QDate::currentDate().addYears(-1), QDate::currentDate()};
    const QString asks[2] = {tr("From which date (YYYY-MM-DD)?"),
                             tr("To which date (YYYY-MM-DD)?")};
    for (int i = 0; i < 2; ++i) {
        const QString typed = prompts().inputBox(asks[i], title, values::writeDate(dates[i]));
        if (typed.isEmpty())
            return;  // cancelled
        dates[i] = values::readDate(typed);
        if (!dates[i].isValid()) {
            prompts().msgBox(tr("\"%1\" is no date. Type it as 2026-03-31.").arg(typed.trimmed()),
                             mb::OKOnly | mb::Exclamation, title);
            return;
        }
    }
    std::vector<qint64> ids;
    for (const RecordSet::Slot slot : rs->slotsInOrder())
        ids.push_back(QByteArrayView(rs->rowTextsAt(slot).cell(0)).toLongLong());
    try {
        m_report->setChanges(m_window.session().file(), dates[0], dates[1],
                             m_window.session().valueByDate().changes(ids, dates[0], dates[1]));
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, title);
        return;
    }
    m_window.DataReport1->unload();  // one report window at a time
    m_window.TotalsReport1->unload();
    m_report->show();
}

}  // namespace kbs
