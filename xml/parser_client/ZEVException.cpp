#include "arborix/client/ZEVException.h"

const char* ZEVException::what() const noexcept { return message_; }
