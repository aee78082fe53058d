#include "platform/DebuggerOutput.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace platform {
namespace {

DebuggerOutputListener& Listener() {
  static DebuggerOutputListener listener;
  return listener;
}

#if !defined(_WIN32)
std::string ToUTF8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}
#endif

}  // namespace

void WriteDebuggerOutput(const char16_t* text) {
  if (text == nullptr) return;
  const std::u16string_view view(text);
  if (const auto& listener = Listener()) listener(view);
#if defined(_WIN32)
  ::OutputDebugStringW(reinterpret_cast<const wchar_t*>(text));
#else
  if (IsDebuggerAttached()) {
    const std::string bytes = ToUTF8(view);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  }
#endif
}

DebuggerOutputListener SetDebuggerOutputListener(DebuggerOutputListener listener) {
  return std::exchange(Listener(), std::move(listener));
}

bool IsDebuggerAttached() {
#if defined(_WIN32)
  return ::IsDebuggerPresent() != 0;
#else
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("TracerPid:", 0) == 0) {
      return line.find_first_not_of(" \t0", 10) != std::string::npos;
    }
  }
  return false;
#endif
}

}  // namespace platform
