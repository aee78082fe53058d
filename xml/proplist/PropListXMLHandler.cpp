#include "proplist/PropListXMLHandler.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "arborix/UTFConversion.h"
#include "proplist/IntegerText.h"
#include "proplist/PropListMarkup.h"

namespace arborix_internal {
namespace {

// Fills `values` with the converted texts, in the nodes it already has where it can.
template <typename Element, typename Convert>
const std::list<Element>& Refilled(std::list<Element>& values, const std::list<UTF16String>& texts, Convert convert) {
  auto value = values.begin();
  for (const UTF16String& text : texts) {
    if (value == values.end()) value = values.emplace(value);
    *value++ = convert(text);
  }
  values.erase(value, values.end());
  return values;
}

std::uint16_t ExtractUnsigned16(const UTF16String& text) {
  return static_cast<std::uint16_t>(ExtractUnsigned32(text) & 0xFFFFu);
}

bool IsTrueText(const UTF16String& text) { return IsName(text, PropListTags::kTrue); }

// The elements a property-list file is made of; any other name is Other.
enum class Tag { Other, PropList, Key, Array, String, UString, True, False, Int };

struct Spelling {
  std::string_view name;
  Tag tag;
};
// No two of these names share their first unit.
constexpr Spelling kSpellings[] = {
    {PropListTags::kList, Tag::PropList},
    {PropListTags::kKey, Tag::Key},
    {PropListTags::kArray, Tag::Array},
    {PropListTags::kString, Tag::String},
    {PropListTags::kUnicodeString, Tag::UString},
    {PropListTags::kTrue, Tag::True},
    {PropListTags::kFalse, Tag::False},
    {PropListTags::kInt, Tag::Int},
};

// The tag an element name stands for: its first unit tells which name to
// compare with. The name is read into `scratch`, converted once.
Tag TagOf(CQURString& name, UTF16String& scratch) {
  name.GetText(scratch);
  if (scratch.empty()) return Tag::Other;
  for (const Spelling& spelling : kSpellings) {
    if (static_cast<unsigned char>(spelling.name[0]) == scratch[0]) {
      return IsName(scratch, spelling.name) ? spelling.tag : Tag::Other;
    }
  }
  return Tag::Other;
}

// If `key` holds an array of Element, empties it and answers true.
template <typename Element>
bool EmptyExistingArray(PropList& list, const UTF16String& key) {
  std::list<Element> probe;
  if (!list.GetValue(key, probe)) return false;
  list.SetValue(key, std::list<Element>{});
  return true;
}

}  // namespace

PropListXMLHandler::PropListXMLHandler(PropList& root) : root_(&root) {}

PropListXMLHandler::~PropListXMLHandler() = default;

void PropListXMLHandler::characters(CQURString& text) {
  switch (textMode_) {
    case TextMode::Key:
      text.GetText(scratch_);
      keyText_ += scratch_;
      break;
    case TextMode::Value:
      text.GetText(scratch_);
      valueText_ += scratch_;
      break;
    case TextMode::None:
      break;
  }
}

void PropListXMLHandler::startElement(CQURString&, CQURString& localName, CQURString&, CQURAttributes& attributes) {
  switch (TagOf(localName, scratch_)) {
    case Tag::PropList:
      OpenList();
      break;
    case Tag::Key:
      textMode_ = TextMode::Key;
      break;
    case Tag::Array:
      inArray_ = true;
      break;
    case Tag::String:
      StartValue(ValueKind::String);
      break;
    case Tag::UString:
      StartValue(ValueKind::UString);
      break;
    case Tag::True:
      StartValue(ValueKind::True);
      break;
    case Tag::False:
      StartValue(ValueKind::False);
      break;
    case Tag::Int:
      StartInteger(attributes);
      break;
    case Tag::Other:
      break;
  }
}

void PropListXMLHandler::endElement(CQURString&, CQURString& localName, CQURString&) {
  switch (TagOf(localName, scratch_)) {
    case Tag::PropList:
      CloseList();
      break;
    case Tag::Key:
      textMode_ = TextMode::None;
      break;
    case Tag::Array:
      StoreArray();
      inArray_ = false;
      textMode_ = TextMode::None;
      break;
    default:
      if (textMode_ == TextMode::Value) EndValue();
      break;
  }
}

void PropListXMLHandler::StartValue(ValueKind kind) {
  valueKind_ = kind;
  textMode_ = TextMode::Value;
}

void PropListXMLHandler::OpenList() {
  if (openLists_.empty()) {
    current_ = root_;
  } else {
    current_ = current_->NewSubList(keyText_);
    keyText_.clear();
    textMode_ = TextMode::None;
  }
  openLists_.push_front(current_);
}

void PropListXMLHandler::CloseList() {
  if (!openLists_.empty()) openLists_.pop_front();
  current_ = openLists_.empty() ? nullptr : openLists_.front();
}

// Only the width decides for 16 bits; otherwise the signed type names the
// signed kind and any other type the unsigned one.
void PropListXMLHandler::StartInteger(CQURAttributes& attributes) {
  if (typeName_.Handle() == nullptr) {
    typeName_ = CQURString::FromUTF8(PropListTags::kIntType.data());
    sizeName_ = CQURString::FromUTF8(PropListTags::kIntSize.data());
  }
  if (!attributes.getValue(typeName_, typeText_) || !attributes.getValue(sizeName_, sizeText_)) return;
  if (IsName(sizeText_, PropListTags::kBits16)) {
    StartValue(ValueKind::Unsigned16);
  } else if (IsName(typeText_, PropListTags::kSigned)) {
    StartValue(ValueKind::Signed32);
  } else {
    StartValue(ValueKind::Unsigned32);
  }
}

void PropListXMLHandler::EndValue() {
  if (inArray_) {
    if (spareTexts_.empty()) spareTexts_.emplace_back();
    elementTexts_.splice(elementTexts_.end(), spareTexts_, spareTexts_.begin());
    UTF16String& text = elementTexts_.back();
    switch (valueKind_) {
      case ValueKind::True:
        text.assign(PropListTags::kTrue.begin(), PropListTags::kTrue.end());
        break;
      case ValueKind::False:
        text.assign(PropListTags::kFalse.begin(), PropListTags::kFalse.end());
        break;
      default:
        // Swapped, not moved: the value text keeps a buffer for the next element.
        text.swap(valueText_);
        valueText_.clear();
        break;
    }
  } else {
    StoreScalar();
  }
  textMode_ = TextMode::None;
}

// A value met while no list is open has nowhere to go and is dropped.
void PropListXMLHandler::StoreScalar() {
  if (current_ != nullptr) {
    switch (valueKind_) {
      case ValueKind::String:
        current_->SetValue(keyText_, UTF16to8(valueText_));
        break;
      case ValueKind::UString:
        current_->SetValue(keyText_, valueText_);
        break;
      case ValueKind::True:
        current_->SetValue(keyText_, true);
        break;
      case ValueKind::False:
        current_->SetValue(keyText_, false);
        break;
      case ValueKind::Unsigned16:
        current_->SetValue(keyText_, ExtractUnsigned16(valueText_));
        break;
      case ValueKind::Unsigned32:
        current_->SetValue(keyText_, ExtractUnsigned32(valueText_));
        break;
      case ValueKind::Signed32:
        current_->SetValue(keyText_, ExtractSigned32(valueText_));
        break;
      case ValueKind::None:
        break;
    }
  }
  keyText_.clear();
  valueText_.clear();
}

void PropListXMLHandler::StoreArray() {
  if (current_ != nullptr && !(elementTexts_.empty() && EmptiedExistingArray())) StoreArrayOfKind();
  keyText_.clear();
  valueText_.clear();
  spareTexts_.splice(spareTexts_.end(), elementTexts_);
}

// The file does not say of what an empty array was: an array the key already
// holds keeps its element type, so that loading over defaults empties it.
bool PropListXMLHandler::EmptiedExistingArray() {
  return EmptyExistingArray<std::string>(*current_, keyText_) || EmptyExistingArray<UTF16String>(*current_, keyText_) ||
         EmptyExistingArray<bool>(*current_, keyText_) || EmptyExistingArray<std::uint16_t>(*current_, keyText_) ||
         EmptyExistingArray<std::uint32_t>(*current_, keyText_) ||
         EmptyExistingArray<std::int32_t>(*current_, keyText_);
}

void PropListXMLHandler::StoreArrayOfKind() {
  switch (valueKind_) {
    case ValueKind::String:
      current_->SetValue(keyText_, Refilled(std::get<std::list<std::string>>(arrays_), elementTexts_, UTF16to8));
      break;
    case ValueKind::UString:
      current_->SetValue(keyText_, elementTexts_);
      break;
    case ValueKind::True:
    case ValueKind::False:
      current_->SetValue(keyText_, Refilled(std::get<std::list<bool>>(arrays_), elementTexts_, IsTrueText));
      break;
    case ValueKind::Unsigned16:
      current_->SetValue(keyText_,
                         Refilled(std::get<std::list<std::uint16_t>>(arrays_), elementTexts_, ExtractUnsigned16));
      break;
    case ValueKind::Unsigned32:
      current_->SetValue(keyText_,
                         Refilled(std::get<std::list<std::uint32_t>>(arrays_), elementTexts_, ExtractUnsigned32));
      break;
    case ValueKind::Signed32:
      current_->SetValue(keyText_,
                         Refilled(std::get<std::list<std::int32_t>>(arrays_), elementTexts_, ExtractSigned32));
      break;
    case ValueKind::None:
      break;
  }
}

}  // namespace arborix_internal
