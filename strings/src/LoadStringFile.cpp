#include "LoadStringFile.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "ParseStringEntry.h"
#include "glyphwerk/TextDecoding.h"
#include "verbosa/StringEntryError.h"

namespace Verbosa {
namespace {

constexpr std::uint32_t kBufferSize = 32768;
constexpr std::uint32_t kMinimumRead = 4096;

bool IsLineBreak(char16_t unit) {
  return unit == u'\r' || unit == u'\n' || unit == u'\u2028' || unit == u'\u2029';
}

std::size_t FindLineBreak(const UTF16String& text, std::size_t from) {
  while (from < text.size() && !IsLineBreak(text[from])) ++from;
  return from;
}

// A text editor takes CR LF as one line end; the parser sees two.
bool EndsEditorLine(const UTF16String& text, std::size_t lineBreak) {
  const bool carriageReturnBeforeLineFeed =
      text[lineBreak] == u'\r' && lineBreak + 1 < text.size() && text[lineBreak + 1] == u'\n';
  return !carriageReturnBeforeLineFeed;
}

}  // namespace

std::size_t LoadStringText(const UTF16String& text, const std::filesystem::path& file, StringTable& table,
                           LoadObserver* observer) {
  std::size_t entries = 0;
  std::uint64_t editorLine = 1;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = FindLineBreak(text, start);
    std::optional<StringEntry> entry;
    try {
      entry = ParseStringEntry(text, start, end);
    } catch (const std::invalid_argument& badLine) {
      if (observer == nullptr) throw StringEntryError(badLine.what(), file, editorLine);
      observer->BadLine(StringEntryError(badLine.what(), file, editorLine));
    }
    if (entry) {
      ++entries;
      if (entry->IsNamed()) {
        const std::string key = observer != nullptr ? entry->key : std::string();
        const bool added = table.AddNamedString(std::move(entry->key), std::move(entry->text));
        if (observer != nullptr) observer->NamedEntry(key, editorLine, added);
      }
    }
    if (end < text.size() && EndsEditorLine(text, end)) ++editorLine;
    start = end + 1;
  }
  return entries;
}

std::size_t LoadStringStream(IByteStream& in, const std::filesystem::path& file, StringTable& table,
                             LoadObserver* observer) {
  UTF16String text;
  TextToString(in, text);
  return LoadStringText(text, file, table, observer);
}

std::size_t LoadStringFile(const File& file, StringTable& table, LoadObserver* observer) {
  IPlatformByteStream platformStream{file};
  IBufferedByteStream bufferedStream{platformStream, kBufferSize, kMinimumRead};
  return LoadStringStream(bufferedStream, file.GetPath(), table, observer);
}

}  // namespace Verbosa
