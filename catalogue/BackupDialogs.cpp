#include "BackupDialogs.h"

#include <unistd.h>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "AccessibleText.h"
#include "AppError.h"
#include "Backup.h"
#include "CatalogueLock.h"
#include "CatalogueSession.h"
#include "DeletedRecords.h"
#include "SafeFile.h"

namespace kbs {

namespace {

QTreeWidget* makeList(QDialog& dialog, const QString& name, const QString& caption,
                      const QStringList& headings) {
    auto* layout = qobject_cast<QVBoxLayout*>(dialog.layout());
    auto* label = new QLabel(caption, &dialog);
    auto* list = new QTreeWidget(&dialog);
    list->setObjectName(name);
    label->setObjectName(name + QStringLiteral("Label"));
    label->setBuddy(list);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(headings);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    list->setAccessibleName(label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    layout->addWidget(label);
    layout->addWidget(list);
    return list;
}

QLabel* makeStatus(QDialog& dialog, const QString& name) {
    auto* status = new QLabel(&dialog);
    status->setObjectName(name);
    status->setWordWrap(true);
    dialog.layout()->addWidget(status);
    return status;
}

QString counted(qint64 n) {
    return n < 0 ? QStringLiteral("?") : QLocale().toString(n);
}

}  // namespace

RestoreDialog::RestoreDialog(const QString& folder, const QString& catalogue, QWidget* parent)
    : QDialog(parent), m_catalogue(catalogue) {
    setObjectName(QStringLiteral("dlgRestore"));
    setWindowTitle(tr("Restore a backup"));
    new QVBoxLayout(this);
    m_list = makeList(*this, QStringLiteral("lstBackups"), tr("&Backups:"),
                      {tr("Date"), tr("Records"), tr("Pictures"), tr("Size")});
    for (const backup::Entry& e : backup::entries(folder)) {
        auto* item = new QTreeWidgetItem({QLocale().toString(e.date, QLocale::LongFormat),
                                          counted(e.records), counted(e.pictures),
                                          QLocale().formattedDataSize(e.bytes)});
        item->setData(0, Qt::UserRole, e.path);
        for (int c = 1; c < 4; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        m_list->insertTopLevelItem(0, item);  // the newest first
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("barRestore"));
    m_progress->setAccessibleName(tr("Restore progress"));
    m_progress->setRange(0, 1000);
    m_progress->hide();
    layout()->addWidget(m_progress);
    m_status = makeStatus(*this, QStringLiteral("lblRestoreStatus"));
    showAccessibleText(*m_status,
                       m_list->topLevelItemCount()
                           ? tr("The chosen backup becomes a new catalogue; the catalogue as it "
                                "is now is kept beside it.")
                           : tr("There are no backups yet."),
                       tr("Restore status"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_restore->setObjectName(QStringLiteral("cmdRestore"));
    m_restore->setEnabled(m_list->topLevelItemCount() > 0);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdRestoreCancel"));
    connect(m_restore, &QPushButton::clicked, this, &RestoreDialog::restoreChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &RestoreDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &RestoreDialog::restoreChosen);
    layout()->addWidget(buttons);
    resize(560, 360);
}

RestoreDialog::~RestoreDialog() {
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

void RestoreDialog::restoreChosen() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item || m_thread.joinable())
        return;
    m_backup = item->data(0, Qt::UserRole).toString();
    m_chosen = item->text(0);
    // As the command line: never while another copy of the program has the catalogue open,
    // which would go on showing and saving the old one.
    if (CatalogueLock::othersHold(m_catalogue)) {
        finished(tr("another copy of the program has the catalogue open; close it first"));
        return;
    }
    try {
        safefile::removeLeftovers(m_catalogue);  // of a restore that was killed
        m_target = safefile::freeScratchName(m_catalogue);
    } catch (const AppError&) {
        finished(tr("no new file can be made beside the catalogue"));
        return;
    }
    m_restore->setEnabled(false);
    m_list->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    showAccessibleText(*m_status, tr("Restoring the backup of %1…").arg(item->text(0)), QString());
    m_cancel = false;
    m_thread = std::thread([this] {
        QString why;
        try {
            backup::restore(m_backup, m_target, &m_cancel, [this](int share) {
                QMetaObject::invokeMethod(m_progress, "setValue", Qt::QueuedConnection,
                                          Q_ARG(int, share));
            });
        } catch (const AppError& e) {
            why = e.description();
        }
        QMetaObject::invokeMethod(
            this, [this, why] { finished(why); }, Qt::QueuedConnection);
    });
}

void RestoreDialog::finished(const QString& why) {
    if (m_thread.joinable())
        m_thread.join();
    m_progress->hide();
    m_list->setEnabled(true);
    m_restore->setEnabled(true);
    if (m_cancel) {
        QDialog::reject();
        return;
    }
    if (!why.isEmpty()) {
        showAccessibleText(*m_status, tr("The backup could not be restored: %1.").arg(why),
                           QString());
        return;
    }
    accept();
    Q_EMIT restored(m_target, m_chosen);
}

void RestoreDialog::reject() {
    if (m_thread.joinable()) {
        m_cancel = true;  // finished() closes the window once the restore has stopped
        return;
    }
    QDialog::reject();
}

RecentlyDeletedDialog::RecentlyDeletedDialog(CatalogueSession& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("dlgRecentlyDeleted"));
    setWindowTitle(tr("Recently deleted"));
    new QVBoxLayout(this);
    m_list = makeList(*this, QStringLiteral("lstDeleted"), tr("&Deleted records:"),
                      {tr("ID"), tr("Description"), tr("Deleted"), tr("Pictures")});
    m_status = makeStatus(*this, QStringLiteral("lblDeletedStatus"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    m_restore->setObjectName(QStringLiteral("cmdBringBack"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdDeletedClose"));
    connect(m_restore, &QPushButton::clicked, this, &RecentlyDeletedDialog::bringBackChosen);
    connect(m_list, &QTreeWidget::itemActivated, this, &RecentlyDeletedDialog::bringBackChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
    fill();
    resize(560, 360);
}

void RecentlyDeletedDialog::fill() {
    m_list->clear();
    std::vector<deleted::Record> records;
    try {
        records = m_session.deletedRecords();
    } catch (const AppError& e) {
        showAccessibleText(*m_status,
                           tr("The deleted records cannot be read: %1.").arg(e.description()),
                           QString());
    }
    for (const deleted::Record& r : records) {
        auto* item = new QTreeWidgetItem(
            {QString::number(r.id), r.description,
             QLocale().toString(r.deletedAt.toLocalTime(), QLocale::ShortFormat),
             QString::number(r.pictures)});
        item->setData(0, Qt::UserRole, r.id);
        m_list->addTopLevelItem(item);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_restore->setEnabled(!records.empty());
    if (records.empty() && m_status->text().isEmpty())
        showAccessibleText(*m_status,
                           tr("No record was deleted in the last %1 days.").arg(deleted::KeepDays),
                           QString());
}

void RecentlyDeletedDialog::bringBackChosen() {
    if (const QTreeWidgetItem* item = m_list->currentItem()) {
        const QString what = item->text(1);
        const qint64 id = item->data(0, Qt::UserRole).toLongLong();
        Q_EMIT bringBack(id);
        fill();
        bool still = false;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            still = still || m_list->topLevelItem(i)->data(0, Qt::UserRole).toLongLong() == id;
        if (!still)
            showAccessibleText(*m_status, tr("\"%1\" is back in the catalogue.").arg(what),
                               QString());
    }
}

}  // namespace kbs
