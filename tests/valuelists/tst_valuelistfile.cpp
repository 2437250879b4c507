// The value-list file format and its codec: the line rules, the encodings, writing.
#include <QDir>
#include <QTest>

#include "AppError.h"
#include "TestEnv.h"
#include "TextCodec.h"
#include "ValueListFile.h"

using namespace kbs;
using namespace Qt::StringLiterals;

class TestValueListFile : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void readsTheLinesAndTheirEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("utf8");
        const auto row = [](const char* name, const QByteArray& bytes, const QStringList& values,
                            bool utf8 = true) { QTest::newRow(name) << bytes << values << utf8; };
        row("CR LF after each", "Red\r\nBlue\r\n", {"Red", "Blue"});
        row("no final terminator", "Red\r\nBlue", {"Red", "Blue"});
        row("empty line", "Red\r\n\r\nBlue", {"Red", "", "Blue"});
        row("lone CR", "Red\rBlue\r", {"Red", "Blue"});
        row("lone LF stays", "Red\nBlue\r\n", {"Red\nBlue"});
        row("LF before CR LF", "a\n\r\nb", {"a\n", "b"});
        row("CR then CR LF", "\r\r\n", {"", ""});
        row("spaces kept", " Red \r\n\tBlue\r\n", {" Red ", "\tBlue"});
        row("zero bytes", "", {});
        row("terminator alone", "\r\n", {""});
        row("NUL inside", QByteArray("a\0b\r\n", 5), {u"a"_s + QChar(0) + "b"});
        // UTF-8 only when every byte sequence in the file is valid UTF-8.
        row("UTF-8 umlaut", "Gr\xC3\xBCn", {"Grün"});
        row("UTF-8 four bytes", "\xF0\x9F\x9A\x97", {QString::fromUtf8("\xF0\x9F\x9A\x97")});
        row("byte-order mark kept", "\xEF\xBB\xBFRed", {QChar(0xFEFF) + u"Red"_s});
        row("1252 umlaut", "Gr\xFCn", {"Grün"}, false);
        row("1252 euro and quotes", "\x80 \x93x\x94", {"€ “x”"}, false);
        row("overlong", "\xC0\xAF", {"À¯"}, false);
        row("encoded surrogate", "\xED\xA0\x80", {"í\u00A0€"}, false);
        row("cut short", "ab\xE2\x82", {"abâ‚"}, false);
        row("above U+10FFFF", "\xF4\x90\x80\x80", {"ô\u0090€€"}, false);
    }

    void readsTheLinesAndTheirEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, values);
        QFETCH(bool, utf8);
        test::TestEnv env(false);
        env.writeFile("list.ini", bytes);
        const valuelist::Lines lines = valuelist::read(env.path("list.ini"));
        QCOMPARE(lines.values, values);
        QCOMPARE(lines.encoding, utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252);
    }

    void aMissingFileOrAFolderCannotBeReadOrWritten() {
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
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 valuelist::write(env.path("folder.ini"), "x\r\n", encoding));
        QVERIFY_THROWS_EXCEPTION(AppError, valuelist::write(QString(), "x\r\n", encoding));
        QCOMPARE(QDir(env.dir()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void everyWindows1252ByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QCOMPARE(textcodec::detect(all), TextEncoding::Windows1252);
        const QString text = textcodec::decode(all, TextEncoding::Windows1252);
        TextEncoding encoding = TextEncoding::Windows1252;
        QCOMPARE(textcodec::encode(text, encoding), all);
        QCOMPARE(encoding, TextEncoding::Windows1252);
    }

    void writingKeepsTheEncodingWhileItCanHoldTheText() {
        test::TestEnv env(false);
        TextEncoding encoding = TextEncoding::Windows1252;
        valuelist::write(env.path("a.ini"), u"Grün\r\n"_s, encoding);
        QCOMPARE(env.readFile("a.ini"), QByteArray("Gr\xFCn\r\n"));
        QCOMPARE(encoding, TextEncoding::Windows1252);

        // A character the code page has no byte for makes the whole file UTF-8.
        valuelist::write(env.path("a.ini"), u"Grün ✓\r\n"_s, encoding);
        QCOMPARE(env.readFile("a.ini"), QByteArray("Gr\xC3\xBCn \xE2\x9C\x93\r\n"));
        QCOMPARE(encoding, TextEncoding::Utf8);
        QCOMPARE(valuelist::read(env.path("a.ini")).values, QStringList{"Grün ✓"});
    }
};

QTEST_MAIN(TestValueListFile)
#include "tst_valuelistfile.moc"
