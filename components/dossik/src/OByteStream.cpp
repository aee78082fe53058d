#include "Dossik.h"

OByteStream::~OByteStream() = default;
