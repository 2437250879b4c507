#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "JetFile.h"
#include "SourceValue.h"

namespace kbs::legacy {

// A column of the records' table as the older program's file declares it.
struct SourceColumn {
    std::string name;  // as the file spells it, UTF-8
    int type = 0;      // the file's type number
    QString typeName;  // "Text", "Long Integer", "Currency", ...
    bool autonumber = false;
};

// Reads the records' table of a Jet/ACE catalogue with libmdb, row by row, in the file's own order.
//
// libmdb is trusted with finding pages and rows; this class does the rest itself, so that it
// can check what it reads: Null is told from an empty value by the row's null bitmap, texts
// are decoded from their stored form, and long values (Memo, OLE Object) are followed from
// page to page with their length checked against their header.
//
// Run it only where it can be stopped: libmdb can loop for ever on a damaged file (the
// converter runs it in a child process with limits). Every fault throws AppError naming the
// file, the record and the column.
class JetReader {
public:
    explicit JetReader(const QString& path);  // checks the file, opens it, finds the table
    ~JetReader();
    JetReader(const JetReader&) = delete;
    JetReader& operator=(const JetReader&) = delete;

    const JetFormat& format() const;
    const std::vector<SourceColumn>& columns() const;
    // The number of records the file says the table holds.
    long declaredRows() const;
    // The file's autonumber counter for the table, when it has a plausible one.
    std::optional<std::int64_t> autonumberCounter() const;

    // Reads the next record into values, one per column; false after the last record.
    bool next(std::vector<SourceValue>& values);
    long rowsRead() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kbs::legacy
