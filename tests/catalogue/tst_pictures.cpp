// Several pictures per record: the strip's changes are saved with the record or dropped with
// Cancel, a delete takes the pictures along, thumbnails are made in the background (and again
// after a change) without holding the window up, the gallery follows the grid's order, and the
// viewer answers its keys.
#include <QtTest>

#include <QListWidget>
#include <QThread>

#include "CatalogueSession.h"
#include "Controls.h"
#include "FilterBar.h"
#include "Gallery.h"
#include "PictureStrip.h"
#include "PictureViewer.h"
#include "ThumbnailMaker.h"
#include "Window.h"

using namespace kbs;
using namespace kbs::test;

namespace {
QRgb colorOf(const QByteArray& bytes) {
    QImage img;
    img.loadFromData(bytes);
    return img.isNull() ? 0 : img.pixel(img.width() / 2, img.height() / 2) & 0xF0F0F0;
}

// Waits for the window's thumbnail maker to finish what it was given.
bool thumbsDone(test::Window& win, int expected) {
    return QTest::qWaitFor(
        [&] { return win.env.value(u"SELECT count(*) FROM picture_thumbs"_s).toInt() == expected; },
        20000);
}
}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void editSaveAndCancel();
    void deleteTakesPicturesAlong();
    void thumbnailsMadeAndRemade();
    void linksLookedAtOncePerDay();
    void thumbnailsNeverHoldTheWindow();
    void thumbnailProgressEnds();
    void backupTakesItsTurn_data();
    void backupTakesItsTurn();
    void galleryFollowsTheGrid();
    void galleryPagesAtTheDesignedSize();
    void viewerKeys();
};

// Adding files of several formats, moving, making one main, a caption and removing one are
// stored by Save exactly as the strip shows them; Cancel drops them.
void TestPictures::editSaveAndCancel() {
    TestEnv env;
    env.addRecord(
        {{"Description", "Beetle"}, {"binpicdata", pictureBytes("PNG", 40, 30, 0xFF0000FF)}});
    env.writeFile(u"red.ppm"_s, pictureBytes("PPM", 30, 30, 0xFFFF0000));
    env.writeFile(u"green.bmp"_s, pictureBytes("BMP", 30, 30, 0xFF00FF00));
    env.writeFile(u"grey.jpg"_s, pictureBytes("JPG", 30, 30, 0xFF808080));
    env.writeFile(u"notes.jpg"_s, "not a picture");
    Window win(env);
    win.press("Edit");
    env.prompts().answerMsg(mb::OK);  // notes.jpg is refused, with a message
    win->pictureStrip()->addFiles({env.path(u"red.ppm"_s), env.path(u"green.bmp"_s),
                                   env.path(u"grey.jpg"_s), env.path(u"notes.jpg"_s)});
    QCOMPARE(int(win->pictureStrip()->pictures().size()), 4);  // blue (main), red, green, grey
    QCOMPARE(win->pictureStrip()->list()->count(), 4);
    win->pictureStrip()->showPicture(3);
    QTest::keyClick(win->pictureStrip()->list(), Qt::Key_Left,
                    Qt::ControlModifier);  // blue, red, grey, green
    win->pictureStrip()->showPicture(1);
    win->pictureStrip()->makeMain();  // red, blue, grey, green
    win->pictureStrip()->showPicture(2);
    env.prompts().answerInput(u"Base plate"_s);
    win->pictureStrip()->editCaption();
    win->pictureStrip()->showPicture(3);
    QTest::keyClick(win->pictureStrip()->list(), Qt::Key_Delete);  // red, blue, grey
    win.save();
    QCOMPARE(colorOf(env.value(u"SELECT binpicdata FROM table1"_s).toByteArray()), 0xF00000u);
    const auto rows =
        env.rows(u"SELECT position, bytes, caption FROM record_pictures ORDER BY position"_s);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0][0].toInt(), 2);
    QCOMPARE(colorOf(rows[0][1].toByteArray()), 0x0000F0u);
    QCOMPARE(rows[1][0].toInt(), 3);
    QCOMPARE(colorOf(rows[1][1].toByteArray()), 0x808080u);
    QCOMPARE(rows[1][2].toString(), u"Base plate"_s);
    QCOMPARE(int(win->pictureStrip()->pictures().size()), 3);  // shown again as stored

    win.press("Edit");
    win->pictureStrip()->showPicture(0);
    win->pictureStrip()->remove();
    win->pictureStrip()->addFiles({env.path(u"green.bmp"_s)});
    ui(win).cmdCancel->click();
    QCOMPARE(int(win->pictureStrip()->pictures().size()), 3);
    QCOMPARE(env.value(u"SELECT count(*) FROM record_pictures"_s).toInt(), 2);
    QCOMPARE(colorOf(env.value(u"SELECT binpicdata FROM table1"_s).toByteArray()), 0xF00000u);
    // In browse mode the strip only shows: nothing changes, a beep says so.
    win->pictureStrip()->remove();
    QCOMPARE(env.prompts().beeps, 1);
    QCOMPARE(int(win->pictureStrip()->pictures().size()), 3);
}

// The record's further pictures and thumbnails go with it, in the same transaction.
void TestPictures::deleteTakesPicturesAlong() {
    TestEnv env;
    threeCars(env);
    Window win(env);
    for (int id : {1, 2}) {
        env.exec(u"INSERT INTO record_pictures (record_id, position, bytes) VALUES (?, 2, ?)"_s,
                 {id, pictureBytes("PNG")});
        env.exec(u"INSERT INTO picture_thumbs VALUES (?, 2, 'x', x'00')"_s, {id});
    }
    win.show(2);
    env.prompts().answerMsg(mb::OK);
    win.press("Delete");
    QCOMPARE(env.value(u"SELECT group_concat(record_id) FROM record_pictures"_s).toString(),
             u"1"_s);
    QCOMPARE(env.value(u"SELECT group_concat(record_id) FROM picture_thumbs"_s).toString(), u"1"_s);
}

// Every picture gets a thumbnail; a linked file that changed (once looked at again) and a
// picture saved anew get a new one; one of a picture that is gone goes.
void TestPictures::thumbnailsMadeAndRemade() {
    TestEnv env;
    env.writeFile(u"linked.png"_s, pictureBytes("PNG", 600, 300, 0xFF00FF00));
    env.addRecord({{"Description", "A"}, {"binpicdata", pictureBytes("JPG", 800, 400)}});
    env.addRecord({{"Description", "B"}, {"picpath", env.path(u"linked.png"_s)}});
    env.addRecord({{"Description", "C"}});
    Window win(env);
    env.exec(u"INSERT INTO record_pictures (record_id, position, bytes) VALUES (3, 2, ?)"_s,
             {pictureBytes("BMP", 50, 50)});
    env.exec(u"INSERT INTO picture_thumbs VALUES (3, 7, 'gone', x'00')"_s);
    win->startThumbnails();
    QVERIFY(thumbsDone(win, 3));
    QImage thumb;
    thumb.loadFromData(
        env.value(u"SELECT jpeg FROM picture_thumbs WHERE record_id = 1"_s).toByteArray());
    QCOMPARE(thumb.size(), QSize(ThumbnailMaker::Side, ThumbnailMaker::Side / 2));

    QTest::qWait(1100);  // a modification time that differs
    env.writeFile(u"linked.png"_s, pictureBytes("PNG", 60, 30, 0xFFFF0000));
    win->thumbnails()->request(2);
    QVERIFY(QTest::qWaitFor(
        [&] {
            QImage t;
            t.loadFromData(
                env.value(u"SELECT jpeg FROM picture_thumbs WHERE record_id = 2"_s).toByteArray());
            return t.width() == 60 &&
                   colorOf(env.value(u"SELECT jpeg FROM picture_thumbs WHERE record_id = 2"_s)
                               .toByteArray()) == 0xF00000u;
        },
        10000));

    // A start takes the link as it was; the idle pass of a start a day later looks again.
    QTest::qWait(1100);
    env.writeFile(u"linked.png"_s, pictureBytes("PNG", 30, 15));
    auto width2 = [&] {
        QImage t;
        t.loadFromData(
            env.value(u"SELECT jpeg FROM picture_thumbs WHERE record_id = 2"_s).toByteArray());
        return t.width();
    };
    for (auto delay : {std::chrono::hours(1), std::chrono::hours(0)}) {
        ThumbnailMaker again(env.dbPath());
        again.setIdlePassDelay(delay);
        if (delay.count() == 0)
            again.setClock([] { return QDateTime::currentSecsSinceEpoch() + 25 * 3600; });
        again.start();
        QTRY_VERIFY(!again.isRunning());
        if (delay.count() > 0)
            QCOMPARE(again.linksLookedAt(), 0);
        else
            QTRY_COMPARE(width2(), 30);
    }

    win.show(1);
    win.press("Edit");
    win->pictureStrip()->addFiles({env.path(u"linked.png"_s)});
    win.save();
    QVERIFY(QTest::qWaitFor(
        [&] {
            return env.value(
                          u"SELECT group_concat(position) FROM picture_thumbs WHERE "
                          "record_id = 1"_s)
                       .toString() == u"1,2"_s;
        },
        10000));
}

// Successive starts: a start looks at the links after a change of the catalogue or when its
// last whole pass is a day old, and at none otherwise.
void TestPictures::linksLookedAtOncePerDay() {
    TestEnv env;
    for (int id = 1; id <= 3; ++id) {
        const QString file = u"linked%1.png"_s.arg(id);
        env.writeFile(file, pictureBytes("PNG", 20 * id, 20));
        env.addRecord({{"Description", "A"}, {"picpath", env.path(file)}});
    }
    CatalogueSession session;  // the catalogue's own tables and record of changes
    session.open(env.dbPath(), u"SELECT * FROM table1"_s);
    session.close();
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    const struct {
        const char* what;
        int hoursLater;
        const char* change;
        bool looks;
    } starts[] = {
        {"first start", 0, nullptr, true},
        {"unchanged", 0, nullptr, false},
        {"an hour later", 1, nullptr, false},
        {"a record changed", 1, "UPDATE table1 SET Description = 'B' WHERE ID = 2", true},
        {"unchanged again", 2, nullptr, false},
        {"a day after the pass", 26, nullptr, true},
        {"the clock put back", 2, nullptr, true},
    };
    for (const auto& s : starts) {
        if (s.change)
            env.exec(QString::fromLatin1(s.change));
        ThumbnailMaker maker(env.dbPath());
        maker.setIdlePassDelay(std::chrono::milliseconds(0));
        maker.setClock([&] { return now + s.hoursLater * 3600; });
        maker.start();
        QTRY_VERIFY2(!maker.isRunning(), s.what);
        if (s.looks)
            QTRY_VERIFY2(maker.linksLookedAt() == 3, s.what);
        else
            QVERIFY2(maker.linksLookedAt() == 0, s.what);
    }
}

// The progress in the status bar goes when the work ends, also when the thumbnails cannot be
// stored.
void TestPictures::thumbnailProgressEnds() {
    TestEnv env;
    env.addRecord({{"Description", "A"}, {"binpicdata", pictureBytes("PNG")}});
    Window win(env);
    env.exec(
        u"CREATE TRIGGER refused BEFORE INSERT ON picture_thumbs BEGIN "
        u"SELECT RAISE(ABORT, 'refused'); END"_s);
    win->startThumbnails();
    const auto* status = win->findChild<QLabel*>(u"Panel2"_s);
    QTRY_VERIFY(status->text().startsWith(u"Making thumbnails"_s));
    QTRY_VERIFY(!win->thumbnails()->isRunning());
    QTRY_VERIFY(!status->isVisible());
}

// A slow decoder stand-in: while it works, the window's timers run and a save is stored.
void TestPictures::thumbnailsNeverHoldTheWindow() {
    TestEnv env;
    for (int i = 0; i < 4; ++i)
        env.addRecord({{"Description", "Car"}, {"binpicdata", pictureBytes("PNG")}});
    Window win(env);
    ThumbnailMaker slow(env.dbPath(), [](const QByteArray& bytes, const QString&, QSize) {
        QThread::msleep(300);
        QImage img;
        img.loadFromData(bytes);
        return img;
    });
    int progress = 0;
    connect(&slow, &ThumbnailMaker::progress, this, [&](int done, int) { progress = done; });
    slow.start();
    QElapsedTimer t;
    t.start();
    win.press("Edit");
    win.setField(1, u"Saved meanwhile"_s);
    win.save();
    QVERIFY2(t.elapsed() < 250, "the save waited for the thumbnails");
    QCOMPARE(win.stored("Description", 1), u"Saved meanwhile"_s);
    QVERIFY(QTest::qWaitFor([&] { return progress == 4; }, 10000));
    slow.stop();
    QCOMPARE(env.value(u"SELECT count(*) FROM picture_thumbs"_s).toInt(), 4);
}

// On a start the thumbnails of the records on the screen come first, then the backup, then the
// other thumbnails; with one decoding thread and with two.
void TestPictures::backupTakesItsTurn_data() {
    QTest::addColumn<int>("threads");
    QTest::newRow("one thread") << 1;
    QTest::newRow("two threads") << 2;
}

void TestPictures::backupTakesItsTurn() {
    QFETCH(int, threads);
    ThumbnailMaker::overrideDecodeThreads(threads);
    const auto rule = qScopeGuard([] { ThumbnailMaker::overrideDecodeThreads(0); });
    TestEnv env;
    for (int i = 0; i < 60; ++i)
        env.addRecord({{"Description", QString::number(1000 + i)},
                       {"binpicdata", pictureBytes("PNG", 64, 48)}});
    Window win(env);
    const auto made = [&] { return env.value(u"SELECT count(*) FROM picture_thumbs"_s).toInt(); };
    int atTurn = -1;
    win->setBackupTurn([&] { atTurn = made(); });
    win->startThumbnails();
    QTRY_VERIFY(atTurn >= 0);
    QCOMPARE(env.value(u"SELECT min(record_id) FROM picture_thumbs"_s).toInt(), 1);
    QVERIFY2(atTurn > 3 && atTurn < 60, qPrintable(QString::number(atTurn)));
    QTest::qWait(200);  // the others wait for the backup
    QCOMPARE(made(), atTurn);
    win->backupFinished();
    QVERIFY(thumbsDone(win, 60));
}

// The gallery shows the grid's rows in the grid's order and under its filter; Enter shows the
// record in the panel.
void TestPictures::galleryFollowsTheGrid() {
    TestEnv env;
    threeCars(env);
    Window win(env);
    env.exec(u"INSERT INTO picture_thumbs VALUES (3, 1, 's', ?)"_s, {pictureBytes("JPG", 64, 48)});
    win.clickHeading(1);  // Description ascending: alfa, Beetle, Cortina
    QTest::keyClick(win.w.get(), Qt::Key_G, Qt::ControlModifier);
    QVERIFY(win->galleryShown());
    QVERIFY(ui(win).cmdGallery->isChecked());
    QCOMPARE(ui(win).gallery->model()->index(0, 1).data().toString(), u"alfa"_s);
    QVERIFY(ui(win).gallery->tileImage(0).isNull());   // alfa: a plain tile
    QVERIFY(!ui(win).gallery->tileImage(2).isNull());  // Cortina's thumbnail
    ui(win).gallery->setCurrentIndex(ui(win).gallery->model()->index(2, 1));
    QTest::keyClick(ui(win).gallery, Qt::Key_Return);
    QCOMPARE(win.field(1), u"Cortina"_s);
    // Under a filter the tiles are the records the filter shows.
    ui(win).FilterBar1->edit()->setText(u"beetle"_s);
    QTRY_VERIFY(!win.grid().model().isFiltering());
    QCOMPARE(ui(win).gallery->model()->rowCount(), 1);
    QCOMPARE(ui(win).gallery->model()->index(0, 1).data().toString(), u"Beetle"_s);
    ui(win).cmdGallery->click();
    QVERIFY(!win->galleryShown() && ui(win).FG1->isVisible());
}

// At the window's designed size the gallery shows less than two rows of tiles; Page Down and
// Page Up still move a screen's worth of tiles each time.
void TestPictures::galleryPagesAtTheDesignedSize() {
    TestEnv env;
    for (int i = 0; i < 60; ++i)
        env.addRecord({{"Description", QString::number(1000 + i)}});
    Window win(env);
    win->setGalleryShown(true);
    QListView& gallery = *ui(win).gallery;
    gallery.setCurrentIndex(gallery.model()->index(0, 1));
    QList<int> rows;
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}) {
        QTest::keyClick(&gallery, key);
        rows << gallery.currentIndex().row();
    }
    QVERIFY2(rows[0] > 0 && rows[1] == 2 * rows[0] && rows[2] == rows[0],
             qPrintable(u"rows after the keys: %1 %2 %3"_s.arg(rows[0]).arg(rows[1]).arg(rows[2])));
}

void TestPictures::viewerKeys() {
    TestEnv env;
    env.addRecord({{"Description", "Beetle"}, {"binpicdata", pictureBytes("PNG", 400, 300)}});
    env.exec(
        u"CREATE TABLE IF NOT EXISTS record_pictures (pic_id INTEGER PRIMARY KEY, record_id, position, bytes, path, caption)"_s);
    env.exec(
        u"INSERT INTO record_pictures (record_id, position, bytes, caption) VALUES (1, 2, ?, 'Box')"_s,
        {pictureBytes("PNG", 20, 10)});
    Window win(env);
    QTest::keyClick(win->pictureStrip()->list(), Qt::Key_Return);
    PictureViewer* v = ui(win).viewer();
    QVERIFY(v && v->isVisible());
    QCOMPARE(v->picture().size(), QSize(400, 300));
    QTest::keyClick(v, Qt::Key_Right);
    QCOMPARE(v->index(), 1);
    QVERIFY(v->windowTitle().contains(u"Box"_s));
    QTest::keyClick(v, Qt::Key_1);
    QCOMPARE(v->zoom(), 1.0);
    QTest::keyClick(v, Qt::Key_Plus);
    QCOMPARE(v->zoom(), 1.25);
    QTest::keyClick(v, Qt::Key_Escape);
    QVERIFY(!v->isVisible());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
