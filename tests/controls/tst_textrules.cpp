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
    void numeric() {
        for (const char* t : {"123", "-5", "+5", "5-", "5+", "  \t42 ", "3.25", ".5", "3.",
                              "1,000,000.5", "1e5", "2.5E-3", "1e5-"})
            QVERIFY2(textrules::isNumeric(QString::fromUtf8(t), kC), t);
        // Signs on both sides or inside, groups in the wrong place, the prefixes and brackets
        // other numeric tests take, and a full-width digit are all refused.
        for (const char* t : {"", "   ", "-", "+", "+-5", "-5-", "1-2", "1.2.3", ",5", "1.5,0",
                              "1e", "e5", "1 2", "abc", "&H10", "$5", "(5)", "５"})
            QVERIFY2(!textrules::isNumeric(QString::fromUtf8(t), kC), t);
    }

    void numericFollowsTheLocale() {
        QVERIFY(textrules::isNumeric(u"3,25", kGerman));
        QVERIFY(textrules::isNumeric(u"1.000,5", kGerman));
        QVERIFY(!textrules::isNumeric(u"1,2,3", kGerman));
        QVERIFY(textrules::isNumeric(u"1,2,3", kC));  // groups in the C locale
        QVERIFY(!textrules::isNumeric(u"1.5.0", kC));
    }

    // Each rule with texts it lets through and texts it refuses.
    void rules() {
        const QList<std::tuple<int, QStringList, QStringList>> cases = {
            {0, {"any thing!"}, {}},
            {1, {"0123"}, {"12a", "-1"}},
            {2, {}, {"0", "07"}},
            {3, {"-12", "012"}, {"12-", "1-2", "+1"}},
            {4, {"12-"}, {"-12", "1.5"}},
            {5, {"+", "3-"}, {"+-", "3-3", "5+5", "3.5"}},
            {6, {"1e5", "3.25", " 7 "}, {}},
            {7, {"Müßig", "ÄÖÜabcXYZ"}, {"a b", "é", "ẞ"}},
            {8, {"O'Neil, Jr.", "Wie geht's? Gut; danke: ja!"}, {"a\tb"}},
            {9, {"anything"}, {}},
        };
        for (const auto& [rule, pass, fail] : cases) {
            for (const QString& t : pass + fail) {
                QVERIFY2(textrules::passes(rule, t, kC) == pass.contains(t),
                         qPrintable(QStringLiteral("rule %1: %2").arg(rule).arg(t)));
            }
        }
        for (int rule = -1; rule <= 10; ++rule)
            QVERIFY2(textrules::passes(rule, u"", kC), "empty text passes every rule");
    }

    // Texts no keyboard types but a paste or a program can: none of them may crash a rule or
    // be taken for a number.
    void hostileTexts() {
        const QString longDigits(1'000'000, QLatin1Char('7'));
        const QString longSigns(500'000, QLatin1Char('-'));
        for (const QString& t :
             {QString(5, QChar(u'\0')), QStringLiteral("12") + QChar(u'\0') + u'3',
              QStringLiteral("\u202E123\u202C"), QStringLiteral("\u0661\u0662"),
              QStringLiteral("1\U0001F697"), QChar(0xD83D) + QStringLiteral("5"), longSigns}) {
            QVERIFY(!textrules::isNumeric(t, kC));
            for (int rule : {1, 6, 7})
                QVERIFY(!textrules::passes(rule, t, kC));
        }
        QVERIFY(textrules::isNumeric(longDigits, kC));
        QVERIFY(textrules::passes(2, longDigits, kC));
        QVERIFY(textrules::passes(3, longDigits, kC));
        QVERIFY(textrules::isNumeric(QStringLiteral("1,").repeated(100'000), kC));
        QVERIFY(textrules::isNumeric(QString(200'000, u' ') + u'5' + QString(200'000, u' '), kC));
        QVERIFY(!textrules::passes(5, longSigns, kC));
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
