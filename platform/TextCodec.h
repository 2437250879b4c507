#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kbs {

// The two encodings a text file of the program can have. A file is read as UTF-8 when its
// bytes are valid UTF-8 and as Windows-1252 otherwise; it is written back in the encoding it
// was read in, so that a text saved unchanged keeps its exact bytes.
enum class TextEncoding { Utf8, Windows1252 };

namespace textcodec {

// Strict UTF-8: no overlong forms, no encoded surrogates, nothing above U+10FFFF, no
// sequence cut short.
bool isValidUtf8(QByteArrayView bytes);

// The encoding a file holding these bytes is read in.
TextEncoding detect(QByteArrayView bytes);

// Bytes to text. A byte-order mark is kept as U+FEFF, so that it is written back. In
// Windows-1252 every byte has a character: the five bytes the code page leaves unassigned
// become the control characters of the same number, as Windows itself reads them.
QString decode(QByteArrayView bytes, TextEncoding encoding);

// Whether every character of the text has a byte in the encoding.
bool canEncode(QStringView text, TextEncoding encoding);

// Text to bytes in the given encoding, or in UTF-8 when that encoding cannot hold the text;
// `encoding` is updated to the one used.
QByteArray encode(QStringView text, TextEncoding& encoding);

}  // namespace textcodec
}  // namespace kbs
