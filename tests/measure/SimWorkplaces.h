#pragma once
// Workplaces for the simulated instrument's state file, and the texts the
// measurement table must show for them after a readout, worked out from the
// instruments' record layouts (which fields each model sends, their
// scaling and no-value codes).
#include "measure/MeasurementTable.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

struct SimWorkplace {
    int number = 1;
    std::string name; // CP1252
    std::string type;
    int profile = 1;
    std::optional<long> seconds; // measuring time since 2000-01-01
    std::map<vamok::Field, double> values; // physical units
};

// "altarim", "quadrovan", "rix", "ventiq".
std::string SimStateJson(const std::string& firmware, const std::vector<SimWorkplace>& workplaces);

// The expected RowTexts fields (all but the PMV texts) of a workplace read
// with "Messwerte lesen" from `dialect` with `firmware`, with separator sep.
std::map<vamok::Field, std::string> ExpectedTexts(const std::string& dialect,
                                                  const std::string& firmware,
                                                  const SimWorkplace& wp, char sep);

// A workplace that the state file does not list.
SimWorkplace EmptyWorkplace(int number);

// A varied set of workplaces 1..count with every value the rix sends.
std::vector<SimWorkplace> VariedWorkplaces(int count);
