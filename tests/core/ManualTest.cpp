#include "core/AppState.h"
#include "core/Manual.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(Manual, FileNameByModelAndLanguage)
{
    EXPECT_EQ(ManualFileName(true, false, "eng"), "VAMOK-rix compact manual EN.pdf");
    EXPECT_EQ(ManualFileName(true, true, "Orginal(Deutsch)"), "VAMOK-rix Kompaktanleitung DE.pdf");
    EXPECT_EQ(ManualFileName(false, true, "Eng"), "Ventiq manual_en.pdf");
    EXPECT_EQ(ManualFileName(false, true, "Fra"), "Ventiq Anleitung DE.pdf");
    EXPECT_EQ(ManualFileName(false, false, "ENG"), "VAMOK compact manual_en.pdf");
    EXPECT_EQ(ManualFileName(false, false, ""), "VAMOK-altarim Komplettanleitung DE.pdf");
}

TEST(Manual, MissingFileIsReportedAndStillOpened)
{
    TempDir dir;
    App() = AppState{};
    App().ProgramPath = dir.path();
    std::vector<std::string> messages;
    std::vector<std::string> opened;
    const auto show = [&](const std::string& text, const std::string& caption) {
        messages.push_back(caption + ": " + text);
    };
    const auto open = [&](const std::string& path) { opened.push_back(path); };

    OpenManual(false, true, show, open);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Error: Ventiq Anleitung DE.pdf not found!");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], dir.file("Ventiq Anleitung DE.pdf"));

    dir.write("VAMOK-rix Kompaktanleitung DE.pdf", "%PDF");
    OpenManual(true, false, show, open);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(opened.back(), dir.file("VAMOK-rix Kompaktanleitung DE.pdf"));
    App() = AppState{};
}
