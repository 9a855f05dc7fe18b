#include "sim/TypeRecord.h"

#include "sim/TextCodec.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vamok::sim {

namespace {

// Device scale of one cell (row 1..18, column 1..5).
double Scale(int row, int column)
{
    if (row == 5)
        return column == 5 ? 10.0 : 1.0;
    if (row == 10 || row == 17 || row == 18)
        return 100.0;
    if (row >= 11 && row <= 16)
        return 1.0;
    return 10.0;
}

std::vector<int> RowOrder(TypeLayout layout)
{
    std::vector<int> rows;
    switch (layout) {
    case TypeLayout::Ventiq:
        return {10};
    case TypeLayout::AltarimEarly:
        rows = {1, 2, 3, 4, 5, 7};
        break;
    default:
        rows = {1, 2, 3, 4, 5, 6, 7};
        break;
    }
    for (int r : {10, 11, 8, 17, 18, 9})
        rows.push_back(r);
    if (layout == TypeLayout::RixGas || layout == TypeLayout::RixDust)
        rows.insert(rows.end(), {12, 13});
    if (layout == TypeLayout::RixDust)
        rows.insert(rows.end(), {14, 15, 16});
    return rows;
}

constexpr std::size_t kVentiqFixedRows = 3;
constexpr int kVentiqFixed[5] = {0, 0, 10, 20, 1};

// Two's complement for negative values; out-of-range values are clamped.
void PutWord(std::string& out, double value)
{
    const long clamped = std::lround(std::clamp(std::isfinite(value) ? value : 0.0, -32768.0, 65535.0));
    const auto word = static_cast<unsigned>(clamped & 0xFFFF);
    out += static_cast<char>(word >> 8);
    out += static_cast<char>(word & 0xFF);
}

} // namespace

TypeDefinition DefaultType()
{
    TypeDefinition t;
    t.name = "VAM ";
    t.rows = {{{20, 21, 22, 26, 21},
               {30, 50, 65, 75, 55},
               {0, 35, 55, 70, 55},
               {0, 35, 55, 70, 55},
               {300, 400, 30000, 31000, 500},
               {73, 84, 456, 460, 85},
               {80, 100, 3000, 3100, 100},
               {3, 5, 11, 15, 0},
               {0, 0, 3, 20, 3},
               {0.00, 0.00, 0.10, 0.20, 0.01},
               {0, 0, 1000, 1500, 380},
               {0, 0, 500, 1000, 0},
               {0, 0, 20, 30, 1},
               {0, 0, 10, 20, 0},
               {0, 0, 10, 25, 1},
               {0, 0, 10, 40, 1},
               {-0.70, -0.50, 0.50, 0.70, 0.01},
               {0.60, 0.90, 1.20, 1.30, 441.15}}};
    return t;
}

std::size_t RecordSize(TypeLayout layout)
{
    if (layout == TypeLayout::Ventiq)
        return 4 + 10 + 10 * kVentiqFixedRows;
    return 4 + 10 * RowOrder(layout).size();
}

std::string EncodeTypeRecord(const TypeDefinition& type, TypeLayout layout, bool displayCodes)
{
    std::string name = FixedWidth(type.name, 4);
    std::string out = displayCodes ? ToDisplayCodes(name) : name;
    for (int row : RowOrder(layout))
        for (int column = 1; column <= 5; ++column)
            PutWord(out, type.rows[row - 1][column - 1] * Scale(row, column));
    if (layout == TypeLayout::Ventiq)
        for (std::size_t i = 0; i < kVentiqFixedRows; ++i)
            for (int v : kVentiqFixed)
                PutWord(out, v);
    return out;
}

std::optional<TypeDefinition> DecodeTypeRecord(const std::string& record, TypeLayout layout, bool displayCodes)
{
    if (record.size() != RecordSize(layout))
        return std::nullopt;
    TypeDefinition t;
    const std::string name = record.substr(0, 4);
    t.name = displayCodes ? FromDisplayCodes(name) : name;
    std::size_t offset = 4;
    for (int row : RowOrder(layout)) {
        for (int column = 1; column <= 5; ++column, offset += 2) {
            long word = static_cast<unsigned char>(record[offset]) * 256 + static_cast<unsigned char>(record[offset + 1]);
            if (row == 17 && word > 0x7FFF)
                word -= 0x10000;
            t.rows[row - 1][column - 1] = static_cast<double>(word) / Scale(row, column);
        }
    }
    return t;
}

} // namespace vamok::sim
