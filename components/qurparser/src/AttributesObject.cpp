#include "AttributesObject.h"

#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Broker.h"
#include "QURParser.h"
#include "StringObject.h"
#include "platform/BlockPool.h"

namespace qur {

using Interface = _t_ZQURAttributesInterface;

struct AttributesObject : platform::PoolAllocated<AttributesObject> {
  // Name and value as Expat gives them, in UTF-8, not copied while the list
  // is lent (see LentAttributes); a handler converts what it reads.
  std::vector<std::pair<std::string_view, std::string_view>> entries;
  // The texts of a list kept past its callback, one after the other, each
  // followed by a NUL.
  std::string owned;
  // Lookups answer in this string while no one else holds it (see LentString).
  LentString answer;

  // Refers to the entries of Expat's null-terminated array; throws std::bad_alloc.
  void Fill(const char** pairs) {
    entries.clear();
    for (const char** pair = pairs; pair != nullptr && *pair != nullptr; pair += 2) {
      entries.emplace_back(pair[0], pair[1]);
    }
  }

  // Copies the texts the entries refer to into `owned`; throws std::bad_alloc.
  void Own() {
    std::size_t size = 0;
    for (const auto& [name, value] : entries) size += name.size() + value.size() + 2;
    std::string texts;
    texts.reserve(size);
    for (const auto& [name, value] : entries) {
      texts.append(name).push_back('\0');
      texts.append(value).push_back('\0');
    }
    owned = std::move(texts);
    std::size_t at = 0;
    for (auto& [name, value] : entries) {
      name = std::string_view(owned.data() + at, name.size());
      at += name.size() + 1;
      value = std::string_view(owned.data() + at, value.size());
      at += value.size() + 1;
    }
  }
};

namespace {

void DestroyAttributes(void* object) { delete static_cast<AttributesObject*>(object); }

AttributesObject* AttributesOf(KORContainer handle) {
  return static_cast<AttributesObject*>(InstanceWithSignature(handle, Signatures().attributes));
}

KORErrorHandle InvalidAttributes() { return InterfaceError("QUR: CQURAttributes is invalid", kInvalidObjectID); }

enum class Field { URI, Name, Type, Value };

std::string_view FieldText(const std::pair<std::string_view, std::string_view>& entry, Field field) {
  switch (field) {
    case Field::URI: return {};
    case Field::Name: return entry.first;
    case Field::Type: return "CDATA";
    case Field::Value: return entry.second;
  }
  return {};
}

// Answers a lookup: a string with one reference for the caller and 'T' when
// `index` names an attribute, otherwise a null result and 0.
KORErrorHandle Answer(AttributesObject& attributes, std::int32_t index, Field field, KORContainer* result,
                      char* found) {
  if (result == nullptr || found == nullptr) return InvalidAttributes();
  *result = nullptr;
  *found = 0;
  if (index < 0 || static_cast<std::size_t>(index) >= attributes.entries.size()) return nullptr;
  KORContainer answer = nullptr;
  KORErrorHandle error =
      attributes.answer.Lend(FieldText(attributes.entries[static_cast<std::size_t>(index)], field), answer);
  if (error != nullptr) return error;
  Broker().addRefContainer(answer);
  *result = answer;
  *found = 'T';
  return nullptr;
}

// The index of the attribute called `name` (a string container), or -1.
KORErrorHandle IndexOf(const AttributesObject& attributes, KORContainer name, std::int32_t& index) {
  index = -1;
  std::string text;
  try {
    if (!StringTextUTF8(name, text)) return InterfaceError("QUR: CQURString is invalid", kInvalidObjectID);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
  for (std::size_t i = 0; i < attributes.entries.size(); ++i) {
    if (attributes.entries[i].first == text) {
      index = static_cast<std::int32_t>(i);
      break;
    }
  }
  return nullptr;
}

// Without namespaces an attribute matches (uri, local name) when the URI is empty.
KORErrorHandle IndexOfNS(const AttributesObject& attributes, KORContainer uri, KORContainer localName,
                         std::int32_t& index) {
  index = -1;
  std::string uriText;
  try {
    if (!StringTextUTF8(uri, uriText)) return InterfaceError("QUR: CQURString is invalid", kInvalidObjectID);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
  return uriText.empty() ? IndexOf(attributes, localName, index) : nullptr;
}

template <Field field>
KORErrorHandle ByIndex(KORContainer handle, std::int32_t index, KORContainer* result, char* found) {
  AttributesObject* attributes = AttributesOf(handle);
  if (attributes == nullptr) return InvalidAttributes();
  return Answer(*attributes, index, field, result, found);
}

template <Field field>
KORErrorHandle ByName(KORContainer handle, KORContainer name, KORContainer* result, char* found) {
  AttributesObject* attributes = AttributesOf(handle);
  if (attributes == nullptr) return InvalidAttributes();
  std::int32_t index = -1;
  if (KORErrorHandle error = IndexOf(*attributes, name, index)) return error;
  return Answer(*attributes, index, field, result, found);
}

template <Field field>
KORErrorHandle ByNS(KORContainer handle, KORContainer uri, KORContainer localName, KORContainer* result, char* found) {
  AttributesObject* attributes = AttributesOf(handle);
  if (attributes == nullptr) return InvalidAttributes();
  std::int32_t index = -1;
  if (KORErrorHandle error = IndexOfNS(*attributes, uri, localName, index)) return error;
  return Answer(*attributes, index, field, result, found);
}

KORErrorHandle GetLength(KORContainer handle, std::int32_t* length) {
  const AttributesObject* attributes = AttributesOf(handle);
  if (attributes == nullptr || length == nullptr) return InvalidAttributes();
  *length = static_cast<std::int32_t>(attributes->entries.size());
  return nullptr;
}

KORErrorHandle GetIndexNS(KORContainer handle, KORContainer uri, KORContainer localName, std::int32_t* index) {
  const AttributesObject* attributes = AttributesOf(handle);
  if (attributes == nullptr || index == nullptr) return InvalidAttributes();
  return IndexOfNS(*attributes, uri, localName, *index);
}

KORErrorHandle GetIndex(KORContainer handle, KORContainer name, std::int32_t* index) {
  const AttributesObject* attributes = AttributesOf(handle);
  if (attributes == nullptr || index == nullptr) return InvalidAttributes();
  return IndexOf(*attributes, name, *index);
}

}  // namespace

KORErrorHandle LentAttributes::Lend(const char** pairs, KORContainer& result) {
  result = nullptr;
  if (container_.Reusable()) {
    try {
      object_->Fill(pairs);
    } catch (const std::bad_alloc&) {
      return OutOfMemory();
    }
  } else {
    AttributesObject* attributes = nullptr;
    try {
      attributes = new AttributesObject;
      attributes->Fill(pairs);
    } catch (const std::bad_alloc&) {
      delete attributes;
      container_.Reset();
      object_ = nullptr;
      return OutOfMemory();
    }
    KORContainer handle = nullptr;
    KORErrorHandle error = WrapObject(Interface::kKind.signature, attributes, &DestroyAttributes, &handle);
    container_.Adopt(handle);
    object_ = error == nullptr ? attributes : nullptr;
    if (error != nullptr) return error;
  }
  result = container_.get();
  return nullptr;
}

bool LentAttributes::Settle() noexcept {
  if (object_ == nullptr) return true;
  // An answer kept past the callback copies its text while the entries it
  // refers to are still there.
  bool settled = object_->answer.Settle();
  if (!container_.Reusable()) {
    try {
      object_->Own();
    } catch (const std::bad_alloc&) {
      object_->entries.clear();
      settled = false;
    }
  }
  return settled;
}

bool PublishAttributesProcedures() {
  const KORProc methods[] = {
      reinterpret_cast<KORProc>(static_cast<Interface::getLengthProc>(&GetLength)),
      reinterpret_cast<KORProc>(static_cast<Interface::byIndexProc>(&ByIndex<Field::URI>)),
      reinterpret_cast<KORProc>(static_cast<Interface::byIndexProc>(&ByIndex<Field::Name>)),
      reinterpret_cast<KORProc>(static_cast<Interface::byIndexProc>(&ByIndex<Field::Name>)),
      reinterpret_cast<KORProc>(static_cast<Interface::byIndexProc>(&ByIndex<Field::Type>)),
      reinterpret_cast<KORProc>(static_cast<Interface::byIndexProc>(&ByIndex<Field::Value>)),
      reinterpret_cast<KORProc>(static_cast<Interface::getIndexNSProc>(&GetIndexNS)),
      reinterpret_cast<KORProc>(static_cast<Interface::getIndexProc>(&GetIndex)),
      reinterpret_cast<KORProc>(static_cast<Interface::byNSProc>(&ByNS<Field::Type>)),
      reinterpret_cast<KORProc>(static_cast<Interface::byNameProc>(&ByName<Field::Type>)),
      reinterpret_cast<KORProc>(static_cast<Interface::byNSProc>(&ByNS<Field::Value>)),
      reinterpret_cast<KORProc>(static_cast<Interface::byNameProc>(&ByName<Field::Value>)),
  };
  return PublishObjectMethods(Interface::kKind, Interface::kMethods, methods);
}

}  // namespace qur
