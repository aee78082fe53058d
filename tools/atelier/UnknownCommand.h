// The check of command words before the command line is parsed: a word where
// a command is expected must name one. The parser alone would only say that a
// subcommand is required, without naming the word it did not know.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace atelier {

// Follows `arguments` (the program name first) down the commands of `app` as
// long as the current command has subcommands and the word is not an option.
// Returns the message for the first word that names none of them, with the
// commands that would have been understood there; nothing when every word is known.
std::optional<std::string> UnknownCommandMessage(CLI::App& app, const std::vector<std::string>& arguments);

}  // namespace atelier
