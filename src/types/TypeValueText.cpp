#include "types/TypeValueText.h"

#include "core/TextHelpers.h"
#include "types/FixedText.h"
#include "types/Rating.h"
#include "types/TAPDef.h"

#include <cmath>

namespace vamok {

std::string TypeValueText(std::int32_t value, int row, char sep)
{
    return IsHundredthsRow(row) ? FixedText(value / 100.0L, 2, sep) : std::to_string(value);
}

std::int32_t TypeValueOfText(const std::string& text, int row)
{
    if (text.empty())
        return 0;
    if (!IsHundredthsRow(row))
        return ReadScaledInt(text, 0);
    const double value = TextToFloat(NormaliseDecimal(text));
    if (!std::isfinite(value) || std::fabs(value) > 2.0e7)
        return 0;
    return static_cast<std::int32_t>(std::lround(value * 100.0));
}

} // namespace vamok
