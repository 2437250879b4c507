// The windows in each language: every caption a person reads is translated, and none is cut
// off in the designed layout.
#include <QtTest>

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <functional>

#include "Amounts.h"
#include "AppError.h"
#include "Backup.h"
#include "BackupDialogs.h"
#include "CatalogueSession.h"
#include "Connection.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "Language.h"
#include "PictureViewer.h"
#include "TotalsReport.h"
#include "Window.h"
#include "XlsxExport.h"
#include "frmAbout.h"
#include "frmEditor.h"
#include "frmReplace.h"
#include "frmTip.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {

// What a person reads in a window, by widget (title, captions, tool tips, names, menu
// entries), and the captions too wide for the box they were designed in.
void readWindow(QWidget& window, QMap<QString, QString>& texts, QStringList& cut) {
    const auto key = [&window](const QObject* o, const char* what) {
        return window.objectName() + u"/"_s + o->parent()->objectName() + u"/"_s + o->objectName() +
               QLatin1String(what);
    };
    texts[window.objectName()] = window.windowTitle();
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        for (QAction* a : menu->actions())
            texts[key(a, "")] = a->text();
    }
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        texts[key(w, " tip")] = w->toolTip();
        texts[key(w, " name")] = w->accessibleName();
        if (const auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->isVisible()) {
            // Room for the placeholder besides the frame, the text margins and the clear button.
            const int need = edit->fontMetrics().horizontalAdvance(edit->placeholderText()) +
                             2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4 +
                             (edit->isClearButtonEnabled() ? edit->height() : 0);
            if (need > edit->width())
                cut << u"%1: placeholder \"%2\" needs %3 px, has %4"_s.arg(
                    w->objectName(), edit->placeholderText(), QString::number(need),
                    QString::number(edit->width()));
        }
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const auto* box = qobject_cast<QGroupBox*>(w);
        QString text = label    ? label->text()
                       : button ? button->text()
                       : box    ? box->title()
                                : QString();
        texts[key(w, " caption")] = text;
        text.remove(QLatin1Char('&'));
        const QFontMetrics fm(w->font());
        QRect room = label ? label->contentsRect() : w->rect();
        if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
            room.setLeft(w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                         w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w));
        } else if (qobject_cast<const QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(w);
            room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
        } else if (!label && !button && !box) {
            continue;
        }
        const QRect need = label && label->wordWrap()
                               ? fm.boundingRect(room, Qt::TextWordWrap, text)
                               : QRect(0, 0, fm.horizontalAdvance(text), 0);
        if (!qobject_cast<QToolButton*>(w) &&
            (need.width() > room.width() || need.height() > room.height()))
            cut << u"%1: \"%2\" needs %3x%4 px, has %5x%6"_s.arg(w->objectName(), text)
                       .arg(need.width())
                       .arg(need.height())
                       .arg(room.width())
                       .arg(room.height());
    }
}

// The catalogue window as it opens on three records (in its gallery) and the windows it opens,
// in the language installed now.
QMap<QString, QString> openedWindows(QStringList& cut) {
    test::TestEnv env;
    test::threeCars(env);
    test::Window win(env);
    // The grid's headings whole, with room for the sort mark.
    const QHeaderView* heads = ui(win).FG1->horizontalHeader();
    for (int c = 0; c < heads->count(); ++c) {
        if (!heads->isSectionHidden(c) && heads->sectionSize(c) < heads->sectionSizeHint(c))
            cut << u"grid heading \"%1\" is cut"_s.arg(win.grid().textMatrix(0, c));
    }
    win->setGalleryShown(true);
    QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);  // groups
    frmAbout about(win.w.get());
    frmTip tip(win.w.get());
    frmEditor editor(win->windowTitle(), win.w.get());
    frmReplace replace(editor);
    win->showRestoreBackup();
    win->showRecentlyDeleted();
    PictureViewer viewer;
    viewer.showPictures(u"Mini"_s, 2, 1, [](int, QString*) { return QImage(); });
    // The logo whole in the window, also where the filter box pushed it right.
    const QWidget* logo = win->findChild<QWidget*>(u"Image11"_s);
    if (!win->rect().contains(QRect(logo->mapTo(win.w.get(), QPoint()), logo->size())))
        cut << u"the logo is outside the window"_s;
    // The totals report's headings, printed whole.
    Connection cn;
    cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
    cn.open();
    TotalsReport totals;
    totals.open(cn);
    for (const ReportItem& item : totals.pageItems(1)) {
        if (item.text.endsWith(QChar(0x2026)))
            cut << u"totals: \"%1\" is cut"_s.arg(item.text);
    }
    QMap<QString, QString> texts;
    for (QWidget* w : std::initializer_list<QWidget*>{win.w.get(), &about, &tip, &editor, &replace,
                                                      &viewer, win->findChild<RestoreDialog*>(),
                                                      win->findChild<RecentlyDeletedDialog*>()}) {
        w->show();
        readWindow(*w, texts, cut);
    }
    return texts;
}

// What the store says when a backup fails and when a restore is refused, without its paths.
QStringList lowerLayerMessages() {
    test::TestEnv env;
    env.writeFile(backup::FolderName, "not a folder");
    QStringList said{backup::make(env.dbPath(), env.path(backup::FolderName)).message};
    env.writeFile(u"mydb.mdb-wal"_s, "");  // as while another program writes it
    for (const auto& refused : std::initializer_list<std::function<void()>>{
             [&] { backup::restore(env.dbPath(), env.dbPath()); },
             [&] { backup::swapIn(env.dbPath(), env.dbPath(), QDateTime::currentDateTime()); }}) {
        try {
            refused();
        } catch (const AppError& e) {
            said << e.description();
        }
    }
    return said.replaceInStrings(env.dir(), QString());
}

// What a CSV import with a short row and the opening of a file that is no catalogue say.
QStringList refusals() {
    test::TestEnv env(false);
    env.writeFile(u"list.csv"_s, "ID,Description\n1\n");
    env.writeFile(u"junk.mdb"_s, QByteArray(8192, 'j'));
    env.writeFile(u"mydb.mdb"_s, QByteArray());
    env.exec(u"CREATE TABLE other (x)"_s);
    QStringList said;
    for (const auto& problem :
         exchange::importCsv(env.path(u"list.csv"_s), env.path(u"new.mdb"_s)).problems)
        said << problem.what;
    for (const QString& name : {u"junk.mdb"_s, u"mydb.mdb"_s}) {
        try {
            CatalogueSession().open(env.path(name), u"SELECT * FROM table1"_s);
        } catch (const AppError& e) {
            said << e.description();
        }
    }
    return said.replaceInStrings(env.dir(), QString());
}

// The messages in English and in the language: none of the translations keeps three English
// words in a row of its English message.
void noEnglishLeft(const QString& language, QStringList (*messages)(), qsizetype count) {
    language::uninstall();
    const QStringList english = messages();
    QCOMPARE(english.size(), count);
    QCOMPARE(language::install(language, {QStringLiteral(KBS_TRANSLATIONS_DIR)}), language);
    const QStringList translated = messages();
    language::uninstall();
    static const QRegularExpression threeWords(u"(?=\\b([A-Za-z]+\\W+[A-Za-z]+\\W+[A-Za-z]+))"_s);
    for (qsizetype i = 0; i < english.size(); ++i) {
        for (const QRegularExpressionMatch& m : threeWords.globalMatch(english[i]))
            QVERIFY2(!translated.value(i).contains(m.captured(1)), qPrintable(translated.value(i)));
    }
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
        {
            test::TestEnv env;  // a settings file of its own
            QCOMPARE(language::requested({u"kbsmgr"_s, u"--lang"_s, language}), language);
            Settings::save(u"Language"_s, u"Name"_s, language);
            QCOMPARE(language::requested({u"kbsmgr"_s}), language);
        }
        language::uninstall();
        QStringList cut;
        const QMap<QString, QString> english = openedWindows(cut);
        QCOMPARE(language::install(language, {QStringLiteral(KBS_TRANSLATIONS_DIR)}), language);
        cut.clear();
        const QMap<QString, QString> translated = openedWindows(cut);
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

    // The store's messages too: no three English words in a row are left in them.
    void lowerLayersSpeakTheLanguage_data() { windowSpeaksTheLanguage_data(); }
    void lowerLayersSpeakTheLanguage() {
        QFETCH(QString, language);
        noEnglishLeft(language, lowerLayerMessages, 3);
    }

    // And what a CSV import and the opening of a catalogue say when they refuse.
    void refusalsSpeakTheLanguage_data() { windowSpeaksTheLanguage_data(); }
    void refusalsSpeakTheLanguage() {
        QFETCH(QString, language);
        noEnglishLeft(language, refusals, 3);
    }

    // The exports' notes, from the layer without widgets, in each language.
    void exportNotesSpeakTheLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const char* l : {"de", "fr", "nl", "es"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void exportNotesSpeakTheLanguage() {
        QFETCH(QString, language);
        test::TestEnv env;
        env.addRecord(
            {{u"Description"_s, u"a"_s + QChar(0) + u"b"_s}, {u"Notes"_s, QString(40000, u'n')}});
        int n = 0;
        const auto notes = [&] {
            const QString out = env.path(QString::number(++n));
            return exchange::exportXlsx(env.dbPath(), out + u".xlsx"_s, {}).notes +
                   exchange::exportCsv(env.dbPath(), out + u".csv"_s).notes;
        };
        language::uninstall();
        const QStringList english = notes();
        QCOMPARE(language::install(language, {QStringLiteral(KBS_TRANSLATIONS_DIR)}), language);
        const QStringList translated = notes();
        language::uninstall();
        QCOMPARE(english.size(), 3);
        QCOMPARE(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            QVERIFY2(translated[i] != english[i], qPrintable(translated[i]));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
