#include "ResumeNext.h"

Q_LOGGING_CATEGORY(kbsResume, "kbs.resume", QtInfoMsg)

namespace kbs::detail {

void logSkipped(const char* file, int line, const char* function, const char* what) noexcept {
    try {
        qCDebug(kbsResume, "skipped at %s:%d (%s): %s", file, line, function, what);
    } catch (...) {
    }
}

}  // namespace kbs::detail
