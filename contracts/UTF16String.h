// The text type of every interface of the suite: UTF-16 code units.
#pragma once

#include <string>

using UTF16String = std::u16string;
