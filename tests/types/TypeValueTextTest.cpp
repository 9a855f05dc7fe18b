// Type values as text and back, as the type window shows and reads them.
#include "core/AppState.h"
#include "types/TAPDef.h"
#include "types/TypeValueText.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(TypeValueText, HundredthsRowsShowTwoDecimalsTheOthersWholeNumbers)
{
    EXPECT_EQ(TypeValueText(15, TypeRow::AirVelocity, ','), "0,15");
    EXPECT_EQ(TypeValueText(-50, TypeRow::PMV, '.'), "-0.50");
    EXPECT_EQ(TypeValueText(215, TypeRow::Temperature, ','), "215");
}

TEST(TypeValueText, TypedTextsReadBackAsTheStoredIntegers)
{
    struct Case {
        const char* text;
        int row;
        std::int32_t stored;
    };
    const Case cases[] = {
        {"0,15", TypeRow::AirVelocity, 15}, {"0.15", TypeRow::AirVelocity, 15}, {"-0,5", TypeRow::PMV, -50},
        {"1,25", TypeRow::Clothing, 125},    {"", TypeRow::PMV, 0},             {"abc", TypeRow::Clothing, 0},
        {"1e300", TypeRow::PMV, 0},         {"215", TypeRow::Temperature, 215}, {"", TypeRow::Temperature, 0},
    };
    App().DecimalSep = ',';
    for (const Case& c : cases)
        EXPECT_EQ(TypeValueOfText(c.text, c.row), c.stored) << c.text;
}
