#include <stdexcept>
#include <utility>

#include "DirListing.h"
#include "Dossik.h"

Dir::Dir(std::filesystem::path path) : path_(std::move(path)) {}

Dir::FileIterator Dir::BeginFiles(bool filesOnly) const {
  auto files = std::make_shared<std::vector<File>>();
  for (auto& entry : dossik_internal::ListFolder(path_)) {
    if (entry.isFile || (!filesOnly && entry.isFolder)) files->push_back(std::move(entry.file));
  }
  FileIterator it;
  it.entries_ = std::move(files);
  return it;
}

Dir::FileIterator Dir::EndFiles() const { return FileIterator(); }

const File& Dir::FileIterator::operator*() const {
  if (!entries_ || index_ >= entries_->size()) throw std::out_of_range("folder iterator is at its end");
  return (*entries_)[index_];
}

Dir::FileIterator& Dir::FileIterator::operator++() {
  if (entries_ && index_ < entries_->size()) ++index_;
  return *this;
}

bool Dir::FileIterator::operator!=(const FileIterator& other) const {
  const bool atEnd = !entries_ || index_ >= entries_->size();
  const bool otherAtEnd = !other.entries_ || other.index_ >= other.entries_->size();
  if (atEnd || otherAtEnd) return atEnd != otherAtEnd;
  return entries_ != other.entries_ || index_ != other.index_;
}
