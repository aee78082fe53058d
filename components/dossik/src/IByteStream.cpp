#include "Dossik.h"

IByteStream::~IByteStream() = default;
