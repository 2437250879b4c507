// The rule-limited text box, driven like a user drives it: keystrokes, the mouse, the
// clipboard, and the host's code setting its properties.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "Ambient.h"
#include "AppError.h"
#include "LimitedTextbox.h"
#include "PropertyBag.h"
#include "TestEnv.h"

using namespace kbs;

namespace {

// A host window holding one labelled box and a button to move the focus to.
struct Host {
    QWidget window;
    QLabel* label;
    LimitedTextbox* box;
    QPushButton* other;
    int changes = 0;
    QStringList changedTo;

    Host() {
        auto* layout = new QVBoxLayout(&window);
        label = new QLabel(QStringLiteral("&Value:"), &window);
        box = new LimitedTextbox(&window);
        box->setObjectName(QStringLiteral("txtValue"));
        box->setAccessibleName(QStringLiteral("Value"));
        box->textbox()->setAccessibleName(QStringLiteral("Value"));
        label->setBuddy(box);
        other = new QPushButton(QStringLiteral("Other"), &window);
        layout->addWidget(label);
        layout->addWidget(box);
        layout->addWidget(other);
        QObject::connect(box, &LimitedTextbox::Change, box, [this] {
            ++changes;
            changedTo << box->text();
        });
        window.show();
        window.activateWindow();
        box->setFocus(Qt::OtherFocusReason);
    }
    QLineEdit* edit() const { return box->textbox(); }
    // Types each character with its own key press and release, as a keyboard would.
    void type(const QString& keys) const {
        for (QChar c : keys) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit(), char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key(c.toUpper().unicode()),
                                    QString(c), Qt::NoModifier);
        }
    }
};

void setSelection(QLineEdit* edit, int start, int length) {
    edit->setSelection(start, length);
}

}  // namespace

class TestLimitedTextbox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void innerBoxFillsTheControl() {
        test::TestEnv env(false);
        Host h;
        QCOMPARE(h.edit()->objectName(), QStringLiteral("Textbox"));
        QCOMPARE(h.edit()->parentWidget(), h.box);
        QCOMPARE(h.label->buddy(), h.box);
        QCOMPARE(h.edit()->geometry(), h.box->rect());
        h.box->resize(200, 40);
        QCOMPARE(h.edit()->geometry(), QRect(0, 0, 200, 40));
        // A box that cannot grow so far keeps the control to its own size.
        h.edit()->setMaximumHeight(30);
        h.box->resize(180, 60);
        QCOMPARE(h.edit()->size(), QSize(180, 30));
        QCOMPARE(h.box->size(), QSize(180, 30));
        // The focus given to the control goes to the box.
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        QVERIFY(h.edit()->hasFocus());
    }

    // Rule 1: a rejected keystroke puts back the text, the caret and the selection from
    // before it, beeps when noisy, and raises no Change.
    void rejectedKeystrokeRestoresTextAndCaret() {
        test::TestEnv env(false);
        Host h;
        h.box->setRule(1);
        h.box->setNoisy(true);
        h.type(QStringLiteral("12"));
        QCOMPARE(h.box->text(), QStringLiteral("12"));
        QCOMPARE(h.changes, 2);

        QTest::keyClick(h.edit(), Qt::Key_Home);
        h.type(QStringLiteral("a"));
        QCOMPARE(h.box->text(), QStringLiteral("12"));
        QCOMPARE(h.box->selStart(), 0);
        QCOMPARE(h.box->selLength(), 0);
        QCOMPARE(env.prompts().beeps, 1);
        QCOMPARE(h.changes, 2);

        // A selection made with the keyboard comes back whole.
        QTest::keyClick(h.edit(), Qt::Key_Right);
        QTest::keyClick(h.edit(), Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(h.box->selText(), QStringLiteral("2"));
        h.type(QStringLiteral("x"));
        QCOMPARE(h.box->text(), QStringLiteral("12"));
        QCOMPARE(h.box->selStart(), 1);
        QCOMPARE(h.box->selLength(), 1);
        QCOMPARE(env.prompts().beeps, 2);

        // Typing over the selection with a digit is accepted.
        h.type(QStringLiteral("5"));
        QCOMPARE(h.box->text(), QStringLiteral("15"));
        QCOMPARE(h.changes, 3);

        // A quiet box does not beep.
        h.box->setNoisy(false);
        h.type(QStringLiteral("z"));
        QCOMPARE(h.box->text(), QStringLiteral("15"));
        QCOMPARE(env.prompts().beeps, 2);
    }

    void typingUnderEachRule_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0 accepts all") << 0 << "a-1 ?"
                                       << "a-1 ?";
        QTest::newRow("2 no leading zero") << 2 << "0"
                                           << "";
        QTest::newRow("2 ten") << 2 << "10"
                               << "10";
        QTest::newRow("2 zero then seven") << 2 << "07"
                                           << "7";
        QTest::newRow("3 minus first") << 3 << "-5"
                                       << "-5";
        QTest::newRow("3 minus last") << 3 << "12-"
                                      << "12";
        QTest::newRow("3 minus inside") << 3 << "1-2"
                                        << "12";
        QTest::newRow("4 minus alone") << 4 << "-"
                                       << "-";
        QTest::newRow("4 digit after minus") << 4 << "-5"
                                             << "-";
        QTest::newRow("4 minus last") << 4 << "5-"
                                      << "5-";
        QTest::newRow("5 plus alone") << 5 << "+"
                                      << "+";
        QTest::newRow("5 trailing plus") << 5 << "5+"
                                         << "5+";
        QTest::newRow("5 digit after sign") << 5 << "5+5"
                                            << "5+";
        QTest::newRow("5 two signs") << 5 << "+-3"
                                     << "+3";
        QTest::newRow("6 decimal") << 6 << "3.25"
                                   << "3.25";
        QTest::newRow("6 letters") << 6 << "abc"
                                   << "";
        QTest::newRow("6 second point") << 6 << "1.2.3"
                                        << "1.23";
        QTest::newRow("7 umlauts") << 7 << QStringLiteral("Müßig") << QStringLiteral("Müßig");
        QTest::newRow("7 apostrophe") << 7 << "O'Neil"
                                      << "ONeil";
        QTest::newRow("7 e acute") << 7 << QStringLiteral("é") << "";
        QTest::newRow("8 name") << 8 << "O'Neil, Jr."
                                << "O'Neil, Jr.";
        QTest::newRow("8 hyphen") << 8 << "a-b"
                                  << "ab";
        QTest::newRow("8 e acute") << 8 << QStringLiteral("é") << "";
    }
    void typingUnderEachRule() {
        QFETCH(int, rule);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        test::TestEnv env(false);
        Host h;
        h.box->setRule(rule);
        h.type(keys);
        QCOMPARE(h.box->text(), shown);
        // Every accepted keystroke, and only those, reached the host.
        QCOMPARE(h.changedTo.isEmpty() ? QString() : h.changedTo.last(), shown);
        QCOMPARE(h.box->previousText(), shown);
    }

    void pastedTextIsCheckedWhole() {
        test::TestEnv env(false);
        Host h;
        h.box->setRule(6);
        QApplication::clipboard()->setText(QStringLiteral("1e5"));
        QTest::keyClick(h.edit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.box->text(), QStringLiteral("1e5"));
        QCOMPARE(h.changes, 1);

        h.box->setRule(6);  // clears the text
        QApplication::clipboard()->setText(QStringLiteral("12 apples"));
        QTest::keyClick(h.edit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.box->text(), QString());
        QCOMPARE(h.changes, 2);  // only the clearing
    }

    // The context menu's Paste restores, on rejection, the selection of the last mouse up.
    void mousePasteRestoresSelectionOfLastMouseUp() {
        test::TestEnv env(false);
        Host h;
        h.box->resize(300, h.box->height());
        h.box->setRule(1);
        h.box->setText(QStringLiteral("12345"));
        QTest::mouseClick(h.edit(), Qt::LeftButton, {}, QPoint(1, h.edit()->height() / 2));
        QCOMPARE(h.box->selStart(), 0);
        h.edit()->setCursorPosition(5);  // moved by the program, not by the user

        QApplication::clipboard()->setText(QStringLiteral("ab"));
        std::unique_ptr<QMenu> menu(h.edit()->createStandardContextMenu());
        QAction* paste = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->text().startsWith(QStringLiteral("&Paste")))
                paste = a;
        }
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(h.box->text(), QStringLiteral("12345"));
        QCOMPARE(h.box->selStart(), 0);
    }

    // The host may decide with rule 9; without a handler everything is accepted at run time
    // and nothing in a window being designed.
    void hostDecidesUnderRule9() {
        test::TestEnv env(false);
        Host h;
        h.box->setRule(9);
        QStringList seenPrevious;
        auto c = connect(h.box, &LimitedTextbox::CheckContents, h.box,
                         [&](QString& text, QString& previous, bool& isCorrect) {
                             QVERIFY(isCorrect);
                             seenPrevious << previous;
                             if (text.size() > 3)
                                 isCorrect = false;
                         });
        h.type(QStringLiteral("abcd"));
        QCOMPARE(h.box->text(), QStringLiteral("abc"));
        QCOMPARE(h.changes, 3);
        QCOMPARE(seenPrevious, QStringList({"", "a", "ab", "abc"}));
        QCOMPARE(h.edit()->cursorPosition(), 3);

        // Clearing is never checked.
        h.box->setText(QString());
        QCOMPARE(seenPrevious.size(), 4);
        QCOMPARE(h.changes, 4);

        disconnect(c);
        h.type(QStringLiteral("abcdef"));
        QCOMPARE(h.box->text(), QStringLiteral("abcdef"));

        ambient::setUserMode(&h.window, false);
        h.box->setRule(9);
        h.type(QStringLiteral("x"));
        QCOMPARE(h.box->text(), QString());
        ambient::setUserMode(&h.window, true);
        h.type(QStringLiteral("x"));
        QCOMPARE(h.box->text(), QStringLiteral("x"));

        // A handler that answers by setting another text: that text is checked and announced,
        // the one it replaced is not.
        h.box->setRule(9);
        h.changedTo.clear();
        connect(h.box, &LimitedTextbox::CheckContents, h.box, [&](QString& text, QString&, bool&) {
            if (text == QStringLiteral("ab"))
                h.box->setText(QStringLiteral("AB"));
        });
        h.type(QStringLiteral("ab"));
        QCOMPARE(h.box->text(), QStringLiteral("AB"));
        QCOMPARE(h.changedTo, QStringList({"a", "AB"}));
        QCOMPARE(h.box->previousText(), QStringLiteral("AB"));
    }

    void settingTextByProgramIsChecked() {
        test::TestEnv env(false);
        Host h;
        QStringList marked;
        connect(h.box, &LimitedTextbox::PropertyChanged, h.box,
                [&](const QString& name) { marked << name; });
        h.box->setRule(1);
        h.box->setText(QStringLiteral("42"));
        QCOMPARE(h.changes, 1);
        h.box->setText(QStringLiteral("abc"));
        QCOMPARE(h.box->text(), QStringLiteral("42"));
        QCOMPARE(h.changes, 1);
        QCOMPARE(marked, QStringList({"Rule", "Text", "Text"}));

        // The default member is Text.
        QCOMPARE(h.box->metaObject()->userProperty().name(), "Text");
        QVERIFY(h.box->setProperty("Text", QStringLiteral("7")));
        QCOMPARE(h.box->text(), QStringLiteral("7"));

        // SelText replaces the selection and goes through the check too.
        h.box->setSelStart(0);
        h.box->setSelLength(1);
        h.box->setSelText(QStringLiteral("x"));
        QCOMPARE(h.box->text(), QStringLiteral("7"));
        h.box->setSelStart(0);
        h.box->setSelLength(1);
        h.box->setSelText(QStringLiteral("89"));
        QCOMPARE(h.box->text(), QStringLiteral("89"));
    }

    void ruleOutsideItsRangeIsRefused() {
        test::TestEnv env(false);
        Host h;
        h.box->setRule(2);
        h.type(QStringLiteral("35"));
        for (int bad : {10, -1, 1000}) {
            try {
                h.box->setRule(bad);
                QFAIL("no error");
            } catch (const AppError& e) {
                QCOMPARE(e.number(), 380);
                QCOMPARE(e.source(), QString());
            }
            QCOMPARE(h.box->rule(), 2);
            QCOMPARE(h.box->text(), QStringLiteral("35"));
            QCOMPARE(h.box->previousText(), QStringLiteral("35"));
        }
        // Through the property system the same value is refused the same way.
        QVERIFY_THROWS_EXCEPTION(AppError, h.box->setProperty("Rule", 12));

        const int before = h.changes;
        h.box->setRule(3);
        QCOMPARE(h.box->text(), QString());
        QCOMPARE(h.changes, before + 1);  // the clearing was a change
        h.box->setRule(3);
        QCOMPARE(h.changes, before + 1);  // nothing left to clear
    }

    void caretAndSelectionProperties() {
        test::TestEnv env(false);
        Host h;
        h.box->setText(QStringLiteral("hello"));
        h.box->setSelStart(1);
        h.box->setSelLength(3);
        QCOMPARE(h.box->selText(), QStringLiteral("ell"));
        h.box->setSelStart(99);
        QCOMPARE(h.box->selStart(), 5);
        h.box->setSelStart(2);
        h.box->setSelLength(99);
        QCOMPARE(h.box->selText(), QStringLiteral("llo"));
        QVERIFY_THROWS_EXCEPTION(AppError, h.box->setSelStart(-1));
        QVERIFY_THROWS_EXCEPTION(AppError, h.box->setSelLength(-1));
        setSelection(h.edit(), 0, 0);
        QCOMPARE(h.box->selLength(), 0);
    }

    // A handler that reacts to Change by setting Text is checked like any other change and
    // never leaves a rejected text behind to come back later.
    void changeHandlerThatSetsText() {
        test::TestEnv env(false);
        Host h;
        h.box->setRule(7);
        auto c = connect(h.box, &LimitedTextbox::Change, h.box,
                         [&] { h.box->setText(h.box->text().toUpper()); });
        h.type(QStringLiteral("ab"));
        QCOMPARE(h.box->text(), QStringLiteral("AB"));
        h.type(QStringLiteral("1"));
        QCOMPARE(h.box->text(), QStringLiteral("AB"));
        disconnect(c);

        h.box->setRule(1);
        c = connect(h.box, &LimitedTextbox::Change, h.box, [&] {
            if (h.box->text() == QStringLiteral("5"))
                h.box->setText(QStringLiteral("5x"));
        });
        h.type(QStringLiteral("5"));
        QCOMPARE(h.box->text(), QStringLiteral("5"));
        h.type(QStringLiteral("y"));
        QCOMPARE(h.box->text(), QStringLiteral("5"));
        QCOMPARE(h.box->previousText(), QStringLiteral("5"));
    }

    void keyEventsReachTheHostByReference() {
        test::TestEnv env(false);
        Host h;
        QList<int> downs, ups;
        QStringList order;
        connect(h.box, &LimitedTextbox::KeyDown, h.box, [&](qint16& code, qint16& shift) {
            downs << code << shift;
            order << QStringLiteral("down");
            if (code == 46)
                code = 0;  // keep Delete from the box
        });
        connect(h.box, &LimitedTextbox::KeyPress, h.box, [&](qint16& ascii) {
            order << QStringLiteral("press");
            if (ascii == 'q')
                ascii = 0;
            else if (ascii >= 'a' && ascii <= 'z')
                ascii = qint16(ascii - 32);
        });
        connect(h.box, &LimitedTextbox::Change, h.box, [&] { order << QStringLiteral("change"); });
        connect(h.box, &LimitedTextbox::KeyUp, h.box, [&](qint16& code, qint16& shift) {
            ups << code << shift;
            order << QStringLiteral("up");
        });

        QTest::keyClick(h.edit(), Qt::Key_A, Qt::ShiftModifier);
        // Shift goes down first and comes up last, as on a keyboard.
        QCOMPARE(order, QStringList({"down", "down", "press", "change", "up", "up"}));
        QCOMPARE(downs, QList<int>({16, 1, 65, 1}));
        QCOMPARE(ups, QList<int>({65, 1, 16, 0}));
        h.type(QStringLiteral("bq"));
        QCOMPARE(h.box->text(), QStringLiteral("AB"));

        QTest::keyClick(h.edit(), Qt::Key_Home);
        QTest::keyClick(h.edit(), Qt::Key_Delete);
        QCOMPARE(h.box->text(), QStringLiteral("AB"));
        QCOMPARE(downs.mid(downs.size() - 2), QList<int>({46, 0}));
        QTest::keyClick(h.edit(), Qt::Key_End);
        QTest::keyClick(h.edit(), Qt::Key_Backspace);
        QCOMPARE(h.box->text(), QStringLiteral("A"));
    }

    void mouseEventsReachTheHost() {
        test::TestEnv env(false);
        Host h;
        QStringList order;
        QList<float> xs;
        connect(h.box, &LimitedTextbox::MouseDown, h.box,
                [&](qint16& button, qint16&, float& x, float&) {
                    order << QStringLiteral("down%1").arg(button);
                    xs << x;
                });
        connect(h.box, &LimitedTextbox::MouseUp, h.box,
                [&](qint16& button, qint16&, float&, float&) {
                    order << QStringLiteral("up%1").arg(button);
                });
        connect(h.box, &LimitedTextbox::Click, h.box, [&] { order << QStringLiteral("click"); });
        connect(h.box, &LimitedTextbox::DblClick, h.box, [&] { order << QStringLiteral("dbl"); });

        const QPoint at(10, h.edit()->height() / 2);
        QTest::mouseClick(h.edit(), Qt::LeftButton, {}, at);
        QCOMPARE(order, QStringList({"down1", "up1", "click"}));
        QCOMPARE(xs.first(), float(10 * 1440.0 / h.edit()->logicalDpiX()));  // twips

        // The second press of a double click arrives as the double click; its release is no
        // further click.
        order.clear();
        QTest::mouseDClick(h.edit(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(h.edit(), Qt::LeftButton, {}, at);
        QCOMPARE(order, QStringList({"dbl", "up1"}));
        QTest::mouseClick(h.edit(), Qt::RightButton, {}, at);
        QCOMPARE(order, QStringList({"dbl", "up1", "down2", "up2"}));
    }

    void validateCanKeepTheFocus() {
        test::TestEnv env(false);
        Host h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        h.box->setFocus(Qt::OtherFocusReason);
        QVERIFY(h.edit()->hasFocus());
        bool keep = true;
        int validations = 0;
        connect(h.box, &LimitedTextbox::Validate, h.box, [&](bool& cancel) {
            ++validations;
            cancel = keep;
        });
        h.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(validations, 1);
        QVERIFY(h.edit()->hasFocus());

        keep = false;
        h.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(validations, 2);
        QVERIFY(h.other->hasFocus());

        // A control that does not cause validation gets the focus unasked.
        h.box->setFocus(Qt::OtherFocusReason);
        h.other->setProperty("CausesValidation", false);
        h.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(validations, 2);
        QVERIFY(h.other->hasFocus());
    }

    // The focus records the text and selection that a rejection returns to.
    void focusRecordsTheStartingPoint() {
        test::TestEnv env(false);
        Host h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        h.box->setRule(1);
        h.box->setText(QStringLiteral("123"));
        h.other->setFocus(Qt::OtherFocusReason);
        h.edit()->setSelection(1, 2);
        h.box->setFocus(Qt::OtherFocusReason);
        h.box->setSelText(QStringLiteral("x"));
        QCOMPARE(h.box->text(), QStringLiteral("123"));
        QCOMPARE(h.box->selStart(), 1);
        QCOMPARE(h.box->selLength(), 2);
    }

    void otherPropertiesAreTheInnerBoxes() {
        test::TestEnv env(false);
        Host h;
        QStringList marked;
        connect(h.box, &LimitedTextbox::PropertyChanged, h.box,
                [&](const QString& name) { marked << name; });
        // Defaults.
        QCOMPARE(h.box->alignment(), 0);
        QCOMPARE(h.box->appearance(), 1);
        QCOMPARE(h.box->backColor(), 0x80000005u);
        QCOMPARE(h.box->foreColor(), 0x80000008u);
        QCOMPARE(h.box->borderStyle(), 1);
        QVERIFY(h.box->boxEnabled());
        QCOMPARE(h.box->maxLength(), 0);
        QCOMPARE(h.box->mousePointer(), qint16(0));
        QVERIFY(!h.box->multiline());
        QVERIFY(!h.box->noisy());
        QVERIFY(!h.box->rightToLeft());
        QCOMPARE(h.box->textFont(), h.box->font());

        h.box->setAlignment(LimitedTextbox::RightJustify);
        QVERIFY(h.edit()->alignment() & Qt::AlignRight);
        h.box->setBackColor(0x0000FF);  // red, as 0x00BBGGRR
        QCOMPARE(h.edit()->palette().color(QPalette::Base), QColor(255, 0, 0));
        h.box->setBorderStyle(0);
        QVERIFY(!h.edit()->hasFrame());
        h.box->setBoxEnabled(false);
        QVERIFY(!h.edit()->isEnabled());
        QVERIFY(h.box->isEnabled());
        h.box->setLocked(true);
        QVERIFY(h.edit()->isReadOnly());
        h.box->setMaxLength(4);
        QCOMPARE(h.edit()->maxLength(), 4);
        h.box->setMousePointer(11);
        QCOMPARE(h.edit()->cursor().shape(), Qt::WaitCursor);
        h.box->setMultiline(true);
        QVERIFY(!h.box->multiline());
        h.box->setRightToLeft(true);
        QCOMPARE(h.edit()->layoutDirection(), Qt::RightToLeft);
        h.box->setToolTipText(QStringLiteral("tip"));
        QCOMPARE(h.edit()->toolTip(), QStringLiteral("tip"));
        QCOMPARE(marked, QStringList({"Alignment", "BackColor", "BorderStyle", "Enabled", "Locked",
                                      "MaxLength", "MousePointer", "Multiline", "RightToLeft",
                                      "ToolTipText"}));

        QVERIFY_THROWS_EXCEPTION(AppError, h.box->setAlignment(3));
        QVERIFY_THROWS_EXCEPTION(AppError, h.box->setBorderStyle(2));
        QVERIFY_THROWS_EXCEPTION(AppError, h.box->setMaxLength(-1));
        QVERIFY_THROWS_EXCEPTION(AppError, h.box->setMousePointer(50));
        QCOMPARE(h.box->alignment(), int(LimitedTextbox::RightJustify));

        h.box->Refresh();
        QCOMPARE(
            h.box->memberDescription("Noisy"),
            QStringLiteral(
                "Determines whether the control will beep when the user enters invalid data."));
        QCOMPARE(h.box->memberDescription("Locked"),
                 QStringLiteral("Bestimmt, ob ein Steuerelement bearbeitet werden kann."));
        QCOMPARE(h.box->memberCategory("Text"), QStringLiteral("Daten"));
        QCOMPARE(h.box->memberCategory("Font"), QStringLiteral("Schriftart"));
        QCOMPARE(h.box->memberCategory("Rule"), QString());
    }

    void savedPropertiesRoundTrip() {
        test::TestEnv env(false);
        Host h;
        PropertyBag fresh;
        h.box->writeProperties(fresh);
        QVERIFY(fresh.isEmpty());  // every property at its default

        h.box->setAlignment(LimitedTextbox::Center);
        h.box->setAppearance(0);
        h.box->setBackColor(0x00FFEE);
        h.box->setBorderStyle(0);
        h.box->textbox()->setProperty("CausesValidation", false);
        h.box->setBoxEnabled(false);
        QFont f = h.box->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 3);
        h.box->setTextFont(f);
        h.box->setForeColor(0x112233);
        h.box->setLocked(true);
        h.box->setMaxLength(12);
        QPixmap icon(16, 16);
        icon.fill(Qt::blue);
        h.box->setMouseIcon(icon);
        h.box->setMousePointer(LimitedTextbox::CustomPointer);
        h.box->setNoisy(true);
        h.box->setRightToLeft(true);
        h.box->setRule(1);
        h.box->setText(QStringLiteral("0815"));
        h.box->setToolTipText(QStringLiteral("Numbers only"));

        PropertyBag bag;
        h.box->writeProperties(bag);
        QCOMPARE(bag.names(), QStringList({"Alignment", "Appearance", "BackColor", "BorderStyle",
                                           "CausesValidation", "Enabled", "Font", "ForeColor",
                                           "Locked", "MaxLength", "MouseIcon", "MousePointer",
                                           "Noisy", "RightToLeft", "Rule", "Text", "ToolTipText"}));
        bool ok = false;
        const PropertyBag loaded = PropertyBag::fromByteArray(bag.toByteArray(), &ok);
        QVERIFY(ok);

        Host other;
        other.box->readProperties(loaded);
        QCOMPARE(other.changes, 0);  // shown without a Change
        QCOMPARE(other.box->alignment(), int(LimitedTextbox::Center));
        QCOMPARE(other.box->appearance(), 0);
        QCOMPARE(other.box->backColor(), 0x00FFEEu);
        QCOMPARE(other.box->borderStyle(), 0);
        QCOMPARE(other.edit()->property("CausesValidation").toBool(), false);
        QVERIFY(!other.box->boxEnabled());
        QCOMPARE(other.box->textFont(), f);
        QCOMPARE(other.box->foreColor(), 0x112233u);
        QVERIFY(other.box->locked());
        QCOMPARE(other.box->maxLength(), 12);
        QCOMPARE(other.box->mouseIcon().toImage(), icon.toImage());
        QCOMPARE(other.box->mousePointer(), LimitedTextbox::CustomPointer);
        QVERIFY(other.box->noisy());
        QVERIFY(other.box->rightToLeft());
        QCOMPARE(other.box->rule(), 1);
        QCOMPARE(other.box->text(), QStringLiteral("0815"));
        QCOMPARE(other.box->toolTipText(), QStringLiteral("Numbers only"));
        PropertyBag again;
        other.box->writeProperties(again);
        QCOMPARE(again.names(), bag.names());
    }

    // A saved text is shown as saved, even one its rule would refuse, and a rejected edit
    // falls back to it. Names that are missing read as their defaults.
    void loadedTextIsNotChecked() {
        test::TestEnv env(false);
        Host h;
        h.box->setNoisy(true);
        h.box->setMaxLength(3);
        PropertyBag bag;
        bag.writeProperty(QStringLiteral("Rule"), 1);
        bag.writeProperty(QStringLiteral("Text"), QStringLiteral("abc"));
        h.box->readProperties(bag);
        QCOMPARE(h.box->text(), QStringLiteral("abc"));
        QCOMPARE(h.box->selStart(), 0);
        QCOMPARE(h.changes, 0);
        QVERIFY(!h.box->noisy());         // missing: its default
        QCOMPARE(h.box->maxLength(), 0);  // missing: its default
        h.box->textbox()->setCursorPosition(3);
        h.type(QStringLiteral("x"));
        QCOMPARE(h.box->text(), QStringLiteral("abc"));
        QCOMPARE(h.changes, 0);

        // A damaged window file changes nothing that the box cannot take.
        PropertyBag damaged;
        damaged.writeProperty(QStringLiteral("Alignment"), 9);
        damaged.writeProperty(QStringLiteral("MaxLength"), QStringLiteral("lots"));
        damaged.writeProperty(QStringLiteral("MousePointer"), 77);
        h.box->readProperties(damaged);
        QCOMPARE(h.box->alignment(), 0);
        QCOMPARE(h.box->maxLength(), 0);
        QCOMPARE(h.box->mousePointer(), qint16(0));
        QVERIFY(!PropertyBag::fromByteArray(QByteArray("not a bag")).contains("Text"));
        bool ok = true;
        QByteArray cut = bag.toByteArray();
        cut.chop(3);
        QVERIFY(PropertyBag::fromByteArray(cut, &ok).isEmpty());
        QVERIFY(!ok);
    }

    void firstPlacementShowsTheName() {
        test::TestEnv env(false);
        Host h;
        h.box->initProperties();
        QCOMPARE(h.box->text(), QStringLiteral("txtValue"));
        QCOMPARE(h.changes, 1);
    }

    // Texts no keyboard types, given to a numeric box by the program: refused without harm.
    void hostileTextsByProgram() {
        test::TestEnv env(false);
        Host h;
        h.box->setRule(6);
        h.box->setText(QStringLiteral("12"));
        const QString nul = QStringLiteral("1") + QChar(u'\0') + QStringLiteral("2");
        for (const QString& t : {nul, QStringLiteral("\u202E12"), QStringLiteral("1\U0001F697"),
                                 QString(QChar(0xDC00)), QString(300'000, QLatin1Char('-'))}) {
            h.box->setText(t);
            QCOMPARE(h.box->text(), QStringLiteral("12"));
        }
        h.box->setText(QString(300'000, QLatin1Char('9')));
        QCOMPARE(h.box->text().size(), 300'000);
    }
};

QTEST_MAIN(TestLimitedTextbox)
#include "tst_limitedtextbox.moc"
