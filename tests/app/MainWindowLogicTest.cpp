#include "support/HomeFixture.h"

#include "core/Folders.h"
#include "app/MainWindowLogic.h"

using namespace vamok;

TEST(CloseRule, EveryFifthRequestIsGranted)
{
    int counter = 0;
    for (int round = 0; round < 2; ++round) {
        for (int request = 1; request <= 4; ++request) {
            EXPECT_FALSE(CloseRequestAllowed(false, counter)) << request;
        }
        EXPECT_TRUE(CloseRequestAllowed(false, counter));
        EXPECT_EQ(counter, 0);
    }
    // Granted requests while idle still count towards the fifth.
    EXPECT_TRUE(CloseRequestAllowed(true, counter));
    EXPECT_TRUE(CloseRequestAllowed(true, counter));
    EXPECT_FALSE(CloseRequestAllowed(false, counter));
    EXPECT_FALSE(CloseRequestAllowed(false, counter));
    EXPECT_TRUE(CloseRequestAllowed(false, counter));
}

TEST(TypeNameGuard, AppendsVamOnlyWhenMissing)
{
    std::vector<std::string> none;
    GuardPredefinedType(none);
    EXPECT_EQ(none, std::vector<std::string>{"VAM "});
    GuardPredefinedType(none);
    EXPECT_EQ(none.size(), 1u);

    std::vector<std::string> other{"BUER", "LAGR"};
    GuardPredefinedType(other);
    EXPECT_EQ(other, (std::vector<std::string>{"BUER", "LAGR", "VAM "}));

    std::vector<std::string> inside{"xVAMx"};
    GuardPredefinedType(inside);
    EXPECT_EQ(inside.size(), 1u);

    std::vector<std::string> lower{"vam "};
    GuardPredefinedType(lower);
    EXPECT_EQ(lower.size(), 2u);
}

TEST(StatusPanel, InterfaceText)
{
    EXPECT_EQ(InterfacePanelText(true, 3, "Schnittstelle: COM"), "USB");
    EXPECT_EQ(InterfacePanelText(false, 3, "Schnittstelle: COM"), "Schnittstelle: COM3");
}

using MainWindowTexts = HomeFixture;

TEST_F(MainWindowTexts, PathsDisplayListsTheThreeFolders)
{
    App().UserPathSet = true;
    App().UserPath = "/srv/vamok/";
    EXPECT_EQ(PathsDisplayText(),
              "Folgende Pfade werden aktuell von der\r\nVAMOK-Software verwendet:\r\n\r\n"
              "Benutzer-Pfad:\t/srv/vamok/\r\n"
              "Export-Pfad:\t" + home() + "Documents/\r\n"
              "AppData-Pfad:\t" + home() + "data/QAL/VAMOK/\r\n");
}

TEST_F(MainWindowTexts, DataFileChecks)
{
    home_.write("leer.vam", "");
    home_.write("voll.vam", "VAMOK\r\n");
    EXPECT_EQ(CheckDataFile(home() + "leer.vam"), DataFileCheck::Empty);
    EXPECT_EQ(CheckDataFile(home() + "voll.vam"), DataFileCheck::Ready);
    EXPECT_EQ(CheckDataFile(home() + "fehlt.vam"), DataFileCheck::Unreadable);
    EXPECT_EQ(CheckDataFile(home()), DataFileCheck::Unreadable);
}

TEST(LinkCommands, AvailabilityByLink)
{
    struct Case {
        bool usb, ventiq, profiles, clock, unlock;
    };
    for (const Case& c : {Case{true, false, true, true, true}, Case{true, true, false, true, false},
                          Case{false, true, false, true, false}, Case{false, false, false, false, false}}) {
        App() = AppState{};
        App().UsbMode = c.usb;
        App().VentiqMode = c.ventiq;
        EXPECT_EQ(ProfilesAvailable(), c.profiles);
        EXPECT_EQ(ClockAvailable(), c.clock);
        EXPECT_EQ(KeyboardLockAvailable(), c.unlock);
    }
    App() = AppState{};
}
