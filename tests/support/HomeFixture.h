#pragma once
// Points the user's home, data and configuration folders at a temporary
// folder and installs an empty in-memory settings store, so start-up code
// runs against real folders without touching the real user's.
#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <gtest/gtest.h>

class HomeFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kVariables) {
            saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        }
        qputenv("HOME", home_.path().c_str());
        qputenv("XDG_DATA_HOME", (home_.path() + "data").c_str());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "config").c_str());
        auto store = std::make_unique<vamok::MemorySettingsStore>();
        store_ = store.get();
        vamok::SetSettingsStore(std::move(store));
        vamok::App() = vamok::AppState{};
    }

    void TearDown() override
    {
        for (const Saved& s : saved_) {
            if (s.wasSet) {
                qputenv(s.name, s.value);
            } else {
                qunsetenv(s.name);
            }
        }
        vamok::SetSettingsStore(std::make_unique<vamok::MemorySettingsStore>());
        vamok::App() = vamok::AppState{};
    }

    std::string home() const { return home_.path(); }

    TempDir home_;
    vamok::MemorySettingsStore* store_ = nullptr;

private:
    static constexpr const char* kVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Saved> saved_;
};
