#pragma once
// Saves onto file systems that really fail. Each attempt runs in a forked
// child, so that the lowered size limit, the dropped user or the private
// mount never reach the test program:
// - FileSizeLimit: RLIMIT_FSIZE lowered to 16 bytes, SIGXFSZ ignored, so a
//   write beyond it fails with EFBIG ("File too large");
// - ReadOnlyFolder: the folder may not be written (as root the child drops to
//   the unprivileged uid and gid 65534, which modes do stop): EACCES;
// - ReadOnlyFile: the old file may not be written, the folder may: EACCES;
// - FullDisk: a 64 KiB tmpfs in a mount namespace of its own, filled up
//   before the save: ENOSPC. Needs the right to mount; skipped without it.
// The child reports with LC_MESSAGES=C, so the reasons are the C texts.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

enum class DiskFault { FileSizeLimit, ReadOnlyFolder, ReadOnlyFile, FullDisk };

// The system's text for the fault, as the C library words it.
std::string FaultReason(DiskFault fault);
const char* FaultName(DiskFault fault);
inline void PrintTo(DiskFault fault, std::ostream* out) { *out << FaultName(fault); }

struct SaveAttempt {
    std::string skipped;               // why the fault could not be made; empty when it was
    std::optional<std::string> failure; // what the writer reported; nothing when it said it saved
    std::string bytesAfter;            // the target's bytes afterwards
    std::vector<std::string> namesAfter; // the folder's entries afterwards, sorted
};

// The writer under test: saves to `path` (a CP1252 path) and returns the
// failure it reports, or nothing when it reports success.
using Writer = std::function<std::optional<std::string>(const std::string& path)>;

// Writes `oldBytes` as `fileName` into an empty folder, makes the fault and
// lets `save` write that file.
SaveAttempt AttemptSave(DiskFault fault, const std::string& fileName, const std::string& oldBytes,
                        const Writer& save);
