#include "support/HomeFixture.h"

#include "core/ConnectionSettings.h"
#include "core/Folders.h"

#include <QDir>

using namespace vamok;

using Folders = HomeFixture;

TEST_F(Folders, DerivedFromThePlatformFolders)
{
    EXPECT_EQ(DocumentsFolder(), home() + "Documents/");
    EXPECT_EQ(DefaultUserFolder(), home() + "Documents/QAL/VAMOK/");
    EXPECT_EQ(UserFolder(), DefaultUserFolder());
    EXPECT_EQ(ExportFolder(), home() + "Documents/");
    EXPECT_EQ(AppDataFolder(), home() + "data/QAL/VAMOK/");

    App().UserPathSet = true;
    App().UserPath = "/srv/messungen/";
    EXPECT_EQ(UserFolder(), "/srv/messungen/");
}

TEST_F(Folders, AdoptUserPathOnlyWhenNoneIsChosen)
{
    AdoptUserPathFromFile("/data/vamok/Halle 3.VAM");
    EXPECT_TRUE(App().UserPathSet);
    EXPECT_EQ(App().UserPath, "/data/vamok/");
    EXPECT_EQ(store_->readText("", "UserPath"), "/data/vamok/");

    AdoptUserPathFromFile("/other/x.VAM");
    EXPECT_EQ(App().UserPath, "/data/vamok/");
    EXPECT_EQ(store_->readText("", "UserPath"), "/data/vamok/");
}

TEST_F(Folders, StoreUserPathOnlyWhenSet)
{
    App().UserPath = "/x/";
    StoreUserPath();
    EXPECT_FALSE(store_->exists("", "UserPath"));
    App().UserPathSet = true;
    StoreUserPath();
    EXPECT_EQ(store_->readText("", "UserPath"), "/x/");
}

TEST_F(Folders, ConnectionSettingsAreWrittenFromTheFlags)
{
    App().UsbMode = true;
    App().VentiqMode = false;
    App().QuadrovanMode = true;
    WriteConnectionSettings(65536 + 7, "");
    EXPECT_EQ(store_->readText("", "CommPort"), "COM7");
    EXPECT_EQ(store_->readText("", "Sprache"), "");
    EXPECT_FALSE(store_->exists("", "UserPath"));
    EXPECT_EQ(store_->readInt("", "RixUSB"), 1);
    EXPECT_EQ(store_->readInt("", "VentiqUSB"), 0);
    EXPECT_EQ(store_->readInt("", "GlobeCom"), 1);
}

TEST_F(Folders, FoundValuesStayOnceWritten)
{
    App().LastVamok = "VamokAltarim";
    WriteDeviceHistory();
    App().LastVamok = "VamokRix";
    WriteDeviceHistory();
    App().LastVamok = "Unbekannt";
    WriteDeviceHistory();

    App() = AppState{};
    ReadDeviceHistory();
    EXPECT_EQ(App().LastVamok, "Unbekannt");
    EXPECT_TRUE(App().FoundAltarim);
    EXPECT_TRUE(App().FoundRix);
    EXPECT_FALSE(App().FoundQuadrovan);
    EXPECT_FALSE(store_->exists("", "Found_Quadrovan"));
}

TEST_F(Folders, SerialDevicePathIsStoredOrRemoved)
{
    WriteCommDevice("/dev/ttyUSB0");
    EXPECT_EQ(store_->readText("", "CommDevice"), "/dev/ttyUSB0");
    WriteCommDevice("");
    EXPECT_FALSE(store_->exists("", "CommDevice"));
}

// The build tree keeps Lang/ beside the program; an installed program
// (bin/vamok) has its shipped files in share/vamok/ of the same prefix.
TEST_F(Folders, ShippedFilesBesideTheProgramOrInTheInstalledDataFolder)
{
    TempDir tree;
    QDir().mkpath(QString::fromStdString(tree.path() + "build/Lang"));
    QDir().mkpath(QString::fromStdString(tree.path() + "prefix/bin"));
    QDir().mkpath(QString::fromStdString(tree.path() + "prefix/share/vamok/Lang"));
    QDir().mkpath(QString::fromStdString(tree.path() + "bare/bin"));
    EXPECT_EQ(ShippedFilesFolder(tree.path() + "build/"), tree.path() + "build/");
    EXPECT_EQ(ShippedFilesFolder(tree.path() + "prefix/bin/"), tree.path() + "prefix/share/vamok/");
    EXPECT_EQ(ShippedFilesFolder(tree.path() + "bare/bin/"), tree.path() + "bare/bin/");
}
