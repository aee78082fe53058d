// Arborix: the XML document tree, escaping and UTF conversion for XML text,
// and typed property lists.
#pragma once

#include "arborix/CreateNode.h"
#include "arborix/PropList.h"
#include "arborix/ReservedCharacters.h"
#include "arborix/UTFConversion.h"
#include "arborix/XMLAttributeObj.h"
#include "arborix/XMLBase.h"
#include "arborix/XMLDocument.h"
#include "arborix/XMLElementNode.h"
#include "arborix/XMLNodeType.h"
#include "arborix/XMLParseStatus.h"
#include "arborix/XMLTextNode.h"
