#pragma once
#include <array>
#include <optional>
#include <string>

namespace vamok::sim {

// A workplace type as the user sees it: 18 rows of 5 values in the units of
// the instrument's menus (row 10 in m/s, row 17 PMV, row 18 clo/met and the
// marker 441.15), name in code page 1252.
struct TypeDefinition {
    std::string name;
    std::array<std::array<double, 5>, 18> rows{}; // rows[0] is row 1
};

// The instrument's built-in type "VAM ".
TypeDefinition DefaultType();

// Byte form of a type slot (after "TYP" and the slot byte), 16-bit big-endian
// words after the 4-byte name, in this row order: 1-7, 10, 11, 8, 17, 18, 9,
// then 12-13 and 14-16 on rix firmware that measures gases and fine dust.
// Rows 1-4 and 6-9 and the illuminance target travel in tenths, rows 10, 17
// and 18 in hundredths, the rest as is.
enum class TypeLayout {
    AltarimEarly, // 124 bytes: early altarim firmware has no flicker-frequency row
    Altarim,      // 134 bytes: altarim, Quadrovan, rix before 1.4.3
    RixGas,       // 154 bytes: rix 1.4.3
    RixDust,      // 184 bytes: rix 2.0.6
    Ventiq,       // 44 bytes: name, row 10, three fixed rows
};

std::size_t RecordSize(TypeLayout layout);
// Altarim-family displays use their own umlaut codes in the name.
std::string EncodeTypeRecord(const TypeDefinition& type, TypeLayout layout, bool displayCodes);
// Nothing when the size does not fit the layout.
std::optional<TypeDefinition> DecodeTypeRecord(const std::string& record, TypeLayout layout, bool displayCodes);

} // namespace vamok::sim
