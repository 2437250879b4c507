#pragma once

#include <memory>

namespace kbs {

class frmMain;
class frmTip;

// What the start-up routine leaves running.
struct Program {
    std::unique_ptr<frmMain> main;
    std::unique_ptr<frmTip> tip;
};

// The start-up routine: shows the catalogue window and, as the setting says, the tip window.
// When the catalogue cannot be opened it says why and returns an empty Program: the program
// then ends with a non-zero status.
Program startProgram();

}  // namespace kbs
