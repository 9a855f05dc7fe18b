#include "app/AboutText.h"
#include "app/Version.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(Version, TextsFromTheBuildNumbers)
{
    EXPECT_EQ(VersionText(), "5.2.0 [Build 1]");
    EXPECT_EQ(VersionNumberText(), "5.2.0.1");
}

TEST(Version, AboutLineWithSuffixes)
{
    EXPECT_EQ(AboutVersionLine("", ""), "VAMOK Ver. 5.2.0 [Build 1]");
    EXPECT_EQ(AboutVersionLine("Qt", "Win32-Zielplattform"),
              "VAMOK Ver. 5.2.0 [Build 1] (Qt) (Win32-Zielplattform)");
    EXPECT_EQ(AboutVersionLine("", "Win32-Zielplattform"),
              "VAMOK Ver. 5.2.0 [Build 1] (Win32-Zielplattform)");
}
