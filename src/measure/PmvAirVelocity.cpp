#include "measure/PmvAirVelocity.h"

#include "types/Rating.h"

#include <vector>

namespace vamok {

namespace {

int Hundredths(const std::string& text) { return ReadScaledInt(text, 0); }

std::vector<int> PresentSeries(const RowTexts& t)
{
    std::vector<int> values;
    for (const std::string* s : {&t.WindI, &t.WindII, &t.WindIII})
        if (!IsMissingValueText(*s))
            values.push_back(Hundredths(*s));
    return values;
}

} // namespace

bool IsMissingValueText(const std::string& text)
{
    return text.find_first_not_of(" -.,") == std::string::npos;
}

int AirVelocityForPmv(const RowTexts& t, int setting)
{
    switch (setting) {
    case 0: {
        const std::vector<int> series = PresentSeries(t);
        int sum = 0;
        for (int v : series)
            sum += v;
        return series.empty() ? 0 : sum / static_cast<int>(series.size());
    }
    case 1:
        return Hundredths(t.WindI);
    case kPmvWindAutomatic: {
        int sum = 0;
        int count = 0;
        for (int v : PresentSeries(t)) {
            if (v >= 0 && v <= 500) {
                sum += v;
                ++count;
            }
        }
        return count > 0 ? sum / count : Hundredths(t.Wind);
    }
    case 4:
        return Hundredths(t.WindII);
    case 5:
        return Hundredths(t.WindIII);
    default:
        return Hundredths(t.Wind);
    }
}

} // namespace vamok
