#include "live/KnownVamoks.h"

#include <algorithm>

namespace vamok {

namespace {
const std::string kSecondHeaderLine(13, ' ');
}

KnownVamokList::KnownVamokList(std::string header) : lines_{std::move(header), kSecondHeaderLine} {}

void KnownVamokList::Reset() { lines_.resize(kHeaderLines); }

void KnownVamokList::SetHeader(const std::string& header) { lines_[0] = header; }

bool KnownVamokList::Contains(const std::string& serialText) const
{
    return std::find(lines_.begin() + kHeaderLines, lines_.end(), serialText) != lines_.end();
}

void KnownVamokList::Append(const std::string& serialText) { lines_.push_back(serialText); }

int KnownVamokList::RemoveAll(const std::string& serialText)
{
    const auto first = lines_.begin() + kHeaderLines;
    const auto kept = std::remove(first, lines_.end(), serialText);
    const auto removed = static_cast<int>(lines_.end() - kept);
    lines_.erase(kept, lines_.end());
    return removed;
}

bool KnownVamokList::RemoveLine(std::size_t index)
{
    if (index < kHeaderLines || index >= lines_.size())
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

KnownVamokList& KnownVamoks()
{
    static KnownVamokList list;
    return list;
}

} // namespace vamok
