#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(Hex, EncodeAndDecode)
{
    EXPECT_EQ(HexEncode(std::string("\x00\xAB", 2)), "00AB");
    EXPECT_EQ(HexEncode(""), "");
    EXPECT_EQ(HexDecode("00AB"), std::string("\x00\xAB", 2));
    EXPECT_EQ(HexDecode("00ab"), std::string("\x00\xAB", 2));
    EXPECT_EQ(HexDecode("abc"), "\xAB");
    EXPECT_EQ(HexDecode("zz"), std::string(1, '\0'));
    EXPECT_EQ(HexDecode("1G"), "\x10");
    EXPECT_EQ(HexDecode("F"), "");
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(HexDecode(HexEncode(all)), all);
}

TEST(BitIsSet, RangeChecked)
{
    CharSet set;
    set.set(0).set(48).set(255);
    EXPECT_TRUE(BitIsSet(0, set));
    EXPECT_TRUE(BitIsSet(48, set));
    EXPECT_TRUE(BitIsSet(255, set));
    EXPECT_FALSE(BitIsSet(49, set));
    EXPECT_FALSE(BitIsSet(-1, set));
    EXPECT_FALSE(BitIsSet(256, set));
}

namespace {

struct DecimalCase {
    char localeSep;
    std::string text;
    std::string normalised;
    double value;
};

} // namespace

TEST(Decimal, NormaliseAndConvertInBothLocales)
{
    const std::vector<DecimalCase> cases{
        {',', "1.5", "1,5", 1.5},
        {',', "1,234.5", "1234,5", 1234.5},
        {',', "1,5", "1,5", 1.5},
        {',', "1.234,5", "1.234,5", 0.0}, // left as it is, and no number then
        {',', "  23,4", "  23,4", 23.4},  // right-aligned display text
        {',', "-0.25", "-0,25", -0.25},
        {'.', "1,5", "1.5", 1.5},
        {'.', "1,234.5", "1234.5", 1234.5},
        {'.', "1.5", "1.5", 1.5},
        {'.', "2,5,1", "2.5,1", 0.0},
        {',', "-,-", "-,-", 0.0},
        {'.', " -.- ", " -.- ", 0.0},
        {',', "", "", 0.0},
        {',', " ", " ", 0.0},
        {',', "abc", "abc", 0.0},
        {',', "inf", "inf", 0.0},
        {',', "nan", "nan", 0.0},
        {',', "1e3", "1e3", 1000.0},
        {',', "1 2", "1 2", 0.0},
        {',', ",", ",", 0.0},
        {'.', "1e999", "1e999", 0.0},
    };
    for (const DecimalCase& c : cases) {
        App().DecimalSep = c.localeSep;
        EXPECT_EQ(NormaliseDecimal(c.text), c.normalised) << c.text;
        EXPECT_DOUBLE_EQ(TextToFloat(c.text), c.value) << c.text << " sep " << c.localeSep;
    }
    App() = AppState{};
}

TEST(VersionToNumber, Cases)
{
    const std::vector<std::tuple<std::string, int, long long>> cases{
        {"1.4.4", 3, 66564},     {"1.4", 3, -1},        {"  2.0.1 ", 0, 131073},
        {"5", 0, 5},             {"5", 2, -1},          {"5", 1, 5},
        {"1.2.3.4.5", 0, -1},    {"1.2.3.4", 0, 16909060}, {"1.2.", 0, -1},
        {"1..2", 0, -1},         {"a.1", 0, -1},        {"-1.2", 0, -1},
        {"", 0, -1},             {"1.2", 2, 258},       {"1.2", 1, -1},
        {"255.255.255.2147483647", 4, 6442450687LL}, // no overflow with large parts
        {"1.99999999999", 0, -1},
    };
    for (const auto& [text, parts, expected] : cases) {
        EXPECT_EQ(VersionToNumber(text, parts), expected) << text << " parts " << parts;
    }
}

TEST(PadText, PadsAndCuts)
{
    EXPECT_EQ(PadText(true, 5, "ab"), "ab   ");
    EXPECT_EQ(PadText(false, 5, "ab"), "   ab");
    EXPECT_EQ(PadText(true, 2, "abcd"), "ab");
    EXPECT_EQ(PadText(false, 2, "abcd"), "ab");
    EXPECT_EQ(PadText(true, 0, "ab"), "");
    EXPECT_EQ(PadText(true, -3, "ab"), "");
    EXPECT_EQ(PadText(false, 3, "abc"), "abc");
}

TEST(UniqueFileName, SkipsExistingFiles)
{
    TempDir dir;
    const std::string name = dir.file("Vamok.APT");
    EXPECT_EQ(UniqueFileName(name), name);
    dir.write("Vamok.APT", "x");
    EXPECT_EQ(UniqueFileName(name), dir.file("Vamok_1.APT"));
    dir.write("Vamok_1.APT", "x");
    dir.write("Vamok_3.APT", "x");
    EXPECT_EQ(UniqueFileName(name), dir.file("Vamok_2.APT"));
    dir.write("Vamok.APT.bak", "x");
    EXPECT_EQ(UniqueFileName(dir.file("Vamok.APT.bak")), dir.file("Vamok.APT_1.bak"));
}

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

// The system locale is fixed when the program starts, so the check runs in
// a child copy of this test program started with the locale to test.
TEST(DecimalSepFromLocale, FollowsTheUsersLocale)
{
    const QByteArray expected = qgetenv("VAMOK_EXPECTED_DECIMAL_SEP");
    if (!expected.isEmpty()) {
        EXPECT_EQ(DecimalSepFromLocale(), expected.at(0));
        return;
    }
    for (const auto& [locale, sep] : {std::pair{"de_DE.UTF-8", ","}, {"en_US.UTF-8", "."}, {"C", "."}}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", locale);
        env.insert("LANG", locale);
        env.insert("VAMOK_EXPECTED_DECIMAL_SEP", sep);
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=DecimalSepFromLocale.FollowsTheUsersLocale"});
        ASSERT_TRUE(child.waitForFinished(30000)) << locale;
        EXPECT_EQ(child.exitCode(), 0) << locale << "\n" << child.readAllStandardOutput().toStdString();
    }
}
