#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace kbs::bench {

// Types a sequence of keys into the program's filter bar through a window on a virtual X
// display and prints the time from each key until the window shows a change: the median, the
// 95th percentile and the time until the last change. `program` is the program's executable,
// `catalogue` one of `records` records.
void runFrameBench(const QString& program, const QString& catalogue, int records);

// A home of its own for the program in the folder `home`: no tip at start, no settings of the
// person running the benchmark. Returns this process's environment with it.
QProcessEnvironment programHome(const QString& home);

}  // namespace kbs::bench
