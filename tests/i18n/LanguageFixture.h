#pragma once
// A program folder in a temp folder with its "Lang/" folder, a fresh
// engine, an in-memory settings store and a record of the messages shown.
#include "core/AppState.h"
#include "core/IniFile.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "i18n/LanguageEngine.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class LanguageFixture : public ::testing::Test {
protected:
    static constexpr const char* kLanguageKey = "SOFTWARE\\QAL\\Vamok\\1.2\\Sprache";

    void SetUp() override
    {
        vamok::App() = vamok::AppState{};
        vamok::App().ProgramPath = program.path();
        vamok::SetSettingsStore(std::make_unique<vamok::MemorySettingsStore>());
        vamok::Language() = vamok::LanguageEngine{};
        vamok::Language().showMessage = [this](const std::string& text, const std::string& caption) {
            messages.emplace_back(caption, text);
        };
        QDir().mkpath(QString::fromStdString(program.file("Lang")));
    }

    void removeLanguageFolder() { QDir(QString::fromStdString(program.file("Lang"))).removeRecursively(); }

    void writeLang(const std::string& name, const std::string& bytes) const
    {
        program.write("Lang/" + name, bytes);
    }
    std::string readLang(const std::string& name) const { return program.read("Lang/" + name); }
    bool langFileExists(const std::string& name) const
    {
        return QFile::exists(QString::fromStdString(program.file("Lang/" + name)));
    }
    vamok::IniFile langIni(const std::string& name) const
    {
        return vamok::IniFile::FromBytes(readLang(name));
    }

    // Starts a run as the main window does: the stored code, the arguments.
    void start(const std::string& code, std::vector<std::string> args = {"vamok"})
    {
        vamok::Settings().writeText(vamok::kLanguageSubKey, "Sprache", code);
        vamok::InitLanguage(kLanguageKey, args);
    }

    TempDir program;
    std::vector<std::pair<std::string, std::string>> messages;
};
