#include "frmAbout.h"

#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "Language.h"
#include "ProgramInfo.h"
#include "Prompts.h"

namespace kbs {

namespace {
constexpr Text<"kbs::aboutText"> kWhatItIs{QT_TRANSLATE_NOOP(
    "kbs::aboutText",
    "A catalogue for collectors of die-cast model cars: every model with its series, colours, "
    "base plate, wheels, box, condition, price and picture, kept in one file on this computer.")};
constexpr Text<"kbs::aboutText"> kNotice{
    QT_TRANSLATE_NOOP("kbs::aboutText",
                      "Copyright \u00A9 Larkspur Software.\n"
                      "This program is free software under the GNU General Public License, "
                      "version 3 or later, and comes without warranty of any kind. "
                      "Keep a copy of your catalogue file in a safe place.")};
}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(aboutText::Caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    Label1->setFont(titleFont);

    Label4 = new QLabel(this);  // the release date, beside the version
    Label4->setObjectName(QStringLiteral("Label4"));

    Label2 = new QLabel(kWhatItIs, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    Label3 = new QLabel(kNotice, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);

    Label5 = new QLabel(aboutText::Link, this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAccessibleName(aboutText::Link);
    Label5->setAccessibleDescription(aboutText::HomePage);
    Label5->setToolTip(aboutText::HomePage);
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setFocusPolicy(Qt::StrongFocus);  // Enter or Space follows the link too
    QPalette blue = Label5->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label5->setPalette(blue);
    QFont linkFont = Label5->font();
    linkFont.setUnderline(true);
    Label5->setFont(linkFont);
    Label5->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(Label4);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addWidget(Label5);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Label2->setFixedWidth(380);
    Label3->setFixedWidth(380);

    Form_Load();
}

QString frmAbout::versionLine() {
    return aboutText::Product + QStringLiteral("%1.%2.%3")
                                    .arg(ProgramInfo::major())
                                    .arg(ProgramInfo::minor())
                                    .arg(ProgramInfo::revision());
}

void frmAbout::Form_Load() {
    Label1->setText(versionLine());
    // The date as the language writes it, without the weekday; English keeps YYYY-MM-DD.
    QString date = ProgramInfo::releaseDate();
    const QDate released = QDate::fromString(date, Qt::ISODate);
    if (language::translated() && released.isValid()) {
        static const QRegularExpression weekday(QStringLiteral("dddd,?\\s*"));
        date =
            QLocale().toString(released, QLocale().dateFormat(QLocale::LongFormat).remove(weekday));
    }
    Label4->setText(tr("Released %1").arg(date));
}

void frmAbout::Label5_Click() {
    // The window stays open whether or not the browser came up; when it did not, the
    // address is given so that it can be typed in.
    if (!prompts().openUrl(aboutText::HomePage))
        prompts().msgBox(aboutText::CannotOpen.arg(aboutText::HomePage),
                         mb::OKOnly | mb::Exclamation, aboutText::Caption);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label5) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            Label5->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            Label5_Click();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                Label5_Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kbs
