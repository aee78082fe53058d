// QURParser: the application's SAX2 XML parser component. Besides its start
// and stop exports everything is reached through the broker (KOR.h): the
// factories by interface name, the methods of its objects by "GetMethod" on
// the object's container. Objects are KOR containers whose primary instance
// carries the signature "QURString", "QURAttributes", "QURLocator" or
// "QURSAX2Parser".
//
// Every procedure returns null or an error handle that the caller owns; an
// error raised by the library's stream or handlers is passed on as it is. Errors
// of the document carry the component "QURParser" and an ID of the catalogue
// below; misuse of the interface (a null handle, an unknown feature) carries
// the component "QUR".
//
// Error catalogue (component "QURParser"):
//   10  syntax error (also: misplaced or malformed XML or text declaration,
//       bad public identifier, namespace faults)
//   13  invalid token or character, bad character reference
//   14  unclosed token, unclosed CDATA section
//   15  duplicate attribute
//   17  content after the root element
//   18  misused entity reference (parameter entity in the document, binary or
//       external entity in content or attribute, entity declared in a
//       parameter entity)
//   26  mismatched end tag, or the document ends inside an element
//   29  no root element
//   34  external entity not read (this parser never reads one)
//   35  recursive entity reference
//   36  document is not standalone
//   37  entity does not nest properly with the markup around it
//   38  undefined entity
//   48  encoding does not match the data, or a partial character at the end
//   54  internal parser state error
//   68  parse aborted
//   81  entity expansion exceeds the amplification limit
//   85  the input stream reported more bytes than were asked for
//   101 unknown encoding
//   111 out of memory
//
// Behaviour: namespace processing and validation are off (and cannot be turned
// on); external entities and DTDs are never read; entity expansion is limited
// against amplification attacks; UTF-8, UTF-16LE and UTF-16BE are recognised
// with or without byte-order mark (a document starting with the bytes 3C 00 is
// UTF-16LE whatever its declaration says, 00 3C UTF-16BE). Character data
// between two pieces of markup arrives in one `characters` call.
#pragma once

#include <cstdint>

#include "KOR.h"
#include "QURParserExport.h"

// ---------------------------------------------------------------------------
// Start and stop (ordinals 1 and 2 on Windows).

// Called once at start; a result other than 1 refuses the start.
using QURHostCallback = std::int32_t (*)();

// Registers the parser's factories and object methods with the broker found
// through `lookup`. Returns 1 on success, 0 on failure (no lookup function, a
// broker procedure missing, the host refusing). Starts nest: each successful
// start needs one stop.
extern "C" QURPARSER_EXPORT std::int32_t QURStart(KORLookupFunction lookup, QURHostCallback host);
// Undoes one start; the last one unregisters everything from the broker.
extern "C" QURPARSER_EXPORT void QURStop();

// ---------------------------------------------------------------------------
// Factories.

inline constexpr const char* kQURNewStringInterface = "ZQURNewStringInterface";
inline constexpr KORMethodName kQURNewStringMethods[] = {
    {"NewUTF16", "QURNewString_NewUTF16"},
    {"NewUTF8", "QURNewString_NewUTF8"},
    {"ConvertToPCDATA", "QURNewString_ConvertToPCDATA"},
    {"NewFromAppend", "QURNewString_NewFromAppend"},
};
enum QURNewStringMethod : int { kQURNewUTF16, kQURNewUTF8, kQURConvertToPCDATA, kQURNewFromAppend };

// Character selectors of a string: 0 no text, 1 UTF-8, 2 UTF-16.
inline constexpr std::int32_t kQURNoText = 0;
inline constexpr std::int32_t kQURUTF8 = 1;
inline constexpr std::int32_t kQURUTF16 = 2;

// NewUTF16: a string of `count` code units (-1: up to the terminating zero)
// kept with the selector given: 1 converts to UTF-8 (an unpaired surrogate
// becomes U+FFFD), anything else keeps UTF-16. Null units make a string
// without text.
using QURNewUTF16Proc = KORErrorHandle (*)(const char16_t* units, std::int32_t count, std::int32_t selector,
                                           KORContainer* result);
// NewUTF8: a UTF-8 string of `count` bytes (-1: up to the terminating zero);
// a null text makes a string without text.
using QURNewUTF8Proc = KORErrorHandle (*)(const char* text, std::int32_t count, KORContainer* result);
// ConvertToPCDATA: a copy with & < > " ' written as character entities.
using QURConvertToPCDATAProc = KORErrorHandle (*)(KORContainer string, KORContainer* result);
// NewFromAppend: the concatenation, kept with the first string's selector.
using QURNewFromAppendProc = KORErrorHandle (*)(KORContainer first, KORContainer second, KORContainer* result);

inline constexpr const char* kQURNewSAX2ParserInterface = "ZQURNewSAX2ParserInterface";
inline constexpr KORMethodName kQURNewSAX2ParserMethods[] = {
    {"New", "QURNewSAX2Parser_NewFunc"},
    {"GetInstance", "QURNewSAX2Parser_GetInstanceFunc"},
};
enum QURNewSAX2ParserMethod : int { kQURNewSAX2Parser, kQURGetSAX2ParserInstance };
inline constexpr std::int32_t kQURSAX2ParserKind = 2;
// New: a parser of kind 2 (SAX2); any other kind is refused.
using QURNewSAX2ParserProc = KORErrorHandle (*)(std::int32_t kind, KORContainer* result);
// GetInstance: whether `handle` is a live parser of this component ('T' or 0).
using QURGetSAX2ParserInstanceProc = KORErrorHandle (*)(KORContainer handle, char* isParser);

// ---------------------------------------------------------------------------
// Objects: signatures, method names (procedure name = prefix + method + "Meth")
// and the procedure types. The first argument of every method is the object.

struct QURObjectKind {
  const char* signature;
  const char* prefix;
};

struct _t_ZQURStringInterface {
  static constexpr QURObjectKind kKind{"QURString", "QURString_"};
  static constexpr const char* kMethods[] = {"operatorEquals", "operatorNotEquals", "getCharSelector",
                                             "getSize",        "copyUTF16",         "copyUTF8",
                                             "c_str",          "setStringUTF16",    "setStringUTF8",
                                             "w_str"};
  enum Method : int {
    operatorEquals, operatorNotEquals, getCharSelector, getSize, copyUTF16,
    copyUTF8, c_str, setStringUTF16, setStringUTF8, w_str,
  };
  // Comparison by text, whatever the selectors: 'T' or 0.
  using operatorEqualsProc = KORErrorHandle (*)(KORContainer, KORContainer other, char* result);
  using getCharSelectorProc = KORErrorHandle (*)(KORContainer, std::int32_t* selector);
  // getSize: the length in units of `selector` (1 bytes, 2 code units).
  using getSizeProc = KORErrorHandle (*)(KORContainer, std::int32_t selector, std::int32_t* size);
  // copyUTF16/copyUTF8: copy at most `capacity` units, no terminating zero.
  using copyUTF16Proc = KORErrorHandle (*)(KORContainer, char16_t* buffer, std::int32_t capacity,
                                           std::int32_t* copied);
  using copyUTF8Proc = KORErrorHandle (*)(KORContainer, char* buffer, std::int32_t capacity, std::int32_t* copied);
  // c_str: the null-terminated UTF-8 text of a UTF-8 string; w_str the
  // null-terminated UTF-16 text of a UTF-16 string. The other selector is refused.
  using c_strProc = KORErrorHandle (*)(KORContainer, const char** text);
  using setStringUTF16Proc = KORErrorHandle (*)(KORContainer, const char16_t* units, std::int32_t count);
  using setStringUTF8Proc = KORErrorHandle (*)(KORContainer, const char* text, std::int32_t count);
  using w_strProc = KORErrorHandle (*)(KORContainer, const char16_t** text);
};

struct _t_ZQURAttributesInterface {
  static constexpr QURObjectKind kKind{"QURAttributes", "QURAttributes_"};
  static constexpr const char* kMethods[] = {"getLength",   "getURI",     "getLocalName", "getQName",
                                             "getTypeByIx", "getValueByIx", "getIndexNS", "getIndex",
                                             "getTypeByNS", "getType",    "getValueByNS", "getValue"};
  enum Method : int {
    getLength, getURI, getLocalName, getQName, getTypeByIx, getValueByIx,
    getIndexNS, getIndex, getTypeByNS, getType, getValueByNS, getValue,
  };
  using getLengthProc = KORErrorHandle (*)(KORContainer, std::int32_t* length);
  // By index: a new string and 'T' when the index exists, else null and 0.
  using byIndexProc = KORErrorHandle (*)(KORContainer, std::int32_t index, KORContainer* result, char* found);
  // getIndexNS / getIndex: the index, or -1.
  using getIndexNSProc = KORErrorHandle (*)(KORContainer, KORContainer uri, KORContainer localName,
                                            std::int32_t* index);
  using getIndexProc = KORErrorHandle (*)(KORContainer, KORContainer qualifiedName, std::int32_t* index);
  using byNSProc = KORErrorHandle (*)(KORContainer, KORContainer uri, KORContainer localName,
                                      KORContainer* result, char* found);
  using byNameProc = KORErrorHandle (*)(KORContainer, KORContainer qualifiedName, KORContainer* result,
                                        char* found);
};

struct _t_ZQURLocatorInterface {
  static constexpr QURObjectKind kKind{"QURLocator", "QURLocator_"};
  static constexpr const char* kMethods[] = {"getPublicId", "getSystemId", "getLineNumber", "getColumnNumber"};
  enum Method : int { getPublicId, getSystemId, getLineNumber, getColumnNumber };
  using getIdProc = KORErrorHandle (*)(KORContainer, KORContainer* result);
  // 1-based; 0 outside a parse.
  using getNumberProc = KORErrorHandle (*)(KORContainer, std::int32_t* number);
};

// Callback tables the library hands over with its objects. Each entry receives
// the container that the parser made for the object and returns null or an
// error handle. String, attributes and locator handles are lent for the call;
// error handles passed to the error handler belong to the callee.
struct QURReleaseTable {
  void (*release)(void* object);
};

struct QURContentHandlerCallbacks {
  KORErrorHandle (*characters)(KORContainer handler, KORContainer text);
  KORErrorHandle (*endDocument)(KORContainer handler);
  KORErrorHandle (*endElement)(KORContainer handler, KORContainer uri, KORContainer localName,
                               KORContainer qualifiedName);
  KORErrorHandle (*endPrefixMapping)(KORContainer handler, KORContainer prefix);
  KORErrorHandle (*ignorableWhitespace)(KORContainer handler, KORContainer text);
  KORErrorHandle (*processingInstruction)(KORContainer handler, KORContainer target, KORContainer data);
  KORErrorHandle (*setDocumentLocator)(KORContainer handler, KORContainer locator);
  KORErrorHandle (*startDocument)(KORContainer handler);
  KORErrorHandle (*startElement)(KORContainer handler, KORContainer uri, KORContainer localName,
                                 KORContainer qualifiedName, KORContainer attributes);
  KORErrorHandle (*startPrefixMapping)(KORContainer handler, KORContainer prefix, KORContainer uri);
  KORErrorHandle (*skippedEntity)(KORContainer handler, KORContainer name);
  // Never called by this parser.
  KORErrorHandle (*reservedText)(KORContainer handler, KORContainer text);
  KORErrorHandle (*reservedDeclaration)(KORContainer handler, KORContainer a, KORContainer b, KORContainer c,
                                        KORContainer d);
};

struct QURErrorHandlerCallbacks {
  KORErrorHandle (*warning)(KORContainer handler, KORErrorHandle error);
  KORErrorHandle (*error)(KORContainer handler, KORErrorHandle error);
  KORErrorHandle (*fatalError)(KORContainer handler, KORErrorHandle error);
  KORErrorHandle (*resetErrors)(KORContainer handler);
};

struct QURBinInputStreamCallbacks {
  // Called once before the first read; must return null.
  KORErrorHandle (*prepare)(KORContainer stream);
  KORErrorHandle (*curPos)(KORContainer stream, std::uint32_t* position);
  KORErrorHandle (*isSeekable)(KORContainer stream, char* answer);
  // Stores how many bytes were read (at most `maximum`; 0 at the end).
  KORErrorHandle (*readBytes)(KORContainer stream, unsigned char* buffer, std::uint32_t maximum,
                              std::uint32_t* count);
  // Informational; the stream may ignore it.
  KORErrorHandle (*notify)(KORContainer stream, std::int32_t event);
};

// Signatures of the containers the parser makes for the library's objects.
inline constexpr const char* kQURContentHandlerSignature = "QURContentHandler";
inline constexpr const char* kQURErrorHandlerSignature = "QURErrorHandler";
inline constexpr const char* kQURBinInputStreamSignature = "QURBinInputStream";
inline constexpr const char* kQUREntityResolverSignature = "QUREntityResolver";
inline constexpr const char* kQURDTDHandlerSignature = "QURDTDHandler";
inline constexpr const char* kQURTranscoderSignature = "QURTranscoder";

inline constexpr const char* kSAX2ValidationFeature = "http://xml.org/sax/features/validation";
inline constexpr const char* kSAX2NamespacesFeature = "http://xml.org/sax/features/namespaces";

struct _t_ZQURSAX2ParserInterface {
  static constexpr QURObjectKind kKind{"QURSAX2Parser", "QURSAX2Parser_"};
  static constexpr const char* kMethods[] = {
      "getContentHandler", "getDTDHandler",  "getEntityResolver", "getErrorHandler",     "getFeature",
      "getProperty",       "parse",          "parseFirst",        "parseNext",           "setContentHandler",
      "setDTDHandler",     "setEntityResolver", "setErrorHandler", "setFeature",         "setProperty",
      "getTranscoder",     "setTranscoder",  "A_setErrorHandler", "A_setContentHandler", "A_setEntityResolver",
      "A_parse",           "A_parseFirst",   "A_setDTDHandler"};
  enum Method : int {
    getContentHandler, getDTDHandler, getEntityResolver, getErrorHandler, getFeature,
    getProperty, parse, parseFirst, parseNext, setContentHandler,
    setDTDHandler, setEntityResolver, setErrorHandler, setFeature, setProperty,
    getTranscoder, setTranscoder, A_setErrorHandler, A_setContentHandler, A_setEntityResolver,
    A_parse, A_parseFirst, A_setDTDHandler,
  };
  // get*Handler, getEntityResolver, getTranscoder: the registered container
  // with one more reference, or null.
  using getObjectProc = KORErrorHandle (*)(KORContainer, KORContainer* result);
  // getFeature / setFeature: 'T' for on. Only the validation and namespaces
  // features exist; both are off and can only be set off; not during a parse.
  using getFeatureProc = KORErrorHandle (*)(KORContainer, KORContainer name, char* value);
  using setFeatureProc = KORErrorHandle (*)(KORContainer, KORContainer name, char value);
  // No property exists: both refuse every name.
  using getPropertyProc = KORErrorHandle (*)(KORContainer, KORContainer name, void** value);
  using setPropertyProc = KORErrorHandle (*)(KORContainer, KORContainer name, void* value);
  // parse / parseFirst by system identifier: refused (this parser reads no
  // files); use the stream forms.
  using parseBySystemIdProc = KORErrorHandle (*)(KORContainer, KORContainer systemId);
  // parseNext: feeds the next block of a parse begun with A_parseFirst; stores
  // 'T' while more remains. After the last block or an error the stream is
  // released. Called from a callback of the same parser, it is refused with a
  // wrong-state error (component "QUR", ID 5) and the parse goes on.
  using parseNextProc = KORErrorHandle (*)(KORContainer, char* more);
  // setContentHandler & co.: `object` is a container (or null to clear) whose
  // instance of the handler's signature receives `callbacks`; the parser keeps
  // a reference. DTD handlers, entity resolvers and transcoders are kept but
  // never called.
  using setContentHandlerProc = KORErrorHandle (*)(KORContainer, KORContainer object,
                                                   const QURContentHandlerCallbacks* callbacks);
  using setErrorHandlerProc = KORErrorHandle (*)(KORContainer, KORContainer object,
                                                 const QURErrorHandlerCallbacks* callbacks);
  using setOpaqueObjectProc = KORErrorHandle (*)(KORContainer, KORContainer object, const void* callbacks);
  // A_set*: the same for a plain object; the parser wraps it in a container
  // with the handler's signature and owns it from the call on, even when the
  // call fails (it is destroyed through `release`). Handlers are destroyed when
  // replaced or when the parser goes, never during a parse.
  using A_setContentHandlerProc = KORErrorHandle (*)(KORContainer, void* object, const QURReleaseTable* release,
                                                     const QURContentHandlerCallbacks* callbacks);
  using A_setErrorHandlerProc = KORErrorHandle (*)(KORContainer, void* object, const QURReleaseTable* release,
                                                   const QURErrorHandlerCallbacks* callbacks);
  using A_setOpaqueObjectProc = KORErrorHandle (*)(KORContainer, void* object, const QURReleaseTable* release,
                                                   const void* callbacks);
  // A_parse: parses the whole stream synchronously. The stream belongs to the
  // parser from the call on and is destroyed before the call returns. After a
  // fatal error has been reported to the error handler the result is that
  // error; an error returned by a callback ends the parse with that error.
  // The two reserved arguments must be 0. A_parseFirst starts the same parse
  // and feeds the first block (see parseNext). While a parse of the parser is
  // running (from its callbacks too), both forms of parse and every setter are
  // refused with the wrong-state error; a parse on another parser may run
  // from inside a callback. A parse call holds a reference to its parser: a
  // callback that releases the last other one destroys the parser after the
  // call, ending an unfinished step-by-step parse.
  using A_parseProc = KORErrorHandle (*)(KORContainer, void* stream, std::int32_t reserved1, std::int32_t reserved2,
                                         const QURReleaseTable* release, const QURBinInputStreamCallbacks* callbacks);
  using A_parseFirstProc = KORErrorHandle (*)(KORContainer, void* stream, std::int32_t reserved1,
                                              std::int32_t reserved2, const QURReleaseTable* release,
                                              const QURBinInputStreamCallbacks* callbacks, char* more);
};
