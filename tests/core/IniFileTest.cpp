#include "core/IniFile.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>

using namespace vamok;

namespace {

using Strings = std::vector<std::string>;

} // namespace

TEST(IniFile, LineEndsOfEveryKindAndNoFinalNewline)
{
    const std::vector<std::string> files = {
        "[A]\r\nk1=one\r\nk2=two\r\n[B]\r\nk3=three",
        "[A]\nk1=one\nk2=two\n[B]\nk3=three\n",
        "[A]\rk1=one\rk2=two\r[B]\rk3=three\r",
        "[A]\r\nk1=one\nk2=two\r[B]\r\n\r\n\nk3=three\r\n",
    };
    for (const std::string& bytes : files) {
        const IniFile ini = IniFile::FromBytes(bytes);
        SCOPED_TRACE(bytes);
        EXPECT_EQ(ini.sections(), (Strings{"A", "B"}));
        EXPECT_EQ(ini.keys("A"), (Strings{"k1", "k2"}));
        EXPECT_EQ(ini.text("A", "k2", "#ERR"), "two");
        EXPECT_EQ(ini.text("B", "k3", "#ERR"), "three");
        EXPECT_EQ(ini.text("A", "k3", "#ERR"), "#ERR");
    }
}

TEST(IniFile, ValueRulesOfTheProfileFunctions)
{
    const IniFile ini = IniFile::FromBytes("  [ TwVamok ]  \r\n"
                                           "  Online.Caption  =   Online mode \t\r\n"
                                           "Quoted=\"  kept blanks  \"\r\n"
                                           "HalfQuoted=\"open\r\n"
                                           "Single='x'\r\n"
                                           "Empty=\r\n"
                                           "Equals=a=b\r\n"
                                           "Umlaut.\xC4nderung=\xFC\r\n"
                                           "; comment=not a key\r\n"
                                           "no equals sign here\r\n"
                                           "=nameless\r\n");
    EXPECT_EQ(ini.text("twvamok", "ONLINE.caption", "#ERR"), "Online mode");
    EXPECT_EQ(ini.text("TwVamok", "Quoted", "#ERR"), "  kept blanks  ");
    EXPECT_EQ(ini.text("TwVamok", "HalfQuoted", "#ERR"), "\"open");
    EXPECT_EQ(ini.text("TwVamok", "Single", "#ERR"), "'x'");
    // An empty value exists and is not the fallback.
    EXPECT_EQ(ini.value("TwVamok", "Empty"), std::optional<std::string>(""));
    EXPECT_EQ(ini.text("TwVamok", "Equals", "#ERR"), "a=b");
    // Code page 1252 letters compare without case too: A and a with umlaut.
    EXPECT_EQ(ini.text("TwVamok", "umlaut.\xE4nderung", "#ERR"), "\xFC");
    EXPECT_EQ(ini.keys("TwVamok"),
              (Strings{"Online.Caption", "Quoted", "HalfQuoted", "Single", "Empty", "Equals",
                       "Umlaut.\xC4nderung"}));
    EXPECT_FALSE(ini.value("TwVamok", "; comment").has_value());
}

TEST(IniFile, FirstOfDuplicateKeysAndSectionsCounts)
{
    const IniFile ini = IniFile::FromBytes("[S]\r\nk=first\r\nK=second\r\n[s]\r\nk=third\r\nother=4\r\n");
    EXPECT_EQ(ini.text("S", "k", ""), "first");
    EXPECT_EQ(ini.sections(), (Strings{"S"}));
    EXPECT_EQ(ini.keys("S"), (Strings{"k"}));
    EXPECT_FALSE(ini.value("S", "other").has_value());
}

TEST(IniFile, EntriesBeforeAnySectionAndUnderABrokenHeaderBelongNowhere)
{
    const IniFile ini = IniFile::FromBytes("k=top\r\n[A]\r\nk=a\r\n[B\r\nk=b\r\n");
    EXPECT_EQ(ini.text("A", "k", ""), "a");
    // The header without ']' still opens B, so its entry is not A's.
    EXPECT_EQ(ini.text("B", "k", ""), "b");
    EXPECT_EQ(ini.keys("A"), (Strings{"k"}));
}

TEST(IniFile, OverlongValueIsCutOverlongLineIsKept)
{
    const std::string longValue(100000, 'x');
    const IniFile ini = IniFile::FromBytes("[A]\r\nlong=" + longValue + "\r\nnext=1\r\n");
    EXPECT_EQ(ini.text("A", "long", ""), std::string(kMaxIniValueLength, 'x'));
    EXPECT_EQ(ini.text("A", "next", ""), "1");
    EXPECT_NE(ini.toBytes().find(longValue), std::string::npos);
}

TEST(IniFile, GarbageBytesNeitherCrashNorSpillIntoNeighbours)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 37 + 11) % 256);
    }
    const std::string bytes = "[A]\r\nbefore=1\r\n" + garbage + "\r\n[B]\r\nafter=2\r\n";
    const IniFile ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.text("A", "before", ""), "1");
    EXPECT_EQ(ini.text("B", "after", ""), "2");
    // Every byte string parses; reading all of it back never fails.
    for (const std::string& section : ini.sections()) {
        for (const std::string& key : ini.keys(section)) {
            EXPECT_TRUE(ini.value(section, key).has_value());
        }
    }
    const IniFile nulls = IniFile::FromBytes(std::string("[A]\r\nk=a\0b\r\n", 12));
    EXPECT_EQ(nulls.text("A", "k", ""), std::string("a\0b", 3));
}

TEST(IniFile, WritingReplacesInPlaceAppendsToSectionOrAddsSection)
{
    IniFile ini = IniFile::FromBytes("; head\n[A]\nk1=old\n; note\n\n[B]\nx=1");
    ASSERT_TRUE(ini.setValue("a", "K1", "new"));
    ASSERT_TRUE(ini.setValue("A", "k2", "added"));
    ASSERT_TRUE(ini.setValue("C", "y", "2"));
    EXPECT_EQ(ini.toBytes(), "; head\r\n[A]\r\nk1=new\r\n; note\r\nk2=added\r\n\r\n"
                             "[B]\r\nx=1\r\n[C]\r\ny=2\r\n");
}

TEST(IniFile, EveryWrittenValueReadsBackUnchanged)
{
    const std::vector<std::string> values = {
        "plain", "", "  lead", "trail\t", "             ", "\"quoted\"", "\"", "\"half", "a \"b\" c",
        std::string(kMaxIniValueLength - 2, 'x') + " "};
    IniFile ini;
    for (std::size_t i = 0; i < values.size(); ++i) {
        ASSERT_TRUE(ini.setValue("S", "k" + std::to_string(i), values[i]));
    }
    const IniFile reread = IniFile::FromBytes(ini.toBytes());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(reread.text("S", "k" + std::to_string(i), "#ERR"), values[i]) << i;
    }
    EXPECT_NE(ini.toBytes().find("k0=plain\r\n"), std::string::npos);
}

TEST(IniFile, WritingRefusesWhatWouldBreakTheFile)
{
    IniFile ini = IniFile::FromBytes("[A]\r\nk=v\r\n");
    const std::vector<std::array<std::string, 3>> refused = {
        {"A", "k", "two\r\nlines"}, {"A", "k", "lf\nonly"}, {"A", "a=b", "v"},
        {"A]", "k", "v"},           {"", "k", "v"},         {"A", "", "v"},
        {"A", "[X]", "v"},          {"A", ";k", "v"},       {"A\n", "k", "v"},
    };
    for (const auto& [section, key, value] : refused) {
        EXPECT_FALSE(ini.setValue(section, key, value)) << section << "|" << key << "|" << value;
    }
    EXPECT_EQ(ini.toBytes(), "[A]\r\nk=v\r\n");
}

TEST(IniFile, FileReadAndWriteOneValueAtATime)
{
    TempDir dir;
    const std::string path = dir.file("Profiles.VPD");
    EXPECT_EQ(ReadIniText(path, "ProfileNo01", "Name", "ERROR"), "ERROR");
    EXPECT_FALSE(IniFile::Load(path).has_value());

    ASSERT_TRUE(WriteIniText(path, "ProfileNo01", "Name", "Standard"));
    ASSERT_TRUE(WriteIniText(path, "ProfileNo01", "ShowTemp", "1"));
    ASSERT_TRUE(WriteIniText(path, "ProfileNo02", "Name", "B\xFC" "ro"));
    EXPECT_EQ(dir.read("Profiles.VPD"),
              "[ProfileNo01]\r\nName=Standard\r\nShowTemp=1\r\n[ProfileNo02]\r\nName=B\xFCro\r\n");
    EXPECT_EQ(ReadIniText(path, "PROFILENO02", "name", "ERROR"), "B\xFCro");
}

TEST(IniFile, AFileThatCannotBeReadIsNeverOverwritten)
{
    TempDir dir;
    // A folder in place of the file: reading fails, and so must writing.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir.file("Master.Eng"))));
    std::string error;
    EXPECT_FALSE(WriteIniText(dir.file("Master.Eng"), "A", "k", "v", &error));
    EXPECT_FALSE(error.empty());

    // A file in a folder that does not exist cannot be written.
    error.clear();
    EXPECT_FALSE(WriteIniText(dir.file("missing/Master.Eng"), "A", "k", "v", &error));
    EXPECT_FALSE(error.empty());

    dir.write("big.ini", "[A]\r\nk=v\r\n" + std::string(kMaxIniFileSize, ';'));
    EXPECT_FALSE(IniFile::Load(dir.file("big.ini")).has_value());
    EXPECT_FALSE(WriteIniText(dir.file("big.ini"), "A", "k", "w"));
    EXPECT_EQ(QFile(QString::fromStdString(dir.file("big.ini"))).size(),
              static_cast<qint64>(kMaxIniFileSize + 10));
}

// Arbitrary files built from the bytes that matter to the format: a write
// changes the one value it writes and no other, and survives a round trip
// through the file's bytes.
TEST(IniFile, AWriteToAnyFileChangesOnlyItsOwnValue)
{
    const std::string alphabet = std::string("[]=;\" \t\r\nabAB\xE4\xC4") + std::string(1, '\0');
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    const std::vector<std::string> names = {"a", "A", "b", "ab", "\xE4", "\xC4" "b"};
    for (int round = 0; round < 400; ++round) {
        std::string bytes;
        const std::uint32_t length = next(120);
        for (std::uint32_t i = 0; i < length; ++i) {
            bytes += alphabet[next(static_cast<std::uint32_t>(alphabet.size()))];
        }
        IniFile ini = IniFile::FromBytes(bytes);
        std::map<std::pair<std::string, std::string>, std::optional<std::string>> before;
        for (const std::string& section : names) {
            for (const std::string& key : names) {
                before[{section, key}] = ini.value(section, key);
            }
        }
        const std::string section = names[next(static_cast<std::uint32_t>(names.size()))];
        const std::string key = names[next(static_cast<std::uint32_t>(names.size()))];
        const std::string value = round % 3 == 0 ? " \"v\" " : "v" + std::to_string(round);
        ASSERT_TRUE(ini.setValue(section, key, value));
        const IniFile reread = IniFile::FromBytes(ini.toBytes());
        for (const auto& [where, old] : before) {
            const auto folded = [](std::string t) {
                for (char& c : t) {
                    c = c == 'a' ? 'A' : c == 'b' ? 'B' : c == '\xE4' ? '\xC4' : c;
                }
                return t;
            };
            const bool written = folded(where.first) == folded(section) && folded(where.second) == folded(key);
            const std::optional<std::string> now = reread.value(where.first, where.second);
            if (written) {
                EXPECT_EQ(now, std::optional<std::string>(value)) << "round " << round;
            } else {
                EXPECT_EQ(now, old) << "round " << round << " [" << where.first << "] " << where.second;
            }
        }
    }
}
