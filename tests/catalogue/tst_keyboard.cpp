// The catalogue window by keyboard alone: the real window offscreen, driven with real key
// events.
#include <QtTest>

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "Controls.h"
#include "DataReport.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "ReportPreview.h"
#include "Window.h"

using namespace kbs;

namespace {

const QString kLong = QStringLiteral("Premium Car Culture Nissan Skyline GT-R in a Collector Box");

QString g_popup;  // the popup (menu or list) the last key opened, and the modal window after
// Presses a key where the focus is. A popup it opens goes to `inPopup`, then is closed.
void press(const QKeySequence& key, std::function<void(QWidget*)> inPopup = {}) {
    g_popup.clear();
    QTimer::singleShot(0, qApp, [inPopup] {
        if (QPointer<QWidget> p = QApplication::activePopupWidget()) {
            g_popup = p->objectName();
            if (inPopup)
                inPopup(p);
            if (p)
                p->close();
        }
    });
    QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
    QCoreApplication::processEvents();
}

// Rows "a b c=what follows; ...": the words, padded to `words`, then what follows.
void addRows(const QString& rows, int words) {
    for (const QString& row : rows.split(QLatin1Char(';'))) {
        QStringList r = row.section('=', 0, 0).split(' ', Qt::SkipEmptyParts);
        while (r.size() < words)
            r << QString();
        QTest::newRow(qPrintable(row.trimmed())) << r + QStringList{row.section('=', 1)};
    }
}

struct Started {
    test::TestEnv env;
    std::unique_ptr<test::Window> win;
    Started() {
        env.addRecord({{"Description", kLong}, {"Series", "Car Culture Premium"}});
        env.addRecord({{"Description", kLong + " II"}});
        env.addRecord({{"Description", "Beetle"}});
        env.writeFile("series.ini", "Red Line\r\nMainline\r\nPremium\r\n");
        win = std::make_unique<test::Window>(env);
    }
    frmMain* operator->() { return win->w.get(); }
    // Enters the mode and puts the focus on the grid, Description ("field"), Series ("series")
    // or a toolbar button.
    QWidget* prepare(const QString& mode, const QString& focus) {
        frmMain& w = *win->w;
        if (mode != "browse")
            w.toolbarButton(mode == "add" ? "Add" : "Edit")->click();
        QWidget* target = focus == "grid"     ? ui(w).FG1
                          : focus == "field"  ? ui(w).txtTextl[1]->textbox()
                          : focus == "series" ? ui(w).txtTextl[4]->textbox()
                                              : static_cast<QWidget*>(w.toolbarButton(focus));
        target->setFocus();
        return target;
    }
};

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each key in each mode: the same as the click on the button it stands for, and nothing
    // while that button is disabled or hidden. Add and Edit put the caret in Description. A
    // record shown, whichever way, shows the beginning of every field.
    void commandKeys_data() {
        QTest::addColumn<QStringList>("r");  // mode, focus, key, what follows
        // mode, focus, key = what follows
        const QString rows = QStringLiteral(
            "browse grid Ctrl+N=add; browse grid Ins=add; browse grid Alt+A=add;"
            "browse grid Ctrl+E=edit; browse grid F2=edit; browse field Ctrl+E=edit;"
            "browse grid Ctrl+D=browse Delete Record; browse grid Del=browse Delete Record;"
            "browse field Ctrl+D=browse Delete Record; browse field Del=browse;"
            "browse grid Ctrl+F=browse enter your searchtext; browse grid Ctrl+P=browse report;"
            "browse grid Down=browse; browse grid Ctrl+S=browse; browse grid Esc=browse; browse "
            "grid F1=browse HelpMenu;"
            "browse grid Ctrl+Q=browse Kerbside Manager; browse Add Return=add;"
            "browse Edit Space=edit; browse Report Down=browse ReportMenu;"
            "edit field Ctrl+N=edit; edit field Ins=edit; edit field F2=edit;"
            "edit field Ctrl+D=edit; edit field Ctrl+F=edit; edit field Ctrl+P=edit;"
            "edit field Ctrl+S=browse; edit field Alt+S=browse; edit field Esc=browse;"
            "edit field Alt+C=browse; edit grid Del=edit; edit field Alt+H=edit HelpMenu;"
            "edit field Ctrl+Q=edit Kerbside Manager; add field Ctrl+E=add; add field Esc=browse;"
            "add field Ctrl+S=browse");
        addRows(rows, 3);
    }
    void commandKeys() {
        QFETCH(QStringList, r);
        const QString &mode = r[0], &focus = r[1], &expected = r[3];
        Started win;
        QWidget* target = win.prepare(mode, focus);
        QTRY_COMPARE(QApplication::focusWidget(), target);
        auto showBeginnings = [&] {  // whatever the program put into the fields
            for (auto* box : ui(win).txtTextl)
                QCOMPARE(box->textbox()->cursorPosition(), 0);
        };
        showBeginnings();
        if (expected.contains("Delete Record") || expected.contains("Kerbside Manager"))
            win.env.prompts().answerMsg(expected.contains("Delete") ? mb::Cancel : mb::No);
        if (expected.contains("searchtext"))
            win.env.prompts().answerInput(QString());

        press(QKeySequence(r[2]));
        QString seen = win->bAddingNew ? "add" : ui(win).cmdSave->isVisible() ? "edit" : "browse";
        for (const auto& s : win.env.prompts().shown)
            seen += " " + s.title;
        if (!g_popup.isEmpty())
            seen += " " + g_popup;
        if (auto* preview = win->DataReport1->preview(); preview && preview->isVisible()) {
            seen += " report";
            preview->close();
        }
        QCOMPARE(seen, expected);
        if (mode == "browse" && (expected == "add" || expected == "edit"))
            QCOMPARE(QApplication::focusWidget(), ui(win).txtTextl[1]->textbox());
        if (mode != "browse" && expected == "browse")
            QVERIFY(ui(win).txtTextl[1]->locked());
        showBeginnings();
    }

    // The toolbar's drop-down menus and the fields' value lists by keys alone: open, move,
    // choose. A value list opens at its field.
    void popupsByKeys_data() {
        QTest::addColumn<QStringList>("r");  // mode, focus, values, key, downs, popup, result
        const QString rows = QStringLiteral(
            "browse Report 0 F4 2 ReportMenu=Report -- Want;"
            "browse Report 0 Alt+Down 4 ReportMenu=Report -- Sell;"
            "browse Help 0 Alt+Down 2 HelpMenu=frmAbout; browse Help 0 F4 4 HelpMenu=frmEditor;"
            "edit series 0 F4 2 menuSeries=Mainline; add series 0 Alt+Down 3 menuSeries=Premium;"
            "edit series 600 F4 3 mnuSeries_list=Series 3; browse series 0 F4 1 =Car Culture "
            "Premium");
        addRows(rows, 6);
    }
    void popupsByKeys() {
        QFETCH(QStringList, r);
        const QString &mode = r[0], &focus = r[1], &popup = r[5], &result = r[6];
        Started win;
        QByteArray list;
        for (int i = 1; i <= r[2].toInt(); ++i)
            list += "Series " + QByteArray::number(i) + "\r\n";
        if (!list.isEmpty())
            win.env.writeFile("series.ini", list);
        QWidget* field = ui(win).txtTextl[4];
        QWidget* target = win.prepare(mode, focus);
        QTRY_COMPARE(QApplication::focusWidget(), target);
        QString modal;
        QPoint at;
        press(QKeySequence(r[3]), [&](QWidget* p) {
            QTimer::singleShot(50, [&] {
                if (QWidget* m = QApplication::activeModalWidget()) {
                    modal = m->objectName();
                    m->close();
                }
            });
            at = p->pos();
            for (int i = 0; i < r[4].toInt(); ++i)
                QTest::keyClick(p, Qt::Key_Down);
            QTest::keyClick(p, Qt::Key_Return);
        });
        QCOMPARE(g_popup, popup);
        if (focus == "series") {
            QCOMPARE(ui(win).txtTextl[4]->text(), result);
            QCOMPARE(win->focusWidget(), target);
            // Below the field; a long list keeps on the screen.
            const QPoint below = field->mapToGlobal(QPoint(0, field->height()));
            if (!popup.isEmpty())
                QCOMPARE(r[2] == "0" ? at : QPoint(at.x(), below.y()), below);
        } else if (focus == "Help") {
            QCOMPARE(modal, result);
        } else {
            QCOMPARE(win->DataReport1->sections("Section2").controls("Label3").caption(), result);
            win->DataReport1->preview()->close();
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
