#pragma once
// What the type window hands to the type report: the shown type, the rows
// chosen in its grid and the labels as the window shows them.
#include "types/TAPDef.h"

#include <array>
#include <string>

namespace vamok {

struct TypePrintRequest {
    TAPDef type;
    std::string shownName;
    int firstRow = 1;
    int lastRow = kTypeRowCount;
    std::array<std::string, kTypeRowCount> rowLabels{};
    std::array<std::string, 6> clothingLabels{}; // light, medium, heavy, activity, clo note, met note
};

} // namespace vamok
