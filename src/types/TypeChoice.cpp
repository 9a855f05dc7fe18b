#include "types/TypeChoice.h"

#include "types/TAPDef.h"
#include "types/TypeLibrary.h"

#include <algorithm>

namespace vamok {

namespace {

constexpr std::size_t kRowsTextLength = 20;

bool Blank(const std::string& name)
{
    return name.find("    ") != std::string::npos;
}

} // namespace

std::vector<std::string> TypesToSend(const std::vector<std::string>& usedTypes,
                                     const std::vector<std::string>& rowTypes)
{
    std::vector<std::string> list;
    for (const std::string& entry : usedTypes)
        if (!Blank(entry))
            list.push_back(entry);
    for (const std::string& type : rowTypes) {
        const std::string name = TAPDef::TypeName(type);
        if (type == kPlaceholderTypeName || Blank(name) || std::find(list.begin(), list.end(), name) != list.end())
            continue;
        list.push_back(name);
    }
    return list;
}

TypeUse TypeUseOf(const std::string& name, const std::vector<std::string>& rowTypes)
{
    TypeUse use;
    const std::string padded = TAPDef::TypeName(name);
    use.predefined = padded.find(kPredefinedTypeName) != std::string::npos;
    for (std::size_t r = 0; r < rowTypes.size() && use.rows.size() < kRowsTextLength; ++r) {
        if (rowTypes[r].find(padded) == std::string::npos)
            continue;
        use.rows += (use.rows.empty() ? "" : "; ") + std::to_string(r + 1);
    }
    return use;
}

} // namespace vamok
