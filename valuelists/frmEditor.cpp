#include "frmEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "AppError.h"
#include "EditorTextBox.h"
#include "FileListBox.h"
#include "OpenSaveDialog.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "Twips.h"
#include "frmFind.h"
#include "frmReplace.h"
#include "modTextboxFile.h"

namespace kbs {

namespace {

// Designer places, in twips.
constexpr int kListWidth = 2775, kListHeight = 5940;
constexpr int kMidLeft = 2760, kMidWidth = 105;
constexpr int kSplitWidth = 45;
constexpr int kTextLeft = 2880, kTextWidth = 7935, kTextHeight = 6255;
constexpr int kBottomGap = 300;  // below the list and the text area
constexpr int kTextGap = 100;    // between the list's right edge and the window's
constexpr int kClientWidth = kListWidth + kTextGap + kTextWidth;
constexpr int kClientHeight = kTextHeight + kBottomGap;

QString s_currentFileName;

}  // namespace

frmEditor::frmEditor(const QString& mainCaption, QWidget* parent)
    : QDialog(parent), m_mainCaption(mainCaption) {
    setObjectName(QStringLiteral("frmEditor"));
    setWindowTitle(editorText::Caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    buildControls();
    buildMenus();
    resize(twipsToPixelsX(kClientWidth),
           twipsToPixelsY(kClientHeight) + menuBar->sizeHint().height());
    Form_Load();
}

frmEditor::~frmEditor() = default;

QString frmEditor::currentFileName() {
    return s_currentFileName;
}

QString frmEditor::filePath(const QString& name) {
    return name.isEmpty() ? QString() : ProgramInfo::path(name);
}

void frmEditor::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    layout->addWidget(client);
    client->installEventFilter(this);

    lstSections = new FileListBox(client);
    lstSections->setObjectName(QStringLiteral("lstSections"));
    lstSections->setAccessibleName(tr("Value lists"));
    lstSections->setGeometry(twipsRect(0, 0, kListWidth, kListHeight));

    mid = new QFrame(client);
    mid->setObjectName(QStringLiteral("mid"));
    mid->setAccessibleName(tr("Divider"));
    mid->setAutoFillBackground(true);
    QPalette midPalette = mid->palette();
    midPalette.setColor(QPalette::Window, QColor(192, 192, 192));
    mid->setPalette(midPalette);
    mid->setGeometry(twipsRect(kMidLeft, 0, kMidWidth, kTextHeight));

    split = new QFrame(client);
    split->setObjectName(QStringLiteral("split"));
    split->setAccessibleName(tr("Text edge"));
    split->setAutoFillBackground(true);
    QPalette splitPalette = split->palette();
    splitPalette.setColor(QPalette::Window, QColor(64, 64, 64));
    split->setPalette(splitPalette);
    split->setGeometry(twipsRect(kTextLeft - kSplitWidth, 0, kSplitWidth, kTextHeight));

    txtIni = new EditorTextBox(client);
    txtIni->setObjectName(QStringLiteral("txtIni"));
    txtIni->setAccessibleName(tr("List text"));
    txtIni->setGeometry(twipsRect(kTextLeft, 0, kTextWidth, kTextHeight));
    txtIni->installEventFilter(this);

    txtTemp = new EditorTextBox(client);
    txtTemp->setObjectName(QStringLiteral("txtTemp"));
    txtTemp->setAccessibleName(tr("Inserted text"));
    txtTemp->hide();

    CDlg = new OpenSaveDialog(client);
    CDlg->setObjectName(QStringLiteral("CDlg"));

    connect(lstSections, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstSections->fileName().isEmpty())
            lstSections_Click();
    });
    connect(txtIni, &QPlainTextEdit::textChanged, this, &frmEditor::txtIni_Change);
}

QAction* frmEditor::addEntry(QMenu* menu, const char* name, const QString& caption,
                             const QKeySequence& shortcut, void (frmEditor::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QAction* frmEditor::addSeparator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

void frmEditor::buildMenus() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar);

    mnuFile = menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = addEntry(mnuFile, "mnuSave", tr("&Save"), {}, &frmEditor::mnuSave_Click);
    mnuSaveAs = addEntry(mnuFile, "mnuSaveAs", tr("Save &as..."), {}, &frmEditor::mnuSaveAs_Click);
    mnuSep2 = addSeparator(mnuFile, "mnuSep2");
    mnuQuit = addEntry(mnuFile, "mnuQuit", tr("&Quit"), {}, &frmEditor::mnuQuit_Click);

    mnuEdit = menuBar->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    connect(mnuEdit, &QMenu::aboutToShow, this, &frmEditor::mnuEdit_Click);
    mnuEditUndo = addEntry(mnuEdit, "mnuEditUndo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                           &frmEditor::mnuEditUndo_Click);
    mnuEditSep1 = addSeparator(mnuEdit, "mnuEditSep1");
    mnuEditCut = addEntry(mnuEdit, "mnuEditCut", tr("&Cut"), {}, &frmEditor::mnuEditCut_Click);
    mnuEditCopy = addEntry(mnuEdit, "mnuEditCopy", tr("C&opy"), {}, &frmEditor::mnuEditCopy_Click);
    mnuEditPaste =
        addEntry(mnuEdit, "mnuEditPaste", tr("&Paste"), {}, &frmEditor::mnuEditPaste_Click);
    mnuEditSep2 = addSeparator(mnuEdit, "mnuEditSep2");
    mnuEditAll = addEntry(mnuEdit, "mnuEditAll", tr("&Select All"),
                          QKeySequence(Qt::CTRL | Qt::Key_A), &frmEditor::mnuEditAll_Click);
    mnuEditDelete = addEntry(mnuEdit, "mnuEditDelete", tr("&Delete"), QKeySequence(Qt::Key_Delete),
                             &frmEditor::mnuEditDelete_Click);
    mnuEditSep3 = addSeparator(mnuEdit, "mnuEditSep3");
    mnuEditFind = addEntry(mnuEdit, "mnuEditFind", tr("&Find..."),
                           QKeySequence(Qt::CTRL | Qt::Key_F), &frmEditor::mnuEditFind_Click);
    mnuEditReplace = addEntry(mnuEdit, "mnuEditReplace", tr("&Replace"),
                              QKeySequence(Qt::CTRL | Qt::Key_H), &frmEditor::mnuEditReplace_Click);
    mnuEditSep4 = addSeparator(mnuEdit, "mnuEditSep4");
    mnuEditInsertFile =
        addEntry(mnuEdit, "mnuEditInsertFile", tr("&Insert File"),
                 QKeySequence(Qt::CTRL | Qt::Key_Insert), &frmEditor::mnuEditInsertFile_Click);
}

void frmEditor::Form_Load() {
    lstSections->setPath(ProgramInfo::directory());
    lstSections->setPattern(editorText::Pattern);
    m_saved = true;
}

void frmEditor::Form_Resize() {
    ResizeControls();
}

void frmEditor::ResizeControls() {
    // Each step stands alone: one that would make a size negative is left out.
    const int innerWidth = client->width();
    const int innerHeight = client->height();
    const int listHeight = innerHeight - twipsToPixelsY(kBottomGap);
    if (listHeight >= 0)
        lstSections->resize(lstSections->width(), listHeight);
    const int textWidth = innerWidth - lstSections->width() - twipsToPixelsX(kTextGap);
    if (textWidth >= 0)
        txtIni->resize(textWidth, txtIni->height());
    const int textHeight = innerHeight - twipsToPixelsY(kBottomGap);
    if (textHeight >= 0)
        txtIni->resize(txtIni->width(), textHeight);
    mid->resize(mid->width(), txtIni->height());
    split->resize(split->width(), txtIni->height());
}

void frmEditor::lstSections_Click() {
    const int row = lstSections->currentRow();
    const QString name = lstSections->fileName();
    if (!m_saved) {
        if (prompts().msgBox(editorText::SaveChanges, mb::YesNo | mb::Critical, m_mainCaption) ==
            mb::Yes) {
            // The changes go to the file they were made to, which is the one loaded in this
            // window; with none loaded there is nothing to write to and the save says so.
            const QString target = m_shownRow >= 0 ? s_currentFileName : QString();
            if (!SaveTextboxToFile(*txtIni, filePath(target))) {
                // Unsaved changes are not dropped: stay on the file they belong to.
                lstSections->selectQuietly(m_shownRow);
                txtIni->setFocus();
                return;
            }
            m_saved = true;
        }
    }
    if (!LoadFileIntoTextbox(*txtIni, filePath(name))) {
        // The file that was shown stays the current one.
        lstSections->selectQuietly(m_shownRow);
        txtIni->setFocus();
        return;
    }
    s_currentFileName = name;
    m_shownRow = row;
    m_saved = true;
    txtIni->setFocus();
}

void frmEditor::showList(const QString& name) {
    for (int row = 0; row < lstSections->count(); ++row) {
        if (lstSections->item(row)->text().compare(name, Qt::CaseInsensitive) == 0) {
            lstSections->setCurrentRow(row);
            return;
        }
    }
}

void frmEditor::txtIni_Change() {
    m_saved = false;
}

void frmEditor::mnuEdit_Click() {
    const bool selected = txtIni->selLength() > 0;
    mnuEditCut->setEnabled(selected);
    mnuEditCopy->setEnabled(selected);
    mnuEditDelete->setEnabled(selected);
}

void frmEditor::mnuSave_Click() {
    if (SaveTextboxToFile(*txtIni, filePath(lstSections->fileName())))
        m_saved = true;
}

QString frmEditor::chooseFile(bool forSave, const QString& title, const QString& filter) {
    CDlg->setDialogTitle(title);
    CDlg->setFilter(filter);
    CDlg->setFilterIndex(2);
    // The control keeps the last choice when a dialog is cancelled; starting from no name
    // tells a cancel from a choice.
    CDlg->setFileName(QString());
    if (forSave)
        CDlg->ShowSave();
    else
        CDlg->ShowOpen();
    return CDlg->fileName();
}

void frmEditor::mnuSaveAs_Click() {
    QString path;
    try {
        path = chooseFile(true, editorText::SaveAsTitle, editorText::SaveAsFilter);
    } catch (const AppError&) {
        return;
    }
    if (path.isEmpty())
        return;
    if (SaveTextboxToFile(*txtIni, path))
        m_saved = true;
}

void frmEditor::mnuEditInsertFile_Click() {
    QString path;
    try {
        path = chooseFile(false, editorText::InsertTitle, editorText::InsertFilter);
    } catch (const AppError&) {
        return;
    }
    if (path.isEmpty())
        return;
    txtTemp->setText(QString());
    // A file that cannot be read leaves the text as it was, selection included.
    if (LoadFileIntoTextbox(*txtTemp, path))
        txtIni->setSelText(txtTemp->text());
}

void frmEditor::mnuQuit_Click() {
    close();
}

void frmEditor::mnuEditUndo_Click() {
    txtIni->undo();
}

void frmEditor::mnuEditCut_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtIni->selText());
    txtIni->setSelText(QString());
}

void frmEditor::mnuEditCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtIni->selText());
}

void frmEditor::mnuEditPaste_Click() {
    txtIni->setSelText(QGuiApplication::clipboard()->text());
}

void frmEditor::mnuEditAll_Click() {
    txtIni->selectAll();
}

void frmEditor::mnuEditDelete_Click() {
    txtIni->setSelText(QString());
}

void frmEditor::mnuEditFind_Click() {
    frmFind dialog(this);
    dialog.exec();
}

void frmEditor::mnuEditReplace_Click() {
    frmReplace dialog(this);
    dialog.exec();
}

bool frmEditor::Form_QueryUnload() {
    if (m_saved)
        return true;
    if (prompts().msgBox(editorText::QuitSaveChanges, mb::YesNo | mb::Critical, m_mainCaption) !=
        mb::Yes)
        return true;
    // Changes that could not be written keep the window open, so that they are not lost.
    if (!SaveTextboxToFile(*txtIni, filePath(lstSections->fileName())))
        return false;
    m_saved = true;
    return true;
}

void frmEditor::done(int result) {
    if (!Form_QueryUnload())
        return;
    QDialog::done(result);
}

bool frmEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == txtIni && event->type() == QEvent::ShortcutOverride) {
        // The Edit menu's shortcut keys are the menu's, not the text box's own (Del deletes
        // the selection only, Ctrl+Ins inserts a file), as long as their entries are enabled.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : mnuEdit->actions()) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed &&
                action->isEnabled()) {
                event->ignore();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmEditor::keyPressEvent(QKeyEvent* event) {
    // A window, not a dialog box: Escape does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kbs
