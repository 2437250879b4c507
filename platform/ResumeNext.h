#pragma once

#include <exception>
#include <utility>

namespace kbs {

// Runs one statement of a procedure whose rule is "skip the failing statement and go on".
// Returns true when the statement ran to its end.
template <class F>
bool resumeNext(F&& statement) noexcept {
    try {
        std::forward<F>(statement)();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace kbs
