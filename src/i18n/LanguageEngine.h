#pragma once
// The run-time translation: the language chosen in the settings, the lookup
// of a window's texts in "Master." + code, the ignore list "MASTER.IGNORE",
// the log of missing texts "_Missing." + code, and the master collection
// into "MASTER.LANG" that translators start from. All in the folder
// LanguageFolder(); texts are CP1252 bytes.
//
// The language code lives in App().LanguageCode. An empty code selects the
// master collection, which records only when the program was started with
// the argument "SPRACHINIT" (the master mode); in master mode a language run
// also logs every text its file lacks.
#include "core/Manual.h"
#include "i18n/LanguageFiles.h"

#include <string>
#include <vector>

namespace vamok {

// What translating one window amounts to.
enum class WindowPass {
    Skip,    // nothing to do (German interface, or no language folder)
    Apply,   // replace the texts by those of the language file
    Collect, // record the texts into the master file
};

class LanguageEngine {
public:
    // Takes the master mode from the arguments and the language code from
    // the value "Sprache" of the settings key languageKey.
    void init(const std::string& languageKey, const std::vector<std::string>& args);

    bool masterMode() const { return masterMode_; }
    const std::string& languageKey() const { return languageKey_; }
    const std::string& section() const { return section_; }

    // Whether the windows are to be translated at all (reports a missing
    // language folder).
    bool startTranslation();
    // Makes className the current section and says what to do with it
    // (reports an unset language key or a missing folder).
    WindowPass startWindow(const std::string& className);

    std::string lookupText(const std::string& section, std::string key, const std::string& fallback,
                           const std::string& code);
    void recordMasterText(const std::string& key, const std::string& text);

    // Shows the engine's messages (OK button); the windows install message
    // boxes. When unset the messages go to the log.
    ShowMessage showMessage;

private:
    bool isOriginal() const;
    bool folderMissing();
    void message(const std::string& caption, const std::string& text);
    // The value, or kAbsentText.
    std::string read(std::string_view fileName, const std::string& section, const std::string& key);
    void write(std::string_view fileName, const std::string& section, const std::string& key,
               const std::string& value);
    void logMissing(const std::string& section, const std::string& key, const std::string& text,
                    const std::string& code);

    std::string languageKey_;
    bool masterMode_ = false;
    std::string section_;
    bool writeFailureShown_ = false;
    LanguageFileCache files_;
};

// The engine of this run. Tests reset it with `Language() = LanguageEngine{};`.
LanguageEngine& Language();

// Called once by the main window's create handler, before any other window
// exists; args: the program's command line (CP1252).
void InitLanguage(const std::string& languageKey, const std::vector<std::string>& args);

// The translation of one key of a section, or fallback.
std::string LookupText(const std::string& section, const std::string& key, const std::string& fallback,
                       const std::string& code);
// Records one text of the current section in the master file.
void RecordMasterText(const std::string& key, const std::string& text);

// The walk over one window's texts, in either pass.
class WindowTexts {
public:
    WindowTexts(LanguageEngine& engine, WindowPass pass) : engine_(engine), pass_(pass) {}

    // The text the property is to show: the translation (Apply) or the
    // current text, recorded (Collect).
    std::string text(const std::string& key, const std::string& current);
    // The hint of a list or combo box named name; translateItems says
    // whether its items are to be walked.
    std::string listHint(const std::string& name, const std::string& current, bool& translateItems);
    // A text only the master collection records (a scroll bar's hint).
    void recordOnly(const std::string& key, const std::string& current);

private:
    LanguageEngine& engine_;
    WindowPass pass_;
};

} // namespace vamok
