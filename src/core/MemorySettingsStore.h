#pragma once
// A settings store held in memory, for tests and for runs that must not
// touch the user's settings. Integers are kept as decimal text, as in the
// INI file, so a text value that is no number reads as no integer.
#include "core/SettingsStore.h"

#include <map>
#include <utility>

namespace vamok {

class MemorySettingsStore : public SettingsStore {
public:
    bool exists(const std::string& subKey, const std::string& name) const override;
    std::optional<std::string> readText(const std::string& subKey,
                                        const std::string& name) const override;
    std::optional<int> readInt(const std::string& subKey, const std::string& name) const override;
    std::optional<std::string> writeText(const std::string& subKey, const std::string& name,
                                         const std::string& value) override;
    std::optional<std::string> writeInt(const std::string& subKey, const std::string& name,
                                        int value) override;
    std::optional<std::string> remove(const std::string& subKey, const std::string& name) override;

    std::size_t size() const { return values_.size(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace vamok
