#include "DataFileTestSupport.h"

#include "comfort/Pmv.h"
#include "measure/Clipboard.h"
#include "measure/ColumnLayout.h"
#include "measure/ColumnView.h"

using namespace vamok;

namespace {

class ClipboardTest : public DataFileTestBase {
protected:
    void SetUp() override
    {
        DataFileTestBase::SetUp();
        RowTexts& r = table_.row(7).texts;
        r.Name = "P7";
        r.Type = "VAM ";
        r.Profile = "2";
        r.Temp = "21,5";
        r.Wind = "0,25";
        r.SWK = "1 / 8,5";
        r.LdS = "10,0";
        r.LdW = "85,0";
        r.PMV2 = "0,50";
        r.TIR = "24,8";
        r.MessZeit = "01.02.2026";
    }
    std::string Copy(const ColumnMap& map, CopyOptions options, int first = 7, int last = 7)
    {
        return CopyText(table_, first, last, map, options, texts_, RateAgainstPCTypes());
    }
    MeasurementTable table_;
};

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

} // namespace

TEST_F(ClipboardTest, StandardViewShownColumnsOnly)
{
    const std::string text = Copy(MapShownKinds(StandardViewKinds()), {true, false});
    const std::string header =
        "Name\tTyp\tProfil\tTemp. /\xB0" "C\t\trel.Feuchte/%\t\tL\xE4rmp./dB(A)\t\tL\xE4rmp.(Min)\t\t"
        "Beleucht./Lux\t\tBildfreq. /Hz\t\tmax.Bildh./Cd/m\xB2\t\tS/W-Kontrast\t\tMon./Umgeb.\t\t"
        "Luftgeschw./m/s\t\tLuftg I.(3Min)\t\tLuftg II.(3Min)\t\tLuftg III.(3Min)\t\t"
        "L\xE4rm (User)\t\tIR-Temp/\xB0" "C\t\tMesszeit\t\t";
    // Contrast has no display target in "VAM " and stays unrated; 0,25 m/s is red.
    const std::string row = "P7\tVAM \t2\t21,5\tok\t" + Repeat("\t\t", 6) + "1 / 8,5\t\t" + "\t\t" +
                            "0,25\taG\t" + Repeat("\t\t", 3) + "\t\t" + "24,8\t\t" + "01.02.2026\t\t";
    EXPECT_EQ(text, header + "\r\n" + row + "\r\n");
}

TEST_F(ClipboardTest, FieldsFollowTheGridColumns)
{
    ColumnMap map;
    map.fill(-1);
    map[static_cast<std::size_t>(ColumnKind::Temp)] = 0;
    map[static_cast<std::size_t>(ColumnKind::Name)] = 1;
    map[static_cast<std::size_t>(ColumnKind::MessZeit)] = 2;
    EXPECT_EQ(Copy(map, {true, false}),
              "Temp. /\xB0" "C\t\tName\tMesszeit\t\t\r\n21,5\tok\tP7\t01.02.2026\t\t\r\n");
}

TEST_F(ClipboardTest, AllColumnsInTableOrderWhenNotOnlyShown)
{
    ColumnMap hidden;
    hidden.fill(-1);
    const std::string header = CopyLine(table_, 0, hidden, {false, false}, texts_, RateAgainstPCTypes());
    EXPECT_EQ(header.substr(0, 22), "Name\tTyp\tProfil\tTemp. ");
    EXPECT_NE(header.find("CO /ppm\t\tGlobe - Temp\t\tPMV (Sommer)\t\t"), std::string::npos);
    EXPECT_NE(header.find("L\xE4rm (User)\t\tMesszeit\tCPeak\t\tCPeak (User)\t\t"), std::string::npos);
    const std::string end = "PM 10 /ug/m\xB3\t\tIR-Temp/\xB0" "C\t\t\t";
    EXPECT_EQ(header.substr(header.size() - end.size()), end);
    const std::string row = CopyLine(table_, 7, hidden, {false, false}, texts_, RateAgainstPCTypes());
    EXPECT_NE(row.find("\t0,50\ttb\t"), std::string::npos);
}

TEST_F(ClipboardTest, ExtendedCopyAddsSubValuesThatAreNotEmpty)
{
    ColumnMap map;
    map.fill(-1);
    map[static_cast<std::size_t>(ColumnKind::SWK)] = 0;
    map[static_cast<std::size_t>(ColumnKind::MUK)] = 1;
    map[static_cast<std::size_t>(ColumnKind::PMV2)] = 2;
    const std::string text = Copy(map, {true, true});
    const std::string header = "S/W-Kontrast\t\tLD-Schwarz/Cd/m\xB2\tLD-Weiss/Cd/m\xB2\t"
                               "Mon./Umgeb.\t\tLD-Mon/Cd/m\xB2\tLD-Umgeb/Cd/m\xB2\t"
                               "PMV (Mittel)\t\tPMV (Mittel)(PPD)\t\t";
    const std::string row = "1 / 8,5\t\t10,0\t85,0\t\t\t0,50\ttb\t" + PPDText("0,50") + "\t\t";
    EXPECT_EQ(text, header + "\r\n" + row + "\r\n");
}

TEST_F(ClipboardTest, NulBytesAreDroppedAndRowsClamped)
{
    table_.row(7).texts.Name = std::string("P\0" "7", 3);
    ColumnMap map;
    map.fill(-1);
    map[static_cast<std::size_t>(ColumnKind::Name)] = 0;
    EXPECT_EQ(Copy(map, {true, false}), "Name\t\t\r\nP7\t\t\r\n");
    const std::string all = Copy(map, {true, false}, -5, 500);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 1 + kRowCount);
}

// ---- Column views ----------------------------------------------------------

TEST(ColumnViewTest, UserDefinitionOrdersByPosition)
{
    ColumnDefinition d = ColumnDefinition::AllInNaturalOrder();
    std::swap(d.position[static_cast<std::size_t>(ColumnKind::No)],
              d.position[static_cast<std::size_t>(ColumnKind::Name)]);
    d.shown[static_cast<std::size_t>(ColumnKind::No)] = false;
    d.shown[static_cast<std::size_t>(ColumnKind::Temp)] = false;
    const std::vector<ColumnKind> kinds = UserViewKinds(d);
    ASSERT_EQ(kinds.size(), 30u);
    EXPECT_EQ(kinds[0], ColumnKind::Name);
    EXPECT_EQ(kinds[1], ColumnKind::Type);
    EXPECT_EQ(kinds[3], ColumnKind::Feu);
    const ColumnMap map = MapShownKinds(kinds);
    EXPECT_EQ(map[static_cast<std::size_t>(ColumnKind::Name)], 0);
    EXPECT_EQ(map[static_cast<std::size_t>(ColumnKind::No)], -1);
}

TEST(ColumnViewTest, DamagedPositionsStillGiveEveryShownKindOnce)
{
    ColumnDefinition d = ColumnDefinition::AllInNaturalOrder();
    d.position.fill(7);
    const std::vector<ColumnKind> kinds = UserViewKinds(d);
    ASSERT_EQ(kinds.size(), 32u);
    for (int k = 0; k < kColumnKindCount; ++k)
        EXPECT_EQ(static_cast<int>(kinds[static_cast<std::size_t>(k)]), k);
}

TEST(ColumnViewTest, ViewChoiceLikeRadioItems)
{
    TableViewChoice choice;
    choice.setPmvView(true);
    EXPECT_TRUE(choice.chooseUserView(2));
    EXPECT_FALSE(choice.pmvView());
    EXPECT_FALSE(choice.chooseUserView(2)); // already checked: nothing changes
    EXPECT_FALSE(choice.chooseUserView(5));
    EXPECT_EQ(choice.userView(), 2);
    ColumnDefinition d = ColumnDefinition::AllInNaturalOrder();
    EXPECT_EQ(choice.applyCurrentView(d).size(), 32u);
    choice.clearUserView();
    choice.setPmvView(true);
    EXPECT_EQ(choice.applyCurrentView(d), StandardViewKinds());
    EXPECT_FALSE(choice.pmvView());
}
