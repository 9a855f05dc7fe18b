#include "support/FailingDisk.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr rlim_t kSizeLimit = 16;
constexpr uid_t kUnprivileged = 65534;
constexpr const char* kFiller = "filler";

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void Put(int fd, const std::string& text)
{
    const std::uint64_t size = text.size();
    WriteAll(fd, reinterpret_cast<const char*>(&size), sizeof size);
    WriteAll(fd, text.data(), text.size());
}

bool Get(const std::string& data, std::size_t& pos, std::string& text)
{
    std::uint64_t size = 0;
    if (data.size() - pos < sizeof size)
        return false;
    std::memcpy(&size, data.data() + pos, sizeof size);
    pos += sizeof size;
    if (data.size() - pos < size)
        return false;
    text = data.substr(pos, size);
    pos += size;
    return true;
}

std::string FileBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    const QStringList entries = QDir(QString::fromStdString(folder))
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries)
        if (name != kFiller)
            names.push_back(name.toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes.data(), bytes.size());
    return ::close(fd) == 0 && written;
}

// A private mount namespace, so the tmpfs vanishes with the child.
std::string MountSmallDisk(const std::string& folder)
{
    if (::unshare(CLONE_NEWNS) != 0)
        return std::string("no mount namespace: ") + std::strerror(errno);
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("mounts cannot be made private: ") + std::strerror(errno);
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
        return std::string("tmpfs cannot be mounted: ") + std::strerror(errno);
    return {};
}

void FillDisk(const std::string& folder)
{
    const int fd = ::open((folder + "/" + kFiller).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string block(4096, 'f');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    while (fd >= 0 && ::write(fd, "f", 1) > 0) {
    }
    ::close(fd);
}

// `denied` loses its write permission; `folderMode` is what the folder
// allows a user that is not its owner.
std::string DenyWriting(const std::string& base, const std::string& folder, const std::string& denied,
                        mode_t folderMode)
{
    if (::chmod(denied.c_str(), denied == folder ? 0555 : 0444) != 0)
        return std::strerror(errno);
    if (::geteuid() != 0)
        return {};
    // Root ignores modes: a user that is neither owner nor in the group.
    if (::chmod(base.c_str(), 0755) != 0 || ::chmod(folder.c_str(), folderMode) != 0 ||
        ::setgroups(0, nullptr) != 0 || ::setgid(kUnprivileged) != 0 || ::setuid(kUnprivileged) != 0)
        return std::string("cannot drop to an unprivileged user: ") + std::strerror(errno);
    return {};
}

void LimitFileSize()
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = kSizeLimit;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

[[noreturn]] void RunChild(int out, DiskFault fault, const std::string& base, const std::string& folder,
                           const std::string& fileName, const std::string& oldBytes, const Writer& save)
{
    std::setlocale(LC_MESSAGES, "C");
    std::string skipped;
    if (fault == DiskFault::FullDisk)
        skipped = MountSmallDisk(folder);
    const std::string path = folder + "/" + fileName;
    if (skipped.empty() && !WriteFile(path, oldBytes))
        skipped = std::string("the old file cannot be written: ") + std::strerror(errno);
    if (skipped.empty()) {
        if (fault == DiskFault::FullDisk)
            FillDisk(folder);
        else if (fault == DiskFault::ReadOnlyFolder)
            skipped = DenyWriting(base, folder, folder, 0755);
        else if (fault == DiskFault::ReadOnlyFile)
            skipped = DenyWriting(base, folder, path, 0777);
        else
            LimitFileSize();
    }
    Put(out, skipped);
    if (skipped.empty()) {
        const std::optional<std::string> failure = save(path);
        Put(out, failure ? "1" : "0");
        Put(out, failure.value_or(""));
        Put(out, FileBytes(path));
        for (const std::string& name : Names(folder))
            Put(out, name);
    }
    ::close(out);
    ::_exit(0);
}

} // namespace

std::string FaultReason(DiskFault fault)
{
    switch (fault) {
    case DiskFault::FileSizeLimit: return "File too large";
    case DiskFault::ReadOnlyFolder:
    case DiskFault::ReadOnlyFile: return "Permission denied";
    case DiskFault::FullDisk: return "No space left on device";
    }
    return {};
}

const char* FaultName(DiskFault fault)
{
    switch (fault) {
    case DiskFault::FileSizeLimit: return "FileSizeLimit";
    case DiskFault::ReadOnlyFolder: return "ReadOnlyFolder";
    case DiskFault::ReadOnlyFile: return "ReadOnlyFile";
    case DiskFault::FullDisk: return "FullDisk";
    }
    return "";
}

SaveAttempt AttemptSave(DiskFault fault, const std::string& fileName, const std::string& oldBytes,
                        const Writer& save)
{
    TempDir dir;
    const std::string base = dir.path().substr(0, dir.path().size() - 1);
    const std::string folder = dir.file("disk");
    QDir().mkdir(QString::fromStdString(folder));

    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        ADD_FAILURE() << "no pipe: " << std::strerror(errno);
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        RunChild(pipeFds[1], fault, base, folder, fileName, oldBytes, save);
    }
    ::close(pipeFds[1]);
    std::string data;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            data.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0700);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "the saving child ended with status " << status;
        return {};
    }

    SaveAttempt attempt;
    std::size_t pos = 0;
    std::string failed;
    std::string failure;
    if (!Get(data, pos, attempt.skipped) || (attempt.skipped.empty() &&
        (!Get(data, pos, failed) || !Get(data, pos, failure) || !Get(data, pos, attempt.bytesAfter)))) {
        ADD_FAILURE() << "the saving child reported nothing";
        return {};
    }
    if (failed == "1")
        attempt.failure = failure;
    std::string name;
    while (Get(data, pos, name))
        attempt.namesAfter.push_back(name);
    return attempt;
}
