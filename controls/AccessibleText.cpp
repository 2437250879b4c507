#include "AccessibleText.h"

#include <QAccessible>
#include <QLabel>

namespace kbs {

void showAccessibleText(QLabel& label, const QString& text, const QString& emptyName) {
    label.setText(text);
    const QString name = text.isEmpty() ? emptyName : text;
    if (label.accessibleName() == name)
        return;
    label.setAccessibleName(name);
    // Qt announces a new name itself only for some widgets and versions: say it once more
    // here, harmless where it already did.
    QAccessibleEvent changed(&label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace kbs
