#include "SearchDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "EditorTextBox.h"
#include "Prompts.h"

namespace kbs {

SearchDialog::SearchDialog(EditorTextBox& box, QWidget* editor, SearchState& state,
                           const QString& caption)
    : QDialog(editor), m_box(box), m_state(state) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    m_grid = new QGridLayout(this);

    lblFindWhat = new QLabel(searchText::FindWhat, this);
    lblFindWhat->setObjectName(QStringLiteral("lblFindWhat"));
    txtTextToFind = new QLineEdit(this);
    txtTextToFind->setObjectName(QStringLiteral("txtTextToFind"));
    txtTextToFind->setMinimumWidth(220);
    lblFindWhat->setBuddy(txtTextToFind);
    Check1 = new QCheckBox(searchText::CaseSensitive, this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Command1 = new QPushButton(searchText::FindNext, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(searchText::Cancel, this);
    Command2->setObjectName(QStringLiteral("Command2"));

    connect(Command1, &QPushButton::clicked, this, &SearchDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SearchDialog::Command2_Click);
}

void SearchDialog::finishLayout() {
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
}

void SearchDialog::takeSearchText(const QString& text) {
    if (text != m_state.lastSearch) {
        m_state.lastSearch = text;
        m_state.resumePosition = 1;
    }
}

Qt::CaseSensitivity SearchDialog::caseSensitivity() const {
    return Check1->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

qsizetype SearchDialog::findFromResume(const QString& shownBoxText, const QString& shown) const {
    const qsizetype from = m_state.resumePosition - 1;
    if (shown.isEmpty() || from < 0 || from > shownBoxText.size())
        return -1;
    return shownBoxText.indexOf(shown, from, caseSensitivity());
}

void SearchDialog::Command1_Click() {
    const QString find = txtTextToFind->text();
    // An empty search text finds nothing to select: nothing happens.
    if (find.isEmpty())
        return;
    takeSearchText(find);
    EditorTextBox& box = m_box;
    const QString shown = EditorTextBox::toShown(find);
    const qsizetype at = findFromResume(box.shownText(), shown);
    if (at < 0) {
        prompts().msgBox(searchText::NotFound, mb::OKOnly | mb::Exclamation, windowTitle());
        return;
    }
    m_state.resumePosition = at + 1 + shown.size();
    box.select(int(at), int(shown.size()));
    box.setFocus();
}

void SearchDialog::Command2_Click() {
    close();
}

}  // namespace kbs
