// Registration of atelier's subcommands and of the parts of `atelier demo`.
//
// A command file defines one static CommandRegistration; a demo file one
// static DemoRegistration. Commands appear in the help sorted by name, demo
// parts run in ascending order of their rank.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace atelier {

// Adds one subcommand (with its options and callback) to the application.
using CommandFactory = std::function<void(CLI::App& app)>;

// Prints one part of the demo to `out`, reading sample data from `examples`.
// Returns false when that part failed (the demo then exits non-zero).
using DemoPart = std::function<bool(std::ostream& out, const std::filesystem::path& examples)>;

struct CommandRegistration {
  CommandRegistration(std::string name, CommandFactory factory);
};

struct DemoRegistration {
  DemoRegistration(int rank, std::string title, DemoPart part);
};

struct RegisteredDemoPart {
  int rank;
  std::string title;
  DemoPart part;
};

// Every registered command factory, sorted by name.
std::vector<CommandFactory> RegisteredCommands();
// Every registered demo part, sorted by rank.
std::vector<RegisteredDemoPart> RegisteredDemoParts();

// The tool's exit codes besides 0 (success).
constexpr int kExitWorkFailed = 1;  // bad input file, parse failure, write failure
constexpr int kExitUsageError = 2;  // the command line itself is wrong

// Thrown by a command to end the tool with a message on standard error and
// the given exit code.
struct CommandFailure {
  std::string message;
  int exitCode = kExitWorkFailed;
};

}  // namespace atelier
