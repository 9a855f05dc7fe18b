#include "RecordingReporter.h"
#include "support/TempDir.h"

#include "core/AppState.h"
#include "types/TypeDefaults.h"
#include "core/AtomicSave.h"
#include "types/TypeFile.h"
#include "types/TypeLibrary.h"
#include "types/TypeLibraryFile.h"

#include <gtest/gtest.h>

#include <QFile>

#include <csignal>
#include <unistd.h>
#include <sys/resource.h>

using namespace vamok;

namespace {

const std::string kNineRows = "20;21;22;26;21\r\n30;50;65;75;55\r\n0;35;55;70;55\r\n0;35;55;70;55\r\n"
                              "300;400;30000;31000;500\r\n73;84;456;460;85\r\n80;100;3000;3100;100\r\n"
                              "3;5;11;15;0\r\n0;0;3;20;3\r\n";

class TypeFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().AppDataPath = dir.path();
        ResetPCTypes();
    }

    TypeLoadResult Load(const std::string& text)
    {
        dir.write("t.APT", text);
        return LoadTypeFile(dir.file("t.APT"), reporter);
    }

    TempDir dir;
    RecordingReporter reporter;
};

TEST_F(TypeFileTest, DefaultsLibraryIsWrittenAsTwentyLines)
{
    PCTypes().push_back(DefaultType());
    const std::string text = TypeFileText();
    EXPECT_EQ(text.substr(0, 59), "Anemo;PMV;Clo;CO2;VOCOO;FEIN\r\nVAM \r\n20;21;22;26;21\r\n30;50;6");
    EXPECT_NE(text.find("\r\n0,00;0,00;0,10;0,20;0,01\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n0;0;1000;1500;380\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n-0,70;-0,50;0,50;0,70;0,01\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 20u);
    EXPECT_TRUE(text.ends_with("\r\n0,60;0,90;1,20;1,30;441,15\r\n"));
}

TEST_F(TypeFileTest, RoundTripKeepsEveryValueWithEitherSeparator)
{
    for (char sep : {',', '.'}) {
        ResetPCTypes();
        App().DecimalSep = sep;
        PCTypes().push_back(DefaultType());
        TAPDef odd;
        odd.SetName("ab");
        for (int c = 1; c <= kTypeColumnCount; ++c)
            for (int r = 1; r <= kTypeRowCount; ++r)
                odd.at(c, r) = (c * 37 - r * 101) * (r % 2 ? 1 : -13);
        odd.SetMarker();
        PCTypes().push_back(odd);
        const TAPListe written = PCTypes();
        ASSERT_TRUE(SaveTypeFile(dir.file("rt.APT"), reporter));

        App().DecimalSep = sep == ',' ? '.' : ','; // read back under the other locale
        const TypeLoadResult result = LoadTypeFile(dir.file("rt.APT"), reporter);
        EXPECT_TRUE(result.Valid());
        EXPECT_EQ(PCTypes(), written) << "separator " << sep;
        EXPECT_EQ(PCTypes()[2].Name, "ab  ");
    }
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(TypeFileTest, OldestFormTakesRowsTenToEighteenFromDefaults)
{
    const TypeLoadResult result = Load("VAM \r\n" + kNineRows + "OLD\r\n" + kNineRows);
    EXPECT_TRUE(result.Valid());
    ASSERT_EQ(PCTypes().size(), 3u);
    const TAPDef defaults = DefaultType();
    for (const TAPDef& t : {PCTypes()[1], PCTypes()[2]}) {
        for (int c = 1; c <= kTypeColumnCount; ++c)
            for (int r = 1; r <= kTypeRowCount; ++r)
                EXPECT_EQ(t.at(c, r), defaults.at(c, r)) << t.Name << " " << c << "/" << r;
        EXPECT_TRUE(t.HasMarker());
    }
    EXPECT_EQ(PCTypes()[2].Name, "OLD ");
}

TEST_F(TypeFileTest, FeatureLineSelectsTheStoredRows)
{
    // Anemo;PMV;Clo: rows 1 to 10, 17, 18 in this order.
    Load("Anemo;PMV;Clo\r\nVAM \r\n" + kNineRows + "0,05;0,1;0,15;0,25;0,02\r\n-1;-0,6;0,6;1;0,03\r\n"
         "0,5;1;1,5;2;0\r\n");
    ASSERT_EQ(PCTypes().size(), 2u);
    const TAPDef& t = PCTypes()[1];
    EXPECT_EQ(t.at(2, TypeRow::AirVelocity), 10);
    EXPECT_EQ(t.at(1, TypeRow::PMV), -100);
    EXPECT_EQ(t.at(4, TypeRow::Clothing), 200);
    EXPECT_EQ(t.at(5, TypeRow::Clothing), kClothingMarker);
    EXPECT_EQ(t.at(5, TypeRow::CO2), 380); // from the defaults
    EXPECT_EQ(t.at(4, TypeRow::PM10), 40);

    // CO2 without PMV and Clo before it does not count: 10 lines per type.
    ResetPCTypes();
    const TypeLoadResult result = Load("Anemo;CO2\r\nVAM \r\n" + kNineRows + "0;0;0,5;1;0,1\r\nB\r\n"
                                       + kNineRows + "0;0;0,5;1;0,1\r\n");
    EXPECT_TRUE(result.Valid());
    ASSERT_EQ(PCTypes().size(), 3u);
    EXPECT_EQ(PCTypes()[2].Name, "B   ");
    EXPECT_EQ(PCTypes()[2].at(4, TypeRow::AirVelocity), 100);
    EXPECT_EQ(PCTypes()[2].at(4, TypeRow::CO2), 1500);
}

TEST_F(TypeFileTest, DuplicateNamesAreRenamedAndReported)
{
    const TypeLoadResult result = Load("AB\r\n" + kNineRows + "AB  \r\n" + kNineRows + "NONE\r\n" + kNineRows);
    ASSERT_EQ(PCTypes().size(), 4u);
    EXPECT_EQ(PCTypes()[1].Name, "AB  ");
    EXPECT_EQ(PCTypes()[2].Name, "X001");
    EXPECT_EQ(PCTypes()[3].Name, "X002");
    EXPECT_EQ(result.renameReport, "Name: AB  ; Nr: 2; neuer Name: X001\r\nName: NONE; Nr: 3; neuer Name: X002\r\n");
    EXPECT_FALSE(result.Valid()); // no "VAM "
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].caption, "Warnung");
    EXPECT_TRUE(reporter.entries[0].text.starts_with("WARNUNG: AP-Dateifehler!\r\n"));
    EXPECT_TRUE(reporter.Saw("\r\n\r\nName: AB  ; Nr: 2; neuer Name: X001\r\nName: NONE"));
    EXPECT_TRUE(reporter.entries[0].text.ends_with("\r\nBitte kontrollieren Sie anschliessend die\r\nArbeitsplatzTypen"));
    EXPECT_EQ(FindType(PCTypes(), "NONE"), -1);
}

TEST_F(TypeFileTest, PredefinedTypeCountsInAnyLetterCase)
{
    EXPECT_TRUE(Load("vam\r\n" + kNineRows).Valid());
    EXPECT_EQ(PCTypes()[1].Name, "vam ");
    EXPECT_FALSE(Load("VAMX\r\n" + kNineRows).Valid());
}

TEST_F(TypeFileTest, EmptyAndMissingFieldsStoreZero)
{
    Load("VAM \r\n20;;22;26;21\r\n30;50;65\r\n" + kNineRows.substr(kNineRows.find("0;35")));
    const TAPDef& t = PCTypes()[1];
    EXPECT_EQ(t.at(2, 1), 0);
    EXPECT_EQ(t.at(3, 1), 22);
    EXPECT_EQ(t.at(3, 2), 65);
    EXPECT_EQ(t.at(4, 2), 0);
    EXPECT_EQ(t.at(5, 2), 0);
}

TEST_F(TypeFileTest, BadFieldStopsTheLoadAndKeepsTheTypesBefore)
{
    std::string bad = kNineRows;
    bad.replace(bad.find("73;84"), 5, "73;8x");
    const TypeLoadResult result = Load("VAM \r\n" + kNineRows + "BAD\r\n" + bad + "LAST\r\n" + kNineRows);
    EXPECT_EQ(result.status, TypeFileStatus::Damaged);
    EXPECT_FALSE(result.Valid());
    ASSERT_EQ(PCTypes().size(), 2u); // the half-read type is dropped, the rest not read
    EXPECT_EQ(PCTypes()[1].Name, "VAM ");
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].caption, "FEHLER");
    EXPECT_TRUE(reporter.Saw(dir.file("t.APT")));
    EXPECT_TRUE(reporter.Saw("Zeile 17: 73;8x;456;460;85"));
    EXPECT_TRUE(reporter.Saw("'8x'"));
}

TEST_F(TypeFileTest, TruncatedTypeIsDamagedButTrailingEmptyLinesAreNot)
{
    EXPECT_EQ(Load("VAM \r\n" + kNineRows + "\r\n\r\n\r\n").status, TypeFileStatus::Loaded);
    EXPECT_EQ(PCTypes().size(), 2u);
    const TypeLoadResult cut = Load("VAM \r\n" + kNineRows + "CUT\r\n20;21;22;26;21\r\n");
    EXPECT_EQ(cut.status, TypeFileStatus::Damaged);
    EXPECT_EQ(PCTypes().size(), 2u);
}

TEST_F(TypeFileTest, MissingFileGivesTheDefaultsLibrary)
{
    const TypeLoadResult result = LoadTypeFile(dir.file("none.APT"), reporter);
    EXPECT_TRUE(result.DefaultsBuilt());
    EXPECT_FALSE(result.Valid());
    ASSERT_EQ(PCTypes().size(), 2u);
    EXPECT_EQ(PCTypes()[1], DefaultType());
    EXPECT_EQ(FirstTypeIndex(), 1);
}

TEST_F(TypeFileTest, DamagedLibraryIsMovedAsideBeforeTheNextSave)
{
    dir.write("Vamok.APT.bak", "older backup");
    const std::string damaged = "VAM \r\n" + kNineRows + "B\r\n20;x\r\n";
    dir.write("Vamok.APT", damaged);
    LoadLibrary(reporter);
    EXPECT_EQ(dir.read("Vamok.APT_1.bak"), damaged);
    EXPECT_TRUE(reporter.Saw(dir.file("Vamok.APT_1.bak")));
    EXPECT_EQ(dir.read("Vamok.APT.bak"), "older backup");
    ASSERT_TRUE(SaveLibrary(reporter));
    EXPECT_EQ(dir.read("Vamok.APT_1.bak"), damaged);
    EXPECT_TRUE(LoadLibrary(reporter).Valid());
    EXPECT_EQ(PCTypes().size(), 2u);
}

TEST_F(TypeFileTest, BackupNamesCountUpPastExistingBackups)
{
    const std::string lib = dir.file("Vamok.APT");
    EXPECT_EQ(BackupName(lib), lib + ".bak");
    dir.write("Vamok.APT.bak", "");
    dir.write("Vamok.APT_1.bak", "");
    EXPECT_EQ(BackupName(lib), dir.file("Vamok.APT_2.bak"));
}

TEST_F(TypeFileTest, AWriteThatFailsMidwayKeepsTheOldFile)
{
    const std::string old = "VAM \r\n" + kNineRows;
    dir.write("Vamok.APT", old);
    for (int i = 0; i < 20; ++i) {
        TAPDef t = DefaultType();
        t.SetName("T" + std::to_string(i));
        PCTypes().push_back(t);
    }
    // A file-size limit makes the write fail after its first bytes, even
    // for a privileged user.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 512;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = SaveLibrary(reporter);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(written);
    EXPECT_EQ(dir.read("Vamok.APT"), old);
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].caption, "Error");
    EXPECT_EQ(reporter.entries[0].text, "Error saving file.\r\n" + SystemReason(EFBIG));
}

TEST_F(TypeFileTest, WriteIntoAReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "a privileged user may write into read-only folders";
    const std::string old = "VAM \r\n" + kNineRows;
    dir.write("Vamok.APT", old);
    PCTypes().push_back(DefaultType());
    const QString folder = QString::fromStdString(dir.path());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool written = SaveLibrary(reporter);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_EQ(dir.read("Vamok.APT"), old);
    EXPECT_TRUE(reporter.Saw("Error saving file."));
}

TEST_F(TypeFileTest, WriteIntoAFolderThatCannotExistFails)
{
    dir.write("plain", "x");
    EXPECT_FALSE(SaveTypeFile(dir.file("plain/Vamok.APT"), reporter));
    EXPECT_TRUE(reporter.Saw("Error saving file."));
    EXPECT_EQ(dir.read("plain"), "x");
}

} // namespace
