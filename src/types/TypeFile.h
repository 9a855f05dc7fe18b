#pragma once
// The type library file (".APT"): a feature line, then per type a name line
// and one line per stored row, five ";"-separated values each, CP1252, CR LF.
#include "types/TAPDef.h"
#include "types/TypeReporter.h"

#include <optional>
#include <string>

namespace vamok {

// The bytes of a type file; nothing when it cannot be read or is far too
// large to be one.
std::optional<std::string> ReadTypeFileBytes(const std::string& path);

// Writes `bytes` to `path` atomically (core/AtomicSave.h), creating the
// folder when missing: the old file stays unless the new one was written
// completely. On failure `reason` (when given) holds the system's reason.
bool WriteTypeFileBytes(const std::string& path, const std::string& bytes,
                        std::string* reason = nullptr);

enum class TypeFileStatus {
    Loaded,     // read to the end
    Missing,    // no such file: the list holds "VAM " with its defaults
    Unreadable, // could not be opened: the list holds only the placeholder
    Damaged,    // stopped at a bad line: the types before it stay
};

struct TypeLoadResult {
    TypeFileStatus status = TypeFileStatus::Loaded;
    bool hasPredefined = false; // a type named "VAM " (any letter case) was read
    std::string renameReport;   // duplicate names and their new names, CR LF lines
    std::string damage;         // what stopped a damaged load (file, line, text)

    // The file is a valid library: read completely and holding "VAM ".
    bool Valid() const { return status == TypeFileStatus::Loaded && hasPredefined; }
    // The defaults library was built; the type window marks its caption.
    bool DefaultsBuilt() const { return status == TypeFileStatus::Missing; }
};

// Replaces PCTypes with the types of the file. Duplicate names are renamed
// and reported; a damaged file is reported with its name, line and text.
TypeLoadResult LoadTypeFile(const std::string& path, TypeReporter& reporter);

// The same from the bytes of a file already read; `path` names it in messages.
TypeLoadResult LoadTypeText(const std::string& bytes, const std::string& path,
                            TypeReporter& reporter);

// One row of a type as the file writes it: five values separated by ";",
// hundredths rows as "%1.2f" with App().DecimalSep.
std::string TypeRowLine(const TAPDef& type, int row);

// The file text of the PC types (placeholder excluded); sets every marker.
std::string TypeFileText();

// Writes the PC types atomically: the old file stays unless the new one was
// written completely. Failure shows "Error saving file." / "Error", with
// the system's reason on a second line.
bool SaveTypeFile(const std::string& path, TypeReporter& reporter);

} // namespace vamok
