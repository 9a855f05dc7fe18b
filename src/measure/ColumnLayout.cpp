#include "measure/ColumnLayout.h"

#include <algorithm>
#include <cmath>

namespace vamok {

namespace {

constexpr int kDefaultWidth = 100;
constexpr int kOtherColumnWidth = 66; // two thirds of the default
constexpr int kWantedTotal = 1100;
constexpr double kMaxStretch = 1.2;

std::vector<ColumnKind> KindsWhere(bool ColumnKindInfo::*inView)
{
    std::vector<ColumnKind> kinds;
    for (const auto& k : AllColumnKinds())
        if (k.*inView)
            kinds.push_back(k.kind);
    return kinds;
}

// Rounded to nearest, halves to even (the default floating-point rounding).
int Scaled(int base, double factor) { return static_cast<int>(std::nearbyint(base * factor)); }

} // namespace

std::vector<ColumnKind> StandardViewKinds() { return KindsWhere(&ColumnKindInfo::inStandardView); }
std::vector<ColumnKind> PmvViewKinds() { return KindsWhere(&ColumnKindInfo::inPmvView); }

ColumnMap MapShownKinds(const std::vector<ColumnKind>& shownInOrder)
{
    ColumnMap map;
    map.fill(-1);
    int column = 0;
    for (ColumnKind k : shownInOrder) {
        int& slot = map.at(static_cast<std::size_t>(k));
        if (slot < 0)
            slot = column++;
    }
    return map;
}

int ShownColumnCount(const ColumnMap& map)
{
    return static_cast<int>(std::count_if(map.begin(), map.end(), [](int c) { return c >= 0; }));
}

std::vector<int> ColumnWidths(const ColumnMap& map)
{
    const int count = ShownColumnCount(map);
    std::vector<int> widths(static_cast<std::size_t>(count), kOtherColumnWidth);
    if (count > 0)
        widths[0] = kDefaultWidth;
    auto pass = [&](double factor) {
        int sum = 0;
        for (const auto& k : AllColumnKinds()) {
            const int column = map[static_cast<std::size_t>(k.kind)];
            if (column < 0 || column >= count)
                continue;
            widths[static_cast<std::size_t>(column)] = Scaled(k.baseWidth, factor);
            sum += widths[static_cast<std::size_t>(column)];
        }
        return sum;
    };
    const int sum = pass(1.0);
    if (sum > 0 && sum < kWantedTotal)
        pass(std::min(kMaxStretch, 1.0 + static_cast<double>(kWantedTotal - sum) / sum));
    return widths;
}

} // namespace vamok
