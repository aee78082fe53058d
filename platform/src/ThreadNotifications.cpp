#include "platform/LibraryEntry.h"

namespace platform {

void DisableThreadNotifications([[maybe_unused]] ModuleHandle module) {
#if defined(_WIN32)
  ::DisableThreadLibraryCalls(static_cast<HMODULE>(module.native));
#endif
}

}  // namespace platform
