/// @file
/// PropListUtils: property lists saved to and loaded from files in their XML
/// dialect (`<prop.map><prop.list><prop.pair><key>..</key><value/>...`).
/// Loading needs a living XMLEntryExit; saving does not.
#pragma once

#include "ArborixExport.h"
#include "Dossik.h"
#include "arborix/PropList.h"
#include "arborix/PropListLoadReport.h"

/// Saving and loading of property-list files.
namespace PropListUtils {

/// Writes the XML text of `list` to `file`, replacing the file only once every
/// byte is written; a save that fails leaves the previous file as it was.
/// Carriage returns are written as the reference `&#13;` so that they load back
/// as carriage returns rather than as line feeds.
/// Throws std::invalid_argument, naming the key (sub-list keys joined by '/'),
/// before `file` is touched when a key or value holds text that an XML file
/// cannot carry: an 8-bit string that is not UTF-8, a control character other
/// than tab, line feed and carriage return, an unpaired surrogate, U+FFFE or
/// U+FFFF. Failures of the file library (FileError) pass through.
ARBORIX_EXPORT void SavePropList(const File& file, const PropList& list);

/// Adds the entries of `file` to `list`: keys the file names are replaced,
/// others keep their values, and sub-lists already present are merged into.
/// A file that is not well-formed XML, or any other failure during the parse,
/// empties `list` and is not reported. An empty array takes the element type
/// of the array the key already holds; a key holding no array gets the type of
/// the last value element read before it (none read yet: nothing is stored).
/// Throws, with `list` untouched, when no parser can be made (no
/// XMLEntryExit: ZEVException) or the file cannot be opened (FileError).
/// Loads run one call at a time in the process, as parses do (ParseXML.h):
/// while another thread is parsing, throws ZEVException with `list` untouched.
ARBORIX_EXPORT void LoadPropList(File& file, PropList& list);

/// LoadPropList that also reports what it met: `report` is cleared first,
/// then holds where and why the file failed to parse (its fault; the list is
/// emptied then, as by LoadPropList) and the name of the document's root
/// element. The entries stored and what is thrown are those of LoadPropList.
ARBORIX_EXPORT void LoadPropList(File& file, PropList& list, PropListLoadReport& report);

}  ///< namespace PropListUtils
