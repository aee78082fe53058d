#include "UnknownCommand.h"

#include <CLI/CLI.hpp>

namespace atelier {

std::optional<std::string> UnknownCommandMessage(CLI::App& app, const std::vector<std::string>& arguments) {
  CLI::App* current = &app;
  std::string path = "atelier";
  for (std::size_t index = 1; index < arguments.size(); ++index) {
    const std::string& word = arguments[index];
    const std::vector<CLI::App*> commands = current->get_subcommands([](const CLI::App*) { return true; });
    if (commands.empty() || word.empty() || word.front() == '-') return std::nullopt;
    CLI::App* next = nullptr;
    std::string names;
    for (CLI::App* command : commands) {
      if (command->get_name() == word) next = command;
      names += (names.empty() ? "" : ", ") + command->get_name();
    }
    if (next == nullptr) {
      return path + ": unknown command '" + word + "'; the commands" +
             (current == &app ? std::string() : " of " + current->get_name()) + " are: " + names;
    }
    current = next;
    path += " " + word;
  }
  return std::nullopt;
}

}  // namespace atelier
