#include "Pixmora.h"

void PmImage::ReInit(const PmPoint& size, bool keepPixels, void (*resized)()) {
  Resize(size, keepPixels);
  if (resized != nullptr) resized();
}
