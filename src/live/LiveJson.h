#pragma once
// One poll of the online table as a JSON object (UTF-8), for the
// command-line tool.
#include "live/LiveRecord.h"

#include <array>
#include <string>

namespace vamok {

// {"version": ..., "serial": ..., "rows": [[row name, value text], ...]}
// for rows 1..20; texts exactly as the online window shows them.
std::string LivePollJson(const std::string& version, const std::string& serial,
                         const std::array<std::string, kOnlineRowCount>& rows);

} // namespace vamok
