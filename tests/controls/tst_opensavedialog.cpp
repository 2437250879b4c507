// The file dialog control: what it asks the dialog layer for, what it keeps of the answer,
// and its own text handling - filters, buffers and splitting a multiple selection.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "Ambient.h"
#include "AppError.h"
#include "FileDialogQt.h"
#include "OpenSaveDialog.h"
#include "PropertyBag.h"
#include "ScriptedFileDialogs.h"
#include "TestEnv.h"

using namespace kbs;

namespace {
const QChar kNul(u'\0');
const QString kImages = QStringLiteral("Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico");

QString nuls(const QString& withZeros) {
    QString s = withZeros;
    s.replace(QLatin1Char('0'), kNul);
    return s;
}

struct Parsed {
    QString dir;
    QStringList files;
    qint32 count = 0;
};

Parsed parse(OpenSaveDialog& dlg) {
    Parsed p;
    dlg.ParseMultiFileName(p.dir, p.files, p.count);
    return p;
}
}  // namespace

class TestOpenSaveDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filterConversion_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("converted");
        QTest::newRow("one pair") << "Text|*.txt" << nuls("Text0*.txt00");
        QTest::newRow("two pairs") << "A|*.a|B|*.b" << nuls("A0*.a0B0*.b00");
        QTest::newRow("ends with bar") << "Text|*.txt|" << nuls("Text0*.txt000");
        QTest::newRow("no bar") << "All" << nuls("All00");
        QTest::newRow("empty") << "" << nuls("00");
        QTest::newRow("pattern list")
            << kImages
            << QStringLiteral("Image Files (*.jpg, *.bmp, *.gif)") + kNul +
                   QStringLiteral("*.jpg;*.bmp;*.gif;*.ico") + kNul + kNul;
    }
    void filterConversion() {
        QFETCH(QString, filter);
        QFETCH(QString, converted);
        QCOMPARE(OpenSaveDialog::convertFilter(filter), converted);
    }

    void cuttingAtNul() {
        QCOMPARE(OpenSaveDialog::cutAtNul(QString()), QString());
        QCOMPARE(OpenSaveDialog::cutAtNul(QStringLiteral("abc")), QStringLiteral("abc"));
        QCOMPARE(OpenSaveDialog::cutAtNul(nuls("ab0c00")), QStringLiteral("ab"));
        QCOMPARE(OpenSaveDialog::cutAtNul(nuls("0abc")), QString());
    }

    void startsWithTheDefaults() {
        OpenSaveDialog dlg;
        QCOMPARE(dlg.dialogTitle(), QString());
        QVERIFY(!dlg.cancelError());
        QCOMPARE(dlg.filter(), QString());
        QCOMPARE(dlg.initDir(), QString());
        QCOMPARE(dlg.filterIndex(), qint16(0));
        QCOMPARE(dlg.defaultExt(), QString());
        QCOMPARE(dlg.fileName(), QString());
        QCOMPARE(dlg.fileTitle(), QString());
        QCOMPARE(dlg.maxFileSize(), qint16(260));
        QCOMPARE(dlg.flags(), 0);
    }

    // What ShowOpen hands the dialog layer, and the 0 -> 1 rule of FilterIndex, which holds
    // even when the user cancels.
    void openRequestCarriesTheSettings() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;
        QWidget host;
        auto* dlg = new OpenSaveDialog(&host);
        dlg->setDialogTitle(QStringLiteral("Select picture for current record..."));
        dlg->setFilter(kImages);
        dlg->setInitDir(env.dir() + QLatin1Char('\\'));
        dlg->setMaxFileSize(100);
        dlg->setFlags(0x4);
        dialogs.cancel();
        dlg->ShowOpen();

        QCOMPARE(dialogs.requests.size(), 1);
        const FileDialogRequest& r = dialogs.requests.first();
        QCOMPARE(r.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(r.owner, dlg);
        QCOMPARE(r.title, QStringLiteral("Select picture for current record..."));
        QCOMPARE(r.initialDir, env.dir() + QLatin1Char('\\'));
        QCOMPARE(r.filter, OpenSaveDialog::convertFilter(kImages));
        QCOMPARE(r.filterIndex, 1);
        QCOMPARE(r.flags, 0x4);
        QCOMPARE(r.fileBufferSize, 260);
        QCOMPARE(r.fileTitleBufferSize, 100);
        QCOMPARE(dlg->filterIndex(), qint16(1));  // kept after the cancel
        QCOMPARE(dlg->fileName(), QString());
        QCOMPARE(dlg->flags(), 0x4);

        // Without a filter the dialog gets none and FilterIndex stays as it is.
        dlg->setFilter(QString());
        dlg->setFilterIndex(0);
        dialogs.cancel();
        dlg->ShowSave();
        QCOMPARE(dialogs.requests[1].kind, FileDialogRequest::Kind::Save);
        QCOMPARE(dialogs.requests[1].filter, QString());
        QCOMPARE(dialogs.requests[1].filterIndex, 0);
        QCOMPARE(dlg->filterIndex(), qint16(0));
        // A FilterIndex the caller chose is passed as it is.
        dlg->setFilter(kImages);
        dlg->setFilterIndex(3);
        dialogs.cancel();
        dlg->ShowOpen();
        QCOMPARE(dialogs.requests[2].filterIndex, 3);
        QVERIFY(dialogs.unexpected.isEmpty());
    }

    void singleChoiceFillsTheResults() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setFilter(QStringLiteral("Text|*.txt|All|*.*"));
        FileDialogResult answer;
        answer.accepted = true;
        answer.file = QStringLiteral("C:\\pics\\car.jpg");
        answer.fileTitle = QStringLiteral("car.jpg");
        answer.filterIndex = 2;
        answer.flags = 0x400;
        dialogs.answer(answer);
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics\\car.jpg"));
        QVERIFY(!dlg.fileName().contains(kNul));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("car.jpg"));
        QCOMPARE(dlg.filterIndex(), qint16(2));
        QCOMPARE(dlg.flags(), 0x400);

        // The bare name gets the room MaxFileSize gives it, its final NUL included.
        dlg.setMaxFileSize(4);
        dialogs.chooseFile(QStringLiteral("/home/me/wheels.ini"));
        dlg.ShowSave();
        QCOMPARE(dlg.fileName(), QStringLiteral("/home/me/wheels.ini"));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("whe"));
        QCOMPARE(dlg.filterIndex(), qint16(2));  // the request's, given back unchanged
    }

    // A path longer than the 260-character buffer is a failed dialog, not a cut-off name.
    void choiceThatDoesNotFitFails() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setFileName(QStringLiteral("earlier.jpg"));
        const QString longPath = QStringLiteral("/p/") + QString(257, QLatin1Char('x'));
        QCOMPARE(longPath.size(), 260);
        dialogs.chooseFile(longPath);
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName(), QStringLiteral("earlier.jpg"));
        dialogs.chooseFile(longPath.left(259));
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName(), longPath.left(259));
    }

    void cancelWithCancelError() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setCancelError(true);
        dlg.setFileName(QStringLiteral("old.jpg"));
        dlg.setFileTitle(QStringLiteral("old"));
        for (bool save : {false, true}) {
            dialogs.cancel();
            try {
                save ? dlg.ShowSave() : dlg.ShowOpen();
                QFAIL("no error");
            } catch (const AppError& e) {
                QCOMPARE(e.number(), 32755);
                QCOMPARE(e.description(), QStringLiteral("Cancel was selected."));
                QCOMPARE(e.helpFile(), QStringLiteral("cmdlg98.chm"));
                QCOMPARE(e.helpContext(), 32755);
                QCOMPARE(e.source(), QString());
            }
            QCOMPARE(dlg.fileName(), QStringLiteral("old.jpg"));
            QCOMPARE(dlg.fileTitle(), QStringLiteral("old"));
        }

        // Without CancelError nothing happens and nothing changes.
        dlg.setCancelError(false);
        dlg.setFlags(0x8);
        dialogs.cancel();
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName(), QStringLiteral("old.jpg"));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("old"));
        QCOMPARE(dlg.flags(), 0x8);
        QCOMPARE(dlg.filterIndex(), qint16(0));
    }

    // Multiple selection: the whole 8192-character buffer lands in FileName and
    // ParseMultiFileName splits it.
    void multipleSelection() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setFlags(OpenSaveDialog::AllowMultiSelect);
        dlg.setFileTitle(QStringLiteral("before"));
        dialogs.chooseFiles(
            QStringLiteral("C:\\pics"),
            {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")});
        dlg.ShowOpen();
        QCOMPARE(dialogs.requests.first().fileBufferSize, 8192);
        QCOMPARE(dialogs.requests.first().fileTitleBufferSize, 8192);
        const QString expected = QStringLiteral("C:\\pics") + nuls("0a.jpg0b.jpg0c.jpg0");
        QCOMPARE(dlg.fileName().size(), 8192);
        QVERIFY(dlg.fileName().startsWith(expected));
        QCOMPARE(dlg.fileName().mid(expected.size()), QString(8192 - expected.size(), kNul));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("before"));

        const Parsed p = parse(dlg);
        QCOMPARE(p.dir, QStringLiteral("C:\\pics"));
        QCOMPARE(p.files, QStringList({"a.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(p.count, 3);
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics"));

        // One file chosen in multiple-selection mode: no directory, the full path as the file.
        dialogs.chooseFiles(QStringLiteral("C:\\pics"), {QStringLiteral("a.jpg")});
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName().size(), 8192);
        const Parsed one = parse(dlg);
        QCOMPARE(one.dir, QString());
        QCOMPARE(one.files, QStringList({"C:\\pics\\a.jpg"}));
        QCOMPARE(one.count, 1);
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics\\a.jpg"));

        // The save dialog has no multiple selection.
        dialogs.chooseFile(QStringLiteral("C:\\pics\\new.ini"));
        dlg.ShowSave();
        QCOMPARE(dialogs.requests.last().fileBufferSize, 260);
        QCOMPARE(dialogs.requests.last().fileTitleBufferSize, 260);
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics\\new.ini"));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("new.ini"));
    }

    void parseSingleFileNames_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fileNameAfter");
        QTest::newRow("windows path") << "C:\\pics\\car.jpg"
                                      << "C:\\pics"
                                      << "car.jpg"
                                      << "C:\\pics\\car.jpg";
        QTest::newRow("bare name") << "car.jpg"
                                   << ""
                                   << "car.jpg"
                                   << "car.jpg";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
        QTest::newRow("root") << "\\car.jpg"
                              << ""
                              << "\\car.jpg"
                              << "\\car.jpg";
        QTest::newRow("posix path") << "/home/me/car.jpg"
                                    << "/home/me"
                                    << "car.jpg"
                                    << "/home/me/car.jpg";
        QTest::newRow("one nul, no separator")
            << nuls("car.jpg0x") << "" << nuls("car.jpg0x") << "car.jpg";
    }
    void parseSingleFileNames() {
        QFETCH(QString, fileName);
        QFETCH(QString, dir);
        QFETCH(QString, file);
        QFETCH(QString, fileNameAfter);
        OpenSaveDialog dlg;
        dlg.setFileName(fileName);
        Parsed p;
        p.files = QStringList({"left", "over"});
        dlg.ParseMultiFileName(p.dir, p.files, p.count);
        QCOMPARE(p.dir, dir);
        QCOMPARE(p.files, QStringList({file}));
        QCOMPARE(p.count, 1);
        QCOMPARE(dlg.fileName(), fileNameAfter);
    }

    // The in-and-out arguments of a multiple selection are added to, as the platform's
    // callers rely on.
    void parseAddsToWhatTheCallerPasses() {
        OpenSaveDialog dlg;
        dlg.setFileName(nuls("D:\\0x.jpg0y.jpg00"));
        QString dir = QStringLiteral("known");
        QStringList files{QStringLiteral("first")};
        qint32 count = 1;
        dlg.ParseMultiFileName(dir, files, count);
        QCOMPARE(dir, QStringLiteral("known"));
        QCOMPARE(files, QStringList({"first", "D:\\", "x.jpg", "y.jpg"}));
        QCOMPARE(count, 4);
        QCOMPARE(dlg.fileName(), QStringLiteral("D:\\"));

        // A nonsense count from a caller starts at none instead of failing.
        dlg.setFileName(nuls("D:\\0x.jpg00"));
        dir.clear();
        files.clear();
        count = -5;
        dlg.ParseMultiFileName(dir, files, count);
        QCOMPARE(files, QStringList({"x.jpg"}));
        QCOMPARE(count, 1);
    }

    void savedPropertiesRoundTrip() {
        OpenSaveDialog dlg;
        PropertyBag empty;
        dlg.writeProperties(empty);
        QVERIFY(empty.isEmpty());

        dlg.setDialogTitle(QStringLiteral("Save as"));
        dlg.setCancelError(true);
        dlg.setFilter(QStringLiteral("Text|*.txt"));
        dlg.setInitDir(QStringLiteral("C:\\lists"));
        dlg.setFilterIndex(2);
        dlg.setDefaultExt(QStringLiteral("txt"));
        dlg.setFileName(QStringLiteral("C:\\lists\\a.ini"));
        dlg.setFileTitle(QStringLiteral("a.ini"));
        dlg.setMaxFileSize(128);
        dlg.setFlags(0x200);
        PropertyBag bag;
        dlg.writeProperties(bag);
        QCOMPARE(bag.names(),
                 QStringList({"DialogTitle", "CancelError", "Filter", "InitDir", "FilterIndex",
                              "DefaultExt", "FileName", "FileTitle", "MaxFileSize", "Flags"}));

        OpenSaveDialog loaded;
        loaded.readProperties(PropertyBag::fromByteArray(bag.toByteArray()));
        QCOMPARE(loaded.dialogTitle(), QStringLiteral("Save as"));
        QVERIFY(loaded.cancelError());
        QCOMPARE(loaded.filter(), QStringLiteral("Text|*.txt"));
        QCOMPARE(loaded.initDir(), QStringLiteral("C:\\lists"));
        QCOMPARE(loaded.filterIndex(), qint16(2));
        QCOMPARE(loaded.defaultExt(), QStringLiteral("txt"));
        QCOMPARE(loaded.fileName(), QStringLiteral("C:\\lists\\a.ini"));
        QCOMPARE(loaded.fileTitle(), QStringLiteral("a.ini"));
        QCOMPARE(loaded.maxFileSize(), qint16(128));
        QCOMPARE(loaded.flags(), 0x200);

        // Missing names read as the defaults.
        PropertyBag partial;
        partial.writeProperty(QStringLiteral("Filter"), QStringLiteral("A|*.a"));
        loaded.readProperties(partial);
        QCOMPARE(loaded.filter(), QStringLiteral("A|*.a"));
        QCOMPARE(loaded.maxFileSize(), qint16(260));
        QCOMPARE(loaded.fileName(), QString());
        QVERIFY(!loaded.cancelError());
    }

    // DefaultExt is saved with the host but no dialog ever sees it.
    void defaultExtReachesNoDialog() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setFilter(QStringLiteral("Text|*.txt"));
        dialogs.chooseFile(QStringLiteral("/lists/plain"));
        dlg.ShowSave();
        dlg.setDefaultExt(QStringLiteral("txt"));
        dialogs.chooseFile(QStringLiteral("/lists/plain"));
        dlg.ShowSave();
        const FileDialogRequest& a = dialogs.requests[0];
        const FileDialogRequest& b = dialogs.requests[1];
        QCOMPARE(b.title, a.title);
        QCOMPARE(b.filter, a.filter);
        QCOMPARE(b.filterIndex, a.filterIndex);
        QCOMPARE(b.flags, a.flags);
        QCOMPARE(b.fileBufferSize, a.fileBufferSize);
        QCOMPARE(dlg.fileName(), QStringLiteral("/lists/plain"));
        PropertyBag bag;
        dlg.writeProperties(bag);
        QCOMPARE(bag.readProperty(QStringLiteral("DefaultExt")).toString(), QStringLiteral("txt"));
    }

    // 390 x 390 twips whatever size it is given; seen only in a window being designed.
    void fixedSizeAndInvisibleAtRunTime() {
        QWidget host;
        auto* dlg = new OpenSaveDialog(&host);
        const int side = qRound(390 * dlg->logicalDpiX() / 1440.0);
        QCOMPARE(dlg->size(), QSize(side, side));
        dlg->resize(200, 10);
        QCOMPARE(dlg->size(), QSize(side, side));
        host.show();
        QVERIFY(!dlg->isVisible());
        dlg->show();
        QVERIFY(!dlg->isVisible());

        QWidget designer;
        ambient::setUserMode(&designer, false);
        auto* placed = new OpenSaveDialog(&designer);
        designer.show();
        placed->show();
        QVERIFY(placed->isVisible());
        QCOMPARE(placed->grab().size(), QSize(side, side) * placed->devicePixelRatio());
    }

    // The Qt dialog built from a request: filters shown as written, title, folder and mode.
    void qtDialogFromRequest() {
        QTemporaryDir dir;
        FileDialogRequest r;
        r.title = QStringLiteral("Select picture for current record...");
        r.initialDir = dir.path() + QLatin1Char('\\');
        r.filter = OpenSaveDialog::convertFilter(kImages + QStringLiteral("|All|*.*"));
        r.filterIndex = 2;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        FileDialogQt::configure(dialog, r);
        QCOMPARE(dialog.nameFilters(),
                 QStringList(
                     {"Image Files (*.jpg, *.bmp, *.gif) (*.jpg *.bmp *.gif *.ico)", "All (*.*)"}));
        QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("All"));  // as shown
        QCOMPARE(dialog.windowTitle(), r.title);
        QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);

        // The user's choice comes back with the number of the filter left selected.
        dialog.selectNameFilter(dialog.nameFilters().first());
        QFile(dir.filePath(QStringLiteral("car.jpg"))).open(QIODevice::WriteOnly);
        dialog.selectFile(dir.filePath(QStringLiteral("car.jpg")));
        const FileDialogResult chosen = FileDialogQt::collect(dialog, r);
        QVERIFY(chosen.accepted);
        QCOMPARE(chosen.file, QDir::toNativeSeparators(dir.filePath(QStringLiteral("car.jpg"))));
        QCOMPARE(chosen.fileTitle, QStringLiteral("car.jpg"));
        QCOMPARE(chosen.filterIndex, 1);

        r.flags = ofn::AllowMultiSelect;
        FileDialogQt::configure(dialog, r);
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
        r.kind = FileDialogRequest::Kind::Save;
        FileDialogQt::configure(dialog, r);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);

        QCOMPARE(FileDialogQt::nameFilters(OpenSaveDialog::convertFilter(QStringLiteral("Bare|"))),
                 QStringList({"Bare (*)"}));
        QCOMPARE(FileDialogQt::nameFilters(QString()), QStringList());
    }

    // The whole way through a real, modal Qt dialog: several files chosen come back as the
    // platform's multiple-selection text.
    void qtDialogEndToEnd() {
        test::TestEnv env(false);
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            env.writeFile(QString::fromLatin1(name), "x");
        FileDialogQt qtDialogs;
        setFileDialogs(&qtDialogs);
        QWidget host;
        auto* dlg = new OpenSaveDialog(&host);
        dlg->setFilter(kImages);
        dlg->setInitDir(env.dir());
        dlg->setFlags(OpenSaveDialog::AllowMultiSelect);
        QString title;
        QTimer::singleShot(0, &host, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            title = d->windowTitle();
            auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->setText(QStringLiteral("\"a.jpg\" \"c.jpg\""));
            static_cast<QDialog*>(d)->accept();  // as the Open button does
        });
        dlg->ShowOpen();
        setFileDialogs(nullptr);
        const Parsed p = parse(*dlg);
        QCOMPARE(QDir(p.dir).canonicalPath(), QDir(env.dir()).canonicalPath());
        QCOMPARE(p.files, QStringList({"a.jpg", "c.jpg"}));
        QCOMPARE(dlg->filterIndex(), qint16(1));
        QVERIFY(!title.isEmpty());  // the platform's own title when none is given
    }
};

QTEST_MAIN(TestOpenSaveDialog)
#include "tst_opensavedialog.moc"
