// Showing the current record in the detail panel.
#include "DetailPanel.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

void frmMain::Clear_Display() {
    m_panel->clear();
    m_shown.reset();
}

// Whether the Record set holds no record at all; ifUnknown when it cannot tell.
bool frmMain::holdsNoRecord(bool ifUnknown) const {
    bool empty = ifUnknown;
    resumeNext([&] { empty = rs->bof() && rs->eof(); });
    return empty;
}

void frmMain::Update_Display() {
    resumeNext([&] { Clear_Display(); });
    if (!rs)
        return;
    if (holdsNoRecord(true))
        return;
    resumeNext([&] { m_shown = rs->bookmark(); });

    m_panel->show(*rs, shownId());
}

}  // namespace kbs
