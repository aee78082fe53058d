// atelier: command-line access to the suite's libraries.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "AtelierVersion.h"
#include "CommandRegistry.h"
#include "StandardOutputCheck.h"
#include "UnknownCommand.h"
#include "platform/ProgramText.h"

namespace {

// Parses the command line and runs the command it names; returns the exit code.
int Run(const std::vector<std::string>& arguments) {
  std::vector<const char*> argumentTexts;
  for (const std::string& argument : arguments) argumentTexts.push_back(argument.c_str());

  CLI::App app{"atelier: text, document and image services of the suite on your own files"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "atelier " ATELIER_VERSION_STRING, "Print the version and exit");
  // Options are spelt the same everywhere; on Windows too, an argument such as
  // "/notes/a.xml" is a path, not an option.
  app.allow_windows_style_options(false);
  app.footer(
      "Exit codes: 0 success; 1 the work failed (a missing, unreadable or malformed input file, a parse failure, a "
      "file or standard output that could not be written); 2 usage error (an unknown command or option, a missing "
      "or malformed argument). Results go to standard output, errors to standard error; '-' as an output path is "
      "standard output.");
  for (const auto& addCommand : atelier::RegisteredCommands()) addCommand(app);
  if (const auto unknown = atelier::UnknownCommandMessage(app, arguments)) {
    std::cerr << *unknown << '\n';
    return atelier::kExitUsageError;
  }
  try {
    app.parse(static_cast<int>(argumentTexts.size()), argumentTexts.data());
  } catch (const CLI::ParseError& e) {
    // Prints the help that was asked for, or the error with a hint.
    return app.exit(e) == static_cast<int>(CLI::ExitCodes::Success) ? 0 : atelier::kExitUsageError;
  } catch (const atelier::CommandFailure& failure) {
    std::cout.flush();  // what the command printed comes before its error
    if (!failure.message.empty()) std::cerr << "atelier: " << failure.message << '\n';
    return failure.exitCode;
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "atelier: " << e.what() << '\n';
    return atelier::kExitWorkFailed;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  platform::UseUTF8StandardStreams();
  // Output that could not be written is a failure of the work, whatever the
  // command itself returned.
  atelier::StandardOutputCheck standardOutput;
  return standardOutput.Finish(Run(platform::ProgramArgumentsAsUTF8(argc, argv)));
}
