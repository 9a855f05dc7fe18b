#pragma once
// The type report "VAMOKAPTReport1": the limits of one workplace type, row
// by row, with its clothing and activity values.
#include "print/PrintData.h"
#include "print/ReportData.h"
#include "types/TAPDef.h"
#include "types/TypePrintRequest.h"

#include <array>
#include <string>
#include <vector>

namespace vamok {

inline constexpr const char* kTypeReportName = "VAMOKAPTReport1";

// The type window's clothing and activity labels: light, medium, heavy
// clothing, activity, and the notes on clo and met.
using ClothingLabels = std::array<std::string, 6>;
ClothingLabels DefaultClothingLabels();

struct TypeReportInput {
    TAPDef type;
    std::string shownName; // the name the type window shows
    int firstRow = 1;      // the grid rows to print (1..18)
    int lastRow = kTypeRowCount;
    bool color = false;
    // Column 0 of the type grid for rows 1..18 (the library's labels).
    std::array<std::string, kTypeRowCount> rowLabels = DefaultRowLabels();
    ClothingLabels clothingLabels = DefaultClothingLabels();
    std::vector<std::string> messages = DefaultReportMessages();
    char decimalSep = ',';

    static std::array<std::string, kTypeRowCount> DefaultRowLabels();
};

// The input for what the type window shows.
TypeReportInput TypeReportInputOf(const TypePrintRequest& request);

Report BuildTypeReport(const TypeReportInput& input);

} // namespace vamok
