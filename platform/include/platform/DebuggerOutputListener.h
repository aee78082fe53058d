// The listening end of the debugger output, for test programs: a program that
// links it hears every message written by every copy of the seam in its
// process, its own and those of the libraries it loads (see DebuggerOutput.h
// for how the copies find it).
//
// It exports "AtelierDebuggerOutputHook" from the program; that is why it is a
// library of its own, which no shipped library links.
#pragma once

#include <functional>
#include <string_view>

namespace platform {

// A listener receives every message written while it is installed.
using DebuggerOutputListener = std::function<void(std::u16string_view)>;

// Installs `listener` (an empty function removes it) and returns the previous
// one. The listener is called on the thread that writes, from a library's load
// and unload hooks too.
DebuggerOutputListener SetDebuggerOutputListener(DebuggerOutputListener listener);

}  // namespace platform
