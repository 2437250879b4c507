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

// The text with each '0' made a NUL.
QString nuls(const char* withZeros) {
    return QString::fromLatin1(withZeros).replace(QLatin1Char('0'), kNul);
}

// What ParseMultiFileName gives, as "dir|file|file...|count"; FileName after it follows.
QString parse(OpenSaveDialog& dlg, QString dir = {}, QStringList files = {}, qint32 count = 0) {
    dlg.ParseMultiFileName(dir, files, count);
    return QStringList({dir, files.join(QLatin1Char('|')), QString::number(count)})
        .join(QLatin1Char('|'));
}
}  // namespace

class TestOpenSaveDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filterConversionAndCutting() {
        const QList<QPair<QString, QString>> filters = {
            {"Text|*.txt", nuls("Text0*.txt00")},
            {"A|*.a|B|*.b", nuls("A0*.a0B0*.b00")},
            {"Text|*.txt|", nuls("Text0*.txt000")},
            {"All", nuls("All00")},
            {"", nuls("00")},
            {kImages, nuls("Image Files (*.jpg, *.bmp, *.gif)0*.jpg;*.bmp;*.gif;*.ico00")}};
        for (const auto& [filter, converted] : filters)
            QCOMPARE(OpenSaveDialog::convertFilter(filter), converted);
        QCOMPARE(OpenSaveDialog::cutAtNul(QString()), QString());
        QCOMPARE(OpenSaveDialog::cutAtNul(QStringLiteral("abc")), QStringLiteral("abc"));
        QCOMPARE(OpenSaveDialog::cutAtNul(nuls("ab0c00")), QStringLiteral("ab"));
        QCOMPARE(OpenSaveDialog::cutAtNul(nuls("0abc")), QString());
    }

    // What ShowOpen hands the dialog layer, and the 0 -> 1 rule of FilterIndex, which holds
    // even when the user cancels.
    void openRequestCarriesTheSettings() {
        test::TestEnv env(false);
        test::ScriptedFileDialogs dialogs;  // cancels every dialog
        QWidget host;
        auto* dlg = new OpenSaveDialog(&host);
        dlg->setDialogTitle(QStringLiteral("Select picture for current record..."));
        dlg->setFilter(kImages);
        dlg->setInitDir(env.dir() + QLatin1Char('\\'));
        dlg->setMaxFileSize(100);
        dlg->setFlags(0x4);
        dlg->ShowOpen();
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

        // Without a filter the dialog gets none and FilterIndex stays as it is.
        dlg->setFilter(QString());
        dlg->setFilterIndex(0);
        dlg->ShowSave();
        QCOMPARE(dialogs.requests[1].kind, FileDialogRequest::Kind::Save);
        QCOMPARE(dialogs.requests[1].filter, QString());
        QCOMPARE(dialogs.requests[1].filterIndex, 0);
        QCOMPARE(dlg->filterIndex(), qint16(0));
        // A FilterIndex the caller chose is passed as it is.
        dlg->setFilter(kImages);
        dlg->setFilterIndex(3);
        dlg->ShowOpen();
        QCOMPARE(dialogs.requests[2].filterIndex, 3);
    }

    void singleChoiceFillsTheResults() {
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
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics\\car.jpg"));  // no NULs left over
        QCOMPARE(dlg.fileTitle(), QStringLiteral("car.jpg"));
        QCOMPARE(dlg.filterIndex(), qint16(2));
        QCOMPARE(dlg.flags(), 0x400);

        // The bare name gets the room MaxFileSize gives it, its final NUL included; DefaultExt
        // is kept but never added to a name.
        dlg.setMaxFileSize(4);
        dlg.setDefaultExt(QStringLiteral("txt"));
        dialogs.chooseFile(QStringLiteral("/home/me/wheels"));
        dlg.ShowSave();
        QCOMPARE(dlg.fileName(), QStringLiteral("/home/me/wheels"));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("whe"));
        QCOMPARE(dlg.filterIndex(), qint16(2));  // the request's, given back unchanged
    }

    // A path longer than the 260-character buffer is a failed dialog, not a cut-off name.
    void choiceThatDoesNotFitFails() {
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setFileName(QStringLiteral("earlier.jpg"));
        const QString longPath = QStringLiteral("/p/") + QString(257, QLatin1Char('x'));
        dialogs.chooseFile(longPath);
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName(), QStringLiteral("earlier.jpg"));
        dialogs.chooseFile(longPath.left(259));
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName(), longPath.left(259));
    }

    void cancelWithCancelError() {
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setCancelError(true);
        dlg.setFileName(QStringLiteral("old.jpg"));
        dlg.setFileTitle(QStringLiteral("old"));
        for (bool save : {false, true}) {
            try {
                save ? dlg.ShowSave() : dlg.ShowOpen();  // nothing chosen: cancelled
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
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName(), QStringLiteral("old.jpg"));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("old"));
        QCOMPARE(dlg.flags(), 0x8);
    }

    // Multiple selection: the whole 8192-character buffer lands in FileName and
    // ParseMultiFileName splits it.
    void multipleSelection() {
        test::ScriptedFileDialogs dialogs;
        OpenSaveDialog dlg;
        dlg.setFlags(OpenSaveDialog::AllowMultiSelect);
        dlg.setFileTitle(QStringLiteral("before"));
        dialogs.chooseFiles(QStringLiteral("C:\\pics"), {"a.jpg", "b.jpg", "c.jpg"});
        dlg.ShowOpen();
        QCOMPARE(dialogs.requests.first().fileBufferSize, 8192);
        QCOMPARE(dialogs.requests.first().fileTitleBufferSize, 8192);
        const QString expected = QStringLiteral("C:\\pics") + nuls("0a.jpg0b.jpg0c.jpg0");
        QCOMPARE(dlg.fileName(), expected + QString(8192 - expected.size(), kNul));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("before"));
        QCOMPARE(parse(dlg), QStringLiteral("C:\\pics|a.jpg|b.jpg|c.jpg|3"));
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics"));

        // One file chosen in multiple-selection mode: no directory, the full path as the file.
        dialogs.chooseFiles(QStringLiteral("C:\\pics"), {"a.jpg"});
        dlg.ShowOpen();
        QCOMPARE(dlg.fileName().size(), 8192);
        QCOMPARE(parse(dlg), QStringLiteral("|C:\\pics\\a.jpg|1"));
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics\\a.jpg"));

        // The save dialog has no multiple selection.
        dialogs.chooseFile(QStringLiteral("C:\\pics\\new.ini"));
        dlg.ShowSave();
        QCOMPARE(dialogs.requests.last().fileBufferSize, 260);
        QCOMPARE(dialogs.requests.last().fileTitleBufferSize, 260);
        QCOMPARE(dlg.fileName(), QStringLiteral("C:\\pics\\new.ini"));
        QCOMPARE(dlg.fileTitle(), QStringLiteral("new.ini"));
    }

    // A single name is split at its last separator and replaces what the caller passed; the
    // pieces of a multiple selection are added to it, as the platform's callers rely on.
    void parseFileNames() {
        const QList<std::tuple<QString, QString, QString>> cases = {
            {"C:\\pics\\car.jpg", "C:\\pics|car.jpg|1", "C:\\pics\\car.jpg"},
            {"car.jpg", "|car.jpg|1", "car.jpg"},
            {"", "||1", ""},
            {"\\car.jpg", "|\\car.jpg|1", "\\car.jpg"},
            {"/home/me/car.jpg", "/home/me|car.jpg|1", "/home/me/car.jpg"},
            {nuls("car.jpg0x"), "|" + nuls("car.jpg0x") + "|1", "car.jpg"},
            {nuls("D:\\0x.jpg0y.jpg00"), "known|left|over|D:\\|x.jpg|y.jpg|5", "D:\\"}};
        OpenSaveDialog dlg;
        for (const auto& [fileName, parsed, fileNameAfter] : cases) {
            dlg.setFileName(fileName);
            QCOMPARE(parse(dlg, QStringLiteral("known"), {"left", "over"}, 2), parsed);
            QCOMPARE(dlg.fileName(), fileNameAfter);
        }
        // A nonsense count from a caller starts at none instead of failing.
        dlg.setFileName(nuls("D:\\0x.jpg00"));
        QCOMPARE(parse(dlg, {}, {}, -5), QStringLiteral("D:\\|x.jpg|1"));
    }

    void savedPropertiesRoundTrip() {
        OpenSaveDialog dlg;
        PropertyBag bag;
        dlg.writeProperties(bag);
        QVERIFY(bag.isEmpty());

        const QList<QPair<const char*, QVariant>> values = {{"DialogTitle", "Save as"},
                                                            {"CancelError", true},
                                                            {"Filter", "Text|*.txt"},
                                                            {"InitDir", "C:\\lists"},
                                                            {"FilterIndex", 2},
                                                            {"DefaultExt", "txt"},
                                                            {"FileName", "C:\\lists\\a.ini"},
                                                            {"FileTitle", "a.ini"},
                                                            {"MaxFileSize", 128},
                                                            {"Flags", 0x200}};
        QStringList names;
        for (const auto& [name, value] : values) {
            QVERIFY(dlg.setProperty(name, value));
            names << QString::fromLatin1(name);
        }
        dlg.writeProperties(bag);
        QCOMPARE(bag.names(), names);
        OpenSaveDialog loaded;
        loaded.readProperties(PropertyBag::fromByteArray(bag.toByteArray()));
        for (const auto& [name, value] : values)
            QVERIFY2(loaded.property(name) == value, name);

        // Missing names read as the defaults.
        PropertyBag partial;
        partial.writeProperty(QStringLiteral("Filter"), QStringLiteral("A|*.a"));
        loaded.readProperties(partial);
        QCOMPARE(loaded.maxFileSize(), qint16(260));
        PropertyBag again;
        loaded.writeProperties(again);
        QCOMPARE(again, partial);
    }

    // 390 x 390 twips whatever size it is given; seen only in a window being designed.
    void fixedSizeAndInvisibleAtRunTime() {
        QWidget host;
        auto* dlg = new OpenSaveDialog(&host);
        const int side = qRound(390 * dlg->logicalDpiX() / 1440.0);
        dlg->resize(200, 10);
        QCOMPARE(dlg->size(), QSize(side, side));
        host.show();
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
        QString dir;
        QStringList files;
        qint32 count = 0;
        dlg->ParseMultiFileName(dir, files, count);
        QCOMPARE(QDir(dir).canonicalPath(), QDir(env.dir()).canonicalPath());
        QCOMPARE(files, QStringList({"a.jpg", "c.jpg"}));
        QCOMPARE(dlg->filterIndex(), qint16(1));
        QVERIFY(!title.isEmpty());  // the platform's own title when none is given
    }
};

QTEST_MAIN(TestOpenSaveDialog)
#include "tst_opensavedialog.moc"
