// vamok-cli types pull / types push / names upload: the real program over a
// pseudo-terminal against the simulated instrument and its --record file.
#include "types/TypeSyncSupport.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/TextHelpers.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "types/TypeFile.h"
#include "types/TypeLibrary.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    std::string err;
};

class TypeTransferCli : public testing::Test {
protected:
    CliResult Cli(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "de_DE.UTF-8");
        env.insert("HOME", QString::fromStdString(home.path())); // no user settings or library
        env.insert("XDG_DATA_HOME", QString::fromStdString(home.file("data")));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.file("config")));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VAMOK_CLI_BINARY), args);
        EXPECT_TRUE(p.waitForFinished(90000));
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError().toStdString()};
    }
    // The library file holding these types after "VAM ".
    void WriteLibrary(const std::vector<TAPDef>& types)
    {
        ResetPCTypes();
        AddType(DefaultType(), false);
        for (const TAPDef& t : types)
            AddType(t, false);
        App().DecimalSep = ',';
        dir.write("lib.APT", TypeFileText());
        ResetPCTypes();
    }
    QString Lib() const { return QString::fromStdString(dir.file("lib.APT")); }
    QJsonObject Record(const std::string& name) const
    {
        QFile f(QString::fromStdString(dir.file(name)));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    TempDir dir, home;
};

const TAPDef kBuero = VariedType("BUER", 2);
const TAPDef kLabo = VariedType("LABO", 4);
const TAPDef kUmlaut = VariedType("B\xFCro", 3);

std::string StateWithWorkplaces(const std::string& firmware, const SlotTypes& types)
{
    QJsonObject state = QJsonDocument::fromJson(QByteArray::fromStdString(TypeStateJson(firmware, types))).object();
    QJsonArray workplaces;
    const char* names[] = {"Flur", "B\xC3\xBCro 14", "Labor", "Kantine"};
    const char* typeNames[] = {"VAM ", "BUER", "LABO", "LABO"};
    for (int n = 1; n <= 4; ++n)
        workplaces.append(QJsonObject{{"number", n}, {"name", QString::fromUtf8(names[n - 1])},
                                      {"type", typeNames[n - 1]}, {"profile", n},
                                      {"time", "2026-11-30T09:15:00"},
                                      {"values", QJsonObject{{"Temp", 23.9}, {"Feu", 45.5}, {"GT", 24.2},
                                                             {"Wind", 0.12}}}});
    state.insert("workplaces", workplaces);
    return QJsonDocument(state).toJson().toStdString();
}

// onlyThese: no other slot was written.
void ExpectRecordedTypes(const QJsonObject& record, const SlotTypes& expected, bool gasAndDust, const char* what,
                         bool onlyThese = true)
{
    const QJsonObject types = record.value("types").toObject();
    if (onlyThese) {
        EXPECT_EQ(types.size(), static_cast<qsizetype>(expected.size())) << what;
    }
    for (const auto& [slot, type] : expected) {
        const QJsonObject o = types.value(QString::number(slot)).toObject();
        EXPECT_EQ(ToCp1252(o.value("name").toString()), type.Name) << what << " slot " << slot;
        const QJsonArray want = RowsJson(type);
        const QJsonArray got = o.value("rows").toArray();
        for (int r = 1; r <= 18; ++r) {
            if (!gasAndDust && r >= 12 && r <= 16)
                continue;
            for (int c = 0; c < 5; ++c)
                EXPECT_NEAR(got[r - 1].toArray()[c].toDouble(), want[r - 1].toArray()[c].toDouble(), 1e-9)
                    << what << " slot " << slot << " row " << r << " col " << c + 1;
        }
    }
}

} // namespace

TEST_F(TypeTransferCli, PullPrintsTheSlotsAsHeldAndAddsTheNewTypes)
{
    WriteLibrary({});
    const SlotTypes slots{{1, DefaultType()}, {2, kBuero}, {5, kUmlaut}};
    dir.write("state.json", TypeStateJson("3.0.0", slots));
    SimProcess sim("rix", dir.file("state.json"));
    const CliResult r = Cli({"types", "pull", "--link", "rix", "--port", QString::fromStdString(sim.ptyPath()), "--json",
                       "--library", Lib()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    const QJsonArray read = o.value("slots").toArray();
    ASSERT_EQ(read.size(), 3) << r.out.toStdString();
    for (qsizetype i = 0; i < read.size(); ++i) {
        const QJsonObject s = read[i].toObject();
        const auto& [slot, type] = slots[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.value("slot").toInt(), slot);
        EXPECT_EQ(ToCp1252(s.value("name").toString()), type.Name);
        const QJsonArray values = s.value("values").toArray();
        ASSERT_EQ(values.size(), 18);
        for (int row = 1; row <= 18; ++row)
            for (int c = 1; c <= 5; ++c)
                EXPECT_EQ(values[row - 1].toArray()[c - 1].toInt(), type.at(c, row))
                    << type.Name << " row " << row << " col " << c;
    }
    EXPECT_EQ(o.value("added").toArray(), (QJsonArray{"BUER", QString::fromUtf8("Büro")}));
    EXPECT_EQ(o.value("renamed").toString(), "");

    const CliResult list = Cli({"types", "list", "--library", Lib()});
    EXPECT_EQ(list.out.toStdString(), "VAM \nBUER\nB\xC3\xBCro\n");
}

TEST_F(TypeTransferCli, PushedTypesArriveIntactAndAreReadBack)
{
    WriteLibrary({kBuero, kLabo, kUmlaut});
    struct Case {
        const char* dialect;
        const char* firmware;
        bool gasAndDust;
    };
    for (const Case c : {Case{"altarim", "2.10", false}, Case{"rix", "3.0.0", true}}) {
        dir.write("state.json", TypeStateJson(c.firmware, {}));
        SimProcess sim(c.dialect, dir.file("state.json"), {"--record", dir.file("record.json")});
        const std::string before = dir.read("lib.APT");
        const CliResult r = Cli({"types", "push", "--link", c.dialect, "--port", QString::fromStdString(sim.ptyPath()),
                           "--library", Lib(), "LABO", "BUER", QString::fromUtf8("Büro")});
        EXPECT_EQ(r.exitCode, 0) << c.dialect << ": " << r.err;
        sim.stop();
        ExpectRecordedTypes(Record("record.json"), {{1, kLabo}, {2, kBuero}, {3, kUmlaut}}, c.gasAndDust, c.dialect);
        EXPECT_EQ(dir.read("lib.APT"), before) << c.dialect;
    }
    const CliResult unknown = Cli({"types", "push", "--link", "rix", "--port", "/dev/null", "--library", Lib(), "NOPE"});
    EXPECT_NE(unknown.exitCode, 0);
    const CliResult none = Cli({"types", "push", "--link", "rix", "--library", Lib()});
    EXPECT_EQ(none.exitCode, 2);
}

// The rix answers the identification's two commands and the first slot's
// write and read-back, then falls silent.
TEST_F(TypeTransferCli, InstrumentFallingSilentDuringAPushLeavesTheLibraryAndCanBeRepeated)
{
    WriteLibrary({kBuero, kLabo});
    const std::string before = dir.read("lib.APT");
    dir.write("state.json", TypeStateJson("3.0.0", {}));
    const QStringList push{"types", "push", "--link", "rix", "--library", Lib(), "BUER", "LABO"};
    {
        SimProcess sim("rix", dir.file("state.json"), {"--silent-after", "4", "--record", dir.file("part.json")});
        const CliResult r = Cli(push + QStringList{"--port", QString::fromStdString(sim.ptyPath())});
        EXPECT_EQ(r.exitCode, 5) << r.err;
        EXPECT_NE(r.err.find("incomplete: 1 of 2 type slots written; slot 2 (LABO) failed"), std::string::npos) << r.err;
        sim.stop();
        // Slot 2's write reached the instrument; its answer did not.
        ExpectRecordedTypes(Record("part.json"), {{1, kBuero}}, true, "part", false);
    }
    EXPECT_EQ(dir.read("lib.APT"), before);
    SimProcess sim("rix", dir.file("state.json"), {"--record", dir.file("whole.json")});
    const CliResult again = Cli(push + QStringList{"--port", QString::fromStdString(sim.ptyPath())});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    sim.stop();
    ExpectRecordedTypes(Record("whole.json"), {{1, kBuero}, {2, kLabo}}, true, "again");
}

TEST_F(TypeTransferCli, NamesOfADataFileArriveWithTheirTypesAndAStopIsReported)
{
    WriteLibrary({kBuero, kLabo});
    dir.write("source.json", StateWithWorkplaces("3.0.0", {}));
    {
        SimProcess source("rix", dir.file("source.json"));
        const CliResult read = Cli({"read", "--link", "rix", "--port", QString::fromStdString(source.ptyPath()), "--last",
                              "4", "--library", Lib(), "--out", QString::fromStdString(dir.file("plan.VAM"))});
        ASSERT_EQ(read.exitCode, 0) << read.err;
    }
    const QStringList upload{"names", "upload", QString::fromStdString(dir.file("plan.VAM")), "--link", "rix",
                             "--library", Lib(), "--last", "4"};
    dir.write("empty.json", TypeStateJson("3.0.0", {}));
    {
        // Identification (2 commands) and two workplaces (2 each), then silence.
        SimProcess sim("rix", dir.file("empty.json"), {"--silent-after", "6", "--record", dir.file("part.json")});
        const CliResult r = Cli(upload + QStringList{"--port", QString::fromStdString(sim.ptyPath())});
        EXPECT_EQ(r.exitCode, 5) << r.err;
        EXPECT_NE(r.err.find("incomplete: 2 of 4 workplaces written; workplace 3 failed"), std::string::npos) << r.err;
        sim.stop();
        // Workplace 3's write reached the instrument; its answer did not.
        EXPECT_EQ(Record("part.json").value("names").toObject().keys(), (QStringList{"1", "2", "3"}));
    }
    SimProcess sim("rix", dir.file("empty.json"), {"--record", dir.file("record.json")});
    const CliResult r = Cli(upload + QStringList{"--port", QString::fromStdString(sim.ptyPath())});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    sim.stop();
    const QJsonObject record = Record("record.json");
    const QJsonObject names = record.value("names").toObject();
    const char* expected[] = {"Flur", "B\xFCro 14", "Labor", "Kantine"};
    const int slot[] = {1, 2, 3, 3};
    for (int n = 1; n <= 4; ++n) {
        const QJsonObject w = names.value(QString::number(n)).toObject();
        EXPECT_EQ(ToCp1252(w.value("name").toString()), PadText(true, 20, expected[n - 1])) << n;
        EXPECT_EQ(w.value("slot").toInt(), slot[n - 1]) << n;
        EXPECT_EQ(w.value("profile").toInt(), n) << n;
    }
    ExpectRecordedTypes(record, {{1, DefaultType()}, {2, kBuero}, {3, kLabo}}, true, "names");
}

// Rows whose type only the instrument held are rated and get their PMV once
// the pull has brought the type into the library.
TEST_F(TypeTransferCli, AfterAPullRowsTypedOnlyInTheInstrumentAreRated)
{
    WriteLibrary({});
    dir.write("state.json", StateWithWorkplaces("3.0.0", {{1, DefaultType()}, {2, kBuero}, {3, kLabo}}));
    SimProcess sim("rix", dir.file("state.json"));
    const QString port = QString::fromStdString(sim.ptyPath());
    auto readRow3 = [&](const char* file) {
        const CliResult read = Cli({"read", "--link", "rix", "--port", port, "--last", "4", "--library", Lib(), "--out",
                              QString::fromStdString(dir.file(file))});
        EXPECT_EQ(read.exitCode, 0) << read.err;
        const CliResult show = Cli({"show", QString::fromStdString(dir.file(file)), "--json", "--types", Lib()});
        EXPECT_EQ(show.exitCode, 0) << show.err;
        return QJsonDocument::fromJson(show.out.split('\n').value(3)).object();
    };
    const QJsonObject before = readRow3("before.VAM");
    EXPECT_EQ(before.value("Type").toString(), "LABO");
    EXPECT_EQ(before.value("ratings").toObject().value("Temp").toInt(), 0);
    EXPECT_EQ(before.value("PMV2").toString(), "655,35");

    const CliResult pull = Cli({"types", "pull", "--link", "rix", "--port", port, "--library", Lib()});
    ASSERT_EQ(pull.exitCode, 0) << pull.err;
    const QJsonObject after = readRow3("after.VAM");
    EXPECT_NE(after.value("ratings").toObject().value("Temp").toInt(), 0);
    EXPECT_NE(after.value("PMV2").toString(), "655,35");
    EXPECT_FALSE(after.value("PMV2").toString().isEmpty());
}

TEST_F(TypeTransferCli, BadCommandLinesAreUsageErrors)
{
    WriteLibrary({});
    const QStringList bad[] = {
        {"types", "pull", "extra", "--link", "rix"},
        {"types", "pull", "--link", "usb"},
        {"types", "push", "--link", "rix", "--library", Lib()},
        {"types", "push", "--link", "rix", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
        {"names", "upload", "--link", "rix"},
        {"names", "send", "x.VAM", "--link", "rix"},
        {"names", "upload", "x.VAM", "--link", "rix", "--first", "0"},
        {"names", "upload", "x.VAM", "--link", "rix", "--lst", "3"},
    };
    for (const QStringList& args : bad) {
        const CliResult r = Cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString() << ": " << r.err;
        EXPECT_NE(r.err.find("usage: vamok-cli "), std::string::npos) << r.err;
    }
    // A file that cannot be read.
    const CliResult missing = Cli({"names", "upload", QString::fromStdString(dir.file("none.VAM")), "--link", "rix"});
    EXPECT_EQ(missing.exitCode, 4) << missing.err;
}
