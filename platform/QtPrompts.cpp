#include "QtPrompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <vector>

namespace kbs {

namespace {
struct ButtonSpec {
    QMessageBox::StandardButton button;
    int result;
};

std::vector<ButtonSpec> buttonsFor(int style) {
    switch (style & mb::ButtonsMask) {
        case mb::OKCancel:
            return {{QMessageBox::Ok, mb::OK}, {QMessageBox::Cancel, mb::Cancel}};
        case mb::AbortRetryIgnore:
            return {{QMessageBox::Abort, mb::Abort},
                    {QMessageBox::Retry, mb::Retry},
                    {QMessageBox::Ignore, mb::Ignore}};
        case mb::YesNoCancel:
            return {{QMessageBox::Yes, mb::Yes},
                    {QMessageBox::No, mb::No},
                    {QMessageBox::Cancel, mb::Cancel}};
        case mb::YesNo:
            return {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}};
        case mb::RetryCancel:
            return {{QMessageBox::Retry, mb::Retry}, {QMessageBox::Cancel, mb::Cancel}};
        default:
            return {{QMessageBox::Ok, mb::OK}};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (style & mb::IconMask) {
        case mb::Critical:
            return QMessageBox::Critical;
        case mb::Question:
            return QMessageBox::Question;
        case mb::Exclamation:
            return QMessageBox::Warning;
        case mb::Information:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}
}  // namespace

int QtPrompts::msgBox(const QString& text, int style, const QString& title) {
    QMessageBox box(iconFor(style), title.isEmpty() ? defaultMsgBoxTitle() : title, text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    const auto specs = buttonsFor(style);
    QMessageBox::StandardButtons all;
    for (const auto& s : specs)
        all |= s.button;
    box.setStandardButtons(all);
    const size_t defaultIndex = static_cast<size_t>((style & mb::DefaultMask) >> 8);
    if (defaultIndex < specs.size())
        box.setDefaultButton(specs[defaultIndex].button);
    // Escape answers Cancel where there is one, else the only button.
    for (const auto& s : specs) {
        if (s.result == mb::Cancel)
            box.setEscapeButton(s.button);
    }
    if (specs.size() == 1)
        box.setEscapeButton(specs.front().button);
    box.exec();
    auto* clicked = box.clickedButton();
    for (const auto& s : specs) {
        if (clicked == box.button(s.button))
            return s.result;
    }
    // Closed without a button: Cancel if offered, otherwise No, otherwise OK.
    for (const auto& s : specs) {
        if (s.result == mb::Cancel)
            return mb::Cancel;
    }
    for (const auto& s : specs) {
        if (s.result == mb::No)
            return mb::No;
    }
    return specs.front().result;
}

QString QtPrompts::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool ok = false;
    QString answer = QInputDialog::getText(QApplication::activeWindow(),
                                           title.isEmpty() ? defaultMsgBoxTitle() : title, prompt,
                                           QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : QString();
}

void QtPrompts::beep() {
    QApplication::beep();
}

bool QtPrompts::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

}  // namespace kbs
