// Kerbside Manager: the start-up routine.
#include <QApplication>

#include "FileDialogQt.h"
#include "ProgramInfo.h"
#include "QtPrompts.h"
#include "Startup.h"
#include "frmMain.h"
#include "frmTip.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kbs::ProgramInfo::exeName());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(kbs::ProgramInfo::major())
                                            .arg(kbs::ProgramInfo::minor())
                                            .arg(kbs::ProgramInfo::revision()));
    kbs::QtPrompts prompts;
    kbs::setPrompts(&prompts);
    kbs::FileDialogQt fileDialogs;
    kbs::setFileDialogs(&fileDialogs);

    kbs::Program program = kbs::startProgram();
    if (!program.main)
        return 1;
    const int status = app.exec();
    kbs::setFileDialogs(nullptr);
    kbs::setPrompts(nullptr);
    return status;
}
