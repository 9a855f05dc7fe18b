#include "comfort/Pmv.h"
#include "live/LivePmv.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

using namespace vamok;
using F = TVamokAPDatenStrg;

namespace {

TVamokAPDatenStrg Record(const char* ta, const char* rh, const char* v, const char* tg)
{
    TVamokAPDatenStrg r;
    r[F::AirTemperature] = ta;
    r[F::Humidity] = rh;
    r[F::AirVelocity] = v;
    r[F::GlobeTemperature] = tg;
    return r;
}

TAPDef Office(int met, int clo)
{
    TAPDef t;
    t.SetName("BUER");
    t.at(ClothingColumn::Summer, TypeRow::Clothing) = 50;
    t.at(ClothingColumn::Mean, TypeRow::Clothing) = clo;
    t.at(ClothingColumn::Winter, TypeRow::Clothing) = 100;
    t.at(ClothingColumn::Met, TypeRow::Clothing) = met;
    return t;
}

} // namespace

TEST(LivePmv, UsesMeanClothingAndActivityOfTheType)
{
    const auto r = Record("   22,4", "   46,8", "    0,12", "   23,0");
    const TAPDef type = Office(120, 75);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%8.2f", ComputePMV(224, 230, 468, false, true, 120, 75, 12) / 100.0);
    std::string e = expected;
    e[e.find('.')] = ',';
    EXPECT_EQ(LivePmvText(r, &type, ','), e);
    // Another summer or winter clothing does not change the live PMV.
    TAPDef other = type;
    other.at(ClothingColumn::Summer, TypeRow::Clothing) = 10;
    EXPECT_EQ(LivePmvText(r, &other, ','), e);
    const TAPDef warmer = Office(120, 150);
    EXPECT_NE(LivePmvText(r, &warmer, ','), e);
}

TEST(LivePmv, MissingInputsOrTypeGiveNoValue)
{
    const TAPDef type = Office(120, 75);
    EXPECT_EQ(LivePmvText(Record("   22,4", "   46,8", "    0,12", kNotAvailable), &type, ','), kNotAvailable);
    EXPECT_EQ(LivePmvText(Record("   -1,0", "   46,8", "    0,12", "   23,0"), &type, ','), kNotAvailable);
    EXPECT_EQ(LivePmvText(Record("   22,4", "   46,8", "    0,12", "   23,0"), nullptr, ','), kNotAvailable);
    // Outside the valid ranges the PMV routine gives up: no "655,35".
    EXPECT_EQ(LivePmvText(Record("   80,0", "   46,8", "    0,12", "   80,0"), &type, ','), kNotAvailable);
}

TEST(LivePmv, OnlyARealTypeAfterThePlaceholderCounts)
{
    ResetPCTypes();
    EXPECT_EQ(FirstPcTypeOrNull(), nullptr);
    PCTypes().push_back(Office(120, 75));
    ASSERT_NE(FirstPcTypeOrNull(), nullptr);
    EXPECT_EQ(FirstPcTypeOrNull()->Name, "BUER");
    ResetPCTypes();
}
