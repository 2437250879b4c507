#include "Startup.h"

#include "AppError.h"
#include "Connection.h"
#include "MainTexts.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "Schema.h"
#include "frmMain.h"
#include "frmTip.h"

namespace kbs {

Program startProgram() {
    Program program;
    auto main = std::make_unique<frmMain>();
    main->bAddingNew = false;
    try {
        main->Form_Load();
    } catch (const AppError& e) {
        const QString path = ProgramInfo::path(QString::fromLatin1(schema::DatabaseFileName));
        const QString text = e.number() == err::LegacyCatalogue
                                 ? mainText::LegacyCatalogue.arg(path)
                                 : mainText::CannotOpen.arg(path, e.description());
        prompts().msgBox(text, mb::OKOnly | mb::Critical, mainText::AppTitle);
        return program;
    }
    main->show();
    program.main = std::move(main);
    if (frmTip::startupSetting() == 1) {
        program.tip = std::make_unique<frmTip>();
        program.tip->setModal(false);
        program.tip->show();
    }
    return program;
}

}  // namespace kbs
