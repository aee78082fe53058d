// atelier demo: the suite's main job on the bundled sample data.
#include <CLI/CLI.hpp>

#include <iostream>

#include "CommandRegistry.h"
#include "PathArguments.h"

namespace atelier {
namespace {

void AddDemoCommand(CLI::App& app) {
  auto* command = app.add_subcommand("demo", "Run every library on the sample data in examples/");
  auto examples = std::make_shared<std::string>(ATELIER_EXAMPLES_DIR);
  command->add_option("--examples", *examples, "Folder with the sample data")
      ->check(ExistingFolder());
  command->callback([examples] {
    bool allPassed = true;
    for (const auto& demoPart : RegisteredDemoParts()) {
      std::cout << "== " << demoPart.title << " ==\n";
      if (!demoPart.part(std::cout, PathFromUTF8(*examples))) {
        allPassed = false;
        std::cout << "(this part failed)\n";
      }
      std::cout << '\n';
    }
    if (!allPassed) throw CommandFailure{"some parts of the demo failed", 1};
  });
}

const CommandRegistration registration{"demo", AddDemoCommand};

}  // namespace
}  // namespace atelier
