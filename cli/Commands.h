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
