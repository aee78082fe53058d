#include "LoadedLibrary.h"

#include <stdexcept>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace testsupport {

#if defined(_WIN32)

LoadedLibrary::LoadedLibrary(const std::filesystem::path& file) : handle_(::LoadLibraryW(file.c_str())) {
  if (handle_ == nullptr) {
    throw std::runtime_error("cannot load " + file.string() + ": error " + std::to_string(::GetLastError()));
  }
}

void* LoadedLibrary::Symbol(const char* name) const {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
}

bool LoadedLibrary::Unload() {
  if (handle_ == nullptr) return false;
  const bool unloaded = ::FreeLibrary(static_cast<HMODULE>(handle_)) != 0;
  handle_ = nullptr;
  return unloaded;
}

bool LoadedLibrary::IsLoaded(const std::filesystem::path& file) {
  return ::GetModuleHandleW(file.c_str()) != nullptr;
}

#else

LoadedLibrary::LoadedLibrary(const std::filesystem::path& file) : handle_(::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) throw std::runtime_error("cannot load " + file.string() + ": " + ::dlerror());
}

void* LoadedLibrary::Symbol(const char* name) const { return ::dlsym(handle_, name); }

bool LoadedLibrary::Unload() {
  if (handle_ == nullptr) return false;
  const bool unloaded = ::dlclose(handle_) == 0;
  handle_ = nullptr;
  return unloaded;
}

bool LoadedLibrary::IsLoaded(const std::filesystem::path& file) {
  void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return false;
  ::dlclose(handle);
  return true;
}

#endif

LoadedLibrary::~LoadedLibrary() { Unload(); }

}  // namespace testsupport
