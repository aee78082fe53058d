/// @file
/// Verbosa: the application's user-interface texts, loaded from the string
/// files (".str") of a string folder into one process-wide table and looked up
/// by key.
#pragma once

#include "verbosa/StringEntryError.h"
#include "verbosa/StringFolder.h"
#include "verbosa/StringFolderCheck.h"
#include "verbosa/StringLookup.h"
