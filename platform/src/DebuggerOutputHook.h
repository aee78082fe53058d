// The process-wide meeting point of the seam's copies: the name under which a
// listening program exports the function that takes each message, and that
// function's type. C linkage, so that the name is the same in every module.
#pragma once

#include <cstddef>

namespace platform::internal {

// Takes one message: `length` UTF-16 units at `text`.
using DebuggerOutputHook = void(const char16_t* text, std::size_t length);

inline constexpr char kDebuggerOutputHookName[] = "AtelierDebuggerOutputHook";

}  // namespace platform::internal
