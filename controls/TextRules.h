#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace kbs::textrules {

// The checks a LimitedTextbox can apply to its text, numbered as its Rule property.
inline constexpr int NoCheck = 0;
inline constexpr int Digits = 1;                 // "[0-9]"
inline constexpr int PositiveWhole = 2;          // "[0-9]", no leading "0"
inline constexpr int LeadingMinus = 3;           // "[-0-9]", text & "0" numeric
inline constexpr int TrailingMinus = 4;          // "[-0-9]", "0" & text numeric
inline constexpr int SignedWhole = 5;            // "[-+0-9]", "-", "+" or numeric
inline constexpr int Numeric = 6;                // "-", "+" or numeric
inline constexpr int Letters = 7;                // "[a-zäöüßA-ZÄÖÜ]"
inline constexpr int LettersAndPunctuation = 8;  // "[a-zäöüßA-ZÄÖÜ .,;:?!']"
inline constexpr int UserCheck = 9;              // the host decides
inline constexpr int FirstRule = 0;
inline constexpr int LastRule = 9;

// Whether text reads as a number in the given locale: blanks around it are ignored; at least
// one digit; at most one sign, before or after the number; the locale's group separators after
// the first digit of the whole part, one decimal separator and an exponent (E or e, an optional
// sign, digits). Nothing else: no currency, no parentheses, no hexadecimal.
bool isNumeric(QStringView text, const QLocale& locale = QLocale());

// Whether text passes one of the character rules 1 to 8 (rules 3 to 6 use the given locale's
// numeric test). Rule 0, rule 9 and numbers outside 0..9 pass everything here: rule 9 is the
// host's decision, made by the control. The empty text passes every rule.
bool passes(int rule, QStringView text, const QLocale& locale = QLocale());

}  // namespace kbs::textrules
