// atelier demo: the suite's main job on the bundled sample data.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "CommandRegistry.h"
#include "PathArguments.h"
#include "platform/ProgramText.h"

namespace atelier {
namespace {

// The sample data is installed, and copied in a build tree, beside the
// program's folder: PREFIX/bin/atelier reads PREFIX/share/atelier/examples.
std::string InstalledExamples() {
  const std::filesystem::path program = platform::ProgramFile();
  if (program.empty()) return {};
  const std::u8string folder = (program.parent_path().parent_path() / ATELIER_EXAMPLES_DIR).u8string();
  return {folder.begin(), folder.end()};
}

void AddDemoCommand(CLI::App& app) {
  auto* command = app.add_subcommand("demo", "Run every library on the sample data installed with the tool");
  auto examples = std::make_shared<std::string>(InstalledExamples());
  command->add_option("--examples", *examples, "Folder with the sample data")
      ->capture_default_str()
      ->check(ExistingFolder());
  command->callback([examples] {
    std::error_code error;
    if (!std::filesystem::is_directory(PathFromUTF8(*examples), error)) {
      throw CommandFailure{"the sample data is not at '" + *examples + "': give its folder with --examples", 1};
    }
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
