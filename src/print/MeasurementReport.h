#pragma once
// The measurement report "VAMOKData_MultiCol": one column per print slot,
// one band per workplace row, page 1 and page 2 designs.
#include "measure/DataFileTexts.h"
#include "measure/MeasurementTable.h"
#include "print/PrintData.h"
#include "print/ReportData.h"

#include <functional>
#include <string>
#include <vector>

namespace vamok {

inline constexpr const char* kMeasurementReportName = "VAMOKData_MultiCol";

struct MeasurementReportInput {
    const MeasurementTable* table = nullptr;
    int firstRow = 1;
    int lastRow = kRowCount;
    PrintColumns columns;
    PageSplit split;
    bool color = false;
    bool extend = false;
    std::string title;              // the table's project title
    std::vector<std::string> notes; // the table's notes, line by line
    // The table's header texts and rating words in the current language.
    DataFileTexts tableTexts = DefaultDataFileTexts();
    std::vector<std::string> messages = DefaultReportMessages();
    // Rates a value against the row's type (default: the PC type library).
    RateFunction rate = RateAgainstPCTypes();
    // Called when one record cannot be built; the record keeps what it got.
    std::function<void()> recordFailed;
};

// The column title of a kind ("ColTitel") and its unit suffix ("ColEinheit").
std::string PrintTitle(ColumnKind kind, const DataFileTexts& tableTexts, const std::vector<std::string>& messages);
const char* PrintUnit(ColumnKind kind);

Report BuildMeasurementReport(const MeasurementReportInput& input);

} // namespace vamok
