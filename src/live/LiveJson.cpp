#include "live/LiveJson.h"

#include "measure/RowJson.h"

namespace vamok {

std::string LivePollJson(const std::string& version, const std::string& serial,
                         const std::array<std::string, kOnlineRowCount>& rows)
{
    std::string json = "{\"version\": " + JsonString(version) + ", \"serial\": " + JsonString(serial) + ", \"rows\": [";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            json += ", ";
        json.append("[").append(JsonString(kOnlineRowNames[r])).append(", ").append(JsonString(rows[r])).append("]");
    }
    return json + "]}";
}

} // namespace vamok
