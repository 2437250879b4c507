#include "LimitedTextbox.h"

#include <QResizeEvent>
#include <limits>

#include "AppError.h"

namespace kbs {

namespace {

[[noreturn]] void invalidPropertyValue() {
    throw AppError(err::InvalidPropertyValue, QStringLiteral("LimitedTextbox"),
                   QStringLiteral("Invalid property value"));
}

}  // namespace

LimitedTextbox::LimitedTextbox(QWidget* parent) : QWidget(parent), m_textbox(new QLineEdit(this)) {
    m_textbox->setObjectName(QStringLiteral("Textbox"));
    m_textbox->setMaxLength(std::numeric_limits<int>::max());
    m_textbox->setGeometry(rect());
    setFocusProxy(m_textbox);
    setFocusPolicy(m_textbox->focusPolicy());
    setSizePolicy(m_textbox->sizePolicy());
}

LimitedTextbox::~LimitedTextbox() = default;

QString LimitedTextbox::text() const {
    return m_textbox->text();
}

void LimitedTextbox::setText(const QString& text) {
    m_textbox->setText(text);
    m_textbox->setCursorPosition(0);
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
    if (start < 0)
        invalidPropertyValue();
    m_textbox->setCursorPosition(std::min<int>(start, int(m_textbox->text().size())));
}

int LimitedTextbox::selLength() const {
    return int(m_textbox->selectedText().size());
}

void LimitedTextbox::setSelLength(int length) {
    if (length < 0)
        invalidPropertyValue();
    const int start = selStart();
    m_textbox->setSelection(start, std::min<int>(length, int(m_textbox->text().size()) - start));
}

QSize LimitedTextbox::sizeHint() const {
    return m_textbox->sizeHint();
}

QSize LimitedTextbox::minimumSizeHint() const {
    return m_textbox->minimumSizeHint();
}

void LimitedTextbox::resizeEvent(QResizeEvent* event) {
    // The box takes the control's height, then its width; the control then takes whatever
    // size the box ended up with (the box's own limits may have kept it from following).
    const QSize wanted = event->size();
    m_textbox->move(0, 0);
    m_textbox->resize(m_textbox->width(), wanted.height());
    m_textbox->resize(wanted.width(), m_textbox->height());
    if (m_textbox->size() != size())
        resize(m_textbox->size());
}

}  // namespace kbs
