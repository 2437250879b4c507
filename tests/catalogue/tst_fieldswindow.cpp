// The window's side of the collector's own fields, through the real window: the grid's
// columns hidden, moved and remembered across a restart; the Fields window; the panel's part
// for the fields and tags, saved with the record; keyboard order and names.
#include <QtTest>

#include <QAccessible>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include "FieldsWindow.h"
#include "GridColumns.h"
#include "MainTexts.h"
#include "OwnFieldsCommands.h"
#include "OwnFieldsPart.h"
#include "TagEdit.h"
#include "Window.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// The headings the grid shows, in their order.
QStringList shownHeadings(test::Window& win) {
    const QHeaderView* heads = win.grid().horizontalHeader();
    QStringList out;
    for (int v = 0; v < heads->count(); ++v) {
        const int col = heads->logicalIndex(v);
        if (!heads->isSectionHidden(col))
            out << win.grid().model().heading(col);
    }
    return out;
}

QStringList described() {
    QStringList out;
    for (int col = 1; col < panel::GridColumns; ++col)
        out << QString::fromLatin1(panel::fieldAt(col).name());
    return out;
}

using ownfields::Kind;

OwnFieldsPart* part(test::Window& win) {
    return win->findChild<OwnFieldsCommands*>()->part();
}

// The Fields window, opened by its key or from the Help menu.
FieldsWindow* openFields(test::Window& win, bool byKey = true) {
    if (byKey)
        QTest::keyClick(win.w.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    else
        win->findChild<QAction*>(u"Fields"_s)->trigger();
    return win->findChild<FieldsWindow*>();
}

void addField(FieldsWindow* fields, const QString& name, Kind kind) {
    auto* kinds = fields->findChild<QComboBox*>(u"cboKind"_s);
    kinds->setCurrentIndex(kinds->findData(int(kind)));
    auto* txtName = fields->findChild<QLineEdit*>(u"txtName"_s);
    txtName->clear();
    QTest::keyClicks(txtName, name);
    QTest::keyClick(txtName, Qt::Key_Return);  // Add is the default button
}

QStringList fieldNames(const test::TestEnv& env) {
    QStringList out;
    for (const auto& row : env.rows(u"SELECT name FROM own_fields ORDER BY position"_s))
        out << row[0].toString();
    return out;
}

void choose(FieldsWindow* fields, const QString& name) {
    auto* list = fields->findChild<QTreeWidget*>(u"lstFields"_s);
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
}

// The next widget Tab goes to after w.
QWidget* nextFocus(QWidget* w) {
    do
        w = w->nextInFocusChain();
    while (!w->isVisible() || w->focusPolicy() == Qt::NoFocus);
    return w;
}

void press(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Types into an own field's editor as a person does.
void type(QWidget* editor, const QString& text) {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (!box->isEditable()) {
            box->setCurrentIndex(box->findText(text));
            return;
        }
        editor = box->lineEdit();
    }
    auto* line = static_cast<QLineEdit*>(editor);
    line->selectAll();
    QTest::keyClicks(line, text);
}

}  // namespace

class TestFieldsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnsHiddenMovedAndRemembered() {
        test::TestEnv env;
        test::threeCars(env);
        QStringList expected = described();
        {
            test::Window win(env);
            QCOMPARE(shownHeadings(win), expected);
            // By keyboard: the Columns window, Year hidden with the space bar, Color moved up
            // to the top with Ctrl+Up.
            QVERIFY(test::meetModal(
                [&] {
                    QTest::keyClick(win.w.get(), Qt::Key_C,
                                    Qt::ControlModifier | Qt::ShiftModifier);
                },
                [&](QWidget* dialog) {
                    auto* list = dialog->findChild<QListWidget*>(u"lstColumns"_s);
                    QVERIFY(list && dialog->focusWidget() == list);
                    list->setCurrentRow(int(expected.indexOf(u"Year"_s)));
                    QTest::keyClick(list, Qt::Key_Space);
                    list->setCurrentRow(int(expected.indexOf(u"Color"_s)));
                    for (int i = 0; i < 9; ++i)
                        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
                    QTest::keyClick(dialog, Qt::Key_Return);
                }));
            expected.removeAll(u"Year"_s);
            expected.move(expected.indexOf(u"Color"_s), 0);
            QCOMPARE(shownHeadings(win), expected);
            // A heading dragged to another place is remembered too.
            QHeaderView* heads = win.grid().horizontalHeader();
            heads->moveSection(heads->visualIndex(panel::at("Notes")), 1);
            expected.move(expected.indexOf(u"Notes"_s), 0);
            QCOMPARE(shownHeadings(win), expected);
            // The keyboard steps over a hidden column: right of Description comes Number.
            win.show(1);
            win.grid().setCol(panel::at("Description"));
            QTest::keyClick(&win.grid(), Qt::Key_Right);
            QCOMPARE(win.grid().col(), panel::at("Number"));
        }
        {
            test::Window win(env);  // the next start
            QCOMPARE(shownHeadings(win), expected);
            // Sorting by a moved column sorts by that column.
            win.clickHeading(panel::at("Color"));
            QCOMPARE(win.column(panel::at("Color")),
                     QStringList({u"Blue"_s, u"Dark red"_s, u"Green"_s}));
            win->findChild<GridColumns*>()->restoreDescribed();
            QCOMPARE(shownHeadings(win).join(u',').remove(u'^'), described().join(u','));
        }
        test::Window win(env);
        QCOMPARE(shownHeadings(win), described());
    }

    void ownFieldsAsColumns() {
        test::TestEnv env;
        test::threeCars(env);
        const int own = panel::GridColumns;  // the first column after the described ones
        {
            test::Window win(env);
            const qint64 paid = win->session().addOwnField({0, u"Paid"_s, Kind::Amount, {}, 0});
            win->session().setOwnValues(1, {{paid, u"12.50"_s}});
            win->session().setOwnValues(3, {{paid, u"3"_s}});
            win->Update_Display();
            // Hidden until the collector shows it.
            QCOMPARE(win.grid().cols(), own + 1);
            QVERIFY(win.grid().isColumnHidden(own));
            win->findChild<GridColumns*>()->setShown(own, true);
            QCOMPARE(win.grid().textMatrix(0, own), u"Paid"_s);
            QCOMPARE(win.column(own), QStringList({u"12.50"_s, QString(), u"3.00"_s}));
            win.clickHeading(own);  // by value
            QCOMPARE(win.column(0), QStringList({u"3"_s, u"1"_s, u"2"_s}));
        }
        test::Window win(env);
        QVERIFY(!win.grid().isColumnHidden(own));
    }

    void fieldsAddedRenamedRemovedAndUndone() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window win(env);
        FieldsWindow* fields = openFields(win);
        QVERIFY(fields && fields->isVisible());
        addField(fields, u"Maker"_s, Kind::Text);
        addField(fields, u"Scale"_s, Kind::Choice);
        QCOMPARE(fieldNames(env), QStringList({u"Maker"_s, u"Scale"_s}));
        QVERIFY(QFile::exists(env.path(u"scale.ini"_s)));  // the list the editor edits
        // A name taken already is refused with a message; nothing is added.
        env.prompts().answerMsg(mb::OK);
        addField(fields, u"maker"_s, Kind::Number);
        QCOMPARE(fieldNames(env), QStringList({u"Maker"_s, u"Scale"_s}));
        env.verifyPrompts();

        choose(fields, u"Maker"_s);
        auto* txtName = fields->findChild<QLineEdit*>(u"txtName"_s);
        txtName->setText(u"Brand"_s);
        press(fields, "cmdChange");
        press(fields, "cmdDown");
        QCOMPARE(fieldNames(env), QStringList({u"Scale"_s, u"Brand"_s}));
        const qint64 brand =
            env.value(u"SELECT field_id FROM own_fields WHERE name='Brand'"_s).toLongLong();
        win->session().setOwnValues(2, {{brand, u"Matchbox"_s}});

        // Removing a field that holds values asks; No keeps it.
        choose(fields, u"Brand"_s);
        env.prompts().answerMsg(mb::No);
        press(fields, "cmdRemove");
        QCOMPARE(fieldNames(env).size(), 2);
        env.prompts().answerMsg(mb::Yes);
        press(fields, "cmdRemove");
        QCOMPARE(env.prompts().shown.size(), 2);
        QVERIFY(env.prompts().shown[0].text.contains(u"Brand"_s));
        QVERIFY(env.prompts().shown[0].style & mb::DefaultButton2);
        env.verifyPrompts();
        QCOMPARE(fieldNames(env), QStringList({u"Scale"_s}));
        QCOMPARE(env.value(u"SELECT count(*) FROM own_values"_s).toInt(), 0);

        // Undo, the latest first: the field with its value, its place, its name.
        press(fields, "cmdUndo");
        QCOMPARE(fieldNames(env), QStringList({u"Scale"_s, u"Brand"_s}));
        QCOMPARE(env.value(u"SELECT value FROM own_values WHERE record_id=2"_s).toString(),
                 u"Matchbox"_s);
        press(fields, "cmdUndo");
        press(fields, "cmdUndo");
        QCOMPARE(fieldNames(env), QStringList({u"Maker"_s, u"Scale"_s}));
        QVERIFY(fields->canUndo());
        fields->close();
        // Once closed, nothing is left to undo: the next window starts afresh.
        QTRY_VERIFY(!win->findChild<FieldsWindow*>());
        fields = openFields(win, false);
        QVERIFY(fields && !fields->canUndo());
        fields->close();
    }

    void panelEditsSavedAndBadInputRefused() {
        test::TestEnv env;
        test::threeCars(env);
        env.writeFile(u"scale.ini"_s, "1:43\r\n1:64\r\n");
        test::Window win(env);
        auto& session = win->session();
        struct Case {
            const char* name;
            Kind kind;
            const char* typed;
            const char* stored;
            const char* bad;  // refused with a message, or nullptr
        };
        const Case cases[] = {
            {"Maker", Kind::Text, "Matchbox", "Matchbox", nullptr},
            {"Wheels", Kind::Number, "5", "5", "five"},
            {"Paid", Kind::Amount, "12.50", "12.50", "12 bucks"},
            {"Found", Kind::Date, "2024-03-12", "2024-03-12", "2024-02-30"},
            {"STH", Kind::YesNo, "Yes", "1", nullptr},
            {"Scale", Kind::Choice, "1:64", "1:64", nullptr},
        };
        std::vector<qint64> ids;
        for (const Case& c : cases)
            ids.push_back(
                session.addOwnField({0, QString::fromLatin1(c.name), c.kind,
                                     c.kind == Kind::Choice ? u"scale"_s : QString(), 0}));
        win->Update_Display();
        part(win)->setOpen(true);
        win.show(2);
        win.press("Edit");
        for (size_t i = 0; i < ids.size(); ++i)
            type(part(win)->editor(ids[i]), QString::fromLatin1(cases[i].typed));
        type(part(win)->tagEditor(), u"chase, error,chase"_s);
        win.save();
        const auto stored = [&](qint64 field) {
            return env
                .value(u"SELECT value FROM own_values WHERE record_id=2 AND field_id=?"_s, {field})
                .toString();
        };
        for (size_t i = 0; i < ids.size(); ++i)
            QCOMPARE(stored(ids[i]), QString::fromLatin1(cases[i].stored));
        QCOMPARE(env.rows(u"SELECT tag FROM record_tags WHERE record_id=2 ORDER BY tag"_s).size(),
                 2);
        QCOMPARE(part(win)->tagEditor()->tags(), QStringList({u"chase"_s, u"error"_s}));
        // Shown again as stored, when another record was shown in between.
        win.show(1);
        QVERIFY(qobject_cast<QLineEdit*>(part(win)->editor(ids[0]))->text().isEmpty());
        win.show(2);
        QCOMPARE(qobject_cast<QComboBox*>(part(win)->editor(ids[4]))->currentText(), u"Yes"_s);

        // Bad input: refused with a message naming the field; nothing stored, nothing lost.
        for (size_t i = 0; i < ids.size(); ++i) {
            if (!cases[i].bad)
                continue;
            win.press("Edit");
            win.setField(1, u"Changed"_s);
            type(part(win)->editor(ids[i]), QString::fromLatin1(cases[i].bad));
            env.prompts().answerMsg(mb::OK);
            win.save();
            QCOMPARE(env.prompts().shown.size(), 1);
            QVERIFY(env.prompts().shown[0].text.contains(QString::fromLatin1(cases[i].name)));
            env.verifyPrompts();
            QCOMPARE(stored(ids[i]), QString::fromLatin1(cases[i].stored));
            QCOMPARE(win.stored("Description", 2), u"alfa"_s);
            QCOMPARE(qobject_cast<QLineEdit*>(part(win)->editor(ids[i]))->text(),
                     QString::fromLatin1(cases[i].bad));
            QCOMPARE(win.field(1), u"Changed"_s);
            win->cmdCancel_Click();
        }
    }

    void keyboardOrderAndNames() {
        test::TestEnv env;
        test::threeCars(env);
        test::Window win(env);
        const qint64 maker = win->session().addOwnField({0, u"Maker"_s, Kind::Text, {}, 0});
        const qint64 sth = win->session().addOwnField({0, u"STH"_s, Kind::YesNo, {}, 0});
        win->Update_Display();
        part(win)->setOpen(true);
        FieldsWindow* fields = openFields(win);
        // From the notes, Tab goes through the part: its toggle, each field, the tags.
        QWidget* notes = win->findChild<QWidget*>(u"txtNotes"_s);
        const QList<QWidget*> expected = {part(win)->toggle(), part(win)->editor(maker),
                                          part(win)->editor(sth), part(win)->tagEditor()};
        QWidget* w = notes;
        for (QWidget* next : expected)
            QCOMPARE(w = nextFocus(w), next);
        // Every label is the buddy of its editor, every editor is named.
        for (QWidget* root :
             {static_cast<QWidget*>(part(win)), static_cast<QWidget*>(openFields(win))}) {
            for (const QLabel* label : root->findChildren<QLabel*>()) {
                if (label->objectName() != u"lblOwnSummary"_s)
                    QVERIFY2(label->buddy(), qPrintable(label->text()));
            }
            for (const QWidget* editor : root->findChildren<QWidget*>()) {
                if (editor->focusPolicy() != Qt::NoFocus && !editor->objectName().isEmpty())
                    QVERIFY2(!editor->accessibleName().isEmpty() ||
                                 !editor->property("text").toString().isEmpty(),
                             qPrintable(editor->objectName()));
            }
        }
        QCOMPARE(part(win)->editor(maker)->accessibleName(), u"Maker"_s);
        // A name with markup and "&" is shown as written.
        win->session().renameOwnField(maker, u"<b>Maker</b> & Co"_s);
        part(win)->syncFields();
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(
            win->findChild<QLabel*>(u"lblOwnField_%1"_s.arg(maker)));
        QCOMPARE(shown->text(QAccessible::Name), u"<b>Maker</b> & Co:"_s);
        // The Fields window's own order: the list, the name, the kind, the value list, Add.
        QCOMPARE(nextFocus(fields->findChild<QWidget*>(u"lstFields"_s)),
                 fields->findChild<QWidget*>(u"txtName"_s));
        fields->close();
        QTRY_VERIFY(!win->findChild<FieldsWindow*>());
        // While a record is edited the fields stay as they are: the window says so.
        win.press("Edit");
        env.prompts().answerMsg(mb::OK);
        QVERIFY(!openFields(win, false));
        win->cmdCancel_Click();
    }

    void tagsCompletedFromThoseInUse() {
        TagEdit edit;
        edit.setKnownTags({u"carded"_s, u"chase"_s, u"error"_s});
        edit.show();
        QTest::keyClicks(&edit, u"error, Ch"_s);
        QCOMPARE(edit.tagCompleter()->completionPrefix(), u"Ch"_s);
        QCOMPARE(edit.tagCompleter()->currentCompletion(), u"chase"_s);
        Q_EMIT edit.tagCompleter()->activated(u"chase"_s);
        QCOMPARE(edit.text(), u"error, chase, "_s);
        QCOMPARE(edit.tags(), QStringList({u"error"_s, u"chase"_s}));
    }
};

QTEST_MAIN(TestFieldsWindow)
#include "tst_fieldswindow.moc"
