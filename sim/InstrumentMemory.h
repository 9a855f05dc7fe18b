#pragma once
#include "sim/SimState.h"
#include "sim/TypeRecord.h"
#include "sim/WriteLog.h"

#include <array>
#include <optional>
#include <string>

namespace vamok::sim {

// The instrument's stored data (workplaces, type slots in their byte form,
// profiles, clock) and the log of what was written into it. Shared by the
// command sets of one instrument.
class InstrumentMemory {
public:
    InstrumentMemory(SimState state, TypeLayout typeLayout, bool displayCodes);

    const SimState& state() const { return state_; }
    const WriteLog& log() const { return log_; }
    TypeLayout typeLayout() const { return typeLayout_; }
    bool displayCodes() const { return displayCodes_; }

    const Workplace* workplace(int n) const;      // nullptr outside 1..99
    // nullptr outside 1..9; an empty slot holds no record at all, so its
    // answer is the bare slot header ("TYP" n, "BTR" n).
    const std::string* typeRecord(int slot) const;
    const Profile* profile(int n) const;           // nullptr outside 1..9

    // A name write also resets the workplace: its readings and measuring
    // time are gone and its type becomes the type in the given slot ("NONE"
    // for slot 0 or an empty slot).
    bool writeName(int n, const std::string& nameBytes, int slot, std::optional<int> profile);
    // Refused when the record does not have the size of the type layout.
    bool writeType(int slot, const std::string& record, const std::string& command);
    bool writeProfile(const Profile& profile);
    void setClock(std::int64_t secondsSince2000);
    void unlockKeyboard();

private:
    SimState state_;
    TypeLayout typeLayout_;
    bool displayCodes_;
    std::array<std::string, 9> typeRecords_;
    WriteLog log_;
};

} // namespace vamok::sim
