#include "frmTip.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "AccessibleText.h"
#include "AppError.h"
#include "Language.h"
#include "ProgramInfo.h"
#include "RegularFile.h"
#include "Settings.h"
#include "ValueListFile.h"

namespace kbs {

namespace {

// What the tip's label is called while it shows no tip.
constexpr Text<"kbs::tipText"> kTipName{QT_TRANSLATE_NOOP("kbs::tipText", "Tip")};
constexpr qsizetype kMaxShownTip = 2000;  // far more than the tip area holds

// The tips and the number of the tip shown last, kept for the life of the program.
QStringList& tipList() {
    static QStringList tips;
    return tips;
}
int& tipNumber() {
    static int number = 0;
    return number;
}
QPointer<frmTip>& shownWindow() {
    static QPointer<frmTip> window;
    return window;
}

// A tip as the program ships it shows in the program's language; a tip of the collector's own
// as written.
QString inProgramLanguage(const QString& tip) {
    if (!language::translated() || tip.size() > kMaxShownTip)
        return tip;
    return QCoreApplication::translate("kbs::tips", tip.toUtf8().constData());
}

}  // namespace

frmTip::frmTip(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(tipText::Caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    picTip = new QFrame(this);
    picTip->setObjectName(QStringLiteral("picTip"));
    picTip->setAccessibleName(tr("Tip of the day"));
    picTip->setFrameShape(QFrame::StyledPanel);
    picTip->setFrameShadow(QFrame::Sunken);
    picTip->setAutoFillBackground(true);
    QPalette paper = picTip->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    picTip->setPalette(paper);
    picTip->setFixedSize(360, 190);

    lblHeading = new QLabel(tipText::Heading, picTip);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    QFont headingFont = lblHeading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    lblHeading->setFont(headingFont);

    lblTipText = new QLabel(picTip);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setAccessibleName(kTipName);
    lblTipText->setWordWrap(true);
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* paperLayout = new QVBoxLayout(picTip);
    paperLayout->setContentsMargins(14, 12, 14, 12);
    paperLayout->setSpacing(10);
    paperLayout->addWidget(lblHeading);
    paperLayout->addWidget(lblTipText, 1);

    chkLoadTipsAtStartup = new QCheckBox(tipText::ShowAtStartup, this);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    chkLoadTipsAtStartup->setChecked(true);

    cmdOK = new QPushButton(tipText::OK, this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdNextTip = new QPushButton(tipText::NextTip, this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdNextTip->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picTip, 0, 0, 3, 1);
    grid->addWidget(cmdOK, 0, 1);
    grid->addWidget(cmdNextTip, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(chkLoadTipsAtStartup, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // OK is also the cancel button: Escape and the close box end the window like OK.
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);

    Form_Load();
}

frmTip::~frmTip() {
    // A window still on the screen when it goes (the program ending) is closed like any other.
    if (isVisible())
        Form_Unload();
}

int frmTip::startupSetting() {
    const QString stored = Settings::get(tipText::Section, tipText::Key, QStringLiteral("1"));
    bool ok = false;
    const int value = stored.trimmed().toInt(&ok);
    return ok ? value : 0;
}

const QStringList& frmTip::tips() {
    return tipList();
}

int frmTip::currentTip() {
    return tipNumber();
}

frmTip* frmTip::openWindow() {
    return shownWindow().data();
}

void frmTip::placeBeside(const QWidget* window) {
    if (!window)
        return;
    adjustSize();
    const QRect beside = window->frameGeometry();
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : beside;
    // The frame is not known before the window is first shown; allow for a usual one.
    const QSize frame = isVisible() ? frameGeometry().size() : size() + QSize(8, 32);
    int x = beside.right() + 1;
    if (x + frame.width() - 1 > room.right())
        x = beside.left() - frame.width();
    if (x < room.left())
        x = room.right() - frame.width() + 1;
    x = std::max(x, room.left());
    int y = std::clamp(beside.top(), room.top(),
                       std::max(room.top(), room.bottom() - frame.height() + 1));
    move(x, y);
}

void frmTip::Form_Load() {
    const QString path = ProgramInfo::path(tipText::FileName);
    if (LoadTips(path))
        return;
    // A tips file that is there but cannot be read (a pipe, a device, too long) is named with
    // the reason, not called missing; a folder of that name is no tips file.
    const QString why = regularfile::problem(path, valuelist::MaxFileBytes);
    if (!QFileInfo::exists(path) || QFileInfo(path).isDir() || why.isEmpty())
        showAccessibleText(*lblTipText, tipText::NotFound, kTipName);
    else
        showAccessibleText(*lblTipText, tipText::Unreadable.arg(why), kTipName);
}

bool frmTip::LoadTips(const QString& sFile) {
    // The tips are those of the file as it is at this opening: read afresh into an empty
    // list, never added to the tips of an earlier opening. The number carries on from the
    // tip shown last.
    tipList().clear();
    if (sFile.isEmpty())
        return false;
    valuelist::Lines lines;
    try {
        lines = valuelist::read(sFile);
    } catch (const AppError&) {
        return false;  // there, but not readable: as good as missing
    }
    tipList() = lines.values;
    AdvanceTip();
    return true;
}

void frmTip::AdvanceTip() {
    int& number = tipNumber();
    ++number;
    if (number > tipList().size())
        number = 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    const QStringList& list = tipList();
    const int number = tipNumber();
    // A tip longer than the window can show is cut with a mark: laying out megabytes of one
    // line would freeze the window.
    if (number >= 1 && number <= list.size()) {
        const QString tip = inProgramLanguage(list.at(number - 1));
        const qsizetype cut =
            tip.size() > kMaxShownTip && tip.at(kMaxShownTip - 1).isHighSurrogate()
                ? kMaxShownTip - 1
                : kMaxShownTip;
        showAccessibleText(*lblTipText,
                           tip.size() <= kMaxShownTip ? tip : tip.left(cut) + QChar(0x2026),
                           kTipName);
    }
}

void frmTip::cmdNextTip_Click() {
    AdvanceTip();
}

void frmTip::cmdOK_Click() {
    close();
}

void frmTip::Form_Unload() {
    Settings::save(tipText::Section, tipText::Key,
                   chkLoadTipsAtStartup->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmTip::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmTip::showEvent(QShowEvent* event) {
    shownWindow() = this;
    QDialog::showEvent(event);
}

void frmTip::hideEvent(QHideEvent* event) {
    if (shownWindow() == this)
        shownWindow() = nullptr;
    QDialog::hideEvent(event);
}

}  // namespace kbs
