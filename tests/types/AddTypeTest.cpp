#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

class AddTypeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetPCTypes();
        DeviceTypes().clear();
        PCTypes().push_back(DefaultType());
    }

    static TAPDef Named(const char* name, int temperatureTarget)
    {
        TAPDef t = DefaultType();
        t.SetName(name);
        t.at(TypeColumn::Target, TypeRow::Temperature) = temperatureTarget;
        return t;
    }
};

TEST_F(AddTypeTest, NewNamesAreAppendedWithTheirMarker)
{
    TAPDef t = Named("AB", 23);
    t.at(ClothingColumn::Marker, TypeRow::Clothing) = 0;
    const AddTypeResult r = AddType(t, false);
    EXPECT_FALSE(r.alreadyPresent);
    EXPECT_EQ(r.index, 2);
    EXPECT_EQ(PCTypes()[2].Name, "AB  ");
    EXPECT_TRUE(PCTypes()[2].HasMarker());
    EXPECT_TRUE(DeviceTypes().empty());
}

TEST_F(AddTypeTest, ExistingNamesAddNothing)
{
    const AddTypeResult r = AddType(Named("VAM", 99), false);
    EXPECT_TRUE(r.alreadyPresent);
    EXPECT_EQ(r.index, 1);
    EXPECT_EQ(PCTypes().size(), 2u);
    EXPECT_EQ(PCTypes()[1].at(TypeColumn::Target, TypeRow::Temperature), 21);
    EXPECT_EQ(TypeExistsNotice("VAM"), "Typ \"VAM \" schon vorhanden!");
    EXPECT_TRUE(AddType(Named("NONE", 1), false).alreadyPresent);
    EXPECT_EQ(PCTypes().size(), 2u);
}

TEST_F(AddTypeTest, DeviceTypesAreReplacedByName)
{
    AddType(Named("DEV", 1), true);
    AddType(Named("DEV ", 2), true);
    AddType(Named("VAM ", 3), true);
    ASSERT_EQ(DeviceTypes().size(), 2u);
    EXPECT_EQ(DeviceTypes()[0].at(TypeColumn::Target, TypeRow::Temperature), 2);
    EXPECT_EQ(DeviceTypes()[1].at(TypeColumn::Target, TypeRow::Temperature), 3);
    // The first copy of a device type reached the library, later ones not.
    ASSERT_EQ(PCTypes().size(), 3u);
    EXPECT_EQ(PCTypes()[2].at(TypeColumn::Target, TypeRow::Temperature), 1);
}

} // namespace
