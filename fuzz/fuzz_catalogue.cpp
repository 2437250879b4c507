// Opening a damaged catalogue: the connection, the check of table1 and reading every record,
// field and picture either work or fail with an error.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

#include "AppError.h"
#include "Connection.h"
#include "RecordSet.h"
#include "Schema.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mydb.mdb"));
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        kbs::Connection cn;
        cn.setConnectionString(kbs::Connection::connectionStringFor(path));
        cn.open();
        kbs::schema::verifyCatalogue(cn.handle());
        kbs::RecordSet rs;
        rs.open(QStringLiteral("select * from table1"), cn);
        for (int n = 0; !rs.eof() && n < 1000; ++n, rs.moveNext()) {
            for (int i = 0; i < rs.fieldCount(); ++i) {
                rs.value(i);
                if (rs.actualSize(i) > 0 && rs.actualSize(i) < (1 << 20)) {
                    while (!rs.getChunk(i, 100).isEmpty()) {
                    }
                }
            }
        }
    } catch (const kbs::AppError&) {
    }
    return 0;
}
