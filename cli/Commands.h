#pragma once
// Entry points of the vamok-cli commands; each lives in its own Cli*.cpp.
// Exit codes: 0 success, 1 the operation failed, 2 bad usage.
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

// CliFiles.cpp: data files and exports.
int CliConvert(const CliArgs& args);
int CliShow(const CliArgs& args);

// CliRead.cpp: the instrument's stored workplaces.
int CliRead(const CliArgs& args);

// CliPmv.cpp: PMV and PPD of one set of conditions.
int CliPmv(const CliArgs& args);

// CliTypes.cpp: the PC type library.
int CliTypes(const CliArgs& args);

// CliLive.cpp: the live values as the online window polls them.
int CliLive(const CliArgs& args);

// CliIdentify.cpp: one identification as the presence poller makes it.
int CliIdentify(const CliArgs& args);

// CliReport.cpp: the measurement report of a data file and the type report
// of a library type, as PDF files ("types report" comes through CliTypes).
int CliReport(const CliArgs& args);
int CliTypesReport(const CliArgs& args);
