#pragma once

#include "SearchDialog.h"
#include "Text.h"

namespace kbs {

namespace replaceText {
inline constexpr Text<"kbs::replaceText"> ReplaceWith{
    QT_TRANSLATE_NOOP("kbs::replaceText", "&Replace With:")};
inline constexpr Text<"kbs::replaceText"> Replace{
    QT_TRANSLATE_NOOP("kbs::replaceText", "R&eplace")};
inline constexpr Text<"kbs::replaceText"> ReplaceAll{
    QT_TRANSLATE_NOOP("kbs::replaceText", "Replace &All")};
inline constexpr Text<"kbs::replaceText"> Done{
    QT_TRANSLATE_NOOP("kbs::replaceText", "Done replacing, %1 replacements made")};
}  // namespace replaceText

// The editor's Replace dialog: Find Next, Replace and Replace All. It opens with the
// editor's selected text as the text to find.
class frmReplace : public SearchDialog {
    Q_OBJECT
public:
    static inline constexpr Text<"kbs::frmReplace"> Caption{
        QT_TRANSLATE_NOOP("kbs::frmReplace", "Replace")};

    frmReplace(EditorTextBox& box, QWidget* editor);
    // For the editor (frmEditor), without knowing it here: its text box is txtIni.
    template <class Editor>
    explicit frmReplace(Editor& editor) : frmReplace(*editor.txtIni, &editor) {}
    template <class Editor>
    explicit frmReplace(Editor* editor) : frmReplace(*editor) {}

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
