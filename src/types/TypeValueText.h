#pragma once
// A type row's value as the windows, the clipboard and the library file
// show it, and the text typed into the type window read back.
#include <cstdint>
#include <string>

namespace vamok {

// Hundredths rows as "%1.2f" with `sep`, the other rows as whole numbers.
std::string TypeValueText(std::int32_t value, int row, char sep);

// A typed cell of `row` as the stored integer: hundredths rows read with
// either separator and rounded, the others as whole numbers; 0 for an empty
// text, a text that is no number or one beyond the stored range.
std::int32_t TypeValueOfText(const std::string& text, int row);

} // namespace vamok
