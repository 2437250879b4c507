#include "ScriptedPrompts.h"

namespace kbs::test {

using namespace Qt::StringLiterals;

int ScriptedPrompts::msgBox(const QString& text, int style, const QString& title) {
    shown.append({Shown::Message, text, title, style, {}});
    if (!m_msgAnswers.isEmpty())
        return m_msgAnswers.dequeue();
    // A box nobody scripted fails the running case (TestEnv); until then it is cancelled.
    unexpected << u"message: %1"_s.arg(text);
    return (style & mb::ButtonsMask) == mb::OKOnly ? mb::OK : mb::Cancel;
}

QString ScriptedPrompts::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    shown.append({Shown::Input, prompt, title, 0, defaultText});
    if (!m_inputAnswers.isEmpty())
        return m_inputAnswers.dequeue();
    unexpected << u"input: %1"_s.arg(prompt);
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
