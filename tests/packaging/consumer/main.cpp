// A program outside the suite's build, linked against the installed package:
// one call into every library through its umbrella header.
#include <Arborix.h>
#include <AtelierVersion.h>
#include <Glyphwerk.h>
#include <PixmoraUtils.h>
#include <Tethra.h>
#include <Verbosa.h>

#include <iostream>
#include <string>

namespace {

int failures = 0;

void Expect(bool condition, const char* what) {
  if (!condition) {
    std::cerr << "consumer: " << what << " failed\n";
    ++failures;
  }
}

}  // namespace

int main() {
  const unsigned char bytes[] = {0xEF, 0xBB, 0xBF, 'S', 't', 'r', 'a', 0xC3, 0x9F, 'e'};
  IMemoryByteStream in(bytes, sizeof bytes);
  UTF16String text;
  TextToString(in, text);
  Expect(UpperCase(text) == u"STRASSE", "Glyphwerk decoding and case mapping");

  XMLDocument document(u"r");
  UTF16String xml;
  document.AppendXML(xml);
  Expect(xml == u"<?xml version='1.0'?><r />", "Arborix node model");
  {
    XMLEntryExit parserConnection;
    XMLDocument* parsed = nullptr;
    Expect(ParseXMLBuffer(u"<a x='1'>t</a>", false, &parsed) == XMLParseOK && parsed != nullptr,
           "Arborix parsing");
    delete parsed;
  }

  Expect(Verbosa::GetUnicodeString("/absent").empty(), "Verbosa lookup");

  PmImage image(PmPoint{2, 1});
  PmMatte matte(PmPoint{2, 1});
  ExpandToTrueColor(matte, image, PmImagePixel(0x112233), PmImagePixel(0), PmImagePixel(0),
                    PmImagePixel(0));
  ReduceToFourColors(image, matte, PmImagePixel(0), PmImagePixel(0x112233), PmImagePixel(0xFFFFFF),
                     PmImagePixel(0xFF0000));
  Expect(*matte.begin() == 1, "PixmoraUtils reduction");

  TethraDummy();

  Expect(std::to_string(ATELIER_VERSION_MAJOR) + '.' + std::to_string(ATELIER_VERSION_MINOR) + '.' +
                 std::to_string(ATELIER_VERSION_PATCH) ==
             ATELIER_VERSION_STRING,
         "the version header");

  if (failures != 0) return 1;
  std::cout << "consumer: all libraries answered\n";
  return 0;
}
