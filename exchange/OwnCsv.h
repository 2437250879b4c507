#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

#include "OwnFields.h"

namespace kbs::exchange {

// The collector's own fields and tags in CSV files: a column a field, after the described ones,
// headed by the field's name and holding each value in its stored form (see
// ownfields::normalise), and a column "Tags" holding a record's tags joined with ", ". The
// fields' kinds and value lists travel in a file beside the records.

// The heading of the column of tags.
inline constexpr const char* TagsColumn = "Tags";

// "OUT.csv" -> "OUT_fields.csv".
QString fieldsFileFor(const QString& csvPath);
// The fields as that file holds them: a row a field under the headings Name, Kind, Value list,
// the kind by its key ("number"); empty when there are none.
QByteArray fieldsCsv(const std::vector<ownfields::Field>& fields);
// Reads such a file: the fields in file order (without IDs). A kind the program does not know
// is read as text. Throws AppError naming the file and the line when it cannot be read or
// lacks the columns Name and Kind.
std::vector<ownfields::Field> readFieldsCsv(const QString& path);

// A record's tags as the column holds them, and back: each checked with ownfields::normaliseTag,
// blank ones left out; `refused` gets the message of each that cannot be a tag.
QString joinTags(const QStringList& tags);
QStringList splitTags(const QString& text, QStringList* refused = nullptr);

// The kind a column of values without a declared kind is taken as: date, number or amount when
// every value is one and keeps its text as it is stored, else text, so that no value changes.
ownfields::Kind guessKind(const std::vector<std::pair<std::int64_t, QString>>& values);

}  // namespace kbs::exchange
