#include "support/HomeFixture.h"

#include "core/ConnectionSettings.h"
#include "core/Folders.h"
#include "app/StartupSettings.h"

#include <QDir>
#include <QFileInfo>

using namespace vamok;

using StartupSettings = HomeFixture;

TEST_F(StartupSettings, FirstStartWritesDefaults)
{
    const StartupResult result = LoadStartupSettings({"vamok"});

    EXPECT_FALSE(result.folderFailure);
    EXPECT_EQ(store_->readText("", "CommPort"), "COM1");
    EXPECT_EQ(store_->readInt("", "RixUSB"), 1);
    EXPECT_TRUE(App().UsbMode);
    EXPECT_FALSE(App().VentiqMode);
    EXPECT_FALSE(App().QuadrovanMode);
    EXPECT_EQ(App().ComPortNumber, 1);
    EXPECT_FALSE(App().UserPathSet);
    EXPECT_FALSE(store_->exists("", "UserPath"));

    const std::vector<std::string> expected{"All",   "Standard", "User1", "User2", "User3",
                                            "User4", "User5",    "User6", "User7", "User8"};
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(App().ProfileNames[n], expected[n]);
        EXPECT_EQ(store_->readText("", "R_ProfileName" + std::to_string(n)), expected[n]);
    }

    EXPECT_EQ(App().AppDataPath, home() + "data/QAL/VAMOK/");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(App().AppDataPath)).isDir());
    EXPECT_EQ(App().ProgramPath.back(), '/');
}

TEST_F(StartupSettings, StoredValuesAreRead)
{
    const std::string userPath = home() + "work/messungen/";
    store_->writeText("", "UserPath", userPath);
    store_->writeText("", "CommPort", "COM12");
    store_->writeText("", "CommDevice", "/dev/pts/7");
    store_->writeInt("", "RixUSB", 2);
    store_->writeInt("", "GlobeCom", 1);
    store_->writeText("", "R_ProfileName0", "Alles");
    store_->writeText("", "R_ProfileName3", "Buero mit langem Namen");
    store_->writeText("", "R_ProfileName9", "");

    LoadStartupSettings({"vamok", "serdebug"});

    EXPECT_TRUE(App().UserPathSet);
    EXPECT_EQ(App().UserPath, userPath);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(userPath)).isDir());
    EXPECT_FALSE(App().UsbMode); // "RixUSB" = 2 is not set
    EXPECT_TRUE(App().QuadrovanMode);
    EXPECT_EQ(App().ComPortNumber, 12);
    EXPECT_EQ(App().ComPortPath, "/dev/pts/7");
    EXPECT_TRUE(App().SerialDebugMode);
    EXPECT_TRUE(App().PrintPreview);

    EXPECT_EQ(App().ProfileNames[0], "All");
    EXPECT_EQ(App().ProfileNames[2], "User1");
    EXPECT_EQ(App().ProfileNames[3], "Buero mit langem ");
    EXPECT_EQ(App().ProfileNames[9], "");
    EXPECT_EQ(store_->readText("", "R_ProfileName0"), "All");
    EXPECT_EQ(store_->readText("", "R_ProfileName3"), "Buero mit langem ");
}

TEST_F(StartupSettings, UncreatableWorkingFolderIsAFolderFailure)
{
    home_.write("afile", "x");
    store_->writeText("", "UserPath", home() + "afile/sub/");
    const StartupResult result = LoadStartupSettings({"vamok"});
    EXPECT_TRUE(result.folderFailure);
    EXPECT_TRUE(App().UserPathSet);
}

TEST(CommPort, NumberAfterThreeCharacters)
{
    const std::vector<std::pair<std::string, int>> cases{
        {"COM12", 12}, {"COM1", 1}, {"COM3", 3}, {"COMx", 1}, {"COM", 1},
        {"", 1},       {"COM0", 1}, {"COM-2", 1}, {"COM7 ", 1}, {"XYZ64", 64},
        {"COM99999999999", 1}};
    for (const auto& [text, port] : cases) {
        EXPECT_EQ(ParseCommPort(text), port) << text;
    }
}
