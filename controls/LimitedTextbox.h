#pragma once

#include <QFont>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "PropertyBag.h"

namespace kbs {

namespace detail {
class InnerTextbox;
}

// A single-line text box that checks every change of its text against a rule.
//
// The control wraps one QLineEdit (objectName "Textbox", see textbox()) that fills it. Every
// change of that box's text - typing, pasting, deleting, undo, or a program setting Text or
// SelText - is checked against Rule (0 = no check, 1..8 fixed character rules, 9 = the host
// decides through CheckContents). An accepted change raises Change; a rejected one puts back
// the last accepted text and the caret/selection saved when the box got the focus or at the
// last key up / mouse button up, beeps through prompts().beep() when Noisy, and raises nothing.
//
// Events with parameters hand them over by reference, so a handler can change them: set
// KeyAscii to 0 in KeyPress to swallow a keystroke, set Cancel in Validate to keep the focus,
// set IsCorrect to false in CheckContents to reject the text. Connect to them directly (the
// default for objects on the one user-interface thread); a queued connection cannot carry a
// reference.
//
// The design-time settings travel in a PropertyBag (writeProperties / readProperties); a text
// read from the bag is shown without a check and without Change.
class LimitedTextbox : public QWidget {
    Q_OBJECT
    // Descriptions and property-browser categories of the members.
    Q_CLASSINFO("Description:Noisy",
                "Determines whether the control will beep when the user enters invalid data.")
    Q_CLASSINFO("Description:Rule", "Selects the applicable Rule for checking contents.")
    Q_CLASSINFO("Description:CheckContents",
                "Fired before Change event if Rule is [User Check]. The user examines Text (if "
                "necessary in conjunction with PreviousText) for correctness and sets IsCorrect "
                "to False if it is incorrect. The Control will then reject the current input and "
                "not fire the Change event.")
    Q_CLASSINFO("Description:Validate",
                "Fired when the Control is about to loose the focus. Set Cancel to True if you "
                "want to retain the focus, for example if the Text is not acceptable.")
    Q_CLASSINFO("Description:Text",
                "Gibt den Text zurück, der im Steuerelement enthalten ist, oder legt diesen fest "
                "(this is the default property).")
    Q_CLASSINFO("Description:Alignment",
                "Gibt die Ausrichtung eines Kontrollkästchens, eines Optionsfeldes oder eines "
                "Steuerelementtextes zurück oder legt sie fest.")
    Q_CLASSINFO("Description:Locked", "Bestimmt, ob ein Steuerelement bearbeitet werden kann.")
    Q_CLASSINFO("Description:Appearance",
                "Gibt zurück oder legt fest, ob ein Objekt zur Laufzeit mit 3D-Effekten "
                "gezeichnet wird.")
    Q_CLASSINFO("Description:BackColor",
                "Gibt die Hintergrundfarbe zurück, die verwendet wird, um Text und Grafik in "
                "einem Objekt anzuzeigen, oder legt diese fest.")
    Q_CLASSINFO("Description:BorderStyle",
                "Gibt die Rahmenart für ein Objekt zurück oder legt diese fest.")
    Q_CLASSINFO("Description:Enabled",
                "Gibt einen Wert zurück, der bestimmt, ob ein Objekt auf vom Benutzer erzeugte "
                "Ereignisse reagieren kann, oder legt diesen fest.")
    Q_CLASSINFO("Description:Font", "Gibt ein Font-Objekt zurück.")
    Q_CLASSINFO("Description:ForeColor",
                "Gibt die Vordergrundfarbe zurück, die zum Anzeigen von Text und Grafiken in "
                "einem Objekt verwendet wird, oder legt diese fest.")
    Q_CLASSINFO("Description:hwnd",
                "Gibt eine Zugriffsnummer (von Microsoft Windows) für das Fenster eines Objekts "
                "zurück.")
    Q_CLASSINFO("Description:MaxLength",
                "Gibt die maximale Anzahl an Zeichen zurück, die in ein Steuerelement eingegeben "
                "werden können, oder legt diese fest.")
    Q_CLASSINFO("Description:MouseIcon", "Legt ein benutzerdefiniertes Maussymbol fest.")
    Q_CLASSINFO("Description:MousePointer",
                "Gibt den Typ des Mauszeigers zurück, der angezeigt wird, wenn sich die Maus zur "
                "Laufzeit über einem bestimmten Teil eines Objekts befindet, oder legt diesen "
                "fest.")
    Q_CLASSINFO("Description:Multiline",
                "Gibt zurück oder legt fest, ob ein Steuerelement mehrere Textzeilen akzeptieren "
                "kann.")
    Q_CLASSINFO("Description:RightToLeft",
                "Bestimmt die Textanzeigerichtung und steuert die visuelle Darstellung auf einem "
                "bidirektionalen System.")
    Q_CLASSINFO("Description:SelLength",
                "Gibt die Anzahl der markierten Zeichen zurück oder legt diese fest.")
    Q_CLASSINFO("Description:SelStart",
                "Gibt den Anfangspunkt des markierten Textes zurück oder legt diesen fest.")
    Q_CLASSINFO("Description:SelText",
                "Gibt die Zeichenfolge zurück, die den aktuell markierten Text enthält, oder "
                "legt diese fest.")
    Q_CLASSINFO("Description:ToolTipText",
                "Gibt den Text zurück, der angezeigt wird, wenn die Maus über einem "
                "Steuerelement verweilt, oder legt diesen fest.")
    Q_CLASSINFO("Description:Refresh", "Erzwingt das vollständige Neuzeichnen eines Objekts.")
    Q_CLASSINFO("Description:Change",
                "Tritt auf, wenn sich der Inhalt eines Steuerelements geändert hat.")
    Q_CLASSINFO("Description:Click",
                "Tritt auf, wenn der Benutzer eine Maustaste über einem Objekt drückt und dann "
                "losläßt.")
    Q_CLASSINFO("Description:DblClick",
                "Tritt auf, wenn der Benutzer eine Maustaste über einem Objekt drückt und "
                "losläßt und anschließend erneut drückt und losläßt.")
    Q_CLASSINFO("Description:KeyDown",
                "Tritt auf, wenn der Benutzer eine Taste drückt, während ein Objekt den Fokus "
                "besitzt.")
    Q_CLASSINFO("Description:KeyPress",
                "Tritt auf, wenn der Benutzer eine ANSI-Taste drückt und losläßt.")
    Q_CLASSINFO("Description:KeyUp",
                "Tritt auf, wenn der Benutzer eine Taste losläßt, während ein Objekt den Fokus "
                "hat.")
    Q_CLASSINFO("Description:MouseDown",
                "Tritt auf, wenn der Benutzer die Maustaste drückt, während ein Objekt den Fokus "
                "hat.")
    Q_CLASSINFO("Description:MouseMove", "Tritt auf, wenn der Benutzer die Maus bewegt.")
    Q_CLASSINFO("Description:MouseUp",
                "Tritt auf, wenn der Benutzer die Maustaste losläßt, während ein Objekt den "
                "Fokus hat.")
    Q_CLASSINFO("Category:Alignment", "Darstellung")
    Q_CLASSINFO("Category:Enabled", "Verhalten")
    Q_CLASSINFO("Category:Font", "Schriftart")
    Q_CLASSINFO("Category:Text", "Daten")

    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Enabled READ boxEnabled WRITE setBoxEnabled)
    Q_PROPERTY(QFont Font READ textFont WRITE setTextFont)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(qulonglong hwnd READ hwnd)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(qint16 MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(bool Multiline READ multiline WRITE setMultiline)
    Q_PROPERTY(bool Noisy READ noisy WRITE setNoisy)
    Q_PROPERTY(bool RightToLeft READ rightToLeft WRITE setRightToLeft)
    Q_PROPERTY(int Rule READ rule WRITE setRule)
    Q_PROPERTY(int SelLength READ selLength WRITE setSelLength)
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart)
    Q_PROPERTY(QString SelText READ selText WRITE setSelText)
    Q_PROPERTY(QString Text READ text WRITE setText USER true)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)

public:
    // Alignment values.
    enum : int { LeftJustify = 0, RightJustify = 1, Center = 2 };
    // Colours are 32-bit values: 0x00BBGGRR, or 0x800000nn for system colour nn.
    static constexpr quint32 SystemWindow = 0x80000005;
    static constexpr quint32 SystemWindowText = 0x80000008;
    // MousePointer: 0 default, 1 arrow, 2 cross, 3 I-beam, 5/15 size all, 6 size NE-SW,
    // 7 size N-S, 8 size NW-SE, 9 size W-E, 10 up arrow, 11 hourglass, 12 no drop,
    // 13 arrow and hourglass, 14 arrow and question mark, 99 MouseIcon.
    static constexpr qint16 CustomPointer = 99;

    explicit LimitedTextbox(QWidget* parent = nullptr);
    ~LimitedTextbox() override;

    // The main property. Setting it goes through the check like typing; an accepted text is
    // shown from its beginning (unless a handler of the check sets it).
    QString text() const;
    void setText(const QString& text);

    // Throws AppError 380 for a value outside 0..9 and then changes nothing; otherwise stores
    // the rule and clears the text (which raises Change when the text was not empty).
    int rule() const { return m_rule; }
    void setRule(int rule);
    bool noisy() const { return m_noisy; }
    void setNoisy(bool noisy);

    int alignment() const;
    void setAlignment(int alignment);  // 0..2, else AppError 380
    int appearance() const;
    void setAppearance(int appearance);  // 0 flat, 1 three-dimensional, else AppError 380
    quint32 backColor() const;
    void setBackColor(quint32 color);
    int borderStyle() const;
    void setBorderStyle(int style);  // 0 none, 1 single, else AppError 380
    bool boxEnabled() const;
    void setBoxEnabled(bool enabled);
    QFont textFont() const;
    void setTextFont(const QFont& font);
    quint32 foreColor() const;
    void setForeColor(quint32 color);
    qulonglong hwnd() const;  // the native window that shows the inner box
    bool locked() const;
    void setLocked(bool locked);
    int maxLength() const;          // 0: no limit
    void setMaxLength(int length);  // negative: AppError 380
    QPixmap mouseIcon() const;
    void setMouseIcon(const QPixmap& icon);
    qint16 mousePointer() const;
    void setMousePointer(qint16 pointer);  // one of the values above, else AppError 380
    bool multiline() const;                // always false: the inner box has one line
    void setMultiline(bool multiline);     // only marks the saved properties out of date
    bool rightToLeft() const;
    void setRightToLeft(bool rightToLeft);
    QString toolTipText() const;
    void setToolTipText(const QString& text);

    // Caret and selection, counted in characters from 0. Negative values: AppError 380;
    // values past the end stop at the end.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);  // replaces the selection; checked like typing

    // The last text that was accepted; a rejected change writes it back.
    QString previousText() const { return m_previousText; }

    void Refresh();  // repaints the inner box now

    // The saved properties. writeProperties stores every persisted property under its name
    // (values equal to their default are left out); readProperties sets them back and shows
    // the saved text without a check and without Change. Rule and Noisy are taken as saved.
    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);
    // A new instance placed on a host without saved properties: its text becomes the name the
    // host gives it (ambient::displayName).
    void initProperties();

    // The description and the property-browser category of a member ("" when it has none).
    static QString memberDescription(const char* member);
    static QString memberCategory(const char* member);

    QLineEdit* textbox() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // An accepted change of the text.
    void Change();
    // Rule 9: decide on a non-empty Text. Set IsCorrect to false to reject it. The arguments
    // are the control's own state: changing Text or PreviousText changes what the control
    // remembers.
    void CheckContents(QString& Text, QString& PreviousText, bool& IsCorrect);
    // The focus is about to move to a control that causes validation; Cancel keeps it here.
    void Validate(bool& Cancel);
    void Click();
    void DblClick();
    // KeyCode: the platform's virtual-key code (A-Z 65-90, 0-9 48-57, Delete 46, ...);
    // Shift: 1 Shift, 2 Ctrl, 4 Alt. Setting KeyCode to 0 keeps the key from the box.
    void KeyDown(qint16& KeyCode, qint16& Shift);
    // KeyAscii: the character typed; 0 swallows it, another character replaces it.
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    // Button: 1 left, 2 right, 4 middle; X and Y in twips from the box's top left corner.
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    // A property that is saved with the host was set: the host's saved copy is out of date.
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class detail::InnerTextbox;

    void checkChange();
    void saveSelection();
    void restoreSelection();
    void applyColors();
    void applyPointer();
    void markChanged(const char* name);

    detail::InnerTextbox* m_textbox;
    int m_rule = 0;
    bool m_noisy = false;
    QString m_previousText;
    QString m_currentText;
    int m_savedSelStart = 0;
    int m_savedSelLength = 0;
    bool m_restoring = false;
    bool m_checking = false;  // a change is being checked and announced
    bool m_isCorrect = true;
    quint64 m_checks = 0;  // counts checks, so that an outer check sees a nested one
};

}  // namespace kbs
