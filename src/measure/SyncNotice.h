#pragma once
// The synchronisation dialog's notice for a type the PC already holds.
#include <string>

namespace vamok {

// The two texts of the dialog's list `Vorhanden` around the type name.
inline std::string AlreadyPresentText(const std::string& before, const std::string& typeName,
                                      const std::string& after)
{
    return before + typeName + after;
}

inline constexpr const char* kAlreadyPresentBefore = "Typ \"";
inline constexpr const char* kAlreadyPresentAfter = "\" schon vorhanden!";
inline constexpr int kAlreadyPresentShowMs = 3000;

} // namespace vamok
