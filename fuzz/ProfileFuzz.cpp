// libFuzzer target: "BPR" profile replies and ".VPD" profile files. A
// profile read from any reply, written back and read as the instrument would
// answer, is the same profile; a file gives all nine profiles or a problem.
#include "core/IniFile.h"
#include "profiles/DeviceProfile.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileTransfer.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vamok;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Byte 0: the profile number (2..9) and the mask width; the rest is
    // both a reply and a profile file.
    if (size == 0)
        return 0;
    const int n = 2 + (data[0] & 7);
    const bool wide = data[0] & 8;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    if (const std::optional<DeviceProfile> profile = DecodeProfileReply(bytes, n, wide)) {
        if (profile->number != n || (!wide && profile->mask >> 32 != 0))
            std::abort();
        const std::string command = ProfileWriteCommand(*profile, wide);
        if (command.compare(0, 3, "BPW") != 0)
            std::abort();
        const std::optional<DeviceProfile> echoed = DecodeProfileReply("BPR" + command.substr(3), n, wide);
        if (!echoed || *echoed != *profile)
            std::abort();
    }

    const LoadedProfiles loaded = ProfilesFromFile(IniFile::FromBytes(bytes));
    if (loaded.profiles.has_value() == loaded.problem.has_value())
        std::abort();
    if (loaded.profiles)
        for (int k = 0; k < kProfileCount; ++k)
            if ((*loaded.profiles)[static_cast<std::size_t>(k)].number != k + 1)
                std::abort();
    return 0;
}
