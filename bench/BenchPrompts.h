#pragma once

#include <QQueue>
#include <QString>

#include "Prompts.h"

namespace kbs::bench {

// Answers the prompts of the commands the benchmark times: the answers given in advance, in
// order; a message box nobody answered gets Yes or OK, an input box the empty text.
class BenchPrompts final : public Prompts {
public:
    void answerMsg(int result) { m_msgAnswers.enqueue(result); }
    void answerInput(const QString& text) { m_inputAnswers.enqueue(text); }

    int msgBox(const QString&, int style, const QString&) override {
        if (!m_msgAnswers.isEmpty())
            return m_msgAnswers.dequeue();
        const int buttons = style & mb::ButtonsMask;
        return buttons == mb::YesNo || buttons == mb::YesNoCancel ? mb::Yes : mb::OK;
    }
    QString inputBox(const QString&, const QString&, const QString&) override {
        return m_inputAnswers.isEmpty() ? QString() : m_inputAnswers.dequeue();
    }
    void beep() override {}
    bool openUrl(const QString&) override { return false; }

private:
    QQueue<int> m_msgAnswers;
    QQueue<QString> m_inputAnswers;
};

}  // namespace kbs::bench
