// The test support's own promises: a prompt nobody scripted, an answer or a file choice never
// used fails the case, and a modal window that never comes up is reported.
#include <QtTest>

#include "ScriptedFileDialogs.h"
#include "TestEnv.h"

using namespace kbs;

class TestSupport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anAnswerNeverUsedFailsTheCase() {
        QEXPECT_FAIL("", "the answer is never used", Abort);
        test::TestEnv env(false);
        env.prompts().answerMsg(mb::OK);
    }
    void aPromptNobodyScriptedFailsTheCase() {
        QEXPECT_FAIL("", "nobody scripted the prompt", Abort);
        test::TestEnv env(false);
        prompts().msgBox(QStringLiteral("Unexpected"), mb::OKOnly, QString());
    }
    void aFileChoiceNeverUsedFailsTheCase() {
        QEXPECT_FAIL("", "the choice is never used", Abort);
        test::ScriptedFileDialogs dialogs;
        dialogs.cancel();
    }
    void noModalWindowIsReported() {
        QVERIFY(!test::meetModal([] {}, [](QWidget*) {}));
    }
};

QTEST_MAIN(TestSupport)
#include "tst_support.moc"
