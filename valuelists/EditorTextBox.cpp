#include "EditorTextBox.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace kbs {

namespace {

// The document breaks lines at U+2029 and shows U+2028 as a break within a line. Those two
// characters, when a file itself holds them, are kept as two noncharacters so that they are
// written back as they were read.
constexpr char16_t kParagraph = 0x2029;
constexpr char16_t kLineInside = 0x2028;
constexpr char16_t kKeptParagraph = 0xFDD3;
constexpr char16_t kKeptLineInside = 0xFDD2;

QString fromShown(QStringView shown) {
    QString text;
    text.reserve(shown.size() + shown.size() / 16);
    for (QChar c : shown) {
        switch (c.unicode()) {
            case kParagraph:
                text += QStringLiteral("\r\n");
                break;
            case kLineInside:
                text += QLatin1Char('\n');
                break;
            case kKeptParagraph:
                text += QChar(kParagraph);
                break;
            case kKeptLineInside:
                text += QChar(kLineInside);
                break;
            default:
                text += c;
        }
    }
    return text;
}

}  // namespace

EditorTextBox::EditorTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);  // Tab goes on to the next control, as in any text box
}

QString EditorTextBox::toShown(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
            case u'\r':
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                    ++i;
                shown += QChar(kParagraph);
                break;
            case u'\n':
                shown += QChar(kLineInside);
                break;
            case kParagraph:
                shown += QChar(kKeptParagraph);
                break;
            case kLineInside:
                shown += QChar(kKeptLineInside);
                break;
            default:
                shown += QChar(c);
        }
    }
    return shown;
}

QString EditorTextBox::shownText() const {
    return document()->toRawText();
}

int EditorTextBox::shownLength() const {
    return document()->characterCount() - 1;  // without the end of the last line
}

QString EditorTextBox::text() const {
    return fromShown(shownText());
}

void EditorTextBox::setText(const QString& text) {
    // One block per line; the document takes U+2029 as the break between blocks.
    setPlainText(toShown(text));
}

int EditorTextBox::selStart() const {
    return textCursor().selectionStart();
}

void EditorTextBox::setSelStart(int start) {
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(start, 0, shownLength()));
    setTextCursor(c);
}

int EditorTextBox::selLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void EditorTextBox::setSelLength(int length) {
    select(selStart(), length);
}

void EditorTextBox::select(int start, int length) {
    const int size = shownLength();
    start = std::clamp(start, 0, size);
    QTextCursor c = textCursor();
    c.setPosition(start);
    c.setPosition(std::clamp(start + std::max(length, 0), start, size), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString EditorTextBox::selText() const {
    return fromShown(textCursor().selectedText());
}

void EditorTextBox::setSelText(const QString& text) {
    QTextCursor c = textCursor();
    c.insertText(toShown(text));
    setTextCursor(c);
}

bool EditorTextBox::endsWithLineBreak() const {
    return document()->blockCount() > 1 && document()->lastBlock().length() == 1;
}

void EditorTextBox::removeFinalLineBreak() {
    if (!endsWithLineBreak())
        return;
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.deletePreviousChar();
}

void EditorTextBox::replaceShownRange(int start, int end, const QString& shown) {
    QTextCursor c = textCursor();
    c.beginEditBlock();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.insertText(shown);
    c.endEditBlock();
    setTextCursor(c);
}

}  // namespace kbs
