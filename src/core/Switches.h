#pragma once
// Command-line switches. Arguments are CP1252 texts, argument 0 being the
// program's own path. Switches match as case-insensitive substrings.
#include <string>
#include <vector>

namespace vamok {

// Sets the mode flags of App() from arguments 1 onward: per argument the
// first of "ZORKE", "ZORKESMODE", "MESSE", "SENSTEST", "SERDEBUG",
// "VORSCHAU", "TURB" it contains; one containing "TURB" may also be "TURB3".
void ScanSwitches(const std::vector<std::string>& args);

// Some argument (from argument 0) equals "SPRACHINIT" after upper-casing.
bool IsMasterCollection(const std::vector<std::string>& args);

// The first argument (from argument 0) whose upper-cased text contains
// ".VAM"; empty text when there is none.
std::string DataFileArgument(const std::vector<std::string>& args);

// ASCII letters upper-cased, every other byte kept.
std::string UpperAscii(std::string text);

} // namespace vamok
