#include "SimTestHelpers.h"
#include "sim/TypeRecord.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vamok::sim;
using vamok::sim::test::Bytes;
using vamok::sim::test::WordAt;

namespace {

// Words of the built-in type as the instrument holds them, worked out from
// its menu values (tenths for rows 1-4, 6-9 and the illuminance target,
// hundredths for rows 10, 17, 18, two's complement for PMV).
struct RowWords {
    std::size_t offset;
    std::vector<int> words;
};
const RowWords kDefaultWords[] = {
    {4, {200, 210, 220, 260, 210}},           // row 1
    {14, {300, 500, 650, 750, 550}},          // row 2
    {24, {0, 350, 550, 700, 550}},            // row 3
    {34, {0, 350, 550, 700, 550}},            // row 4
    {44, {300, 400, 30000, 31000, 5000}},     // row 5
    {54, {730, 840, 4560, 4600, 850}},        // row 6
    {64, {800, 1000, 30000, 31000, 1000}},    // row 7
    {74, {0, 0, 10, 20, 1}},                  // row 10
    {84, {0, 0, 1000, 1500, 380}},            // row 11
    {94, {30, 50, 110, 150, 0}},              // row 8
    {104, {0xFFBA, 0xFFCE, 50, 70, 1}},       // row 17
    {114, {60, 90, 120, 130, 0xAC53}},        // row 18
    {124, {0, 0, 30, 200, 30}},               // row 9
    {134, {0, 0, 500, 1000, 0}},              // row 12
    {144, {0, 0, 20, 30, 1}},                 // row 13
    {154, {0, 0, 10, 20, 0}},                 // row 14
    {164, {0, 0, 10, 25, 1}},                 // row 15
    {174, {0, 0, 10, 40, 1}},                 // row 16
};

void ExpectWords(const std::string& record, std::size_t offset, const std::vector<int>& words)
{
    for (std::size_t i = 0; i < words.size(); ++i)
        EXPECT_EQ(WordAt(record, offset + 2 * i), words[i]) << "offset " << offset << " column " << i + 1;
}

} // namespace

TEST(SimTypeRecord, RixDustLayoutHoldsEveryRowAtItsOffset)
{
    const std::string r = EncodeTypeRecord(DefaultType(), TypeLayout::RixDust, false);
    ASSERT_EQ(r.size(), 184u);
    EXPECT_EQ(r.substr(0, 4), "VAM ");
    for (const auto& row : kDefaultWords)
        ExpectWords(r, row.offset, row.words);
}

TEST(SimTypeRecord, SizesPerLayout)
{
    EXPECT_EQ(EncodeTypeRecord(DefaultType(), TypeLayout::Altarim, true).size(), 134u);
    EXPECT_EQ(EncodeTypeRecord(DefaultType(), TypeLayout::RixGas, false).size(), 154u);
    EXPECT_EQ(EncodeTypeRecord(DefaultType(), TypeLayout::AltarimEarly, true).size(), 124u);
    const std::string rix = EncodeTypeRecord(DefaultType(), TypeLayout::RixDust, false);
    EXPECT_EQ(EncodeTypeRecord(DefaultType(), TypeLayout::Altarim, true), rix.substr(0, 134));
    EXPECT_EQ(EncodeTypeRecord(DefaultType(), TypeLayout::RixGas, false), rix.substr(0, 154));
}

TEST(SimTypeRecord, EarlyAltarimLeavesOutTheFlickerRow)
{
    const std::string r = EncodeTypeRecord(DefaultType(), TypeLayout::AltarimEarly, true);
    ExpectWords(r, 44, {300, 400, 30000, 31000, 5000});  // row 5
    ExpectWords(r, 54, {800, 1000, 30000, 31000, 1000}); // row 7 follows at once
    ExpectWords(r, 64, {0, 0, 10, 20, 1});               // row 10
}

TEST(SimTypeRecord, VentiqCarriesRowTenAndThreeFixedRows)
{
    TypeDefinition t = DefaultType();
    t.name = "LUFT";
    t.rows[9] = {0.05, 0.08, 0.15, 0.25, 0.10};
    const std::string r = EncodeTypeRecord(t, TypeLayout::Ventiq, false);
    ASSERT_EQ(r.size(), 44u);
    EXPECT_EQ(r.substr(0, 4), "LUFT");
    ExpectWords(r, 4, {5, 8, 15, 25, 10});
    for (std::size_t offset : {14u, 24u, 34u})
        ExpectWords(r, offset, {0, 0, 10, 20, 1});
}

TEST(SimTypeRecord, NamesUseDisplayCodesOnTheAltarimFamily)
{
    TypeDefinition t = DefaultType();
    t.name = "B\xFCro";
    EXPECT_EQ(EncodeTypeRecord(t, TypeLayout::Altarim, true).substr(0, 4), Bytes({'B', 0xF5, 'r', 'o'}));
    EXPECT_EQ(EncodeTypeRecord(t, TypeLayout::RixGas, false).substr(0, 4), "B\xFCro");
    t.name = "\xC4RGR";
    const auto back = DecodeTypeRecord(EncodeTypeRecord(t, TypeLayout::Altarim, true), TypeLayout::Altarim, true);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, "\xE4RGR"); // the display has no upper-case umlauts
}

TEST(SimTypeRecord, DecodeGivesBackMenuValuesAndRefusesWrongSizes)
{
    TypeDefinition t = DefaultType();
    t.rows[0][0] = 21.5;
    t.rows[16][0] = -0.7;
    const std::string r = EncodeTypeRecord(t, TypeLayout::RixGas, false);
    EXPECT_EQ(WordAt(r, 4), 215);
    const auto back = DecodeTypeRecord(r, TypeLayout::RixGas, false);
    ASSERT_TRUE(back);
    EXPECT_DOUBLE_EQ(back->rows[0][0], 21.5);
    EXPECT_DOUBLE_EQ(back->rows[16][0], -0.7);
    EXPECT_DOUBLE_EQ(back->rows[17][4], 441.15);
    EXPECT_DOUBLE_EQ(back->rows[4][4], 500);
    EXPECT_FALSE(DecodeTypeRecord(r.substr(0, 153), TypeLayout::RixGas, false));
    EXPECT_FALSE(DecodeTypeRecord(r, TypeLayout::RixDust, false));
}
