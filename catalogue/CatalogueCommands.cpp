#include "CatalogueCommands.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "AppError.h"
#include "CatalogueFile.h"
#include "CatalogueMerge.h"
#include "ColumnHeadings.h"
#include "ColumnMappingDialog.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "FileDialog.h"
#include "ImportProcess.h"
#include "LegacyFormat.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "Schema.h"
#include "Settings.h"
#include "Tellico.h"
#include "XlsxExport.h"
#include "frmMain.h"

namespace kbs {

namespace {

// The CSV import's mapping step: the mapping chosen, or nothing when cancelled.
std::optional<QStringList> askMapping(const exchange::CsvPreview& preview,
                                      const QStringList& proposed, QWidget* parent) {
    ColumnMappingDialog dialog(preview, proposed, exchange::columnHeadings(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.mapping();
}

// The mapping chosen last for a file with these headings, kept in the settings.
const QString kMappingSection = QStringLiteral("CsvMapping");
QString mappingKey(const QStringList& headings) {
    return QString::fromLatin1(QCryptographicHash::hash(headings.join(QLatin1Char('\n')).toUtf8(),
                                                        QCryptographicHash::Sha1)
                                   .toHex());
}

// A file dialog's filter: pairs of description and patterns, each ended by a NUL.
QString filterOf(const QString& description, const QString& patterns) {
    return description + QChar(0) + patterns + QChar(0) + CatalogueCommands::tr("All files") +
           QChar(0) + QStringLiteral("*") + QChar(0) + QChar(0);
}

QString withSuffix(QString path, const QString& suffix) {
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

}  // namespace

CatalogueCommands::CatalogueCommands(frmMain& window, QMenu& menu)
    : QObject(&window), m_window(window) {
    menu.addSeparator();
    const auto add = [this, &window](QMenu& into, const QString& text, const char* name,
                                     auto slot) {
        QAction* a = into.addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        window.addAction(a);  // its shortcut works wherever the focus is
        return a;
    };
    add(menu, tr("New catalogue…"), "NewCatalogue", [this] {
        newCatalogue();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    add(menu, tr("Open catalogue…"), "OpenCatalogue", [this] {
        openCatalogue();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_recent = menu.addMenu(tr("Open recent"));
    m_recent->setObjectName(QStringLiteral("OpenRecent"));
    connect(m_recent, &QMenu::aboutToShow, this, &CatalogueCommands::fillRecent);
    fillRecent();

    QMenu* in = menu.addMenu(tr("Import"));
    in->setObjectName(QStringLiteral("Import"));
    add(*in, tr("CSV file…"), "ImportCsv", [this] { importFile(Source::Csv); });
    add(*in, tr("Tellico collection…"), "ImportTellico", [this] { importFile(Source::Tellico); });
    add(*in, tr("Catalogue of the older Windows program…"), "ImportOld",
        [this] { importFile(Source::OldCatalogue); });
    m_undoImport = add(menu, tr("Undo import"), "UndoImport", [this] { undoImport(); });
    m_undoImport->setEnabled(false);

    QMenu* out = menu.addMenu(tr("Export"));
    out->setObjectName(QStringLiteral("Export"));
    add(*out, tr("CSV file…"), "ExportCsv", [this] { exportFile(Format::Csv); });
    add(*out, tr("Excel workbook (.xlsx)…"), "ExportXlsx", [this] { exportFile(Format::Xlsx); });
    add(*out, tr("Tellico collection…"), "ExportTellico", [this] { exportFile(Format::Tellico); });
}

void CatalogueCommands::fillRecent() {
    m_recent->clear();
    const QStringList paths = cataloguefile::recent();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* a = m_recent->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).completeBaseName()));
        a->setObjectName(QStringLiteral("Recent%1").arg(i + 1));
        a->setToolTip(path);
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] { open(path); });
    }
    m_recent->setEnabled(!paths.isEmpty());
}

bool CatalogueCommands::ready(const QString& title) const {
    if (!m_window.editing())
        return true;
    prompts().msgBox(tr("Save or cancel the record being edited first."),
                     mb::OKOnly | mb::Information, title);
    return false;
}

QString CatalogueCommands::chooseFile(bool save, const QString& title, const QString& filter,
                                      const QString& suggested) const {
    FileDialogRequest request;
    request.kind = save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
    request.owner = &m_window;
    request.title = title;
    request.initialDir = QFileInfo(cataloguefile::current()).absolutePath();
    request.initialFile = suggested;
    request.filter = filter;
    request.filterIndex = 1;
    request.flags = save ? ofn::PathMustExist : ofn::FileMustExist;
    request.fileBufferSize = 4096;
    request.fileTitleBufferSize = 1024;
    request.newFileOnly = save;
    const FileDialogResult result = fileDialogs().show(request);
    return result.accepted ? result.file : QString();
}

bool CatalogueCommands::reopen(const QString& path, QString& why) {
    const QString before = cataloguefile::current();
    m_window.closeCatalogue();
    cataloguefile::setCurrent(path);
    try {
        m_window.Form_Load();
        return true;
    } catch (const AppError& e) {
        why = e.description();
    }
    m_window.closeCatalogue();
    cataloguefile::setCurrent(before);
    try {
        m_window.Form_Load();
    } catch (const AppError& e) {
        why +=
            QLatin1Char(' ') +
            tr("The catalogue shown before cannot be opened again either: %1").arg(e.description());
    }
    return false;
}

bool CatalogueCommands::open(const QString& path) {
    const QString title = tr("Open catalogue");
    if (!ready(title))
        return false;
    if (!QFileInfo(path).isFile()) {
        prompts().msgBox(tr("There is no catalogue %1.").arg(path), mb::OKOnly | mb::Exclamation,
                         title);
        return false;
    }
    if (isLegacyCatalogue(path)) {
        prompts().msgBox(tr("%1 is a catalogue of the older Windows program. Import makes a new "
                            "catalogue of it; the file itself stays as it is.")
                             .arg(path),
                         mb::OKOnly | mb::Information, title);
        return false;
    }
    QString why;
    if (!reopen(path, why)) {
        prompts().msgBox(tr("The catalogue %1 cannot be opened: %2").arg(path, why),
                         mb::OKOnly | mb::Critical, title);
        return false;
    }
    m_lastImport.reset();
    m_undoImport->setEnabled(false);
    cataloguefile::remember(path);
    fillRecent();
    return true;
}

void CatalogueCommands::openCatalogue() {
    if (!ready(tr("Open catalogue")))
        return;
    const QString path = chooseFile(false, tr("Open catalogue"),
                                    filterOf(tr("Catalogues"), QStringLiteral("*.mdb")), {});
    if (!path.isEmpty())
        open(path);
}

void CatalogueCommands::newCatalogue() {
    const QString title = tr("New catalogue");
    if (!ready(title))
        return;
    QString path = chooseFile(true, title, filterOf(tr("Catalogues"), QStringLiteral("*.mdb")),
                              tr("New catalogue") + QStringLiteral(".mdb"));
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral(".mdb"));
    try {
        schema::createEmptyCatalogue(path);  // refuses a file that is there
    } catch (const AppError& e) {
        prompts().msgBox(tr("The catalogue %1 cannot be made: %2").arg(path, e.description()),
                         mb::OKOnly | mb::Critical, title);
        return;
    }
    open(path);
}

bool CatalogueCommands::build(Source source, const QString& path, const QString& target,
                              QString& why, QString& summary) {
    const exchange::Headings headings = exchange::columnHeadings();
    if (source == Source::Tellico) {
        const exchange::TellicoImport result = exchange::importTellico(path, target, headings);
        summary = tr("%n record(s)", nullptr, int(result.records));
        return true;
    }
    if (source == Source::OldCatalogue) {
        const QString converter =
            QCoreApplication::applicationDirPath() + QStringLiteral("/kbsmgr-import");
        const legacy::ImportOutcome outcome = legacy::ImportProcess::run(
            converter, path, target, legacy::defaultImportLimits(QFileInfo(path).size()));
        summary = tr("%n record(s)", nullptr, int(outcome.records));
        if (outcome.status != legacy::ImportOutcome::Status::Converted)
            why = outcome.error.isEmpty() ? tr("the conversion was stopped") : outcome.error;
        return why.isEmpty();
    }
    exchange::CsvPreview preview = exchange::previewCsv(path, headings);
    if (preview.headings.isEmpty()) {
        why = tr("the file is empty");
        return false;
    }
    const QString key = mappingKey(preview.headings);
    QStringList proposed = preview.suggested;
    const QStringList kept = Settings::get(kMappingSection, key, QString()).split(QLatin1Char(','));
    if (kept.size() == preview.headings.size())
        proposed = kept;
    const std::optional<QStringList> chosen = askMapping(preview, proposed, &m_window);
    if (!chosen)
        return false;  // cancelled: nothing to say
    Settings::save(kMappingSection, key, chosen->join(QLatin1Char(',')));
    exchange::ImportOptions options;
    options.headings = headings;
    options.encoding = preview.encoding;
    options.mapping = *chosen;
    exchange::ImportResult result = exchange::importCsv(path, target, options);
    if (!result.written && result.badRows > 0 && result.problems.front().line > 1) {
        QStringList lines;
        for (size_t i = 0; i < result.problems.size() && i < 5; ++i)
            lines << tr("Line %1: %2.").arg(result.problems[i].line).arg(result.problems[i].what);
        const int answer = prompts().msgBox(
            tr("%n row(s) cannot be imported as written:", nullptr, int(result.badRows)) +
                QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                tr("Import the other rows?"),
            mb::YesNo | mb::Question | mb::DefaultButton2, tr("Import"));
        if (answer != mb::Yes)
            return false;
        options.skipBadRows = true;
        result = exchange::importCsv(path, target, options);
    }
    if (!result.written) {
        why = result.problems.empty() ? tr("nothing could be read")
                                      : tr("line %1: %2")
                                            .arg(result.problems.front().line)
                                            .arg(result.problems.front().what);
        return false;
    }
    summary = tr("%n record(s)", nullptr, int(result.records));
    if (result.blankRows > 0)
        summary +=
            QStringLiteral("; ") + tr("%n empty row(s) skipped", nullptr, int(result.blankRows));
    if (!result.sumRows.empty()) {
        QStringList lines;
        for (const long line : result.sumRows)
            lines << QString::number(line);
        summary +=
            QStringLiteral("; ") +
            tr("left out as a spreadsheet's sum: line(s) %1").arg(lines.join(QStringLiteral(", ")));
    }
    if (result.badRows > 0)
        summary += QStringLiteral("; ") + tr("%n row(s) skipped", nullptr, int(result.badRows));
    return true;
}

void CatalogueCommands::importFile(Source source) {
    const QString title = tr("Import");
    if (!ready(title))
        return;
    const QString filter = source == Source::Csv
                               ? filterOf(tr("CSV files"), QStringLiteral("*.csv;*.txt"))
                           : source == Source::Tellico
                               ? filterOf(tr("Tellico collections"), QStringLiteral("*.tc;*.xml"))
                               : filterOf(tr("Catalogues of the older Windows program"),
                                          QStringLiteral("*.mdb;*.accdb"));
    const QString path = chooseFile(false, title, filter, {});
    if (path.isEmpty())
        return;
    const int where = prompts().msgBox(
        tr("Add the records of %1 to the catalogue that is open?\n\nYes adds them (Undo import "
           "takes them out again); No makes a new catalogue of them and opens it.")
            .arg(QFileInfo(path).fileName()),
        mb::YesNoCancel | mb::Question, title);
    if (where != mb::Yes && where != mb::No)
        return;
    QString target;
    if (where == mb::No) {
        target = chooseFile(true, tr("New catalogue"),
                            filterOf(tr("Catalogues"), QStringLiteral("*.mdb")),
                            QFileInfo(path).completeBaseName() + QStringLiteral(".mdb"));
        if (target.isEmpty())
            return;
        target = withSuffix(target, QStringLiteral(".mdb"));
    } else {
        // A scratch catalogue in the program directory, whose "*.tmp" go at the end.
        target = ProgramInfo::path(
            QStringLiteral("import-%1.tmp").arg(QDateTime::currentMSecsSinceEpoch()));
    }
    QString why;
    QString summary;
    bool built = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        built = build(source, path, target, why, summary);
    } catch (const AppError& e) {
        why = e.description();
    } catch (const std::bad_alloc&) {
        why = tr("there is not enough memory");
    }
    QApplication::restoreOverrideCursor();
    if (!built) {
        if (where == mb::Yes)
            QFile::remove(target);  // the scratch, when the importer left one
        if (!why.isEmpty())
            prompts().msgBox(tr("%1 cannot be imported: %2").arg(path, why),
                             mb::OKOnly | mb::Critical, title);
        return;
    }
    if (where == mb::No) {
        if (open(target))
            m_window.statusBar()->showMessage(
                tr("Imported from %1: %2.").arg(QFileInfo(path).fileName(), summary), 30000);
        return;
    }
    std::vector<qint64> ids;
    m_window.closeCatalogue();
    try {
        ids = merge::addRecords(cataloguefile::current(), target);
    } catch (const AppError& e) {
        why = e.description();
    }
    QFile::remove(target);
    QString reopened;
    if (!reopen(cataloguefile::current(), reopened))
        why += reopened;
    if (!why.isEmpty()) {
        prompts().msgBox(tr("%1 cannot be imported: %2").arg(path, why), mb::OKOnly | mb::Critical,
                         title);
        return;
    }
    m_lastImport = Imported{cataloguefile::current(), path, std::move(ids)};
    m_undoImport->setEnabled(true);
    m_window.statusBar()->showMessage(
        tr("Added from %1: %2. Help > Undo import takes them out again.")
            .arg(QFileInfo(path).fileName(), summary),
        30000);
}

void CatalogueCommands::undoImport() {
    const QString title = tr("Undo import");
    if (!m_lastImport || !ready(title))
        return;
    const int answer =
        prompts().msgBox(tr("Take the %n record(s) imported from %1 out of the catalogue again?",
                            nullptr, int(m_lastImport->ids.size()))
                             .arg(QFileInfo(m_lastImport->from).fileName()),
                         mb::YesNo | mb::Question | mb::DefaultButton2, title);
    if (answer != mb::Yes)
        return;
    QString why;
    m_window.closeCatalogue();
    try {
        merge::removeRecords(m_lastImport->catalogue, m_lastImport->ids);
        m_lastImport.reset();
        m_undoImport->setEnabled(false);
    } catch (const AppError& e) {
        why = e.description();
    }
    QString reopened;
    if (!reopen(cataloguefile::current(), reopened))
        why += reopened;
    if (!why.isEmpty())
        prompts().msgBox(tr("The import cannot be undone: %1").arg(why), mb::OKOnly | mb::Critical,
                         title);
}

void CatalogueCommands::exportFile(Format format) {
    const QString title = tr("Export");
    if (!ready(title))
        return;
    const QString base = QFileInfo(cataloguefile::current()).completeBaseName();
    const QString suffix = format == Format::Csv    ? QStringLiteral(".csv")
                           : format == Format::Xlsx ? QStringLiteral(".xlsx")
                                                    : QStringLiteral(".tc");
    const QString filter =
        format == Format::Csv    ? filterOf(tr("CSV files"), QStringLiteral("*.csv"))
        : format == Format::Xlsx ? filterOf(tr("Excel workbooks"), QStringLiteral("*.xlsx"))
                                 : filterOf(tr("Tellico collections"), QStringLiteral("*.tc"));
    QString path = chooseFile(true, title, filter, base + suffix);
    if (path.isEmpty())
        return;
    path = withSuffix(path, suffix);
    if (QFileInfo::exists(path)) {
        prompts().msgBox(tr("%1 is there already; choose a new name.").arg(path),
                         mb::OKOnly | mb::Exclamation, title);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString why;
    exchange::ExportSummary done;
    try {
        const QString catalogue = cataloguefile::current();
        done = format == Format::Csv ? exchange::exportCsv(catalogue, path)
               : format == Format::Xlsx
                   ? exchange::exportXlsx(catalogue, path, exchange::columnHeadings())
                   : exchange::exportTellico(catalogue, path, exchange::columnHeadings());
    } catch (const AppError& e) {
        why = e.description();
    } catch (const std::bad_alloc&) {
        why = tr("there is not enough memory");
    }
    QApplication::restoreOverrideCursor();
    if (!why.isEmpty()) {
        prompts().msgBox(tr("The catalogue cannot be exported: %1").arg(why),
                         mb::OKOnly | mb::Critical, title);
        return;
    }
    m_window.statusBar()->showMessage(
        tr("Exported %n record(s) to %1.", nullptr, int(done.records)).arg(path), 30000);
}

}  // namespace kbs
