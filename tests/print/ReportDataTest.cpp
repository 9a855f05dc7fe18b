// The data sets and parameters the two reports are fed with.
#include "support/HomeFixture.h"

#include "measure/ColumnLayout.h"
#include "print/MeasurementReport.h"
#include "print/TypeReport.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

#include <string>

using namespace vamok;

namespace {

std::size_t K(ColumnKind k) { return static_cast<std::size_t>(k); }

class MeasurementReportTest : public HomeFixture {
protected:
    void SetUp() override
    {
        HomeFixture::SetUp();
        ResetPCTypes();
        PCTypes().push_back(DefaultType()); // "VAM "
        RowTexts& a = table.row(1).texts;
        a.Name = "Empfang und Besprechung";
        a.Temp = "21,9"; // green for "VAM "
        a.Feu = "45,0";  // yellow
        a.SWK = "1 / 5,3";
        a.MUK = "1 / 2,0";
        a.LdS = "0,5";
        a.LdW = "85,0";
        a.PMV2 = "655,35";
        a.WindI = "0,12";
        a.WindTI = "22,1";
        a.TuI = "7";
        RowTexts& b = table.row(2).texts;
        b.Name = "Lager";
        b.Temp = "26,0"; // red
        b.PMV2 = "-0,52"; // yellow
        b.Type = "ZZZZ"; // not in the library: not rated
    }

    void TearDown() override
    {
        ResetPCTypes();
        HomeFixture::TearDown();
    }

    MeasurementReportInput input(int mode, int page1Limit, bool sameWidth) const
    {
        MeasurementReportInput in;
        in.table = &table;
        in.firstRow = 1;
        in.lastRow = 3;
        in.columns = AssignPrintColumns(mode, map, {});
        in.split = SplitPages(in.columns.count, page1Limit, sameWidth);
        in.title = "Messung Halle 3";
        in.notes = {"Fenster offen", "Heizung aus"};
        return in;
    }

    // The cell of workplace row n in a slot.
    static std::size_t CellRecord(int n, int slot, int slots)
    {
        return static_cast<std::size_t>((n - 1) * slots + slot);
    }

    MeasurementTable table;
    ColumnMap map = MapShownKinds(StandardViewKinds());
};

} // namespace

TEST_F(MeasurementReportTest, ShownColumnsOnOnePage)
{
    const Report r = BuildMeasurementReport(input(PrintMode::ShownColumns, 19, true));
    EXPECT_EQ(r.name, "VAMOKData_MultiCol");
    EXPECT_TRUE(r.landscape);
    const PrintColumns columns = AssignPrintColumns(PrintMode::ShownColumns, map, {});
    ASSERT_EQ(columns.count, 19); // the standard view's 20 kinds but Profile
    EXPECT_EQ(r.parameter("SecondPage"), "NEIN");
    EXPECT_EQ(r.parameter("ColCnt"), "19");
    EXPECT_EQ(r.parameter("ColCnt2"), "0");
    EXPECT_EQ(r.parameter("Color"), "NEIN");
    EXPECT_EQ(r.parameter("Extend"), "NEIN");

    const DataSet& slots = r.dataSet("TexteMultiColData1");
    EXPECT_EQ(slots.connection(), "Custom_MultiColData1");
    ASSERT_EQ(slots.recordCount(), 19u);
    EXPECT_EQ(slots.value(0, "ColTitel"), "Nr");
    EXPECT_EQ(slots.value(3, "ColTitel"), "Tempera tur");
    EXPECT_EQ(slots.value(3, "ColEinheit"), " /\xB0" "C");
    EXPECT_EQ(r.dataSet("TexteMultiColData1_P2").recordCount(), 0u);

    const DataSet& cells = r.dataSet("WerteColData1");
    ASSERT_EQ(cells.recordCount(), 3u * 19u);
    const std::size_t temp1 = CellRecord(1, 3, 19);
    EXPECT_EQ(cells.value(temp1, "RowNumber"), "1");
    EXPECT_EQ(cells.value(temp1, "ColNumber"), "3");
    EXPECT_EQ(cells.value(temp1, "ColValue"), "21,9");
    EXPECT_EQ(cells.value(temp1, "ColBew"), "ok");
    EXPECT_EQ(cells.value(temp1, "ColBit"), "1");
    EXPECT_EQ(cells.value(CellRecord(1, 4, 19), "ColBew"), "tb");
    EXPECT_EQ(cells.value(CellRecord(2, 3, 19), "ColBew"), ""); // type not in the library
    EXPECT_EQ(cells.value(CellRecord(3, 0, 19), "ColValue"), "3");
    EXPECT_EQ(cells.value(CellRecord(1, 1, 19), "ColValue"), "Empfang und Besprechung");
    // 19 columns: contrast texts lose their blanks, rated before.
    const int swk = columns.column[K(ColumnKind::SWK)];
    EXPECT_EQ(cells.value(CellRecord(1, swk, 19), "ColValue"), "1/5,3");
    EXPECT_EQ(cells.value(CellRecord(1, swk, 19), "ColExt1"), "0,5");
    EXPECT_EQ(cells.value(CellRecord(1, swk, 19), "ColExt2"), "85,0");
    const int windI = columns.column[K(ColumnKind::WindI)];
    EXPECT_EQ(cells.value(CellRecord(1, windI, 19), "ColExt1"), " 7%");
    EXPECT_EQ(cells.value(CellRecord(1, windI, 19), "ColExt2"), "22,1\xB0" "C");

    const DataSet& texts = r.dataSet("TexteData1");
    ASSERT_EQ(texts.recordCount(), 1u);
    EXPECT_EQ(texts.value(0, "Titel"), "Messung Halle 3");
    EXPECT_EQ(texts.value(0, "Profil"), "Profil");
    EXPECT_EQ(texts.value(0, "MSTemp"), "Globe - Temp");
    EXPECT_EQ(texts.value(0, "Seite"), "Seite:");
    EXPECT_EQ(texts.value(0, "VOC"), "TVOC");
    EXPECT_EQ(texts.value(0, "Dauer"), "L\xE4rm Dauer");
    EXPECT_EQ(texts.value(0, "AG"), "aG");
    EXPECT_EQ(r.dataSet("MemoBlobData1").value(0, "Memo"), "Fenster offen\r\nHeizung aus");
}

TEST_F(MeasurementReportTest, AllColumnsSplitOntoPageTwo)
{
    for (bool same : {true, false}) {
        const Report r = BuildMeasurementReport(input(PrintMode::AllColumns, 18, same));
        const int slots2 = same ? 18 : 14; // 31 columns: 13 remain
        EXPECT_EQ(r.parameter("SecondPage"), "JA");
        EXPECT_EQ(r.parameter("ColCnt"), "18");
        EXPECT_EQ(r.parameter("ColCnt2"), std::to_string(slots2));
        const DataSet& slots = r.dataSet("TexteMultiColData1_P2");
        ASSERT_EQ(slots.recordCount(), static_cast<std::size_t>(slots2));
        EXPECT_EQ(slots.value(0, "ColTitel"), "Nr"); // slot 0 repeats column 0
        // Print column 18 is the 19th kind without Profile: CO.
        EXPECT_EQ(slots.value(1, "ColTitel"), "CO");
        EXPECT_EQ(slots.value(13, "ColTitel"), "Messzeit");

        const DataSet& cells = r.dataSet("WerteColData1_P2");
        ASSERT_EQ(cells.recordCount(), static_cast<std::size_t>(3 * slots2));
        const std::size_t row2 = static_cast<std::size_t>(slots2);
        EXPECT_EQ(cells.value(row2 + 0, "ColValue"), "2");
        EXPECT_EQ(cells.value(row2 + 1, "ColNumber"), "18");
        // Page 2 keeps the blanks of the contrast texts; PMV on page 2 is rated.
        const std::size_t pmv2 = row2 + 4; // GT, PMV1, PMV2 follow CO
        EXPECT_EQ(cells.value(pmv2, "ColValue"), "-0,52");
        EXPECT_EQ(cells.value(pmv2, "ColBew"), "");     // type ZZZZ: not rated
        EXPECT_EQ(cells.value(4, "ColValue"), "");      // "655,35" of row 1
        EXPECT_EQ(cells.value(4, "ColBew"), "");
        EXPECT_EQ(cells.value(4, "ColExt2"), "");
        if (same) {
            // Empty slots carry their slot number and nothing else.
            EXPECT_EQ(slots.value(15, "ColTitel"), "");
            EXPECT_EQ(cells.value(row2 + 15, "ColNumber"), "15");
            EXPECT_EQ(cells.value(row2 + 15, "RowNumber"), "2");
            EXPECT_EQ(cells.value(row2 + 15, "ColValue"), "");
            EXPECT_EQ(cells.value(row2 + 15, "ColBit"), "");
        }
    }
}

TEST_F(MeasurementReportTest, PmvIsRatedAndCarriesItsPpd)
{
    table.row(2).texts.Type = "VAM ";
    const Report r = BuildMeasurementReport(input(PrintMode::AllColumns, 40, true));
    const DataSet& cells = r.dataSet("WerteColData1");
    const std::size_t pmv2 = 31 + 21; // row 2, print column of PMV2 (kind 22 less Profile)
    EXPECT_EQ(cells.value(pmv2, "ColValue"), "-0,52");
    EXPECT_EQ(cells.value(pmv2, "ColBew"), "tb");
    EXPECT_EQ(cells.value(pmv2, "ColBit"), "2");
    EXPECT_EQ(cells.value(pmv2, "ColExt2").rfind("PPD:", 0), 0u);
    EXPECT_EQ(cells.value(31 + 3, "ColBew"), "aG"); // 26,0 is red
}

TEST_F(MeasurementReportTest, ExtendSplitsLongNamesAndColourIsAParameter)
{
    MeasurementReportInput in = input(PrintMode::ShownColumns, 19, true);
    in.extend = true;
    in.color = true;
    const Report r = BuildMeasurementReport(in);
    EXPECT_EQ(r.parameter("Extend"), "JA");
    EXPECT_EQ(r.parameter("Color"), "JA");
    const DataSet& cells = r.dataSet("WerteColData1");
    EXPECT_EQ(cells.value(1, "ColValue"), "Empfang un");
    EXPECT_EQ(cells.value(1, "ColExt2"), "d Besprech");
}

TEST_F(MeasurementReportTest, TranslatedWordsAndTitles)
{
    MeasurementReportInput in = input(PrintMode::ShownColumns, 18, true);
    in.tableTexts.ratingWords = {"fine", "tol", "out"};
    in.messages[10] = "Temperature";
    const Report r = BuildMeasurementReport(in);
    EXPECT_EQ(r.dataSet("TexteMultiColData1").value(3, "ColTitel"), "Temperature");
    EXPECT_EQ(r.dataSet("WerteColData1").value(3, "ColBew"), "fine");
    EXPECT_EQ(r.dataSet("TexteData1").value(0, "OK"), "fine");
}

TEST(TypeReport, AllRowsAreTheSeventeenLimitRows)
{
    TAPDef type = DefaultType();
    type.at(TypeColumn::YellowToRed, TypeRow::CO2) = 65535;
    TypeReportInput in;
    in.type = type;
    in.shownName = "VAM ";
    const Report r = BuildTypeReport(in);
    EXPECT_EQ(r.name, "VAMOKAPTReport1");
    EXPECT_FALSE(r.landscape);
    const DataSet& texts = r.dataSet("TexteApts1");
    EXPECT_EQ(texts.connection(), "Custom_APT1");
    EXPECT_EQ(texts.value(0, "Titel"), "VAMOK Arbeitsplatzdefinition \"VAM \"");
    EXPECT_EQ(texts.value(0, "RoGe"), "rot->gelb");
    EXPECT_EQ(texts.value(0, "Soll"), "Anzeige");
    EXPECT_EQ(texts.value(0, "W_Clo1"), "0,60 clo");
    EXPECT_EQ(texts.value(0, "W_MET"), "1,30 met");
    EXPECT_EQ(texts.value(0, "T_Clo3"), "Bekleidung schwer");

    const DataSet& rows = r.dataSet("WerteApts1");
    ASSERT_EQ(rows.recordCount(), 17u);
    EXPECT_EQ(rows.value(0, "Nr"), "1");
    EXPECT_EQ(rows.value(0, "Bereich"), "Temperatur                /\xB0" "C");
    EXPECT_EQ(rows.value(0, "rtge"), "20");
    EXPECT_EQ(rows.value(0, "Anzeige"), "21");
    EXPECT_EQ(rows.value(9, "gnge"), "0,10");
    EXPECT_EQ(rows.value(10, "gert"), "--");
    EXPECT_EQ(rows.value(16, "rtge"), "-0,70");
}

TEST(TypeReport, SelectedRows)
{
    struct Case {
        int first, last;
        std::size_t records;
    };
    for (const Case c : {Case{3, 5, 3}, Case{5, 18, 13}, Case{18, 18, 0}, Case{17, 17, 1}}) {
        TypeReportInput in;
        in.type = DefaultType();
        in.firstRow = c.first;
        in.lastRow = c.last;
        const Report report = BuildTypeReport(in);
        const DataSet& rows = report.dataSet("WerteApts1");
        ASSERT_EQ(rows.recordCount(), c.records) << c.first << ".." << c.last;
        if (c.records > 0) {
            EXPECT_EQ(rows.value(0, "Nr"), std::to_string(c.first));
        }
    }
}
