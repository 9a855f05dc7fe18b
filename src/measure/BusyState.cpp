#include "measure/BusyState.h"

#include <algorithm>

namespace vamok {

void BusyState::OperationStarted() { cancel_ = false; }

void BusyState::RequestCancel()
{
    position_ = 0;
    cancel_ = true;
    Close();
}

void BusyState::Show()
{
    if (visible_)
        return;
    visible_ = true;
    Q_EMIT Changed();
}

void BusyState::Close()
{
    const bool wasVisible = visible_;
    visible_ = false;
    Q_EMIT Changed();
    if (wasVisible)
        Q_EMIT Closed();
}

void BusyState::SetCaption(const std::string& caption)
{
    caption_ = caption;
    Q_EMIT Changed();
}

void BusyState::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    Q_EMIT Changed();
}

void BusyState::SetPosition(int position)
{
    position_ = position;
    Q_EMIT Changed();
}

void BusyState::SetNumber(const std::string& number)
{
    number_ = number;
    Q_EMIT Changed();
}

BusyState& Busy()
{
    static BusyState state;
    return state;
}

} // namespace vamok
