#include "LazyTerminate.h"

namespace arborix_internal {
namespace {

// Constant-initialised, so it exists before any member's constructor runs,
// whatever the order in which static objects are built.
constinit double_linked_list<LazyTerminate> gTerminationList;

void TerminateUpTo(LazyTerminate* end) noexcept {
  for (LazyTerminate* member = gTerminationList.front(); member != end; member = member->next()) {
    try {
      member->Terminate();
    } catch (...) {
      member->Reset();
    }
  }
}

}  // namespace

LazyTerminate::LazyTerminate() { gTerminationList.push_back(this); }
LazyTerminate::~LazyTerminate() = default;

bool InitialiseTerminationList() {
  for (LazyTerminate* member = gTerminationList.front(); member != nullptr; member = member->next()) {
    bool initialised = false;
    try {
      initialised = member->Initialise();
    } catch (...) {
      initialised = false;
    }
    if (!initialised) {
      TerminateUpTo(member);
      return false;
    }
  }
  return true;
}

void TerminateTerminationList() noexcept { TerminateUpTo(nullptr); }

}  // namespace arborix_internal
