#include "DataFileTestSupport.h"

#include "measure/DataFileCommands.h"
#include "measure/DataFileReader.h"
#include "measure/DataFileWriter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <unistd.h>

using namespace vamok;

namespace {

class DataFileTest : public DataFileTestBase {
protected:
    DataFileContent Read(const std::string& path)
    {
        ReadResult r = ReadDataFile(path, texts_, ',', PmvSettings{});
        EXPECT_TRUE(r.content.has_value()) << r.message;
        return r.content ? std::move(*r.content) : DataFileContent{};
    }
    std::string Write(const DataFileContent& c, DataFileKind kind)
    {
        return FormatDataFile(c.table, {c.title.value_or(""), c.notes}, kind, texts_,
                              RateAgainstPCTypes());
    }
};

int CountLines(const std::string& bytes)
{
    int n = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        n += bytes[i] == '\r' && bytes[i + 1] == '\n';
    return n;
}

} // namespace

TEST_F(DataFileTest, CurrentFilesRoundTripByteForByte)
{
    for (const auto& [name, kind] : {std::pair{"current.VAM", DataFileKind::Vam},
                                     std::pair{"current.CSV", DataFileKind::Csv}}) {
        SCOPED_TRACE(name);
        const std::string path = Fixture(name);
        const DataFileContent c = Read(path);
        EXPECT_EQ(c.version, (5 << 24) | (2 << 16) | 1);
        EXPECT_EQ(c.title, "Messung Halle 3");
        EXPECT_EQ(c.notes, (std::vector<std::string>{"Erste Zeile", "Zweite Zeile mit \xE4 und \xDF"}));
        const RowTexts& r1 = c.table.row(1).texts;
        // Fields of an export come back without the blanks around ';'.
        EXPECT_EQ(r1.Name, "Platz 1");
        EXPECT_EQ(r1.Type, "VAM ");
        EXPECT_EQ(r1.SWK, "1 / 8,5");
        EXPECT_EQ(r1.MessZeit, "01.02.2026 10:15:00");
        EXPECT_EQ(c.table.row(2).texts.Name, "B\xFCro Nord");
        // Untouched rows stay cleared rather than turning into "--------".
        EXPECT_EQ(c.table.row(3).texts.Name, "");
        EXPECT_EQ(Write(c, kind), ReadBytes(path));
    }
}

TEST_F(DataFileTest, RatingWordsOfTheFileBecomeFileRatings)
{
    const DataFileContent c = Read(Fixture("current.VAM"));
    const FileRatings& r = c.table.row(1).ratings;
    EXPECT_TRUE(c.ratingsAvailable);
    EXPECT_EQ(r[Field::Temp], 1);
    EXPECT_EQ(r[Field::Feu], 2);
    EXPECT_EQ(r[Field::Fre], 3);
    EXPECT_EQ(r[Field::SWK], 0);
    EXPECT_EQ(r[Field::PMV1], 2);
    EXPECT_EQ(r[Field::PM10u], 3);
}

TEST_F(DataFileTest, RatingsAreWrittenAsWordsAndReadBackInAnyCase)
{
    MeasurementTable table;
    RowTexts& t = table.row(5).texts;
    t.Name = "Raum";
    t.Temp = "21,5";
    t.Feu = "40,0";
    t.Lae = "70,0";
    // Quantity 1 green, 2 yellow, 3 red, everything else unrated.
    const RateFunction rate = [](const std::string&, int q, const std::string&) { return q <= 3 ? q : 0; };
    TempDir dir;
    std::string bytes = FormatDataFile(table, {"T", {}}, DataFileKind::Vam, texts_, rate);
    ASSERT_NE(bytes.find("Raum\tVAM \t1\t21,5\tok\t40,0\ttb\t70,0\taG\t"), std::string::npos);
    for (const auto& [from, to] : {std::pair{"\tok\t", "\tOK\t"}, {"\ttb\t", "\tTb\t"}, {"\taG\t", "\tag\t"}})
        bytes.replace(bytes.find(from), 4, to);
    dir.write("r.VAM", bytes);
    const DataFileContent c = Read(dir.file("r.VAM"));
    EXPECT_EQ(c.table.row(5).ratings[Field::Temp], 1);
    EXPECT_EQ(c.table.row(5).ratings[Field::Feu], 2);
    EXPECT_EQ(c.table.row(5).ratings[Field::Lae], 3);
    EXPECT_EQ(c.table.row(5).ratings[Field::LaeM], 0);
}

struct OlderVersionCase {
    const char* file;
    std::vector<std::pair<Field, std::string>> row1;
};

class OlderVersionTest : public DataFileTest, public ::testing::WithParamInterface<OlderVersionCase> {};

TEST_P(OlderVersionTest, FieldsLandWhereTheVersionHadThem)
{
    const DataFileContent c = Read(Fixture(GetParam().file));
    const RowTexts& r = c.table.row(1).texts;
    EXPECT_EQ(r.Name, "Platz 1");
    EXPECT_EQ(r.Temp, "21,5");
    for (const auto& [field, text] : GetParam().row1)
        EXPECT_EQ(r[field], text) << InfoOf(field).name;
}

using F = Field;
INSTANTIATE_TEST_SUITE_P(
    Versions, OlderVersionTest,
    ::testing::Values(
        OlderVersionCase{"v4003.VAM",
                         {{F::CO2, "650"}, {F::VOC, ""}, {F::LaeUser, "57,5"}, {F::LaeDauer, "30"},
                          {F::CPeak, ""}, {F::CPeakUser, ""}, {F::Tu, "---"}, {F::TuIII, "---"},
                          {F::PM10u, ""}, {F::TIR, ""}, {F::MessZeit, "01.02.2026 10:15:00"}}},
        OlderVersionCase{"v4005.VAM",
                         {{F::VOC, ""}, {F::CO, ""}, {F::LaeUser, "57,5"}, {F::LaeDauer, "30"},
                          {F::CPeak, "98,4"}, {F::CPeakUser, "101,2"}, {F::Tu, "---"},
                          {F::PM1u0, ""}, {F::Emiss, ""}, {F::MessZeit, "01.02.2026 10:15:00"}}},
        OlderVersionCase{"v4100.VAM",
                         {{F::VOC, ""}, {F::CPeak, "98,4"}, {F::Tu, "12"}, {F::TuI, "15"},
                          {F::TuII, "---"}, {F::TuIII, "8"}, {F::PM2u5, ""},
                          {F::MessZeit, "01.02.2026 10:15:00"}}},
        OlderVersionCase{"v5000.VAM",
                         {{F::VOC, "120"}, {F::CO, "3"}, {F::LaeUser, "57,5"}, {F::TuI, "15"},
                          {F::PM1u0, ""}, {F::TIR, ""}, {F::MessZeit, "01.02.2026 10:15:00"}}},
        OlderVersionCase{"v5100.CSV",
                         {{F::Type, "VAM "}, {F::CO, "3"}, {F::PM1u0, "5"}, {F::PM2u5, "12"},
                          {F::PM10u, "45"}, {F::TIR, ""}, {F::Emiss, ""},
                          {F::MessZeit, "01.02.2026 10:15:00"}}},
        OlderVersionCase{"v0_titled.VAM",
                         {{F::Profile, "0"}, {F::CO2, "650"}, {F::VOC, ""}, {F::LaeUser, "57,5"},
                          {F::LaeDauer, "30"}, {F::CPeak, ""}, {F::Tu, "---"},
                          {F::MessZeit, "01.02.2026 10:15:00"}, {F::PMV1, "-0,52"}}}));

TEST_F(DataFileTest, OlderVersionsKeepRatingsTitleAndNotes)
{
    const DataFileContent c = Read(Fixture("v5100.CSV"));
    EXPECT_EQ(c.title, "Altdatei 5.1.0.0");
    EXPECT_EQ(c.notes, std::vector<std::string>{"Notiz 5.1.0.0"});
    EXPECT_EQ(c.table.row(1).ratings[Field::PM2u5], 2);
    EXPECT_EQ(c.table.row(1).ratings[Field::PM10u], 3);
    EXPECT_EQ(c.table.row(1).ratings[Field::CO], 1);
}

TEST_F(DataFileTest, FileWithoutVersionLine)
{
    const DataFileContent c = Read(Fixture("v0_titled.VAM"));
    EXPECT_FALSE(c.hasVersionLine);
    EXPECT_EQ(c.version, 0);
    EXPECT_EQ(c.title, "Alte Messung");
    // A row of the oldest format gets its PMV texts computed from GT; none
    // without a globe temperature.
    EXPECT_EQ(c.table.row(2).texts.PMV1, "");
    EXPECT_EQ(c.table.row(2).texts.GT, "");
    EXPECT_EQ(c.table.row(3).texts.Name, "Frei");
    EXPECT_EQ(c.notes, std::vector<std::string>{"alt"});
}

TEST_F(DataFileTest, OldestFormatComputesPmvFromTheGlobeTemperature)
{
    std::string bytes = ReadBytes(Fixture("v0_titled.VAM"));
    // Row 2 ends after its (empty) globe temperature; give it one.
    const std::size_t row2 = bytes.find("\r\n", bytes.find("\r\n", bytes.find("\r\n") + 2) + 2) + 2;
    const std::size_t end = bytes.find("\r\n", row2);
    std::string line = bytes.substr(row2, end - row2);
    ASSERT_EQ(line.substr(line.size() - 4), "\t\t\t\t");
    line.insert(line.size() - 3, "23,4");
    bytes.replace(row2, end - row2, line);
    TempDir dir;
    dir.write("gt.VAM", bytes);
    const RowTexts r = Read(dir.file("gt.VAM")).table.row(2).texts;
    EXPECT_EQ(r.GT, "23,4");
    EXPECT_EQ(r.PMV2, SeasonPmvText(r, 2, PmvSettings{}));
    EXPECT_NE(r.PMV2, "-,--");
    EXPECT_NE(r.PMV2, "");
}

TEST_F(DataFileTest, OldestLayoutStartsWithHeaderAndMayBeShort)
{
    const DataFileContent c = Read(Fixture("v0_oldest.VAM"));
    EXPECT_FALSE(c.title.has_value());
    const WorkplaceRow& r = c.table.row(2);
    EXPECT_EQ(r.texts.Name, "AP2");
    EXPECT_EQ(r.texts.Profile, "0");
    EXPECT_EQ(r.texts.Temp, "21,0");
    EXPECT_EQ(r.texts.Wind, "0,10");
    EXPECT_EQ(r.texts.WindIII, "0,20");
    // The header has no luminance columns: the rest of the line is dropped.
    EXPECT_EQ(r.texts.LdS, "");
    EXPECT_EQ(r.ratings[Field::Temp], 1);
    EXPECT_EQ(r.ratings[Field::Feu], 2);
    EXPECT_EQ(r.ratings[Field::Wind], 3);
    EXPECT_EQ(c.table.row(6).texts.Name, "");
    EXPECT_EQ(c.table.row(6).texts.Type, "VAM ");
    EXPECT_TRUE(c.notes.empty());
}

TEST_F(DataFileTest, OldFileWithoutHeaderHasWorkplaceOneAfterItsTitle)
{
    // No version line, a title, then the rows at once: no header, so no
    // rating words and no air velocity or luminance columns.
    const DataFileContent c = Read(Fixture("v0_rows_only.VAM"));
    EXPECT_FALSE(c.hasVersionLine);
    EXPECT_EQ(c.title, "Altes Projekt ohne Kopfzeile");
    const WorkplaceRow& r = c.table.row(1);
    EXPECT_EQ(r.texts.Name, "Platz 1");
    EXPECT_EQ(r.texts.Type, "VAM ");
    EXPECT_EQ(r.texts.Profile, "0");
    EXPECT_EQ(r.texts.Temp, "21,5");
    EXPECT_EQ(r.texts.Feu, "45,0");
    EXPECT_EQ(r.texts.LaeM, "58,0");
    EXPECT_EQ(r.texts.Hell, "250,0");
    EXPECT_EQ(r.texts.SWK, "1 / 8,5");
    EXPECT_EQ(r.texts.MUK, "2,4 / 1");
    EXPECT_EQ(r.texts.Wind, RowTexts::Cleared(',').Wind);
    EXPECT_EQ(r.ratings[Field::Temp], 0);
    EXPECT_EQ(r.ratings[Field::MUK], 0);
    const RowTexts& second = c.table.row(2).texts;
    EXPECT_EQ(second.Name, "B\xFCro 2");
    EXPECT_EQ(second.Temp, "19,3");
    EXPECT_EQ(second.Lae, "");
    EXPECT_EQ(second.Bel, "480");
    EXPECT_EQ(c.table.row(3).texts.Type, "XY01");
    EXPECT_EQ(c.table.row(3).texts.Temp, "18,0");
    EXPECT_EQ(c.table.row(99).texts.Name, "Frei");
    EXPECT_EQ(c.notes, std::vector<std::string>{"alte Notiz"});
    EXPECT_TRUE(c.ratingsAvailable);

    // The same shape as an export: a title and a first row of values.
    TempDir dir;
    dir.write("kurz.CSV", "Hallo Welt\r\n1;2;3\r\n");
    const DataFileContent csv = Read(dir.file("kurz.CSV"));
    EXPECT_EQ(csv.title, "Hallo Welt");
    EXPECT_EQ(csv.table.row(1).texts.Name, "1");
    EXPECT_EQ(csv.table.row(1).texts.Type, "2");
    EXPECT_EQ(csv.table.row(1).texts.Temp, "3,0");
}

TEST_F(DataFileTest, NumbersAreWrittenAgainWithTheFieldsDecimals)
{
    TempDir dir;
    std::string bytes = ReadBytes(Fixture("current.VAM"));
    bytes.replace(bytes.find("Platz 1\tVAM \t2\t21,5\t"), 20, "Platz 1\tVAM \t2\t21,46\t");
    bytes.replace(bytes.find("\t520\t"), 5, "\t520,7\t");
    bytes.replace(bytes.find("\t0,05\t"), 6, "\t,005\t");
    dir.write("n.VAM", bytes);
    const RowTexts r = Read(dir.file("n.VAM")).table.row(1).texts;
    EXPECT_EQ(r.Temp, "21,5");
    EXPECT_EQ(r.Bel, "520");
    EXPECT_EQ(r.Wind, "0,01");
}

TEST_F(DataFileTest, OneDecimalConversionCases)
{
    const std::string good = ReadBytes(Fixture("current.VAM"));
    const std::string prefix = "Platz 1\tVAM \t2\t";
    for (const auto& [in, out] : {std::pair{"99,96", "100,0"}, {"-21,46", "-21,5"}, {"-0,04", "0,0"},
                                  {"+5", "5,0"}, {" 7,25 ", "7,3"}, {"1.5", "1.5"}, {"abc", "abc"},
                                  {"1,2,3", "1,2,3"}, {"-", "-"}, {"0021,0", "21,0"}}) {
        std::string bytes = good;
        bytes.replace(bytes.find(prefix + "21,5\t"), prefix.size() + 4, prefix + in);
        TempDir dir;
        dir.write("c.VAM", bytes);
        EXPECT_EQ(Read(dir.file("c.VAM")).table.row(1).texts.Temp, out) << in;
    }
}

TEST_F(DataFileTest, EmptyTableFileHasTheFixedLinesAndReloadsCleared)
{
    const MeasurementTable empty;
    const std::string bytes = FormatDataFile(empty, {"", {}}, DataFileKind::Vam, texts_, RateAgainstPCTypes());
    EXPECT_EQ(CountLines(bytes), 3 + 99 + 1 + 1);
    EXPECT_EQ(bytes.substr(bytes.size() - 11), "MEMO: \r\n\t\r\n");
    TempDir dir;
    dir.write("e.VAM", bytes);
    const DataFileContent c = Read(dir.file("e.VAM"));
    EXPECT_EQ(c.title, "");
    EXPECT_FALSE(c.ratingsAvailable);
    for (int n = 1; n <= kRowCount; ++n)
        ASSERT_EQ(c.table.row(n).texts[Field::PMV2], "-,--");
    EXPECT_EQ(Write(c, DataFileKind::Vam), bytes);
}

TEST_F(DataFileTest, EmptyRowsFromAPointLocaleStayEmpty)
{
    App().DecimalSep = '.';
    const MeasurementTable pointTable;
    const std::string bytes = FormatDataFile(pointTable, {"x", {}}, DataFileKind::Vam, texts_, RateFunction{});
    App().DecimalSep = ',';
    TempDir dir;
    dir.write("p.VAM", bytes);
    const DataFileContent c = Read(dir.file("p.VAM"));
    EXPECT_FALSE(c.ratingsAvailable);
    EXPECT_EQ(c.table.row(1).texts.Name, "");
    EXPECT_EQ(c.table.row(1).texts.PMV1, "-,--");
}

TEST_F(DataFileTest, TitleLikeAnOldHeaderStaysTheTitleAfterAVersionLine)
{
    DataFileContent c = Read(Fixture("current.VAM"));
    c.title = "Raum 1 - Temperatur";
    TempDir dir;
    dir.write("t.VAM", Write(c, DataFileKind::Vam));
    const DataFileContent again = Read(dir.file("t.VAM"));
    EXPECT_EQ(again.title, "Raum 1 - Temperatur");
    EXPECT_EQ(again.table.row(1).texts.Name, "Platz 1");
}

TEST_F(DataFileTest, BlankTitleAndLowerCaseExportName)
{
    std::string bytes = ReadBytes(Fixture("current.CSV"));
    bytes.replace(bytes.find("Messung Halle 3"), 15, "     ");
    TempDir dir;
    dir.write("klein.csv", bytes);
    const DataFileContent c = Read(dir.file("klein.csv"));
    EXPECT_EQ(c.title, "");
    EXPECT_EQ(c.table.row(1).texts.Name, "Platz 1");
    EXPECT_EQ(c.table.row(2).texts.Type, "XY01");
}

TEST_F(DataFileTest, NotesLoseTrailingBreaksBlanksAndSeparators)
{
    std::string bytes = ReadBytes(Fixture("current.VAM"));
    bytes = bytes.substr(0, bytes.find("MEMO: ")) + "MEMO: \r\na\r\n\r\n\t\r\n";
    TempDir dir;
    dir.write("m.VAM", bytes);
    EXPECT_EQ(Read(dir.file("m.VAM")).notes, std::vector<std::string>{"a"});
}

TEST_F(DataFileTest, SeparatorsInsideValuesDoNotShiftFields)
{
    MeasurementTable table;
    table.row(1).texts.Name = "A\tB;C";
    table.row(1).texts.Temp = "20,0";
    TempDir dir;
    for (const DataFileKind kind : {DataFileKind::Vam, DataFileKind::Csv}) {
        const std::string name = kind == DataFileKind::Vam ? "s.VAM" : "s.CSV";
        dir.write(name, FormatDataFile(table, {"x", {}}, kind, texts_, RateFunction{}));
        const RowTexts r = Read(dir.file(name)).table.row(1).texts;
        EXPECT_EQ(r.Name, kind == DataFileKind::Vam ? "A B;C" : "A\tB,C");
        EXPECT_EQ(r.Temp, "20,0");
    }
}

// ---- Damaged files --------------------------------------------------------

struct DamageCase {
    const char* label;
    std::string (*damage)(const std::string& good);
    int line; // expected line in the message, 0 for none
};

std::string CutAfterLine53(const std::string& good)
{
    std::size_t at = 0;
    for (int i = 0; i < 53; ++i)
        at = good.find("\r\n", at) + 2;
    return good.substr(0, at);
}

class DamagedFileTest : public DataFileTest,
                        public ::testing::WithParamInterface<std::tuple<DamageCase, const char*>> {};

TEST_P(DamagedFileTest, GivesAMessageAndNoContent)
{
    const auto& [damage, fixture] = GetParam();
    TempDir dir;
    const std::string ext = std::string(fixture).substr(std::string(fixture).size() - 4);
    const std::string path = dir.file(std::string("broken") + ext);
    dir.write("broken" + ext, damage.damage(ReadBytes(Fixture(fixture))));
    App().MeasurementsModified = true;
    App().UserPathSet = true;
    App().UserPath = "/elsewhere/";
    const ReadResult r = OpenMeasurements(path, texts_, ',', PmvSettings{});
    EXPECT_FALSE(r.content.has_value());
    EXPECT_NE(r.message.find("Konnte Datei nicht laden!"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
    if (damage.line > 0) {
        EXPECT_NE(r.message.find("Zeile " + std::to_string(damage.line)), std::string::npos) << r.message;
    }
    EXPECT_EQ(r.line, damage.line);
    EXPECT_TRUE(App().MeasurementsModified);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedFileTest,
    ::testing::Combine(
        ::testing::Values(
            DamageCase{"empty", [](const std::string&) { return std::string(); }, 0},
            DamageCase{"truncated", CutAfterLine53, 54},
            // Without a version line, a first table line without separator
            // or binary bytes show that this is no data file.
            DamageCase{"foreign", [](const std::string&) { return std::string("Hallo Welt\r\nkeine Tabelle\r\n"); }, 2},
            DamageCase{"one line", [](const std::string&) { return std::string("Hallo Welt"); }, 2},
            DamageCase{"binary",
                       [](const std::string&) { return std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\t;\x01\r\n", 20); },
                       0},
            DamageCase{"spreadsheet",
                       [](const std::string& g) { return std::string("\xD0\xCF\x11\xE0", 4) + g; }, 0},
            DamageCase{"notes missing",
                       [](const std::string& g) {
                           std::string b = g;
                           b.replace(b.find("MEMO: "), 6, "NOTES:");
                           return b;
                       },
                       103},
            DamageCase{"version only", [](const std::string&) { return std::string("VERSION=5.2.0.1\r\n"); }, 2}),
        ::testing::Values("current.VAM", "current.CSV")),
    [](const auto& info) {
        std::string n = std::string(std::get<0>(info.param).label) + "_" + std::get<1>(info.param);
        std::replace_if(n.begin(), n.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return n;
    });

TEST_F(DataFileTest, MissingFileNamesTheFile)
{
    TempDir dir;
    const ReadResult r = ReadDataFile(dir.file("nicht da.VAM"), texts_, ',', PmvSettings{});
    EXPECT_FALSE(r.content);
    EXPECT_NE(r.message.find("nicht da.VAM"), std::string::npos);
}

// ---- Saving ---------------------------------------------------------------

TEST_F(DataFileTest, SaveAdjustsTheExtensionOfTheFileNameOnly)
{
    EXPECT_EQ(SaveFileName("/d/Messung.vam", DataFileKind::Csv), "/d/Messung.CSV");
    EXPECT_EQ(SaveFileName("/d/Messung", DataFileKind::Vam), "/d/Messung.VAM");
    EXPECT_EQ(SaveFileName("/d/Messung.VAM", DataFileKind::Vam), "/d/Messung.VAM");
    EXPECT_EQ(SaveFileName("/d/m.csv", DataFileKind::Csv), "/d/m.csv");
    EXPECT_EQ(SaveFileName("/d/alt.VAM.daten/m", DataFileKind::Vam), "/d/alt.VAM.daten/m.VAM");
    EXPECT_EQ(SaveFileName("/d/x.CSV/m.vam", DataFileKind::Csv), "/d/x.CSV/m.CSV");
    EXPECT_EQ(NameForFileType("Messung.VAM", DataFileKind::Csv), "Messung.CSV");
    EXPECT_EQ(NameForFileType("Messung.csv", DataFileKind::Vam), "Messung.VAM");
    EXPECT_EQ(NameForFileType("a.vam/Messung", DataFileKind::Vam), "a.vam/Messung.VAM");
}

TEST_F(DataFileTest, DialogTextsFollowTheWindowsList)
{
    std::vector<std::string> lang(115);
    lang[32] = "VAMOK file";
    lang[33] = "CSV file";
    lang[36] = "for spreadsheets";
    lang[24] = "good";
    lang[48] = "Temperature";
    const DataFileTexts t = DataFileTextsFromLang(lang, {}, true);
    EXPECT_EQ(OpenDialogFilter(t), "VAMOK file (*.VAM *.vam);;CSV file (*.CSV *.csv)");
    EXPECT_EQ(SaveDialogFilter(t), "VAMOK file (*.VAM *.vam);;for spreadsheets(*.CSV *.csv)");
    EXPECT_EQ(t.ratingWord(1), "good");
    EXPECT_EQ(t.ratingWord(2), "");
    EXPECT_EQ(t.headers[static_cast<std::size_t>(Field::GT)], "");
    // The untranslated "Temp" still recognises headers written in German.
    EXPECT_EQ(t.temperatureMarks, (std::vector<std::string>{"Temperature", "Temp"}));
    EXPECT_EQ(KindOfFileType(2), DataFileKind::Csv);
    EXPECT_EQ(KindOfFileType(1), DataFileKind::Vam);
}

TEST_F(DataFileTest, SuccessfulSaveClearsModifiedAndAdoptsTheFolder)
{
    TempDir dir;
    App().MeasurementsModified = true;
    const SaveOutcome out = SaveMeasurements(MeasurementTable{}, {"P", {"n"}}, dir.file("Messung.vam"),
                                             DataFileKind::Csv, texts_, RateAgainstPCTypes());
    EXPECT_TRUE(out.result.ok) << out.result.message;
    EXPECT_EQ(out.path, dir.file("Messung.CSV"));
    EXPECT_FALSE(App().MeasurementsModified);
    EXPECT_TRUE(App().UserPathSet);
    EXPECT_EQ(QDir(QString::fromStdString(App().UserPath)).canonicalPath(),
              QDir(QString::fromStdString(dir.path())).canonicalPath());
    EXPECT_EQ(ReadBytes(out.path).substr(0, 17), "VERSION=5.2.0.1\r\n");
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    TempDir dir;
    MeasurementTable table;
    table.row(1).texts.Name = "neu";
    std::string target;
    const std::string old = "VERSION=5.2.0.1\r\nalt\r\n";
    if (geteuid() != 0) {
        // A folder the user may not write to.
        QDir().mkdir(QString::fromStdString(dir.file("ro")));
        dir.write("ro/Messung.VAM", old);
        QFile::setPermissions(QString::fromStdString(dir.file("ro")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        target = dir.file("ro/Messung.VAM");
    } else {
        // Permissions do not stop the superuser: a folder that is a file.
        dir.write("Messung.VAM", old);
        dir.write("kein-ordner", "x");
        target = dir.file("kein-ordner/Messung.VAM");
    }
    App().MeasurementsModified = true;
    const SaveOutcome out =
        SaveMeasurements(table, {"P", {}}, target, DataFileKind::Vam, texts_, RateAgainstPCTypes());
    QFile::setPermissions(QString::fromStdString(dir.file("ro")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(out.result.ok);
    EXPECT_NE(out.result.message.find("Konnte Datei nicht speichern!"), std::string::npos);
    EXPECT_NE(out.result.message.find(target), std::string::npos) << out.result.message;
    EXPECT_TRUE(App().MeasurementsModified);
    EXPECT_EQ(ReadBytes(geteuid() != 0 ? target : dir.file("Messung.VAM")), old);
}

TEST_F(DataFileTest, SaveReplacesAnExistingFileWhole)
{
    TempDir dir;
    dir.write("M.VAM", std::string(100000, 'x'));
    const SaveOutcome out = SaveMeasurements(MeasurementTable{}, {"P", {}}, dir.file("M.VAM"),
                                             DataFileKind::Vam, texts_, RateAgainstPCTypes());
    ASSERT_TRUE(out.result.ok);
    EXPECT_EQ(ReadBytes(dir.file("M.VAM")),
              FormatDataFile(MeasurementTable{}, {"P", {}}, DataFileKind::Vam, texts_, RateAgainstPCTypes()));
}
