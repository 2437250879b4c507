#pragma once

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <optional>

#include "FileChecksAsUser.h"
#include "TestEnv.h"

namespace kbs::test {

// What stops a list in the program directory from being saved. A read-only folder still lets
// the list itself be written in place; a save must not do that.
enum class SaveFault { ReadOnlyFolder, FolderWithoutWriteBits, ReadOnlyFile, FullDisk };

inline void addSaveFaultRows() {
    QTest::addColumn<SaveFault>("fault");
    QTest::newRow("read-only folder") << SaveFault::ReadOnlyFolder;
    QTest::newRow("folder without write permission") << SaveFault::FolderWithoutWriteBits;
    QTest::newRow("read-only file") << SaveFault::ReadOnlyFile;
    QTest::newRow("full disk") << SaveFault::FullDisk;
}

// The fault, on the list `name`, while it lives. A full disk lets no file grow beyond a little
// more than the list is now.
class SaveFaultScope {
public:
    SaveFaultScope(TestEnv& env, SaveFault fault, const QString& name)
        : m_env(env), m_fault(fault), m_path(env.path(name)) {
        switch (fault) {
            case SaveFault::ReadOnlyFolder:
                m_ok = env.makeReadOnly(env.dir());
                break;
            case SaveFault::ReadOnlyFile:
                m_ok = env.makeReadOnly(m_path);
                break;
            case SaveFault::FolderWithoutWriteBits:
                // The permission bits alone, which root passes unless its override is set aside.
                m_bits = QFile::permissions(env.dir());
                QFile::setPermissions(env.dir(), QFile::ReadOwner | QFile::ExeOwner |
                                                     QFile::ReadGroup | QFile::ExeGroup);
                m_ok = m_asUser.emplace().ok();
                break;
            case SaveFault::FullDisk:
                getrlimit(RLIMIT_FSIZE, &m_limit);
                rlimit small = m_limit;
                small.rlim_cur = rlim_t(QFileInfo(m_path).size() + 1024);
                m_handler = std::signal(SIGXFSZ, SIG_IGN);
                m_ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
                break;
        }
    }
    ~SaveFaultScope() {
        switch (m_fault) {
            case SaveFault::ReadOnlyFolder:
                m_env.makeWritable(m_env.dir());
                break;
            case SaveFault::ReadOnlyFile:
                m_env.makeWritable(m_path);
                break;
            case SaveFault::FolderWithoutWriteBits:
                m_asUser.reset();
                QFile::setPermissions(m_env.dir(), m_bits);
                break;
            case SaveFault::FullDisk:
                setrlimit(RLIMIT_FSIZE, &m_limit);
                std::signal(SIGXFSZ, m_handler);
                break;
        }
    }
    SaveFaultScope(const SaveFaultScope&) = delete;
    SaveFaultScope& operator=(const SaveFaultScope&) = delete;
    // False when the fault cannot be set up here.
    bool ok() const { return m_ok; }

private:
    TestEnv& m_env;
    SaveFault m_fault;
    QString m_path;
    bool m_ok = false;
    QFile::Permissions m_bits;
    std::optional<FileChecksAsUser> m_asUser;
    rlimit m_limit{};
    void (*m_handler)(int) = nullptr;
};

// The names in the program directory, scratch files included.
inline QStringList filesIn(const TestEnv& env) {
    return QDir(env.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace kbs::test

Q_DECLARE_METATYPE(kbs::test::SaveFault)
