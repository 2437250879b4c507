#pragma once

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <functional>
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
    SaveFaultScope(TestEnv& env, SaveFault fault, const QString& name) {
        const QString path = fault == SaveFault::ReadOnlyFile ? env.path(name) : env.dir();
        if (fault == SaveFault::ReadOnlyFolder || fault == SaveFault::ReadOnlyFile) {
            m_ok = env.makeReadOnly(path);
            m_undo = [&env, path] { env.makeWritable(path); };
        } else if (fault == SaveFault::FolderWithoutWriteBits) {
            // The permission bits alone, which root passes unless its override is set aside.
            const auto bits = QFile::permissions(path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            m_ok = m_asUser.emplace().ok();
            m_undo = [this, path, bits] {
                m_asUser.reset();
                QFile::setPermissions(path, bits);
            };
        } else {
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit small = old;
            small.rlim_cur = rlim_t(QFileInfo(env.path(name)).size() + 1024);
            const auto handler = std::signal(SIGXFSZ, SIG_IGN);
            m_ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
            m_undo = [old, handler] {
                setrlimit(RLIMIT_FSIZE, &old);
                std::signal(SIGXFSZ, handler);
            };
        }
    }
    ~SaveFaultScope() { m_undo(); }
    // False when the fault cannot be set up here.
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
    std::optional<FileChecksAsUser> m_asUser;
    std::function<void()> m_undo;
};

// The names in the program directory, scratch files included.
inline QStringList filesIn(const TestEnv& env) {
    return QDir(env.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace kbs::test

Q_DECLARE_METATYPE(kbs::test::SaveFault)
