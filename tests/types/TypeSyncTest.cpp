// Reading and writing the instrument's type slots: the real command layer
// over a pseudo-terminal against the simulated instrument, and a silent
// instrument.
#include "TypeSyncSupport.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "device/TAPSend.h"
#include "support/SimLink.h"
#include "support/TempDir.h"
#include "types/TypeFile.h"
#include "types/TypeLibrary.h"
#include "types/TypeSync.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <deque>

using namespace vamok;

namespace {

using Link = SimLink;

const Link kLinks[] = {
    {"altarim", "2.10", false, false, false},
    {"altarim", "1.05", false, false, false},
    {"quadrovan", "1.2", false, false, true},
    {"rix", "2.0.6", true, false, false},
    {"rix", "1.4.3", true, false, false},
    {"ventiq", "1.0.2", true, true, false},
};

// Records what the transfer shows; answers the questions in turn (No once
// the answers are used up).
struct RecordingSyncUi : TypeSyncUi {
    std::vector<std::string> messages, questions, present;
    std::deque<bool> answers;
    void Message(const std::string& caption, const std::string& text) override
    {
        messages.push_back(caption + ": " + text);
    }
    bool AskYes(const std::string& caption, const std::string& text) override
    {
        questions.push_back(caption + ": " + text);
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void TypeAlreadyPresent(const std::string& name) override { present.push_back(name); }
};

// The instrument as a channel: every command goes to the real link; the
// read-back of a write can be spoilt to play a slot that stores wrongly.
class Channel : public CommandChannel {
public:
    explicit Channel(CommandChannel& real) : real_(real) {}
    std::string SendCommand(const std::string& command, const std::string& start, int timeoutMs, int size,
                            const std::string& end) override
    {
        ++sent;
        std::string reply = real_.SendCommand(command, start, timeoutMs, size, end);
        const bool readBack = command.find("Rd") != std::string::npos && command.find("CkVe") == std::string::npos;
        if (spoilReadBack && readBack && reply.size() > 20)
            reply[20] = static_cast<char>(reply[20] ^ 0x01);
        return reply;
    }
    int sent = 0;
    bool spoilReadBack = false;

private:
    CommandChannel& real_;
};

// An instrument that never answers.
struct SilentChannel : CommandChannel {
    std::string SendCommand(const std::string&, const std::string&, int, int, const std::string&) override
    {
        ++sent;
        return {};
    }
    int sent = 0;
};

void NoPause(int) {}

TAPDef Stored(const TAPDef& t)
{
    TAPDef s = t;
    s.SetMarker();
    return s;
}

class TypeSyncTest : public testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        AddType(DefaultType(), false);
        DeviceTypes().clear();
        DeviceAnswering = true;
    }
    void TearDown() override
    {
        DeviceAnswering = false;
        DeviceTypes().clear();
        ResetPCTypes();
        App() = AppState{};
    }
    void Connect(const Link& l, const SimProcess& sim) { ConnectToSim(link, l, sim); }
    std::string Library() const { return dir.file("Vamok.APT"); }

    TempDir dir;
    TAPSend link;
    RecordingSyncUi ui;
};

// What the PC holds after reading `sent` from this link's instrument.
TAPDef ExpectedFromDevice(const Link& l, const TAPDef& sent)
{
    TAPDef t = Stored(sent);
    const TAPDef defaults = DefaultType();
    auto takeDefault = [&](int row) {
        for (int c = 1; c <= 5; ++c)
            t.at(c, row) = defaults.at(c, row);
    };
    if (l.ventiq) {
        t.Values = {};
        for (int c = 1; c <= 5; ++c)
            t.at(c, TypeRow::AirVelocity) = sent.at(c, TypeRow::AirVelocity);
        t.SetMarker();
    }
    const std::string fw = l.firmware;
    if (std::string(l.dialect) != "rix" || fw == "1.4.3") {
        for (int row : {TypeRow::PM1, TypeRow::PM25, TypeRow::PM10})
            takeDefault(row);
    }
    if (std::string(l.dialect) != "rix") {
        for (int row : {TypeRow::TVOC, TypeRow::CO})
            takeDefault(row);
    }
    if (fw == "1.05")
        takeDefault(TypeRow::Flicker);
    return t;
}

} // namespace

TEST_F(TypeSyncTest, ReadingTheSlotsFillsDeviceTypesAndAddsNewTypesToTheLibrary)
{
    for (const Link& l : kLinks) {
        SetUp();
        const SlotTypes slots{{1, Stored(DefaultType())}, {2, VariedType("B\xFCro", 2)}, {4, VariedType("LABO", 5)}};
        dir.write("state.json", TypeStateJson(l.firmware, slots));
        SimProcess sim(l.dialect, dir.file("state.json"));
        Connect(l, sim);
        QFile::remove(QString::fromStdString(Library()));

        TypeSync sync(link, ui, Library(), NoPause);
        const TypeReadResult r = sync.ReadDeviceTypes();
        EXPECT_FALSE(r.ReadError()) << l.dialect << " " << l.firmware;
        EXPECT_TRUE(ui.messages.empty()) << l.dialect << ": " << (ui.messages.empty() ? "" : ui.messages[0]);
        ASSERT_EQ(DeviceTypes().size(), 3u) << l.dialect << " " << l.firmware;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const TAPDef expected = ExpectedFromDevice(l, slots[i].second);
            EXPECT_EQ(DeviceTypes()[i].Name, expected.Name) << l.dialect;
            for (int row = 1; row <= kTypeRowCount; ++row)
                for (int c = 1; c <= 5; ++c)
                    EXPECT_EQ(DeviceTypes()[i].at(c, row), expected.at(c, row))
                        << l.dialect << " " << l.firmware << " " << expected.Name << " row " << row << " col " << c;
        }
        EXPECT_EQ(App().UsedAPT, (std::vector<std::string>{"VAM ", "B\xFCro", "LABO"})) << l.dialect;
        EXPECT_EQ(r.added, (std::vector<std::string>{"B\xFCro", "LABO"})) << l.dialect;
        EXPECT_EQ(ui.present, std::vector<std::string>{"VAM "});
        ASSERT_EQ(PCTypes().size(), 4u);
        // The library file now holds the new types.
        ResetPCTypes();
        RecordingSyncUi loadUi;
        EXPECT_TRUE(LoadTypeFile(Library(), loadUi).Valid()) << l.dialect;
        EXPECT_GE(FindType(PCTypes(), "B\xFCro"), 1) << l.dialect;
        if (std::string(l.dialect) == "rix") {
            EXPECT_EQ(App().ProfileNames[2], "Klima");
            EXPECT_EQ(App().ProfileNames[9], "B\xFCro komplett");
            EXPECT_EQ(Settings().text("R_ProfileName9"), "B\xFCro komplett");
        }
        ui = RecordingSyncUi{};
    }
}

TEST_F(TypeSyncTest, WrittenTypesArriveInTheirSlotsIntact)
{
    for (const Link& l : kLinks) {
        SetUp();
        dir.write("state.json", TypeStateJson(l.firmware, {}));
        const std::string record = dir.file("record.json");
        SimProcess sim(l.dialect, dir.file("state.json"), {"--record", record});
        Connect(l, sim);
        const TAPDef buero = VariedType("B\xFCro", 1);
        const TAPDef labo = VariedType("LABO", 6);
        AddType(buero, false);
        AddType(labo, false);
        App().UsedAPT = {"VAM ", "XY", "B\xFCro", "LABO"};

        TypeSync sync(link, ui, Library(), NoPause);
        EXPECT_EQ(sync.MissingUsedTypes(), std::vector<std::string>{"XY  "});
        const TypeWriteResult w = sync.UploadUsedTypes();
        EXPECT_EQ(w.writtenSlots, (std::vector<int>{1, 3, 4})) << l.dialect << " " << l.firmware;
        EXPECT_EQ(w.failedSlot, 0);
        EXPECT_TRUE(ui.questions.empty()) << l.dialect << ": " << (ui.questions.empty() ? "" : ui.questions[0]);
        sim.stop();

        QFile file(QString::fromStdString(record));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << l.dialect;
        const QJsonObject types = QJsonDocument::fromJson(file.readAll()).object().value("types").toObject();
        EXPECT_EQ(types.keys(), (QStringList{"1", "3", "4"})) << l.dialect;
        const std::string command = l.usb ? "BTW" : (l.quadrovan ? "BTW" : " Wa");
        for (const auto& [slot, sent] : SlotTypes{{1, DefaultType()}, {3, buero}, {4, labo}}) {
            const QJsonObject o = types.value(QString::number(slot)).toObject();
            EXPECT_EQ(o.value("command").toString().toStdString(), command) << l.dialect;
            EXPECT_EQ(ToCp1252(o.value("name").toString()), sent.Name) << l.dialect;
            const QJsonArray want = RowsJson(sent);
            const QJsonArray got = o.value("rows").toArray();
            // Each instrument keeps the rows its record holds.
            std::vector<int> rows;
            if (l.ventiq)
                rows = {10};
            else
                for (int r = 1; r <= 18; ++r)
                    if ((r != 6 || std::string(l.firmware) != "1.05") &&
                        (r < 12 || r > 16 || std::string(l.dialect) == "rix") &&
                        (r < 14 || r > 16 || std::string(l.firmware) == "2.0.6"))
                        rows.push_back(r);
            for (int r : rows)
                for (int c = 0; c < 5; ++c)
                    EXPECT_NEAR(got[r - 1].toArray()[c].toDouble(), want[r - 1].toArray()[c].toDouble(), 1e-9)
                        << l.dialect << " " << l.firmware << " slot " << slot << " row " << r << " col " << c + 1;
        }
        ui = RecordingSyncUi{};
    }
}

TEST_F(TypeSyncTest, ReadBackThatDiffersIsTriedFiveTimesThenAskedAbout)
{
    for (const Link& l : {kLinks[0], kLinks[3]}) {
        SetUp();
        dir.write("state.json", TypeStateJson(l.firmware, {}));
        SimProcess sim(l.dialect, dir.file("state.json"));
        Connect(l, sim);
        AddType(VariedType("BUER", 1), false);
        dir.write("Vamok.APT", TypeFileText());
        const std::string libraryBefore = dir.read("Vamok.APT");
        const TAPListe before = PCTypes();
        App().UsedAPT = {"BUER", "VAM "};

        Channel channel(link);
        channel.spoilReadBack = true;
        ui.answers = {true}; // Yes once: five more attempts, then No
        TypeSync sync(channel, ui, Library(), NoPause);
        const TypeWriteResult w = sync.UploadUsedTypes();
        EXPECT_TRUE(w.writtenSlots.empty()) << l.dialect;
        EXPECT_EQ(w.failedSlot, 1);
        EXPECT_EQ(w.failedName, "BUER");
        EXPECT_TRUE(w.aborted); // slot 2 was not tried
        ASSERT_EQ(ui.questions.size(), 2u) << l.dialect;
        const std::string status = l.usb ? "(FA: ACK--Tries:5)" : "(FA: --Tries:5)";
        for (const std::string& q : ui.questions) {
            EXPECT_EQ(q.rfind("FEHLER: Typdefinition nicht erfolgreich.\r\n", 0), 0u) << q;
            EXPECT_NE(q.find("\r\nWollen Sie mit der \xDC" "bertagung fortfahren?\r\n" + status), std::string::npos) << q;
        }
        // Two rounds of five writes, each with its read-back (one send on the altarim).
        EXPECT_EQ(channel.sent, l.usb ? 20 : 10);
        EXPECT_EQ(before, PCTypes());
        EXPECT_EQ(dir.read("Vamok.APT"), libraryBefore);
        ui = RecordingSyncUi{};
    }
}

TEST_F(TypeSyncTest, SilentInstrumentIsReportedOnceAndChangesNothing)
{
    for (const Link& l : kLinks) {
        SetUp();
        App().UsbMode = l.usb;
        App().VentiqMode = l.ventiq;
        App().QuadrovanMode = l.quadrovan;
        App().DeviceVersion = l.firmware;
        SilentChannel silent;
        TypeSync sync(silent, ui, Library(), NoPause);
        const TypeReadResult r = sync.ReadDeviceTypes();
        EXPECT_EQ(r.unansweredSlots.size(), 9u);
        const bool rix = l.usb && !l.ventiq;
        EXPECT_EQ(r.profileNamesFailed, rix);
        EXPECT_EQ(silent.sent, 27 + (rix ? 3 : 0)) << l.dialect;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind("Warnung: \xDC" "bertragungsfehler beim Typen-Lesen.\r\n", 0), 0u);
        EXPECT_TRUE(DeviceTypes().empty());
        EXPECT_EQ(PCTypes().size(), 2u);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(Library())));

        // A write: five unanswered attempts, then the question; No gives up.
        EXPECT_FALSE(sync.WriteTypeToSlot(1, 1));
        ASSERT_EQ(ui.questions.size(), 1u);
        EXPECT_NE(ui.questions[0].find(l.dialect == std::string("altarim") ? "(FA: --Tries:5)" : "(FA: NO_ACK--Tries:5)"),
                  std::string::npos) << ui.questions[0];
        EXPECT_TRUE(sync.Aborted());
        ui = RecordingSyncUi{};
    }
}

TEST_F(TypeSyncTest, ValueThatDoesNotFitIsRefusedBeforeAnythingIsSent)
{
    TAPDef hot = VariedType("HEI\xDF", 1);
    hot.at(4, TypeRow::Temperature) = 7000;
    AddType(hot, false);
    App().UsedAPT = {"HEI\xDF", "VAM "};
    App().UsbMode = true;
    App().DeviceVersion = "2.0.6";
    SilentChannel silent;
    ui.answers = {true}; // go on with the next slot
    TypeSync sync(silent, ui, Library(), NoPause);
    const TypeWriteResult w = sync.UploadUsedTypes();
    EXPECT_EQ(w.failedSlot, 1);
    ASSERT_GE(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find("(FA: WERTEBEREICH: Typ \"HEI\xDF\", Temperatur /\xB0" "C, Spalte 4--Tries:0)"),
              std::string::npos) << ui.questions[0];
    // Nothing went out for slot 1; slot 2 was tried (and found no instrument).
    EXPECT_EQ(silent.sent, 5);
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(TypeSyncTest, CompareNeverCallsTypesEqualWithoutDeviceTypes)
{
    AddType(VariedType("BUER", 1), false);
    AddType(VariedType("LABO", 2), false);
    RecordingSyncUi nothing;
    EXPECT_TRUE(CompareTypes(true, nothing).empty());
    ASSERT_EQ(nothing.messages.size(), 1u);
    EXPECT_EQ(nothing.messages[0].find("identisch"), std::string::npos);
    EXPECT_NE(nothing.messages[0].find("keine Arbeitsplatz-Typen"), std::string::npos);

    DeviceTypes() = {Stored(DefaultType()), Stored(VariedType("LABO", 2))};
    RecordingSyncUi equal;
    EXPECT_TRUE(CompareTypes(true, equal).empty());
    ASSERT_EQ(equal.messages.size(), 1u);
    EXPECT_NE(equal.messages[0].find("sind mit den am PC gespeicherten identisch!"), std::string::npos);
    RecordingSyncUi quiet;
    CompareTypes(false, quiet);
    EXPECT_TRUE(quiet.messages.empty());

    DeviceTypes() = {Stored(VariedType("VAM ", 3)), Stored(VariedType("LABO", 4)), Stored(VariedType("ZZZZ", 4))};
    RecordingSyncUi differ;
    EXPECT_EQ(CompareTypes(false, differ), (std::vector<std::string>{"VAM ", "LABO"}));
    ASSERT_EQ(differ.messages.size(), 1u);
    EXPECT_EQ(differ.messages[0],
              "Warnung: Achtung die Definitionen folgender Arbeitsplatz-Typen\r\n"
              "im VAMOK unterscheiden sich von den am PC gespeicherten:\r\n\r\nVAM ; LABO");

    RecordingSyncUi no;
    EXPECT_TRUE(OverwritePCTypes(no, Library()).empty());
    EXPECT_NE(PCTypes()[3].Values, DeviceTypes()[1].Values);
    RecordingSyncUi yes;
    yes.answers = {true};
    EXPECT_EQ(OverwritePCTypes(yes, Library()), (std::vector<std::string>{"VAM ", "LABO"}));
    EXPECT_EQ(PCTypes()[3].Values, DeviceTypes()[1].Values);
    EXPECT_EQ(PCTypes().size(), 4u); // ZZZZ is only in the instrument
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Library())));
}
