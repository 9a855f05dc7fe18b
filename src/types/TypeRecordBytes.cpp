#include "types/TypeRecordBytes.h"

#include "core/DisplayCodes.h"
#include "device/FirmwareLevels.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

namespace vamok {

namespace {

constexpr std::size_t kNameBytes = 4;
constexpr std::size_t kRowBytes = 2 * kTypeColumnCount;
// Words are read only below this offset (the longest record's end).
constexpr std::size_t kRecordEnd = 184;
// Reply lengths ("TYP", slot byte, record and what follows it) from which
// the gas rows and the fine-dust rows are taken from the instrument.
constexpr std::size_t kGasReply = 148;
constexpr std::size_t kDustReply = 178;
// A shorter reply holds no record.
constexpr std::size_t kMinimumReply = 123;
constexpr std::size_t kVentiqHead = 3 + 1 + kNameBytes; // "TYP", slot, name
constexpr std::int32_t kVentiqFixedRow[kTypeColumnCount] = {0, 0, 10, 20, 1};
constexpr int kVentiqFixedRows = 3;

// How many of the instrument's units make one library unit.
int DeviceFactor(int row, int column)
{
    if (row == TypeRow::Illuminance)
        return column == TypeColumn::Target ? 10 : 1;
    return row <= TypeRow::LuminanceRatio ? 10 : 1;
}

// The rows of a record in their order: the form's rows, the gas and dust
// rows where `gas` and `dust` say.
std::vector<int> RecordRows(const TypeRecordForm& form, bool gas, bool dust)
{
    std::vector<int> rows{TypeRow::Temperature, TypeRow::Humidity, TypeRow::NoiseCurrent,
                          TypeRow::NoiseMinute, TypeRow::Illuminance};
    if (form.flicker)
        rows.push_back(TypeRow::Flicker);
    rows.insert(rows.end(), {TypeRow::ScreenLuminance, TypeRow::AirVelocity, TypeRow::CO2, TypeRow::Contrast,
                             TypeRow::PMV, TypeRow::Clothing, TypeRow::LuminanceRatio});
    if (gas)
        rows.insert(rows.end(), {TypeRow::TVOC, TypeRow::CO});
    if (dust)
        rows.insert(rows.end(), {TypeRow::PM1, TypeRow::PM25, TypeRow::PM10});
    return rows;
}

// False when the value does not fit the row's 16-bit field (signed for PMV).
bool PutWord(std::string& out, long long value, bool isSigned)
{
    if (isSigned ? (value < -32768 || value > 32767) : (value < 0 || value > 65535))
        return false;
    if (value < 0)
        value += 65536;
    out += static_cast<char>(value / 256);
    out += static_cast<char>(value % 256);
    return true;
}

// Row `row` of `type` as words; false (and the column) when a value does not fit.
bool PutRow(std::string& out, const TAPDef& type, int row, int& unfitColumn)
{
    for (int column = 1; column <= kTypeColumnCount; ++column) {
        const long long value = static_cast<long long>(type.at(column, row)) * DeviceFactor(row, column);
        if (!PutWord(out, value, row == TypeRow::PMV)) {
            unfitColumn = column;
            return false;
        }
    }
    return true;
}

int Word(const std::string& bytes, std::size_t offset, bool isSigned)
{
    const int word = static_cast<unsigned char>(bytes[offset]) * 256 + static_cast<unsigned char>(bytes[offset + 1]);
    return isSigned && word > 0x7FFF ? word - 0x10000 : word;
}

// Reads the rows in their order from offset 4 while both bytes of a word
// are there.
void ReadRows(TAPDef& type, const std::string& payload, const std::vector<int>& rows)
{
    std::size_t offset = kNameBytes;
    for (int row : rows) {
        for (int column = 1; column <= kTypeColumnCount; ++column, offset += 2) {
            if (offset + 1 >= payload.size() || offset >= kRecordEnd)
                return;
            type.at(column, row) = Word(payload, offset, row == TypeRow::PMV) / DeviceFactor(row, column);
        }
    }
}

// Entry k of `usedTypes` belongs to slot k + 1; a name listed at another
// slot is held twice by the instrument.
void CheckUsedTypes(std::string& name, int slot, std::vector<std::string>& usedTypes, bool keepDuplicates,
                    std::string& report)
{
    bool ownSlot = false;
    bool elsewhere = false;
    for (std::size_t k = 0; k < usedTypes.size(); ++k) {
        if (TAPDef::TypeName(usedTypes[k]) != name)
            continue;
        if (static_cast<int>(k) + 1 == slot)
            ownSlot = true;
        else
            elsewhere = true;
    }
    if (elsewhere && !keepDuplicates) {
        const std::string renamed = DuplicateTypeName(name);
        report += "Name: " + name + "; Nr: " + std::to_string(slot) + "; neuer Name: " + renamed + "\r\n";
        name = renamed;
    }
    if (!ownSlot && name != kPlaceholderTypeName)
        usedTypes.push_back(name);
}

} // namespace

TypeRecordForm TypeRecordFormFor(LinkMode link, const std::string& deviceVersion)
{
    TypeRecordForm form;
    switch (link) {
    case LinkMode::AltarimCom:
        form.flicker = !IsEarlyAltarimFirmware(deviceVersion, false);
        break;
    case LinkMode::QuadrovanCom:
        break;
    case LinkMode::RixUsb:
    case LinkMode::VentiqUsb:
        form.displayCodes = false;
        form.ventiq = link == LinkMode::VentiqUsb;
        form.gas = FirmwareAtLeast(deviceVersion, kFirmwareGas);
        form.dust = FirmwareAtLeast(deviceVersion, kFirmwareDust);
        break;
    }
    return form;
}

std::size_t TypeRecordSize(const TypeRecordForm& form)
{
    if (form.ventiq)
        return kNameBytes + kRowBytes * (1 + kVentiqFixedRows);
    return kNameBytes + kRowBytes * RecordRows(form, form.gas, form.dust).size();
}

TypePayload EncodeTypePayload(TAPDef type, const TypeRecordForm& form)
{
    type.SetMarker();
    TypePayload out;
    const std::string name = TAPDef::TypeName(type.Name);
    std::string bytes = form.displayCodes ? ToDisplayCodes(name) : name;
    const std::vector<int> rows =
        form.ventiq ? std::vector<int>{TypeRow::AirVelocity} : RecordRows(form, form.gas, form.dust);
    for (int row : rows) {
        if (!PutRow(bytes, type, row, out.unfitColumn)) {
            out.unfitRow = row;
            return out;
        }
    }
    if (form.ventiq)
        for (int i = 0; i < kVentiqFixedRows; ++i)
            for (std::int32_t value : kVentiqFixedRow)
                PutWord(bytes, value, false);
    out.bytes = std::move(bytes);
    return out;
}

SlotReading ParseSlotReply(const std::string& reply, const TypeRecordForm& form,
                           std::vector<std::string>& usedTypes, bool keepDuplicates)
{
    SlotReading reading;
    const std::size_t typ = reply.find("TYP");
    // Nothing after the header: an empty slot.
    if (typ == std::string::npos || typ + 3 == reply.size() || reply.size() < kMinimumReply)
        return reading;
    const std::string payload = reply.substr(typ + 4);
    reading.slot = static_cast<unsigned char>(reply[typ + 3]);
    std::string name = TAPDef::TypeName(payload.substr(0, kNameBytes));
    if (form.displayCodes)
        name = FromDisplayCodes(name);
    // A record without a name is no type.
    if (name[0] == '\0')
        return reading;
    CheckUsedTypes(name, reading.slot, usedTypes, keepDuplicates, reading.renameReport);

    TAPDef type;
    type.Name = name;
    const bool gas = reply.size() >= kGasReply;
    const bool dust = reply.size() >= kDustReply;
    for (int row = TypeRow::TVOC; row <= TypeRow::PM10; ++row)
        ApplyDefaultRow(type, row);
    if (!form.flicker)
        ApplyDefaultRow(type, TypeRow::Flicker);
    ReadRows(type, payload, RecordRows(form, gas, dust));
    if (!type.HasMarker()) {
        for (int row : {TypeRow::PMV, TypeRow::Clothing, TypeRow::CO2})
            ApplyDefaultRow(type, row);
    }
    type.SetMarker();
    reading.type = type;
    return reading;
}

std::optional<std::string> WidenVentiqReply(const std::string& reply)
{
    if (reply.size() < kVentiqHead + kRowBytes || reply.compare(0, 3, "TYP") != 0)
        return std::nullopt;
    std::string wide = reply.substr(0, kVentiqHead);
    wide += std::string(7 * kRowBytes, '\0');
    wide += reply.substr(kVentiqHead, kRowBytes);
    wide += std::string(3 * kRowBytes, '\0');
    wide += std::string(8, '\0') + "\xAC\x53"; // clothing row: 0, 0, 0, 0, marker
    wide += std::string(kRowBytes, '\0');
    return wide;
}

std::string DuplicateTypeName(const std::string& name)
{
    std::string renamed = TAPDef::TypeName(name);
    const char old = renamed[3];
    renamed[2] = 'X';
    for (char c = '1'; c <= '9'; ++c) {
        if (c != old) {
            renamed[3] = c;
            break;
        }
    }
    return renamed;
}

} // namespace vamok
