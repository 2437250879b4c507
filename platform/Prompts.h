#pragma once

#include <QString>

namespace kbs {

// Message box styles and answers, combined the way the platform's message box takes them:
// one button set + one icon + one default button.
namespace mb {
enum Style : int {
    OKOnly = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton1 = 0,
    DefaultButton2 = 256,
    DefaultButton3 = 512,
};
inline constexpr int ButtonsMask = 0x0F;
inline constexpr int IconMask = 0xF0;
inline constexpr int DefaultMask = 0xF00;

enum Result : int { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}  // namespace mb

// Everything the program asks of the person at the keyboard goes through this interface:
// message boxes, input boxes, the beep and opening a web page. The program installs the Qt
// implementation; tests install a scripted one.
class Prompts {
public:
    virtual ~Prompts() = default;

    // Shows a message box and returns the button chosen (mb::Result).
    virtual int msgBox(const QString& text, int style, const QString& title) = 0;
    // Shows an input box; Cancel gives the empty text.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    virtual void beep() = 0;
    // Opens an address in the user's browser; false when that failed.
    virtual bool openUrl(const QString& url) = 0;
};

// The installed implementation. Installing does not take ownership.
Prompts& prompts();
void setPrompts(Prompts* p);

// The message box's default title when none is given: the program's name.
QString defaultMsgBoxTitle();

}  // namespace kbs
