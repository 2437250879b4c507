#pragma once

#include <QPlainTextEdit>
#include <QString>

#include "TextCodec.h"

namespace kbs {

// The editor's multi-line text box. Its text is lines separated by CR LF; a lone LF that a
// line of a file holds stays inside the line (shown as a break within it) and comes back as
// LF. The box also remembers the encoding of the file its text was loaded from, so that the
// text is saved in the same one.
//
// Positions (SelStart) count each line break as one character, as the box shows the text.
class EditorTextBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText USER true)

public:
    explicit EditorTextBox(QWidget* parent = nullptr);

    // The whole text, lines joined by CR LF.
    QString text() const;
    // Replaces the whole text in one assignment; CR LF and a lone CR break lines.
    void setText(const QString& text);

    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

    int selStart() const;
    void setSelStart(int start);  // also empties the selection
    int selLength() const;
    void setSelLength(int length);
    void select(int start, int length);
    QString selText() const;  // with CR LF between lines
    // Replaces the selection, or inserts at the caret when nothing is selected.
    void setSelText(const QString& text);

    // Whether the text ends with a line break, and removing that one line break.
    bool endsWithLineBreak() const;
    void removeFinalLineBreak();

    // The text as the box holds it, for searching: one character per line break. Positions
    // in it are the positions of selStart().
    QString shownText() const;
    int shownLength() const;
    // A text in the form shownText() has.
    static QString toShown(const QString& text);
    // Replaces the characters from `start` to `end` of shownText() by `shown` (in that form)
    // in one edit, leaving the caret after it.
    void replaceShownRange(int start, int end, const QString& shown);

private:
    TextEncoding m_encoding = TextEncoding::Utf8;
};

}  // namespace kbs
