#pragma once
// The program's folders, each as CP1252 text with a trailing separator.
#include <string>

namespace vamok {

// The separator the platform writes in paths ('/' except on Windows).
char PathSeparator();

enum class SpecialFolderId {
    Documents,       // the user's documents
    CommonDocuments, // documents shared by all users
    AppData,         // the user's application data
};

// The platform's answer with a separator appended when it lacks one; empty
// text when the platform cannot supply the folder.
std::string SpecialFolder(SpecialFolderId id);

std::string DocumentsFolder();
std::string DefaultUserFolder();           // DocumentsFolder + "QAL/VAMOK/"
std::string UserFolder();                  // UserPath once chosen, else the default
std::string ExportFolder();                // the all-users documents folder
std::string AppDataFolder();               // application data + "QAL/VAMOK/"
std::string ProgramFolder();               // folder of the program file

// The folder of the files shipped with the program (the language folder
// "Lang/", the type library, the manuals): the program folder itself when
// it holds "Lang/" (the build tree), else the installed data folder
// relative to it (bin/../share/vamok/) when that exists, else the program
// folder.
std::string ShippedFilesFolder(const std::string& programFolder);
std::string ShippedFilesFolder();          // of ProgramFolder()

// Text with a separator appended when it does not end with one.
std::string WithTrailingSeparator(std::string folder);

// Creates the folder with its missing parents; true when it exists afterwards.
bool MakeFolder(const std::string& folder);
bool FolderExists(const std::string& folder);

// Writes "UserPath" when a working folder has been chosen.
void StoreUserPath();

// The first file the user opens or saves chooses the working folder when
// none is chosen yet.
void AdoptUserPathFromFile(const std::string& fileName);

} // namespace vamok
