#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "Text.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace kbs {

namespace tipText {
inline constexpr Text<"kbs::tipText"> Caption{
    QT_TRANSLATE_NOOP("kbs::tipText", "Tips For Kerbside Manger")};
inline constexpr Text<"kbs::tipText"> Heading{
    QT_TRANSLATE_NOOP("kbs::tipText", "Working with the Kerbside Manager...")};
inline constexpr Text<"kbs::tipText"> OK{QT_TRANSLATE_NOOP("kbs::tipText", "OK")};
inline constexpr Text<"kbs::tipText"> NextTip{QT_TRANSLATE_NOOP("kbs::tipText", "Next Tip")};
inline constexpr Text<"kbs::tipText"> ShowAtStartup{
    QT_TRANSLATE_NOOP("kbs::tipText", "Show Tips at Startup")};
inline const QString FileName = QStringLiteral("tip.txt");
inline const QString Section = QStringLiteral("Tipstatus");
inline const QString Key = QStringLiteral("Show Tips at Startup");
inline constexpr Text<"kbs::tipText"> NotFound{
    QT_TRANSLATE_NOOP("kbs::tipText",
                      "The tip.txt file was not found? \r\n\r\nPlease inform Larkspur Software in "
                      "order to correct this problem. ")};
// A tips file that is there but cannot be read: %1 says which and why.
inline constexpr Text<"kbs::tipText"> Unreadable{
    QT_TRANSLATE_NOOP("kbs::tipText", "The tips cannot be shown:\r\n\r\n%1")};
}  // namespace tipText

// The tip of the day: one line of "tip.txt" at a time. The tips and the number of the tip
// shown last belong to the program, so that each opening goes on with the next tip.
//
// At start-up it is shown without modality beside the catalogue window (placeBeside, then
// show); from the Help menu modally (exec).
class frmTip : public QDialog {
    Q_OBJECT
public:
    explicit frmTip(QWidget* parent = nullptr);
    ~frmTip() override;

    // The start-up decision: the stored "Show Tips at Startup" setting as a whole number;
    // absent reads as 1, a text that is not a whole number as 0.
    static int startupSetting();

    // Moves the window beside `window` (to its right, or to its left where the screen ends),
    // kept on the screen.
    void placeBeside(const QWidget* window);

    // The tip window on the screen, if one is: the Help menu brings it to the front instead
    // of opening a second.
    static frmTip* openWindow();

    // ---- events and procedures
    void Form_Load();
    void Form_Unload();
    bool LoadTips(const QString& sFile);
    void AdvanceTip();
    void DisplayCurrentTip();
    void cmdNextTip_Click();
    void cmdOK_Click();

    // The tips read and the number of the one shown (from 1; 0 before the first).
    static const QStringList& tips();
    static int currentTip();

    // ---- controls, named as designed
    QFrame* picTip = nullptr;  // the white area holding the heading and the tip
    QLabel* lblHeading = nullptr;
    QLabel* lblTipText = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdNextTip = nullptr;

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

}  // namespace kbs
