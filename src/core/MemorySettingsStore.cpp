#include "core/MemorySettingsStore.h"

#include "core/TextHelpers.h"

namespace vamok {

bool MemorySettingsStore::exists(const std::string& subKey, const std::string& name) const
{
    return values_.count({subKey, name}) != 0;
}

std::optional<std::string> MemorySettingsStore::readText(const std::string& subKey,
                                                         const std::string& name) const
{
    const auto it = values_.find({subKey, name});
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<int> MemorySettingsStore::readInt(const std::string& subKey,
                                                const std::string& name) const
{
    const std::optional<std::string> text = readText(subKey, name);
    if (!text) {
        return std::nullopt;
    }
    return ParseInt32(*text);
}

void MemorySettingsStore::writeText(const std::string& subKey, const std::string& name,
                                    const std::string& value)
{
    values_[{subKey, name}] = value;
}

void MemorySettingsStore::writeInt(const std::string& subKey, const std::string& name, int value)
{
    values_[{subKey, name}] = std::to_string(value);
}

void MemorySettingsStore::remove(const std::string& subKey, const std::string& name)
{
    values_.erase({subKey, name});
}

} // namespace vamok
