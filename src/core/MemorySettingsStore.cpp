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

std::optional<std::string> MemorySettingsStore::writeText(const std::string& subKey, const std::string& name,
                                                          const std::string& value)
{
    values_[{subKey, name}] = value;
    return std::nullopt;
}

std::optional<std::string> MemorySettingsStore::writeInt(const std::string& subKey, const std::string& name,
                                                         int value)
{
    values_[{subKey, name}] = std::to_string(value);
    return std::nullopt;
}

std::optional<std::string> MemorySettingsStore::remove(const std::string& subKey, const std::string& name)
{
    values_.erase({subKey, name});
    return std::nullopt;
}

} // namespace vamok
