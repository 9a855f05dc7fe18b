#pragma once
// The one way the program writes a file. The bytes go to a new file in the
// target's folder, each write checked, and reach the disk (fsync) before
// that file takes the target's name; the folder is synced after the rename.
// Until the rename the old file is untouched, so a full disk, a size limit or
// a refused folder leaves it byte for byte as it was, and no temporary file
// stays behind.
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace vamok {

// Writes `bytes` as the file `path` (CP1252 text). A symbolic link is
// followed, so the file it points to is replaced; an existing file keeps its
// permission bits, a new one gets the usual ones (0666 less the umask); a
// file that may not be written is not replaced.
// Returns nothing on success, otherwise the system's reason in CP1252, for
// example "No space left on device". Every failure up to the rename leaves
// the old file as it was; after it, only a folder that cannot be synced is
// reported, and the new file then already stands. The folder must exist.
std::optional<std::string> SaveAtomically(const std::string& path, std::string_view bytes);
// The same for a path that is no program text (the settings file's).
std::optional<std::string> SaveAtomically(const QString& path, std::string_view bytes);

// The system's text for an errno value, in CP1252.
std::string SystemReason(int error);

} // namespace vamok
