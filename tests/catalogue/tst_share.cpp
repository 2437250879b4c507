// Taking the collection along: the sheet of labels written to PDF and read back, the missing
// entries and the statuses a page lists, and the Share and Labels dialog's choices.
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "Checklists.h"
#include "ColumnHeadings.h"
#include "Connection.h"
#include "LabelSheet.h"
#include "OwnFields.h"
#include "ShareDialog.h"
#include "SharedPage.h"
#include "TestEnv.h"

using namespace kbs;
using kbs::test::TestEnv;
using namespace Qt::StringLiterals;

class TestShare : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labelsReadBackFromPdf();
    void pageListsTheChosenEntries();
    void ownFieldsAndTagsInThePage();
    void pagePictures();
    void dialogChoices();
};

void TestShare::labelsReadBackFromPdf() {
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed, so the labels cannot be read back");
    TestEnv env;
    exchange::ShareOptions chosen;
    chosen.list = exchange::ShareList::Shown;
    for (int i = 1; i <= 23; ++i)  // more than the 21 of one sheet
        chosen.ids.push_back(
            env.addRecord({{u"Description"_s, u"Model %1 <b>&"_s.arg(i)},
                           {u"Number"_s, QString::number(100 + i)},
                           {u"binpicdata"_s, i % 2 ? test::pictureBytes("PNG") : QByteArray()}}));
    LabelOptions options;
    options.fields = QStringList{u"description"_s, u"number"_s};
    const LabelSheet sheet(env.dbPath(), chosen, options, exchange::columnHeadings());
    QCOMPARE(sheet.labelCount(), 23);
    QCOMPARE(sheet.pageCount(), 2);
    const QString pdf = env.path(u"labels.pdf"_s);
    QVERIFY(sheet.exportPdf(pdf));
    const QByteArray written = env.readFile(u"labels.pdf"_s);
    QVERIFY(!sheet.exportPdf(pdf));  // never over an existing file
    if (qEnvironmentVariableIsSet("KBS_KEEP_LABELS"))
        QFile::copy(pdf, qEnvironmentVariable("KBS_KEEP_LABELS"));
    QCOMPARE(env.readFile(u"labels.pdf"_s), written);
    QProcess read;
    read.start(pdftotext, {u"-layout"_s, pdf, u"-"_s});
    QVERIFY(read.waitForFinished(30000));
    const QString text = QString::fromUtf8(read.readAllStandardOutput());
    for (int i = 1; i <= 23; ++i) {
        QVERIFY2(text.contains(u"Model %1 <b>&"_s.arg(i)), qPrintable(text));
        QVERIFY2(text.contains(QString::number(100 + i)), qPrintable(text));
    }
}

void TestShare::pageListsTheChosenEntries() {
    TestEnv env;
    env.addRecord({{u"Description"_s, u"Wanted one"_s}, {u"Status"_s, u" want "_s}});
    env.addRecord({{u"Description"_s, u"For sale"_s}, {u"Status"_s, u"Sell"_s}});
    env.addRecord({{u"Description"_s, u"Held"_s},
                   {u"Series"_s, u"S"_s},
                   {u"Number"_s, u"2"_s},
                   {u"Status"_s, u"Have"_s}});
    {
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        QVERIFY(checklists::ensureTables(cn.handle()));
        checklists::List list;
        list.name = u"Series S"_s;
        list.series = u"S"_s;
        checklists::add(cn.handle(), list,
                        {{u"1"_s, u"First"_s, {}, {}, {}},
                         {u"2"_s, u"Second"_s, {}, {}, {}},
                         {u"10"_s, u"Tenth"_s, {}, {}, {}}});
    }
    struct Case {
        exchange::ShareList list;
        QStringList names;
    };
    const Case cases[] = {
        {exchange::ShareList::Want, {u"Wanted one"_s}},
        {exchange::ShareList::Sell, {u"For sale"_s}},
        {exchange::ShareList::Missing, {u"First"_s, u"Tenth"_s}},
    };
    for (const Case& c : cases) {
        exchange::ShareOptions options;
        options.list = c.list;
        exchange::ShareSource source(env.dbPath(), {}, env.path(u"x.html"_s));
        exchange::ExportSummary summary;
        QStringList names;
        for (const auto& e : source.entries(options, {}, summary))
            names << e.record.text[1];
        QCOMPARE(names, c.names);
    }
}

// The collector's own fields and the tags are rows of the page's fields: in the page only when
// chosen, shown as text, and found by the page's search.
void TestShare::ownFieldsAndTagsInThePage() {
    TestEnv env;
    const std::int64_t chase = env.addRecord(
        {{u"Description"_s, u"Chase car"_s}, {u"Status"_s, u"Want"_s}, {u"Purchase"_s, u"999"_s}});
    env.addRecord({{u"Description"_s, u"Plain car"_s}, {u"Status"_s, u"Want"_s}});
    {
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        QVERIFY(ownfields::ensureTables(cn.handle()));
        const std::int64_t scale =
            ownfields::addField(cn.handle(), {0, u"Scale"_s, ownfields::Kind::Text, {}, 0});
        // Named like the private purchase price's key: "own:" tells it apart.
        const std::int64_t paid = ownfields::addField(
            cn.handle(), {0, u"Purchase_Price"_s, ownfields::Kind::Text, {}, 0});
        ownfields::setValues(cn.handle(), chase, {{scale, u"1:64 <b>"_s}, {paid, u"own pp"_s}});
        ownfields::setTags(cn.handle(), chase, {u"Treasure hunt"_s, u"red"_s});
    }
    struct Case {
        QStringList fields;
        QStringList in, out;
    };
    const Case cases[] = {
        {{}, {}, {u"1:64"_s, u"Treasure"_s}},
        {{u"own:purchase_price"_s}, {u"<dd>own pp</dd>"_s}, {u"999"_s}},
        {{u"description"_s, u"SCALE"_s, u"tags"_s},
         {u"<dt>Scale</dt><dd>1:64 &lt;b&gt;</dd>"_s,
          u"<dt>Tags</dt><dd>Treasure hunt, red</dd>"_s},
         {}},
    };
    QString page;
    for (const Case& c : cases) {
        exchange::ShareOptions options;
        options.fields = c.fields;
        page = env.path(u"page%1.html"_s.arg(c.fields.size()));
        exchange::exportHtml(env.dbPath(), page, exchange::columnHeadings(), options);
        const QString html = QString::fromUtf8(env.readFile(QFileInfo(page).fileName()));
        for (const QString& text : c.in)
            QVERIFY2(html.contains(text), qPrintable(text));
        for (const QString& text : c.out)
            QVERIFY2(!html.contains(text), qPrintable(text));
    }
    const QString chromium = QStandardPaths::findExecutable(u"chromium"_s);
    if (chromium.isEmpty())
        QSKIP("chromium is not installed, so the page's search cannot be tried");
    QProcess open;
    open.start(chromium, {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s,
                          u"--user-data-dir="_s + env.path(u"profile"_s), u"--dump-dom"_s,
                          QUrl::fromLocalFile(page).toString() + u"#q=treasure%20hun"_s});
    QVERIFY(open.waitForFinished(60000));
    const QString dom = QString::fromUtf8(open.readAllStandardOutput());
    QCOMPARE(dom.count(u"<li "_s), 2);
    QCOMPARE(dom.count(u"hidden=\"\""_s), 1);
    QVERIFY2(dom.contains(u"1 / 2"_s), qPrintable(dom));
}

// The collection page's pictures: in the box asked for, in their colours, upright as their EXIF
// orientation says; a damaged one still shown or left out, never the end of the page.
void TestShare::pagePictures() {
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(qRgb(220, 30, 30));
    for (int y = 0; y < photo.height(); ++y)  // the right half blue
        std::fill_n(reinterpret_cast<QRgb*>(photo.scanLine(y)) + 800, 800, qRgb(30, 30, 220));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPG", 90);
    const QByteArray jpeg = buffer.data();
    // An EXIF block saying "turn a quarter clockwise" (orientation 6), after the start marker.
    const QByteArray exif = QByteArray::fromHex(
        "ffe100224578696600004d4d002a00000008000101120003000000010006000000000000");
    QByteArray turned = jpeg;
    turned.insert(2, exif);
    QByteArray garbled = jpeg.left(2) + QByteArray(600, '\x5a');
    // A 1-bit PNG whose two colours are in its colour table: red left, blue right.
    QImage mono(1200, 900, QImage::Format_Mono);
    mono.setColorTable({qRgb(220, 30, 30), qRgb(30, 30, 220)});
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x)
            mono.setPixel(x, y, x >= 600 ? 1 : 0);
    QBuffer monoPng;
    monoPng.open(QIODevice::WriteOnly);
    mono.save(&monoPng, "PNG");
    struct Case {
        const char* what;
        QByteArray bytes;
        QSize size;        // empty: no picture
        QPoint red, blue;  // where each half is in the picture made
    };
    const Case cases[] = {
        {"JPEG", jpeg, {600, 450}, {100, 225}, {500, 225}},
        {"turned JPEG", turned, {450, 600}, {225, 100}, {225, 500}},
        {"cut short", jpeg.left(jpeg.size() * 2 / 3), {600, 450}, {100, 50}, {500, 50}},
        {"garbled", garbled, {0, 0}, {}, {}},
        {"PNG", test::pictureBytes("PNG", 800, 900, qRgb(220, 30, 30)), {533, 600}, {9, 9}, {}},
        {"1-bit PNG", monoPng.data(), {600, 450}, {100, 225}, {500, 225}},
    };
    for (const Case& c : cases) {
        const QByteArray made = exchange::ShareSource::made({c.bytes, false}, 600);
        const QImage image = QImage::fromData(made, "JPG");
        QCOMPARE(image.size(), c.size);
        if (image.isNull())
            continue;
        QVERIFY2(qRed(image.pixel(c.red)) > 180 && qBlue(image.pixel(c.red)) < 80, c.what);
        if (!c.blue.isNull())
            QVERIFY2(qBlue(image.pixel(c.blue)) > 180 && qRed(image.pixel(c.blue)) < 80, c.what);
    }
}

void TestShare::dialogChoices() {
    ShareDialog dialog({{7, u"Series S"_s, u"S"_s, checklists::Rule::SeriesAndNumber, 3}},
                       {{4, u"Scale"_s, ownfields::Kind::Text, {}, 0}});
    if (qEnvironmentVariableIsSet("KBS_KEEP_SHOT")) {
        dialog.show();
        dialog.grab().save(qEnvironmentVariable("KBS_KEEP_SHOT"));
    }
    for (QLabel* label : dialog.findChildren<QLabel*>())
        QVERIFY2(label->buddy() && !label->buddy()->accessibleName().isEmpty(),
                 qPrintable(label->text()));
    auto* list = dialog.findChild<QComboBox*>(u"listBox"_s);
    auto* checklists = dialog.findChild<QListWidget*>(u"checklistList"_s);
    QVERIFY(list && checklists);
    list->setCurrentIndex(list->findData(int(exchange::ShareList::Missing)));
    QVERIFY(checklists->isEnabled());
    QCOMPARE(dialog.options().checklists, std::vector<std::int64_t>{7});
    checklists->item(0)->setCheckState(Qt::Unchecked);
    // No list ticked lists nothing missing, rather than what every list misses.
    QCOMPARE(dialog.options().checklists, std::vector<std::int64_t>{-1});
    QVERIFY(!dialog.options().fields.contains(u"purchase_price"_s));
    QVERIFY(!dialog.options().fields.contains(u"location"_s));
    // The own fields and the tags are offered last, ticked only when chosen.
    auto* fields = dialog.findChild<QListWidget*>(u"fieldList"_s);
    QCOMPARE(fields->item(fields->count() - 2)->text(), u"Scale"_s);
    fields->item(fields->count() - 1)->setCheckState(Qt::Checked);
    QCOMPARE(dialog.options().fields.last(), u"tags"_s);
}

QTEST_MAIN(TestShare)
#include "tst_share.moc"
