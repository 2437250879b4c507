#include "ValueListFile.h"

#include <cstring>

#include "AppError.h"
#include "RegularFile.h"
#include "SafeFile.h"

namespace kbs::valuelist {

namespace {

const QString kSource = QStringLiteral("ValueListFile");

[[noreturn]] void fail(int number, const QString& what, const QString& path) {
    throw AppError(number, kSource, QStringLiteral("%1: %2").arg(what, path));
}

}  // namespace

Lines read(const QString& path, qsizetype maxLines) {
    const QByteArray bytes = regularfile::read(path, MaxFileBytes);

    Lines lines;
    lines.encoding = textcodec::detect(bytes);
    // CR and LF are the same single bytes in both encodings and never part of a longer UTF-8
    // sequence, so the lines can be cut from the bytes before decoding.
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        if (maxLines >= 0 && lines.values.size() >= maxLines) {
            lines.truncated = true;
            break;
        }
        const void* cr = std::memchr(data + start, '\r', size_t(size - start));
        const qsizetype end = cr ? static_cast<const char*>(cr) - data : size;
        lines.values.append(
            textcodec::decode(QByteArrayView(data + start, end - start), lines.encoding));
        start = end + 1;
        if (cr && start < size && data[start] == '\n')
            ++start;
    }
    return lines;
}

void write(const QString& path, const QString& text, TextEncoding& encoding) {
    TextEncoding used = encoding;
    const QByteArray bytes = textcodec::encode(text, used);
    // The text goes to a scratch file beside the list, which then takes the list's place:
    // a crash or a full disk leaves the old list whole. Where no scratch file can be made
    // (a folder the user may not create files in) the save fails; the list is never
    // written in place.
    try {
        safefile::replaceWhole(path, bytes);
    } catch (const AppError&) {
        fail(err::PathFileAccess, QStringLiteral("Path/File access error"), path);
    }
    encoding = used;
}

}  // namespace kbs::valuelist
