#include "i18n/LanguageChoice.h"

#include "core/IniFile.h"
#include "core/SettingsStore.h"
#include "core/Switches.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguageText.h"

#include <optional>

namespace vamok {

namespace {

std::optional<IniFile> LanguageList(std::string& path)
{
    path = LanguageFilePath(kLanguageListFileName).value_or(LanguageFolder() + kLanguageListFileName);
    return IniFile::Load(path);
}

} // namespace

LanguageBox FillLanguageBox(const std::string& currentCode, const std::vector<std::string>& args,
                            const MessageText& message)
{
    LanguageBox box;
    box.text = kOriginalLanguage;
    std::string path;
    if (const std::optional<IniFile> list = LanguageList(path)) {
        for (const std::string& name : list->keys(kLanguageListSection)) {
            box.items.push_back(name);
            if (list->text(kLanguageListSection, name, "") == currentCode) {
                box.text = name;
            }
        }
    } else {
        box.problem = "Ini-File " + path + message(MsgListMissing) + "\r\n" + message(MsgNoLanguageChange);
    }
    box.items.emplace_back(kOriginalLanguageItem);
    box.code = currentCode;
    for (const std::string& arg : args) {
        if (UpperAscii(arg) == "SPRACHINIT") {
            box.items.push_back(message(MsgCreateMasterFile));
            if (currentCode.empty()) {
                box.text = message(MsgCreateMasterFile);
            }
        }
    }
    return box;
}

std::string CodeOfChoice(const std::string& boxText)
{
    if (boxText == kOriginalLanguage) {
        return kOriginalLanguage;
    }
    std::string path;
    const std::optional<IniFile> list = LanguageList(path);
    return list ? list->text(kLanguageListSection, boxText, "") : std::string();
}

void StoreLanguageChoice(const std::string& boxText, const std::string& selectedCode, const MessageText& message)
{
    const std::string code = boxText == message(MsgCreateMasterFile) ? std::string() : selectedCode;
    Settings().writeText(kLanguageSubKey, kLanguageValueName, code);
}

std::string RestartQuestion(const MessageText& message)
{
    return message(MsgRestart1) + "\r\n" + message(MsgRestart2) + "\r\n" + message(MsgQuitNow);
}

} // namespace vamok
