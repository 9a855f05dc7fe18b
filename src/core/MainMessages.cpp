#include "core/MainMessages.h"

namespace vamok {

std::string OriginalMainMessage(int index)
{
    if (index < 0 || index >= static_cast<int>(kMainMessages.size())) {
        return {};
    }
    return kMainMessages[static_cast<std::size_t>(index)];
}

} // namespace vamok
