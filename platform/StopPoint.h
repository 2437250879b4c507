#pragma once

namespace kbs {

// A named moment inside a step that must not be cut short (a file's swap, a backup's naming).
// In a build for tests, a process whose KBS_STOP_AT names this point stops itself there
// (SIGSTOP), so that the kill harness can kill it at exactly that moment. Nothing otherwise.
void stopPoint(const char* name);

// In a build for tests, true while KBS_FAULT names `fault`: a file system fault the tests
// cannot make for real everywhere ("nolink": no hard links). Always false otherwise.
bool testFault(const char* fault);

}  // namespace kbs
