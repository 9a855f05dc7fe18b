#include "sim/SimOptions.h"

#include <charconv>

namespace vamok::sim {

const char* const kUsage =
    "usage: vamok-sim --dialect altarim|quadrovan|rix|ventiq --state FILE [--record OUT.json]\n"
    "                 [--ignore-every N] [--corrupt-every N] [--silent-after N] [--garbage]\n"
    "                 [--delay MS] [--pace] [--count] [--trace]\n";

namespace {
std::optional<int> Count(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// The field a whole-number option sets; nothing for other options.
int* CountOption(const std::string& name, SimOptions& o)
{
    if (name == "--ignore-every")
        return &o.serve.faults.ignoreEvery;
    if (name == "--corrupt-every")
        return &o.serve.faults.corruptEvery;
    if (name == "--silent-after")
        return &o.serve.faults.silentAfter;
    if (name == "--delay")
        return &o.serve.delayMs;
    return nullptr;
}
} // namespace

std::optional<SimOptions> ParseOptions(const std::vector<std::string>& args, std::string& error)
{
    SimOptions o;
    bool haveDialect = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--garbage") {
            o.serve.faults.garbage = true;
            continue;
        }
        if (a == "--pace") {
            o.serve.pace = true;
            continue;
        }
        if (a == "--count") {
            o.serve.count = true;
            continue;
        }
        if (a == "--trace") {
            o.serve.trace = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "unknown option or missing value: " + a;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (a == "--dialect") {
            const auto d = DialectByName(value);
            if (!d) {
                error = "unknown dialect: " + value;
                return std::nullopt;
            }
            o.dialect = *d;
            haveDialect = true;
        } else if (a == "--state") {
            o.statePath = value;
        } else if (a == "--record") {
            o.serve.recordPath = value;
        } else if (int* count = CountOption(a, o)) {
            const auto n = Count(value);
            if (!n) {
                error = a + " needs a whole number, not " + value;
                return std::nullopt;
            }
            *count = *n;
        } else {
            error = "unknown option: " + a;
            return std::nullopt;
        }
    }
    if (!haveDialect || o.statePath.empty()) {
        error = "--dialect and --state are required";
        return std::nullopt;
    }
    return o;
}

} // namespace vamok::sim
