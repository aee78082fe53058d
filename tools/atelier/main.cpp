// atelier: command-line access to the suite's libraries.
#include <CLI/CLI.hpp>

#include <iostream>

#include "CommandRegistry.h"

int main(int argc, char** argv) {
  CLI::App app{"atelier: text, document and image services of the suite on your own files"};
  app.require_subcommand(1);
  for (const auto& addCommand : atelier::RegisteredCommands()) addCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  } catch (const atelier::CommandFailure& failure) {
    if (!failure.message.empty()) std::cerr << "atelier: " << failure.message << '\n';
    return failure.exitCode;
  } catch (const std::exception& e) {
    std::cerr << "atelier: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
