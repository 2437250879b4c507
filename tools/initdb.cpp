// Creates an empty catalogue where there is none. An existing file is never touched.
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "AppError.h"
#include "Schema.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kbsmgr-initdb PATH/mydb.mdb\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0;
    try {
        kbs::schema::createEmptyCatalogue(path);
    } catch (const kbs::AppError& e) {
        std::fprintf(stderr, "kbsmgr-initdb: %s\n", qPrintable(e.description()));
        return 1;
    }
    std::printf("created an empty catalogue: %s\n", qPrintable(path));
    return 0;
}
