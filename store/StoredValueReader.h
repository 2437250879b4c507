#pragma once

#include <QString>

#include "RecordSet.h"

struct sqlite3;
struct sqlite3_blob;

namespace kbs {

// Reads a value the record set holds only in part (RecordSet::storedAt) piece by piece, on a
// read-only connection of its own to the catalogue: for one thread that is not the window's.
// The connection is kept from one value to the next while the catalogue stays the same.
class StoredValueReader {
public:
    enum class Kind { Text, Other, Unreadable };

    StoredValueReader() = default;
    ~StoredValueReader();
    StoredValueReader(const StoredValueReader&) = delete;
    StoredValueReader& operator=(const StoredValueReader&) = delete;

    // Opens the value: Text when it is a text, whose size() bytes read() then reads; Other
    // for a value of another kind (a picture, a number); Unreadable when the catalogue or the
    // record cannot be read.
    Kind open(const RecordSet::Stored& where);
    int size() const;
    // Reads n bytes from offset into `into`; false when they cannot be read.
    bool read(char* into, int n, int offset);
    void close();

private:
    bool connect(const QString& file);

    sqlite3* m_db = nullptr;
    QString m_file;
    sqlite3_blob* m_blob = nullptr;
};

}  // namespace kbs
