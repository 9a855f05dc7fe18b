#pragma once
// The about box's version line.
#include <string>

namespace vamok {

// "VAMOK Ver. " + VersionText(), then " (" + suffix + ")" for each
// non-empty suffix.
std::string AboutVersionLine(const std::string& firstSuffix, const std::string& secondSuffix);

} // namespace vamok
