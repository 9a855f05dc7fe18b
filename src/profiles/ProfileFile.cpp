#include "profiles/ProfileFile.h"

#include "core/Cp1252.h"
#include "core/IniFile.h"
#include "measure/MemoryRecord.h"
#include "profiles/ProfileFunctions.h"

#include <QFileInfo>

#include <cstdio>

namespace vamok {

namespace {

constexpr const char* kNameKey = "Name";

bool PutProfile(IniFile& file, const DeviceProfile& profile)
{
    const std::string section = ProfileSectionName(profile.number);
    bool ok = file.setValue(section, kNameKey, TrimBlanks(profile.name));
    for (const ProfileBox& box : ProfileBoxes())
        ok = file.setValue(section, box.name, MaskBit(profile.mask, box.bit) ? "1" : "0") && ok;
    return ok;
}

ProfileFileProblem Missing(const std::string& section, const std::string& key)
{
    return {ProfileFileProblem::Kind::MissingKey, {}, section, key};
}

std::optional<ProfileFileProblem> ProfileFromFile(const IniFile& file, int n, DeviceProfile& out)
{
    const std::string section = ProfileSectionName(n);
    const std::optional<std::string> name = file.value(section, kNameKey);
    if (!name)
        return Missing(section, kNameKey);
    out = DeviceProfile{n, n == 1 ? "Standard" : TrimBlanks(*name), 0};
    for (const ProfileBox& box : ProfileBoxes()) {
        const std::optional<std::string> value = file.value(section, box.name);
        if (!value)
            return Missing(section, box.name);
        out.mask = WithBit(out.mask, box.bit, *value == "1");
    }
    return std::nullopt;
}

} // namespace

std::string ProfileSectionName(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "ProfileNo%02d", n);
    return text;
}

std::optional<std::string> SaveProfileFile(const std::string& path, const std::vector<DeviceProfile>& profiles)
{
    IniFile file;
    if (QFileInfo::exists(FromCp1252(path))) {
        std::string error;
        std::optional<IniFile> old = IniFile::Load(path, &error);
        if (!old)
            return error;
        file = std::move(*old);
    }
    for (const DeviceProfile& p : profiles)
        if (!PutProfile(file, p))
            return "profile " + std::to_string(p.number) + " cannot be written as INI text";
    std::string error;
    if (!file.save(path, &error))
        return error;
    return std::nullopt;
}

LoadedProfiles LoadProfileFile(const std::string& path)
{
    std::string error;
    const std::optional<IniFile> file = IniFile::Load(path, &error);
    if (!file)
        return {std::nullopt, ProfileFileProblem{ProfileFileProblem::Kind::Unreadable, error, {}, {}}};
    return ProfilesFromFile(*file);
}

LoadedProfiles ProfilesFromFile(const IniFile& file)
{
    ProfileSet set;
    for (int n = 1; n <= kProfileCount; ++n)
        if (std::optional<ProfileFileProblem> problem = ProfileFromFile(file, n, set[static_cast<std::size_t>(n - 1)]))
            return {std::nullopt, std::move(problem)};
    return {set, std::nullopt};
}

} // namespace vamok
