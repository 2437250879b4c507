// Files that are not what they should be, a second program on the same catalogue, and writes
// the catalogue refuses: nothing hangs, nothing is lost without a message.
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include "AppError.h"
#include "EditorTextBox.h"
#include "FlexGrid.h"
#include "JetFile.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "PictureLoader.h"
#include "Schema.h"
#include "ScriptedFileDialogs.h"
#include "Settings.h"
#include "Startup.h"
#include "ValueListFile.h"
#include "Window.h"
#include "frmTip.h"
#include "modTextboxFile.h"

using namespace kbs;

namespace {
const QByteArray kLongLine(10 * 1024 * 1024, 'x');

long residentMb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    f.open(QIODevice::ReadOnly);
    return f.readAll().split(' ').value(1).toLong() * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

// Puts a hostile file of the given kind at path.
void makeHostile(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    else if (kind == QLatin1String("devzero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QLatin1String("huge")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(3LL << 30));  // sparse: takes no disk
    } else if (kind == QLatin1String("unreadable")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("a\r\n") == 3);
        f.setPermissions({});
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kLongLine) == kLongLine.size());
    }
}
}  // namespace

class TestHostile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each reader of the program against each kind of hostile file: it ends quickly, without
    // growing, and tells the person which file it could not read.
    void everyReaderRefusesHostileFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reader");
        for (const char* kind : {"fifo", "devzero", "folder", "huge", "unreadable", "longline"}) {
            for (const char* reader :
                 {"list", "editor", "tips", "picture", "settings", "oldcatalogue", "catalogue"})
                QTest::addRow("%s %s", kind, reader) << kind << reader;
        }
    }
    void everyReaderRefusesHostileFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, reader);
        if (kind == QLatin1String("unreadable") && ::geteuid() == 0)
            QSKIP("root reads any file");
        test::TestEnv env;
        const QString settingsFile = QSettings(QSettings::IniFormat, QSettings::UserScope,
                                               QStringLiteral("kbsmgr"), QStringLiteral("kbsmgr"))
                                         .fileName();
        QDir().mkpath(QFileInfo(settingsFile).absolutePath());
        const QString path = reader == QLatin1String("tips")        ? env.path("tip.txt")
                             : reader == QLatin1String("settings")  ? settingsFile
                             : reader == QLatin1String("catalogue") ? env.dbPath()
                                                                    : env.path("hostile.ini");
        if (reader == QLatin1String("catalogue"))
            QFile::remove(path);
        makeHostile(kind, path);
        const long before = residentMb();
        QElapsedTimer timer;
        timer.start();
        QString told;  // what the person is shown
        try {
            if (reader == QLatin1String("list")) {
                told = valuelist::read(path).values.value(0).size() == kLongLine.size()
                           ? QStringLiteral("whole")
                           : QString();
            } else if (reader == QLatin1String("editor")) {
                EditorTextBox box;
                env.prompts().answerMsg(mb::OK);
                QVERIFY(!LoadFileIntoTextbox(box, path));
                QVERIFY(box.text().isEmpty());
                told = env.prompts().shown.value(0).text;
            } else if (reader == QLatin1String("tips")) {
                frmTip tip;
                tip.Form_Load();
                tip.show();
                QCoreApplication::processEvents();
                told = tip.lblTipText->text();
            } else if (reader == QLatin1String("picture")) {
                loadPictureFile(path);
            } else if (reader == QLatin1String("settings")) {
                env.prompts().answerMsg(mb::OK);
                QCOMPARE(Settings::get("Tipstatus", "Show Tips at Startup", "1"), "1");
                Settings::save("Tipstatus", "Show Tips at Startup", "0");
                told = env.prompts().shown.value(0).text;
            } else if (reader == QLatin1String("oldcatalogue")) {
                legacy::checkLegacyFile(path);
            } else {
                env.prompts().answerMsg(mb::OK);
                QVERIFY(!startProgram().main);
                told = env.prompts().shown.value(0).text;
            }
        } catch (const AppError& e) {
            told = e.description();
        }
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(residentMb() - before < 200);
        QVERIFY(env.prompts().unexpected.isEmpty());
        if (kind == QLatin1String("longline") && reader == QLatin1String("list"))
            QCOMPARE(told, QStringLiteral("whole"));  // a long value is still a value
        else if (kind == QLatin1String("longline") && reader == QLatin1String("tips"))
            QVERIFY(told.size() < 3000 && told.endsWith(QChar(0x2026)));
        else if (kind == QLatin1String("folder") && reader == QLatin1String("tips"))
            QCOMPARE(told, tipText::NotFound);  // a folder is no tips file
        else if (kind == QLatin1String("longline") && reader == QLatin1String("picture"))
            QVERIFY(!told.isEmpty());
        else
            QVERIFY2(told.contains(path), qPrintable(told));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    // A description and a note of one 10 MiB line each are shown cut, and a save of the other
    // fields leaves them as stored.
    void hugeValuesNeitherFreezeNorAreCut() {
        test::TestEnv env;
        const QString huge = QString::fromLatin1(kLongLine);
        env.addRecord({{"Description", huge}, {"Notes", huge}});
        test::Window win(env);
        // The window answers: painting and laying out the fields takes no time to speak of.
        auto answers = [] {
            QElapsedTimer timer;
            timer.start();
            QCoreApplication::processEvents();
            return timer.elapsed() < 2000;
        };
        QVERIFY(answers());
        win.press("Edit");
        QVERIFY(win->txtNotes->isReadOnly() && win->txtTextl[1]->locked());
        QVERIFY(win->txtNotes->toPlainText().size() < 11000);
        QVERIFY(win->txtTextl[1]->text().size() < 11000);
        win->txtTextl[2]->setText(QStringLiteral("1990"));
        win.save();
        QVERIFY(answers());
        QCOMPARE(env.rows("SELECT Description, Notes, Year FROM table1").value(0),
                 QVariantList({huge, huge, "1990"}));
        win.press("Add");
        QVERIFY(!win->txtNotes->isReadOnly() && !win->txtTextl[1]->locked());
    }

    // Another program changed or deleted the record meanwhile: the save is refused, the window
    // stays in edit mode with the typing, and the other program's values stay.
    void aSaveOverAnotherProgramsChangeIsRefused_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("told");
        QTest::addRow("changed") << "UPDATE table1 SET Description = 'by the other'"
                                 << "Another program changed this record";
        QTest::addRow("deleted") << "DELETE FROM table1"
                                 << "Another program deleted this record";
    }
    void aSaveOverAnotherProgramsChangeIsRefused() {
        QFETCH(QString, meanwhile);
        QFETCH(QString, told);
        test::TestEnv env;
        env.addRecord({{"Description", "first"}, {"Year", "1990"}});
        test::Window win(env);
        win.press("Edit");
        env.exec(meanwhile);
        const QList<QVariantList> theirs = env.rows("SELECT * FROM table1");
        win->txtTextl[2]->setText(QStringLiteral("2001"));
        env.prompts().answerMsg(mb::OK);
        win.save();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.contains(told));
        QCOMPARE(env.rows("SELECT * FROM table1"), theirs);
        QVERIFY(win->cmdSave->isVisible());
        QCOMPARE(win->txtTextl[2]->text(), QStringLiteral("2001"));
    }

    // A delete the catalogue refuses says so; the record, the panel and the grid stay.
    void aRefusedDeleteSaysSo() {
        test::TestEnv env;
        for (const char* d : {"one", "two"})
            env.addRecord({{"Description", QString::fromLatin1(d)}});
        test::Window win(env);
        env.exec("UPDATE table1 SET Year = '1999' WHERE Description = 'one'");
        env.prompts().answerMsg(mb::OK);
        env.prompts().answerMsg(mb::OK);
        win.press("Delete");
        QCOMPARE(env.prompts().shown.size(), 2);
        QVERIFY(env.prompts().shown.at(1).text.startsWith("The record could not be deleted:"));
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 2);
        QCOMPARE(win->txtTextl[1]->text(), QStringLiteral("one"));
        QCOMPARE(win->FG1->rows(), 3);
    }

    // A table the record set cannot write to is refused at start-up, and the file is untouched.
    void aTableThatCannotBeUpdatedIsRefused_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("secondId");
        QTest::addColumn<QString>("told");
        QTest::addRow("text ID") << "ID TEXT PRIMARY KEY, "
                                 << "" << 2 << "ID is declared TEXT";
        QTest::addRow("ID not the key") << "ID INTEGER, "
                                        << "" << 1 << "has no primary key";
        QTest::addRow("ID last") << ""
                                 << ", ID INTEGER PRIMARY KEY" << 2
                                 << "ID is column 27 but must be column 1";
    }
    void aTableThatCannotBeUpdatedIsRefused() {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, secondId);
        QFETCH(QString, told);
        test::TestEnv env(false);
        QString sql =
            schema::createTableSql().replace("ID INTEGER PRIMARY KEY AUTOINCREMENT, ", first);
        sql.insert(sql.size() - 1, last);
        QVERIFY(QFile(env.dbPath()).open(QIODevice::WriteOnly));
        env.exec(sql);
        env.exec("INSERT INTO table1 (ID, Description) VALUES (1, 'a'), (?, 'b')", {secondId});
        const QByteArray file = env.readFile("mydb.mdb");
        env.prompts().answerMsg(mb::OK);
        QVERIFY(!startProgram().main);
        QVERIFY2(env.prompts().shown.value(0).text.contains(told),
                 qPrintable(env.prompts().shown.value(0).text));
        QCOMPARE(env.readFile("mydb.mdb"), file);
    }

    // Add with the highest ID taken names the limit, not a full disk.
    void theLastIdIsNamed() {
        test::TestEnv env;
        env.exec("INSERT INTO table1 (ID, Description) VALUES (9223372036854775807, 'last')");
        test::Window win(env);
        win.press("Add");
        env.prompts().answerMsg(mb::OK);
        win.save();
        QVERIFY(env.prompts().shown.value(0).text.contains("highest record number"));
        QCOMPARE(env.value("SELECT count(*) FROM table1").toInt(), 1);
    }

    // A chosen file that is not a picture is not taken: the record keeps its picture.
    void aRejectedPictureKeepsTheOldOne_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"text", "empty", "fifo", "devzero"})
            QTest::addRow("%s", kind) << kind;
    }
    void aRejectedPictureKeepsTheOldOne() {
        QFETCH(QString, kind);
        test::TestEnv env;
        test::ScriptedFileDialogs dialogs;
        const QByteArray old = test::pictureBytes("PNG", 12, 12);
        env.addRecord({{"Description", "x"}, {"binpicdata", old}});
        const QString chosen = env.path("chosen.jpg");
        if (kind == QLatin1String("text") || kind == QLatin1String("empty"))
            env.writeFile("chosen.jpg", kind == QLatin1String("text") ? "not a picture" : "");
        else
            makeHostile(kind, chosen);
        test::Window win(env);
        win.press("Edit");
        win->Option1[0]->setChecked(true);
        dialogs.chooseFile(chosen);
        env.prompts().answerMsg(mb::OK);
        win->cmdSelect->click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.startsWith(mainText::InvalidImage));
        QVERIFY(env.prompts().shown.first().text.endsWith("The record keeps the picture it had."));
        win.save();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), old);
    }

    // Scratch files a killed run left are removed at the next start; nothing else is.
    void leftScratchFilesAreRemovedAtStart() {
        test::TestEnv env;
        const QStringList stale = {"mydb.mdb.converting-0badf00d.tmp.part", "series.ini.aB3xYz",
                                   "mydb.mdb.converting-0badf00d.tmp.part-journal"};
        const QStringList kept = {"series.ini", "series.ini.bak", "notes.ini.aB3xYz.txt",
                                  "fresh.ini.Qw12Er", "mydb.mdb.converting-x.tmp.part"};
        for (const QString& name : stale + kept) {
            env.writeFile(name, "x");
            QFile f(env.path(name));
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (name != "fresh.ini.Qw12Er")
                f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                              QFileDevice::FileModificationTime);
        }
        Settings::save("Tipstatus", "Show Tips at Startup", "0");
        Program p = startProgram();
        QVERIFY(p.main);
        for (const QString& name : stale)
            QVERIFY2(!QFile::exists(env.path(name)), qPrintable(name));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(env.path(name)), qPrintable(name));
    }
};

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
