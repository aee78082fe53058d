#include "CommandRegistry.h"

#include <algorithm>
#include <map>
#include <utility>

namespace atelier {
namespace {

std::map<std::string, CommandFactory>& Commands() {
  static std::map<std::string, CommandFactory> commands;
  return commands;
}

std::vector<RegisteredDemoPart>& DemoParts() {
  static std::vector<RegisteredDemoPart> parts;
  return parts;
}

}  // namespace

CommandRegistration::CommandRegistration(std::string name, CommandFactory factory) {
  Commands().emplace(std::move(name), std::move(factory));
}

DemoRegistration::DemoRegistration(int rank, std::string title, DemoPart part) {
  DemoParts().push_back({rank, std::move(title), std::move(part)});
}

std::vector<CommandFactory> RegisteredCommands() {
  std::vector<CommandFactory> factories;
  for (const auto& [name, factory] : Commands()) factories.push_back(factory);
  return factories;
}

std::vector<RegisteredDemoPart> RegisteredDemoParts() {
  std::vector<RegisteredDemoPart> parts = DemoParts();
  std::stable_sort(parts.begin(), parts.end(),
                   [](const auto& a, const auto& b) { return a.rank < b.rank; });
  return parts;
}

}  // namespace atelier
