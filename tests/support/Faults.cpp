#include "Faults.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "FileChecksAsUser.h"
#include "TestEnv.h"

namespace kbs::test {

FaultScope::FaultScope(TestEnv& env, Fault fault, const QString& file)
    : m_env(env),
      m_fault(fault),
      m_path(fault == Fault::ReadOnlyFile || fault == Fault::Locked ? file : env.dir()) {
    switch (fault) {
        case Fault::Locked:
            sqlite3_open(QFile::encodeName(m_path).constData(), &m_other);
            m_ok = sqlite3_exec(m_other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
            break;
        case Fault::ReadOnlyFile:
        case Fault::ReadOnlyFolder:
            m_ok = env.makeReadOnly(m_path);
            break;
        case Fault::FolderWithoutWriteBits:
            m_oldBits = int(QFile::permissions(m_path));
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner);
            m_asUser = std::make_unique<FileChecksAsUser>();
            m_ok = m_asUser->ok();
            break;
        case Fault::FullDisk: {
            getrlimit(RLIMIT_FSIZE, &m_oldLimit);
            struct rlimit small = m_oldLimit;
            small.rlim_cur = rlim_t(QFileInfo(file).size() + 8192);
            std::signal(SIGXFSZ, SIG_IGN);
            m_ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
            break;
        }
    }
}

FaultScope::~FaultScope() {
    switch (m_fault) {
        case Fault::Locked:
            sqlite3_exec(m_other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(m_other);
            break;
        case Fault::ReadOnlyFile:
        case Fault::ReadOnlyFolder:
            m_env.makeWritable(m_path);
            break;
        case Fault::FolderWithoutWriteBits:
            m_asUser.reset();
            QFile::setPermissions(m_path, QFile::Permissions(m_oldBits));
            break;
        case Fault::FullDisk:
            setrlimit(RLIMIT_FSIZE, &m_oldLimit);
            break;
    }
}

}  // namespace kbs::test
