#pragma once
// Qt's own texts (message box buttons, file and print dialogs) in the
// program's language, from the translations Qt ships (qtbase_<locale>.qm).
#include <string>

namespace vamok {

// The Qt locale name for a language code of the settings: German for the
// original interface and the master collection, "en" for "Eng", a known
// three-letter code or a plain locale name ("fr", "pt_BR") otherwise;
// empty when the code names no locale.
std::string QtLocaleForLanguage(const std::string& languageCode);

// Installs Qt's translation for the language code into the application, once
// per run; true when a translation file was found (English needs none).
bool InstallQtTranslations(const std::string& languageCode);

} // namespace vamok
