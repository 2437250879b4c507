#include "ScriptedPrompts.h"

namespace kbs::test {

int ScriptedPrompts::msgBox(const QString& text, int style, const QString& title) {
    shown.append({Shown::Message, text, title, style, {}});
    if (!m_msgAnswers.isEmpty())
        return m_msgAnswers.dequeue();
    // A box nobody scripted: note it and press its default button.
    unexpected << QStringLiteral("message: %1").arg(text);
    const int buttons = style & mb::ButtonsMask;
    const int def = (style & mb::DefaultMask) >> 8;
    switch (buttons) {
        case mb::OKCancel:
            return def == 1 ? mb::Cancel : mb::OK;
        case mb::YesNo:
            return def == 1 ? mb::No : mb::Yes;
        case mb::YesNoCancel:
            return def == 0 ? mb::Yes : def == 1 ? mb::No : mb::Cancel;
        case mb::RetryCancel:
            return def == 1 ? mb::Cancel : mb::Retry;
        case mb::AbortRetryIgnore:
            return def == 0 ? mb::Abort : def == 1 ? mb::Retry : mb::Ignore;
        default:
            return mb::OK;
    }
}

QString ScriptedPrompts::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    shown.append({Shown::Input, prompt, title, 0, defaultText});
    if (!m_inputAnswers.isEmpty())
        return m_inputAnswers.dequeue();
    unexpected << QStringLiteral("input: %1").arg(prompt);
    return {};
}

void ScriptedPrompts::reset() {
    shown.clear();
    unexpected.clear();
    urls.clear();
    beeps = 0;
    m_msgAnswers.clear();
    m_inputAnswers.clear();
    m_openUrlResult = true;
}

}  // namespace kbs::test
