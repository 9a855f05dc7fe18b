#pragma once
#include "sim/Instrument.h"
#include "sim/PtyServer.h"

#include <optional>
#include <string>
#include <vector>

namespace vamok::sim {

struct SimOptions {
    Dialect dialect = Dialect::Altarim;
    std::string statePath;
    ServeOptions serve;
};

extern const char* const kUsage;

// The command line (without the program name); on failure nothing and a reason.
std::optional<SimOptions> ParseOptions(const std::vector<std::string>& args, std::string& error);

} // namespace vamok::sim
