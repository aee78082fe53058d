#include "NativeFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <share.h>
#include <string>
#include <sys/stat.h>
#include <windows.h>

namespace dossik_internal {

std::FILE* OpenForReading(const std::filesystem::path& path) { return ::_wfopen(path.c_str(), L"rb"); }

bool DescribeOpenFile(std::FILE* file, bool& folder, std::uintmax_t& size) {
  struct _stat64 facts {};
  if (::_fstat64(::_fileno(file), &facts) != 0) return false;
  folder = (facts.st_mode & _S_IFDIR) != 0;
  size = static_cast<std::uintmax_t>(facts.st_size);
  return true;
}

bool SeekTo(std::FILE* file, std::uint32_t position) {
  return ::_fseeki64(file, static_cast<__int64>(position), SEEK_SET) == 0;
}

std::FILE* CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  // Windows files carry no permission bits worth copying; a read-only target
  // is refused later, when it is replaced.
  static thread_local std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring name = target.native() + L".tmp-" + std::to_wstring(random());
    int descriptor = -1;
    const errno_t opened = ::_wsopen_s(&descriptor, name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                                       _SH_DENYNO, _S_IREAD | _S_IWRITE);
    if (opened == EEXIST) continue;
    if (opened != 0) {
      errno = opened;
      return nullptr;
    }
    std::FILE* file = ::_fdopen(descriptor, "wb");
    if (file == nullptr) {
      const int error = errno;
      ::_close(descriptor);
      ::_wremove(name.c_str());
      errno = error;
      return nullptr;
    }
    temporary = name;
    return file;
  }
  errno = EEXIST;
  return nullptr;
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0; }

std::error_code MoveOverTarget(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  if (::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
  return {static_cast<int>(::GetLastError()), std::system_category()};
}

void RemoveFile(const std::filesystem::path& path) noexcept { ::_wremove(path.c_str()); }

}  // namespace dossik_internal
