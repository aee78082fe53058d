#include "LibraryWindow.h"

#include <typeinfo>

namespace glyphwerk_internal {

IByteWindow* LibraryWindow(IByteStream& in) noexcept {
  const std::type_info& type = typeid(in);
  if (type == typeid(IBufferedByteStream)) return static_cast<IBufferedByteStream*>(&in);
  if (type == typeid(IMemoryByteStream)) return static_cast<IMemoryByteStream*>(&in);
  return nullptr;
}

}  // namespace glyphwerk_internal
