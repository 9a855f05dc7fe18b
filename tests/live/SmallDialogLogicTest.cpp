#include "measure/BusyState.h"
#include "measure/NameKeyFilter.h"
#include "measure/NameTypeSetup.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vamok;

TEST(NameKeyFilter, KeysOfTheNameFields)
{
    const struct {
        char key;
        std::optional<char> result;
    } cases[] = {
        {'\xC4', '\xE4'}, {'\xD6', '\xF6'}, {'\xDC', '\xFC'}, {'\xE4', '\xE4'}, {'\xDF', '\xDF'},
        {'\b', '\b'},     {'\r', '\r'},     {' ', ' '},       {'}', '}'},       {'a', 'a'},
        {'\\', std::nullopt}, {'~', std::nullopt}, {'\x7F', std::nullopt}, {'\t', std::nullopt},
        {'\xE9', std::nullopt}, {'\x1F', std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterNameKey(c.key), c.result) << static_cast<int>(static_cast<unsigned char>(c.key));
}

TEST(NameTypeSetup, AltarimOnlyComputersGetShortNamesAndNoProfile)
{
    const std::array<std::string, 10> names{"All", "Standard", "Klima", "U2", "U3", "U4", "U5", "U6", "U7", "U8"};
    const struct {
        bool altarim, quadrovan, rix;
        const char* last;
        int maxLength;
        bool profile, warnings;
    } cases[] = {
        {true, false, false, "VamokAltarim", 8, false, false},
        {false, true, false, "VamokQuadrovan", 8, false, false},
        {true, false, true, "VamokAltarim", 20, true, true},
        {false, false, true, "VamokRix", 20, true, false},
        {false, false, false, "", 20, true, false},
        {true, true, true, "VamokQuadrovan", 20, true, true},
    };
    for (const auto& c : cases) {
        const auto s = ComputeNameTypeSetup(c.altarim, c.quadrovan, c.rix, c.last, names);
        EXPECT_EQ(s.MaxNameLength, c.maxLength) << c.last;
        EXPECT_EQ(s.ProfileEnabled, c.profile) << c.last;
        EXPECT_EQ(s.WarningsVisible, c.warnings) << c.last;
    }
    const auto s = ComputeNameTypeSetup(false, false, true, "", names);
    EXPECT_EQ(s.ProfileHint.substr(0, 37), "2  USER1 <-> Klima\r\n3  USER2 <-> U2\r\n");
}

TEST(NameTypeSetup, LeavingAListWithAnUnknownText)
{
    bool replaced = false;
    EXPECT_EQ(CheckedChoice("BUER", {"VAM ", "BUER"}, kTypeFallback, replaced), "BUER");
    EXPECT_FALSE(replaced);
    EXPECT_EQ(CheckedChoice("XYZ", {"VAM ", "BUER"}, kTypeFallback, replaced), "VAM ");
    EXPECT_TRUE(replaced);
}

TEST(BusyState, CancelSurvivesShowingTheDialogAgain)
{
    BusyState busy;
    QSignalSpy closed(&busy, &BusyState::Closed);
    busy.OperationStarted();
    busy.Show();
    busy.SetPosition(7);
    busy.RequestCancel(); // "Abbrechen" during workplace 7
    EXPECT_TRUE(busy.CancelRequested());
    EXPECT_FALSE(busy.Visible());
    EXPECT_EQ(busy.Position(), 0);
    EXPECT_EQ(closed.count(), 1);
    busy.Show(); // the readout shows it again at the tenth row
    EXPECT_TRUE(busy.CancelRequested());
    busy.OperationStarted();
    EXPECT_FALSE(busy.CancelRequested());
    busy.Close();
    busy.Close(); // closing a closed dialog reports nothing
    EXPECT_EQ(closed.count(), 2);
}
