#include "sim/InstrumentMemory.h"

#include "sim/TextCodec.h"

namespace vamok::sim {

InstrumentMemory::InstrumentMemory(SimState state, TypeLayout typeLayout, bool displayCodes)
    : state_(std::move(state)), typeLayout_(typeLayout), displayCodes_(displayCodes)
{
    for (std::size_t i = 0; i < typeRecords_.size(); ++i)
        if (state_.types[i])
            typeRecords_[i] = EncodeTypeRecord(*state_.types[i], typeLayout_, displayCodes_);
}

const Workplace* InstrumentMemory::workplace(int n) const
{
    return n >= 1 && n <= 99 ? &state_.workplaces[n - 1] : nullptr;
}

const std::string* InstrumentMemory::typeRecord(int slot) const
{
    return slot >= 1 && slot <= 9 ? &typeRecords_[slot - 1] : nullptr;
}

const Profile* InstrumentMemory::profile(int n) const
{
    return n >= 1 && n <= 9 ? &state_.profiles[n - 1] : nullptr;
}

bool InstrumentMemory::writeName(int n, const std::string& nameBytes, int slot, std::optional<int> profile)
{
    if (n < 1 || n > 99 || slot < 0 || slot > 9 || (profile && (*profile < 0 || *profile > 9)))
        return false;
    Workplace& wp = state_.workplaces[n - 1];
    const std::string text = displayCodes_ ? FromDisplayCodes(nameBytes) : nameBytes;
    std::string type = "NONE";
    if (slot > 0 && !typeRecords_[slot - 1].empty()) {
        const std::string name = typeRecords_[slot - 1].substr(0, 4);
        type = displayCodes_ ? FromDisplayCodes(name) : name;
    }
    wp = Workplace{};
    wp.number = n;
    wp.name = text;
    wp.type = type;
    wp.profile = profile.value_or(1);
    log_.names[n] = {nameBytes, text, slot, profile};
    ++log_.writeCount;
    return true;
}

bool InstrumentMemory::writeType(int slot, const std::string& record, const std::string& command)
{
    if (slot < 1 || slot > 9)
        return false;
    const auto definition = DecodeTypeRecord(record, typeLayout_, displayCodes_);
    if (!definition)
        return false;
    typeRecords_[slot - 1] = record;
    log_.types[slot] = {command, record, *definition};
    ++log_.writeCount;
    return true;
}

bool InstrumentMemory::writeProfile(const Profile& profile)
{
    if (profile.number < 1 || profile.number > 9)
        return false;
    state_.profiles[profile.number - 1] = profile;
    log_.profiles[profile.number] = profile;
    ++log_.writeCount;
    return true;
}

void InstrumentMemory::setClock(std::int64_t secondsSince2000)
{
    state_.clock = secondsSince2000;
    log_.clock = secondsSince2000;
    ++log_.writeCount;
}

void InstrumentMemory::unlockKeyboard()
{
    ++log_.unlocks;
    ++log_.writeCount;
}

} // namespace vamok::sim
