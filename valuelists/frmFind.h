#pragma once

#include "SearchDialog.h"
#include "Text.h"

namespace kbs {

// The editor's Find dialog: Find Next from where the last search of this dialog ended.
class frmFind : public SearchDialog {
    Q_OBJECT
public:
    static inline constexpr Text<"kbs::frmFind"> Caption{QT_TRANSLATE_NOOP("kbs::frmFind", "Find")};

    frmFind(EditorTextBox& box, QWidget* editor);
    // For the editor (frmEditor), without knowing it here: its text box is txtIni.
    template <class Editor>
    explicit frmFind(Editor& editor) : frmFind(*editor.txtIni, &editor) {}
    template <class Editor>
    explicit frmFind(Editor* editor) : frmFind(*editor) {}

    // The dialog's search state, kept for the life of the program.
    static SearchState& searchState();
};

}  // namespace kbs
