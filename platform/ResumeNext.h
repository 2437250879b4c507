#pragma once

#include <QLoggingCategory>
#include <exception>
#include <utility>

// The failures resumeNext() skips, with where they happened: off by default, shown with
// QT_LOGGING_RULES="kbs.resume.debug=true".
Q_DECLARE_LOGGING_CATEGORY(kbsResume)

namespace kbs {

namespace detail {
void logSkipped(const char* file, int line, const char* function, const char* what) noexcept;
}  // namespace detail

// Runs one statement of a procedure whose rule is "skip the failing statement and go on".
// Returns true when the statement ran to its end; a failure skipped is logged (kbsResume) with
// the place of the call (the compiler's builtins, which clang 14 has where it lacks
// std::source_location).
template <class F>
bool resumeNext(F&& statement, const char* file = __builtin_FILE(), int line = __builtin_LINE(),
                const char* function = __builtin_FUNCTION()) noexcept {
    try {
        std::forward<F>(statement)();
        return true;
    } catch (const std::exception& e) {
        detail::logSkipped(file, line, function, e.what());
        return false;
    }
}

}  // namespace kbs
