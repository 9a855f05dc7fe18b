#pragma once
// The PC type library "Vamok.APT" in the application data folder.
#include "types/TypeFile.h"

#include <string>

namespace vamok {

inline constexpr const char* kLibraryFileName = "Vamok.APT";

// App().AppDataPath + "Vamok.APT".
std::string LibraryPath();

// The library shipped beside the program, App().ProgramPath + "Vamok.APT":
// what the first start imports.
std::string ShippedLibraryPath();

// LoadTypeFile on the library. A library that stopped on a bad line or
// could not be opened is moved aside to a ".bak" name (and reported), so
// that the next save cannot overwrite it with the part that was read.
TypeLoadResult LoadLibrary(TypeReporter& reporter, const std::string& path = LibraryPath());

bool SaveLibrary(TypeReporter& reporter, const std::string& path = LibraryPath());

// The backup name for `path`: path + ".bak", or path + "_n.bak" with the
// first n from 1 for which no file exists.
std::string BackupName(const std::string& path);

// Moves the file at `path` to BackupName(path); the backup name, or empty
// when the move failed.
std::string MoveToBackup(const std::string& path);

} // namespace vamok
