#include "ResumeNext.h"

Q_LOGGING_CATEGORY(kbsResume, "kbs.resume", QtInfoMsg)

namespace kbs::detail {

void logSkipped(const std::source_location& where, const char* what) noexcept {
    try {
        qCDebug(kbsResume, "skipped at %s:%u (%s): %s", where.file_name(), unsigned(where.line()),
                where.function_name(), what);
    } catch (...) {
    }
}

}  // namespace kbs::detail
