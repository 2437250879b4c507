// Files that are not what they should be, a second program on the same catalogue, and writes
// the catalogue refuses: nothing hangs, nothing is lost without a message.
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>

#include "AppError.h"
#include "Backup.h"
#include "Controls.h"
#include "EditorTextBox.h"
#include "JetFile.h"
#include "MainTexts.h"
#include "PictureLoader.h"
#include "RecordSet.h"
#include "Schema.h"
#include "ScriptedFileDialogs.h"
#include "Settings.h"
#include "Startup.h"
#include "ValueListFile.h"
#include "Window.h"
#include "frmTip.h"
#include "modTextboxFile.h"

using namespace kbs;
using namespace Qt::StringLiterals;

namespace {
const QByteArray kLongLine(10 * 1024 * 1024, 'x');

long residentMb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    f.open(QIODevice::ReadOnly);
    return f.readAll().split(' ').value(1).toLong() * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

// Puts a hostile file of the given kind at path.
void makeHostile(const QString& kind, const QString& path) {
    QFile f(path);
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (kind == "devzero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (kind == "huge")
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(3LL << 30));  // sparse: takes no disk
    else if (kind == "unreadable")
        QVERIFY(f.open(QIODevice::WriteOnly) && f.setPermissions({}));
    else
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kLongLine) == kLongLine.size());
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
        if (kind == "unreadable" && ::geteuid() == 0)
            QSKIP("root reads any file");
        test::TestEnv env;
        const QString settings =
            QSettings(QSettings::IniFormat, QSettings::UserScope, "kbsmgr", "kbsmgr").fileName();
        QDir().mkpath(QFileInfo(settings).absolutePath());
        const QString path = reader == "tips"        ? env.path("tip.txt")
                             : reader == "settings"  ? settings
                             : reader == "catalogue" ? env.dbPath()
                                                     : env.path("hostile.ini");
        QFile::remove(path);
        makeHostile(kind, path);
        const long before = residentMb();
        QElapsedTimer timer;
        timer.start();
        QString told;  // what the person is shown
        try {
            if (reader == "list") {
                told = QString::number(valuelist::read(path).values.value(0).size());
            } else if (reader == "editor") {
                EditorTextBox box;
                env.prompts().answerMsg(mb::OK);
                QVERIFY(!LoadFileIntoTextbox(box, path) && box.text().isEmpty());
            } else if (reader == "tips") {
                frmTip tip;
                tip.Form_Load();
                tip.show();
                QCoreApplication::processEvents();
                told = tip.lblTipText->text();
            } else if (reader == "picture") {
                loadPictureFile(path);
            } else if (reader == "settings") {
                env.prompts().answerMsg(mb::OK);
                QCOMPARE(Settings::get("Tipstatus", "Show Tips at Startup", "1"), "1");
                Settings::save("Tipstatus", "Show Tips at Startup", "0");
            } else if (reader == "oldcatalogue") {
                legacy::checkLegacyFile(path);
            } else {
                env.prompts().answerMsg(mb::OK);
                QVERIFY(!startProgram().main);
            }
        } catch (const AppError& e) {
            told = e.description();
        }
        if (!env.prompts().shown.isEmpty())
            told = env.prompts().shown.first().text;
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(residentMb() - before < 200);
        if (kind == "longline" && reader == "list")
            QCOMPARE(told.toLongLong(), kLongLine.size());  // a long value is still a value
        else if (kind == "longline" && reader == "tips")
            QVERIFY(told.size() < 3000 && told.endsWith(QChar(0x2026)));
        else if (kind == "folder" && reader == "tips")
            QCOMPARE(told, tipText::NotFound);  // a folder is no tips file
        else if (kind == "longline" && reader == "picture")
            QVERIFY(!told.isEmpty());
        else
            QVERIFY2(told.contains(path), qPrintable(told));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    // A description and a note of one 10 MiB line each are shown cut, and a save of the other
    // fields, a delete and its undo, and a backup with its restore keep them byte for byte.
    // The text index, which would hold them, is left out while they are there.
    void hugeValuesNeitherFreezeNorAreCut() {
        test::TestEnv env;
        const QString huge = QString::fromLatin1(kLongLine);
        env.addRecord({{"Description", huge}, {"Notes", huge + u"é"_s}});
        env.addRecord({{"Description", "short"}});
        const QString plan = u"EXPLAIN QUERY PLAN SELECT ID, Year FROM table1"_s;
        {
            test::Window win(env);
            QVERIFY(!env.rows(plan).first().last().toString().contains(schema::TextIndexName));
            QCOMPARE(win.column(1).value(0).size(), RecordSet::ShownBytes);
            // The window answers: painting and laying out the fields takes no time to speak of.
            auto answers = [] {
                QElapsedTimer timer;
                timer.start();
                QCoreApplication::processEvents();
                return timer.elapsed() < 2000;
            };
            QVERIFY(answers());
            win.press("Edit");
            QVERIFY(ui(win).txtNotes->isReadOnly() && ui(win).txtTextl[1]->locked());
            QVERIFY(ui(win).txtNotes->toPlainText().size() < 11000);
            QVERIFY(ui(win).txtTextl[1]->text().size() < 11000);
            ui(win).txtTextl[2]->setText("1990");
            win.save();
            QVERIFY(answers());
            const QString stored = u"SELECT Description, Notes, Year FROM table1 WHERE ID = 1"_s;
            const QVariantList whole{huge, huge + u"é"_s, "1990"};
            QCOMPARE(env.rows(stored).value(0), whole);
            env.prompts().answerMsg(mb::OK);
            win.press("Delete");
            QTest::keyClick(win.w.get(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(env.rows(stored).value(0), whole);
            QCOMPARE(win.field(1).left(100), huge.left(100));
            const backup::Result copy = backup::make(env.dbPath(), env.path(u"backups"_s));
            QCOMPARE(int(copy.outcome), int(backup::Outcome::Made));
            backup::restore(copy.path, env.path(u"restored.mdb"_s));
            QCOMPARE(test::rowsOf(env.path(u"restored.mdb"_s), stored).value(0), whole);
            win.press("Add");  // a new record's fields are open again
            QVERIFY(!ui(win).txtNotes->isReadOnly() && !ui(win).txtTextl[1]->locked());
        }
        // Without the long texts, the next start makes the index again.
        env.exec(u"UPDATE table1 SET Description = 'd', Notes = 'n'"_s);
        { test::Window again(env); }
        QVERIFY(env.rows(plan).first().last().toString().contains(schema::TextIndexName));
    }

    // Another program changed or deleted the record meanwhile: the other program's values stay,
    // the message says what happened, and the window ends where the person can act: a refused
    // save keeps the typing (and, for a record that is gone, stores it as a new one when saved
    // again); a refused delete shows the record as it now is; a record deleted already is gone
    // from the panel and the grid as after a delete.
    void anotherProgramsChangeIsNeverOverwritten_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("panel");  // what box 1 shows after the message
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<QString>("then");  // the next command, and what box 1 shows after it
        const char* changed = "UPDATE table1 SET Description = 'theirs' WHERE ID = 1";
        const char* deleted = "DELETE FROM table1 WHERE ID = 1";
        const QStringList both{"first", "second"};
        QTest::addRow("save, changed")
            << "Save" << changed << "Another program changed this"
            << "first" << QStringList{"theirs", "second"} << "Cancel:theirs";
        QTest::addRow("save, picture changed")
            << "Save"
            << "UPDATE table1 SET picpath = 'theirs.jpg', binpicdata = x'00' WHERE ID = 1"
            << "Another program changed this"
            << "first" << both << "Save:first";  // a second save, knowing it, goes through
        QTest::addRow("save, deleted: again") << "Save" << deleted << "as a new record"
                                              << "first" << QStringList{"second"} << "Save:first";
        QTest::addRow("save, deleted: cancel")
            << "Save" << deleted << "as a new record"
            << "first" << QStringList{"second"} << "Cancel:second";
        QTest::addRow("delete, changed") << "Delete" << changed << "could not be deleted"
                                         << "theirs" << QStringList{"theirs", "second"} << "";
        QTest::addRow("delete, deleted") << "Delete" << deleted << "no longer in the catalogue"
                                         << "second" << QStringList{"second"} << "";
    }
    void anotherProgramsChangeIsNeverOverwritten() {
        QFETCH(QString, command);
        QFETCH(QString, meanwhile);
        QFETCH(QString, told);
        QFETCH(QString, panel);
        QFETCH(QStringList, grid);
        QFETCH(QString, then);
        test::TestEnv env;
        env.addRecord({{"Description", "first"}, {"Year", "1990"}});
        env.addRecord({{"Description", "second"}});
        test::Window win(env);
        if (command == "Save") {
            win.press("Edit");
            win.setField(2, "2001");
        }
        env.exec(meanwhile);
        const QList<QVariantList> theirs = env.rows("SELECT * FROM table1");
        env.prompts().answerMsg(mb::OK);
        if (command == "Save") {
            win.save();
        } else {
            env.prompts().answerMsg(mb::OK);  // the question first
            win.press("Delete");
        }
        QVERIFY2(env.prompts().shown.last().text.contains(told),
                 qPrintable(env.prompts().shown.last().text));
        QCOMPARE(env.rows("SELECT * FROM table1"), theirs);
        QCOMPARE(ui(win).cmdSave->isVisible(), command == "Save");
        QCOMPARE(win.field(1), panel);
        QCOMPARE(win.field(2), command == "Save" ? "2001" : win.stored("Year", win.currentId()));
        QCOMPARE(win.column(1), grid);
        const QString next = then.section(':', 0, 0);
        if (next == "Save")
            win.save();
        else if (next == "Cancel")
            ui(win).cmdCancel->click();
        if (!next.isEmpty()) {
            QVERIFY(!ui(win).cmdSave->isVisible());
            QCOMPARE(win.field(1), then.section(':', 1));
            if (next == "Save")
                QCOMPARE(env.value("SELECT count(*) FROM table1 WHERE Year = '2001'").toInt(), 1);
        }
        if (then == "Save:first" && command == "Save" && grid.size() == 1) {
            QCOMPARE(env.rows("SELECT Description, Year FROM table1 ORDER BY ID"),
                     QList<QVariantList>({{"second", QVariant()}, {"first", "2001"}}));
        }
    }

    // A catalogue made by another tool may keep numbers only in a column: a word typed there
    // refuses the whole save with a message naming the field and the text, and nothing is lost;
    // an empty box stores nothing there.
    void aNumberColumnRefusesTheSaveNotTheTyping() {
        test::TestEnv env(false);
        QVERIFY(QFile(env.dbPath()).open(QIODevice::WriteOnly));
        env.exec(schema::createTableSql().replace("Year TEXT", "Year INTEGER"));
        env.addRecord({{"Description", "Mustang"}, {"Year", 1968}});
        test::Window win(env);
        for (const char* command : {"Edit", "Add"}) {
            win.press(command);
            win.setField(2, "nineteen70");
            win.setField(9, "Red");
            const QList<QVariantList> before = env.rows("SELECT * FROM table1");
            env.prompts().answerMsg(mb::OK);
            win.save();
            const QString text = env.prompts().shown.value(0).text;
            QVERIFY2(text.contains("\"Year Issued\" (column Year)") && text.contains("nineteen70"),
                     qPrintable(text));
            env.verifyPrompts();
            QVERIFY(ui(win).cmdSave->isVisible());
            QCOMPARE(win.field(2), "nineteen70");
            QCOMPARE(env.rows("SELECT * FROM table1"), before);
            win.setField(2, "");
            win.save();
            QVERIFY(!ui(win).cmdSave->isVisible());
        }
        QCOMPARE(env.rows("SELECT Year, Color FROM table1 ORDER BY ID"),
                 QList<QVariantList>({{QVariant(), "Red"}, {QVariant(), "Red"}}));
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
        if (kind == "text" || kind == "empty")
            env.writeFile("chosen.jpg", kind == "text" ? "not a picture" : "");
        else
            makeHostile(kind, chosen);
        test::Window win(env);
        win.press("Edit");
        ui(win).Option1[0]->setChecked(true);
        dialogs.chooseFile(chosen);
        env.prompts().answerMsg(mb::OK);
        ui(win).cmdSelect->click();
        QCOMPARE(env.prompts().shown.size(), 1);
        QVERIFY(env.prompts().shown.first().text.startsWith(mainText::InvalidImage));
        QVERIFY(env.prompts().shown.first().text.endsWith("The record keeps the picture it had."));
        win.save();
        QCOMPARE(env.value("SELECT binpicdata FROM table1").toByteArray(), old);
    }

    // Scratch files a killed run left are removed at the next start; nothing else is, not the
    // collector's own copies of the lists, whatever their names.
    void leftScratchFilesAreRemovedAtStart() {
        test::TestEnv env;
        // Of a killed conversion, an earlier version's value list save, a restore, an export.
        const QStringList stale = {"mydb.mdb.converting-0badf00d.tmp.part",
                                   "mydb.mdb.converting-0badf00d.tmp.part-journal",
                                   "mydb.mdb.converting-0badf00d.tmp.kbs-part-2147483646-aB3xYz",
                                   "series.ini.kbs-tmp-Zx98Yt",
                                   "mydb.mdb.kbs-part-2147483646-aB3xYz",
                                   "mydb.mdb.kbs-part-2147483646-aB3xYz-journal",
                                   "out.tc.kbs-part-2147483646-aB3xYz-images-Q1w2E3/1.jpg"};
        QStringList others = {"fresh.ini.kbs-tmp-Qw12Er",
                              "mydb.mdb.converting-x.tmp.part",
                              "notes.ini.kbs-tmp-aB3xYz.txt",
                              "series.ini.backup",
                              "status.ini.orig01",
                              "notes.ini.mine12",
                              "series.ini.aB3xYz"};
        for (const QString& name : stale + others) {
            QDir(env.dir()).mkpath(QFileInfo(env.path(name)).path());
            env.writeFile(name, "x");
            QFile f(env.path(name));
            if (name != "fresh.ini.kbs-tmp-Qw12Er")  // written by a copy running now
                QVERIFY(f.open(QIODevice::ReadWrite) &&
                        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                      QFileDevice::FileModificationTime));
        }
        Settings::save("Tipstatus", "Show Tips at Startup", "0");
        QVERIFY(startProgram().main);
        others.sort();
        QCOMPARE(QDir(env.dir()).entryList({"*.*.*"}, QDir::AllEntries | QDir::NoDotAndDotDot),
                 others);
    }
};

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
