#pragma once
// What the type window does to the PC library apart from showing it:
// the clipboard copy of a type and deleting a type by name.
#include "types/TAPDef.h"

#include <array>
#include <string>
#include <vector>

namespace vamok {

// The type as the clipboard receives it: the name, the column headings and
// one line per row (labels[row - 1]), every value followed by a tab,
// hundredths rows as "%1.2f" with `sep`.
std::string TypeCopyText(const TAPDef& type, const std::array<std::string, kTypeRowCount>& labels, char sep);

enum class DeleteRefusal {
    None,
    InUse,      // listed in `usedTypes` (the instrument's slots)
    Predefined, // "VAM "
};

DeleteRefusal DeleteRefusalOf(const std::string& name, const std::vector<std::string>& usedTypes);

// Removes every PC type named `name` (padded to 4 characters); the
// placeholder stays. True when one was removed.
bool RemovePCType(const std::string& name);

} // namespace vamok
