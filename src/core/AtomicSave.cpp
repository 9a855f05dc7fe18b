#include "core/AtomicSave.h"

#include "core/Cp1252.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vamok {

namespace {

// Long names are shortened so that the temporary name stays within the
// file system's limit for one name.
constexpr qsizetype kMaxBaseInTemporaryName = 200;
constexpr int kNameAttempts = 100;

// The file that is saved, links resolved: the link itself stays a link.
QFileInfo SavedFile(const QString& path)
{
    QFileInfo info(path);
    if (!info.isSymLink())
        return info;
    const QString canonical = info.canonicalFilePath();
    return QFileInfo(canonical.isEmpty() ? info.symLinkTarget() : canonical);
}

struct Temporary {
    int fd = -1;
    QByteArray name;
};

// A new, hidden file beside the target, created exclusively so that no other
// file is ever reused.
std::optional<Temporary> CreateTemporary(const QFileInfo& target, int& error)
{
    const QByteArray prefix = QFile::encodeName(target.absolutePath()) + "/." +
                              QFile::encodeName(target.fileName()).left(kMaxBaseInTemporaryName) + ".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QByteArray name =
            prefix + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return Temporary{fd, name};
        if (errno != EEXIST) {
            error = errno;
            return std::nullopt;
        }
    }
    error = EEXIST;
    return std::nullopt;
}

// 0 when every byte was written, otherwise the errno of the failing write.
int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Writes, syncs and closes the temporary file; 0 or the errno of the step
// that failed. The descriptor is closed in every case.
int FillTemporary(int fd, std::string_view bytes, const struct stat* old)
{
    // The old file's permissions carry over; file systems without them
    // (FAT) refuse, which does not stop the save.
    if (old)
        (void)::fchmod(fd, old->st_mode & 07777);
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// Makes the rename itself survive a crash. File systems that cannot sync a
// folder say EINVAL; that is no failure of the save.
int SyncFolder(const QFileInfo& target)
{
    const int fd = ::open(QFile::encodeName(target.absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

std::string SystemReason(int error)
{
    return ToCp1252(QString::fromLocal8Bit(std::generic_category().message(error)));
}

std::optional<std::string> SaveAtomically(const std::string& path, std::string_view bytes)
{
    return SaveAtomically(FromCp1252(path), bytes);
}

std::optional<std::string> SaveAtomically(const QString& path, std::string_view bytes)
{
    const QFileInfo target = SavedFile(path);
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    struct stat old {};
    const bool hadOld = ::stat(targetName.constData(), &old) == 0;
    // A file its owner made read-only is not replaced, although the folder
    // would allow the rename.
    if (hadOld && ::access(targetName.constData(), W_OK) != 0)
        return SystemReason(errno);

    int error = 0;
    const std::optional<Temporary> temporary = CreateTemporary(target, error);
    if (!temporary)
        return SystemReason(error);
    error = FillTemporary(temporary->fd, bytes, hadOld ? &old : nullptr);
    if (error == 0 && ::rename(temporary->name.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary->name.constData());
        return SystemReason(error);
    }
    // The new file is in place; a folder that cannot be synced is still
    // reported, as the rename may be lost in a crash.
    error = SyncFolder(target);
    if (error != 0)
        return SystemReason(error);
    return std::nullopt;
}

} // namespace vamok
