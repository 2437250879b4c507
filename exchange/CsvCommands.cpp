#include "CsvCommands.h"

#include <QCoreApplication>
#include <cstdio>
#include <functional>
#include <new>

#include "AppError.h"
#include "CsvExport.h"
#include "Tellico.h"
#include "XlsxExport.h"

namespace kbs::exchange {

namespace {

// One line on standard error, after the command's name.
void complain(const QString& message) {
    std::fprintf(stderr, "kbsmgr-import: %s\n", escapeControls(message).toUtf8().constData());
}

QString noMemory(const QString& source) {
    return QCoreApplication::translate("kbs::exchange", "%1 needs more memory than there is.")
        .arg(source);
}

}  // namespace

// The messages and notes are in the program's language; the last line ("imported N records"),
// which scripts read, is not.
int runCsvImport(const char* sourceArg, const QString& source, const QString& target,
                 const ImportOptions& options) {
    const bool skipBadRows = options.skipBadRows;
    const QString shownSource = QString::fromLocal8Bit(sourceArg);
    ImportResult result;
    try {
        result = importCsv(source, target, options);
    } catch (const AppError& e) {
        complain(e.description());
        return kExitFailed;
    } catch (const std::bad_alloc&) {
        complain(noMemory(shownSource));
        return kExitFailed;
    }
    const QString skipped =
        result.written ? QCoreApplication::translate("kbs::exchange", " The row was skipped.")
                       : QString();
    for (const auto& problem : result.problems) {
        // One line each, whatever the file holds.
        complain(QCoreApplication::translate("kbs::exchange", "%1 line %2: %3.%4")
                     .arg(shownSource, QString::number(problem.line), problem.what, skipped));
    }
    const long unlisted = result.badRows - long(result.problems.size());
    if (unlisted > 0) {
        complain(QCoreApplication::translate("kbs::exchange", "%1: and %2 more rows like these.")
                     .arg(shownSource, QString::number(unlisted)));
    }
    if (!result.written) {
        complain(QCoreApplication::translate(
                     "kbs::exchange",
                     "%1: %2 row(s) cannot be imported as written, so nothing was written%3.")
                     .arg(shownSource, QString::number(result.badRows),
                          result.badRows > 0 && result.problems.front().line > 1 && !skipBadRows
                              ? QCoreApplication::translate("kbs::exchange",
                                                            " (--skip-bad-rows imports the others)")
                              : QString()));
        return kExitFailed;
    }
    for (const QString& note : result.notes)
        std::printf("note: %s\n", escapeControls(note).toUtf8().constData());
    for (const long line : result.sumRows) {
        std::printf("note: %s\n", QCoreApplication::translate(
                                      "kbs::exchange",
                                      "line %1 looks like a spreadsheet's sum and was left out "
                                      "(--keep-sum-rows imports it).")
                                      .arg(line)
                                      .toUtf8()
                                      .constData());
    }
    if (result.badRows > 0)
        std::printf("imported %ld records, skipped %ld rows\n", result.records, result.badRows);
    else
        std::printf("imported %ld records\n", result.records);
    return kExitDone;
}

int listHeadings(const Headings& headings) {
    std::printf("%s\n", headings.listing().join(QLatin1Char('\n')).toUtf8().constData());
    std::printf("%s, %s, %s, %s\n", PictureFileColumn, MorePicturesColumn, MoreLinksColumn,
                MoreCaptionsColumn);
    return kExitDone;
}

namespace {

// Runs an export and tells what it wrote, or why it failed.
int reportExport(const QString& catalogue, const std::function<ExportSummary()>& run) {
    const auto failed = [](const QString& message) {
        std::fprintf(stderr, "kbsmgr-export: %s\n", message.toUtf8().constData());
        return kExitFailed;
    };
    try {
        const ExportSummary summary = run();
        for (const QString& note : summary.notes)
            std::printf("note: %s\n", note.toUtf8().constData());
        std::printf("exported %ld records, %ld pictures\n", summary.records, summary.pictures);
        return kExitDone;
    } catch (const AppError& e) {
        return failed(e.description());
    } catch (const std::bad_alloc&) {
        return failed(QCoreApplication::translate("kbs::exchange",
                                                  "There was not enough memory to export %1.")
                          .arg(catalogue));
    }
}

}  // namespace

int runExport(ExportFormat format, const QString& catalogue, const QString& out,
              const Headings& headings, const volatile std::sig_atomic_t* stop,
              const QStringList& pictureTrees) {
    const auto go = [stop](long, long) { return *stop == 0; };
    return reportExport(catalogue, [&] {
        return format == ExportFormat::Xlsx
                   ? exportXlsx(catalogue, out, headings, std::nullopt, go, pictureTrees)
               : format == ExportFormat::Tellico
                   ? exportTellico(catalogue, out, headings, std::nullopt, go, pictureTrees)
                   : exportCsv(catalogue, out, std::nullopt, go);
    });
}

int runHtmlExport(const QString& catalogue, const QString& out, const Headings& headings,
                  const ShareOptions& options, const volatile std::sig_atomic_t* stop) {
    const auto go = [stop](long, long) { return *stop == 0; };
    return reportExport(catalogue,
                        [&] { return exportHtml(catalogue, out, headings, options, go); });
}

int runTellicoImport(const QString& source, const QString& target, const Headings& headings,
                     const QStringList& pictureTrees) {
    try {
        const TellicoImport result = importTellico(source, target, headings, pictureTrees);
        for (const QString& note : result.notes)
            std::printf("note: %s\n", escapeControls(note).toUtf8().constData());
        std::printf("imported %ld records, %ld pictures\n", result.records, result.pictures);
        return kExitDone;
    } catch (const AppError& e) {
        complain(e.description());
    } catch (const std::bad_alloc&) {
        complain(noMemory(source));
    }
    return kExitFailed;
}

}  // namespace kbs::exchange
