#include "Dossik.h"

IByteStream::~IByteStream() = default;

IByteWindow* IByteStream::InPlaceWindow() noexcept { return nullptr; }
