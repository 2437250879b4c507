// The windows in each language: every caption a person reads is translated, and none is cut
// off in the designed layout.
#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "Amounts.h"
#include "Language.h"
#include "Window.h"
#include "frmAbout.h"
#include "frmEditor.h"
#include "frmReplace.h"
#include "frmTip.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// What a person reads in a window, by widget: title, captions, tool tips, names, menu entries.
void readableTexts(QWidget& window, QMap<QString, QString>& texts) {
    const auto name = [&window](const QObject* o) {
        return window.objectName() + u"/"_s +
               (o->objectName().isEmpty() ? o->parent()->objectName() + u"/"_s : o->objectName());
    };
    texts[window.objectName()] = window.windowTitle();
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            texts[name(w) + u" label"_s] = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts[name(w) + u" caption"_s] = button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts[name(w) + u" title"_s] = box->title();
        if (!w->toolTip().isEmpty())
            texts[name(w) + u" tip"_s] = w->toolTip();
        if (!w->accessibleName().isEmpty())
            texts[name(w) + u" name"_s] = w->accessibleName();
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        for (QAction* a : menu->actions())
            texts[name(menu) + u"/"_s + a->objectName()] = a->text();
    }
}

// Where a caption does not fit the box it was designed in.
void cutOff(QWidget& window, QStringList& cut) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || qobject_cast<QToolButton*>(w))
            continue;
        const QFontMetrics fm(w->font());
        const QStyle* style = w->style();
        QString text;
        int room = w->width();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            room = label->contentsRect().width();
            if (label->wordWrap()) {
                const QRect need =
                    fm.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
                if (need.height() > label->contentsRect().height() || need.width() > room)
                    cut << w->objectName() + u": "_s + text;
                continue;
            }
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            text = box->title();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            if (qobject_cast<QRadioButton*>(w))
                room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                        style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
            else if (qobject_cast<QCheckBox*>(w))
                room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                        style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            else if (qobject_cast<QPushButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(w);
                room = style->subElementRect(QStyle::SE_PushButtonContents, &option, w).width();
            }
        } else {
            continue;
        }
        text.remove(QLatin1Char('&'));
        if (fm.horizontalAdvance(text) > room)
            cut << u"%1: \"%2\" needs %3 px, has %4"_s.arg(w->objectName(), text)
                       .arg(fm.horizontalAdvance(text))
                       .arg(room);
    }
}

// The catalogue window as it opens on three records, with its About, tips, value-list editor
// and replace windows, in the language installed now.
QMap<QString, QString> openedWindows(QStringList* cut = nullptr) {
    test::TestEnv env;
    test::threeCars(env);
    test::Window win(env);
    frmAbout about(win.w.get());
    frmTip tip(win.w.get());
    frmEditor editor(win->windowTitle(), win.w.get());
    frmReplace replace(editor);
    QMap<QString, QString> texts;
    for (QWidget* w :
         std::initializer_list<QWidget*>{win.w.get(), &about, &tip, &editor, &replace}) {
        w->show();
        readableTexts(*w, texts);
        if (cut)
            cutOff(*w, *cut);
    }
    return texts;
}

}  // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowSpeaksTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("sameAsEnglish");  // words the language shares
        QTest::newRow("German") << u"de"_s << QStringList{u"Status"_s, u"ID"_s, u"OK"_s};
        QTest::newRow("French") << u"fr"_s
                                << QStringList{u"Photo"_s, u"Version"_s, u"Notes"_s, u"OK"_s};
        QTest::newRow("Dutch") << u"nl"_s
                               << QStringList{u"Status"_s, u"Help"_s, u"Tips"_s, u"OK"_s};
        QTest::newRow("Spanish") << u"es"_s << QStringList{u"Color"_s, u"ID"_s};
    }
    void windowSpeaksTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, sameAsEnglish);
        language::uninstall();
        const QMap<QString, QString> english = openedWindows();
        QCOMPARE(language::install(language, {QStringLiteral(KBS_TRANSLATIONS_DIR)}), language);
        QStringList cut;
        const QMap<QString, QString> translated = openedWindows(&cut);
        // Sums in the totals report are written the language's way.
        const QString sum = amounts::formatAmount({123456789 * amounts::UnitsPerWhole / 100});
        language::uninstall();
        const QLocale locale(language);
        QCOMPARE(sum, u"1"_s + locale.groupSeparator() + u"234"_s + locale.groupSeparator() +
                          u"567"_s + locale.decimalPoint() + u"89"_s);

        QStringList untranslated;
        static const QRegularExpression words(u"[A-Za-z]{2,}"_s);
        for (auto it = english.begin(); it != english.end(); ++it) {
            const QString now = translated.value(it.key());
            if (now == it.value() && it.value().contains(words) &&
                !sameAsEnglish.contains(QString(now).remove(QLatin1Char('&'))) &&
                !now.contains(u"Kerbside"_s) && !now.contains(u"://"_s))
                untranslated << it.key() + u": "_s + now;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u"\n"_s)));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u"\n"_s)));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
