#pragma once
// Replacing the PC type library with another type file, keeping the old
// library as a ".bak" backup.
#include "types/TypeLibraryFile.h"

#include <string>

namespace vamok {

// File dialog filters of the type window's import and export ("|"-separated
// description and pattern pairs).
inline constexpr const char* kTypeImportFilter =
    "VAMOK-Arbeitsplatzdefinitionen (Vamok.APT)|Vamok.APT|Arbeitsplatzdefinitionen (*.APT)|*.APT|"
    "Backup-Arbeitsplatzdefinitionen (*.BAK)|*.BAK";
inline constexpr const char* kTypeExportFilter = "VAMOK-Arbeitsplatzdefinitionen (*.APT)|*.APT";

// Loads `source`; when it is a valid library and the user agrees, moves the
// library to its backup name and writes the source in its place. Every
// other outcome reloads the library. `startupCheck` silences the message
// about a source that is not a library. True when the library was replaced.
bool ImportTypeFile(const std::string& source, TypeReporter& reporter, bool startupCheck = false,
                    const std::string& library = LibraryPath());

// "Alte Definitionen suchen" and the first-run check: imports the program
// folder's "Vamok.APT"; when there is none, only the menu item reports it.
bool ImportFromProgramFolder(TypeReporter& reporter, bool startupCheck);

} // namespace vamok
