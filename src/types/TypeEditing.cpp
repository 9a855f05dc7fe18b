#include "types/TypeEditing.h"

#include "types/TypeLibrary.h"
#include "types/TypeValueText.h"

#include <algorithm>

namespace vamok {

std::string TypeCopyText(const TAPDef& type, const std::array<std::string, kTypeRowCount>& labels, char sep)
{
    std::string text = type.Name + "\r\n";
    text += "Bereich\t rt->ge\t ge->gn\t gn->ge\t ge->rt\tAnzeige\r\n\r\n";
    for (int row = 1; row <= kTypeRowCount; ++row) {
        text += labels[static_cast<std::size_t>(row - 1)] + "\t";
        for (int column = 1; column <= kTypeColumnCount; ++column) {
            const std::int32_t value = type.at(column, row);
            text += TypeValueText(value, row, sep);
            text += "\t";
        }
        text += "\r\n";
    }
    return text;
}

DeleteRefusal DeleteRefusalOf(const std::string& name, const std::vector<std::string>& usedTypes)
{
    const std::string padded = TAPDef::TypeName(name);
    const bool used = std::any_of(usedTypes.begin(), usedTypes.end(),
                                  [&padded](const std::string& u) { return TAPDef::TypeName(u) == padded; });
    if (used)
        return DeleteRefusal::InUse;
    if (padded.find(kPredefinedTypeName) != std::string::npos)
        return DeleteRefusal::Predefined;
    return DeleteRefusal::None;
}

bool RemovePCType(const std::string& name)
{
    const std::string padded = TAPDef::TypeName(name);
    TAPListe& types = PCTypes();
    if (types.empty())
        return false;
    const auto removed = std::remove_if(types.begin() + 1, types.end(),
                                        [&padded](const TAPDef& t) { return t.Name == padded; });
    const bool any = removed != types.end();
    types.erase(removed, types.end());
    return any;
}

} // namespace vamok
