#include "arborix/client/HQURBinInputStreamBase.h"

ZQURBinInputStreamPrototype::~ZQURBinInputStreamPrototype() = default;
HQURBinInputStreamBase::~HQURBinInputStreamBase() = default;

void HQURBinInputStreamBase::selfDestruct() { delete this; }

void HQURBinInputStreamBase::rawCurPos(std::uint32_t* position) {
  const std::uint32_t current = curPos();
  if (position != nullptr) *position = current;
}

void HQURBinInputStreamBase::rawIsSeekable(char* answer) {
  const bool seekable = isSeekable();
  if (answer != nullptr) *answer = seekable ? 'T' : 0;
}

bool HQURBinInputStreamBase::isSeekable() const { return false; }

void HQURBinInputStreamBase::rawReadBytes(unsigned char* buffer, std::uint32_t maximum, std::uint32_t* count) {
  const unsigned int read = readBytes(buffer, maximum);
  if (count != nullptr) *count = read;
}

void HQURBinInputStreamBase::notify(std::int32_t) {}
