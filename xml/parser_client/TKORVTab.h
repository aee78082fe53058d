// TKORVTab<Interface>: the method table of one kind of parser object with one
// signature, filled through the container's "GetMethod" and kept, in the list
// of its kind, until the broker's unregister count moves.
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

#include "BrokerCalls.h"
#include "CKORClientBase.h"
#include "ClientLayer.h"
#include "DoubleLinkedList.h"
#include "KOR.h"
#include "QURParser.h"

template <class Interface>
class TKORVTab : public arborix_internal::double_linked_list_element<TKORVTab<Interface>>,
                 public arborix_internal::CKORClientBase {
 public:
  static constexpr std::size_t kMethodCount = std::size(Interface::kMethods);

  // Takes over one reference to `signature`.
  explicit TKORVTab(KORStringAtom signature)
      : signatureAtom_(signature), signature_(arborix_internal::AtomText(signature)) {}
  TKORVTab(const TKORVTab&) = delete;
  TKORVTab& operator=(const TKORVTab&) = delete;
  ~TKORVTab() { arborix_internal::DeleteStringAtom(signatureAtom_); }

  KORStringAtom SignatureAtom() const { return signatureAtom_; }
  bool FilledAt(std::uint32_t count) const { return filled_ && filledAt_ == count; }

  // Asks the broker for every method of `object`; false when one is missing.
  bool Fill(KORContainer object) {
    filled_ = false;
    for (std::size_t i = 0; i < kMethodCount; ++i) {
      const std::string procedure = std::string(Interface::kKind.prefix) + Interface::kMethods[i] + "Meth";
      const arborix_internal::StringAtom method(Interface::kMethods[i]);
      const arborix_internal::StringAtom procedureName(procedure.c_str());
      procs_[i] = arborix_internal::GetMethod(object, method.get(), procedureName.get());
      if (procs_[i] == nullptr) return false;
    }
    filledAt_ = arborix_internal::UnregisterCount();
    filled_ = true;
    return true;
  }

  template <class Proc>
  Proc Method(int index) const {
    return reinterpret_cast<Proc>(procs_[static_cast<std::size_t>(index)]);
  }

 private:
  KORStringAtom signatureAtom_;
  // The same signature as text, kept in the table beside its atom; tables
  // are found by the atom alone.
  const char* signature_;
  std::uint32_t filledAt_ = 0;
  bool filled_ = false;
  KORProc procs_[kMethodCount]{};
};
