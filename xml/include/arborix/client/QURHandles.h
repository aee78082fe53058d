/// @file
/// Opaque names of the parser component's handles, for the client-layer
/// headers: a handler author never needs more than these declarations.
#pragma once

struct KORContainerObject;  ///< a container handle of the broker: parser strings, attributes, locators, parsers
struct KORErrorObject;      ///< an error handle of the broker

struct _t_ZQURStringInterface;
struct _t_ZQURAttributesInterface;
struct _t_ZQURLocatorInterface;
struct _t_ZQURSAX2ParserInterface;

/// The method table of one kind of parser object (client layer internal).
template <class Interface>
class TKORVTab;
