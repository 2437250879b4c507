// Kerbside Manager: the start-up routine.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <memory>

#include "AppError.h"
#include "Backup.h"
#include "CatalogueFile.h"
#include "FileDialogQt.h"
#include "Language.h"
#include "ProgramDirectory.h"
#include "ProgramInfo.h"
#include "QtPrompts.h"
#include "Schema.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "frmMain.h"
#include "frmTip.h"

namespace {
// The usage and the version are printed without a window: they need no display, so that
// `kbsmgr --help` works in a terminal without one.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            break;
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return std::make_unique<QCoreApplication>(argc, argv);
    }
    return std::make_unique<QApplication>(argc, argv);
}

// With KBS_FIRST_SCREEN_CPU set (by the benchmark), the processor time spent until the main
// window's first paint is done is written to stderr as "first-screen-cpu-ms=N".
class FirstScreen : public QObject {
public:
    explicit FirstScreen(QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                timespec ts{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
                std::fprintf(stderr, "first-screen-cpu-ms=%.3f\n",
                             double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6);
                std::fflush(stderr);
            });
        }
        return false;
    }

private:
    QWidget* m_window;
};
}  // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QApplication::setApplicationName(kbs::ProgramInfo::exeName());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(kbs::ProgramInfo::major())
                                            .arg(kbs::ProgramInfo::minor())
                                            .arg(kbs::ProgramInfo::revision()));
    QGuiApplication::setDesktopFileName(kbs::ProgramInfo::appId());
    kbs::language::install(kbs::language::requested(QCoreApplication::arguments()),
                           kbs::language::folders(QCoreApplication::applicationDirPath()));
    kbs::QtPrompts prompts;
    kbs::setPrompts(&prompts);
    kbs::FileDialogQt fileDialogs;
    kbs::setFileDialogs(&fileDialogs);

    QCommandLineParser options;
    options.setApplicationDescription(QApplication::translate(
        "main", "Kerbside Manager: a catalogue of a die-cast model car collection."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption newWindow(
        QStringLiteral("new-window"),
        QApplication::translate("main",
                                "Open a window of its own even when the program is "
                                "already running on this catalogue."));
    options.addOption(newWindow);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QApplication::translate("main",
                                "Use this language (de, fr, nl, es, en) instead of the system's."),
        QStringLiteral("language"));
    options.addOption(lang);
    options.addPositionalArgument(
        QStringLiteral("catalogue"),
        QApplication::translate("main", "The catalogue to open instead of your own."),
        QStringLiteral("[CATALOGUE.mdb]"));
    options.process(*app);
    if (options.positionalArguments().size() > 1)
        options.showHelp(2);

    // A portable copy keeps its files beside the executable; an installed program keeps them
    // in the user's own folder, made on the first start.
    QString dir;
    try {
        dir = kbs::programdir::choose(QCoreApplication::applicationDirPath(),
                                      &kbs::schema::createEmptyCatalogue);
    } catch (const kbs::AppError& e) {
        prompts.msgBox(QApplication::translate(
                           "main", "The folder for your collection cannot be prepared: %1.")
                           .arg(e.description()),
                       kbs::mb::OKOnly | kbs::mb::Critical, QStringLiteral("Kerbside Manager"));
        return 1;
    }
    kbs::ProgramInfo::setDirectoryOverride(dir);
    if (!options.positionalArguments().isEmpty()) {
        const QString named = options.positionalArguments().constFirst();
        if (!QFileInfo(named).isFile()) {
            prompts.msgBox(QApplication::translate("main", "There is no catalogue %1.").arg(named),
                           kbs::mb::OKOnly | kbs::mb::Critical, QStringLiteral("Kerbside Manager"));
            return 1;
        }
        kbs::cataloguefile::setCurrent(named);
        kbs::cataloguefile::remember(named);
    }
    const QString catalogue = kbs::cataloguefile::current();

    // A second start on the same catalogue brings the running window to the front.
    kbs::SingleInstance single(kbs::SingleInstance::serverNameFor(catalogue));
    if (!options.isSet(newWindow) && single.handOver())
        return 0;

    kbs::Program program = kbs::startProgram();
    if (!program.main)
        return 1;
    FirstScreen firstScreen(program.main.get());
    if (qEnvironmentVariableIsSet("KBS_FIRST_SCREEN_CPU"))
        QCoreApplication::instance()->installEventFilter(&firstScreen);
    QObject::connect(&single, &kbs::SingleInstance::activationRequested, program.main.get(),
                     [&program] {
                         QWidget* front = QApplication::activeModalWidget();
                         if (!front)
                             front = program.main.get();
                         if (front->isMinimized())
                             front->showNormal();
                         front->raise();
                         front->activateWindow();
                     });
    // A backup copy of the catalogue as it was at start, made beside the window's work: after
    // the thumbnails of the first screen, before the others.
    kbs::backup::BackgroundBackup backup(catalogue,
                                         kbs::ProgramInfo::path(kbs::backup::FolderName));
    QObject::connect(&backup, &kbs::backup::BackgroundBackup::finished, program.main.get(),
                     [&program](const kbs::backup::Result& r) {
                         if (!r.message.isEmpty())
                             program.main->statusBar()->showMessage(r.message, 20000);
                         program.main->backupFinished();
                     });
    if (kbs::cataloguefile::isOwn(catalogue))  // the backups are of the program's own
        program.main->setBackupTurn([&backup] { backup.start(); });
    program.main->setStopBackup([&backup] { backup.stop(); });
    const int status = QCoreApplication::exec();
    kbs::setFileDialogs(nullptr);
    kbs::setPrompts(nullptr);
    return status;
}
