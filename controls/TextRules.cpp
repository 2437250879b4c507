#include "TextRules.h"

namespace kbs::textrules {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// "[a-zäöüßA-ZÄÖÜ]", compared by character code.
bool isRuleLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'\u00E4' ||
           u == u'\u00F6' || u == u'\u00FC' || u == u'\u00DF' || u == u'\u00C4' || u == u'\u00D6' ||
           u == u'\u00DC';
}

bool isRulePunctuation(QChar c) {
    switch (c.unicode()) {
        case u' ':
        case u'.':
        case u',':
        case u';':
        case u':':
        case u'?':
        case u'!':
        case u'\'':
            return true;
        default:
            return false;
    }
}

template <class Pred>
bool everyCharacter(QStringView text, Pred member) {
    for (QChar c : text) {
        if (!member(c))
            return false;
    }
    return true;
}

bool isSignOrNumeric(QStringView text, const QLocale& locale) {
    return text == u"-" || text == u"+" || isNumeric(text, locale);
}

}  // namespace

bool isNumeric(QStringView text, const QLocale& locale) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView s = text.sliced(begin, end - begin);

    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    qsizetype i = 0;
    bool signSeen = false;
    if (i < s.size() && isSign(s[i])) {
        signSeen = true;
        ++i;
    }

    // The number: digits with group separators in the whole part and one decimal separator.
    qsizetype digits = 0;
    bool decimalSeen = false;
    while (i < s.size()) {
        const QStringView rest = s.sliced(i);
        if (isDigit(s[i])) {
            ++digits;
            ++i;
        } else if (!decimalSeen && !decimal.isEmpty() && rest.startsWith(decimal)) {
            decimalSeen = true;
            i += decimal.size();
        } else if (!decimalSeen && digits > 0 && !group.isEmpty() && rest.startsWith(group)) {
            i += group.size();
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;

    if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < s.size() && isSign(s[j]))
            ++j;
        const qsizetype firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j == firstDigit)
            return false;
        i = j;
    }

    if (!signSeen && i < s.size() && isSign(s[i]))
        ++i;
    return i == s.size();
}

bool passes(int rule, QStringView text, const QLocale& locale) {
    if (text.isEmpty())
        return true;
    const auto digitsOnly = [](QChar c) { return isDigit(c); };
    const auto minusOrDigit = [](QChar c) { return isDigit(c) || c == QLatin1Char('-'); };
    switch (rule) {
        case Digits:
            return everyCharacter(text, digitsOnly);
        case PositiveWhole:
            return everyCharacter(text, digitsOnly) && text.front() != QLatin1Char('0');
        case LeadingMinus:
            return everyCharacter(text, minusOrDigit) &&
                   isNumeric(text.toString() + QLatin1Char('0'), locale);
        case TrailingMinus:
            return everyCharacter(text, minusOrDigit) &&
                   isNumeric(QLatin1Char('0') + text.toString(), locale);
        case SignedWhole:
            return everyCharacter(text, [](QChar c) { return isDigit(c) || isSign(c); }) &&
                   isSignOrNumeric(text, locale);
        case Numeric:
            return isSignOrNumeric(text, locale);
        case Letters:
            return everyCharacter(text, isRuleLetter);
        case LettersAndPunctuation:
            return everyCharacter(text,
                                  [](QChar c) { return isRuleLetter(c) || isRulePunctuation(c); });
        default:
            return true;
    }
}

}  // namespace kbs::textrules
