#pragma once
// The instruments' PDF manuals in the program folder.
#include <functional>
#include <string>

namespace vamok {

// Shows one message with an OK button (text, caption).
using ShowMessage = std::function<void(const std::string& text, const std::string& caption)>;
// Asks the platform to open a file with its default viewer.
using OpenDocument = std::function<void(const std::string& path)>;

// The manual's file name for the model (rix, else Ventiq, else altarim) and
// the language ("ENG" in any letter case chooses the English manual).
std::string ManualFileName(bool rix, bool ventiq, const std::string& languageCode);

// Opens ProgramPath + the manual's name for App().LanguageCode. A missing
// file is reported ("<name> not found!", caption "Error") and the platform
// is still asked to open the path, so its own viewer can complain too.
void OpenManual(bool rix, bool ventiq, const ShowMessage& showMessage,
                const OpenDocument& open);

// The platform's "open" action; a failure is not reported.
void OpenWithDefaultViewer(const std::string& path);

} // namespace vamok
