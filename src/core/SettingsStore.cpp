#include "core/SettingsStore.h"

#include "core/QSettingsStore.h"

namespace vamok {

namespace {

std::unique_ptr<SettingsStore>& CurrentStore()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}

} // namespace

std::string SettingsStore::text(const std::string& name, const std::string& fallback) const
{
    return readText("", name).value_or(fallback);
}

int SettingsStore::integer(const std::string& name, int fallback) const
{
    return readInt("", name).value_or(fallback);
}

bool SettingsStore::flag(const std::string& name) const
{
    return readInt("", name) == 1;
}

SettingsStore& Settings()
{
    auto& store = CurrentStore();
    if (!store) {
        store = std::make_unique<QSettingsStore>();
    }
    return *store;
}

void SetSettingsStore(std::unique_ptr<SettingsStore> store)
{
    CurrentStore() = std::move(store);
}

} // namespace vamok
