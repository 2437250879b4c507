#pragma once

#include <QString>

namespace kbs {

// True when the file is a Jet or ACE database of the older Windows program
// ("Standard Jet DB" or "Standard ACE DB" at byte offset 4).
bool isLegacyCatalogue(const QString& path);

}  // namespace kbs
