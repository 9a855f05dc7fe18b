#pragma once
#include "sim/LiveValues.h"
#include "sim/Reading.h"
#include "sim/TypeRecord.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vamok::sim {

struct Profile {
    int number = 0;       // 1..9
    std::string name;     // up to 16 bytes, code page 1252
    std::uint64_t mask = 0;
};

// Everything the simulated instrument knows, as loaded from the state file.
struct SimState {
    std::string model;    // free text, for the reader of the file
    std::string firmware = "2.10";
    int serial = 1;       // 0..65535
    int series = 0;       // 0..255
    int flags = 1;        // 0..255
    LiveValues live;
    std::array<Workplace, 99> workplaces; // [n - 1]
    std::array<std::optional<TypeDefinition>, 9> types; // [slot - 1]; empty slot: nothing
    std::array<Profile, 9> profiles;      // [n - 1]
    std::optional<std::int64_t> clock;    // seconds since 2000-01-01 00:00:00
};

// The instrument's factory settings: no workplaces stored, no types, the
// standard profile and eight user profiles with every function on.
SimState EmptyState();

// Parses the JSON state file; on failure returns nothing and says why.
std::optional<SimState> ParseState(const QByteArray& json, std::string& error);
std::optional<SimState> LoadState(const std::string& path, std::string& error);

// "yyyy-MM-ddTHH:mm:ss" (instrument local time) to seconds since 2000 and back.
std::optional<std::int64_t> SecondsSince2000(const QString& text);
QString TimeText(std::int64_t secondsSince2000);

} // namespace vamok::sim
