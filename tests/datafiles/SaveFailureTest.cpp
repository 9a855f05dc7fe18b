// Every writer of the program on a file system that fails: the old file
// stays byte for byte, no temporary file is left beside it, and the message
// the writer hands to its window (or returns) carries the system's reason.
#include "DataFileTestSupport.h"

#include "core/IniFile.h"
#include "core/QSettingsStore.h"
#include "measure/DataFileWriter.h"
#include "profiles/ColumnDefinition.h"
#include "support/FailingDisk.h"
#include "support/TempDir.h"
#include "types/RecordingReporter.h"
#include "types/TypeFile.h"

using namespace vamok;

namespace {

struct WriterCase {
    const char* label;
    const char* fileName;
    const char* oldBytes;
    Writer save;
};

void PrintTo(const WriterCase& writer, std::ostream* out) { *out << writer.label; }

std::optional<std::string> Failure(bool ok, const std::string& message)
{
    return ok ? std::nullopt : std::optional<std::string>(message);
}

MeasurementTable TableWithOneRow()
{
    MeasurementTable table;
    table.row(1).texts.Name = "Platz neu";
    table.row(1).texts.Temp = "22,5";
    return table;
}

const WriterCase kWriters[] = {
    {"TypeLibrary", "Vamok.APT", "Anemo;PMV;Clo;CO2;VOCOO;FEIN\r\nALT \r\n",
     [](const std::string& path) {
         RecordingReporter reporter;
         const bool saved = SaveTypeFile(path, reporter);
         return Failure(saved, reporter.entries.empty() ? std::string() : reporter.entries[0].text);
     }},
    {"DataFile", "Messung.VAM", "VERSION=5.2.0.1\r\nalte Messung\r\n",
     [](const std::string& path) {
         const SaveResult r = WriteDataFile(TableWithOneRow(), path, DataFileHeading{"neu", {"Notiz"}});
         return Failure(r.ok, r.message);
     }},
    {"Export", "Messung.CSV", "VERSION=5.2.0.1\r\nalter Export\r\n",
     [](const std::string& path) {
         const SaveResult r = WriteDataFile(TableWithOneRow(), path, DataFileHeading{"neu", {}});
         return Failure(r.ok, r.message);
     }},
    {"ColumnFile", "Spalten.VBD", "[Spaltendefinition]\r\nShowTemp=0\r\n",
     [](const std::string& path) {
         const DefinitionFileResult r = ExportColumnDefinition(1, path);
         return Failure(r.message.empty(), r.message);
     }},
    {"ProfileFile", "Profile.VPD", "[ProfileNo01]\r\nName=Alt\r\n",
     [](const std::string& path) {
         std::string error;
         const bool written = WriteIniText(path, "ProfileNo01", "Name", "Standard", &error);
         return Failure(written, error);
     }},
    {"Settings", "Vamok.ini", "[SOFTWARE]\nQAL\\Vamok\\1.2\\UserPath=/alt/\n",
     [](const std::string& path) {
         return QSettingsStore(QString::fromStdString(path)).writeText("", "UserPath", "/ein/neuer/Ordner/");
     }},
};

class SaveFailureTest : public DataFileTestBase,
                        public ::testing::WithParamInterface<std::tuple<WriterCase, DiskFault>> {};

} // namespace

TEST_P(SaveFailureTest, OldFileStaysNoTemporaryFileAndTheReasonIsReported)
{
    const auto& [writer, fault] = GetParam();
    const SaveAttempt attempt = AttemptSave(fault, writer.fileName, writer.oldBytes, writer.save);
    if (!attempt.skipped.empty())
        GTEST_SKIP() << attempt.skipped;
    ASSERT_TRUE(attempt.failure.has_value()) << "the writer reported success";
    EXPECT_NE(attempt.failure->find(FaultReason(fault)), std::string::npos) << *attempt.failure;
    EXPECT_EQ(attempt.bytesAfter, writer.oldBytes);
    EXPECT_EQ(attempt.namesAfter, std::vector<std::string>{writer.fileName});
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, SaveFailureTest,
    ::testing::Combine(::testing::ValuesIn(kWriters),
                       ::testing::Values(DiskFault::FileSizeLimit, DiskFault::ReadOnlyFolder,
                                           DiskFault::ReadOnlyFile, DiskFault::FullDisk)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) + "_" + FaultName(std::get<1>(info.param));
    });

TEST_F(DataFileTestBase, EveryWriterSavesWhenTheDiskIsFine)
{
    for (const WriterCase& writer : kWriters) {
        SCOPED_TRACE(writer.label);
        TempDir dir;
        dir.write(writer.fileName, writer.oldBytes);
        EXPECT_EQ(writer.save(dir.file(writer.fileName)), std::nullopt);
        EXPECT_NE(dir.read(writer.fileName), writer.oldBytes);
    }
}
