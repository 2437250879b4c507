// The catalogue window as designed: names, captions, places, initial states, resizing.
#include <QtTest>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "TestEnv.h"
#include "Twips.h"
#include "frmMain.h"

using namespace kbs;

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionsFitTheirPlaces() {
        test::TestEnv env;
        frmMain w;
        w.show();
        for (auto* l : w.findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->isVisibleTo(&w))
                continue;
            const QFontMetrics fm(l->font());
            const int need = l->wordWrap() ? fm.boundingRect(QRect(0, 0, l->width(), 1000),
                                                             Qt::TextWordWrap, l->text())
                                                 .height()
                                           : fm.horizontalAdvance(l->text());
            const int have = l->wordWrap() ? l->height() : l->width();
            QVERIFY2(need <= have, qPrintable(l->text()));
        }
        for (auto* b : w.findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty() || !b->isVisibleTo(&w) || qobject_cast<QToolButton*>(b))
                continue;
            const int need = qobject_cast<QRadioButton*>(b)
                                 ? b->sizeHint().width()
                                 : b->fontMetrics().horizontalAdvance(b->text()) + 4;
            QVERIFY2(need <= b->width(), qPrintable(b->text()));
        }
    }

    void controlsAsDesigned() {
        test::TestEnv env;
        frmMain w;
        // Names, captions and the initial states before start-up.
        QCOMPARE(w.findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(),
                 QStringLiteral("Add/Edit Info"));
        QCOMPARE(w.findChild<QGroupBox*>(QStringLiteral("Frame3"))->title(),
                 QStringLiteral("Photo"));
        QCOMPARE(w.Option1[0]->text(), QStringLiteral("store in database"));
        QCOMPARE(w.Option1[1]->text(), QStringLiteral("store as file pointer"));
        QVERIFY(w.Option1[0]->isChecked());
        QCOMPARE(w.cmdSelect->text(), QStringLiteral("select picture"));
        for (auto* hidden :
             {static_cast<QWidget*>(w.cmdSave), static_cast<QWidget*>(w.cmdCancel),
              static_cast<QWidget*>(w.cmdSelect), static_cast<QWidget*>(w.txtPicDir),
              static_cast<QWidget*>(w.txtTextl[0]), static_cast<QWidget*>(w.lblText[0])})
            QVERIFY(hidden->isHidden());
        QCOMPARE(w.lblText[0]->text(), QStringLiteral("hidden"));
        for (int b = 0; b < 23; ++b) {
            QCOMPARE(w.txtTextl[size_t(b)]->objectName(), QStringLiteral("txtTextl_%1").arg(b));
            QCOMPARE(w.lblText[size_t(b)]->buddy(), w.txtTextl[size_t(b)]);
            QVERIFY(!w.txtTextl[size_t(b)]->textbox()->accessibleName().isEmpty());
            QVERIFY(!w.txtTextl[size_t(b)]->locked());
        }
        QCOMPARE(w.lblText[13]->text(), QStringLiteral("on"));
        QCOMPARE(w.lblText[16]->text(), QStringLiteral("As of"));
        QCOMPARE(w.lblText[19]->text(), QStringLiteral("Base Plate Name"));

        const QList<QPair<QString, QString>> tips{
            {"Add", "Add new record"},   {"Edit", "Edit existing record"},
            {"Delete", "Delete record"}, {"Find", "Find"},
            {"Report", "Reports"},       {"Help", "Help"}};
        for (const auto& t : tips) {
            QToolButton* b = w.toolbarButton(t.first);
            QVERIFY(b);
            QCOMPARE(b->text(), t.first);
            QCOMPARE(b->toolTip(), t.second);
        }
        for (const char* e : {"All", "Want", "Have", "Sell"})
            QVERIFY(w.toolbarMenuEntry(QStringLiteral("Report"), QString::fromLatin1(e)));
        QCOMPARE(w.toolbarMenuEntry(QStringLiteral("Help"), QStringLiteral("Edit Helper Menues"))
                     ->data()
                     .toString(),
                 QStringLiteral("EditMenu"));
        for (const char* m :
             {"mnuWheelTypes", "mnuGrading", "mnuBoxGrading", "mnuBoxTypes", "menuSeries",
              "menuStatus", "menuColor", "menuIColor", "menuBaseColor", "menuBaseName"}) {
            QMenu* menu = w.pickMenu(QString::fromLatin1(m));
            QVERIFY2(menu, m);
            QCOMPARE(menu->actions().size(), 1);
            QVERIFY(menu->actions().first()->text().isEmpty());
        }
        for (auto* img : w.findChildren<ImageBox*>())
            QVERIFY(!img->accessibleName().isEmpty());
        QVERIFY(!w.FG1->accessibleName().isEmpty());
        QVERIFY(w.statusText().isEmpty());
        // Places in twips, converted at the screen's resolution.
        QCOMPARE(w.txtTextl[11]->geometry(), twipsRect(6600, 240, 3495, 285));
        QCOMPARE(w.imgPicture->geometry(), twipsRect(240, 480, 3015, 2055));
    }

    void resizingFollowsTheWindow() {
        test::TestEnv env;
        frmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int width = pixelsToTwipsX(w.FG1->width());
        const int height = pixelsToTwipsY(w.FG1->height());
        QVERIFY2(qAbs(width - 14040) <= 15, qPrintable(QString::number(width)));
        QVERIFY2(qAbs(height - 2810) <= 15, qPrintable(QString::number(height)));
        QCOMPARE(w.FG1->x(), 0);
        QCOMPARE(w.FG1->y(), twipsToPixelsY(4800));
        QVERIFY(w.FG1->hasFocus() || QApplication::focusWidget() == nullptr);
        w.showMinimized();
        w.showNormal();
        QCOMPARE(pixelsToTwipsY(w.FG1->height()), height);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
