#include "frmFind.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kbs {

SearchState& frmFind::searchState() {
    static SearchState state;
    return state;
}

frmFind::frmFind(EditorTextBox& box, QWidget* editor)
    : SearchDialog(box, editor, searchState(), Caption) {
    setObjectName(QStringLiteral("frmFind"));
    grid()->addWidget(lblFindWhat, 0, 0);
    grid()->addWidget(txtTextToFind, 0, 1);
    grid()->addWidget(Command1, 0, 2);
    grid()->addWidget(Check1, 1, 0, 1, 2);
    grid()->addWidget(Command2, 1, 2);
    finishLayout();
}

}  // namespace kbs
