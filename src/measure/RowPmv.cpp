#include "measure/RowPmv.h"

#include "core/AppState.h"
#include "comfort/Pmv.h"
#include "types/Rating.h"
#include "types/TypeLibrary.h"

namespace vamok {

namespace {

struct Clothing {
    int clo100 = 0;
    int met100 = 0;
};

// Clothing of the season and activity of the row's type (the placeholder,
// which has none, when the type is not in the library).
Clothing ClothingOf(const std::string& typeName, int season)
{
    const TAPListe& types = PCTypes();
    const int index = PCTypeIndex(typeName);
    if (index < 0 || static_cast<std::size_t>(index) >= types.size() || season < 1 || season > 3)
        return {};
    const TAPDef& type = types[static_cast<std::size_t>(index)];
    return {type.at(season, TypeRow::Clothing), type.at(ClothingColumn::Met, TypeRow::Clothing)};
}

constexpr Field kPmvFields[3] = {Field::PMV1, Field::PMV2, Field::PMV3};

} // namespace

int SeasonPmv(const RowTexts& t, int season, const PmvSettings& pmv)
{
    const Clothing c = ClothingOf(t.Type, season);
    return ComputePMV(ReadScaledInt(t.Temp, 0), ReadScaledInt(t.GT, 0), ReadScaledInt(t.Feu, 0),
                      pmv.smallGlobe, pmv.radiantIsGlobe, c.met100, c.clo100,
                      AirVelocityForPmv(t, pmv.airVelocitySetting));
}

std::string SeasonPmvText(const RowTexts& t, int season, const PmvSettings& pmv)
{
    return PMVText(SeasonPmv(t, season, pmv));
}

bool IsNoPmvText(const std::string& text) { return text == PMVText(kNoPMV); }

void UpdateRowPmvTexts(RowTexts& t, const PmvSettings& pmv)
{
    if (t.GT.empty()) {
        t.PMV1.clear();
        t.PMV2.clear();
        t.PMV3.clear();
        return;
    }
    for (int season = 1; season <= 3; ++season)
        t[kPmvFields[season - 1]] = SeasonPmvText(t, season, pmv);
}

bool RecomputeAllPmvTexts(MeasurementTable& table, const PmvSettings& pmv)
{
    bool changed = false;
    for (int n = 1; n <= kRowCount; ++n) {
        RowTexts& t = table.row(n).texts;
        if (t.Temp.empty() || t.Feu.empty())
            continue;
        for (int season = 1; season <= 3; ++season) {
            std::string& field = t[kPmvFields[season - 1]];
            std::string text = SeasonPmvText(t, season, pmv);
            if (text != field) {
                field = std::move(text);
                changed = true;
            }
        }
    }
    if (changed)
        App().MeasurementsModified = true;
    return changed;
}

} // namespace vamok
