#include "Prompts.h"

#include <QtGlobal>

#include "ProgramInfo.h"

namespace kbs {

namespace {
Prompts* g_prompts = nullptr;

// Used when nothing was installed: answers as if the default button were pressed.
class SilentPrompts final : public Prompts {
public:
    int msgBox(const QString& text, int style, const QString& title) override {
        qWarning("%s: %s", qPrintable(title), qPrintable(text));
        switch (style & mb::ButtonsMask) {
            case mb::YesNo:
            case mb::YesNoCancel:
                return mb::Yes;
            default:
                return mb::OK;
        }
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
    bool openUrl(const QString&) override { return false; }
};
}  // namespace

Prompts& prompts() {
    static SilentPrompts silent;
    return g_prompts ? *g_prompts : silent;
}

void setPrompts(Prompts* p) {
    g_prompts = p;
}

QString defaultMsgBoxTitle() {
    return ProgramInfo::exeName();
}

}  // namespace kbs
