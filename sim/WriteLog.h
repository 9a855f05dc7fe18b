#pragma once
#include "sim/SimState.h"
#include "sim/TypeRecord.h"

#include <QByteArray>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vamok::sim {

// What the program wrote into the instrument, kept for the --record file.
struct WriteLog {
    struct Name {
        std::string bytes;  // as received, instrument form
        std::string text;   // code page 1252 (display codes mapped back)
        int slot = 0;
        std::optional<int> profile; // rix only
    };
    struct Type {
        std::string command; // " Wa", "GTY" or "BTW"
        std::string record;  // as received
        TypeDefinition definition;
    };
    std::map<int, Name> names;       // by workplace number, the last write wins
    std::map<int, Type> types;       // by slot
    std::map<int, Profile> profiles; // by profile number
    std::optional<std::int64_t> clock;
    int unlocks = 0;
    int writeCount = 0; // every accepted write, in order of arrival

    QByteArray toJson() const;
};

} // namespace vamok::sim
