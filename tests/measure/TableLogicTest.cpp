// The measurement table window's decisions without the window: stored
// settings, what a cell shows and how it is rated, committing edited cells,
// the name and type entry, hints and the rating mark.
#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "measure/CellHints.h"
#include "measure/ColumnLayout.h"
#include "measure/RatingMark.h"
#include "measure/TableCells.h"
#include "measure/TableEditing.h"
#include "measure/TableSettings.h"
#include "measure/TableViews.h"
#include "measure/TransferTexts.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

#include "support/OfficeType.h"

using namespace vamok;

namespace {

class TableLogic : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        PCTypes().push_back(OfficeType());
    }
    void TearDown() override
    {
        ResetPCTypes();
        App() = AppState{};
    }
};

} // namespace

TEST_F(TableLogic, StoredSettingsAndTheStartView)
{
    // Nothing stored: copy only shown columns, automatic air velocity, PMV view.
    TableSettings s = ReadTableSettings(false);
    EXPECT_FALSE(s.editMSTemp);
    EXPECT_TRUE(s.copyShownOnly);
    EXPECT_FALSE(s.copyExtended);
    EXPECT_EQ(s.airVelocity, 3);
    EXPECT_EQ(s.userView, 0);
    EXPECT_TRUE(StartsInPmvView(s));

    Settings().writeInt("", "PMV_Wind", 2);
    Settings().writeInt("", "PMVAnsicht", 0);
    Settings().writeInt("", "BenAnsicht", 3);
    Settings().writeInt("", "CopySel", 0);
    Settings().writeInt("", "PMV_Luftg", 0);
    s = ReadTableSettings(false);
    EXPECT_FALSE(Settings().exists("", "PMV_Wind"));
    EXPECT_EQ(s.userView, 0) << "item 3 is hidden without developer mode";
    EXPECT_TRUE(StartsInPmvView(s));
    EXPECT_FALSE(s.copyShownOnly);
    EXPECT_EQ(s.airVelocity, 0) << "kept until another item is chosen";
    EXPECT_EQ(AirVelocityItemOfSetting(0), 0) << "the automatic item is checked";
    EXPECT_EQ(ReadTableSettings(true).userView, 3);

    Settings().writeInt("", "BenAnsicht", 2);
    s = ReadTableSettings(false);
    EXPECT_FALSE(StartsInPmvView(s));
    s.editMSTemp = true;
    s.eingabeMSTemp = true;
    s.airVelocity = AirVelocitySettingOfItem(4);
    WriteTableSettings(s);
    EXPECT_EQ(Settings().integer("CalcPMV", 0), 1);
    EXPECT_EQ(Settings().integer("PMV_Luftg", 0), 5);
    const TableSettings again = ReadTableSettings(false);
    EXPECT_TRUE(EntersMeanRadiant(again));
    EXPECT_FALSE(PmvSettingsOf(again, false).radiantIsGlobe);
    EXPECT_EQ(again.userView, 2);
}

TEST_F(TableLogic, CellsShowAndRateTheRowsTexts)
{
    MeasurementTable table;
    WorkplaceRow& row = table.row(4);
    row.texts.Type = "BUER";
    struct Case {
        const char* temp;
        Rating expected;
    } cases[] = {{"23,5", kGreen}, {"19,5", kYellow}, {"35,0", kRed}, {"", kNotRated}, {"--,-", kNotRated}};
    for (const Case& c : cases) {
        row.texts.Temp = c.temp;
        EXPECT_EQ(CellRating(row, ColumnKind::Temp, CellText(row.texts, ColumnKind::Temp, 4), false), c.expected)
            << c.temp;
    }
    row.texts.Temp = "23,5";
    row.texts.Feu = "40,0";
    EXPECT_EQ(CellRating(row, ColumnKind::Feu, "40,0", false), kNotRated) << "target 0: not rated";
    EXPECT_EQ(CellRating(row, ColumnKind::Name, "23,5", false), kNotRated);

    // The file's code wins while its use is on, even against the library.
    row.ratings[Field::Temp] = kRed;
    EXPECT_EQ(CellRating(row, ColumnKind::Temp, "23,5", true), kRed);
    row.ratings[Field::Temp] = 9; // damaged file: no mark
    EXPECT_EQ(CellRating(row, ColumnKind::Temp, "23,5", true), kNotRated);

    EXPECT_EQ(CellText(row.texts, ColumnKind::No, 4), "4");
    const RowTexts cleared = RowTexts::Cleared(',');
    EXPECT_EQ(CellText(cleared, ColumnKind::PMV1, 1), "") << "a cleared row paints its PMV empty";
    EXPECT_EQ(CellText(cleared, ColumnKind::Type, 1), "VAM ");
}

TEST_F(TableLogic, EditedCellsCommitOnlyRealChanges)
{
    struct Case {
        ColumnKind kind;
        const char* typed;
        const char* stored;
    } cases[] = {
        {ColumnKind::GT, "24", "24,0"},    {ColumnKind::GT, "24.56", "24,6"}, {ColumnKind::GT, "", ""},
        {ColumnKind::GT, "  ", ""},        {ColumnKind::GT, "--,-", "--,-"},  {ColumnKind::GT, "-", "--,-"},
        {ColumnKind::GT, "abc", "0,0"},    {ColumnKind::Wind, "0,1", "0,10"}, {ColumnKind::Temp, "-3,25", "-3,2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommittedCellText(c.kind, c.typed, ','), c.stored) << c.typed;
    EXPECT_TRUE(IsEditableKind(ColumnKind::GT, false));
    EXPECT_FALSE(IsEditableKind(ColumnKind::Temp, false));
    EXPECT_TRUE(IsEditableKind(ColumnKind::Wind, true));
    EXPECT_FALSE(IsEditableKind(ColumnKind::Lae, true));

    MeasurementTable table;
    RowTexts& t = table.row(2).texts;
    t.Type = "BUER";
    t.Temp = "22,0";
    t.Feu = "50,0";
    t.GT = "--,-";
    EXPECT_FALSE(CommitEditedCell(table, 2, ColumnKind::GT, "--,-", PmvSettings{}));
    EXPECT_FALSE(App().MeasurementsModified);
    EXPECT_EQ(t.GT, "--,-");

    ASSERT_TRUE(CommitEditedCell(table, 2, ColumnKind::GT, "24", PmvSettings{}));
    EXPECT_TRUE(App().MeasurementsModified);
    EXPECT_EQ(t.GT, "24,0");
    EXPECT_EQ(t.PMV2, SeasonPmvText(t, 2, PmvSettings{})) << "the PMV follows the new globe value";
    EXPECT_FALSE(IsNoPmvText(t.PMV2));
    EXPECT_FALSE(CommitEditedCell(table, 0, ColumnKind::GT, "24", PmvSettings{}));
}

TEST_F(TableLogic, NameTypeEntryAddsNewTypesOnce)
{
    MeasurementTable table;
    std::vector<std::string> used{"VAM "};
    ApplyNameTypeEntry(table, 7, {"B\xFC" "ro 3", "BUER", 2}, used, PmvSettings{});
    ApplyNameTypeEntry(table, 8, {"Lager", "BUER", 0}, used, PmvSettings{});
    ApplyNameTypeEntry(table, 9, {"Flur", "NONE", 0}, used, PmvSettings{});
    EXPECT_EQ(used, (std::vector<std::string>{"VAM ", "BUER"}));
    EXPECT_EQ(table.row(7).texts.Name, "B\xFC" "ro 3");
    EXPECT_EQ(table.row(7).texts.Profile, "2");
    EXPECT_TRUE(App().MeasurementsModified);
    EXPECT_EQ(ProfileIndexOf("7"), 7);
    EXPECT_EQ(ProfileIndexOf("x"), 0);
    EXPECT_EQ(ProfileIndexOf("12"), 0);
    EXPECT_EQ(NameTypeRow(true, 5, 9), 5);
    EXPECT_EQ(NameTypeRow(false, 5, 9), 9);
    EXPECT_EQ(NameTypeRow(false, 5, 0), std::nullopt);
}

TEST_F(TableLogic, HintsShowTheHiddenSubValues)
{
    RowTexts t = RowTexts::Cleared(',');
    t.Temp = "20,0";
    t.Feu = "50,0";
    t.WindTIII = "21,5";
    t.TuIII = "35";
    t.LdS = "1,2";
    t.LdW = "99,0";
    t.Profile = "12";
    HintContext c;
    EXPECT_EQ(RowHint(ColumnKind::WindIII, t, c).text, "Bei 21,5\xB0" "C-Tu 35%");
    c.turbulenceShown = false;
    EXPECT_EQ(RowHint(ColumnKind::WindIII, t, c).text, "Bei 21,5\xB0" "C");
    EXPECT_EQ(RowHint(ColumnKind::SWK, t, c).text, "S: 1,2   W: 99,0");
    EXPECT_EQ(RowHint(ColumnKind::Temp, t, c).text, "Taupunkt: 9,3\xB0" "C");
    EXPECT_EQ(RowHint(ColumnKind::Profile, t, c).text, "--N/A--");
    EXPECT_TRUE(RowHint(ColumnKind::Profile, t, c).aqua);
    EXPECT_TRUE(RowHint(ColumnKind::Lae, t, c).gridHint);
    EXPECT_EQ(HeaderHint(ColumnKind::WindI, "Luftg I.(3Min)").text, "Luftg I.(3Min) - 0,1m ");

    struct Dew {
        const char* temp;
        const char* rh;
        const char* text;
    } dews[] = {{"20,0", "50,0", "9,3"}, {"", "50,0", "--,-"}, {"61,0", "50,0", "--,-"},
                {"20,0", "0,0", "--,-"}, {"20.0", "50,0", "--,-"}, {"-243,12", "50,0", "--,-"}};
    for (const Dew& d : dews)
        EXPECT_EQ(DewPointText(d.temp, d.rh, ','), d.text) << d.temp << " " << d.rh;
}

TEST_F(TableLogic, MarkGeometryViewsAndTexts)
{
    const QRect mark = RatingMarkRect(QRect(100, 48, 66, 24));
    EXPECT_EQ(mark, QRect(154, 52, 4, 13)); // 12..8 px left of the edge, 4..17 px below the top
    EXPECT_EQ(*RatingMarkColor(kGreen), QColor(0, 128, 0));
    EXPECT_FALSE(RatingMarkColor(kNotRated));

    TableViewChoice choice;
    choice.chooseUserView(2);
    EXPECT_EQ(PmvViewCommand(choice), PmvViewKinds());
    EXPECT_TRUE(PmvViewItemChecked(choice));
    EXPECT_EQ(choice.userView(), 0);
    EXPECT_EQ(ViewInForce(choice, ColumnDefinition::AllInNaturalOrder()), PmvViewKinds());

    const auto& lang = TransferLangTexts();
    EXPECT_EQ(std::string(lang[3]), "\"Daten lesen\"-Funktion auslesen und speichern.");
    EXPECT_EQ(std::string(lang[43]), "Doppelklick vergr\xF6ssert das Memo-Feld");
    EXPECT_EQ(std::string(lang[114]), "Emissionsg.");
    const std::vector<std::string> texts(lang.begin(), lang.end());
    EXPECT_EQ(KindHeader(texts, ColumnKind::GT, true), "Mitt - STemp");
    EXPECT_EQ(KindHeader(texts, ColumnKind::GT, false), "Globe - Temp");
    // Every kind's header from the list equals the table's own header text.
    for (const ColumnKindInfo& info : AllColumnKinds()) {
        if (info.kind != ColumnKind::GT) {
            EXPECT_EQ(KindHeader(texts, info.kind, false), info.header) << info.key;
        }
    }
    EXPECT_EQ(JoinedTexts(texts, {8, 9}), "Nicht gespeicherte Daten gehen verloren.\r\nFenster trotzdem schlie\xDF" "en?");
}
