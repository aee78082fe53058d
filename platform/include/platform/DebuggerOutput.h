// Debugger output: the one channel through which the libraries announce
// themselves (OutputDebugStringW on Windows).
//
// On Linux the text goes to a sink that is silent by default. It is written to
// standard error (as UTF-8) only while a debugger is attached to the process,
// and handed to the listener while a test has installed one.
#pragma once

#include <functional>
#include <string_view>

#include "AtelierPlatformExport.h"

namespace platform {

// Writes one message, a null-terminated UTF-16 text, to the debugger output.
PLATFORM_EXPORT void WriteDebuggerOutput(const char16_t* text);

// A listener receives every message written while it is installed.
using DebuggerOutputListener = std::function<void(std::u16string_view)>;

// Installs `listener` (an empty function removes it) and returns the previous one.
PLATFORM_EXPORT DebuggerOutputListener SetDebuggerOutputListener(DebuggerOutputListener listener);

// True while a debugger (on Linux: any tracer) is attached to this process.
PLATFORM_EXPORT bool IsDebuggerAttached();

}  // namespace platform
