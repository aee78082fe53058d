/// @file
/// PixmoraUtils: four-colour reduction of true-colour images and expansion of
/// mattes back (FourColorMatte.h), and the stored form of points, pixels and
/// images in byte streams (ImageStreams.h).
#pragma once

#include "pixmorautils/FourColorMatte.h"
#include "pixmorautils/ImageStreams.h"
