#pragma once

#include <QString>

class QWidget;

namespace kbs::ambient {

// What a control learns from the window that hosts it.
//
// The run-mode flag: true while the program runs, false while a window is laid out in a
// designer. A host marks itself (and so every control inside it) with setUserMode(host, false);
// a control asks userMode(this), which looks at the control and then its parents, and is true
// when none of them was marked.
bool userMode(const QWidget* control);
void setUserMode(QWidget* host, bool running);

// The name the host gives a control it holds: its objectName, or its class name without the
// namespace when it has none.
QString displayName(const QWidget* control);

}  // namespace kbs::ambient
