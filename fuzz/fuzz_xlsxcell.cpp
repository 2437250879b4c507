// The spreadsheet export's cell text: whatever the text, the cell holds UTF-8 without a NUL,
// within what a cell and the writer take, and reads back (the format's _xHHHH_ escapes undone)
// as the text without its NULs, whole or cut between two characters.
#include <QString>
#include <QStringDecoder>
#include <cstdint>
#include <cstdlib>

#include "TextCodec.h"
#include "XlsxExport.h"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
        return (c | 0x20) - 'a' + 10;
    return -1;
}

// The text a spreadsheet reads from the cell: each _xHHHH_ is the character HHHH.
QString readBack(const QString& cell) {
    QString out;
    for (qsizetype i = 0; i < cell.size();) {
        if (cell[i] == QLatin1Char('_') && i + 6 < cell.size() && cell[i + 1] == QLatin1Char('x') &&
            cell[i + 6] == QLatin1Char('_')) {
            int code = 0;
            for (qsizetype k = 2; k < 6 && code >= 0; ++k) {
                const char16_t u = cell[i + k].unicode();
                const int d = u < 128 ? hexDigit(char(u)) : -1;
                code = d < 0 ? -1 : code * 16 + d;
            }
            if (code >= 0) {
                out += QChar(char16_t(code));
                i += 7;
                continue;
            }
        }
        out += cell[i++];
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte is the cell's length (a small one, so that the cut is often reached).
    if (size == 0)
        return 0;
    const qsizetype maxChars = data[0] == 0 ? kbs::exchange::MaxCellChars : data[0];
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const kbs::exchange::CellText cell = kbs::exchange::cellText(text, maxChars);
    const QByteArrayView bytes(cell.utf8.data(), qsizetype(cell.utf8.size()));
    if (!kbs::textcodec::isValidUtf8(bytes) || bytes.contains('\0'))
        std::abort();
    // Read as the spreadsheet reads a cell: a U+FEFF at its start is a character of the text,
    // not a byte order mark (QString::fromUtf8 would drop it).
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString written = decoder(bytes);
    if (written.toUcs4().size() > maxChars)
        std::abort();
    QString expected = text;
    expected.remove(QChar(0));
    const QString read = readBack(written);
    if (read.size() > maxChars || cell.withoutNul != (expected.size() != text.size()))
        std::abort();
    if (cell.cut ? !expected.startsWith(read) || read.size() == expected.size() ||
                       (!read.isEmpty() && read.back().isHighSurrogate())
                 : read != expected)
        std::abort();
    return 0;
}
