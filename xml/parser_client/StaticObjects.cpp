// The client layer's static objects, built at load in this order and
// destroyed at unload in reverse: the three stream terminators, then the
// helpers of strings, services, attributes, locators and parsers. Each links
// itself into the termination list as it is built.
#include "ObjectHelpers.h"

namespace arborix_internal {
namespace {

CKORSimpleStreamTerminate gSimpleStreams;
CKORRewindableStreamTerminate gRewindableStreams;
CKORPositionableStreamTerminate gPositionableStreams;
CQURStringHelper gStringHelper;
CQURServicesHelper gServicesHelper;
CQURAttributesHelper gAttributesHelper;
CQURLocatorHelper gLocatorHelper;
CQURSAX2ParserHelper gSAX2ParserHelper;

}  // namespace

CQURStringHelper& StringHelper() { return gStringHelper; }
CQURAttributesHelper& AttributesHelper() { return gAttributesHelper; }
CQURLocatorHelper& LocatorHelper() { return gLocatorHelper; }
CQURSAX2ParserHelper& SAX2ParserHelper() { return gSAX2ParserHelper; }

}  // namespace arborix_internal
