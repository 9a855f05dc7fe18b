#pragma once
// The vamok-cli commands, each declared in its own Cli*.cpp (name, options,
// help text, entry point); main.cpp lists them.
#include "cli/CliCommand.h"

CliCommand ReadCommand();     // CliRead.cpp: the instrument's stored workplaces
CliCommand ConvertCommand();  // CliFiles.cpp: data files and exports
CliCommand ShowCommand();     // CliFiles.cpp
CliCommand PmvCommand();      // CliPmv.cpp: PMV and PPD of one set of conditions
CliCommand LiveCommand();     // CliLive.cpp: the live values as the online window polls them
CliCommand IdentifyCommand(); // CliIdentify.cpp: one identification as the presence poller makes it
CliCommand TypesCommand();    // CliTypes.cpp: the PC type library
CliCommand ReportCommand();   // CliReport.cpp: the measurement report of a data file as PDF
CliCommand ProfilesCommand(); // CliProfiles.cpp: the instrument's profiles and profile files

// CliReport.cpp: "types report NAME --pdf OUT.pdf", run by the types
// command, and the options it adds to that command.
ExitCode CliTypesReport(const CliArguments& args);
std::vector<CliOption> TypesReportOptions();

// CliTypeTransfer.cpp: "types pull" and "types push", run by the types
// command, with the options they add to it; and the names command (the
// workplace names upload).
ExitCode CliTypesPull(const CliArguments& args);
ExitCode CliTypesPush(const CliArguments& args);
std::vector<CliOption> TypeTransferOptions();
CliCommand NamesCommand();
