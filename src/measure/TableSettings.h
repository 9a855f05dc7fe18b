#pragma once
// The measurement table window's choices kept in the settings store: globe
// temperature editing, the meaning of the entered value, the air velocity
// that feeds the PMV, the copy options and the view in force.
#include "measure/RowPmv.h"

namespace vamok {

struct TableSettings {
    bool editMSTemp = false;    // "EditMSTemp": globe temperature editing on
    bool eingabeMSTemp = false; // "EingabeMSTemp": the entered value is the mean radiant temperature
    bool pmvView = false;       // "PMVAnsicht"
    int airVelocity = kPmvWindAutomatic; // "PMV_Luftg"
    bool copyShownOnly = true;  // "CopySel"
    bool copyExtended = false;  // "CopyExt"
    int userView = 0;           // "BenAnsicht": 1..4, 0 for none
};

// Reads the values (a missing value means its default). "PMV_Wind", no
// longer used, is deleted; "CalcPMV" is read and forced on. A stored user
// view 3 or 4 counts only when its menu item is visible (developer or serial
// debug mode); any other number means none.
TableSettings ReadTableSettings(bool userViews3And4Visible);
void WriteTableSettings(const TableSettings& settings);

// The PMV view is wanted at start when "PMVAnsicht" was 1 or when neither
// user view 1 nor 2 is checked.
bool StartsInPmvView(const TableSettings& settings);

// The GT texts are globe temperatures unless editing and mean radiant entry
// are both on; the GT header then reads "Mitt - STemp".
bool EntersMeanRadiant(const TableSettings& settings);

// The PMV inputs that follow from the settings (developer mode selects the
// 15 cm globe).
PmvSettings PmvSettingsOf(const TableSettings& settings, bool developerMode);

// The air-velocity radio items in menu order: "PMV Luftgeschw. Automatik",
// "PMV aus  Luftgeschw.- Einzelwert", "... I", "... II", "... III", and the
// setting each stands for.
inline constexpr int kAirVelocityItemCount = 5;
int AirVelocitySettingOfItem(int item);
// The item checked for a stored setting: 2, 1, 4, 5 their own, anything
// else the automatic item (0 keeps its mean of the three series until
// another item is chosen).
int AirVelocityItemOfSetting(int setting);

} // namespace vamok
