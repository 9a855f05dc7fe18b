#include "measure/ColumnView.h"

#include "measure/ColumnLayout.h"

namespace vamok {

ColumnDefinition ColumnDefinition::AllInNaturalOrder()
{
    ColumnDefinition d;
    for (int k = 0; k < kColumnKindCount; ++k) {
        d.shown[static_cast<std::size_t>(k)] = true;
        d.position[static_cast<std::size_t>(k)] = k + 1;
    }
    return d;
}

bool ColumnDefinition::positionsArePermutation() const
{
    std::array<bool, kColumnKindCount> seen{};
    for (int p : position) {
        if (p < 1 || p > kColumnKindCount || seen[static_cast<std::size_t>(p - 1)])
            return false;
        seen[static_cast<std::size_t>(p - 1)] = true;
    }
    return true;
}

std::vector<ColumnKind> UserViewKinds(const ColumnDefinition& definition)
{
    std::array<int, kColumnKindCount> kindAt{};
    for (int k = 0; k < kColumnKindCount; ++k) {
        const int p = definition.positionsArePermutation() ? definition.position[static_cast<std::size_t>(k)]
                                                            : k + 1;
        kindAt[static_cast<std::size_t>(p - 1)] = k;
    }
    std::vector<ColumnKind> kinds;
    for (int k : kindAt)
        if (definition.shown[static_cast<std::size_t>(k)])
            kinds.push_back(static_cast<ColumnKind>(k));
    return kinds;
}

bool TableViewChoice::chooseUserView(int n)
{
    if (n < 1 || n > 4 || n == userView_)
        return false;
    userView_ = n;
    pmvView_ = false;
    return true;
}

std::vector<ColumnKind> TableViewChoice::applyCurrentView(const ColumnDefinition& checkedDefinition)
{
    pmvView_ = false;
    return userViewActive() ? UserViewKinds(checkedDefinition) : StandardViewKinds();
}

} // namespace vamok
