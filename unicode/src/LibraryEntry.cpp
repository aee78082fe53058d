// Loading Glyphwerk only asks not to be told of thread starts and ends.
#include "platform/LibraryEntry.h"

namespace {

void OnAttach(platform::ModuleHandle module) { platform::DisableThreadNotifications(module); }
void OnDetach(platform::ModuleHandle) {}

}  // namespace

PLATFORM_LIBRARY_ENTRY(OnAttach, OnDetach)
