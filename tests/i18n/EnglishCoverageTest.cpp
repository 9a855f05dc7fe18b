// The shipped English language file against the real windows: an English
// run with the shipped Lang folder logs no text of the window as missing
// (nothing visible stays German), and the file holds no entry that the
// master collection of the window does not record (a key with a typo, or a
// control renamed since, would silently leave its text German).
#include "EnglishCoverageWindows.h"

#include "support/HomeFixture.h"
#include "core/IniFile.h"
#include "core/SettingsStore.h"
#include "i18n/LanguageEngine.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguageText.h"
#include "i18n/TranslatorWidget.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vamok;

namespace {

constexpr const char* kLanguageKey = "SOFTWARE\\QAL\\Vamok\\1.2\\Sprache";

// The repository's lang folder, as the build installs it next to the program.
QString ShippedLanguageFolder() { return QStringLiteral(VAMOK_TEST_DATA "/../../lang"); }

class EnglishCoverage : public HomeFixture, public ::testing::WithParamInterface<WindowCase> {
protected:
    void SetUp() override
    {
        HomeFixture::SetUp();
        const QDir shipped(ShippedLanguageFolder());
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(program.file("Lang"))));
        for (const QString& name : shipped.entryList(QDir::Files)) {
            ASSERT_TRUE(QFile::copy(shipped.filePath(name), QString::fromStdString(program.file("Lang/" + name.toStdString()))))
                << name.toStdString();
        }
    }

    void TearDown() override
    {
        Language() = LanguageEngine{};
        HomeFixture::TearDown();
    }

    // Builds the window afresh and translates it with the language code (the
    // master collection for ""), in master mode so that gaps are logged.
    void translateWindow(const std::string& code)
    {
        Settings().writeText(kLanguageSubKey, kLanguageValueName, code);
        Language() = LanguageEngine{};
        Language().showMessage = [this](const std::string& text, const std::string& caption) {
            messages.push_back(caption + ": " + text);
        };
        WindowParts parts;
        QWidget& window = GetParam().create(parts);
        // The main window's start-up points the program folder at the binary's.
        App().ProgramPath = program.path();
        InitLanguage(kLanguageKey, {"vamok", "SPRACHINIT"});
        TranslateWindow(window);
    }

    IniFile languageFile(const std::string& name) const
    {
        return IniFile::Load(program.file("Lang/" + name)).value_or(IniFile{});
    }

    TempDir program;
    std::vector<std::string> messages;
};

std::string Entries(const IniFile& file, const std::string& section, const std::vector<std::string>& keys)
{
    std::string lines;
    for (const std::string& key : keys) {
        lines += "  " + key + "=" + file.text(section, key, "") + "\n";
    }
    return lines;
}

TEST_P(EnglishCoverage, EveryTextOfTheWindowHasAnEnglishEntry)
{
    const std::string section = GetParam().section;
    const IniFile english = languageFile(LanguageFileName("Eng"));

    translateWindow("");
    const IniFile master = languageFile(kMasterFileName);
    ASSERT_FALSE(master.keys(section).empty()) << "the window recorded nothing under [" << section << "]";
    std::vector<std::string> stale;
    for (const std::string& key : english.keys(section)) {
        if (!master.value(section, key)) {
            stale.push_back(key);
        }
    }
    EXPECT_TRUE(stale.empty()) << "Master.Eng has entries the window does not have in [" << section << "]:\n"
                               << Entries(english, section, stale);

    translateWindow("Eng");
    const IniFile missing = languageFile(MissingFileName("Eng"));
    EXPECT_TRUE(missing.keys(section).empty()) << "_Missing.Eng after an English run:\n"
                                               << Entries(missing, section, missing.keys(section));
    EXPECT_TRUE(messages.empty()) << messages.front();
}

INSTANTIATE_TEST_SUITE_P(ProgramWindows, EnglishCoverage, ::testing::ValuesIn(ProgramWindows()),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.section); });

} // namespace
