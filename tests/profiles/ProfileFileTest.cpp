// The profile file on disk: nine sections of 65 keys, read back exactly, and
// damaged files refused as a whole.
#include "core/IniFile.h"
#include "profiles/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

ProfileSet SampleProfiles()
{
    ProfileSet set;
    for (int n = 1; n <= kProfileCount; ++n)
        set[static_cast<std::size_t>(n - 1)] = {n, n == 1 ? "Standard" : "B\xFCro " + std::to_string(n),
                                                 0x8000000000000001ull | (std::uint64_t{0x1234567} << n)};
    return set;
}

std::vector<DeviceProfile> AsList(const ProfileSet& set) { return {set.begin(), set.end()}; }

TEST(ProfileFile, NineProfilesRoundTrip)
{
    TempDir dir;
    const ProfileSet set = SampleProfiles();
    ASSERT_FALSE(SaveProfileFile(dir.file("p.VPD"), AsList(set)));
    const LoadedProfiles loaded = LoadProfileFile(dir.file("p.VPD"));
    ASSERT_FALSE(loaded.problem);
    ASSERT_TRUE(loaded.profiles);
    EXPECT_EQ(*loaded.profiles, set);
}

TEST(ProfileFile, SectionsAndKeysAsTheProgramWritesThem)
{
    TempDir dir;
    ProfileSet set = SampleProfiles();
    set[3] = {4, "Klima", (1ull << 23) | (1ull << 63)};
    ASSERT_FALSE(SaveProfileFile(dir.file("p.VPD"), AsList(set)));
    const std::string bytes = dir.read("p.VPD");
    EXPECT_NE(bytes.find("[ProfileNo04]\r\nName=Klima\r\nShowTemp=0\r\n"), std::string::npos) << bytes;
    const IniFile file = IniFile::FromBytes(bytes);
    EXPECT_EQ(file.sections().size(), 9u);
    EXPECT_EQ(file.keys("ProfileNo04").size(), 65u);
    EXPECT_EQ(file.value("ProfileNo04", "ShowPMV1"), "1");
    EXPECT_EQ(file.value("ProfileNo04", "ShowBox64"), "1");
    EXPECT_EQ(file.value("ProfileNo04", "ShowBox63"), "0");
    EXPECT_EQ(file.value("ProfileNo09", "Name"), "B\xFCro 9");
}

TEST(ProfileFile, OnlyOneSetsABitAndProfileOneIsStandard)
{
    TempDir dir;
    ASSERT_FALSE(SaveProfileFile(dir.file("p.VPD"), AsList(SampleProfiles())));
    IniFile file = *IniFile::Load(dir.file("p.VPD"));
    file.setValue("ProfileNo01", "Name", "Klima");
    file.setValue("ProfileNo02", "ShowTemp", "yes");
    file.setValue("ProfileNo02", "ShowFeu", "1");
    file.setValue("ProfileNo02", "ShowWind", "2");
    const LoadedProfiles loaded = ProfilesFromFile(file);
    ASSERT_TRUE(loaded.profiles);
    EXPECT_EQ((*loaded.profiles)[0].name, "Standard");
    const std::uint64_t mask = (*loaded.profiles)[1].mask;
    EXPECT_FALSE(mask & 1u);
    EXPECT_TRUE(mask & 2u);
    EXPECT_FALSE(mask & 4u);
}

TEST(ProfileFile, AMissingKeyOrSectionRefusesTheWholeFile)
{
    TempDir dir;
    ASSERT_FALSE(SaveProfileFile(dir.file("p.VPD"), AsList(SampleProfiles())));
    std::string bytes = dir.read("p.VPD");
    const std::size_t section = bytes.find("[ProfileNo04]");
    const std::size_t key = bytes.find("ShowPMV1=", section);
    ASSERT_NE(key, std::string::npos);
    dir.write("damaged.VPD", bytes.substr(0, key) + bytes.substr(bytes.find("\r\n", key) + 2));
    LoadedProfiles loaded = LoadProfileFile(dir.file("damaged.VPD"));
    EXPECT_FALSE(loaded.profiles);
    ASSERT_TRUE(loaded.problem);
    EXPECT_EQ(loaded.problem->kind, ProfileFileProblem::Kind::MissingKey);
    EXPECT_EQ(loaded.problem->section, "ProfileNo04");
    EXPECT_EQ(loaded.problem->key, "ShowPMV1");

    dir.write("cut.VPD", bytes.substr(0, bytes.find("[ProfileNo09]")));
    loaded = LoadProfileFile(dir.file("cut.VPD"));
    ASSERT_TRUE(loaded.problem);
    EXPECT_EQ(loaded.problem->section, "ProfileNo09");
    EXPECT_EQ(loaded.problem->key, "Name");

    loaded = LoadProfileFile(dir.file("absent.VPD"));
    ASSERT_TRUE(loaded.problem);
    EXPECT_EQ(loaded.problem->kind, ProfileFileProblem::Kind::Unreadable);
    EXPECT_FALSE(loaded.problem->reason.empty());
}

TEST(ProfileFile, SavingKeepsTheRestOfAnExistingFile)
{
    TempDir dir;
    dir.write("p.VPD", "; notes\r\n[Other]\r\nKey=Value\r\n[ProfileNo02]\r\nName=Old\r\nExtra=1\r\n");
    ASSERT_FALSE(SaveProfileFile(dir.file("p.VPD"), AsList(SampleProfiles())));
    const IniFile file = *IniFile::Load(dir.file("p.VPD"));
    EXPECT_EQ(file.value("Other", "Key"), "Value");
    EXPECT_EQ(file.value("ProfileNo02", "Extra"), "1");
    EXPECT_EQ(file.value("ProfileNo02", "Name"), "B\xFCro 2");
    EXPECT_EQ(dir.read("p.VPD").substr(0, 9), "; notes\r\n");
}

TEST(ProfileFile, AFileThatCannotBeReadIsNotReplaced)
{
    TempDir dir;
    dir.write("big.VPD", std::string(kMaxIniFileSize + 1, 'x'));
    EXPECT_TRUE(SaveProfileFile(dir.file("big.VPD"), AsList(SampleProfiles())));
    EXPECT_EQ(dir.read("big.VPD").size(), kMaxIniFileSize + 1);
}

} // namespace
