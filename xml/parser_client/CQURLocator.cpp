#include "arborix/client/CQURLocator.h"

#include "HolderCalls.h"
#include "ObjectHelpers.h"

using namespace arborix_internal;
using LocatorMethods = _t_ZQURLocatorInterface;

CQURLocator::CQURLocator(KORContainerObject* handle) : handle_(handle) {
  if (handle_.get() != nullptr) table_ = &LocatorHelper().TableFor(handle_.get());
}

std::int32_t CQURLocator::Number(int method) const {
  if (handle_.get() == nullptr) return 0;
  std::int32_t number = 0;
  Invoke<LocatorMethods::getNumberProc>(table_, method, handle_.get(), &number);
  return number;
}

std::int32_t CQURLocator::getLineNumber() const { return Number(LocatorMethods::getLineNumber); }
std::int32_t CQURLocator::getColumnNumber() const { return Number(LocatorMethods::getColumnNumber); }
