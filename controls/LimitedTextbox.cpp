#include "LimitedTextbox.h"

#include <QResizeEvent>

#include "AppError.h"

namespace kbs {

LimitedTextbox::LimitedTextbox(QWidget* parent) : QWidget(parent), m_textbox(new QLineEdit(this)) {
    m_textbox->setObjectName(QStringLiteral("Textbox"));
    setFocusProxy(m_textbox);
    setFocusPolicy(m_textbox->focusPolicy());
    connect(m_textbox, &QLineEdit::textChanged, this, [this] { Q_EMIT Change(); });
}

QString LimitedTextbox::text() const {
    return m_textbox->text();
}
void LimitedTextbox::setText(const QString& text) {
    m_textbox->setText(text);
}
bool LimitedTextbox::locked() const {
    return m_textbox->isReadOnly();
}
void LimitedTextbox::setLocked(bool locked) {
    m_textbox->setReadOnly(locked);
}
int LimitedTextbox::selStart() const {
    return m_textbox->hasSelectedText() ? m_textbox->selectionStart() : m_textbox->cursorPosition();
}
void LimitedTextbox::setSelStart(int start) {
    if (start < 0) {
        throw AppError(err::InvalidPropertyValue, QStringLiteral("LimitedTextbox"),
                       QStringLiteral("Invalid property value"));
    }
    m_textbox->setCursorPosition(std::min<int>(start, int(m_textbox->text().size())));
}
int LimitedTextbox::selLength() const {
    return int(m_textbox->selectedText().size());
}
void LimitedTextbox::setSelLength(int length) {
    if (length < 0) {
        throw AppError(err::InvalidPropertyValue, QStringLiteral("LimitedTextbox"),
                       QStringLiteral("Invalid property value"));
    }
    const int start = selStart();
    m_textbox->setSelection(start, std::min<int>(length, int(m_textbox->text().size()) - start));
}

void LimitedTextbox::resizeEvent(QResizeEvent* event) {
    m_textbox->setGeometry(0, 0, event->size().width(), event->size().height());
}

}  // namespace kbs
