#include "SaveTarget.h"

#include <cerrno>
#include <system_error>

#include "Dossik.h"
#include "SystemErrors.h"

namespace dossik_internal {

namespace {

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMostLinksFollowed = 40;

bool IsSpecialFile(std::filesystem::file_type type) {
  using std::filesystem::file_type;
  return type == file_type::block || type == file_type::character || type == file_type::fifo ||
         type == file_type::socket;
}

}  // namespace

std::filesystem::path SaveTarget(const std::filesystem::path& path) {
  std::filesystem::path target = path;
  for (int followed = 0;; ++followed) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(target, error);
    if (IsSpecialFile(status.type())) {
      throw FileError("cannot write '" + PathText(path) +
                          "': it is a device, FIFO or socket, not a regular file, and is left as it is",
                      path);
    }
    if (status.type() != std::filesystem::file_type::symlink) return target;
    if (followed == kMostLinksFollowed) throw SystemFileError("follow the links of", path, ELOOP);
    const std::filesystem::path named = std::filesystem::read_symlink(target, error);
    if (error) throw SystemFileError("follow the link", target, error);
    target = named.is_absolute() ? named : target.parent_path() / named;
  }
}

}  // namespace dossik_internal
