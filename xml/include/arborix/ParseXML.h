/// @file
/// ParseXMLFile and ParseXMLBuffer: XML text into an XMLDocument tree, through
/// the parser component (an XMLEntryExit must be alive).
///
/// `document` may be null, in which case only the status is learnt.
/// Otherwise *document is set to null first and receives the tree (loaded
/// flag set) only when the result is XMLParseOK; the caller then owns it and
/// destroys it with `delete`. A tree built before a failure is freed, never
/// returned. With `ignoreWhitespace`, what the parser reports as ignorable
/// whitespace is dropped; other whitespace-only text is kept.
///
/// A fault in the document gives the status of the parser's error ID
/// (XMLParseTagMismatch, XMLParseBadEncoding, XMLParseNoRootElement,
/// XMLParseNotWellFormed, XMLParseUndefinedEntity) or XMLParseFailed. Failures
/// before the parse starts are thrown: no XMLEntryExit or no parser
/// (ZEVException, CKORError), a file that cannot be opened (FileError), no
/// memory (std::bad_alloc).
///
/// Parsing and property-list loading run one call at a time in the process:
/// the parser component and the broker it is reached through are not locked.
/// A parse or load that starts while another thread is parsing throws
/// ZEVException ("XML calls run one at a time: another thread is parsing")
/// before it touches anything. A parse may run from inside another one on the
/// same thread.
#pragma once

#include "ArborixExport.h"
#include "Dossik.h"
#include "UTF16String.h"
#include "arborix/XMLDocument.h"
#include "arborix/XMLParseFault.h"
#include "arborix/XMLParseStatus.h"

/// Parses the file's bytes; the parser detects their encoding (UTF-8, UTF-16
/// with or without byte-order mark, or what the XML declaration names).
ARBORIX_EXPORT XMLParseStatus ParseXMLFile(File& file, bool ignoreWhitespace, XMLDocument** document);

/// Parses `buffer`, handed to the parser as UTF-16LE without byte-order mark.
/// Unlike ParseXMLFile, a fault the parser reported gives its status even when
/// the parser chose to finish the document.
ARBORIX_EXPORT XMLParseStatus ParseXMLBuffer(const UTF16String& buffer, bool ignoreWhitespace,
                                             XMLDocument** document);

/// ParseXMLFile that also tells where and why the parse failed. `fault` is
/// set to no fault first; when the result is not XMLParseOK it holds that
/// status, the line and column where the parser reported the fault and its
/// message (XMLParseFault.h). The tree and the status are those of
/// ParseXMLFile; what is thrown is thrown before `fault` changes again.
ARBORIX_EXPORT XMLParseStatus ParseXMLFile(File& file, bool ignoreWhitespace, XMLDocument** document,
                                           XMLParseFault& fault);

/// ParseXMLBuffer that also tells where and why the parse failed, as the
/// ParseXMLFile overload with `fault` does.
ARBORIX_EXPORT XMLParseStatus ParseXMLBuffer(const UTF16String& buffer, bool ignoreWhitespace,
                                             XMLDocument** document, XMLParseFault& fault);
