// Where a file stream's bytes go when it is asked to write a path. Saving
// replaces the file the user means: a symbolic link is followed, so that the
// link stays a link and the file it names is replaced in its own folder. Only
// a regular file is ever replaced; a device, FIFO or socket is refused, since
// renaming over it would put a plain file where the special one stood.
#pragma once

#include <filesystem>

namespace dossik_internal {

// The path a save of `path` replaces: `path` itself, or, when it is a
// symbolic link (or a chain of them), the path the last link names, which
// need not exist yet. Throws FileError for a chain of links that does not
// end, and for a path that names a device, FIFO or socket. A folder is not
// refused here: replacing it fails later, leaving it as it was.
std::filesystem::path SaveTarget(const std::filesystem::path& path);

}  // namespace dossik_internal
