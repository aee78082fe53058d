#include "arborix/client/CQURString.h"

#include <utility>
#include <vector>

#include "ClientLayer.h"
#include "HolderCalls.h"
#include "ObjectHelpers.h"

using namespace arborix_internal;
using StringMethods = _t_ZQURStringInterface;

CQURString::CQURString(KORContainerObject* handle) : CQURString(CQURHandle(handle)) {}

// The method table is found at the first call, not when the holder is made:
// a handler reads few of the strings it is handed.
const TKORVTab<StringMethods>* CQURString::Table() {
  if (table_ == nullptr) table_ = &StringHelper().TableFor(handle_.get());
  return table_;
}

CQURString CQURString::FromUTF16(const UTF16String& text) {
  KORContainer made = nullptr;
  RaiseIfError(Use(Interface::NewString).Get<QURNewUTF16Proc>(kQURNewUTF16)(
      text.data(), static_cast<std::int32_t>(text.size()), kQURUTF16, &made));
  return CQURString(CQURHandle::Adopt(made));
}

CQURString CQURString::FromUTF8(const char* text) {
  KORContainer made = nullptr;
  RaiseIfError(Use(Interface::NewString).Get<QURNewUTF8Proc>(kQURNewUTF8)(text, -1, &made));
  return CQURString(CQURHandle::Adopt(made));
}

const char16_t* CQURString::w_str() {
  if (handle_.get() == nullptr) return nullptr;
  std::int32_t selector = kQURNoText;
  Invoke<StringMethods::getCharSelectorProc>(Table(), StringMethods::getCharSelector,
                                             handle_.get(), &selector);
  if (selector == kQURNoText) return nullptr;
  if (selector == kQURUTF8) {
    // w_str answers only for UTF-16 strings: hold a UTF-16 copy instead.
    std::int32_t size = 0;
    Invoke<StringMethods::getSizeProc>(Table(), StringMethods::getSize, handle_.get(), kQURUTF16, &size);
    // One unit more, so that even an empty text is passed as text, not as none.
    std::vector<char16_t> units(static_cast<std::size_t>(size > 0 ? size : 0) + 1);
    std::int32_t copied = 0;
    Invoke<StringMethods::copyUTF16Proc>(Table(), StringMethods::copyUTF16, handle_.get(), units.data(), size, &copied);
    KORContainer made = nullptr;
    RaiseIfError(Use(Interface::NewString).Get<QURNewUTF16Proc>(kQURNewUTF16)(units.data(), copied, kQURUTF16, &made));
    *this = CQURString(CQURHandle::Adopt(made));
  }
  const char16_t* text = nullptr;
  Invoke<StringMethods::w_strProc>(Table(), StringMethods::w_str, handle_.get(), &text);
  return text;
}

std::int32_t CQURString::MostUTF16Units() {
  if (handle_.get() == nullptr) return 0;
  // One question answers for either way the parser keeps the text: no text
  // takes more UTF-16 units than it has UTF-8 bytes.
  std::int32_t size = 0;
  Invoke<StringMethods::getSizeProc>(Table(), StringMethods::getSize, handle_.get(), kQURUTF8, &size);
  return size > 0 ? size : 0;
}

std::int32_t CQURString::CopyUTF16(char16_t* buffer, std::int32_t capacity) {
  if (handle_.get() == nullptr || capacity <= 0) return 0;
  std::int32_t copied = 0;
  Invoke<StringMethods::copyUTF16Proc>(Table(), StringMethods::copyUTF16, handle_.get(), buffer, capacity, &copied);
  return copied;
}

void CQURString::GetText(UTF16String& text) {
  text.resize(static_cast<std::size_t>(MostUTF16Units()));
  text.resize(static_cast<std::size_t>(CopyUTF16(text.data(), static_cast<std::int32_t>(text.size()))));
}

UTF16String CQURString::GetText() {
  UTF16String text;
  GetText(text);
  return text;
}
