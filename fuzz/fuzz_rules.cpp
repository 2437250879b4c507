// The rule-limited text box's checks: the numeric test and every rule on any text, in the
// C locale and in one with other separators.
#include <QLocale>
#include <QString>
#include <cstdint>

#include "TextRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QLocale c(QLocale::C);
    static const QLocale german(QLocale::German, QLocale::Germany);
    for (const QLocale* locale : {&c, &german}) {
        kbs::textrules::isNumeric(text, *locale);
        for (int rule = 0; rule <= 9; ++rule)
            kbs::textrules::passes(rule, text, *locale);
    }
    return 0;
}
