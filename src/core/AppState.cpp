#include "core/AppState.h"

namespace vamok {

AppState& App()
{
    static AppState state;
    return state;
}

} // namespace vamok
