// The entry point of a shared library: what runs when a process loads it and
// when it unloads it.
//
// PLATFORM_LIBRARY_ENTRY(attach, detach) defines the entry point of the library
// it is compiled into; use it in exactly one source file per library. `attach`
// and `detach` are functions `void(platform::ModuleHandle)`. On Windows they run
// from DllMain at process attach and detach (thread attach and detach do nothing
// and the entry point always reports success); on Linux they run from the shared
// object's constructor and destructor.
#pragma once

namespace platform {

// The loaded module, as the operating system names it (HMODULE on Windows).
struct ModuleHandle {
  void* native = nullptr;
};

// Asks the system not to notify the module of thread starts and ends
// (DisableThreadLibraryCalls). Linux sends no such notifications: nothing to do.
void DisableThreadNotifications(ModuleHandle module);

}  // namespace platform

#if defined(_WIN32)
#include <windows.h>
#define PLATFORM_LIBRARY_ENTRY(attach, detach)                                      \
  extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {        \
    if (reason == DLL_PROCESS_ATTACH) attach(::platform::ModuleHandle{instance});   \
    if (reason == DLL_PROCESS_DETACH) detach(::platform::ModuleHandle{instance});   \
    return TRUE;                                                                    \
  }
#else
#define PLATFORM_LIBRARY_ENTRY(attach, detach)                                      \
  namespace {                                                                       \
  char platform_module_anchor;                                                      \
  __attribute__((constructor)) void PlatformLibraryAttach() {                       \
    attach(::platform::ModuleHandle{&platform_module_anchor});                      \
  }                                                                                 \
  __attribute__((destructor)) void PlatformLibraryDetach() {                        \
    detach(::platform::ModuleHandle{&platform_module_anchor});                      \
  }                                                                                 \
  }
#endif
