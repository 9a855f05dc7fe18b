#include "types/TypeSync.h"

#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "device/FirmwareLevels.h"
#include "device/LinkMode.h"
#include "device/ProfileNames.h"
#include "types/TypeLibrary.h"
#include "types/TypeRowLabels.h"

#include <algorithm>

namespace vamok {

namespace {

constexpr int kSlotRequests = 3;
constexpr int kRetryPauseMs = 200;
// A reply this long or shorter is no answer.
constexpr std::size_t kShortestReply = 6;
constexpr std::size_t kEmptyVentiqReply = 7;
constexpr std::size_t kVentiqReply = 51;
constexpr int kWriteAttempts = 5;
constexpr int kAltarimWriteTimeoutMs = 3111;
constexpr int kWriteTimeoutMs = 3000;
constexpr int kReadBackSize = 138;
constexpr std::size_t kReplyTail = 3; // 0x01 0x02 0x03 after a framed read-back
constexpr char kAck = '\x06';

std::string SlotByte(int slot)
{
    return std::string(1, static_cast<char>(slot));
}

// The row label with its runs of blanks shortened ("Temperatur /°C").
std::string QuantityName(int row)
{
    std::string out;
    for (const char* c = TypeRowLabel(row); *c; ++c)
        if (*c != ' ' || out.empty() || out.back() != ' ')
            out += *c;
    return out;
}

// An altarim from 1.4.4 on, and every other model, renames a name it holds twice.
bool KeepsDuplicates()
{
    return CurrentLinkMode() == LinkMode::AltarimCom &&
           !FirmwareAtLeast(App().DeviceVersion, kFirmwareTypeNameCheck);
}

// A slot reply in the altarim form; nothing when it cannot be read.
std::optional<std::string> AltarimFormReply(const std::string& reply, TypeSyncUi& ui)
{
    if (CurrentLinkMode() != LinkMode::VentiqUsb || reply.size() == kEmptyVentiqReply)
        return reply;
    if (reply.size() != kVentiqReply)
        ui.Beep();
    return WidenVentiqReply(reply);
}

void ShowDeviceRenames(const std::string& report, TypeReporter& reporter)
{
    reporter.Message("Warnung",
                     JoinLines({"WARNUNG: Ger\xE4tefehler!", "Typen gleichen Namens im Ger\xE4t vorhanden!!",
                                "Zum Unterscheiden m\xFCssen die TypNamen", "eindeutig sein!",
                                "Zum Erkennen wurden die Namen umbenannt:", "", report,
                                "Bitte lesen sie alle wichtigen Daten im",
                                "VAMOK aus und f\xFChren Sie einen USER-INIT", "durch.",
                                "Bitte kontrollieren Sie anschliessend die",
                                "PC-Typen und \xFC" "bertragen diese ggf. wieder", "zum VAMOK."}));
}

void ShowReadError(TypeReporter& reporter)
{
    reporter.Message("Warnung",
                     JoinLines({"\xDC" "bertragungsfehler beim Typen-Lesen.", "Es kann sein, dass nicht alle Typen",
                                "oder nicht alle Typen vollst\xE4ndig", "gelesen wurden!", "",
                                "Es wird empfohlen, die Synchronisierung", "neu zu starten (per Men\xFC-Aufruf) oder",
                                "Neustart der Software)."}));
}

} // namespace

TypeSync::TypeSync(CommandChannel& channel, TypeSyncUi& ui, std::string libraryPath, RetryPause pause)
    : channel_(channel), ui_(ui), libraryPath_(std::move(libraryPath)), pause_(std::move(pause))
{
}

std::string TypeSync::ReadSlotReply(int slot)
{
    const std::string command = "Rd" + SlotByte(slot) + "CkVe";
    const bool ventiq = CurrentLinkMode() == LinkMode::VentiqUsb;
    const bool pauses = App().UsbMode || App().QuadrovanMode;
    std::string reply;
    for (int request = 0; request < kSlotRequests && reply.size() <= kShortestReply; ++request) {
        if (request > 0 && pauses)
            pause_(kRetryPauseMs);
        reply = ventiq ? channel_.SendCommand(command, "TYP", 200, static_cast<int>(kVentiqReply), "")
                       : channel_.SendCommand(command, "TYP", 1000, 0, "VAMOK");
    }
    return reply;
}

void TypeSync::AddReadType(const SlotReading& reading, TypeReadResult& result)
{
    if (!reading.type)
        return;
    result.slots.push_back({reading.slot, reading.type->Name});
    const AddTypeResult added = AddType(*reading.type, true);
    if (!added.alreadyPresent)
        result.added.push_back(reading.type->Name);
    else if (added.index > 0)
        ui_.TypeAlreadyPresent(reading.type->Name);
}

TypeReadResult TypeSync::ReadDeviceTypes()
{
    TypeReadResult result;
    ui_.ReadingProgress(0);
    if (CurrentLinkMode() == LinkMode::RixUsb) {
        if (const auto names = ReadProfileNames(channel_, pause_))
            StoreProfileNames(*names);
        else
            result.profileNamesFailed = true;
    }
    const TypeRecordForm form = CurrentTypeRecordForm();
    const bool keepDuplicates = KeepsDuplicates();
    for (int slot = 1; slot <= kTypeSlotCount; ++slot) {
        ui_.ReadingProgress(slot * 10);
        const std::string reply = ReadSlotReply(slot);
        const std::optional<std::string> record =
            reply.size() > kShortestReply ? AltarimFormReply(reply, ui_) : std::nullopt;
        if (!record) {
            result.unansweredSlots.push_back(slot);
            continue;
        }
        const SlotReading reading = ParseSlotReply(*record, form, App().UsedAPT, keepDuplicates);
        result.renameReport += reading.renameReport;
        AddReadType(reading, result);
        ui_.ShowCurrentType();
    }
    if (!result.renameReport.empty())
        ShowDeviceRenames(result.renameReport, ui_);
    if (result.ReadError())
        ShowReadError(ui_);
    // The library changes only when the instrument brought new types.
    if (!result.added.empty())
        SaveLibrary(ui_, libraryPath_.empty() ? LibraryPath() : libraryPath_);
    return result;
}

std::string TypeSync::WriteCommand(const TAPDef& type, int slot, bool singleType, const TypeRecordForm& form,
                                   TypePayload* payload)
{
    TypePayload encoded = EncodeTypePayload(type, form);
    const std::string command =
        encoded.bytes.empty() ? std::string() : (singleType ? "GTY" : " Wa") + SlotByte(slot) + encoded.bytes;
    if (payload)
        *payload = std::move(encoded);
    return command;
}

std::string TypeSync::WriteAttempt(const std::string& command, int slot, std::string& status)
{
    const std::string readBack = "Rd" + SlotByte(slot);
    if (CurrentLinkMode() == LinkMode::AltarimCom) {
        // The altarim takes the write and the read-back in one send.
        const int size = static_cast<int>(4 + TypeRecordSize(CurrentTypeRecordForm()));
        return channel_.SendCommand(command + readBack, "TYP", kAltarimWriteTimeoutMs, size, "");
    }
    const std::string ack = channel_.SendCommand(command, "", kWriteTimeoutMs, 1, "");
    if (ack.empty() || ack[0] != kAck) {
        status = "NO_ACK" + ack;
        return {};
    }
    status = "ACK";
    std::string reply = channel_.SendCommand(readBack, "TYP", kWriteTimeoutMs, kReadBackSize, "");
    reply.resize(reply.size() > kReplyTail ? reply.size() - kReplyTail : 0);
    return reply;
}

bool TypeSync::AskContinue(const std::string& status, int tries)
{
    return ui_.AskYes("FEHLER", JoinLines({"Typdefinition nicht erfolgreich.", "Bitte vergewissern sie sich",
                                           "dass das VAMOK richtig angeschlossen ist.", "",
                                           "Wollen Sie mit der \xDC" "bertagung fortfahren?",
                                           "(FA: " + status + "--Tries:" + std::to_string(tries) + ")"}));
}

bool TypeSync::WriteTypeToSlot(int index, int slot, bool singleType)
{
    if (index <= 0 || index >= static_cast<int>(PCTypes().size()))
        return false;
    TAPDef& type = PCTypes()[static_cast<std::size_t>(index)];
    type.SetMarker();
    const std::string name = type.Name;
    ui_.WritingType(name);
    TypePayload payload;
    const std::string command = WriteCommand(type, slot, singleType, CurrentTypeRecordForm(), &payload);
    bool written = false;
    if (command.empty()) {
        // Nothing is sent that the instrument would store wrongly; Yes goes
        // on with the next slot.
        const std::string status = "WERTEBEREICH: Typ \"" + name + "\", " + QuantityName(payload.unfitRow) +
                                   ", Spalte " + std::to_string(payload.unfitColumn);
        if (!AskContinue(status, 0))
            aborted_ = true;
    }
    const std::string head = command.substr(0, 4);
    while (!command.empty() && !written && !aborted_) {
        std::string status;
        int tries = 0;
        while (!written && tries < kWriteAttempts && !aborted_) {
            const std::string readBack = WriteAttempt(command, slot, status);
            ++tries;
            if (readBack.size() < 4 || head + readBack.substr(4) != command)
                continue;
            written = true;
            if (const auto record = AltarimFormReply(readBack, ui_)) {
                const SlotReading reading = ParseSlotReply(*record, CurrentTypeRecordForm(), App().UsedAPT,
                                                           KeepsDuplicates());
                if (reading.type)
                    AddType(*reading.type, true);
            }
        }
        if (!written && !aborted_ && !AskContinue(status, tries))
            aborted_ = true;
    }
    ui_.WriteEnded();
    return written;
}

TypeWriteResult TypeSync::UploadUsedTypes()
{
    aborted_ = false;
    TypeWriteResult result;
    const std::vector<std::string> used = App().UsedAPT;
    if (used.size() > static_cast<std::size_t>(kTypeSlotCount))
        ui_.Message("Warnung", TooManyUsedTypesText());
    const std::size_t count = std::min(used.size(), static_cast<std::size_t>(kTypeSlotCount));
    for (std::size_t k = 0; k < count && !aborted_; ++k) {
        const int index = FindType(PCTypes(), used[k]);
        if (index <= 0)
            continue;
        const int slot = static_cast<int>(k) + 1;
        if (WriteTypeToSlot(index, slot))
            result.writtenSlots.push_back(slot);
        else if (result.failedSlot == 0) {
            result.failedSlot = slot;
            result.failedName = TAPDef::TypeName(used[k]);
        }
    }
    result.aborted = aborted_;
    return result;
}

std::vector<std::string> TypeSync::MissingUsedTypes() const
{
    std::vector<std::string> missing;
    for (const std::string& name : App().UsedAPT)
        if (TAPDef::TypeName(name) != kPlaceholderTypeName && FindType(PCTypes(), name) < 0)
            missing.push_back(TAPDef::TypeName(name));
    return missing;
}

std::string TooManyUsedTypesText()
{
    return JoinLines({"VAMOK kann maximal 9 Arbeitsplatzdefinitionen speichern",
                      "Bitte entfernen Sie nicht ben\xF6tigte Definitionen durch",
                      "die Funktion \"Arbeitsplatzdefinitionen ausw\xE4hlen\" im", "Menue \"Bearbeiten\"."});
}

std::vector<std::string> CompareTypes(bool reportEquality, TypeReporter& reporter)
{
    std::vector<std::string> differing;
    if (DeviceTypes().empty()) {
        // Nothing was read: there is nothing the PC types could equal.
        if (reportEquality)
            reporter.Message("Achtung", JoinLines({"Es wurden keine Arbeitsplatz-Typen aus dem VAMOK gelesen.",
                                                   "Bitte synchronisieren Sie zuerst (\"Neu Synchronisieren\")."}));
        return differing;
    }
    const TAPListe& pc = PCTypes();
    for (std::size_t i = 1; i < pc.size(); ++i) {
        for (const TAPDef& device : DeviceTypes()) {
            if (device.Name == pc[i].Name && device.Values != pc[i].Values &&
                std::find(differing.begin(), differing.end(), pc[i].Name) == differing.end())
                differing.push_back(pc[i].Name);
        }
    }
    if (!differing.empty()) {
        std::string names;
        for (const std::string& name : differing)
            names += (names.empty() ? "" : "; ") + name;
        reporter.Message("Warnung", JoinLines({"Achtung die Definitionen folgender Arbeitsplatz-Typen",
                                               "im VAMOK unterscheiden sich von den am PC gespeicherten:", "",
                                               names}));
    } else if (reportEquality) {
        reporter.Message("Achtung", JoinLines({"Die Definitionen der im VAMOK vorhandenen Arbeitsplatz-Typen",
                                               "sind mit den am PC gespeicherten identisch!", "",
                                               "(Dabei m\xFCssen nicht alle Definitionen an PC auch am VAMOK",
                                               " vorhanden sein)."}));
    }
    return differing;
}

std::vector<std::string> OverwritePCTypes(TypeReporter& reporter, const std::string& libraryPath)
{
    std::vector<std::string> overwritten;
    if (!reporter.AskYes("Frage", JoinLines({"Die am PC gespeicherten Typdefinitionen werden",
                                             "mit den im VAMOK gespeicherten Definitionen ", "\xFC" "berschrieben.",
                                             "", "Dies betrifft nur die Typen, die an PC UND VAMOK",
                                             "vorhanden sind.", "",
                                             "Diese Funktion kann nicht r\xFC" "ckg\xE4ngig gemacht werden!", "",
                                             "Sind Sie sicher?"})))
        return overwritten;
    TAPListe& pc = PCTypes();
    for (const TAPDef& device : DeviceTypes()) {
        for (std::size_t i = 1; i < pc.size(); ++i) {
            if (pc[i].Name == device.Name) {
                pc[i].Values = device.Values;
                overwritten.push_back(device.Name);
            }
        }
    }
    SaveLibrary(reporter, libraryPath);
    return overwritten;
}

} // namespace vamok
