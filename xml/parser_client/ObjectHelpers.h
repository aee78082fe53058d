// The termination-list members of the client layer, and where the static
// objects are (they are built in one place, in a fixed order, with the other
// static objects of the library).
//
// TQURObjectHelper<Interface> keeps the method tables of one kind of parser
// object, one per signature met; CQURServicesHelper stands for the parser's
// factories; the stream terminators guard lists of broker stream wrappers,
// which this library never fills.
#pragma once

#include "DoubleLinkedList.h"
#include "LazyTerminate.h"
#include "QURParser.h"
#include "TKORVTab.h"
#include "arborix/client/QURHandles.h"
#include "arborix/client/ZEVException.h"

namespace arborix_internal {

template <class Interface>
class TQURObjectHelper final : public LazyTerminate {
 public:
  bool Initialise() override { return true; }
  void Terminate() override {
    while (TKORVTab<Interface>* table = tables_.front()) {
      tables_.remove(table);
      delete table;
    }
  }
  void Reset() override { tables_.forget(); }

  // The method table for `object` (a live container): the one of its
  // signature when it is current, refilled when stale, made when new.
  // Throws ZEVException("couldn't get signature"), BadAllocation, or
  // ZEVException("couldn't initialize v-table").
  TKORVTab<Interface>& TableFor(KORContainer object);

 private:
  double_linked_list<TKORVTab<Interface>> tables_;
};

using CQURStringHelper = TQURObjectHelper<_t_ZQURStringInterface>;
using CQURAttributesHelper = TQURObjectHelper<_t_ZQURAttributesInterface>;
using CQURLocatorHelper = TQURObjectHelper<_t_ZQURLocatorInterface>;
using CQURSAX2ParserHelper = TQURObjectHelper<_t_ZQURSAX2ParserInterface>;

class CQURServicesHelper final : public LazyTerminate {
 public:
  bool Initialise() override { return true; }
  // The factory tables are plain arrays: forgetting them is all there is to do.
  void Terminate() override { ForgetParserFactories(); }
  void Reset() override { ForgetParserFactories(); }
};

// A wrapper of a broker stream, owned by a stream terminator's list.
class CKORStreamWrapper : public double_linked_list_element<CKORStreamWrapper> {
 public:
  virtual ~CKORStreamWrapper() = default;
};

class CKORStreamTerminate : public LazyTerminate {
 public:
  bool Initialise() override { return true; }
  void Terminate() override {
    while (CKORStreamWrapper* wrapper = wrappers_.front()) {
      wrappers_.remove(wrapper);
      delete wrapper;
    }
  }
  void Reset() override { wrappers_.forget(); }

 private:
  double_linked_list<CKORStreamWrapper> wrappers_;
};

class CKORSimpleStreamTerminate final : public CKORStreamTerminate {};
class CKORRewindableStreamTerminate final : public CKORStreamTerminate {};
class CKORPositionableStreamTerminate final : public CKORStreamTerminate {};

// The static objects (defined with the library's other static objects).
CQURStringHelper& StringHelper();
CQURAttributesHelper& AttributesHelper();
CQURLocatorHelper& LocatorHelper();
CQURSAX2ParserHelper& SAX2ParserHelper();

template <class Interface>
TKORVTab<Interface>& TQURObjectHelper<Interface>::TableFor(KORContainer object) {
  const KORStringAtom signature = PrimarySlot(object).signature;
  if (signature == nullptr) throw ZEVException("couldn't get signature");
  const std::uint32_t count = UnregisterCount();
  // Atoms are interned and every table keeps a reference to its own: the
  // same atom is the same signature, so no text is compared.
  for (TKORVTab<Interface>* table = tables_.front(); table != nullptr; table = table->next()) {
    if (table->SignatureAtom() != signature) continue;
    if (table->FilledAt(count)) return *table;
    if (!table->Fill(object)) {
      delete table;
      throw ZEVException("couldn't initialize v-table");
    }
    return *table;
  }
  const char* text = AtomText(signature);
  StringAtom kept(text);
  auto* table = new TKORVTab<Interface>(kept.get());
  kept.release();
  try {
    if (!table->Fill(object)) throw ZEVException("couldn't initialize v-table");
  } catch (...) {
    delete table;
    throw;
  }
  tables_.push_back(table);
  return *table;
}

}  // namespace arborix_internal
