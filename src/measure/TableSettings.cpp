#include "measure/TableSettings.h"

#include "core/SettingsStore.h"

#include <array>

namespace vamok {

namespace {

constexpr std::array<int, kAirVelocityItemCount> kItemSettings{kPmvWindAutomatic, 2, 1, 4, 5};

int StoredUserView(bool views3And4Visible)
{
    const int n = Settings().integer("BenAnsicht", 0);
    if (n == 1 || n == 2)
        return n;
    if ((n == 3 || n == 4) && views3And4Visible)
        return n;
    return 0;
}

} // namespace

TableSettings ReadTableSettings(bool userViews3And4Visible)
{
    SettingsStore& store = Settings();
    TableSettings s;
    s.editMSTemp = store.flag("EditMSTemp");
    // Always computed; the value is read only for its old meaning.
    (void)store.flag("CalcPMV");
    s.eingabeMSTemp = store.flag("EingabeMSTemp");
    s.pmvView = store.flag("PMVAnsicht");
    if (store.exists("", "PMV_Wind"))
        store.remove("", "PMV_Wind");
    s.airVelocity = store.integer("PMV_Luftg", kPmvWindAutomatic);
    s.copyShownOnly = !store.exists("", "CopySel") || store.flag("CopySel");
    s.copyExtended = store.flag("CopyExt");
    s.userView = StoredUserView(userViews3And4Visible);
    return s;
}

void WriteTableSettings(const TableSettings& s)
{
    SettingsStore& store = Settings();
    store.writeInt("", "EditMSTemp", s.editMSTemp ? 1 : 0);
    store.writeInt("", "CalcPMV", 1);
    store.writeInt("", "EingabeMSTemp", s.eingabeMSTemp ? 1 : 0);
    store.writeInt("", "PMVAnsicht", s.pmvView ? 1 : 0);
    store.writeInt("", "PMV_Luftg", s.airVelocity);
    store.writeInt("", "CopySel", s.copyShownOnly ? 1 : 0);
    store.writeInt("", "CopyExt", s.copyExtended ? 1 : 0);
    store.writeInt("", "BenAnsicht", s.userView >= 1 && s.userView <= 4 ? s.userView : 0);
}

bool StartsInPmvView(const TableSettings& s)
{
    return s.pmvView || (s.userView != 1 && s.userView != 2);
}

bool EntersMeanRadiant(const TableSettings& s) { return s.editMSTemp && s.eingabeMSTemp; }

PmvSettings PmvSettingsOf(const TableSettings& s, bool developerMode)
{
    PmvSettings pmv;
    pmv.airVelocitySetting = s.airVelocity;
    pmv.radiantIsGlobe = !EntersMeanRadiant(s);
    pmv.smallGlobe = developerMode;
    return pmv;
}

int AirVelocitySettingOfItem(int item)
{
    if (item < 0 || item >= kAirVelocityItemCount)
        return kPmvWindAutomatic;
    return kItemSettings[static_cast<std::size_t>(item)];
}

int AirVelocityItemOfSetting(int setting)
{
    for (int item = 1; item < kAirVelocityItemCount; ++item)
        if (kItemSettings[static_cast<std::size_t>(item)] == setting)
            return item;
    return 0;
}

} // namespace vamok
