#include "types/TypeLibraryFile.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/TextHelpers.h"

#include <QFile>

namespace vamok {

std::string LibraryPath()
{
    return App().AppDataPath + kLibraryFileName;
}

std::string ShippedLibraryPath()
{
    return App().ProgramPath + kLibraryFileName;
}

std::string BackupName(const std::string& path)
{
    return UniqueFileName(path + ".bak");
}

std::string MoveToBackup(const std::string& path)
{
    const std::string backup = BackupName(path);
    return QFile::rename(FromCp1252(path), FromCp1252(backup)) ? backup : std::string();
}

TypeLoadResult LoadLibrary(TypeReporter& reporter, const std::string& path)
{
    const TypeLoadResult result = LoadTypeFile(path, reporter);
    if (result.status != TypeFileStatus::Damaged && result.status != TypeFileStatus::Unreadable)
        return result;
    const std::string backup = MoveToBackup(path);
    const std::string head = result.status == TypeFileStatus::Damaged
        ? "Die Typdefinitionen sind besch\xE4" "digt:"
        : "Die Typdefinitionen k\xF6nnen nicht gelesen werden:";
    if (backup.empty())
        reporter.Message("FEHLER", head + "\r\n" + path + "\r\nDie Datei konnte nicht gesichert werden!");
    else
        reporter.Message("Achtung", head + "\r\n" + path + "\r\nDie Datei wurde gesichert als:\r\n" + backup);
    return result;
}

bool SaveLibrary(TypeReporter& reporter, const std::string& path)
{
    return SaveTypeFile(path, reporter);
}

} // namespace vamok
