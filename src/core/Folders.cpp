#include "core/Folders.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vamok {

namespace {

QString PlatformFolder(SpecialFolderId id)
{
    switch (id) {
    case SpecialFolderId::Documents:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case SpecialFolderId::CommonDocuments:
#ifdef Q_OS_WIN
    {
        // The public profile's documents (C:\Users\Public\Documents).
        const QString publicFolder = QStandardPaths::writableLocation(QStandardPaths::PublicShareLocation);
        return publicFolder.isEmpty() ? QString() : publicFolder + "/Documents";
    }
#else
        // Desktop Linux has no documents folder shared by all users that a
        // user may write to ("Public" is for handing files to others), so
        // exports go to the user's own documents folder.
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#endif
    case SpecialFolderId::AppData:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }
    return {};
}

std::string VamokSubFolder()
{
    const char sep = PathSeparator();
    return std::string("QAL") + sep + "VAMOK" + sep;
}

bool EndsWithSeparator(const std::string& folder)
{
    return !folder.empty() && (folder.back() == PathSeparator() || folder.back() == '/');
}

} // namespace

char PathSeparator()
{
    return static_cast<char>(QDir::separator().toLatin1());
}

std::string WithTrailingSeparator(std::string folder)
{
    if (!EndsWithSeparator(folder)) {
        folder.push_back(PathSeparator());
    }
    return folder;
}

std::string SpecialFolder(SpecialFolderId id)
{
    const QString folder = PlatformFolder(id);
    if (folder.isEmpty()) {
        return {};
    }
    return WithTrailingSeparator(ToCp1252(QDir::toNativeSeparators(folder)));
}

std::string DocumentsFolder()
{
    return SpecialFolder(SpecialFolderId::Documents);
}

std::string DefaultUserFolder()
{
    return DocumentsFolder() + VamokSubFolder();
}

std::string UserFolder()
{
    return App().UserPathSet ? App().UserPath : DefaultUserFolder();
}

std::string ExportFolder()
{
    return SpecialFolder(SpecialFolderId::CommonDocuments);
}

std::string AppDataFolder()
{
    return SpecialFolder(SpecialFolderId::AppData) + VamokSubFolder();
}

std::string ProgramFolder()
{
    return WithTrailingSeparator(
        ToCp1252(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
}

std::string ShippedFilesFolder(const std::string& programFolder)
{
    const QString program = FromCp1252(programFolder);
    if (QFileInfo(program + QStringLiteral("Lang")).isDir())
        return programFolder;
    const QString installed = QDir::cleanPath(program + QStringLiteral(VAMOK_DATA_FROM_BIN));
    if (QFileInfo(installed).isDir())
        return WithTrailingSeparator(ToCp1252(QDir::toNativeSeparators(installed)));
    return programFolder;
}

std::string ShippedFilesFolder() { return ShippedFilesFolder(ProgramFolder()); }

bool MakeFolder(const std::string& folder)
{
    if (folder.empty()) {
        return false;
    }
    QDir().mkpath(FromCp1252(folder));
    return FolderExists(folder);
}

bool FolderExists(const std::string& folder)
{
    return !folder.empty() && QFileInfo(FromCp1252(folder)).isDir();
}

void StoreUserPath()
{
    if (App().UserPathSet) {
        Settings().writeText("", "UserPath", App().UserPath);
    }
}

void AdoptUserPathFromFile(const std::string& fileName)
{
    if (App().UserPathSet || fileName.empty()) {
        return;
    }
    // The absolute folder, so that a bare file name does not choose the root.
    const QString folder = QFileInfo(FromCp1252(fileName)).absolutePath();
    App().UserPath = WithTrailingSeparator(ToCp1252(QDir::toNativeSeparators(folder)));
    App().UserPathSet = true;
    StoreUserPath();
}

} // namespace vamok
