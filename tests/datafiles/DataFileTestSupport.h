#pragma once
// Shared set-up for the data-file tests: a fresh application state, an
// in-memory settings store and the PC type library holding "VAM ".
#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "measure/DataFileTexts.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QFile>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class DataFileTestBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        vamok::App() = vamok::AppState{};
        vamok::SetSettingsStore(std::make_unique<vamok::MemorySettingsStore>());
        vamok::ResetPCTypes();
        vamok::PCTypes().push_back(vamok::DefaultType());
    }
    void TearDown() override { vamok::ResetPCTypes(); }

    static std::string Fixture(const std::string& name)
    {
        return std::string(VAMOK_TEST_DATA) + "/files/" + name;
    }
    static std::string ReadBytes(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }

    const vamok::DataFileTexts texts_ = vamok::DefaultDataFileTexts();
};
