#include "measure/NamesUpload.h"

#include "core/DisplayCodes.h"
#include "core/TextHelpers.h"
#include "device/CommandChannel.h"
#include "measure/TransferTexts.h"

#include <algorithm>

namespace vamok {

namespace {

constexpr int kAttempts = 4;
constexpr std::size_t kSerialNameWidth = 8;
constexpr std::size_t kUsbNameWidth = 20;
constexpr std::size_t kCompared = 8; // the workplace byte and 7 name characters
constexpr char kAck = '\x06';

std::string Byte(int value)
{
    return std::string(1, static_cast<char>(value));
}

bool Contains(const std::vector<std::string>& list, const std::string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

std::string Padded(const std::string& type)
{
    return PadText(true, 4, type);
}

} // namespace

NamesUpload::NamesUpload(MeasurementTable& table, CommandChannel& channel, NamesUploadUi& ui,
                         std::vector<std::string>& usedTypes, TypeSync& types, std::vector<std::string> lang,
                         RetryPause pause)
    : table_(table), channel_(channel), ui_(ui), usedTypes_(usedTypes), types_(types), lang_(std::move(lang)),
      pause_(std::move(pause))
{
}

std::string NamesUpload::Command(const RowTexts& row, int n, int slot, LinkMode link)
{
    const bool usb = link == LinkMode::RixUsb || link == LinkMode::VentiqUsb;
    std::string name = row.Name;
    if (name.size() < kSerialNameWidth)
        name.resize(kSerialNameWidth, ' ');
    name = usb ? PadText(true, kUsbNameWidth, name) : ToDisplayCodes(name.substr(0, kSerialNameWidth));
    std::string command = "Pt" + Byte(n) + name + std::string(1, '\0') + Byte(slot);
    if (link == LinkMode::RixUsb) {
        const std::optional<int> profile = ParseInt32(row.Profile);
        command += Byte(profile && *profile >= 0 && *profile <= 255 ? *profile : 0);
    }
    return command;
}

void NamesUpload::Prepare(int from, int to)
{
    for (int n = from; n <= to; ++n) {
        for (std::string& entry : usedTypes_)
            entry = Padded(entry);
        const std::string type = Padded(table_.row(n).texts.Type);
        if (!Contains(usedTypes_, type) && type != "NONE")
            usedTypes_.push_back(type);
        ui_.ShowRow(n);
    }
}

bool NamesUpload::ConfirmMissing(const std::vector<std::string>& missing)
{
    std::string names;
    for (const std::string& name : missing)
        names += Padded(name) + "\r\n";
    const std::string text = JoinedTexts(lang_, {76}) + "\r\n" + names + "\r\n" + JoinedTexts(lang_, {77, 78, 79}) + "\r\n\r\n" +
                             JoinedTexts(lang_, {80}) + "\r\n\r\n" + JoinedTexts(lang_, {81});
    return ui_.AskYes(JoinedTexts(lang_, {TransferText::Warning}), text);
}

int NamesUpload::SlotOf(RowTexts& row, const std::vector<std::string>& missing)
{
    const std::string type = Padded(row.Type);
    row.Type = type;
    if (Contains(missing, type)) {
        row.Type = "NONE";
        return 0;
    }
    int slot = 0;
    for (std::size_t k = 0; k < usedTypes_.size(); ++k) {
        usedTypes_[k] = Padded(usedTypes_[k]);
        if (usedTypes_[k] == type)
            slot = static_cast<int>(k) + 1; // a later position counts
    }
    if (slot == 0 && type != "NONE") {
        usedTypes_.push_back(type);
        const int position = static_cast<int>(usedTypes_.size());
        slot = position <= kTypeSlotCount ? position : 0;
    }
    return slot;
}

std::string NamesUpload::Attempt(const std::string& command, int n)
{
    const std::string read = "Gr" + Byte(n);
    switch (CurrentLinkMode()) {
    case LinkMode::AltarimCom:
        return channel_.SendCommand(command + read, "MEM", 800, 16, "");
    case LinkMode::VentiqUsb: {
        const std::string ack = channel_.SendCommand(command, "", 1000, 1, "");
        pause_(1000);
        return !ack.empty() && ack[0] == kAck ? channel_.SendCommand(read, "MEM", 5000, 69, "") : std::string();
    }
    case LinkMode::QuadrovanCom:
    case LinkMode::RixUsb:
        break;
    }
    const std::string ack = channel_.SendCommand(command, "", 1000, 1, "");
    return !ack.empty() && ack[0] == kAck ? channel_.SendCommand(read, "MEM", 1000, 15, "") : std::string();
}

bool NamesUpload::WriteWorkplace(const std::string& command, int n)
{
    const std::string expected = command.substr(2, kCompared);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string received = Attempt(command, n);
        const std::size_t mem = received.find("MEM");
        if (mem != std::string::npos)
            received.erase(mem, 3);
        if (received.substr(0, kCompared) == expected)
            return true;
    }
    return false;
}

NamesUploadResult NamesUpload::Run(int from, int to)
{
    NamesUploadResult result;
    cancel_ = false;
    from = std::clamp(from, 1, kRowCount);
    to = std::clamp(to, 1, kRowCount);
    if (from >= to)
        to = from;
    Prepare(from, to);

    result.missingTypes = types_.MissingUsedTypes();
    bool go = result.missingTypes.empty() || ConfirmMissing(result.missingTypes);
    if (go) {
        // The instrument gets none of the missing types: they leave the list
        // before any workplace is given a slot, so that every slot counts
        // from the same list.
        std::erase_if(usedTypes_, [&](const std::string& e) { return Contains(result.missingTypes, Padded(e)); });
        go = ui_.AskOk(JoinedTexts(lang_, {TransferText::Hint}), JoinedTexts(lang_, {0, 1, 2, 3, 4}));
    }
    result.tooManyTypes = usedTypes_.size() > static_cast<std::size_t>(kTypeSlotCount);
    if (!go || result.tooManyTypes) {
        if (result.tooManyTypes)
            ui_.Message(JoinedTexts(lang_, {TransferText::Warning}), JoinedTexts(lang_, {12, 13, 14, 15}));
        return result;
    }

    result.sent = true;
    for (int n = from; n <= to && !cancel_; ++n) {
        if (n % 10 == 0 || n == from)
            ui_.ShowBusy();
        ui_.UploadProgress(n);
        RowTexts& row = table_.row(n).texts;
        const int slot = SlotOf(row, result.missingTypes);
        if (WriteWorkplace(Command(row, n, slot, CurrentLinkMode()), n)) {
            result.written.push_back(n);
        } else {
            result.failed.push_back(n);
            if (!ui_.AskYes(JoinedTexts(lang_, {TransferText::Warning}),
                            JoinedTexts(lang_, {31, 82, 83}) + "\r\n\r\n" + JoinedTexts(lang_, {84})))
                cancel_ = true;
        }
        ui_.ShowRow(n);
    }
    result.cancelled = cancel_;
    cancel_ = false;
    ui_.CloseBusy();
    pause_(500);
    result.types = types_.UploadUsedTypes();
    return result;
}

} // namespace vamok
