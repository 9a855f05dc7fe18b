#pragma once
// Writing the measurement table as a data file (".VAM") or an export (".CSV").
#include "measure/DataFileFormat.h"
#include "measure/DataFileTexts.h"
#include "measure/MeasurementTable.h"

#include <string>
#include <vector>

namespace vamok {

// What a data file holds besides the rows.
struct DataFileHeading {
    std::string title;              // the project title
    std::vector<std::string> notes; // the notes, one text per line
};

// The whole file text. Ratings come from `rate` (no ratings when empty).
std::string FormatDataFile(const MeasurementTable& table, const DataFileHeading& heading,
                           DataFileKind kind, const DataFileTexts& texts, const RateFunction& rate);

// One row line without its line end.
std::string FormatRowLine(const RowTexts& row, DataFileKind kind, const DataFileTexts& texts,
                          const RateFunction& rate);

struct SaveResult {
    bool ok = false;
    std::string message; // on failure: the full message for the user
};

// Writes the file through a temporary file next to it, which replaces the
// old file only once it is complete; a failure leaves the old file as it was.
// `path` is CP1252 text.
SaveResult WriteDataFile(const MeasurementTable& table, const DataFileHeading& heading,
                         const std::string& path, DataFileKind kind, const DataFileTexts& texts,
                         const RateFunction& rate);

// The same writer with the untranslated texts and the ratings of the PC type
// library, the kind chosen by the file's extension (for the command line).
SaveResult WriteDataFile(const MeasurementTable& table, const std::string& path,
                         const DataFileHeading& heading);

} // namespace vamok
