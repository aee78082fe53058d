/// @file
/// CreateNode: makes a node of `type` from `text` and stores it in `*out`.
/// Elements, text nodes and attributes (named `text`, with an empty value) are
/// appended to `parent`, which then owns them; a document (named `text`)
/// ignores `parent` and belongs to the caller.
/// Returns false when `out` is null (nothing is made), and false with `*out`
/// set to null when an element, text node or attribute has no parent to go
/// to. Any other type makes nothing: `*out` is set to null and true returned.
#pragma once

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/XMLBase.h"
#include "arborix/XMLElementNode.h"
#include "arborix/XMLNodeType.h"

/// Makes a node of `type` from `text`, appended to `parent` unless it is a
/// document, and stores it in `*out`; false when `out` is null or an element,
/// text node or attribute has no `parent`.
ARBORIX_EXPORT bool CreateNode(const UTF16String& text, XMLElementNode* parent, XMLNodeType type, XMLBase** out);
