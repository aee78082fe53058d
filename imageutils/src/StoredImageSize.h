// The check that a stored image size may be handed to the image library.
#pragma once

#include "Dossik.h"
#include "Pixmora.h"

namespace pixmorautils_internal {

// Throws StoredImageSizeError unless an image of `size` fits in a byte
// stream at all, and StoredImageTooShortError when the rest of `in`,
// positioned just after the size, is known to hold fewer pixels.
void RequirePlausibleImageSize(const PmPoint& size, const IByteStream& in);

}  // namespace pixmorautils_internal
