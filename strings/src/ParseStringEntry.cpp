#include "ParseStringEntry.h"

#include <stdexcept>

namespace Verbosa {
namespace {

constexpr std::int32_t kLargestNumericKey = 2147483647;
constexpr std::size_t kDigitsOfLargestNumericKey = 10;

[[noreturn]] void Reject(const char* reason) {
  throw std::invalid_argument(std::string("bad string entry - ") + reason);
}

bool IsBlank(char16_t unit) { return unit == u'\t' || unit == u' '; }
bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }
bool IsNamedKeyUnit(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') || IsDigit(unit) || unit == u'_' ||
         unit == u'/';
}

// The first index in [from, end) whose unit satisfies `wanted`, or `end`.
template <typename Predicate>
std::size_t FindFirst(const UTF16String& text, std::size_t from, std::size_t end, Predicate wanted) {
  while (from < end && !wanted(text[from])) ++from;
  return from;
}

std::size_t SkipBlanks(const UTF16String& text, std::size_t from, std::size_t end) {
  return FindFirst(text, from, end, [](char16_t unit) { return !IsBlank(unit); });
}

// Reads text[first, last) (all digits) as a key in 1..2147483647. Leading
// zeros are skipped, so however many digits there are, at most ten are
// accumulated and nothing can overflow.
std::int32_t ReadNumericKey(const UTF16String& text, std::size_t first, std::size_t last) {
  while (first < last && text[first] == u'0') ++first;
  if (first == last || last - first > kDigitsOfLargestNumericKey) Reject("invalid key");
  std::int64_t value = 0;
  for (; first < last; ++first) value = value * 10 + (text[first] - u'0');
  if (value > kLargestNumericKey) Reject("invalid key");
  return static_cast<std::int32_t>(value);
}

// What the unit after a backslash stands for, appended to `out`.
void AppendEscaped(char16_t unit, UTF16String& out) {
  switch (unit) {
    case u'"': out += u'"'; break;
    case u'\\': out += u'\\'; break;
    case u't': out += u'\t'; break;
    case u'a': out += u'\a'; break;
    case u'b': out += u'\b'; break;
    case u'n': out += u"\r\n"; break;
    default: Reject("invalid escaped char");
  }
}

}  // namespace

std::optional<StringEntry> ParseStringEntry(const UTF16String& text, std::size_t start, std::size_t end) {
  const std::size_t p = SkipBlanks(text, start, end);
  if (p == end || text[p] == u'#') return std::nullopt;

  StringEntry entry;
  std::size_t q;
  if (IsDigit(text[p])) {
    q = FindFirst(text, p, end, [](char16_t unit) { return !IsDigit(unit); });
    if (q == end) Reject("invalid key");
    entry.numericKey = ReadNumericKey(text, p, q);
  } else if (text[p] == u'/') {
    q = FindFirst(text, p, end, IsBlank);
    if (q == end) Reject("invalid key");
    entry.key.reserve(q - p);
    for (std::size_t i = p; i < q; ++i) {
      if (!IsNamedKeyUnit(text[i])) Reject("invalid key");
      entry.key += static_cast<char>(text[i]);
    }
  } else {
    Reject("invalid key");
  }

  const std::size_t v = SkipBlanks(text, q, end);
  if (v == end) Reject("missing value");
  if (text[v] != u'"') Reject("value not quoted");

  bool closed = false;
  std::size_t i = v + 1;
  while (i < end) {
    const char16_t unit = text[i++];
    if (unit == u'"') {
      closed = true;
      break;
    }
    if (unit == u'\\') {
      if (i >= end) Reject("bad value");
      AppendEscaped(text[i++], entry.text);
    } else {
      entry.text += unit;
    }
  }

  const std::size_t t = SkipBlanks(text, i, end);
  if (t != end && text[t] != u'#') Reject("garbage after value");
  if (!closed) return std::nullopt;
  return entry;
}

}  // namespace Verbosa
