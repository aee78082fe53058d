#include "verbosa/StringFolderCheck.h"

#include <map>
#include <utility>

#include "ForEachStringFile.h"
#include "LoadStringFile.h"
#include "StringTable.h"
#include "verbosa/StringEntryError.h"

namespace Verbosa {
namespace {

bool IsStringExtensionInAnotherCase(const UTF16String& extension) {
  if (extension.size() != 4 || extension[0] != u'.') return false;
  const auto lower = [](char16_t unit) { return unit >= u'A' && unit <= u'Z' ? char16_t(unit - u'A' + u'a') : unit; };
  return lower(extension[1]) == u's' && lower(extension[2]) == u't' && lower(extension[3]) == u'r';
}

// Collects the problems and the shadowed entries of every file of one check.
class CheckObserver : public LoadObserver {
 public:
  explicit CheckObserver(StringFolderCheck& check) : check_(check) {}

  // Starts reading `file`: the problems from now on are its own.
  void StartFile(const std::filesystem::path& file) {
    file_ = file;
    problem_ = false;
  }
  bool FileHadAProblem() const { return problem_; }

  void Problem(std::exception_ptr failure) {
    if (!check_.failure) {
      check_.failure = failure;
      check_.failedFile = file_;
    }
    check_.problems.push_back({file_, std::move(failure)});
    problem_ = true;
  }

  void BadLine(const StringEntryError& error) override { Problem(std::make_exception_ptr(error)); }

  void NamedEntry(const std::string& key, std::uint64_t line, bool added) override {
    if (added) {
      places_.emplace(key, std::make_pair(file_, line));
      return;
    }
    const auto& [keptFile, keptLine] = places_.at(key);
    check_.shadowed.push_back({key, file_, line, keptFile, keptLine});
  }

 private:
  StringFolderCheck& check_;
  std::filesystem::path file_;
  bool problem_ = false;
  std::map<std::string, std::pair<std::filesystem::path, std::uint64_t>> places_;  // where each key was added
};

}  // namespace

StringFolderCheck CheckStringFolder(const Dir& folder) {
  StringFolderCheck check;
  StringTable scratch;
  CheckObserver observer(check);
  try {
    ForEachStringFile(
        folder,
        [&](const File& file) {
          observer.StartFile(file.GetPath());
          try {
            check.entries += LoadStringFile(file, scratch, &observer);
          } catch (...) {
            observer.Problem(std::current_exception());
          }
          if (!observer.FileHadAProblem()) ++check.files;
        },
        [&](const File& file) {
          if (IsStringExtensionInAnotherCase(file.GetExtension())) check.skipped.push_back(file.GetPath());
        });
  } catch (...) {
    observer.StartFile({});
    observer.Problem(std::current_exception());
  }
  check.keys = scratch.Size();
  return check;
}

}  // namespace Verbosa
