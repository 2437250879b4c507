#pragma once

#include <sys/resource.h>
#include <QString>
#include <memory>

struct sqlite3;

namespace kbs::test {

class FileChecksAsUser;
class TestEnv;

// What keeps a save from reaching a file in the program directory.
enum class Fault {
    Locked,                  // another program holds the catalogue `file` locked
    ReadOnlyFile,            // `file` is read-only
    ReadOnlyFolder,          // the program directory is read-only, `file` itself is not
    FolderWithoutWriteBits,  // the directory's permission bits alone say no, even to root
    FullDisk,                // no file may grow beyond a little more than `file` is now
};

// The fault, while it lives.
class FaultScope {
public:
    FaultScope(TestEnv& env, Fault fault, const QString& file);
    ~FaultScope();
    FaultScope(const FaultScope&) = delete;
    FaultScope& operator=(const FaultScope&) = delete;
    // False when the fault cannot be set up here.
    bool ok() const { return m_ok; }

private:
    TestEnv& m_env;
    Fault m_fault;
    QString m_path;
    bool m_ok = false;
    sqlite3* m_other = nullptr;
    struct rlimit m_oldLimit {};
    int m_oldBits = 0;
    std::unique_ptr<FileChecksAsUser> m_asUser;
};

}  // namespace kbs::test
