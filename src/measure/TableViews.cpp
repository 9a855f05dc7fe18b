#include "measure/TableViews.h"

#include "measure/ColumnLayout.h"

namespace vamok {

std::vector<ColumnKind> ViewInForce(const TableViewChoice& choice, const ColumnDefinition& checked)
{
    if (choice.userViewActive())
        return UserViewKinds(checked);
    return choice.pmvView() ? PmvViewKinds() : StandardViewKinds();
}

std::vector<ColumnKind> PmvViewCommand(TableViewChoice& choice)
{
    choice.clearUserView();
    const bool wasOn = choice.pmvView();
    choice.setPmvView(!wasOn);
    return wasOn ? StandardViewKinds() : PmvViewKinds();
}

bool PmvViewItemChecked(const TableViewChoice& choice)
{
    return choice.pmvView() && !choice.userViewActive();
}

} // namespace vamok
