// A small debugger: starts a program under DEBUG_ONLY_THIS_PROCESS and keeps
// the text of every OUTPUT_DEBUG_STRING_EVENT, which is how OutputDebugStringW
// reaches a debugger. The program loads and unloads the libraries named on its
// command line; the two that announce themselves must be heard, in order.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

std::wstring ProgramBesideThisOne(const wchar_t* name) {
  std::array<wchar_t, MAX_PATH> self{};
  const DWORD length = ::GetModuleFileNameW(nullptr, self.data(), MAX_PATH);
  const std::wstring path(self.data(), length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

// Reads the debuggee's memory at the addresses its events name.
//
// Where Wine's 32-bit half runs under qemu-user, every process's memory lies a
// fixed distance (the emulator's guest base) above the addresses the program
// itself uses, while the Wine server, reading another process's memory for
// ReadProcessMemory, takes those addresses as they are and so reads that
// distance too low. The distance is found once, on the debuggee's image, whose
// first bytes are the headers of its program file. On Windows, and wherever
// Wine runs natively, it is zero.
class DebuggeeMemory {
 public:
  DebuggeeMemory(HANDLE process, const std::wstring& program, const void* imageBase) : process_(process) {
    Headers headers{};
    std::ifstream file(std::filesystem::path(program), std::ios::binary);
    if (!file.read(headers.data(), headers.size())) return;
    constexpr std::uintptr_t kPage = 4096;
    constexpr std::uintptr_t kFarthest = 1 << 20;
    const auto base = reinterpret_cast<std::uintptr_t>(imageBase);
    for (std::uintptr_t distance = 0; distance <= kFarthest; distance += kPage) {
      Headers seen{};
      if (Read(base + distance, seen.data(), seen.size()) && seen == headers) {
        distance_ = distance;
        return;
      }
    }
  }

  bool Located() const { return distance_.has_value(); }

  // The text of one debug string event, without its terminating null. A debugger
  // that waits with WaitForDebugEvent is handed 8-bit text; UTF-16 is accepted
  // as well, and the messages here are ASCII either way.
  std::string DebugString(const OUTPUT_DEBUG_STRING_INFO& info) const {
    const auto address = reinterpret_cast<std::uintptr_t>(info.lpDebugStringData) + distance_.value_or(0);
    const std::size_t units = info.nDebugStringLength;
    std::string text;
    if (info.fUnicode) {
      std::wstring wide(units, L'\0');
      if (!Read(address, wide.data(), units * sizeof(wchar_t))) return "<unreadable>";
      for (const wchar_t unit : wide) text += static_cast<char>(unit);
    } else {
      text.assign(units, '\0');
      if (!Read(address, text.data(), units)) return "<unreadable>";
    }
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }

 private:
  using Headers = std::array<char, 256>;

  bool Read(std::uintptr_t address, void* into, std::size_t size) const {
    SIZE_T read = 0;
    return ::ReadProcessMemory(process_, reinterpret_cast<const void*>(address), into, size, &read) && read == size;
  }

  HANDLE process_;
  std::optional<std::uintptr_t> distance_;
};

struct DebuggedRun {
  std::vector<std::string> messages;
  DWORD exitCode = 0;
};

DebuggedRun RunUnderDebugger(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  DebuggedRun run;
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                        nullptr, nullptr, &startup, &child)) {
    ADD_FAILURE() << "cannot start the child program, error " << ::GetLastError();
    return run;
  }
  std::optional<DebuggeeMemory> memory;
  for (bool running = true; running;) {
    DEBUG_EVENT event{};
    if (!::WaitForDebugEvent(&event, 60000)) {
      ADD_FAILURE() << "no debug event within a minute";
      ::TerminateProcess(child.hProcess, 99);
      break;
    }
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        memory.emplace(child.hProcess, program, event.u.CreateProcessInfo.lpBaseOfImage);
        if (!memory->Located()) ADD_FAILURE() << "the child's image is not where the system says it is";
        if (event.u.CreateProcessInfo.hFile != nullptr) ::CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile != nullptr) ::CloseHandle(event.u.LoadDll.hFile);
        break;
      case OUTPUT_DEBUG_STRING_EVENT:
        run.messages.push_back(memory ? memory->DebugString(event.u.DebugString) : "<before the process>");
        break;
      case EXCEPTION_DEBUG_EVENT:
        // The loader's initial breakpoint is the debugger's to pass; any other
        // exception is the child's own to handle.
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
          status = DBG_EXCEPTION_NOT_HANDLED;
        }
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        run.exitCode = event.u.ExitProcess.dwExitCode;
        running = false;
        break;
      default:
        break;
    }
    ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }
  ::CloseHandle(child.hThread);
  ::CloseHandle(child.hProcess);
  return run;
}

TEST(DebuggerHarness, LoadAndUnloadMessagesReachADebuggerInOrder) {
  const DebuggedRun run =
      RunUnderDebugger(ProgramBesideThisOne(L"library_load_child.exe"), L"Arborix.dll PixmoraUtils.dll");
  EXPECT_EQ(run.exitCode, 0u) << "1: a library would not load, 2: nor unload, 3: the child saw no debugger";
  EXPECT_EQ(run.messages, (std::vector<std::string>{
                              "Arborix.DLL Initializing!\n",
                              "Arborix.DLL Terminating!\n",
                              "PixmoraUtils.DLL Initializing!\n",
                              "PixmoraUtils.DLL Terminating!\n",
                          }));
}

}  // namespace
