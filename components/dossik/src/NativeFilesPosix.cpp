#include "NativeFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace dossik_internal {

std::FILE* OpenForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }

bool DescribeOpenFile(std::FILE* file, bool& folder, std::uintmax_t& size) {
  struct stat facts {};
  if (::fstat(::fileno(file), &facts) != 0) return false;
  folder = S_ISDIR(facts.st_mode);
  size = static_cast<std::uintmax_t>(facts.st_size);
  return true;
}

bool SeekTo(std::FILE* file, std::uint32_t position) {
  return ::fseeko(file, static_cast<off_t>(position), SEEK_SET) == 0;
}

std::FILE* CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  std::string name = target.native() + ".tmp-XXXXXX";
  const int descriptor = ::mkstemp(name.data());
  if (descriptor < 0) return nullptr;
  // A saved file keeps the permissions of the one it replaces; a new one gets
  // the usual permissions of a document instead of mkstemp's private ones.
  struct stat existing {};
  const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  ::fchmod(descriptor, mode);
  std::FILE* file = ::fdopen(descriptor, "wb");
  if (file == nullptr) {
    const int error = errno;
    ::close(descriptor);
    ::unlink(name.c_str());
    errno = error;
    return nullptr;
  }
  temporary = name;
  return file;
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

std::error_code MoveOverTarget(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  if (std::rename(temporary.c_str(), target.c_str()) == 0) return {};
  return {errno, std::generic_category()};
}

void RemoveFile(const std::filesystem::path& path) noexcept { ::unlink(path.c_str()); }

}  // namespace dossik_internal
