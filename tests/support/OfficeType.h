#pragma once
// A workplace type for rating tests: temperature green from 20 to 26 °C,
// yellow one degree either side, red beyond; every other quantity unrated.
#include "types/TAPDef.h"
#include "types/TypeDefaults.h"

inline vamok::TAPDef OfficeType()
{
    using namespace vamok;
    TAPDef type = DefaultType();
    type.SetName("BUER");
    for (int row = 1; row < TypeRow::Clothing; ++row)
        type.at(TypeColumn::Target, row) = 0;
    type.at(TypeColumn::RedToYellow, TypeRow::Temperature) = 19;
    type.at(TypeColumn::YellowToGreen, TypeRow::Temperature) = 20;
    type.at(TypeColumn::GreenToYellow, TypeRow::Temperature) = 26;
    type.at(TypeColumn::YellowToRed, TypeRow::Temperature) = 27;
    type.at(TypeColumn::Target, TypeRow::Temperature) = 22;
    return type;
}
