#pragma once

#include <QLoggingCategory>
#include <exception>
#include <source_location>
#include <utility>

// The failures resumeNext() skips, with where they happened: off by default, shown with
// QT_LOGGING_RULES="kbs.resume.debug=true".
Q_DECLARE_LOGGING_CATEGORY(kbsResume)

namespace kbs {

namespace detail {
void logSkipped(const std::source_location& where, const char* what) noexcept;
}  // namespace detail

// Runs one statement of a procedure whose rule is "skip the failing statement and go on".
// Returns true when the statement ran to its end; a failure skipped is logged (kbsResume).
template <class F>
bool resumeNext(F&& statement,
                const std::source_location& where = std::source_location::current()) noexcept {
    try {
        std::forward<F>(statement)();
        return true;
    } catch (const std::exception& e) {
        detail::logSkipped(where, e.what());
        return false;
    }
}

}  // namespace kbs
