#pragma once
// The layout of the measurement data file (".VAM", fields separated by a
// tab) and of the spreadsheet export (".CSV", fields separated by " ; "):
// version line, title, header line, 99 row lines, notes. Code page 1252,
// CR LF line ends.
#include "measure/MeasurementTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vamok {

enum class DataFileKind { Vam, Csv };

// The kind a file name stands for: ".CSV" (any letter case) an export, read
// with ';' between fields; anything else a data file. `path` is CP1252 text.
DataFileKind KindOfFileName(const std::string& path);

// The separator written between fields: tab, or " ; " in an export.
std::string_view WrittenSeparator(DataFileKind kind);

// The program's file format version, written as "VERSION=" + this.
inline constexpr const char* kDataFileVersionText = "5.2.0.1";
inline constexpr const char* kVersionPrefix = "VERSION=";
inline constexpr const char* kNotesMarker = "MEMO: ";

// A four-part version a.b.c.d as a number (a*2^24 + b*2^16 + c*2^8 + d).
constexpr std::int64_t FileVersion(int a, int b, int c, int d)
{
    return (std::int64_t{a} << 24) | (std::int64_t{b} << 16) | (std::int64_t{c} << 8) | d;
}

// How a field of a row line is written.
enum class FieldForm {
    Single, // value + SEP
    Rated,  // value + SEP + rating word + SEP
    Pair,   // value + SEP + SEP (a rating cell that stays empty)
};

// How the reader turns a field's text into the row's text.
enum class FieldConversion {
    AsIs,
    OneDecimal,  // a number is written again with one decimal
    TwoDecimals, // ... with two decimals
    IntegerPart, // everything from the decimal separator on is dropped
};

struct DataFileField {
    int number; // 1..45, the reader's field number
    Field field;
    FieldForm form;
    int quantity; // rating quantity of a Rated field
    FieldConversion conversion;
};

// The 45 fields of a row line, in file order.
const std::array<DataFileField, 45>& DataFileFields();
inline constexpr int kDataFileFieldCount = 45;

// A cell of the header line: the field's header text, followed by one
// separator (single) or two (double). The header's cells do not line up with
// the row fields everywhere; its form is fixed as older files have it.
struct HeaderCell {
    Field field;
    bool isDouble;
};
const std::array<HeaderCell, 45>& HeaderCells();

} // namespace vamok
