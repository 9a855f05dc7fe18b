#include "DataFileTestSupport.h"

#include "core/IniFile.h"
#include "core/SettingsStore.h"
#include "profiles/ColumnDefinition.h"
#include "support/TempDir.h"

using namespace vamok;

namespace {

std::size_t K(ColumnKind k) { return static_cast<std::size_t>(k); }

class ColumnDefinitionTest : public DataFileTestBase {};

} // namespace

TEST_F(ColumnDefinitionTest, NamesOfBoxesAndSettingsValues)
{
    EXPECT_EQ(ShowBoxName(5), "ShowTemp");
    EXPECT_EQ(MoveBoxName(5), "MoveTemp");
    EXPECT_EQ(ShowBoxName(1), "ShowNo");
    EXPECT_EQ(ShowBoxName(32), "ShowMessZeit");
    EXPECT_EQ(ShownValueName(1, 5), "ShowCol_BD1_05");
    EXPECT_EQ(PositionValueName(1, 5), "ShowCol_BD1_Tag05");
    EXPECT_EQ(PositionValueName(4, 32), "ShowCol_BD4_Tag32");
}

TEST_F(ColumnDefinitionTest, NoSettingsMeanDefinitionOneAllShownInOrder)
{
    EXPECT_EQ(InitialDefinitionNumber(false), 1);
    const LoadedDefinition d = LoadColumnDefinition(1);
    EXPECT_FALSE(d.positionsRejected);
    for (int k = 0; k < kColumnKindCount; ++k) {
        EXPECT_TRUE(d.definition.shown[static_cast<std::size_t>(k)]);
        EXPECT_EQ(d.definition.position[static_cast<std::size_t>(k)], k + 1);
    }
}

TEST_F(ColumnDefinitionTest, HiddenDefinitionButtonsFallBackToOne)
{
    Settings().writeInt("", "BenDef", 3);
    EXPECT_EQ(InitialDefinitionNumber(false), 1);
    EXPECT_EQ(InitialDefinitionNumber(true), 3);
    Settings().writeInt("", "BenDef", 2);
    EXPECT_EQ(InitialDefinitionNumber(false), 2);
}

TEST_F(ColumnDefinitionTest, StoredDefinitionReloadsAndRecordsItself)
{
    ColumnDefinition d = DefaultColumnDefinition();
    std::swap(d.position[K(ColumnKind::Temp)], d.position[K(ColumnKind::MessZeit)]);
    d.shown[K(ColumnKind::No)] = false; // the number column is kept regardless
    StoreColumnDefinition(2, d);
    EXPECT_EQ(Settings().readInt("", "BenDef"), 2);
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD2_Tag05"), 32);
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD2_10"), 0);
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD2_01"), 1);
    const LoadedDefinition back = LoadColumnDefinition(2);
    d.shown[K(ColumnKind::No)] = true;
    EXPECT_EQ(back.definition.shown, d.shown);
    EXPECT_EQ(back.definition.position, d.position);
    // Definition 1 is untouched.
    EXPECT_TRUE(LoadColumnDefinition(1).definition.shown[K(ColumnKind::Fre)]);
}

TEST_F(ColumnDefinitionTest, TakingUpAViewRecordsItAndRepairsItsSettings)
{
    Settings().writeInt("", "ShowCol_BD4_Tag01", 9);
    Settings().writeInt("", "ShowCol_BD4_06", 0);
    const ColumnDefinition d = TakeUpColumnDefinition(4);
    EXPECT_EQ(Settings().readInt("", "BenDef"), 4);
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD4_Tag01"), 1);
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD4_06"), 0);
    EXPECT_FALSE(d.shown[K(ColumnKind::Feu)]);
}

TEST_F(ColumnDefinitionTest, PositionsThatAreNoPermutationAreRejected)
{
    for (const auto& [name, value] : {std::pair{"ShowCol_BD1_Tag05", std::string("4")},
                                      std::pair{"ShowCol_BD1_Tag05", std::string("33")},
                                      std::pair{"ShowCol_BD1_Tag05", std::string("x")}}) {
        Settings().writeText("", name, value);
        Settings().writeInt("", "ShowCol_BD1_07", 0);
        const LoadedDefinition d = LoadColumnDefinition(1);
        EXPECT_TRUE(d.positionsRejected) << value;
        EXPECT_EQ(d.definition.position[K(ColumnKind::Temp)], 5);
        EXPECT_EQ(d.definition.position[K(ColumnKind::Feu)], 6);
        EXPECT_FALSE(d.definition.shown[K(ColumnKind::Lae)]);
    }
}

TEST_F(ColumnDefinitionTest, DefaultsAndSelectButtons)
{
    ColumnDefinition d = DefaultColumnDefinition();
    int hidden = 0;
    for (bool s : d.shown)
        hidden += !s;
    EXPECT_EQ(hidden, 5);
    EXPECT_FALSE(d.shown[K(ColumnKind::PMV3)]);
    EXPECT_TRUE(d.shown[K(ColumnKind::PMV2)]);
    HideAllColumns(d);
    for (int k = 0; k < kColumnKindCount; ++k) {
        const auto kind = static_cast<ColumnKind>(k);
        EXPECT_EQ(d.shown[static_cast<std::size_t>(k)],
                  kind == ColumnKind::No || kind == ColumnKind::Type || kind == ColumnKind::Profile);
    }
    ShowAllColumns(d);
    EXPECT_TRUE(d.shown[K(ColumnKind::Fre)]);
}

TEST_F(ColumnDefinitionTest, TickedColumnsMoveTogether)
{
    ColumnDefinition d = ColumnDefinition::AllInNaturalOrder();
    MoveMarks ticked{};
    ticked[4] = ticked[5] = true; // the columns at positions 5 and 6
    MoveColumnsUp(d, ticked);
    EXPECT_EQ(d.position[4], 4);
    EXPECT_EQ(d.position[5], 5);
    EXPECT_EQ(d.position[3], 6);
    MoveColumnsDown(d, ticked);
    EXPECT_EQ(d.position, ColumnDefinition::AllInNaturalOrder().position);

    MoveMarks second{};
    second[1] = true; // position 2 never moves up
    MoveColumnsUp(d, second);
    MoveMarks last{};
    last[31] = true; // position 32 never moves down
    MoveColumnsDown(d, last);
    EXPECT_EQ(d.position, ColumnDefinition::AllInNaturalOrder().position);
}

TEST_F(ColumnDefinitionTest, DefinitionFileRoundTrip)
{
    TempDir dir;
    ColumnDefinition d = DefaultColumnDefinition();
    std::swap(d.position[K(ColumnKind::Name)], d.position[K(ColumnKind::CO2)]);
    StoreColumnDefinition(3, d);
    const std::string path = dir.file("Tabellen-Benutzerdefinitionen_20261210.VBD");
    const DefinitionFileResult out = ExportColumnDefinition(3, path);
    ASSERT_TRUE(out.definition) << out.message;
    const IniFile file = IniFile::FromBytes(ReadBytes(path));
    EXPECT_EQ(file.sections(), std::vector<std::string>{"UserDefNo"});
    EXPECT_EQ(file.keys("UserDefNo").size(), 64u);
    EXPECT_EQ(file.value("UserDefNo", "ShowTemp_SHOW"), "1");
    EXPECT_EQ(file.value("UserDefNo", "ShowFre_SHOW"), "0");
    EXPECT_EQ(file.value("UserDefNo", "ShowName_SORT"), "18");
    const DefinitionFileResult in = ImportColumnDefinition(path);
    ASSERT_TRUE(in.definition) << in.message;
    EXPECT_TRUE(in.message.empty());
    EXPECT_EQ(in.definition->shown, d.shown);
    EXPECT_EQ(in.definition->position, d.position);
    // Importing changes nothing stored.
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD1_Tag02"), std::nullopt);
    // The first file chose the working folder.
    EXPECT_TRUE(App().UserPathSet);
}

TEST_F(ColumnDefinitionTest, DefinitionFileWithBadPositionsIsReportedAndUsesNaturalOrder)
{
    TempDir dir;
    dir.write("bad.VBD", "[UserDefNo]\r\nShowTemp_SORT=6\r\nShowMUK_SHOW=0\r\n");
    const DefinitionFileResult in = ImportColumnDefinition(dir.file("bad.VBD"));
    ASSERT_TRUE(in.definition);
    EXPECT_TRUE(in.positionsRejected);
    EXPECT_NE(in.message.find("bad.VBD"), std::string::npos);
    EXPECT_EQ(in.definition->position, ColumnDefinition::AllInNaturalOrder().position);
    EXPECT_FALSE(in.definition->shown[K(ColumnKind::MUK)]);
}

TEST_F(ColumnDefinitionTest, UnreadableOrForeignDefinitionFiles)
{
    TempDir dir;
    EXPECT_FALSE(ImportColumnDefinition(dir.file("fehlt.VBD")).definition);
    dir.write("other.VBD", "[ProfileNo01]\r\nx=1\r\n");
    const DefinitionFileResult foreign = ImportColumnDefinition(dir.file("other.VBD"));
    EXPECT_FALSE(foreign.definition);
    EXPECT_NE(foreign.message.find("UserDefNo"), std::string::npos);
}
