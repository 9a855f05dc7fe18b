#pragma once
// Which columns the measurement table grid shows in the view in force, and
// the PMV view command.
#include "measure/ColumnView.h"

#include <vector>

namespace vamok {

// The view in force when the headers are rebuilt: the checked user
// definition, else the PMV view when its flag is set, else the standard view.
std::vector<ColumnKind> ViewInForce(const TableViewChoice& choice, const ColumnDefinition& checked);

// "PMV - Ansicht (Predicted Mean Vote)" while its item is not checked: with
// the PMV view flag set it is cleared and the standard view applies,
// otherwise it is set and the PMV view applies; the user view items are
// unchecked either way.
std::vector<ColumnKind> PmvViewCommand(TableViewChoice& choice);

// The PMV view item is checked exactly when the flag is set and no user
// view item is.
bool PmvViewItemChecked(const TableViewChoice& choice);

} // namespace vamok
