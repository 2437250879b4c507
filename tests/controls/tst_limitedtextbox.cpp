// The rule-limited text box, driven like a user drives it: keystrokes, the mouse, the
// clipboard, and the host's code setting its properties.
#include <QApplication>
#include <QClipboard>
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

// A host window holding the box and a button to move the focus to.
struct Host {
    QWidget window;
    LimitedTextbox* box = new LimitedTextbox(&window);
    QPushButton* other = new QPushButton(QStringLiteral("Other"), &window);
    int changes = 0;
    QStringList changedTo;
    QStringList marked;  // the properties announced as changed

    explicit Host(int rule = 0) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        box->setObjectName(QStringLiteral("txtValue"));
        QObject::connect(box, &LimitedTextbox::Change, box, [this] {
            ++changes;
            changedTo << box->text();
        });
        QObject::connect(box, &LimitedTextbox::PropertyChanged, box,
                         [this](const QString& name) { marked << name; });
        if (rule != 0)
            box->setRule(rule);
        window.show();
        window.activateWindow();
        box->setFocus(Qt::OtherFocusReason);
    }
    QLineEdit* edit() const { return box->textbox(); }
    // The text with the selection's start and length, as "text@start+length".
    QString state() const {
        return QStringLiteral("%1@%2+%3")
            .arg(box->text())
            .arg(box->selStart())
            .arg(box->selLength());
    }
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

// The number and source of the AppError f throws, as "380 Source"; empty when none.
template <class F>
QString errorOf(F f) {
    try {
        f();
    } catch (const AppError& e) {
        return QStringLiteral("%1 %2").arg(e.number()).arg(e.source());
    }
    return {};
}

}  // namespace

class TestLimitedTextbox : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TestEnv> m_env;

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_env = std::make_unique<test::TestEnv>(false); }
    void cleanup() { m_env.reset(); }

    void innerBoxFillsTheControlAndTakesItsFocus() {
        Host h;
        QCOMPARE(h.edit()->objectName(), QStringLiteral("Textbox"));
        QCOMPARE(h.edit()->geometry(), h.box->rect());
        h.box->resize(200, 40);
        QCOMPARE(h.edit()->geometry(), QRect(0, 0, 200, 40));
        // A box that cannot grow so far keeps the control to its own size.
        h.edit()->setMaximumHeight(30);
        h.box->resize(180, 60);
        QCOMPARE(h.edit()->size(), QSize(180, 30));
        QCOMPARE(h.box->size(), QSize(180, 30));
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        QVERIFY(h.edit()->hasFocus());
    }

    // A rejected keystroke puts back the text, the caret and the selection from before it,
    // beeps when noisy, and raises no Change.
    void rejectedKeystrokeRestoresTextAndCaret() {
        Host h(1);
        h.box->setNoisy(true);
        h.type(QStringLiteral("12"));
        QCOMPARE(h.changes, 2);
        QTest::keyClick(h.edit(), Qt::Key_Home);
        h.type(QStringLiteral("a"));
        QCOMPARE(h.state(), QStringLiteral("12@0+0"));
        QCOMPARE(m_env->prompts().beeps, 1);
        QCOMPARE(h.changes, 2);

        // A selection made with the keyboard comes back whole.
        QTest::keyClick(h.edit(), Qt::Key_Right);
        QTest::keyClick(h.edit(), Qt::Key_End, Qt::ShiftModifier);
        h.type(QStringLiteral("x"));
        QCOMPARE(h.state(), QStringLiteral("12@1+1"));
        QCOMPARE(m_env->prompts().beeps, 2);
        h.type(QStringLiteral("5"));  // typed over the selection
        QCOMPARE(h.box->text(), QStringLiteral("15"));
        QCOMPARE(h.changes, 3);

        h.box->setNoisy(false);
        h.type(QStringLiteral("z"));
        QCOMPARE(h.box->text(), QStringLiteral("15"));
        QCOMPARE(m_env->prompts().beeps, 2);
    }

    void typingUnderEachRule_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        const QList<std::tuple<int, const char*, const char*>> cases = {
            {0, "a-1 ?", "a-1 ?"},  {2, "0", ""},         {2, "10", "10"},
            {2, "07", "7"},         {3, "-5", "-5"},      {3, "12-", "12"},
            {3, "1-2", "12"},       {4, "-", "-"},        {4, "-5", "-"},
            {4, "5-", "5-"},        {5, "+", "+"},        {5, "5+", "5+"},
            {5, "5+5", "5+"},       {5, "+-3", "+3"},     {6, "3.25", "3.25"},
            {6, "abc", ""},         {6, "1.2.3", "1.23"}, {7, "Müßig", "Müßig"},
            {7, "O'Neil", "ONeil"}, {7, "é", ""},         {8, "O'Neil, Jr.", "O'Neil, Jr."},
            {8, "a-b", "ab"},       {8, "é", ""}};
        for (const auto& [rule, keys, shown] : cases) {
            QTest::addRow("%d %s", rule, keys)
                << rule << QString::fromUtf8(keys) << QString::fromUtf8(shown);
        }
    }
    void typingUnderEachRule() {
        QFETCH(int, rule);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        Host h(rule);
        h.type(keys);
        QCOMPARE(h.box->text(), shown);
        // Every accepted keystroke, and only those, reached the host.
        QCOMPARE(h.changedTo.isEmpty() ? QString() : h.changedTo.last(), shown);
        QCOMPARE(h.box->previousText(), shown);
    }

    void pastedTextIsCheckedWhole() {
        Host h(6);
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
        Host h;
        h.box->resize(300, h.box->height());
        h.box->setRule(1);
        h.box->setText(QStringLiteral("12345"));
        QTest::mouseClick(h.edit(), Qt::LeftButton, {}, QPoint(1, h.edit()->height() / 2));
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
        QCOMPARE(h.state(), QStringLiteral("12345@0+0"));
    }

    // The host may decide with rule 9; without a handler everything is accepted at run time
    // and nothing in a window being designed.
    void hostDecidesUnderRule9() {
        Host h(9);
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
        QCOMPARE(h.changedTo, QStringList({"a", "AB"}));
        QCOMPARE(h.box->previousText(), QStringLiteral("AB"));
    }

    void settingTextByProgramIsChecked() {
        Host h(1);
        h.box->setText(QStringLiteral("42"));
        h.box->setText(QStringLiteral("abc"));
        QCOMPARE(h.box->text(), QStringLiteral("42"));
        QCOMPARE(h.changes, 1);
        QCOMPARE(h.marked, QStringList({"Rule", "Text", "Text"}));

        // The default member is Text.
        QCOMPARE(h.box->metaObject()->userProperty().name(), "Text");
        QVERIFY(h.box->setProperty("Text", QStringLiteral("7")));
        QCOMPARE(h.box->text(), QStringLiteral("7"));

        // SelText replaces the selection and goes through the check too.
        const auto replaceFirst = [&](const QString& with) {
            h.box->setSelStart(0);
            h.box->setSelLength(1);
            h.box->setSelText(with);
            return h.box->text();
        };
        QCOMPARE(replaceFirst(QStringLiteral("x")), QStringLiteral("7"));
        QCOMPARE(replaceFirst(QStringLiteral("89")), QStringLiteral("89"));

        // A text longer than a plain line edit takes is kept whole.
        h.box->setText(QString(300'000, u'9'));
        QCOMPARE(h.box->text().size(), 300'000);
    }

    void ruleOutsideItsRangeIsRefused() {
        Host h(2);
        h.type(QStringLiteral("35"));
        QCOMPARE(errorOf([&] { h.box->setRule(10); }), QStringLiteral("380 "));
        QCOMPARE(errorOf([&] { h.box->setRule(-1); }), QStringLiteral("380 "));
        QCOMPARE(errorOf([&] { h.box->setProperty("Rule", 1000); }), QStringLiteral("380 "));
        QCOMPARE(h.box->rule(), 2);
        QCOMPARE(h.box->text(), QStringLiteral("35"));
        QCOMPARE(h.box->previousText(), QStringLiteral("35"));

        const int before = h.changes;
        h.box->setRule(3);
        QCOMPARE(h.box->text(), QString());
        QCOMPARE(h.changes, before + 1);  // the clearing was a change
        h.box->setRule(3);
        QCOMPARE(h.changes, before + 1);  // nothing left to clear
    }

    void caretAndSelectionProperties() {
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
        QCOMPARE(errorOf([&] { h.box->setSelStart(-1); }), QStringLiteral("380 LimitedTextbox"));
        QCOMPARE(errorOf([&] { h.box->setSelLength(-1); }), QStringLiteral("380 LimitedTextbox"));
    }

    // A handler that reacts to Change by setting Text is checked like any other change and
    // never leaves a rejected text behind to come back later.
    void changeHandlerThatSetsText() {
        Host h(7);
        auto c = connect(h.box, &LimitedTextbox::Change, h.box,
                         [&] { h.box->setText(h.box->text().toUpper()); });
        h.type(QStringLiteral("ab1"));
        QCOMPARE(h.box->text(), QStringLiteral("AB"));
        disconnect(c);

        h.box->setRule(1);
        connect(h.box, &LimitedTextbox::Change, h.box, [&] {
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
        Host h;
        QStringList events;
        connect(h.box, &LimitedTextbox::KeyDown, h.box, [&](qint16& code, qint16& shift) {
            events << QStringLiteral("down %1 %2").arg(code).arg(shift);
            if (code == 46)
                code = 0;  // keep Delete from the box
        });
        connect(h.box, &LimitedTextbox::KeyPress, h.box, [&](qint16& ascii) {
            events << QStringLiteral("press %1").arg(ascii);
            if (ascii == 'q')
                ascii = 0;
            else if (ascii >= 'a' && ascii <= 'z')
                ascii = qint16(ascii - 32);
        });
        connect(h.box, &LimitedTextbox::Change, h.box, [&] { events << QStringLiteral("change"); });
        connect(h.box, &LimitedTextbox::KeyUp, h.box, [&](qint16& code, qint16& shift) {
            events << QStringLiteral("up %1 %2").arg(code).arg(shift);
        });

        QTest::keyClick(h.edit(), Qt::Key_A, Qt::ShiftModifier);
        // Shift goes down first and comes up last, as on a keyboard.
        QCOMPARE(events, QStringList({"down 16 1", "down 65 1", "press 97", "change", "up 65 1",
                                      "up 16 0"}));
        h.type(QStringLiteral("bq"));
        QCOMPARE(h.box->text(), QStringLiteral("AB"));

        QTest::keyClick(h.edit(), Qt::Key_Home);
        events.clear();
        QTest::keyClick(h.edit(), Qt::Key_Delete);
        QCOMPARE(events, QStringList({"down 46 0", "up 46 0"}));
        QCOMPARE(h.box->text(), QStringLiteral("AB"));
        QTest::keyClick(h.edit(), Qt::Key_End);
        QTest::keyClick(h.edit(), Qt::Key_Backspace);
        QCOMPARE(h.box->text(), QStringLiteral("A"));
    }

    void mouseEventsReachTheHost() {
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
        QTest::mouseClick(h.edit(), Qt::RightButton, {}, at);
        QCOMPARE(order, QStringList({"dbl", "up1", "down2", "up2"}));
    }

    void validateCanKeepTheFocus() {
        Host h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        h.box->setFocus(Qt::OtherFocusReason);
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
        Host h(1);
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        h.box->setText(QStringLiteral("123"));
        h.other->setFocus(Qt::OtherFocusReason);
        h.edit()->setSelection(1, 2);
        h.box->setFocus(Qt::OtherFocusReason);
        h.box->setSelText(QStringLiteral("x"));
        QCOMPARE(h.state(), QStringLiteral("123@1+2"));
    }

    // What the inner box shows beyond what the properties read back, and values refused.
    void otherPropertiesAreTheInnerBoxes() {
        Host h;
        h.box->setBackColor(0x0000FF);  // red, as 0x00BBGGRR
        QCOMPARE(h.edit()->palette().color(QPalette::Base), QColor(255, 0, 0));
        h.box->setBoxEnabled(false);
        QVERIFY(!h.edit()->isEnabled());
        QVERIFY(h.box->isEnabled());
        h.box->setMousePointer(11);
        QCOMPARE(h.edit()->cursor().shape(), Qt::WaitCursor);

        h.box->setAlignment(LimitedTextbox::RightJustify);
        QCOMPARE(errorOf([&] { h.box->setAlignment(3); }), QStringLiteral("380 "));
        QCOMPARE(errorOf([&] { h.box->setBorderStyle(2); }), QStringLiteral("380 "));
        QCOMPARE(errorOf([&] { h.box->setMaxLength(-1); }), QStringLiteral("380 "));
        QCOMPARE(errorOf([&] { h.box->setMousePointer(50); }), QStringLiteral("380 "));
        QCOMPARE(h.box->alignment(), int(LimitedTextbox::RightJustify));

        QCOMPARE(h.box->memberDescription("Locked"),
                 QStringLiteral("Bestimmt, ob ein Steuerelement bearbeitet werden kann."));
        QCOMPARE(h.box->memberCategory("Text"), QStringLiteral("Daten"));
        QCOMPARE(h.box->memberCategory("Rule"), QString());
    }

    // Every property set away from its default is announced, saved, and loads into another
    // box as it was, without a Change.
    void savedPropertiesRoundTrip() {
        Host h;
        PropertyBag bag;
        h.box->writeProperties(bag);
        QVERIFY(bag.isEmpty());  // every property at its default

        QFont font = h.box->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 3);
        QPixmap icon(16, 16);
        icon.fill(Qt::blue);
        // Alignment 2 is centred; MousePointer 99 shows MouseIcon.
        const QList<QPair<const char*, QVariant>> values = {
            {"Alignment", 2},         {"Appearance", 0},
            {"BackColor", 0x00FFEEu}, {"BorderStyle", 0},
            {"Enabled", false},       {"Font", font},
            {"ForeColor", 0x112233u}, {"Locked", true},
            {"MaxLength", 12},        {"MouseIcon", icon},
            {"MousePointer", 99},     {"Noisy", true},
            {"RightToLeft", true},    {"Rule", 1},
            {"Text", "0815"},         {"ToolTipText", "Numbers only"}};
        QStringList names;
        for (const auto& [name, value] : values) {
            QVERIFY2(h.box->setProperty(name, value), name);
            names << QString::fromLatin1(name);
        }
        QCOMPARE(h.marked, names);
        h.edit()->setProperty("CausesValidation", false);
        names.insert(4, QStringLiteral("CausesValidation"));
        h.box->writeProperties(bag);
        QCOMPARE(bag.names(), names);

        Host other;
        bool ok = false;
        other.box->readProperties(PropertyBag::fromByteArray(bag.toByteArray(), &ok));
        QVERIFY(ok);
        QCOMPARE(other.changes, 0);
        QVERIFY(!other.edit()->property("CausesValidation").toBool());
        for (const auto& [name, value] : values) {
            const QVariant got = other.box->property(name);
            QVERIFY2(name == QLatin1String("MouseIcon")
                         ? got.value<QPixmap>().toImage() == icon.toImage()
                         : got == value,
                     name);
        }
        QCOMPARE(other.edit()->palette().color(QPalette::Base), QColor(0xEE, 0xFF, 0));
        QCOMPARE(other.edit()->cursor().pixmap().toImage(), icon.toImage());
    }

    // A saved text is shown as saved, even one its rule would refuse, and a rejected edit
    // falls back to it. Names that are missing read as their defaults.
    void loadedTextIsNotChecked() {
        Host h;
        h.box->setNoisy(true);
        h.box->setMaxLength(3);
        PropertyBag bag;
        bag.writeProperty(QStringLiteral("Rule"), 1);
        bag.writeProperty(QStringLiteral("Text"), QStringLiteral("abc"));
        h.box->readProperties(bag);
        QCOMPARE(h.state(), QStringLiteral("abc@0+0"));
        QCOMPARE(h.changes, 0);
        QVERIFY(!h.box->noisy());
        QCOMPARE(h.box->maxLength(), 0);
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
        Host h;
        h.box->initProperties();
        QCOMPARE(h.box->text(), QStringLiteral("txtValue"));
        QCOMPARE(h.changes, 1);
    }
};

QTEST_MAIN(TestLimitedTextbox)
#include "tst_limitedtextbox.moc"
