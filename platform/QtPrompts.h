#pragma once

#include "Prompts.h"

namespace kbs {

// The prompts a person sees: Qt message boxes and input dialogs, owned by the active window.
class QtPrompts final : public Prompts {
public:
    int msgBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    void beep() override;
    bool openUrl(const QString& url) override;
};

}  // namespace kbs
