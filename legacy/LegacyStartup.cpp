#include "LegacyStartup.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

#include "AppError.h"
#include "ImportProcess.h"
#include "Language.h"
#include "LegacyFormat.h"
#include "LegacyTexts.h"
#include "Prompts.h"
#include "SafeFile.h"
#include "Schema.h"
#include "Sqlite.h"

namespace kbs::legacy {

namespace {

const QString kSource = QStringLiteral("Conversion");
const QString kConverterName = QStringLiteral("kbsmgr-import");

// Where the converter writes: beside the catalogue under a scratch name of this process, so
// that the final move is a rename within one folder.
void removeScratch(const QString& scratch) {
    QFile::remove(scratch);
    safefile::removeLeftovers(scratch);  // the converter's, when it was stopped
}

// Opens what the converter wrote, read-only, and checks that it is a catalogue with the
// number of records the converter reported.
void checkConverted(const QString& path, long records) {
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const QString why = QString::fromUtf8(db ? sqlite3_errmsg(db) : "cannot open");
        sqlite3_close(db);
        throw AppError(err::LegacyCatalogue, kSource,
                       QCoreApplication::translate("kbs::legacy",
                                                   "The converted catalogue cannot be opened: %1")
                           .arg(why));
    }
    try {
        schema::verifyCatalogue(db);
        sqlite::Stmt count(db, std::string("SELECT count(*) FROM ") + schema::TableName, kSource);
        count.step(kSource);
        const long stored = long(sqlite3_column_int64(count.get(), 0));
        if (stored != records) {
            throw AppError(
                err::LegacyCatalogue, kSource,
                QCoreApplication::translate(
                    "kbs::legacy", "The converted catalogue holds %1 records instead of %2.")
                    .arg(stored)
                    .arg(records));
        }
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

// Runs the converter while a cancellable progress window shows.
ImportOutcome runWithProgress(ImportProcess& job, QWidget* parent) {
    QProgressDialog dialog(texts::Progress, texts::CancelButton, 0, 0, parent);
    dialog.setObjectName(QStringLiteral("legacyConversionProgress"));
    dialog.setWindowTitle(texts::Title);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(400);

    QEventLoop loop;
    QObject::connect(&job, &ImportProcess::progress, &dialog, [&dialog](long done, long total) {
        if (total <= 0 || dialog.wasCanceled())
            return;
        if (dialog.maximum() != int(total))
            dialog.setMaximum(int(total));
        dialog.setValue(int(std::min(done, total)));
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &job, &ImportProcess::cancel);
    QObject::connect(&job, &ImportProcess::finished, &loop, &QEventLoop::quit);
    job.start();
    if (job.isRunning())
        loop.exec();
    dialog.close();
    return job.outcome();
}

}  // namespace

QString backupPathFor(const QString& dbPath, int n) {
    return n == 0 ? dbPath + QStringLiteral(".jet")
                  : QStringLiteral("%1.%2.jet").arg(dbPath).arg(n);
}

QString installConverted(const QString& dbPath, const QString& convertedPath) {
    QStringList names;
    for (int n = 0; n < 1000; ++n)
        names << backupPathFor(dbPath, n);
    try {
        return safefile::putInPlace(convertedPath, dbPath, names);
    } catch (const AppError& e) {
        throw AppError(
            err::LegacyCatalogue, kSource,
            QCoreApplication::translate("kbs::legacy",
                                        "The converted catalogue cannot be put in place of %1: %2")
                .arg(dbPath, e.description()));
    }
}

ConversionResult convertLegacyCatalogue(const QString& dbPath, QWidget* parent,
                                        const ConversionOptions& options) {
    ConversionResult result;
    if (!QFileInfo(dbPath).isFile() || !isLegacyCatalogue(dbPath))
        return result;

    const QString converter =
        options.converter.isEmpty()
            ? QDir(QCoreApplication::applicationDirPath()).filePath(kConverterName)
            : options.converter;
    ImportLimits limits = defaultImportLimits(QFileInfo(dbPath).size());
    if (options.timeLimitSeconds > 0)
        limits.seconds = options.timeLimitSeconds;
    if (options.memoryLimitBytes > 0)
        limits.memoryBytes = options.memoryLimitBytes;

    const QString scratch = safefile::freeScratchName(dbPath);
    ImportProcess job(converter, dbPath, scratch, limits);
    ImportOutcome outcome = runWithProgress(job, parent);

    if (outcome.status == ImportOutcome::Status::Converted) {
        try {
            checkConverted(scratch, outcome.records);
            result.backupPath = installConverted(dbPath, scratch);
            result.outcome = ConversionResult::Outcome::Converted;
            result.records = outcome.records;
        } catch (const AppError& e) {
            outcome.status = ImportOutcome::Status::Failed;
            outcome.error = e.description();
        }
    }

    int style = mb::OKOnly;
    switch (outcome.status) {
        case ImportOutcome::Status::Converted: {
            const QString count = outcome.records == 1
                                      ? texts::OneRecord
                                      : texts::ManyRecords.arg(language::number(outcome.records));
            result.message = texts::Converted.arg(dbPath, count, result.backupPath);
            if (!outcome.notes.isEmpty())
                result.message +=
                    QStringLiteral("\r\n\r\n") + outcome.notes.join(QStringLiteral("\r\n"));
            style |= mb::Information;
            break;
        }
        case ImportOutcome::Status::Failed:
            removeScratch(scratch);
            result.outcome = ConversionResult::Outcome::Failed;
            result.message = texts::Failed.arg(dbPath, outcome.error);
            style |= mb::Critical;
            break;
        case ImportOutcome::Status::Cancelled:
            removeScratch(scratch);
            result.outcome = ConversionResult::Outcome::Cancelled;
            result.message = texts::Cancelled.arg(dbPath);
            style |= mb::Exclamation;
            break;
    }
    prompts().msgBox(result.message, style, texts::Title);
    return result;
}

}  // namespace kbs::legacy
