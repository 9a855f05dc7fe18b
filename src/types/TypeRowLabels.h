#pragma once
// The labels of the type rows, as the type grid shows them.
namespace vamok {

// Row 1..17: the grid label; row 18: "Clo / Met" (used in copies); "" else.
const char* TypeRowLabel(int row);

} // namespace vamok
