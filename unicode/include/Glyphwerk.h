/// @file
/// Glyphwerk: decoding of UTF-8 and UTF-16 text, and Unicode case mapping.
#pragma once

#include "glyphwerk/CaseMapping.h"
#include "glyphwerk/DecodingErrors.h"
#include "glyphwerk/TextDecoding.h"
