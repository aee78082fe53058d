// Demo: find the sample string folder by its marker file, load it, and look a
// few texts up, the way the application shows a user-interface text.
#include <ostream>

#include "CommandRegistry.h"
#include "PathArguments.h"
#include "ToolText.h"
#include "Verbosa.h"

namespace atelier {
namespace {

bool ShowStrings(std::ostream& out, const std::filesystem::path& examples) {
  const std::filesystem::path root = examples / "strings";
  try {
    const Dir folder = Verbosa::LocatedBlessedFolder(Dir{root}, u"strings.marker");
    out << "string folder: " << PathText(std::filesystem::relative(folder.GetPath(), examples)) << '\n';
    Verbosa::Init(folder);
    const UTF16String keys[] = {u"/menu/file", u"/menu/open", u"/msg/confirm", u"/msg/path",
                                u"/dialog/about", u"/dialog/greet", u"/status/ready", u"/status/done",
                                u"/status/unclosed", u"100"};
    for (const UTF16String& key : keys) {
      const UTF16String text = Verbosa::GetUnicodeString(Verbosa::BuildKeyFromUnicode(key));
      out << "  " << ToUTF8(key) << " = ";
      if (text.empty()) {
        out << "(absent)\n";
      } else {
        out << '"' << ToUTF8(text) << "\"\n";
      }
    }
    return true;
  } catch (const std::exception& error) {
    out << "failed: " << error.what() << '\n';
    return false;
  }
}

const DemoRegistration registration{30, "Verbosa: user-interface strings", ShowStrings};

}  // namespace
}  // namespace atelier
