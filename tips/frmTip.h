#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QCheckBox;

namespace kbs {

// The tip of the day.
class frmTip : public QDialog {
    Q_OBJECT
public:
    explicit frmTip(QWidget* parent = nullptr);

    // The start-up decision: the stored "Show Tips at Startup" setting as a whole number;
    // absent reads as 1, a text that is not a whole number as 0.
    static int startupSetting();

private:
    QLabel* lblTipText;
    QPushButton* cmdOK;
};

}  // namespace kbs
