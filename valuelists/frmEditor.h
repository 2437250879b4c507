#pragma once

#include <QDialog>
#include <QString>

#include "Text.h"

class QAction;
class QFrame;
class QMenu;
class QMenuBar;

namespace kbs {

class EditorTextBox;
class FileListBox;
class OpenSaveDialog;

namespace editorText {
inline constexpr Text<"kbs::editorText"> Caption{
    QT_TRANSLATE_NOOP("kbs::editorText", "Kerbside Manger Menu Editor")};
inline const QString Pattern = QStringLiteral("*.ini");
inline constexpr Text<"kbs::editorText"> SaveChanges{
    QT_TRANSLATE_NOOP("kbs::editorText", "Do you wish to save your changes?")};
inline constexpr Text<"kbs::editorText"> QuitSaveChanges{
    QT_TRANSLATE_NOOP("kbs::editorText", "Quit -- Save changes?")};
inline constexpr Text<"kbs::editorText"> SaveAsTitle{
    QT_TRANSLATE_NOOP("kbs::editorText", "Save as...")};
inline constexpr Text<"kbs::editorText"> SaveAsFilter{
    QT_TRANSLATE_NOOP("kbs::editorText", "All Files(*.*)|*.*|Ini File(*.ini)|*.ini")};
inline constexpr Text<"kbs::editorText"> InsertTitle{
    QT_TRANSLATE_NOOP("kbs::editorText", "Instert File")};
inline constexpr Text<"kbs::editorText"> InsertFilter{
    QT_TRANSLATE_NOOP("kbs::editorText", "All Files(*.*)|*.*|Ini Files(*.ini)|*.ini")};
}  // namespace editorText

// The value-list editor: the "*.ini" files of the program directory on the left, the chosen
// one as text on the right, with File and Edit menus. Shown modally; each opening builds it
// afresh, only the name of the file last loaded carries over.
class frmEditor : public QDialog {
    Q_OBJECT
public:
    // `mainCaption` is the catalogue window's caption, the title of the save questions.
    explicit frmEditor(const QString& mainCaption, QWidget* parent = nullptr);
    ~frmEditor() override;

    // ---- events and procedures
    void Form_Load();
    void Form_Resize();
    // Whether the window may close; asks about unsaved changes first.
    bool Form_QueryUnload();
    void ResizeControls();
    void lstSections_Click();
    void txtIni_Change();
    void mnuEdit_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuQuit_Click();
    void mnuEditUndo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditAll_Click();
    void mnuEditDelete_Click();
    void mnuEditFind_Click();
    void mnuEditReplace_Click();
    void mnuEditInsertFile_Click();

    // Shows the list file `name` ("series.ini") of the editor's folder, as choosing it in the
    // list does; nothing when there is none.
    void showList(const QString& name);

    // ---- state
    bool isSaved() const { return m_saved; }
    // The bare name of the file last loaded from the list, in this or an earlier opening.
    static QString currentFileName();
    // The full path of a file of the editor's folder (the program directory); empty for an
    // empty name.
    static QString filePath(const QString& name);

    // ---- controls, named as designed
    QMenuBar* menuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuSep2 = nullptr;
    QAction* mnuQuit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditSep1 = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuEditSep2 = nullptr;
    QAction* mnuEditAll = nullptr;
    QAction* mnuEditDelete = nullptr;
    QAction* mnuEditSep3 = nullptr;
    QAction* mnuEditFind = nullptr;
    QAction* mnuEditReplace = nullptr;
    QAction* mnuEditSep4 = nullptr;
    QAction* mnuEditInsertFile = nullptr;
    QWidget* client = nullptr;  // the window's client area, below the menu bar
    FileListBox* lstSections = nullptr;
    QFrame* mid = nullptr;
    QFrame* split = nullptr;
    EditorTextBox* txtIni = nullptr;
    EditorTextBox* txtTemp = nullptr;
    OpenSaveDialog* CDlg = nullptr;

public Q_SLOTS:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption,
                      const QKeySequence& shortcut, void (frmEditor::*handler)());
    QAction* addSeparator(QMenu* menu, const char* name);
    // Shows the open or save dialog; the chosen full path, or empty when cancelled.
    QString chooseFile(bool forSave, const QString& title, const QString& filter);

    QString m_mainCaption;
    bool m_saved = true;
    int m_shownRow = -1;  // the list entry whose file the text area holds, -1 for none
};

}  // namespace kbs
