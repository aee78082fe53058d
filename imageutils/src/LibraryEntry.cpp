// Loading and unloading PixmoraUtils is announced on the debugger output.
#include "platform/DebuggerOutput.h"
#include "platform/LibraryEntry.h"

namespace {

void OnAttach(platform::ModuleHandle) { platform::WriteDebuggerOutput(u"PixmoraUtils.DLL Initializing!\n"); }
void OnDetach(platform::ModuleHandle) { platform::WriteDebuggerOutput(u"PixmoraUtils.DLL Terminating!\n"); }

}  // namespace

PLATFORM_LIBRARY_ENTRY(OnAttach, OnDetach)
