// The few file operations whose calls differ between POSIX and Windows, for
// the platform streams. Failures leave the reason in errno, except where an
// error code is returned.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace dossik_internal {

// Opens `path` for binary reading; null on failure.
std::FILE* OpenForReading(const std::filesystem::path& path);

// What the descriptor of an open file tells of it: a folder, or a file of
// `size` bytes. False on failure.
bool DescribeOpenFile(std::FILE* file, bool& folder, std::uintmax_t& size);

// Moves the read position of `file` to `position`; false on failure.
bool SeekTo(std::FILE* file, std::uint32_t position);

// Creates a new file for binary writing beside `target`, under a name nobody
// holds, and stores that name in `temporary`. The file gets the permissions
// `target` has, or a document's usual ones if there is no target. Null on failure.
std::FILE* CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary);

// Writes out the buffers of `file` and makes its bytes durable; false on failure.
bool FlushToDisk(std::FILE* file);

// Moves `temporary` over `target` in one step, replacing any file there.
std::error_code MoveOverTarget(const std::filesystem::path& temporary, const std::filesystem::path& target);

// Removes the file `path`, quietly.
void RemoveFile(const std::filesystem::path& path) noexcept;

}  // namespace dossik_internal
