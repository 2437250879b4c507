#pragma once

#include <QString>

class QLabel;

namespace kbs {

// Shows `text` in `label` and makes it the label's accessible name, so that a screen reader
// reads what is on the screen; the accessibility tree is told of the change. An empty text
// names the label `emptyName` instead (what the label is for).
void showAccessibleText(QLabel& label, const QString& text, const QString& emptyName);

}  // namespace kbs
