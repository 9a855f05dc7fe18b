#include "core/IniFile.h"
#include "core/MemorySettingsStore.h"
#include "core/QSettingsStore.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

// The same behaviour is required from the platform store and the test double.
class StoreTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (GetParam()) {
            store_ = std::make_unique<QSettingsStore>(QString::fromStdString(dir_.file("Vamok.ini")));
        } else {
            store_ = std::make_unique<MemorySettingsStore>();
        }
    }
    TempDir dir_;
    std::unique_ptr<SettingsStore> store_;
};

} // namespace

TEST_P(StoreTest, MissingValuesGiveDefaults)
{
    EXPECT_FALSE(store_->exists("", "CommPort"));
    EXPECT_EQ(store_->readText("", "CommPort"), std::nullopt);
    EXPECT_EQ(store_->text("CommPort", "COM1"), "COM1");
    EXPECT_EQ(store_->integer("BenDef", 1), 1);
    EXPECT_FALSE(store_->flag("RixUSB"));
}

TEST_P(StoreTest, FlagIsSetOnlyByOne)
{
    for (const auto& [value, expected] : {std::pair{1, true}, {0, false}, {2, false}, {-1, false}}) {
        store_->writeInt("", "RixUSB", value);
        EXPECT_EQ(store_->flag("RixUSB"), expected) << value;
    }
}

TEST_P(StoreTest, TextThatIsNoIntegerReadsAsMissingInteger)
{
    for (const char* text : {"abc", "1x", " 1", "", "99999999999", "1.0"}) {
        store_->writeText("", "BenDef", text);
        EXPECT_EQ(store_->readInt("", "BenDef"), std::nullopt) << text;
        EXPECT_EQ(store_->integer("BenDef", 1), 1) << text;
    }
    store_->writeText("", "BenDef", "-17");
    EXPECT_EQ(store_->readInt("", "BenDef"), -17);
}

TEST_P(StoreTest, CodePageTextsSurviveAndSubKeysAreSeparate)
{
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    store_->writeText("", "UserPath", bytes);
    store_->writeText(kLanguageSubKey, "Sprache", "Eng");
    EXPECT_EQ(store_->readText("", "UserPath"), bytes);
    EXPECT_EQ(store_->readText(kLanguageSubKey, "Sprache"), "Eng");
    EXPECT_FALSE(store_->exists("", "Sprache"));
    store_->remove("", "UserPath");
    EXPECT_FALSE(store_->exists("", "UserPath"));
    EXPECT_TRUE(store_->exists(kLanguageSubKey, "Sprache"));
}

INSTANTIATE_TEST_SUITE_P(Stores, StoreTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "QSettings" : "Memory"; });

TEST(QSettingsStore, KeyPathIsTheGroupPathOfTheFile)
{
    TempDir dir;
    const QString file = QString::fromStdString(dir.file("Vamok.ini"));
    QSettingsStore store(file);
    store.writeText("", "CommPort", "COM3");
    store.writeText(kLanguageSubKey, "Sprache", "Eng");

    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.value("SOFTWARE/QAL/Vamok/1.2/CommPort").toString(), "COM3");
    EXPECT_EQ(raw.value("SOFTWARE/QAL/Vamok/1.2/Sprache/Sprache").toString(), "Eng");
    // Written at once, so a second program reading the file sees the value.
    EXPECT_EQ(QSettingsStore(file).readText("", "CommPort"), "COM3");
}

TEST(SettingsFacade, InstalledStoreIsUsed)
{
    auto memory = std::make_unique<MemorySettingsStore>();
    MemorySettingsStore* raw = memory.get();
    SetSettingsStore(std::move(memory));
    Settings().writeInt("", "RixUSB", 1);
    EXPECT_TRUE(raw->flag("RixUSB"));
    SetSettingsStore(std::make_unique<MemorySettingsStore>());
    EXPECT_FALSE(Settings().flag("RixUSB"));
}

TEST(QSettingsStore, FileThatCannotBeReadIsNeverRewritten)
{
    TempDir dir;
    const std::string huge(kMaxIniFileSize + 1, ';');
    dir.write("Vamok.ini", huge);
    QSettingsStore store(QString::fromStdString(dir.file("Vamok.ini")));
    const std::optional<std::string> failure = store.writeText("", "CommPort", "COM3");
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_EQ(store.readText("", "CommPort"), std::nullopt);
    EXPECT_EQ(QFileInfo(QString::fromStdString(dir.file("Vamok.ini"))).size(), static_cast<qint64>(huge.size()));
}
