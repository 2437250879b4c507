// The editor, the tips and the About window, each opened modally from the Help menu.
#include "frmEditor.h"
#include "frmMain.h"
#include "frmTip.h"

namespace kbs {

void frmMain::showEditor() {
    frmEditor editor(windowTitle(), this);
    editor.exec();
}

void frmMain::showTips() {
    frmTip tip(this);
    tip.exec();
}

void frmMain::showAbout() {}

}  // namespace kbs
