#include "platform/DebuggerOutputListener.h"

#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>

#include "DebuggerOutputHook.h"

namespace platform {
namespace {

// Never destroyed: a library's unload hook may still write after the
// program's own static objects are gone.
DebuggerOutputListener& Listener() {
  static auto* const listener = new DebuggerOutputListener;
  return *listener;
}

}  // namespace

DebuggerOutputListener SetDebuggerOutputListener(DebuggerOutputListener listener) {
  return std::exchange(Listener(), std::move(listener));
}

}  // namespace platform

// The hook every copy of the seam looks up in the program (DebuggerOutput.h).
#if defined(_WIN32)
#define PLATFORM_PROGRAM_EXPORT __declspec(dllexport)
#else
#define PLATFORM_PROGRAM_EXPORT __attribute__((visibility("default")))
#endif

extern "C" PLATFORM_PROGRAM_EXPORT void AtelierDebuggerOutputHook(const char16_t* text, std::size_t length) {
  if (const auto& listener = platform::Listener()) listener(std::u16string_view(text, length));
}
static_assert(std::is_same_v<decltype(AtelierDebuggerOutputHook), platform::internal::DebuggerOutputHook>);
