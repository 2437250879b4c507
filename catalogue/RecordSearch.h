#pragma once

#include <QString>
#include <vector>

#include "RecordSet.h"

namespace kbs {

// Find's walk: from the Record set's first record to the first whose fields 0 to `last` hold the
// text, in any case. Leaves the Record set there and returns the field that holds it, or -1 with
// the Record set past its last record. Lets waiting events run now and then. Throws AppError.
int findFromFirst(RecordSet& rs, const QString& t, int last);

// Find Next's walk over the rows the grid shows, `rows`: from the row `from` (-1 or the row
// count: before the first row or after the last), forward or backward, wrapping once, to the
// first row whose record holds the text, in any case. Returns that row, or -1; `wrapped` says
// whether the walk went past an end.
long findInRows(const RecordSet& rs, const std::vector<RecordSet::Slot>& rows, long from,
                bool forward, const QString& text, bool& wrapped);

}  // namespace kbs
