#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kbs::test {

// While it lives, the process meets the file permission bits as an ordinary user does, even
// when it runs as root: the capabilities that let root create and write files where the bits
// say no are set aside from its effective set, and put back at the end. Folders and files
// made read-only with chmod alone then refuse a write with "permission denied", as they do
// for the collector.
class FileChecksAsUser {
public:
    FileChecksAsUser() {
        if (::geteuid() != 0 || ::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        m_lowered = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~FileChecksAsUser() {
        if (m_lowered)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    FileChecksAsUser(const FileChecksAsUser&) = delete;
    FileChecksAsUser& operator=(const FileChecksAsUser&) = delete;

    // False when running as root and the capabilities could not be set aside.
    bool ok() const { return m_lowered || ::geteuid() != 0; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
};

}  // namespace kbs::test
