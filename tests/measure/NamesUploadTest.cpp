// The workplace names upload: the command bytes per model, the slots given
// to the workplaces, and the upload end to end over a pseudo-terminal
// against the simulated instrument.
#include "ReadoutFakes.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"
#include "device/TAPSend.h"
#include "measure/NamesUpload.h"
#include "measure/TransferTexts.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

struct UploadUi : NamesUploadUi {
    std::vector<std::string> messages, questions;
    bool yes = true;
    bool ok = true;
    void Message(const std::string& caption, const std::string& text) override
    {
        messages.push_back(caption + ": " + text);
    }
    bool AskYes(const std::string& caption, const std::string& text) override
    {
        questions.push_back(caption + ": " + text);
        return yes;
    }
    bool AskOk(const std::string& caption, const std::string& text) override
    {
        questions.push_back(caption + ": " + text);
        return ok;
    }
};

void NoPause(int) {}

std::vector<std::string> Lang()
{
    return {TransferLangTexts().begin(), TransferLangTexts().end()};
}

TAPDef Named(const std::string& name)
{
    TAPDef t = DefaultType();
    t.SetName(name);
    return t;
}

class NamesUploadTest : public testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        for (const char* name : {"VAM ", "AB", "CD"})
            AddType(Named(name), false);
        DeviceTypes().clear();
    }
    void TearDown() override
    {
        DeviceAnswering = false;
        ResetPCTypes();
        DeviceTypes().clear();
        App() = AppState{};
    }
    void Row(int n, const std::string& name, const std::string& type, const std::string& profile = "1")
    {
        table.row(n).texts.Name = name;
        table.row(n).texts.Type = type;
        table.row(n).texts.Profile = profile;
    }
    MeasurementTable table;
    UploadUi ui;
    TempDir dir;
};

} // namespace

TEST_F(NamesUploadTest, CommandBytesPerModel)
{
    RowTexts row;
    row.Name = "B\xFCro";
    row.Profile = "4";
    EXPECT_EQ(NamesUpload::Command(row, 3, 2, LinkMode::AltarimCom),
              std::string("Pt\x03" "B\xF5ro    \x00\x02", 13));
    EXPECT_EQ(NamesUpload::Command(row, 3, 2, LinkMode::QuadrovanCom),
              std::string("Pt\x03" "B\xF5ro    \x00\x02", 13));
    EXPECT_EQ(NamesUpload::Command(row, 3, 2, LinkMode::RixUsb),
              std::string("Pt\x03" "B\xFCro                \x00\x02\x04", 26));
    EXPECT_EQ(NamesUpload::Command(row, 3, 2, LinkMode::VentiqUsb),
              std::string("Pt\x03" "B\xFCro                \x00\x02", 25));
    row.Name = "Besprechungsraum Nord 2";
    row.Profile = "x";
    EXPECT_EQ(NamesUpload::Command(row, 99, 0, LinkMode::RixUsb),
              std::string("Pt\x63" "Besprechungsraum Nor\x00\x00\x00", 26));
    EXPECT_EQ(NamesUpload::Command(row, 99, 0, LinkMode::AltarimCom), std::string("Pt\x63" "Besprech\x00\x00", 13));
}

// A type the library lacks leaves the list once, before any slot is given,
// so that every workplace's slot is the slot its type is written to.
TEST_F(NamesUploadTest, WorkplacesAndTypesArriveWithMatchingSlots)
{
    dir.write("state.json", R"({"firmware": "2.0.6", "serial": 77})");
    const std::string record = dir.file("record.json");
    SimProcess sim("rix", dir.file("state.json"), {"--record", record});
    TAPSend link;
    App().UsbMode = true;
    App().DeviceVersion = "2.0.6";
    App().ComPortPath = sim.ptyPath();
    link.SetUsbFramesOnSerial(true);
    link.SelectComPort(1);
    DeviceAnswering = true;

    Row(3, "B\xFCro", "AB", "4");
    Row(4, "Flur", "VAM ");
    Row(5, "Lager", "XY");
    Row(6, "Halle", "VAM ");
    Row(7, "Kantine", "CD", "2");
    App().UsedAPT = {"XY", "CD"};
    TypeSync types(link, ui, dir.file("Vamok.APT"), NoPause);
    NamesUpload upload(table, link, ui, App().UsedAPT, types, Lang(), NoPause);
    const NamesUploadResult r = upload.Run(3, 7);
    ASSERT_TRUE(r.sent);
    EXPECT_EQ(r.missingTypes, std::vector<std::string>{"XY  "});
    EXPECT_EQ(r.written, (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_TRUE(r.failed.empty());
    EXPECT_EQ(r.types.writtenSlots, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(App().UsedAPT, (std::vector<std::string>{"CD  ", "AB  ", "VAM "}));
    EXPECT_EQ(table.row(5).texts.Type, "NONE");
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions[0].rfind("Warnung: Folgende Arbeitsplatztypen sind nicht vorhanden:\r\nXY  \r\n\r\n", 0), 0u);
    EXPECT_EQ(ui.questions[1].rfind("Hinweis: Die im Vamok gespeicherten Daten der gew\xE4hlten\r\n", 0), 0u);
    sim.stop();

    QFile file(QString::fromStdString(record));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject names = o.value("names").toObject();
    const QJsonObject slots = o.value("types").toObject();
    struct Expected {
        int n;
        const char* name;
        int profile;
    };
    for (const Expected e : {Expected{3, "B\xFCro", 4}, Expected{4, "Flur", 1}, Expected{5, "Lager", 1},
                             Expected{6, "Halle", 1}, Expected{7, "Kantine", 2}}) {
        const QJsonObject w = names.value(QString::number(e.n)).toObject();
        EXPECT_EQ(ToCp1252(w.value("name").toString()), PadText(true, 20, e.name)) << e.n;
        EXPECT_EQ(w.value("profile").toInt(), e.profile) << e.n;
        const int slot = w.value("slot").toInt();
        // The slot of each workplace holds the workplace's own type.
        const std::string type = table.row(e.n).texts.Type;
        if (type == "NONE")
            EXPECT_EQ(slot, 0) << e.n;
        else
            EXPECT_EQ(ToCp1252(slots.value(QString::number(slot)).toObject().value("name").toString()), type) << e.n;
    }
}

TEST_F(NamesUploadTest, NothingIsSentForTooManyTypesOrWithoutConsent)
{
    ScriptedChannel channel;
    TypeSync types(channel, ui, dir.file("Vamok.APT"), NoPause);
    for (int n = 1; n <= 10; ++n)
        Row(n, "P" + std::to_string(n), "T" + std::to_string(n));
    for (int n = 1; n <= 10; ++n)
        AddType(Named("T" + std::to_string(n)), false);
    NamesUpload upload(table, channel, ui, App().UsedAPT, types, Lang(), NoPause);
    const NamesUploadResult many = upload.Run(1, 10);
    EXPECT_FALSE(many.sent);
    EXPECT_TRUE(many.tooManyTypes);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("Warnung: VAMOK kann maximal 9 Arbeitsplatzdefinitionen speichern\r\n", 0), 0u);
    EXPECT_TRUE(channel.commands.empty());

    App().UsedAPT.clear();
    ui = UploadUi{};
    ui.ok = false;
    EXPECT_FALSE(upload.Run(1, 2).sent);
    EXPECT_TRUE(channel.commands.empty());
}

TEST_F(NamesUploadTest, FromAboveToWritesOneWorkplaceAndAFailureIsAsked)
{
    App().UsbMode = true;
    ScriptedChannel channel; // silent
    TypeSync types(channel, ui, dir.file("Vamok.APT"), NoPause);
    Row(7, "Sieben", "AB");
    NamesUpload upload(table, channel, ui, App().UsedAPT, types, Lang(), NoPause);
    ui.yes = false;
    const NamesUploadResult r = upload.Run(7, 2);
    EXPECT_EQ(r.failed, std::vector<int>{7});
    EXPECT_TRUE(r.cancelled);
    // Four attempts at workplace 7, then five at the type slot.
    ASSERT_GE(channel.commands.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(channel.commands[static_cast<std::size_t>(i)].substr(0, 3), "Pt\x07");
    EXPECT_EQ(channel.commands.size(), 9u);
    EXPECT_NE(ui.questions.back().find("(FA: NO_ACK--Tries:5)"), std::string::npos);
    bool asked = false;
    for (const std::string& q : ui.questions)
        asked = asked || q.rfind("Warnung: Arbeitsplatz wurde nicht richtig \xFC" "bertragen\r\nBitte vergewissern sie sich\r\n"
                                 "dass das VAMOK richtig angeschlossen ist.\r\n\r\nWollen Sie mit der \xDC" "bertagung fortfahren?", 0) == 0;
    EXPECT_TRUE(asked);
}
