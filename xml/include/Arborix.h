/// @file
/// Arborix, the whole public interface in one include. Its parts:
///
/// - the XML node tree: XMLBase, XMLDocument, XMLElementNode, XMLTextNode,
///   XMLAttributeObj, CreateNode, with XMLNodeType;
/// - parsing XML files and UTF-16 buffers into trees: ParseXMLFile and
///   ParseXMLBuffer with XMLParseStatus and XMLParseFault, the two input
///   streams they read from (FileBasedQURInputStream,
///   UnicodeStringBasedQURInputStream) and the handlers that build a tree
///   (XMLContentHandler, XMLErrorHandler, XMLFaultRecorder);
/// - escaping of XML's reserved characters (EncodeReservedCharacters) and
///   UTF-8/UTF-16 conversion (UTF8to16, UTF16to8);
/// - property lists: PropList with PropKind, and their files (PropListUtils,
///   PropListLoadReport, PropListTags);
/// - the start and stop of the connection to the parser component:
///   XMLEntryExit;
/// - the client layer through which the library reaches the parser component
///   and its broker: holders of the parser's objects (CQURHandle, CQURString,
///   CQURAttributes, CQURLocator, CQURSAX2Parser, with the handle types of
///   QURHandles.h), the bases of handlers and streams that the parser calls
///   (HQURContentHandlerBase, HQURErrorHandlerBase, HQURBinInputStreamBase)
///   and its errors (CKORError, ZEVException). Its headers live in
///   arborix/client/.
#pragma once

#include "arborix/CreateNode.h"
#include "arborix/FileBasedQURInputStream.h"
#include "arborix/ParseXML.h"
#include "arborix/PropKind.h"
#include "arborix/PropList.h"
#include "arborix/PropListLoadReport.h"
#include "arborix/PropListTags.h"
#include "arborix/PropListUtils.h"
#include "arborix/ReservedCharacters.h"
#include "arborix/UTFConversion.h"
#include "arborix/UnicodeStringBasedQURInputStream.h"
#include "arborix/XMLAttributeObj.h"
#include "arborix/XMLBase.h"
#include "arborix/XMLContentHandler.h"
#include "arborix/XMLDocument.h"
#include "arborix/XMLElementNode.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/XMLErrorHandler.h"
#include "arborix/XMLFaultRecorder.h"
#include "arborix/XMLNodeType.h"
#include "arborix/XMLParseFault.h"
#include "arborix/XMLParseStatus.h"
#include "arborix/XMLTextNode.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/CQURAttributes.h"
#include "arborix/client/CQURHandle.h"
#include "arborix/client/CQURLocator.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "arborix/client/CQURString.h"
#include "arborix/client/HQURBinInputStreamBase.h"
#include "arborix/client/HQURContentHandlerBase.h"
#include "arborix/client/HQURErrorHandlerBase.h"
#include "arborix/client/QURHandles.h"
#include "arborix/client/ZEVException.h"
