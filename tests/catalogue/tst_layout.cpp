// The catalogue window as designed: every caption fits, every field is named for assistive
// technology, and the grid follows the window.
#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
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
    void captionsFitAndFieldsAreNamed() {
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
            QVERIFY2(need <= (l->wordWrap() ? l->height() : l->width()), qPrintable(l->text()));
        }
        for (auto* b : w.findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty() || !b->isVisibleTo(&w) || qobject_cast<QToolButton*>(b))
                continue;
            const int need = qobject_cast<QRadioButton*>(b)
                                 ? b->sizeHint().width()
                                 : b->fontMetrics().horizontalAdvance(b->text()) + 4;
            QVERIFY2(need <= b->width(), qPrintable(b->text()));
        }
        for (size_t b = 0; b < w.txtTextl.size(); ++b) {
            QCOMPARE(w.lblText[b]->buddy(), w.txtTextl[b]);
            QVERIFY(!w.txtTextl[b]->textbox()->accessibleName().isEmpty());
        }
        for (auto* img : w.findChildren<ImageBox*>())
            QVERIFY2(!img->accessibleName().isEmpty(), qPrintable(img->objectName()));
        QVERIFY(!w.FG1->accessibleName().isEmpty());
    }

    void resizingFollowsTheWindow() {
        test::TestEnv env;
        frmMain w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const int width = pixelsToTwipsX(w.FG1->width());
        const int height = pixelsToTwipsY(w.FG1->height());
        QVERIFY2(qAbs(width - 14040) <= 15, qPrintable(QString::number(width)));
        QVERIFY2(qAbs(height - 2810) <= 15, qPrintable(QString::number(height)));
        QCOMPARE(w.FG1->y(), twipsToPixelsY(4800));
        QCOMPARE(QApplication::focusWidget(), w.FG1);
        w.showMinimized();
        w.showNormal();
        QCOMPARE(pixelsToTwipsY(w.FG1->height()), height);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
