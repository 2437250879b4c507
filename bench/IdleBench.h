#pragma once

#include <QString>
#include <QStringList>

namespace kbs::bench {

// The processor time of whole starts of the program itself (the release build, offscreen):
// until its first screen, and until it is idle, on a catalogue of `records` records of which
// `links` link a small JPEG file each. For each program given (its path), two starts that are
// not measured, then three that are; the medians and their ratio.
void runIdleBench(const QStringList& programs, const QString& work, int records, int links);

}  // namespace kbs::bench
