#pragma once

#include "Headings.h"

namespace kbs::exchange {

// The columns' headings for spreadsheets and Tellico, from the columns' labels (the detail
// panel's, store/ColumnLabels.h): the
// label itself, or where it leans on the box beside it ("on", "As of", the second "Color") a
// heading that says it alone. An import also takes the label as the panel shows it, and the
// headings in the program's language and in every language it has a translation for.
Headings columnHeadings();

// The headings in other languages: for each English heading or label, its translations in
// every language whose compiled translation (kbsmgr_*.qm) is found beside the program, under
// share/kbsmgr/translations or in the resources. The one place where an import learns the
// words of the program's languages.
QStringList translatedHeadings(const char* context, const char* english);

}  // namespace kbs::exchange
