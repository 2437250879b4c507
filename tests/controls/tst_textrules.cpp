// The rules of the rule-limited text box as plain text logic: the numeric test and the ten
// rules, including inputs no keyboard produces.
#include <QtTest>

#include "TextRules.h"

using namespace kbs;

namespace {
const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);
}  // namespace

class TestTextRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numeric_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << "123" << true;
        QTest::newRow("leading sign") << "-5" << true;
        QTest::newRow("plus") << "+5" << true;
        QTest::newRow("trailing minus") << "5-" << true;
        QTest::newRow("trailing plus") << "5+" << true;
        QTest::newRow("blanks around") << "  \t42 " << true;
        QTest::newRow("decimal") << "3.25" << true;
        QTest::newRow("decimal first") << ".5" << true;
        QTest::newRow("decimal last") << "3." << true;
        QTest::newRow("groups") << "1,000,000.5" << true;
        QTest::newRow("exponent") << "1e5" << true;
        QTest::newRow("exponent sign") << "2.5E-3" << true;
        QTest::newRow("exponent then trailing sign") << "1e5-" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("minus alone") << "-" << false;
        QTest::newRow("plus alone") << "+" << false;
        QTest::newRow("two signs") << "+-5" << false;
        QTest::newRow("sign both ends") << "-5-" << false;
        QTest::newRow("sign between digits") << "1-2" << false;
        QTest::newRow("two decimals") << "1.2.3" << false;
        QTest::newRow("group first") << ",5" << false;
        QTest::newRow("group after decimal") << "1.5,0" << false;
        QTest::newRow("exponent without digits") << "1e" << false;
        QTest::newRow("exponent alone") << "e5" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("hex") << "&H10" << false;
        QTest::newRow("currency") << "$5" << false;
        QTest::newRow("parentheses") << "(5)" << false;
        QTest::newRow("full-width digit") << QString(QChar(0xFF15)) << false;
    }
    void numeric() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(textrules::isNumeric(text, kC), numeric);
    }

    void numericFollowsTheLocale() {
        QVERIFY(textrules::isNumeric(u"3,25", kGerman));
        QVERIFY(textrules::isNumeric(u"1.000,5", kGerman));
        QVERIFY(!textrules::isNumeric(u"1,2,3", kGerman));
        QVERIFY(textrules::isNumeric(u"1,2,3", kC));  // groups in the C locale
        QVERIFY(!textrules::isNumeric(u"1.5.0", kC));
    }

    void rules_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("passes");
        QTest::newRow("0 anything") << 0 << "any thing!" << true;
        QTest::newRow("1 digits") << 1 << "0123" << true;
        QTest::newRow("1 letter") << 1 << "12a" << false;
        QTest::newRow("1 minus") << 1 << "-1" << false;
        QTest::newRow("2 zero") << 2 << "0" << false;
        QTest::newRow("2 leading zero") << 2 << "07" << false;
        QTest::newRow("3 negative") << 3 << "-12" << true;
        QTest::newRow("3 leading zero") << 3 << "012" << true;
        QTest::newRow("3 trailing minus") << 3 << "12-" << false;
        QTest::newRow("3 inner minus") << 3 << "1-2" << false;
        QTest::newRow("3 plus") << 3 << "+1" << false;
        QTest::newRow("4 trailing minus") << 4 << "12-" << true;
        QTest::newRow("4 leading minus") << 4 << "-12" << false;
        QTest::newRow("4 decimal point") << 4 << "1.5" << false;
        QTest::newRow("5 plus") << 5 << "+" << true;
        QTest::newRow("5 3-") << 5 << "3-" << true;
        QTest::newRow("5 +-") << 5 << "+-" << false;
        QTest::newRow("5 3-3") << 5 << "3-3" << false;
        QTest::newRow("5 5+5") << 5 << "5+5" << false;
        QTest::newRow("5 decimal") << 5 << "3.5" << false;
        QTest::newRow("6 exponent") << 6 << "1e5" << true;
        QTest::newRow("6 decimal") << 6 << "3.25" << true;
        QTest::newRow("6 blanks") << 6 << " 7 " << true;
        QTest::newRow("7 umlauts") << 7 << QStringLiteral("Müßig") << true;
        QTest::newRow("7 capitals") << 7 << QStringLiteral("ÄÖÜabcXYZ") << true;
        QTest::newRow("7 space") << 7 << "a b" << false;
        QTest::newRow("7 e acute") << 7 << QStringLiteral("é") << false;
        QTest::newRow("7 capital sharp s") << 7 << QStringLiteral("ẞ") << false;
        QTest::newRow("8 name") << 8 << "O'Neil, Jr." << true;
        QTest::newRow("8 punctuation")
            << 8 << QStringLiteral("Wie geht's? Gut; danke: ja!") << true;
        QTest::newRow("8 tab") << 8 << "a\tb" << false;
        QTest::newRow("9 left to the host") << 9 << "anything" << true;
    }
    void rules() {
        QFETCH(int, rule);
        QFETCH(QString, text);
        QFETCH(bool, passes);
        QCOMPARE(textrules::passes(rule, text, kC), passes);
    }

    void emptyTextPassesEveryRule() {
        for (int rule = -1; rule <= 10; ++rule)
            QVERIFY2(textrules::passes(rule, u"", kC), qPrintable(QString::number(rule)));
    }

    // Texts no keyboard types but a paste or a program can: none of them may crash a rule or
    // be taken for a number.
    void hostileTexts() {
        QString nuls(5, QChar(u'\0'));
        QString digitsWithNul = QStringLiteral("12");
        digitsWithNul += QChar(u'\0');
        digitsWithNul += QStringLiteral("3");
        const QString rtl = QStringLiteral("\u202E123\u202C");
        const QString arabicDigits = QStringLiteral("\u0661\u0662");
        const QString emoji = QStringLiteral("1\U0001F697");
        const QString loneSurrogate = QString(QChar(0xD83D)) + QStringLiteral("5");
        const QString longDigits(1'000'000, QLatin1Char('7'));
        const QString longSigns(500'000, QLatin1Char('-'));
        QString longGroups;
        for (int i = 0; i < 100'000; ++i)
            longGroups += QStringLiteral("1,");
        const QString longBlanks = QString(200'000, QLatin1Char(' ')) + QStringLiteral("5") +
                                   QString(200'000, QLatin1Char(' '));

        for (const QString& t :
             {nuls, digitsWithNul, rtl, arabicDigits, emoji, loneSurrogate, longSigns}) {
            QVERIFY(!textrules::isNumeric(t, kC));
            QVERIFY(!textrules::passes(1, t, kC));
            QVERIFY(!textrules::passes(6, t, kC));
            QVERIFY(!textrules::passes(7, t, kC));
        }
        QVERIFY(textrules::isNumeric(longDigits, kC));
        QVERIFY(textrules::passes(2, longDigits, kC));
        QVERIFY(textrules::passes(3, longDigits, kC));
        QVERIFY(textrules::isNumeric(longGroups, kC));  // groups may follow any digit
        QVERIFY(textrules::isNumeric(longBlanks, kC));
        QVERIFY(!textrules::passes(5, longSigns, kC));
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
