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
  // Name and value as Expat gives them, in UTF-8: a handler converts what it reads.
  std::vector<std::pair<std::string, std::string>> entries;
  // Lookups answer in this string while no one else holds it (see LentString).
  LentString answer;

  // Replaces the entries, reusing the strings of the ones before; throws std::bad_alloc.
  void Fill(const char** pairs) {
    std::size_t count = 0;
    for (const char** pair = pairs; pair != nullptr && *pair != nullptr; pair += 2) {
      if (count == entries.size()) entries.emplace_back();
      auto& [name, value] = entries[count++];
      name.assign(pair[0]);
      value.assign(pair[1]);
    }
    entries.resize(count);
  }
};

namespace {

void DestroyAttributes(void* object) { delete static_cast<AttributesObject*>(object); }

AttributesObject* AttributesOf(KORContainer handle) {
  return static_cast<AttributesObject*>(InstanceWithSignature(handle, Signatures().attributes));
}

KORErrorHandle InvalidAttributes() { return InterfaceError("QUR: CQURAttributes is invalid", kInvalidObjectID); }

enum class Field { URI, Name, Type, Value };

std::string_view FieldText(const std::pair<std::string, std::string>& entry, Field field) {
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
