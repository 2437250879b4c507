#include "frmTip.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Settings.h"

namespace kbs {

namespace {
const QString kCaption = QStringLiteral("Tips For Kerbside Manger");
const QString kSection = QStringLiteral("Tipstatus");
const QString kKey = QStringLiteral("Show Tips at Startup");
}  // namespace

frmTip::frmTip(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    lblTipText = new QLabel(this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setWordWrap(true);
    layout->addWidget(lblTipText);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(cmdOK);
}

int frmTip::startupSetting() {
    const QString stored = Settings::get(kSection, kKey, QStringLiteral("1"));
    bool ok = false;
    const int value = stored.trimmed().toInt(&ok);
    return ok ? value : 0;
}

}  // namespace kbs
