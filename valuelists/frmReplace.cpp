#include "frmReplace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "EditorTextBox.h"
#include "Language.h"
#include "Prompts.h"

namespace kbs {

SearchState& frmReplace::searchState() {
    static SearchState state;
    return state;
}

frmReplace::frmReplace(EditorTextBox& box, QWidget* editor)
    : SearchDialog(box, editor, searchState(), Caption) {
    setObjectName(QStringLiteral("frmReplace"));
    lblReplaceWith = new QLabel(replaceText::ReplaceWith, this);
    lblReplaceWith->setObjectName(QStringLiteral("lblReplaceWith"));
    txtReplaceWith = new QLineEdit(this);
    txtReplaceWith->setObjectName(QStringLiteral("txtReplaceWith"));
    lblReplaceWith->setBuddy(txtReplaceWith);
    Command3 = new QPushButton(replaceText::Replace, this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(replaceText::ReplaceAll, this);
    Command4->setObjectName(QStringLiteral("Command4"));

    grid()->addWidget(lblFindWhat, 0, 0);
    grid()->addWidget(txtTextToFind, 0, 1);
    grid()->addWidget(Command1, 0, 2);
    grid()->addWidget(lblReplaceWith, 1, 0);
    grid()->addWidget(txtReplaceWith, 1, 1);
    grid()->addWidget(Command3, 1, 2);
    grid()->addWidget(Check1, 2, 0, 1, 2);
    grid()->addWidget(Command4, 2, 2);
    grid()->addWidget(Command2, 3, 2);
    setTabOrder(txtTextToFind, txtReplaceWith);
    setTabOrder(txtReplaceWith, Check1);
    setTabOrder(Check1, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command2);
    finishLayout();

    connect(Command3, &QPushButton::clicked, this, &frmReplace::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmReplace::Command4_Click);
    Form_Load();
}

void frmReplace::Form_Load() {
    txtTextToFind->setText(box().selText());
}

void frmReplace::Command3_Click() {
    box().setSelText(txtReplaceWith->text());
}

void frmReplace::Command4_Click() {
    EditorTextBox& edited = box();
    const QString find = txtTextToFind->text();
    qint64 count = 0;
    // An empty search text matches nothing: the loop ends at once.
    if (!find.isEmpty()) {
        takeSearchText(find);
        const QString shownFind = EditorTextBox::toShown(find);
        const QString shownReplacement = EditorTextBox::toShown(txtReplaceWith->text());
        const QString text = edited.shownText();
        // The occurrences are replaced in a copy of the edited stretch, which then goes into
        // the text box as one edit. Searching goes on after each occurrence, so text just
        // put in is never searched again.
        qsizetype at = findFromResume(text, shownFind);
        const qsizetype first = at;
        qsizetype copied = at;
        QString replaced;
        while (at >= 0) {
            replaced += QStringView(text).mid(copied, at - copied);
            replaced += shownReplacement;
            ++count;
            copied = at + shownFind.size();
            at = text.indexOf(shownFind, copied, caseSensitivity());
        }
        if (count > 0) {
            edited.replaceShownRange(int(first), int(copied), replaced);
            state().resumePosition = first + replaced.size() + 1;
        }
    }
    edited.setFocus();
    prompts().msgBox(replaceText::Done.arg(language::number(count)), mb::OKOnly | mb::Information,
                     windowTitle());
}

}  // namespace kbs
