// The crash harness's driver. "save" runs the real catalogue window offscreen and saves
// records in a loop — new records, edits, pictures of a few hundred KB — printing one line for
// every save that has returned. "check" opens the catalogue afterwards and checks that the
// file is sound, that every record is whole and that every save that returned is there.
//
//   kbsmgr-crashdriver save DIR SEED        (runs until killed)
//   kbsmgr-crashdriver check DIR LOG...     (exit 0 when nothing was lost)
//   kbsmgr-crashdriver list DIR             (saves a value list through the editor's save,
//                                            two texts in turn, until killed)
//   kbsmgr-crashdriver listcheck DIR        (exit 0 when the list holds one text whole)
#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QToolButton>
#include <cstdio>
#include <stdexcept>

#include "EditorTextBox.h"
#include "LimitedTextbox.h"
#include "ProgramInfo.h"
#include "RecordSet.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TestEnv.h"
#include "frmMain.h"
#include "modTextboxFile.h"

using namespace kbs;

namespace {

// A record is whole when its notes hold the signature of its other fields and its picture.
QString signature(const QString& description, const QString& color, const QString& version,
                  const QByteArray& picture) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData((description + QLatin1Char('|') + color + QLatin1Char('|') + version).toUtf8());
    h.addData(picture);
    return QStringLiteral("sig:") + QString::fromLatin1(h.result().toHex());
}

QByteArray pictureOf(int seed, int size) {
    QByteArray b(size, '\0');
    QRandomGenerator r{quint32(seed)};
    for (int i = 0; i < size; ++i)
        b[i] = char(r.bounded(256));
    return b;
}

int save(const QString& dir, int seed) {
    ProgramInfo::setDirectoryOverride(dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                   QStringLiteral("0"));
    test::ScriptedPrompts prompts;
    setPrompts(&prompts);
    QStringList pictures;
    for (int i = 0; i < 3; ++i) {
        const QString path = dir + QStringLiteral("/pic%1.bin").arg(i);
        if (!QFile::exists(path)) {
            QFile f(path + QStringLiteral(".new"));
            f.open(QIODevice::WriteOnly);
            f.write(pictureOf(i, 150000 + 100000 * i));
            f.close();
            QFile::rename(path + QStringLiteral(".new"), path);
        }
        pictures << path;
    }
    frmMain w;
    w.Form_Load();
    w.show();
    QRandomGenerator r{quint32(seed)};
    for (int n = 0;; ++n) {
        // New records until the catalogue holds a few hundred, then edits, so that a long run
        // stays a reasonable size.
        const long count = w.recordSet()->recordCount();
        const bool edit = count >= 400 || (count > 0 && r.bounded(3) == 0);
        QString version = QStringLiteral("1");
        if (edit) {
            w.recordSet()->moveFirst();
            for (long k = r.bounded(int(count)); k > 0; --k)
                w.recordSet()->moveNext();
            w.GetInfo(w.recordSet()->value(0).toString());
            version = QString::number(w.txtTextl[10]->text().toInt() + 1);
            w.toolbarButton(QStringLiteral("Edit"))->click();
        } else {
            w.toolbarButton(QStringLiteral("Add"))->click();
        }
        const QString description = QStringLiteral("Model %1-%2").arg(seed).arg(n);
        const QString color = QStringLiteral("Colour %1").arg(r.bounded(1000));
        const int pic = int(r.bounded(3));
        QFile f(pictures[pic]);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        w.txtTextl[1]->setText(description);
        w.txtTextl[9]->setText(color);
        w.txtTextl[10]->setText(version);
        w.txtNotes->setPlainText(signature(description, color, version, bytes));
        w.Option1[0]->setChecked(true);
        w.txtPicDir->setText(pictures[pic]);
        w.cmdSave->click();
        if (!prompts.shown.isEmpty()) {
            std::fprintf(stderr, "save refused: %s\n", qPrintable(prompts.shown.last().text));
            return 2;
        }
        std::printf("ok %s %s\n", qPrintable(w.recordSet()->value(0).toString()),
                    qPrintable(version));
        std::fflush(stdout);
    }
}

int check(const QString& dir, const QStringList& logs) {
    const QString path = dir + QStringLiteral("/mydb.mdb");
    int failures = 0;
    QMap<qint64, int> stored;
    try {
        for (const QVariantList& row :
             test::rowsOf(path, QStringLiteral("PRAGMA integrity_check"))) {
            if (row.value(0).toString() != QLatin1String("ok")) {
                std::printf("integrity: %s\n", qPrintable(row.value(0).toString()));
                ++failures;
            }
        }
        for (const QVariantList& r : test::rowsOf(
                 path, QStringLiteral("SELECT ID, Description, Color, Quantity, Notes, binpicdata "
                                      "FROM table1"))) {
            const qint64 id = r[0].toLongLong();
            if (r[4].toString() !=
                signature(r[1].toString(), r[2].toString(), r[3].toString(), r[5].toByteArray())) {
                std::printf("record %lld is not whole\n", static_cast<long long>(id));
                ++failures;
            }
            stored.insert(id, r[3].toString().toInt());
        }
    } catch (const std::exception& e) {
        std::printf("cannot read the catalogue: %s\n", e.what());
        return 1;
    }

    int reported = 0;
    for (const QString& log : logs) {
        QFile f(log);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const auto parts = line.split(' ');
            if (parts.size() != 3 || parts[0] != "ok" || parts[2].isEmpty())
                continue;
            ++reported;
            const qint64 id = parts[1].toLongLong();
            const int version = parts[2].toInt();
            if (!stored.contains(id) || stored.value(id) < version) {
                std::printf("saved record %lld version %d is lost\n", static_cast<long long>(id),
                            version);
                ++failures;
            }
        }
    }
    std::printf("records %lld, saves reported %d, failures %d\n",
                static_cast<long long>(stored.size()), reported, failures);
    return failures ? 1 : 0;
}

QString listText(int which) {
    QStringList lines;
    for (int i = 0; i < 20000; ++i)
        lines
            << (which ? QStringLiteral("Metallic blue %1") : QStringLiteral("Dark red %1")).arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

int saveList(const QString& dir) {
    test::ScriptedPrompts prompts;
    setPrompts(&prompts);
    EditorTextBox box;
    const QString path = dir + QStringLiteral("/exteriorcolor.ini");
    const QString texts[] = {listText(0), listText(1)};
    for (int n = 0;; ++n) {
        box.setText(texts[n % 2]);
        if (!SaveTextboxToFile(box, path))
            return 2;
        std::printf("ok %d\n", n);
        std::fflush(stdout);
    }
}

int checkList(const QString& dir) {
    QFile f(dir + QStringLiteral("/exteriorcolor.ini"));
    if (!f.exists())
        return 0;  // killed before the first save
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (int which = 0; which < 2; ++which) {
        if (bytes == (listText(which) + QStringLiteral("\r\n")).toUtf8())
            return 0;
    }
    std::printf("the value list holds neither text whole (%lld bytes)\n",
                static_cast<long long>(bytes.size()));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("save"))
        return save(args[2], args[3].toInt());
    if (args.size() >= 3 && args[1] == QLatin1String("check"))
        return check(args[2], args.mid(3));
    if (args.size() >= 3 && args[1] == QLatin1String("list"))
        return saveList(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("listcheck"))
        return checkList(args[2]);
    std::fprintf(stderr, "usage: kbsmgr-crashdriver save|check|list|listcheck DIR ...\n");
    return 2;
}
