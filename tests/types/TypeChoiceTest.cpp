#include "types/TypeChoice.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

std::vector<std::string> Rows(std::initializer_list<std::pair<int, const char*>> typed)
{
    std::vector<std::string> rows(99, "VAM ");
    for (const auto& [n, type] : typed)
        rows[static_cast<std::size_t>(n - 1)] = type;
    return rows;
}

} // namespace

TEST(TypeChoice, UsedTypesFirstThenTheRowsTypes)
{
    std::vector<std::string> rows(99, "NONE");
    rows[4] = "EF  ";
    rows[6] = "AB  ";
    rows[8] = "    ";
    rows[9] = "GH";
    EXPECT_EQ(TypesToSend({"AB  ", "    ", "CD  "}, rows), (std::vector<std::string>{"AB  ", "CD  ", "EF  ", "GH  "}));
}

TEST(TypeChoice, RowsUsingATypeKeepIt)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::string listed;
        bool removable;
    };
    const Case cases[] = {
        {"AB", Rows({{3, "AB  "}, {7, "AB  "}, {12, "AB  "}}), "3; 7; 12", false},
        {"AB  ", Rows({{10, "AB  "}, {11, "AB  "}, {12, "AB  "}, {13, "AB  "}, {14, "AB  "}, {15, "AB  "},
                       {16, "AB  "}, {17, "AB  "}, {18, "AB  "}, {19, "AB  "}, {20, "AB  "}}),
         "10; 11; 12; 13; 14; 15", false},
        {"CD  ", Rows({{3, "AB  "}}), "", true},
        {"VAM ", std::vector<std::string>(99, "NONE"), "", false},
    };
    for (const Case& c : cases) {
        const TypeUse use = TypeUseOf(c.name, c.rows);
        EXPECT_EQ(use.rows, c.listed) << c.name;
        EXPECT_EQ(use.Removable(), c.removable) << c.name;
    }
    EXPECT_TRUE(TypeUseOf("VAM ", std::vector<std::string>(99, "NONE")).predefined);
}
