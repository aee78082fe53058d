// PropListXMLHandler: fills a PropList from the parser's callbacks on a
// property-list file. It keeps a stack of the open lists; the text of `key`
// elements accumulates until a value, an array or a sub-list consumes it, so
// a second value after one key goes under the empty key. Each value is stored
// with the SetValue of its kind; an array takes the kind of the last value
// element met, and `int` elements without both attributes are skipped, as
// are elements of any other name and values met while no list is open.
#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <tuple>

#include "UTF16String.h"
#include "arborix/PropList.h"
#include "arborix/client/HQURContentHandlerBase.h"

namespace arborix_internal {

class PropListXMLHandler : public HQURContentHandlerBase {
 public:
  // Entries are added to `root`, which the handler does not own.
  explicit PropListXMLHandler(PropList& root);
  ~PropListXMLHandler() override;

  void characters(CQURString& text) override;
  void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                    CQURAttributes& attributes) override;
  void endElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName) override;

 private:
  enum class TextMode { None, Key, Value };
  enum class ValueKind { None, String, UString, True, False, Unsigned16, Unsigned32, Signed32 };

  void OpenList();
  void CloseList();
  void StartValue(ValueKind kind);
  void StartInteger(CQURAttributes& attributes);
  void EndValue();
  void StoreScalar();
  void StoreArray();
  bool EmptiedExistingArray();
  void StoreArrayOfKind();

  PropList* root_;
  UTF16String keyText_;
  UTF16String valueText_;
  UTF16String scratch_;  // each name and text read, converted into storage reused throughout
  std::list<PropList*> openLists_;  // front: the innermost open list
  PropList* current_ = nullptr;
  TextMode textMode_ = TextMode::None;
  ValueKind valueKind_ = ValueKind::None;
  bool inArray_ = false;
  std::list<UTF16String> elementTexts_;
  // Kept from one element to the next so that their storage is reused: the
  // attributes of `int` elements, and the nodes of element texts stored.
  UTF16String typeText_;
  UTF16String sizeText_;
  // The names looked up in the attributes of `int` elements, made at the first one.
  CQURString typeName_;
  CQURString sizeName_;
  std::list<UTF16String> spareTexts_;
  // The values of the last array of each kind, whose nodes the next one reuses.
  std::tuple<std::list<std::string>, std::list<bool>, std::list<std::uint16_t>, std::list<std::uint32_t>,
             std::list<std::int32_t>>
      arrays_;
};

}  // namespace arborix_internal
