#pragma once
// The program's version texts (from the build's version numbers).
#include <string>

namespace vamok {

// "5.2.0 [Build 1]": the main window caption and the about box.
std::string VersionText();

// "5.2.0.1": the version line of data files.
std::string VersionNumberText();

} // namespace vamok
