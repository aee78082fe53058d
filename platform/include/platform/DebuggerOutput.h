// Debugger output: the one channel through which the libraries announce
// themselves (OutputDebugStringW on Windows).
//
// The seam is compiled into each library that uses it, so every library
// writes through a copy of its own. The copies meet in one place: each write
// asks the running program for its export "AtelierDebuggerOutputHook"
// (dlsym over the process's global scope on Linux, GetProcAddress on the
// program's module on Windows) and, when the program has one, hands it the
// message. Only a program that links the listening end
// (platform/DebuggerOutputListener.h) exports it, so one listener there hears
// the messages of every library the process loads; no library exports it, and
// nothing is read from the environment.
//
// On Windows every message also goes to OutputDebugStringW. On Linux it is
// otherwise silent, except while a debugger is attached to the process: then it
// is written to standard error, as UTF-8.
#pragma once

namespace platform {

// Writes one message, a null-terminated UTF-16 text, to the debugger output.
// A null `text` writes nothing.
void WriteDebuggerOutput(const char16_t* text);

// True while a debugger (on Linux: any tracer) is attached to this process.
bool IsDebuggerAttached();

}  // namespace platform
