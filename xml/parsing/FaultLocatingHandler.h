// FaultLocatingHandler: a content handler of a given kind that also hands the
// parser's document locator to the fault recorder of the same parse, so that
// each fault the recorder keeps is placed where the parser stood.
#pragma once

#include <utility>

#include "arborix/XMLFaultRecorder.h"
#include "arborix/client/CQURLocator.h"

namespace arborix_internal {

template <class Handler>
class FaultLocatingHandler : public Handler {
 public:
  // `recorder` must live as long as the handler: the parser that is given
  // both destroys them together when it is released.
  template <class... Arguments>
  explicit FaultLocatingHandler(XMLFaultRecorder& recorder, Arguments&&... arguments)
      : Handler(std::forward<Arguments>(arguments)...), recorder_(recorder) {}

  void setDocumentLocator(CQURLocator& locator) override {
    recorder_.FollowLocator(locator);
    Handler::setDocumentLocator(locator);
  }

 private:
  XMLFaultRecorder& recorder_;
};

}  // namespace arborix_internal
