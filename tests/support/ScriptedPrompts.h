#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include "Prompts.h"

namespace kbs::test {

// Stands in for the person at the keyboard: answers prompts from a script given in advance
// and records every prompt that appeared. TestEnv fails the running case on a prompt nobody
// scripted and on an answer never used.
class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        enum Kind { Message, Input } kind;
        QString text;  // message text or input prompt
        QString title;
        int style = 0;  // message box style
        QString defaultText;
    };

    void answerMsg(int result) { m_msgAnswers.enqueue(result); }
    void answerInput(const QString& text) { m_inputAnswers.enqueue(text); }
    void setOpenUrlResult(bool ok) { m_openUrlResult = ok; }

    int msgBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    void beep() override { ++beeps; }
    bool openUrl(const QString& url) override {
        urls << url;
        return m_openUrlResult;
    }

    // Prompts that appeared without a scripted answer, and answers never used.
    QStringList unexpected;
    int unusedAnswers() const { return int(m_msgAnswers.size() + m_inputAnswers.size()); }

    QList<Shown> shown;
    int beeps = 0;
    QStringList urls;

    void reset();

private:
    QQueue<int> m_msgAnswers;
    QQueue<QString> m_inputAnswers;
    bool m_openUrlResult = true;
};

}  // namespace kbs::test
