#pragma once

#include "SearchDialog.h"

namespace kbs {

namespace replaceText {
inline const QString ReplaceWith = QStringLiteral("&Replace With:");
inline const QString Replace = QStringLiteral("R&eplace");
inline const QString ReplaceAll = QStringLiteral("Replace &All");
inline const QString Done = QStringLiteral("Done replacing, %1 replacements made");
}  // namespace replaceText

// The editor's Replace dialog: Find Next, Replace and Replace All. It opens with the
// editor's selected text as the text to find.
class frmReplace : public SearchDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Replace");

    explicit frmReplace(frmEditor& editor);
    explicit frmReplace(frmEditor* editor) : frmReplace(*editor) {}

    void Form_Load();
    void Command3_Click();  // Replace
    void Command4_Click();  // Replace All

    static SearchState& searchState();

    QLabel* lblReplaceWith = nullptr;
    QLineEdit* txtReplaceWith = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};

}  // namespace kbs
