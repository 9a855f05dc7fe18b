#pragma once
// The table's column views: the standard view, the PMV view and the four
// user definitions, whose column choice and order the column definitions
// window keeps.
#include "measure/MeasurementTable.h"

#include <array>
#include <vector>

namespace vamok {

// A user definition: for each column kind whether it is shown and its
// position 1..32 (the positions of the 32 kinds are all different).
struct ColumnDefinition {
    std::array<bool, kColumnKindCount> shown{};
    std::array<int, kColumnKindCount> position{};

    // Every kind shown in kind order (what absent settings mean).
    static ColumnDefinition AllInNaturalOrder();
    bool positionsArePermutation() const;
};

// The shown kinds of a definition in the order of their positions. A
// definition whose positions are no permutation (damaged settings) is laid
// out in kind order.
std::vector<ColumnKind> UserViewKinds(const ColumnDefinition& definition);

// Which view the table shows: the PMV view flag and the checked user view
// item ("Benutzerdefiniert 1" to "4"; 0 when none is checked).
class TableViewChoice {
public:
    bool pmvView() const { return pmvView_; }
    int userView() const { return userView_; }
    bool userViewActive() const { return userView_ != 0; }

    void setPmvView(bool on) { pmvView_ = on; }
    // Checks user view item n (1..4) and unchecks the PMV view; false (and
    // nothing changes) when item n is already checked or n is out of range.
    bool chooseUserView(int n);
    // The PMV view item was checked: the user view items are unchecked.
    void clearUserView() { userView_ = 0; }

    // "Apply the current view": the checked user definition, else the
    // standard view; either way the PMV view flag is cleared. The kinds come
    // in grid column order.
    std::vector<ColumnKind> applyCurrentView(const ColumnDefinition& checkedDefinition);

private:
    bool pmvView_ = false;
    int userView_ = 0;
};

} // namespace vamok
