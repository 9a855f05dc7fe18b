#pragma once
// Reading a data file (".VAM") or an export (".CSV") of this or any older
// format version into a new measurement table. The table the window shows is
// replaced only when the whole file was read; a file that is empty, cut
// short, damaged or not a data file at all yields a message instead. A file
// without version line is read by the oldest layouts' rules (title or not,
// header or not); it counts as no data file only when its beginning holds
// binary bytes or its header, or else its line of workplace 1, holds no
// separator.
#include "measure/DataFileFormat.h"
#include "measure/DataFileTexts.h"
#include "measure/MeasurementTable.h"
#include "measure/RowPmv.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vamok {

struct DataFileContent {
    MeasurementTable table;
    std::optional<std::string> title; // absent: the file has no title line
    std::vector<std::string> notes;
    bool hasVersionLine = false;
    std::string versionText;  // the text after "VERSION="
    std::int64_t version = 0; // 0 without version line, at least 1 with one
    bool ratingsAvailable = false; // some row field was read from the file
};

struct ReadProblem {
    int line = 0; // 1-based; 0 when no single line is to blame
    std::string reason;
};

struct ParseResult {
    std::optional<DataFileContent> content;
    ReadProblem problem; // when there is no content
};

// Parses the bytes of a file. decimalSep is the locale's separator that
// numbers are read and written with; pmv serves the oldest format, whose
// PMV texts are computed after reading the globe temperature.
ParseResult ParseDataFile(std::string_view bytes, DataFileKind kind, const DataFileTexts& texts,
                          char decimalSep, const PmvSettings& pmv);

struct ReadResult {
    std::optional<DataFileContent> content;
    std::string message; // on failure: names the file and, where known, the line
    int line = 0;
};

// Reads the file at `path` (CP1252 text).
ReadResult ReadDataFile(const std::string& path, const DataFileTexts& texts, char decimalSep,
                        const PmvSettings& pmv);

// Files larger than this are no data files (a full table is about 40 KB).
inline constexpr std::size_t kMaxDataFileSize = 16 * 1024 * 1024;

} // namespace vamok
