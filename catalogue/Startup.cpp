#include "Startup.h"

#include "AppError.h"
#include "Backup.h"
#include "CatalogueFile.h"
#include "Connection.h"
#include "LegacyStartup.h"
#include "MainTexts.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "SafeFile.h"
#include "Schema.h"
#include "frmMain.h"
#include "frmTip.h"

namespace kbs {

Program startProgram() {
    Program program;
    // What a killed earlier run left behind goes first.
    safefile::removeLeftoversIn(ProgramInfo::directory());
    // A catalogue of the older Windows program is converted first; the original is kept.
    // Another catalogue, named on the command line, is opened as it is.
    const QString dbPath = cataloguefile::current();
    if (cataloguefile::isOwn(dbPath)) {
        backup::removeUnfinishedSwap(dbPath);
        if (!legacy::convertLegacyCatalogue(dbPath, nullptr).mayOpen())
            return program;
    }

    auto main = std::make_unique<frmMain>();
    main->bAddingNew = false;
    try {
        main->Form_Load();
    } catch (const AppError& e) {
        prompts().msgBox(mainText::CannotOpen.arg(dbPath, e.description()),
                         mb::OKOnly | mb::Critical, mainText::AppTitle);
        return program;
    }
    main->show();
    program.main = std::move(main);
    if (frmTip::startupSetting() == 1) {
        program.tip = std::make_unique<frmTip>();
        program.tip->setModal(false);
        program.tip->placeBeside(program.main.get());
        program.tip->show();
    }
    return program;
}

}  // namespace kbs
