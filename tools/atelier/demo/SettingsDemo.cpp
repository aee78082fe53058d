// Demo: load the application's settings from a property-list file, change
// one setting, save the list to a temporary file, and show both files.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <string>

#include "Arborix.h"
#include "CommandRegistry.h"
#include "PathArguments.h"

namespace atelier {
namespace {

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool ShowSettings(std::ostream& out, const std::filesystem::path& examples) {
  const std::filesystem::path settings = examples / "settings" / "app-settings.xml";
  const std::filesystem::path saved = std::filesystem::temp_directory_path() /
                                      ("atelier-settings-demo-" + std::to_string(std::random_device{}()) + ".xml");
  try {
    XMLEntryExit connection;
    PropList list;
    File file(settings);
    PropListUtils::LoadPropList(file, list);
    PropList* window = list.GetSubList(u"Window");
    std::uint32_t width = 0;
    if (window == nullptr || !window->GetValue(u"Width", width)) {
      out << "failed: " << PathText(settings.filename()) << " holds no Window/Width setting\n";
      return false;
    }
    out << "loaded " << PathText(std::filesystem::relative(settings, examples)) << ":\n" << FileText(settings);
    window->SetValue(u"Width", std::uint32_t{width * 3 / 2});
    out << "\nWindow/Width " << width << " -> " << width * 3 / 2 << ", saved to a temporary file:\n";
    PropListUtils::SavePropList(File(saved), list);
    out << FileText(saved);
    std::filesystem::remove(saved);
    return true;
  } catch (const std::exception& error) {
    std::filesystem::remove(saved);
    out << "failed: " << error.what() << '\n';
    return false;
  }
}

const DemoRegistration registration{40, "Arborix: application settings in a property list", ShowSettings};

}  // namespace
}  // namespace atelier
