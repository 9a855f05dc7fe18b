#pragma once
// A row's display texts as JSON (UTF-8), one member per field under the
// field's name, in field-table order, for the command-line tool.
#include "measure/MeasurementTable.h"

#include <string>

namespace vamok {

// A CP1252 text as a JSON string literal (UTF-8, quotes and controls escaped).
std::string JsonString(const std::string& cp1252);

// "\"Name\": \"...\", \"Type\": \"...\", ..." for every field of the row.
std::string RowTextsJsonMembers(const RowTexts& texts);

// {"row": n, "Name": ..., ...}
std::string RowTextsJson(int n, const RowTexts& texts);

} // namespace vamok
