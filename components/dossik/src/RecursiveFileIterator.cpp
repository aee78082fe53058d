#include <stdexcept>
#include <utility>
#include <vector>

#include "DirListing.h"
#include "Dossik.h"

// The folders being walked, outermost first, each with the entries still to visit.
struct RecursiveFileIterator::Walk {
  struct Level {
    Dir dir;
    std::vector<dossik_internal::DirEntry> entries;
    std::size_t next = 0;
  };
  std::vector<Level> levels;
  bool includeTopLevel = false;
  File current;

  void Enter(const Dir& dir) { levels.push_back({dir, dossik_internal::ListFolder(dir.GetPath())}); }

  // Moves to the next file; false when the walk is over.
  bool Next() {
    while (!levels.empty()) {
      Level& level = levels.back();
      if (level.next == level.entries.size()) {
        levels.pop_back();
        continue;
      }
      const dossik_internal::DirEntry& entry = level.entries[level.next++];
      if (entry.isFolder) {
        Enter(Dir(entry.file.GetPath()));
      } else if (entry.isFile && (levels.size() > 1 || includeTopLevel)) {
        current = entry.file;
        return true;
      }
    }
    return false;
  }
};

RecursiveFileIterator::RecursiveFileIterator(const Dir& root, bool includeTopLevel)
    : walk_(std::make_shared<Walk>()) {
  walk_->includeTopLevel = includeTopLevel;
  walk_->Enter(root);
  if (!walk_->Next()) walk_.reset();
}

const File& RecursiveFileIterator::operator*() const {
  if (!walk_) throw std::out_of_range("recursive folder iterator is at its end");
  return walk_->current;
}

RecursiveFileIterator& RecursiveFileIterator::operator++() {
  if (walk_ && !walk_->Next()) walk_.reset();
  return *this;
}

bool RecursiveFileIterator::operator!=(const RecursiveFileIterator& other) const { return walk_ != other.walk_; }

Dir RecursiveFileIterator::CurrentDir() const {
  if (!walk_) throw std::out_of_range("recursive folder iterator is at its end");
  return Dir(walk_->current.GetPath().parent_path());
}
