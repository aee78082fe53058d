#include "StringObject.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "Broker.h"
#include "QURParser.h"
#include "platform/BlockPool.h"
#include "platform/UnicodeTranscoding.h"

namespace qur {

using Interface = _t_ZQURStringInterface;

struct StringObject : platform::PoolAllocated<StringObject> {
  std::int32_t selector = kQURNoText;
  // The UTF-8 text: `owned`, or while it is lent, the parser's own bytes
  // (followed by a NUL), which stay where they are until Own copies them.
  std::string_view utf8;
  std::string owned;
  std::u16string utf16;

  std::string UTF8() const { return selector == kQURUTF16 ? platform::ToUTF8(utf16) : std::string(utf8); }
  std::u16string UTF16() const { return selector == kQURUTF8 ? platform::ToUTF16(utf8) : utf16; }
  // Keeps a copy of `text`, or nothing for a null text; throws std::bad_alloc.
  void SetUTF8(std::string_view text, bool none = false) {
    owned.assign(text);
    utf8 = owned;
    utf16.clear();
    selector = none ? kQURNoText : kQURUTF8;
  }
  void SetUTF16(std::u16string_view text, bool none = false) {
    utf16.assign(text);
    owned.clear();
    utf8 = owned;
    selector = none ? kQURNoText : kQURUTF16;
  }
  // Refers to `text` as it is, without a copy: a reader converts it once,
  // into storage of its own.
  void LendUTF8(std::string_view text) noexcept {
    utf8 = text;
    utf16.clear();
    selector = kQURUTF8;
  }
  bool Lent() const noexcept { return utf8.data() != owned.data(); }
  // Copies a lent text into the string's own storage; throws std::bad_alloc.
  void Own() {
    if (Lent()) SetUTF8(utf8);
  }
  // The length of the text in the units of `wanted`.
  std::size_t Size(std::int32_t wanted) const {
    if (wanted == kQURUTF16) return selector == kQURUTF8 ? platform::UTF16LengthOf(utf8) : utf16.size();
    return selector == kQURUTF16 ? UTF8().size() : utf8.size();
  }
};

namespace {

void DestroyString(void* object) { delete static_cast<StringObject*>(object); }

KORErrorHandle Wrap(StringObject* object, KORContainer* result) {
  if (result == nullptr) {
    delete object;
    return InterfaceError("QUR: a string needs a place for its result", kInvalidObjectID);
  }
  *result = nullptr;
  if (object == nullptr) return OutOfMemory();
  return WrapObject(Interface::kKind.signature, object, &DestroyString, result);
}

// A new string filled by `fill`; running out of memory gives the broker's error.
template <class Fill>
KORErrorHandle MakeString(Fill fill, KORContainer* result) {
  StringObject* string = nullptr;
  try {
    string = new StringObject;
    fill(*string);
  } catch (const std::bad_alloc&) {
    delete string;
    string = nullptr;
  }
  return Wrap(string, result);
}

StringObject* StringOf(KORContainer string) {
  return static_cast<StringObject*>(InstanceWithSignature(string, Signatures().string));
}

KORErrorHandle InvalidString() { return InterfaceError("QUR: CQURString is invalid", kInvalidObjectID); }

// Runs `body` on the string behind `handle`, turning allocation failures
// into the broker's out-of-memory error.
template <class Body>
KORErrorHandle WithString(KORContainer handle, Body body) {
  StringObject* string = StringOf(handle);
  if (string == nullptr) return InvalidString();
  try {
    return body(*string);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

std::size_t Length(std::int32_t count) { return count < 0 ? 0 : static_cast<std::size_t>(count); }

KORErrorHandle NewUTF16(const char16_t* units, std::int32_t count, std::int32_t selector, KORContainer* result) {
  if (units != nullptr && count < 0) count = static_cast<std::int32_t>(std::char_traits<char16_t>::length(units));
  return MakeString(
      [&](StringObject& string) {
        if (units == nullptr) return;
        const std::u16string_view text(units, Length(count));
        if (selector == kQURUTF8) {
          string.SetUTF8(platform::ToUTF8(text));
        } else {
          string.SetUTF16(text);
        }
      },
      result);
}

KORErrorHandle NewUTF8(const char* text, std::int32_t count, KORContainer* result) {
  if (text == nullptr) return MakeString([](StringObject&) {}, result);
  const std::string_view view = count < 0 ? std::string_view(text) : std::string_view(text, Length(count));
  return NewUTF8String(view, result);
}

KORErrorHandle ConvertToPCDATA(KORContainer source, KORContainer* result) {
  return WithString(source, [&](const StringObject& string) {
    std::string escaped;
    for (const char c : string.UTF8()) {
      switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        default: escaped += c;
      }
    }
    return NewUTF8String(escaped, result);
  });
}

KORErrorHandle NewFromAppend(KORContainer first, KORContainer second, KORContainer* result) {
  StringObject* tail = StringOf(second);
  if (tail == nullptr) return InvalidString();
  return WithString(first, [&](const StringObject& head) {
    return MakeString(
        [&](StringObject& joined) {
          const std::int32_t selector = head.selector == kQURNoText ? tail->selector : head.selector;
          if (selector == kQURUTF16) {
            joined.SetUTF16(head.UTF16() + tail->UTF16());
          } else {
            joined.SetUTF8(head.UTF8() + tail->UTF8(), selector == kQURNoText);
          }
        },
        result);
  });
}

KORErrorHandle Equals(KORContainer a, KORContainer b, char* result, bool wanted) {
  StringObject* other = StringOf(b);
  if (other == nullptr || result == nullptr) return InvalidString();
  return WithString(a, [&](const StringObject& string) {
    const bool equal = string.selector == other->selector && string.selector != kQURUTF16
                           ? string.utf8 == other->utf8
                           : string.UTF16() == other->UTF16();
    *result = equal == wanted ? 'T' : 0;
    return KORErrorHandle{};
  });
}

KORErrorHandle OperatorEquals(KORContainer a, KORContainer b, char* result) { return Equals(a, b, result, true); }
KORErrorHandle OperatorNotEquals(KORContainer a, KORContainer b, char* result) { return Equals(a, b, result, false); }

KORErrorHandle GetCharSelector(KORContainer handle, std::int32_t* selector) {
  if (selector == nullptr) return InvalidString();
  return WithString(handle, [&](const StringObject& string) {
    *selector = string.selector;
    return KORErrorHandle{};
  });
}

KORErrorHandle GetSize(KORContainer handle, std::int32_t selector, std::int32_t* size) {
  if (size == nullptr) return InvalidString();
  return WithString(handle, [&](const StringObject& string) {
    *size = static_cast<std::int32_t>(std::min<std::size_t>(string.Size(selector), INT32_MAX));
    return KORErrorHandle{};
  });
}

template <class Text>
KORErrorHandle CopyOut(const Text& text, typename Text::value_type* buffer, std::int32_t capacity,
                       std::int32_t* copied) {
  if (copied == nullptr || (buffer == nullptr && capacity > 0)) return InvalidString();
  const std::size_t count = std::min(text.size(), Length(capacity));
  std::copy_n(text.data(), count, buffer);
  *copied = static_cast<std::int32_t>(count);
  return nullptr;
}

KORErrorHandle CopyUTF16(KORContainer handle, char16_t* buffer, std::int32_t capacity, std::int32_t* copied) {
  return WithString(handle, [&](const StringObject& string) {
    if (string.selector != kQURUTF8) return CopyOut(string.utf16, buffer, capacity, copied);
    // With room for a unit per byte, the text is converted straight into the
    // caller's buffer; with less, it is converted aside and cut.
    if (copied == nullptr || buffer == nullptr || Length(capacity) < string.utf8.size()) {
      return CopyOut(string.UTF16(), buffer, capacity, copied);
    }
    *copied = static_cast<std::int32_t>(platform::WriteAsUTF16(string.utf8, buffer));
    return KORErrorHandle{};
  });
}

KORErrorHandle CopyUTF8(KORContainer handle, char* buffer, std::int32_t capacity, std::int32_t* copied) {
  return WithString(handle, [&](const StringObject& string) { return CopyOut(string.UTF8(), buffer, capacity, copied); });
}

KORErrorHandle CStr(KORContainer handle, const char** text) {
  return WithString(handle, [&](StringObject& string) {
    if (text == nullptr || string.selector != kQURUTF8) {
      return InterfaceError("QUR: c_str needs a UTF-8 string", kUnsupportedID);
    }
    // The pointer stays good as long as the string: a lent text is copied first.
    string.Own();
    *text = string.owned.c_str();
    return KORErrorHandle{};
  });
}

KORErrorHandle WStr(KORContainer handle, const char16_t** text) {
  return WithString(handle, [&](const StringObject& string) {
    if (text == nullptr || string.selector != kQURUTF16) {
      return InterfaceError("QUR: w_str needs a UTF-16 string", kUnsupportedID);
    }
    *text = string.utf16.c_str();
    return KORErrorHandle{};
  });
}

KORErrorHandle SetStringUTF16(KORContainer handle, const char16_t* units, std::int32_t count) {
  return WithString(handle, [&](StringObject& string) {
    string.SetUTF16(units == nullptr ? std::u16string_view() : std::u16string_view(units, Length(count)),
                    units == nullptr);
    return KORErrorHandle{};
  });
}

KORErrorHandle SetStringUTF8(KORContainer handle, const char* text, std::int32_t count) {
  return WithString(handle, [&](StringObject& string) {
    string.SetUTF8(text == nullptr ? std::string_view()
                   : count < 0     ? std::string_view(text)
                                   : std::string_view(text, Length(count)),
                   text == nullptr);
    return KORErrorHandle{};
  });
}

}  // namespace

KORErrorHandle NewUTF8String(std::string_view text, KORContainer* result) {
  return MakeString([&](StringObject& string) { string.SetUTF8(text); }, result);
}

KORErrorHandle LentString::Lend(std::string_view utf8, KORContainer& result) {
  result = nullptr;
  if (!container_.Reusable()) {
    // The string lent before, still held elsewhere, keeps a copy of its text;
    // a new one is lent.
    StringObject* made = nullptr;
    KORContainer handle = nullptr;
    KORErrorHandle error = Settle() ? MakeString([&](StringObject& string) { made = &string; }, &handle) : OutOfMemory();
    container_.Adopt(handle);
    object_ = made;
    if (error != nullptr) return error;
  }
  object_->LendUTF8(utf8);
  result = container_.get();
  return nullptr;
}

bool LentString::OwnHeld() noexcept {
  if (!object_->Lent()) return true;
  try {
    object_->Own();
    return true;
  } catch (const std::bad_alloc&) {
    // Without memory for the copy, the text is gone rather than left pointing
    // at bytes that move on.
    object_->SetUTF8({}, true);
    return false;
  }
}

KORErrorHandle NewUTF16String(std::u16string_view text, KORContainer* result) {
  return MakeString(
      [&](StringObject& string) { string.SetUTF16(text); },
      result);
}

bool StringTextUTF8(KORContainer handle, std::string& text) {
  const StringObject* string = StringOf(handle);
  if (string == nullptr) return false;
  text = string->UTF8();
  return true;
}

bool PublishStringProcedures() {
  const KORProc factory[] = {
      reinterpret_cast<KORProc>(static_cast<QURNewUTF16Proc>(&NewUTF16)),
      reinterpret_cast<KORProc>(static_cast<QURNewUTF8Proc>(&NewUTF8)),
      reinterpret_cast<KORProc>(static_cast<QURConvertToPCDATAProc>(&ConvertToPCDATA)),
      reinterpret_cast<KORProc>(static_cast<QURNewFromAppendProc>(&NewFromAppend)),
  };
  const KORProc methods[] = {
      reinterpret_cast<KORProc>(static_cast<Interface::operatorEqualsProc>(&OperatorEquals)),
      reinterpret_cast<KORProc>(static_cast<Interface::operatorEqualsProc>(&OperatorNotEquals)),
      reinterpret_cast<KORProc>(static_cast<Interface::getCharSelectorProc>(&GetCharSelector)),
      reinterpret_cast<KORProc>(static_cast<Interface::getSizeProc>(&GetSize)),
      reinterpret_cast<KORProc>(static_cast<Interface::copyUTF16Proc>(&CopyUTF16)),
      reinterpret_cast<KORProc>(static_cast<Interface::copyUTF8Proc>(&CopyUTF8)),
      reinterpret_cast<KORProc>(static_cast<Interface::c_strProc>(&CStr)),
      reinterpret_cast<KORProc>(static_cast<Interface::setStringUTF16Proc>(&SetStringUTF16)),
      reinterpret_cast<KORProc>(static_cast<Interface::setStringUTF8Proc>(&SetStringUTF8)),
      reinterpret_cast<KORProc>(static_cast<Interface::w_strProc>(&WStr)),
  };
  return PublishInterface(kQURNewStringInterface, kQURNewStringMethods, factory) &&
         PublishObjectMethods(Interface::kKind, Interface::kMethods, methods);
}

}  // namespace qur
