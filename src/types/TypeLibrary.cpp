#include "types/TypeLibrary.h"

namespace vamok {

namespace {

TAPDef Placeholder()
{
    TAPDef p;
    p.SetName(kPlaceholderTypeName);
    return p;
}

} // namespace

TAPListe& PCTypes()
{
    static TAPListe list{Placeholder()};
    return list;
}

TAPListe& DeviceTypes()
{
    static TAPListe list;
    return list;
}

void ResetPCTypes()
{
    PCTypes().assign(1, Placeholder());
}

int FirstTypeIndex()
{
    return PCTypes().size() > 1 ? 1 : 0;
}

int FindType(const TAPListe& list, const std::string& name)
{
    const std::string padded = TAPDef::TypeName(name);
    if (padded == kPlaceholderTypeName || list.size() < 2)
        return -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].Name == padded)
            return static_cast<int>(i);
    }
    return -1;
}

int PCTypeIndex(const std::string& name)
{
    const int i = FindType(PCTypes(), name);
    return i < 0 ? 0 : i;
}

} // namespace vamok
