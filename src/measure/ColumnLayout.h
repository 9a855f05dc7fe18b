#pragma once
// Which grid column shows which column kind, and how wide the columns are.
#include "measure/MeasurementTable.h"

#include <vector>

namespace vamok {

// The kinds of the standard view and of the PMV view, in kind order.
std::vector<ColumnKind> StandardViewKinds();
std::vector<ColumnKind> PmvViewKinds();

// Consecutive grid columns from 0 for the shown kinds in their processing
// order; every other kind is hidden (-1). A kind listed twice keeps its
// first column.
ColumnMap MapShownKinds(const std::vector<ColumnKind>& shownInOrder);
// Number of grid columns the map uses.
int ShownColumnCount(const ColumnMap& map);

// Width of each grid column 0..columnCount-1 after a view is applied: the
// kinds' base widths, stretched by up to 20 % towards a total of 1100.
std::vector<int> ColumnWidths(const ColumnMap& map);

} // namespace vamok
