#include "Ambient.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace kbs::ambient {

namespace {
constexpr char kUserMode[] = "kbsUserMode";
}

bool userMode(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        const QVariant v = w->property(kUserMode);
        if (v.isValid())
            return v.toBool();
    }
    return true;
}

void setUserMode(QWidget* host, bool running) {
    host->setProperty(kUserMode, running);
}

QString displayName(const QWidget* control) {
    if (!control->objectName().isEmpty())
        return control->objectName();
    QString name = QString::fromLatin1(control->metaObject()->className());
    const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
    return colons >= 0 ? name.mid(colons + 2) : name;
}

}  // namespace kbs::ambient
