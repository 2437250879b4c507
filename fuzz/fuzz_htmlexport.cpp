// The web page's entries: whatever the texts of a record, its entry is UTF-8 made of the page's
// own tags only, every text reads back exactly (NUL as U+FFFD) from what is written, and no
// text ends an attribute, a tag or the page's script.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "SharedPage.h"
#include "TextCodec.h"

namespace {

constexpr const char* kTags[] = {"<li ",  "</li>", "<div>", "</div>", "<h2>",  "</h2>", "<dl>",
                                 "</dl>", "<dt>",  "</dt>", "<dd>",   "</dd>", "<img "};

QString unescaped(const QString& html) {
    QString out = html;
    out.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kbs::exchange;
    // The texts of the record, separated by 0x01: description, number, series, notes, and the
    // checklist it is missing from.
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QChar(1));
    SharedRecord entry;
    const int columns[] = {1, 3, 4, 23};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        entry.record.text[size_t(columns[i])] = parts[i];
    if (parts.size() > 4)
        entry.checklist = parts[4];
    static const std::vector<ShareField> fields = shareFields(Headings{});
    const QByteArray html = entryHtml(entry, fields, QByteArray("\xff\xd8", 2));
    if (!kbs::textcodec::isValidUtf8(html))
        std::abort();
    for (qsizetype at = html.indexOf('<'); at >= 0; at = html.indexOf('<', at + 1)) {
        bool known = false;
        for (const char* tag : kTags)
            known = known || html.mid(at).startsWith(tag);
        if (!known)
            std::abort();
    }
    // Inside a tag every attribute is name="value", the value without a quote.
    for (qsizetype at = html.indexOf('<'); at >= 0; at = html.indexOf('<', at + 1)) {
        const qsizetype end = html.indexOf('>', at);
        if (end < 0 || html.mid(at, end - at).count('"') % 2 != 0)
            std::abort();
    }
    for (const QString& part : parts) {
        QString expected = part;
        expected.replace(QChar(0), QChar(0xFFFD));
        if (unescaped(htmlText(part)) != expected || htmlText(part).contains(QLatin1Char('<')))
            std::abort();
    }
    return 0;
}
