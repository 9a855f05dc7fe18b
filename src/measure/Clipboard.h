#pragma once
// The text the table's copy command puts on the clipboard: a header line and
// one line per marked workplace, tab-separated, for word processors and
// spreadsheets.
#include "measure/DataFileTexts.h"
#include "measure/MeasurementTable.h"

#include <string>

namespace vamok {

struct CopyOptions {
    bool onlyShownColumns = true; // "Nur angezeigte Spalten Kopieren" ("CopySel")
    bool extended = false;        // "Kopieren Erweitert" ("CopyExt")
};

// One line without its line end: the header line for workplace 0, else the
// row line of workplace n (1..99).
std::string CopyLine(const MeasurementTable& table, int workplace, const ColumnMap& map,
                     const CopyOptions& options, const DataFileTexts& texts,
                     const RateFunction& rate);

// The whole copy of the workplaces firstRow..lastRow (clamped to 1..99):
// header line, each row line, each line ended by CR LF, NUL bytes removed.
std::string CopyText(const MeasurementTable& table, int firstRow, int lastRow, const ColumnMap& map,
                     const CopyOptions& options, const DataFileTexts& texts,
                     const RateFunction& rate);

} // namespace vamok
