// The editor, the tips and the About window, each opened modally from the Help menu.
#include "frmAbout.h"
#include "frmEditor.h"
#include "frmMain.h"
#include "frmTip.h"

namespace kbs {

void frmMain::showEditor() {
    frmEditor editor(windowTitle(), this);
    editor.exec();
}

// While the start-up tip window is still open, "Tips" brings it to the front instead of
// opening a second one.
void frmMain::showTips() {
    if (frmTip* open = frmTip::openWindow()) {
        open->raise();
        open->activateWindow();
        return;
    }
    frmTip tip(this);
    tip.exec();
}

void frmMain::showAbout() {
    frmAbout about(this);
    about.exec();
}

}  // namespace kbs
