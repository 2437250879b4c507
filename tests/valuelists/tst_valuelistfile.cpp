// The value-list file format and its codec: the line rules, the encodings, writing.
#include <QDir>
#include <QTest>

#include "AppError.h"
#include "TestEnv.h"
#include "TextCodec.h"
#include "ValueListFile.h"

using namespace kbs;

class TestValueListFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lineRules_data();
    void lineRules();
    void keepsAtMostTheFirst32766Values();
    void aMissingFileOrAFolderCannotBeReadOrWritten();
    void encodingIsUtf8OnlyForValidUtf8_data();
    void encodingIsUtf8OnlyForValidUtf8();
    void everyWindows1252ByteRoundTrips();
    void writingKeepsTheEncodingWhileItCanHoldTheText();
};

void TestValueListFile::lineRules_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("CR LF after each")
        << QByteArray("Red\r\nBlue\r\n") << QStringList{"Red", "Blue"};
    QTest::newRow("no final terminator") << QByteArray("Red\r\nBlue") << QStringList{"Red", "Blue"};
    QTest::newRow("empty line") << QByteArray("Red\r\n\r\nBlue") << QStringList{"Red", "", "Blue"};
    QTest::newRow("lone CR") << QByteArray("Red\rBlue\r") << QStringList{"Red", "Blue"};
    QTest::newRow("lone LF stays") << QByteArray("Red\nBlue\r\n") << QStringList{"Red\nBlue"};
    QTest::newRow("LF before CR LF") << QByteArray("a\n\r\nb") << QStringList{"a\n", "b"};
    QTest::newRow("CR then CR LF") << QByteArray("\r\r\n") << QStringList{"", ""};
    QTest::newRow("spaces kept") << QByteArray(" Red \r\n\tBlue\r\n")
                                 << QStringList{" Red ", "\tBlue"};
    QTest::newRow("zero bytes") << QByteArray() << QStringList{};
    QTest::newRow("terminator alone") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("NUL inside") << QByteArray("a\0b\r\n", 5)
                                << QStringList{QStringLiteral("a") + QChar(0) + "b"};
}

void TestValueListFile::lineRules() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);
    test::TestEnv env(false);
    env.writeFile("list.ini", bytes);
    QCOMPARE(valuelist::read(env.path("list.ini")).values, values);
}

void TestValueListFile::keepsAtMostTheFirst32766Values() {
    test::TestEnv env(false);
    QByteArray bytes;
    for (int i = 1; i <= 40000; ++i)
        bytes += QByteArray::number(i) + "\r\n";
    env.writeFile("long.ini", bytes);
    const valuelist::Lines limited = valuelist::read(env.path("long.ini"), valuelist::MaxValues);
    QCOMPARE(limited.values.size(), 32766);
    QCOMPARE(limited.values.last(), QStringLiteral("32766"));
    QVERIFY(limited.truncated);
    QCOMPARE(valuelist::read(env.path("long.ini")).values.size(), 40000);
}

void TestValueListFile::aMissingFileOrAFolderCannotBeReadOrWritten() {
    test::TestEnv env(false);
    QVERIFY(QDir(env.dir()).mkdir("folder.ini"));
    for (const auto& [name, number] : {std::pair{"absent.ini", err::FileNotFound},
                                       std::pair{"folder.ini", err::PathFileAccess}}) {
        try {
            valuelist::read(env.path(name));
            QFAIL(name);
        } catch (const AppError& e) {
            QCOMPARE(e.number(), number);
        }
    }
    TextEncoding encoding = TextEncoding::Utf8;
    QVERIFY_THROWS_EXCEPTION(AppError, valuelist::write(env.path("folder.ini"), "x\r\n", encoding));
    QVERIFY_THROWS_EXCEPTION(AppError, valuelist::write(QString(), "x\r\n", encoding));
    QCOMPARE(QDir(env.dir()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestValueListFile::encodingIsUtf8OnlyForValidUtf8_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ASCII") << QByteArray("Red") << QStringLiteral("Red") << true;
    QTest::newRow("UTF-8 umlaut") << QByteArray("Gr\xC3\xBCn") << QStringLiteral("Grün") << true;
    QTest::newRow("UTF-8 four bytes")
        << QByteArray("\xF0\x9F\x9A\x97") << QString::fromUtf8("\xF0\x9F\x9A\x97") << true;
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xEF\xBB\xBFRed") << (QChar(0xFEFF) + QStringLiteral("Red")) << true;
    QTest::newRow("1252 umlaut") << QByteArray("Gr\xFCn") << QStringLiteral("Grün") << false;
    QTest::newRow("1252 euro and quotes")
        << QByteArray("\x80 \x93x\x94") << QStringLiteral("€ “x”") << false;
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QStringLiteral("À¯") << false;
    QTest::newRow("encoded surrogate")
        << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€") << false;
    QTest::newRow("cut short") << QByteArray("ab\xE2\x82") << QStringLiteral("abâ‚") << false;
    QTest::newRow("above U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("ô\u0090€€") << false;
}

void TestValueListFile::encodingIsUtf8OnlyForValidUtf8() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, utf8);
    test::TestEnv env(false);
    env.writeFile("list.ini", bytes);
    const valuelist::Lines lines = valuelist::read(env.path("list.ini"));
    QCOMPARE(lines.values, QStringList{text});
    QCOMPARE(lines.encoding, utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252);
}

void TestValueListFile::everyWindows1252ByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QCOMPARE(textcodec::detect(all), TextEncoding::Windows1252);
    const QString text = textcodec::decode(all, TextEncoding::Windows1252);
    TextEncoding encoding = TextEncoding::Windows1252;
    QCOMPARE(textcodec::encode(text, encoding), all);
    QCOMPARE(encoding, TextEncoding::Windows1252);
}

void TestValueListFile::writingKeepsTheEncodingWhileItCanHoldTheText() {
    test::TestEnv env(false);
    TextEncoding encoding = TextEncoding::Windows1252;
    valuelist::write(env.path("a.ini"), QStringLiteral("Grün\r\n"), encoding);
    QCOMPARE(env.readFile("a.ini"), QByteArray("Gr\xFCn\r\n"));
    QCOMPARE(encoding, TextEncoding::Windows1252);

    // A character the code page has no byte for makes the whole file UTF-8.
    valuelist::write(env.path("a.ini"), QStringLiteral("Grün ✓\r\n"), encoding);
    QCOMPARE(env.readFile("a.ini"), QByteArray("Gr\xC3\xBCn \xE2\x9C\x93\r\n"));
    QCOMPARE(encoding, TextEncoding::Utf8);
    QCOMPARE(valuelist::read(env.path("a.ini")).values, QStringList{"Grün ✓"});
}

QTEST_MAIN(TestValueListFile)
#include "tst_valuelistfile.moc"
