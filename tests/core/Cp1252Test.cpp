#include "core/Cp1252.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(Cp1252, GermanLettersAndHighControlRange)
{
    const QString text = FromCp1252("\xE4\xF6\xFC\xDF\xC4\xD6\xDC\xB4\xB0\xB3\x80\x84\x93\x9F");
    EXPECT_EQ(text, QString::fromUtf8("äöüßÄÖÜ´°³€„“Ÿ"));
    EXPECT_EQ(ToCp1252(text), "\xE4\xF6\xFC\xDF\xC4\xD6\xDC\xB4\xB0\xB3\x80\x84\x93\x9F");
}

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
}

TEST(Cp1252, UnmappableCharactersBecomeQuestionMarks)
{
    // Cyrillic, a CJK character, an emoji (surrogate pair) and U+0080, which
    // code page 1252 spells as 0x80 only for the euro sign.
    EXPECT_EQ(ToCp1252(QString::fromUtf8("a\u0416b\u4E2Dc\U0001F600d")), "a?b?c?d");
    EXPECT_EQ(ToCp1252(QString(QChar(0x0080))), "?");
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\u20AC")), "\x80");
}
