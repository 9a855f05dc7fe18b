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

namespace {

// Index of the entry named `name` (already 4 characters), or -1.
int IndexOfName(const TAPListe& list, const std::string& name)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].Name == name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

AddTypeResult AddType(const TAPDef& input, bool fromDevice)
{
    TAPDef record = input;
    record.SetName(input.Name);
    if (fromDevice) {
        const int device = IndexOfName(DeviceTypes(), record.Name);
        if (device >= 0)
            DeviceTypes()[static_cast<std::size_t>(device)] = record;
        else
            DeviceTypes().push_back(record);
    }
    // The placeholder is never a match: "NONE" cannot be added by name.
    const int existing = IndexOfName(PCTypes(), record.Name);
    if (existing > 0)
        return {existing, true};
    if (record.Name == kPlaceholderTypeName)
        return {0, true};
    record.SetMarker();
    PCTypes().push_back(record);
    return {static_cast<int>(PCTypes().size()) - 1, false};
}

std::string TypeExistsNotice(const std::string& name)
{
    return "Typ \"" + TAPDef::TypeName(name) + "\" schon vorhanden!";
}

int PCTypeIndex(const std::string& name)
{
    const int i = FindType(PCTypes(), name);
    return i < 0 ? 0 : i;
}

} // namespace vamok
