/// @file
/// Finding the string folder and loading it into the process-wide string table.
///
/// The table only grows: Init adds the named entries of every string file it
/// reads and never replaces a text already present, so the first file loaded
/// (and within a file the first line) wins for each key. There is no lock:
/// finish Init before other threads look texts up.
#pragma once

#include "Dossik.h"
#include "UTF16String.h"
#include "VerbosaExport.h"

namespace Verbosa {

/// Walks `root` and every folder below it and returns the folder holding the
/// first file named exactly `markerName` (case-sensitive). Throws
/// std::invalid_argument("can't find string files") when no such file exists;
/// file-library failures during the walk pass through.
VERBOSA_EXPORT Dir LocatedBlessedFolder(const Dir& root, const UTF16String& markerName);

/// Loads every file of `folder` whose extension is exactly ".str", in the
/// folder's iteration order. The first failure ends the call and reaches the
/// caller: a malformed line as StringEntryError (a std::invalid_argument), a
/// decoding fault as the decoder's exception, a file fault as the file
/// library's. Entries loaded before the failure stay in the table.
VERBOSA_EXPORT void Init(const Dir& folder);

}  // namespace Verbosa
