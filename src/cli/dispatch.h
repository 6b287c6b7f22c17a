// Parsing of tervtool's command line and the call of the command.
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

namespace cli {

// Runs the command named by args[0]; returns the exit code.
int run(const Context& ctx, const std::vector<std::string>& args);

// Whether the command line draws (fonts, pictures, pages) and so needs a GUI application
// object; the text commands, and anything unknown, start with the cheaper core one.
bool needsGuiApplication(const std::vector<std::string>& args);

// The text printed for bad usage.
std::string usage();

// A command line after the command's name: its options (each with its value) in their order,
// and the operands, wherever they stand. "--" ends the options: everything after it is an
// operand, so a file named "-x.dau" can be given.
struct Arguments {
  std::vector<std::string> options;
  std::vector<std::string> operands;
};
Arguments splitArguments(const std::vector<std::string>& args);

}  // namespace cli
