#include "ShareCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>
#include <memory>

#include "AppError.h"
#include "CatalogueSession.h"
#include "ColumnHeadings.h"
#include "FileDialog.h"
#include "Prompts.h"
#include "ReportPreview.h"
#include "ShareDialog.h"

namespace kbs {

namespace {

// Keeps the label sheet as long as its preview is open.
class SheetHolder : public QObject {
public:
    SheetHolder(std::unique_ptr<LabelSheet> sheet, QObject* parent)
        : QObject(parent), m_sheet(std::move(sheet)) {}

private:
    std::unique_ptr<LabelSheet> m_sheet;
};

}  // namespace

ShareCommands::ShareCommands(QWidget& window, CatalogueSession& session, QMenu& menu,
                             std::function<std::vector<std::int64_t>()> shownIds)
    : QObject(&window), m_window(window), m_session(session), m_shownIds(std::move(shownIds)) {
    QAction* a = menu.addAction(tr("Share and Labels…"));
    a->setObjectName(QStringLiteral("ShareAndLabels"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    window.addAction(a);  // its key works wherever the focus is
    connect(a, &QAction::triggered, this, &ShareCommands::showDialog);
}

void ShareCommands::showDialog() {
    if (!m_session.isOpen())
        return;
    if (!m_dialog) {
        m_dialog = new ShareDialog(m_session.checklists(), m_session.ownFields(), &m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &ShareDialog::webPageRequested, this, &ShareCommands::saveChosen);
        connect(m_dialog, &ShareDialog::labelsRequested, this,
                [this] { showLabels(m_dialog->options(), m_dialog->labelOptions()); });
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

exchange::ShareOptions ShareCommands::withShown(exchange::ShareOptions options) const {
    if (options.list == exchange::ShareList::Shown && options.ids.empty() && m_shownIds)
        options.ids = m_shownIds();
    return options;
}

void ShareCommands::saveChosen() {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.owner = m_dialog ? static_cast<QWidget*>(m_dialog) : &m_window;
    request.title = tr("Save web page");
    request.initialDir = m_lastDir.isEmpty() ? QDir::homePath() : m_lastDir;
    request.initialFile = tr("want-list") + QStringLiteral(".html");
    request.filter =
        tr("Web pages (*.html)") + QChar(0) + QStringLiteral("*.html") + QChar(0) + QChar(0);
    request.filterIndex = 1;
    request.flags = ofn::HideReadOnly | ofn::PathMustExist;
    request.newFileOnly = true;  // the page never replaces a file
    const FileDialogResult chosen = fileDialogs().show(request);
    if (!chosen.accepted || chosen.file.isEmpty() || !m_dialog)
        return;
    QString path = QDir::fromNativeSeparators(chosen.file);
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");
    m_lastDir = QFileInfo(path).absolutePath();
    saveWebPage(m_dialog->options(), path);
}

bool ShareCommands::saveWebPage(exchange::ShareOptions options, const QString& path) {
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto summary = exchange::exportHtml(m_session.file(), path,
                                                  exchange::columnHeadings(), withShown(options));
        QApplication::restoreOverrideCursor();
        QString said = tr("%1 written: %n entries.", nullptr, int(summary.records))
                           .arg(QDir::toNativeSeparators(path));
        for (const QString& note : summary.notes)
            said += QLatin1Char('\n') + note;
        prompts().msgBox(said, mb::OKOnly | mb::Information, tr("Save web page"));
        return true;
    } catch (const AppError& e) {
        QApplication::restoreOverrideCursor();
        prompts().msgBox(e.description(), mb::OKOnly | mb::Exclamation, tr("Save web page"));
        return false;
    }
}

ReportPreview* ShareCommands::showLabels(exchange::ShareOptions options,
                                         const LabelOptions& labels) {
    std::unique_ptr<LabelSheet> sheet;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        sheet = std::make_unique<LabelSheet>(m_session.file(), withShown(options), labels,
                                             exchange::columnHeadings());
        QApplication::restoreOverrideCursor();
    } catch (const AppError& e) {
        QApplication::restoreOverrideCursor();
        prompts().msgBox(e.description(), mb::OKOnly | mb::Exclamation, tr("Labels"));
        return nullptr;
    }
    if (sheet->labelCount() == 0) {
        prompts().msgBox(tr("There are no records to make labels for."),
                         mb::OKOnly | mb::Information, tr("Labels"));
        return nullptr;
    }
    auto* preview = new ReportPreview(*sheet, &m_window);
    preview->setObjectName(QStringLiteral("LabelsPreview"));
    preview->setWindowTitle(tr("Labels"));
    new SheetHolder(std::move(sheet), preview);
    preview->show();
    return preview;
}

}  // namespace kbs
