#include "types/TypeImport.h"

#include "core/AppState.h"
#include "core/Cp1252.h"

#include <QFile>
#include <QFileInfo>

namespace vamok {

namespace {

const char* const kKeepMessage = "Bisherige Definitionen werden beibehalten!";

void Refuse(const std::string& text, const std::string& library, TypeReporter& reporter)
{
    LoadLibrary(reporter, library);
    reporter.Message("Achtung", text + "\r\n" + kKeepMessage);
}

} // namespace

bool ImportTypeFile(const std::string& source, TypeReporter& reporter, bool startupCheck,
                    const std::string& library)
{
    const std::optional<std::string> bytes = ReadTypeFileBytes(source);
    const bool valid = bytes && LoadTypeText(*bytes, source, reporter).Valid();
    if (!valid) {
        LoadLibrary(reporter, library);
        if (!startupCheck)
            reporter.Message("Achtung", "Gefundene Datei\r\n" + source
                                 + "\r\nenth\xE4lt kein g\xFCltiges Format f\xFCr Typdefinitionen!\r\n"
                                 + kKeepMessage);
        return false;
    }
    if (!reporter.AskYes("Achtung", "Weitere Typdefinition gefunden in:\r\n" + source
                                        + "\r\nM\xF6" "chten Sie diese Typdefinition verwenden?\r\n"
                                          "(Die bisherige Definition wird \xDC" "berschrieben\r\n"
                                          " und als Backup gespeichert).")) {
        LoadLibrary(reporter, library);
        return false;
    }
    std::string backup;
    if (QFileInfo::exists(FromCp1252(library))) {
        backup = MoveToBackup(library);
        if (backup.empty()) {
            Refuse("Die bisherige Typdefinition konnte nicht gesichert werden als:\r\n" + BackupName(library),
                   library, reporter);
            return false;
        }
    }
    std::string reason;
    if (!WriteTypeFileBytes(library, *bytes, &reason)) {
        if (!backup.empty())
            QFile::rename(FromCp1252(backup), FromCp1252(library));
        Refuse("Die Typdefinition konnte nicht geschrieben werden:\r\n" + library + "\r\n" + reason, library,
               reporter);
        return false;
    }
    reporter.Message("Achtung", "Typdefinition \xFC" "berschrieben.");
    return true;
}

bool ImportFromProgramFolder(TypeReporter& reporter, bool startupCheck)
{
    const std::string source = ShippedLibraryPath();
    if (!QFileInfo::exists(FromCp1252(source))) {
        if (!startupCheck)
            reporter.Message("Achtung", "Keine Typdefinitionen gefunden unter:\r\n" + App().ProgramPath
                                            + "\r\n" + kKeepMessage);
        return false;
    }
    return ImportTypeFile(source, reporter, startupCheck);
}

} // namespace vamok
