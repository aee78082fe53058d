// Demo: full case mappings, where one character becomes several and every
// sigma folds alike.
#include <ostream>
#include <string>

#include "CommandRegistry.h"
#include "Glyphwerk.h"
#include "ToolText.h"

namespace atelier {
namespace {

bool ShowCaseMappings(std::ostream& out, const std::filesystem::path&) {
  struct Example {
    const char* label;
    UTF16String (*map)(const UTF16String&);
    UTF16String text;
    UTF16String expected;
  };
  const Example examples[] = {
      {"upper", UpperCase, u"Stra\u00DFe", u"STRASSE"},
      {"fold ", FoldCase, u"Stra\u00DFe", u"strasse"},
      {"upper", UpperCase, u"\uFB03 (ffi ligature)", u"FFI (FFI LIGATURE)"},
      {"fold ", FoldCase, u"\u039F\u0394\u039F\u03A3 \u03BF\u03B4\u03BF\u03C2", u"\u03BF\u03B4\u03BF\u03C2 \u03BF\u03B4\u03BF\u03C2"},
      {"lower", LowerCase, u"\u039F\u0394\u039F\u03A3", u"\u03BF\u03B4\u03BF\u03C3"},
  };
  bool allAsExpected = true;
  for (const Example& example : examples) {
    const UTF16String mapped = example.map(example.text);
    out << example.label << "  " << ToUTF8(example.text) << "  ->  " << ToUTF8(mapped) << "  (" << example.text.size()
        << " -> " << mapped.size() << " units)\n";
    if (mapped != example.expected) {
      out << "   expected " << ToUTF8(example.expected) << '\n';
      allAsExpected = false;
    }
  }
  out << "Folded, \"" << ToUTF8(u"\u039F\u0394\u039F\u03A3") << "\" and \"" << ToUTF8(u"\u03BF\u03B4\u03BF\u03C2")
      << "\" compare equal: every sigma folds to final sigma.\n";
  return allAsExpected;
}

const DemoRegistration registration{20, "Case mapping (Glyphwerk)", ShowCaseMappings};

}  // namespace
}  // namespace atelier
