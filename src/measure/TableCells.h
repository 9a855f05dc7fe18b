#pragma once
// What a cell of the measurement table grid shows: its text and the
// traffic-light mark of a rated value. Showing only reads the row; the PMV
// texts are computed beforehand (RecomputeAllPmvTexts) whenever an input of
// the PMV changes.
#include "measure/MeasurementTable.h"
#include "types/Rating.h"

#include <string>

namespace vamok {

// The text of kind `kind` in the row of workplace n: the row number for the
// number column; a PMV cell is empty while Temp or Feu is empty or no PMV
// could be computed.
std::string CellText(const RowTexts& texts, ColumnKind kind, int n);

// The mark of the shown text: 0 for kinds that are never rated and for texts
// that hold no value; else the stored code of the loaded file when
// useFileRatings, or the rating against the row's type in PCTypes.
Rating CellRating(const WorkplaceRow& row, ColumnKind kind, const std::string& shownText,
                  bool useFileRatings);

} // namespace vamok
