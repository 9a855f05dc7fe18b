#include "core/Manual.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Switches.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace vamok {

std::string ManualFileName(bool rix, bool ventiq, const std::string& languageCode)
{
    const bool english = UpperAscii(languageCode) == "ENG";
    if (rix) {
        return english ? "VAMOK-rix compact manual EN.pdf" : "VAMOK-rix Kompaktanleitung DE.pdf";
    }
    if (ventiq) {
        return english ? "Ventiq manual_en.pdf" : "Ventiq Anleitung DE.pdf";
    }
    return english ? "VAMOK compact manual_en.pdf" : "VAMOK-altarim Komplettanleitung DE.pdf";
}

void OpenManual(bool rix, bool ventiq, const ShowMessage& showMessage, const OpenDocument& open)
{
    const std::string name = ManualFileName(rix, ventiq, App().LanguageCode);
    const std::string path = App().ProgramPath + name;
    if (!QFileInfo::exists(FromCp1252(path)) && showMessage) {
        showMessage(name + " not found!", "Error");
    }
    if (open) {
        open(path);
    }
}

void OpenWithDefaultViewer(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(FromCp1252(path)));
}

} // namespace vamok
