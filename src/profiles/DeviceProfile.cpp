#include "profiles/DeviceProfile.h"

#include "core/TextHelpers.h"
#include "measure/MemoryRecord.h"

#include <algorithm>

namespace vamok {

namespace {

constexpr const char* kStandardName = "Standard";
constexpr std::size_t kNumberBytes = 1;

std::string HexNumber(int n)
{
    return HexEncode(std::string(1, static_cast<char>(n & 0xFF)));
}

void PutWord32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>(value >> shift & 0xFF);
}

std::uint32_t Word32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::size_t RecordSize(bool wide)
{
    return kNumberBytes + kDeviceProfileNameWidth + (wide ? 8 : 4);
}

std::string BlankControls(std::string name)
{
    std::replace_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return name;
}

} // namespace

bool IsProfileNumber(int n)
{
    return n >= 1 && n <= kProfileCount;
}

bool WideProfileMasks(const std::string& deviceVersion)
{
    return VersionToNumber(deviceVersion, 3) >= VersionToNumber("2.0.6", 3);
}

std::size_t ProfileReplyLength(bool wide)
{
    return 3 + 2 * RecordSize(wide);
}

std::string ProfileReadCommand(int n)
{
    return "BPR" + HexNumber(n);
}

std::optional<DeviceProfile> DecodeProfileReply(const std::string& reply, int n, bool wide)
{
    if (reply.size() < ProfileReplyLength(wide) || reply.compare(0, 3, "BPR") != 0)
        return std::nullopt;
    const std::string bytes = HexDecode(reply.substr(3, 2 * RecordSize(wide)));
    DeviceProfile p;
    p.number = n;
    p.name = TrimBlanks(BlankControls(bytes.substr(kNumberBytes, kDeviceProfileNameWidth)));
    const std::size_t maskAt = kNumberBytes + kDeviceProfileNameWidth;
    p.mask = Word32(bytes, maskAt);
    if (wide)
        p.mask |= std::uint64_t{Word32(bytes, maskAt + 4)} << 32;
    return p;
}

std::string DeviceProfileName(const std::string& name)
{
    return PadText(true, static_cast<int>(kDeviceProfileNameWidth), TrimBlanks(name));
}

std::string ProfileWriteCommand(const DeviceProfile& profile, bool wide)
{
    std::string bytes = DeviceProfileName(profile.number == 1 ? kStandardName : profile.name);
    PutWord32(bytes, static_cast<std::uint32_t>(profile.mask & 0xFFFFFFFFu));
    if (wide)
        PutWord32(bytes, static_cast<std::uint32_t>(profile.mask >> 32));
    return "BPW" + HexNumber(profile.number) + HexEncode(bytes);
}

} // namespace vamok
