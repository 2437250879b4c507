#pragma once

#include <QString>
#include <QStringList>

#include "TextCodec.h"

namespace kbs::valuelist {

// A list holds at most this many values: its entries are numbered by a 16-bit index from 1.
inline constexpr int MaxValues = 32766;
// A list, the tips or a file opened in the editor is at most this long; a longer file is
// refused rather than read.
inline constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// The lines of a text file, read by the rules every list, the editor and the tips share:
// a line ends at CR LF or at a lone CR, and the terminator is not part of it; a lone LF stays
// inside the line; the last line needs no terminator, and a terminator at the very end does
// not start a further line; nothing is trimmed; an empty line is an empty value; a file of
// zero bytes holds no lines.
struct Lines {
    QStringList values;
    TextEncoding encoding = TextEncoding::Utf8;  // the encoding the file was read in
    bool truncated = false;                      // more lines followed than were asked for
};

// Reads the file at `path`, at most `maxLines` lines (all when negative).
// Throws AppError: err::FileNotFound when there is no file, err::PathFileAccess (saying why)
// when it cannot be read: not a regular file, longer than MaxFileBytes, unreadable.
Lines read(const QString& path, qsizetype maxLines = -1);

// Replaces the file at `path` by `text` as a whole, through a scratch file beside it that is
// renamed over it: either the new text is there or the old file is left as it was, byte for
// byte. A folder that allows no scratch file makes the write fail. The text is written in
// `encoding` when it can hold the text, in UTF-8 otherwise; `encoding` is updated to the one used.
// Throws AppError (err::PathFileAccess) on failure.
void write(const QString& path, const QString& text, TextEncoding& encoding);

}  // namespace kbs::valuelist
