// Run by the debugger harness test: loads and unloads, one after the other, the
// libraries named on its command line while a debugger listens. Exit status: 0
// when every library loaded and unloaded, 1 when one would not load, 2 when one
// would not unload, 3 when the process does not know of its debugger.
#include <windows.h>
#include <winternl.h>

namespace {

// The system records a debugger in two places: in its own books, and in a flag
// it writes into the process's environment block. IsDebuggerPresent reads the
// flag, and Wine hands OutputDebugString's text to the debugger only while it is
// set. Where Wine's 32-bit half runs under qemu-user, the process's memory lies
// away from the addresses the Wine server writes to, so that write misses: the
// flag stays clear although the server has a debugger on record. Setting it from
// the server's answer makes the process agree with it; where the write arrived,
// as on Windows, this changes nothing.
void TakeTheDebuggerFromTheSystem() {
  BOOL attached = FALSE;
  PROCESS_BASIC_INFORMATION basics{};
  if (::CheckRemoteDebuggerPresent(::GetCurrentProcess(), &attached) && attached &&
      NT_SUCCESS(::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basics, sizeof basics,
                                             nullptr))) {
    basics.PebBaseAddress->BeingDebugged = TRUE;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  TakeTheDebuggerFromTheSystem();
  if (!::IsDebuggerPresent()) return 3;
  for (int i = 1; i < argc; ++i) {
    const HMODULE library = ::LoadLibraryW(argv[i]);
    if (library == nullptr) return 1;
    if (!::FreeLibrary(library)) return 2;
  }
  return 0;
}
