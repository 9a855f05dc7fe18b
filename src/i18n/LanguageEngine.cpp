#include "i18n/LanguageEngine.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/SettingsStore.h"
#include "core/Switches.h"
#include "i18n/LanguageText.h"

#include <QDateTime>
#include <QLocale>
#include <QtDebug>

namespace vamok {

namespace {

constexpr const char* kErrorCaption = "ERROR";
constexpr const char* kKeyUnsetMessage =
    "Schl\xFCssel \"LangKey\" f\xFCr Sprachregistrierung muss noch zugewiesen werden!\r\n"
    "Bitte Software-Hersteller Kontaktieren.\r\n"
    "(Language-Error, please contact manufacturer.)";
constexpr const char* kFolderMissingMessage =
    "Das Sprachverzeichnis \"\\Lang\" wurde nicht gefunden!\r\n"
    "Default-Sprache wird geladen!\r\n"
    "Language-Directory \"\\Lang\" not found!\r\n"
    "Loading default language.";

// The settings store addresses its keys relative to the program's main key.
std::string SubKeyOf(const std::string& languageKey)
{
    const std::string prefix = std::string(kSettingsKey) + "\\";
    if (UpperAscii(languageKey.substr(0, prefix.size())) == UpperAscii(prefix)) {
        return languageKey.substr(prefix.size());
    }
    return UpperAscii(languageKey) == UpperAscii(kSettingsKey) ? std::string() : languageKey;
}

std::string NowText()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return ToCp1252(locale.toString(now.date(), QLocale::ShortFormat) + ' ' +
                    now.time().toString(QStringLiteral("HH:mm:ss")));
}

} // namespace

void LanguageEngine::init(const std::string& languageKey, const std::vector<std::string>& args)
{
    masterMode_ = IsMasterCollection(args);
    languageKey_ = languageKey;
    if (languageKey.empty()) {
        message(kErrorCaption, kKeyUnsetMessage);
        return;
    }
    App().LanguageCode =
        Settings().readText(SubKeyOf(languageKey), kLanguageValueName).value_or(kOriginalLanguage);
}

bool LanguageEngine::isOriginal() const
{
    return UpperAscii(App().LanguageCode) == UpperAscii(kOriginalLanguage);
}

bool LanguageEngine::folderMissing()
{
    if (LanguageFolderExists()) {
        return false;
    }
    message(kErrorCaption, kFolderMissingMessage);
    return true;
}

bool LanguageEngine::startTranslation() { return !isOriginal() && !folderMissing(); }

WindowPass LanguageEngine::startWindow(const std::string& className)
{
    if (languageKey_.empty()) {
        message(kErrorCaption, kKeyUnsetMessage);
        return WindowPass::Skip;
    }
    if (isOriginal() || folderMissing()) {
        return WindowPass::Skip;
    }
    section_ = className;
    if (!App().LanguageCode.empty()) {
        return WindowPass::Apply;
    }
    // Without the master mode a collection would record nothing.
    return masterMode_ ? WindowPass::Collect : WindowPass::Skip;
}

void LanguageEngine::message(const std::string& caption, const std::string& text)
{
    if (showMessage) {
        showMessage(text, caption);
    } else {
        qWarning().noquote() << FromCp1252(caption) << FromCp1252(text);
    }
}

std::string LanguageEngine::read(std::string_view fileName, const std::string& section,
                                 const std::string& key)
{
    const std::optional<std::string> path = LanguageFilePath(fileName);
    std::optional<std::string> value = path ? files_.value(*path, section, key) : std::nullopt;
    return value.value_or(kAbsentText);
}

void LanguageEngine::write(std::string_view fileName, const std::string& section, const std::string& key,
                           const std::string& value)
{
    const std::optional<std::string> path = LanguageFilePath(fileName);
    std::string error;
    if (path && files_.write(*path, section, key, value, error)) {
        return;
    }
    // One report per run: a folder that cannot be written would otherwise
    // bring up a message for every text of every window.
    if (!writeFailureShown_) {
        writeFailureShown_ = true;
        message(kErrorCaption, "Cannot write " + LanguageFolder() + std::string(fileName) + ": " +
                                   (path ? error : "invalid file name"));
    }
}

std::string LanguageEngine::lookupText(const std::string& section, std::string key,
                                       const std::string& fallback, const std::string& code)
{
    const std::size_t mark = key.find(kSpecialKeyMark);
    const bool special = mark != std::string::npos;
    if (special) {
        key.erase(mark, std::string_view(kSpecialKeyMark).size());
    }
    key = PadKey(std::move(key));
    const std::string translation = read(LanguageFileName(code), section, key);
    if (read(kIgnoreFileName, section, key) != kAbsentText) {
        return special ? kKeepItemsMark + fallback : fallback;
    }
    if (translation != kAbsentText) {
        return RestoreLineBreaks(translation);
    }
    if (!fallback.empty() && masterMode_) {
        logMissing(section, key, fallback, code);
    }
    return fallback;
}

void LanguageEngine::logMissing(const std::string& section, const std::string& key, const std::string& text,
                                const std::string& code)
{
    const std::string logFile = MissingFileName(code);
    write(logFile, "Error", PadKey(code + ".Time"), NowText());
    write(logFile, "Error", PadKey(code + ".Comment"), "Entry dosn't exist in " + code);
    if (!IsWholeNumber(text)) {
        write(logFile, section, key, StoreLineBreaks(text));
    }
}

void LanguageEngine::recordMasterText(const std::string& key, const std::string& text)
{
    if (!masterMode_ || text.empty()) {
        return;
    }
    const std::string stored = StoreLineBreaks(text);
    const std::string padded = PadKey(key);
    if (read(kMasterFileName, section_, padded) == stored) {
        return;
    }
    if (read(kIgnoreFileName, section_, padded) == kAbsentText && stored != "-" && !IsWholeNumber(stored)) {
        write(kMasterFileName, section_, padded, stored);
    }
}

LanguageEngine& Language()
{
    static LanguageEngine engine;
    return engine;
}

void InitLanguage(const std::string& languageKey, const std::vector<std::string>& args)
{
    Language().init(languageKey, args);
}

std::string LookupText(const std::string& section, const std::string& key, const std::string& fallback,
                       const std::string& code)
{
    return Language().lookupText(section, key, fallback, code);
}

void RecordMasterText(const std::string& key, const std::string& text)
{
    Language().recordMasterText(key, text);
}

std::string WindowTexts::text(const std::string& key, const std::string& current)
{
    if (pass_ == WindowPass::Apply) {
        return engine_.lookupText(engine_.section(), key, current, App().LanguageCode);
    }
    if (pass_ == WindowPass::Collect) {
        engine_.recordMasterText(key, current);
    }
    return current;
}

std::string WindowTexts::listHint(const std::string& name, const std::string& current, bool& translateItems)
{
    if (pass_ != WindowPass::Apply) {
        translateItems = true;
        return text(PropertyKey(name, "Hint"), current);
    }
    std::string hint = text(kSpecialKeyMark + PropertyKey(name, "Hint"), current);
    translateItems = hint.find(kKeepItemsMark) == std::string::npos;
    return hint;
}

void WindowTexts::recordOnly(const std::string& key, const std::string& current)
{
    if (pass_ == WindowPass::Collect) {
        engine_.recordMasterText(key, current);
    }
}

} // namespace vamok
