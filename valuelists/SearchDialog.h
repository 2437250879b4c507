#pragma once

#include <QDialog>
#include <QString>

#include "Text.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kbs {

class EditorTextBox;

namespace searchText {
inline constexpr Text<"kbs::searchText"> FindWhat{
    QT_TRANSLATE_NOOP("kbs::searchText", "&Find what:")};
inline constexpr Text<"kbs::searchText"> CaseSensitive{
    QT_TRANSLATE_NOOP("kbs::searchText", "&Case sensitive")};
inline constexpr Text<"kbs::searchText"> FindNext{
    QT_TRANSLATE_NOOP("kbs::searchText", "F&ind Next")};
inline constexpr Text<"kbs::searchText"> Cancel{QT_TRANSLATE_NOOP("kbs::searchText", "&Cancel")};
inline constexpr Text<"kbs::searchText"> NotFound{
    QT_TRANSLATE_NOOP("kbs::searchText", "Sorry, string not found")};
}  // namespace searchText

// Where a search dialog goes on from: the text searched for last and the 1-based position in
// the editor's text where the next search starts. Each dialog keeps its own for the life of
// the program.
struct SearchState {
    QString lastSearch;
    qsizetype resumePosition = 1;
};

// What the find and the replace dialog share: the search box, the case check box, Find Next
// and Cancel, searching forward in the editor's text box from the remembered position.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    // ---- events
    void Command1_Click();  // Find Next
    void Command2_Click();  // Cancel

    EditorTextBox& box() const { return m_box; }
    SearchState& state() const { return m_state; }

    // ---- controls, named as designed
    QLabel* lblFindWhat = nullptr;
    QLineEdit* txtTextToFind = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

protected:
    // The editor's text box, and the editor itself, which owns the dialog and stays above it.
    SearchDialog(EditorTextBox& box, QWidget* editor, SearchState& state, const QString& caption);
    QGridLayout* grid() const { return m_grid; }
    // Fixes the dialog's size once its controls are in place.
    void finishLayout();

    // Step 1 of every search: a changed search text is remembered and starts at position 1.
    void takeSearchText(const QString& text);
    Qt::CaseSensitivity caseSensitivity() const;
    // The 0-based position in the text box's shown text of the next occurrence of `shown`
    // (in the box's shown form) from the resume position, or -1.
    qsizetype findFromResume(const QString& shownBoxText, const QString& shown) const;

private:
    EditorTextBox& m_box;
    SearchState& m_state;
    QGridLayout* m_grid = nullptr;
};

}  // namespace kbs
