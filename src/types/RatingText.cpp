#include "types/RatingText.h"

namespace vamok {

std::string SpokenRating(Rating rating, const RatingWords& words)
{
    if (rating < kGreen || rating > kRed)
        return {};
    const std::size_t k = static_cast<std::size_t>(rating - kGreen);
    std::string text = words.phrases[k];
    if (!words.words[k].empty())
        text += (text.empty() ? "(" : " (") + words.words[k] + ")";
    return text;
}

std::string CellDescription(const std::string& spokenRating, const std::string& hint)
{
    std::string flat;
    for (std::size_t i = 0; i < hint.size(); ++i) {
        if (hint[i] == '\r' && i + 1 < hint.size() && hint[i + 1] == '\n')
            continue;
        flat += (hint[i] == '\r' || hint[i] == '\n') ? ' ' : hint[i];
    }
    if (spokenRating.empty() || flat.empty())
        return spokenRating + flat;
    return spokenRating + ". " + flat;
}

} // namespace vamok
