// Parsing of tervtool's command line and the call of the command.
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

namespace cli {

// Runs the command named by args[0]; returns the exit code.
int run(const Context& ctx, const std::vector<std::string>& args);

// The text printed for bad usage.
std::string usage();

}  // namespace cli
