#pragma once
// Which workplace types the instrument is to hold: the list the type choice
// window ("Arbeitsplatzdefinitionen") edits before it replaces UsedAPT.
#include <string>
#include <vector>

namespace vamok {

// UsedAPT in its order (entries holding four blanks left out), then the
// type of each measurement row (rowTypes[0] is row 1) that is not "NONE",
// padded to 4 characters, not blank and not listed yet.
std::vector<std::string> TypesToSend(const std::vector<std::string>& usedTypes,
                                     const std::vector<std::string>& rowTypes);

struct TypeUse {
    bool predefined = false; // "VAM ": never removed
    std::string rows;        // rows whose type contains the name, "3; 7; 12" (cut after 20 characters)
    bool Removable() const { return !predefined && rows.empty(); }
};

TypeUse TypeUseOf(const std::string& name, const std::vector<std::string>& rowTypes);

} // namespace vamok
