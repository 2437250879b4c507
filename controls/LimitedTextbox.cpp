#include "LimitedTextbox.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaClassInfo>
#include <QMouseEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <limits>

#include "Ambient.h"
#include "AppError.h"
#include "Prompts.h"
#include "TextRules.h"
#include "Twips.h"

namespace kbs {

namespace {

// Names of the values the inner box keeps for us beside its own properties.
constexpr char kAppearance[] = "Appearance";
constexpr char kBackColor[] = "BackColor";
constexpr char kForeColor[] = "ForeColor";
constexpr char kMousePointer[] = "MousePointer";
constexpr char kMouseIcon[] = "MouseIcon";
constexpr char kCausesValidation[] = "CausesValidation";

constexpr int kNoLimit = std::numeric_limits<int>::max();

// Set while a Validate handler that said Cancel gets the focus back, so that the control the
// focus briefly went to does not validate in turn.
bool g_takingFocusBack = false;

[[noreturn]] void invalidPropertyValue() {
    throw AppError(err::InvalidPropertyValue, QString(), QStringLiteral("Invalid property value"));
}

// The platform's system colours, by their number in a 0x800000nn colour value.
QColor systemColor(int index, const QWidget* w) {
    const QPalette pal = QApplication::palette(w);
    switch (index) {
        case 1:   // desktop
        case 4:   // menu
        case 12:  // application workspace
            return pal.color(QPalette::Window);
        case 5:  // window background
            return pal.color(QPalette::Base);
        case 6:   // window frame
        case 16:  // button shadow
        case 21:  // 3D dark shadow
            return pal.color(QPalette::Dark);
        case 7:  // menu text
            return pal.color(QPalette::WindowText);
        case 8:  // window text
            return pal.color(QPalette::Text);
        case 13:
            return pal.color(QPalette::Highlight);
        case 14:
            return pal.color(QPalette::HighlightedText);
        case 15:  // button face
            return pal.color(QPalette::Button);
        case 17:  // grey text
            return pal.color(QPalette::Disabled, QPalette::Text);
        case 18:
            return pal.color(QPalette::ButtonText);
        case 20:  // button highlight
        case 22:  // 3D light
            return pal.color(QPalette::Light);
        case 23:
            return pal.color(QPalette::ToolTipText);
        case 24:
            return pal.color(QPalette::ToolTipBase);
        default:
            return pal.color(QPalette::Base);
    }
}

QColor colorOf(quint32 value, const QWidget* w) {
    if (value & 0x80000000u)
        return systemColor(int(value & 0xFFu), w);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

bool validPointer(int pointer) {
    return (pointer >= 0 && pointer <= 15) || pointer == LimitedTextbox::CustomPointer;
}

Qt::CursorShape cursorShape(int pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 0:
        case 3:
            return Qt::IBeamCursor;
        case 5:
        case 15:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        default:
            return Qt::ArrowCursor;
    }
}

qint16 shiftState(Qt::KeyboardModifiers m) {
    qint16 s = 0;
    if (m & Qt::ShiftModifier)
        s |= 1;
    if (m & Qt::ControlModifier)
        s |= 2;
    if (m & Qt::AltModifier)
        s |= 4;
    return s;
}

qint16 mouseButton(Qt::MouseButtons b) {
    qint16 v = 0;
    if (b & Qt::LeftButton)
        v |= 1;
    if (b & Qt::RightButton)
        v |= 2;
    if (b & Qt::MiddleButton)
        v |= 4;
    return v;
}

// The platform's virtual-key code of a key; 0 for keys it has none for.
qint16 virtualKey(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return qint16(keypad ? 96 + (k - Qt::Key_0) : k);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return qint16(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return qint16(112 + (k - Qt::Key_F1));
    switch (k) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_NumLock:
            return 144;
        case Qt::Key_ScrollLock:
            return 145;
        case Qt::Key_Asterisk:
            return keypad ? 106 : 0;
        case Qt::Key_Plus:
            return keypad ? 107 : 187;
        case Qt::Key_Minus:
            return keypad ? 109 : 189;
        case Qt::Key_Period:
            return keypad ? 110 : 190;
        case Qt::Key_Slash:
            return keypad ? 111 : 191;
        case Qt::Key_Semicolon:
            return 186;
        case Qt::Key_Equal:
            return 187;
        case Qt::Key_Comma:
            return 188;
        case Qt::Key_QuoteLeft:
            return 192;
        case Qt::Key_BracketLeft:
            return 219;
        case Qt::Key_Backslash:
            return 220;
        case Qt::Key_BracketRight:
            return 221;
        case Qt::Key_Apostrophe:
            return 222;
        default:
            return 0;
    }
}

// The character code a keystroke types, or -1 when it types none.
int typedCharacter(const QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() == 1)
        return t.front().unicode();
    if (!t.isEmpty())
        return -1;  // a character outside the 16-bit range reaches the box unannounced
    const int k = e->key();
    if ((e->modifiers() & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        return k - Qt::Key_A + 1;
    switch (k) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        default:
            return -1;
    }
}

// The keystroke that types character code c instead of the original one.
QKeyEvent replacementKey(const QKeyEvent* original, int c) {
    const QString text{QChar(char16_t(c))};
    switch (c) {
        case 8:
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, text);
        case 9:
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, text);
        case 13:
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, text);
        case 27:
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, text);
        default:
            break;
    }
    if (c >= 1 && c <= 26)
        return QKeyEvent(QEvent::KeyPress, Qt::Key_A + (c - 1), Qt::ControlModifier, text);
    return QKeyEvent(QEvent::KeyPress, Qt::Key_unknown,
                     original->modifiers() & (Qt::ShiftModifier | Qt::KeypadModifier), text);
}

}  // namespace

namespace detail {

// The inner box: a QLineEdit that tells its control about focus, keys and mouse buttons in the
// order the control's rules need them.
class InnerTextbox final : public QLineEdit {
public:
    explicit InnerTextbox(LimitedTextbox* owner) : QLineEdit(owner), m_owner(owner) {}

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        m_owner->saveSelection();
        m_owner->m_previousText = text();
    }

    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        focusLeaving(e->reason());
    }

    void keyPressEvent(QKeyEvent* e) override {
        qint16 keyCode = virtualKey(e);
        const qint16 originalKeyCode = keyCode;
        qint16 shift = shiftState(e->modifiers());
        Q_EMIT m_owner->KeyDown(keyCode, shift);
        if (originalKeyCode != 0 && keyCode == 0) {
            e->accept();
            return;
        }
        const int typed = typedCharacter(e);
        if (typed >= 0) {
            qint16 keyAscii = qint16(quint16(typed));
            Q_EMIT m_owner->KeyPress(keyAscii);
            const int wanted = quint16(keyAscii);
            if (wanted == 0) {
                e->accept();
                return;
            }
            if (wanted != typed) {
                QKeyEvent replaced = replacementKey(e, wanted);
                QLineEdit::keyPressEvent(&replaced);
                e->setAccepted(replaced.isAccepted());
                return;
            }
        }
        QLineEdit::keyPressEvent(e);
    }

    void keyReleaseEvent(QKeyEvent* e) override {
        m_owner->saveSelection();
        qint16 keyCode = virtualKey(e);
        qint16 shift = shiftState(e->modifiers());
        Q_EMIT m_owner->KeyUp(keyCode, shift);
        QLineEdit::keyReleaseEvent(e);
    }

    void mousePressEvent(QMouseEvent* e) override {
        QLineEdit::mousePressEvent(e);
        m_afterDoubleClick = false;
        raiseMouse(&LimitedTextbox::MouseDown, mouseButton(e->button()), e);
    }

    void mouseMoveEvent(QMouseEvent* e) override {
        QLineEdit::mouseMoveEvent(e);
        raiseMouse(&LimitedTextbox::MouseMove, mouseButton(e->buttons()), e);
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        QLineEdit::mouseReleaseEvent(e);
        m_owner->saveSelection();
        raiseMouse(&LimitedTextbox::MouseUp, mouseButton(e->button()), e);
        const bool click = e->button() == Qt::LeftButton && !m_afterDoubleClick &&
                           rect().contains(e->position().toPoint());
        m_afterDoubleClick = false;
        if (click)
            Q_EMIT m_owner->Click();
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QLineEdit::mouseDoubleClickEvent(e);
        m_afterDoubleClick = true;
        Q_EMIT m_owner->DblClick();
    }

private:
    using MouseSignal = void (LimitedTextbox::*)(qint16&, qint16&, float&, float&);

    void raiseMouse(MouseSignal signal, qint16 button, const QMouseEvent* e) {
        qint16 shift = shiftState(e->modifiers());
        float x = float(pixelsToTwips(e->position().x(), logicalDpiX()));
        float y = float(pixelsToTwips(e->position().y(), logicalDpiY()));
        (m_owner->*signal)(button, shift, x, y);
    }

    // The focus has gone to another control: raise Validate when that control causes
    // validation, and take the focus back when the host cancels.
    void focusLeaving(Qt::FocusReason reason) {
        if (g_takingFocusBack || reason == Qt::PopupFocusReason ||
            reason == Qt::ActiveWindowFocusReason || reason == Qt::MenuBarFocusReason)
            return;
        QWidget* next = QApplication::focusWidget();
        if (!next || next == this || next->window() != window())
            return;
        const QVariant causes = next->property(kCausesValidation);
        if (causes.isValid() && !causes.toBool())
            return;
        bool cancel = false;
        Q_EMIT m_owner->Validate(cancel);
        if (cancel) {
            QScopedValueRollback guard(g_takingFocusBack, true);
            setFocus(Qt::OtherFocusReason);
        }
    }

    LimitedTextbox* m_owner;
    bool m_afterDoubleClick = false;
};

}  // namespace detail

LimitedTextbox::LimitedTextbox(QWidget* parent)
    : QWidget(parent), m_textbox(new detail::InnerTextbox(this)) {
    m_textbox->setObjectName(QStringLiteral("Textbox"));
    m_textbox->setMaxLength(kNoLimit);
    m_textbox->setProperty(kAppearance, 1);
    m_textbox->setProperty(kBackColor, SystemWindow);
    m_textbox->setProperty(kForeColor, SystemWindowText);
    m_textbox->setProperty(kMousePointer, qint16(0));
    m_textbox->setProperty(kCausesValidation, true);
    m_textbox->setGeometry(rect());
    setFocusProxy(m_textbox);
    setFocusPolicy(m_textbox->focusPolicy());
    setSizePolicy(m_textbox->sizePolicy());
    connect(m_textbox, &QLineEdit::textChanged, this, &LimitedTextbox::checkChange);
}

LimitedTextbox::~LimitedTextbox() = default;

QLineEdit* LimitedTextbox::textbox() const {
    return m_textbox;
}

// --- The check ----------------------------------------------------------------------------

void LimitedTextbox::checkChange() {
    if (m_restoring)
        return;
    QScopedValueRollback checking(m_checking, true);
    const quint64 thisCheck = ++m_checks;
    m_isCorrect = true;
    m_currentText = m_textbox->text();
    if (!m_currentText.isEmpty() && m_rule >= 1 && m_rule <= 9) {
        if (m_rule == textrules::UserCheck) {
            Q_EMIT CheckContents(m_currentText, m_previousText, m_isCorrect);
            // A handler that set Text has had that text checked in full already; this check
            // is about a text the box no longer shows.
            if (m_checks != thisCheck)
                return;
            m_isCorrect = m_isCorrect && ambient::userMode(this);
        } else {
            m_isCorrect = textrules::passes(m_rule, m_currentText);
        }
    }

    if (m_isCorrect) {
        // Remember the text before the host hears of it, so that a handler that sets a text
        // the rule rejects falls back to this one.
        m_previousText = m_currentText;
        Q_EMIT Change();
        return;
    }

    if (m_noisy)
        prompts().beep();
    QScopedValueRollback restoring(m_restoring, true);
    m_textbox->setText(m_previousText);
    restoreSelection();
}

void LimitedTextbox::saveSelection() {
    m_savedSelLength = selLength();
    m_savedSelStart = selStart();
}

void LimitedTextbox::restoreSelection() {
    setSelStart(m_savedSelStart);
    setSelLength(m_savedSelLength);
}

// --- Properties ---------------------------------------------------------------------------

void LimitedTextbox::markChanged(const char* name) {
    Q_EMIT PropertyChanged(QString::fromLatin1(name));
}

QString LimitedTextbox::text() const {
    return m_textbox->text();
}

void LimitedTextbox::setText(const QString& text) {
    m_textbox->setText(text);
    // A text set by the program shows its beginning, not its end; not so a text that a
    // handler of the check sets in answer to typing. A rejected text has had its caret put
    // back by the check.
    if (m_textbox->text() == text && !m_checking)
        m_textbox->setCursorPosition(0);
    markChanged("Text");
}

void LimitedTextbox::setRule(int rule) {
    if (rule < textrules::FirstRule || rule > textrules::LastRule)
        invalidPropertyValue();
    m_rule = rule;
    m_previousText.clear();
    m_textbox->setText(QString());
    markChanged("Rule");
}

void LimitedTextbox::setNoisy(bool noisy) {
    m_noisy = noisy;
    markChanged("Noisy");
}

int LimitedTextbox::alignment() const {
    const Qt::Alignment a = m_textbox->alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignRight)
        return RightJustify;
    if (a & Qt::AlignHCenter)
        return Center;
    return LeftJustify;
}

void LimitedTextbox::setAlignment(int alignment) {
    Qt::Alignment a;
    switch (alignment) {
        case LeftJustify:
            a = Qt::AlignLeft;
            break;
        case RightJustify:
            a = Qt::AlignRight;
            break;
        case Center:
            a = Qt::AlignHCenter;
            break;
        default:
            invalidPropertyValue();
    }
    m_textbox->setAlignment(a | Qt::AlignVCenter);
    markChanged("Alignment");
}

int LimitedTextbox::appearance() const {
    return m_textbox->property(kAppearance).toInt();
}

void LimitedTextbox::setAppearance(int appearance) {
    if (appearance != 0 && appearance != 1)
        invalidPropertyValue();
    m_textbox->setProperty(kAppearance, appearance);
    markChanged("Appearance");
}

quint32 LimitedTextbox::backColor() const {
    return m_textbox->property(kBackColor).toUInt();
}

void LimitedTextbox::setBackColor(quint32 color) {
    m_textbox->setProperty(kBackColor, color);
    applyColors();
    markChanged("BackColor");
}

quint32 LimitedTextbox::foreColor() const {
    return m_textbox->property(kForeColor).toUInt();
}

void LimitedTextbox::setForeColor(quint32 color) {
    m_textbox->setProperty(kForeColor, color);
    applyColors();
    markChanged("ForeColor");
}

void LimitedTextbox::applyColors() {
    const quint32 back = backColor();
    const quint32 fore = foreColor();
    if (back == SystemWindow && fore == SystemWindowText) {
        m_textbox->setPalette(QPalette());  // follow the style again
        return;
    }
    QPalette pal = m_textbox->palette();
    pal.setColor(QPalette::Base, colorOf(back, m_textbox));
    pal.setColor(QPalette::Text, colorOf(fore, m_textbox));
    m_textbox->setPalette(pal);
}

int LimitedTextbox::borderStyle() const {
    return m_textbox->hasFrame() ? 1 : 0;
}

void LimitedTextbox::setBorderStyle(int style) {
    if (style != 0 && style != 1)
        invalidPropertyValue();
    m_textbox->setFrame(style == 1);
    markChanged("BorderStyle");
}

bool LimitedTextbox::boxEnabled() const {
    return m_textbox->isEnabled();
}

void LimitedTextbox::setBoxEnabled(bool enabled) {
    m_textbox->setEnabled(enabled);
    markChanged("Enabled");
}

QFont LimitedTextbox::textFont() const {
    return m_textbox->font();
}

void LimitedTextbox::setTextFont(const QFont& font) {
    m_textbox->setFont(font);
    markChanged("Font");
}

qulonglong LimitedTextbox::hwnd() const {
    return qulonglong(m_textbox->effectiveWinId());
}

bool LimitedTextbox::locked() const {
    return m_textbox->isReadOnly();
}

void LimitedTextbox::setLocked(bool locked) {
    m_textbox->setReadOnly(locked);
    markChanged("Locked");
}

int LimitedTextbox::maxLength() const {
    const int n = m_textbox->maxLength();
    return n == kNoLimit ? 0 : n;
}

void LimitedTextbox::setMaxLength(int length) {
    if (length < 0)
        invalidPropertyValue();
    m_textbox->setMaxLength(length == 0 ? kNoLimit : length);
    markChanged("MaxLength");
}

QPixmap LimitedTextbox::mouseIcon() const {
    return m_textbox->property(kMouseIcon).value<QPixmap>();
}

void LimitedTextbox::setMouseIcon(const QPixmap& icon) {
    m_textbox->setProperty(kMouseIcon, icon);
    applyPointer();
    markChanged("MouseIcon");
}

qint16 LimitedTextbox::mousePointer() const {
    return qint16(m_textbox->property(kMousePointer).toInt());
}

void LimitedTextbox::setMousePointer(qint16 pointer) {
    if (!validPointer(pointer))
        invalidPropertyValue();
    m_textbox->setProperty(kMousePointer, pointer);
    applyPointer();
    markChanged("MousePointer");
}

void LimitedTextbox::applyPointer() {
    const int pointer = mousePointer();
    const QPixmap icon = mouseIcon();
    if (pointer == CustomPointer && !icon.isNull())
        m_textbox->setCursor(QCursor(icon));
    else
        m_textbox->setCursor(cursorShape(pointer));
}

bool LimitedTextbox::multiline() const {
    return false;
}

void LimitedTextbox::setMultiline(bool) {
    markChanged("Multiline");
}

bool LimitedTextbox::rightToLeft() const {
    return m_textbox->layoutDirection() == Qt::RightToLeft;
}

void LimitedTextbox::setRightToLeft(bool rightToLeft) {
    m_textbox->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    markChanged("RightToLeft");
}

QString LimitedTextbox::toolTipText() const {
    return m_textbox->toolTip();
}

void LimitedTextbox::setToolTipText(const QString& text) {
    m_textbox->setToolTip(text);
    markChanged("ToolTipText");
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

QString LimitedTextbox::selText() const {
    return m_textbox->selectedText();
}

void LimitedTextbox::setSelText(const QString& text) {
    m_textbox->insert(text);
}

void LimitedTextbox::Refresh() {
    m_textbox->repaint();
}

// --- Saved properties ---------------------------------------------------------------------

void LimitedTextbox::writeProperties(PropertyBag& bag) const {
    bag.writeProperty(QStringLiteral("Alignment"), alignment(), LeftJustify);
    bag.writeProperty(QStringLiteral("Appearance"), appearance(), 1);
    bag.writeProperty(QStringLiteral("BackColor"), backColor(), SystemWindow);
    bag.writeProperty(QStringLiteral("BorderStyle"), borderStyle(), 1);
    bag.writeProperty(QStringLiteral("CausesValidation"),
                      m_textbox->property(kCausesValidation).toBool(), true);
    bag.writeProperty(QStringLiteral("Enabled"), boxEnabled(), true);
    bag.writeProperty(QStringLiteral("Font"), textFont(), font());
    bag.writeProperty(QStringLiteral("ForeColor"), foreColor(), SystemWindowText);
    bag.writeProperty(QStringLiteral("Locked"), locked(), false);
    bag.writeProperty(QStringLiteral("MaxLength"), maxLength(), 0);
    const QPixmap icon = mouseIcon();
    bag.writeProperty(QStringLiteral("MouseIcon"), icon.isNull() ? QVariant() : QVariant(icon));
    bag.writeProperty(QStringLiteral("MousePointer"), mousePointer(), qint16(0));
    bag.writeProperty(QStringLiteral("Noisy"), m_noisy, false);
    bag.writeProperty(QStringLiteral("RightToLeft"), rightToLeft(), false);
    bag.writeProperty(QStringLiteral("Rule"), m_rule, 0);
    bag.writeProperty(QStringLiteral("Text"), text(), QString());
    bag.writeProperty(QStringLiteral("ToolTipText"), toolTipText(), QString());
}

void LimitedTextbox::readProperties(const PropertyBag& bag) {
    // Each inner property is set on the box itself; a value the box cannot take (a damaged
    // window file) leaves that property at its default instead of failing the whole load.
    const auto orDefault = [](int v, bool valid, int def) { return valid ? v : def; };

    const int align = bag.read(QStringLiteral("Alignment"), int(LeftJustify));
    const int a = orDefault(align, align >= LeftJustify && align <= Center, LeftJustify);
    m_textbox->setAlignment((a == RightJustify ? Qt::AlignRight
                             : a == Center     ? Qt::AlignHCenter
                                               : Qt::AlignLeft) |
                            Qt::AlignVCenter);
    const int appearance = bag.read(QStringLiteral("Appearance"), 1);
    m_textbox->setProperty(kAppearance,
                           orDefault(appearance, appearance == 0 || appearance == 1, 1));
    m_textbox->setProperty(kBackColor, bag.read(QStringLiteral("BackColor"), SystemWindow));
    const int border = bag.read(QStringLiteral("BorderStyle"), 1);
    m_textbox->setFrame(orDefault(border, border == 0 || border == 1, 1) == 1);
    m_textbox->setProperty(kCausesValidation, bag.read(QStringLiteral("CausesValidation"), true));
    m_textbox->setEnabled(bag.read(QStringLiteral("Enabled"), true));
    m_textbox->setFont(bag.read(QStringLiteral("Font"), font()));
    m_textbox->setProperty(kForeColor, bag.read(QStringLiteral("ForeColor"), SystemWindowText));
    applyColors();
    m_textbox->setReadOnly(bag.read(QStringLiteral("Locked"), false));
    const int maxLen = bag.read(QStringLiteral("MaxLength"), 0);
    m_textbox->setMaxLength(maxLen > 0 ? maxLen : kNoLimit);
    setMouseIcon(bag.read(QStringLiteral("MouseIcon"), QPixmap()));
    const int pointer = bag.read(QStringLiteral("MousePointer"), 0);
    m_textbox->setProperty(kMousePointer, qint16(validPointer(pointer) ? pointer : 0));
    applyPointer();
    m_noisy = bag.read(QStringLiteral("Noisy"), false);
    m_textbox->setLayoutDirection(bag.read(QStringLiteral("RightToLeft"), false) ? Qt::RightToLeft
                                                                                 : Qt::LeftToRight);
    m_rule = bag.read(QStringLiteral("Rule"), 0);

    const QString loaded = bag.read(QStringLiteral("Text"), QString());
    {
        QScopedValueRollback restoring(m_restoring, true);
        m_textbox->setText(loaded);
        m_textbox->setSelection(0, 0);
        m_textbox->setCursorPosition(0);
    }
    // What the box shows is what a rejection returns to (a MaxLength may have shortened it).
    m_previousText = m_textbox->text();
    m_textbox->setToolTip(bag.read(QStringLiteral("ToolTipText"), QString()));
}

void LimitedTextbox::initProperties() {
    setText(ambient::displayName(this));
}

// --- Metadata -----------------------------------------------------------------------------

namespace {
QString classInfo(const char* prefix, const char* member) {
    const QMetaObject& mo = LimitedTextbox::staticMetaObject;
    const QByteArray key = QByteArray(prefix) + member;
    const int i = mo.indexOfClassInfo(key.constData());
    return i < 0 ? QString() : QString::fromUtf8(mo.classInfo(i).value());
}
}  // namespace

QString LimitedTextbox::memberDescription(const char* member) {
    return classInfo("Description:", member);
}

QString LimitedTextbox::memberCategory(const char* member) {
    return classInfo("Category:", member);
}

// --- Size ---------------------------------------------------------------------------------

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
