#pragma once

#include <QString>

namespace kbs {

class RecordSet;

// Find's walk: from the Record set's first record to the first whose fields 0 to `last` hold the
// text, in any case. Leaves the Record set there and returns the field that holds it, or -1 with
// the Record set past its last record. Lets waiting events run now and then. Throws AppError.
int findFromFirst(RecordSet& rs, const QString& t, int last);

}  // namespace kbs
