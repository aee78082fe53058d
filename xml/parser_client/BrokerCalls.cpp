#include "BrokerCalls.h"

#include <utility>

#include "ClientLayer.h"
#include "ErrorConversion.h"

namespace arborix_internal {
namespace {

template <class Proc, class... Args>
auto Call(Interface which, int index, Args... args) {
  return Use(which).Get<Proc>(index)(args...);
}

}  // namespace

std::int32_t AddRefContainer(KORContainer container) {
  return Call<KORAddRefContainerProc>(Interface::Container, kKORContainerAddRef, container);
}

std::int32_t ReleaseContainer(KORContainer container) {
  return Call<KORReleaseContainerProc>(Interface::Container, kKORContainerRelease, container);
}

void* NGetInstance(KORContainer container, KORStringAtom signature) {
  return Call<KORNGetInstanceProc>(Interface::Container, kKORContainerNGetInstance, container, signature);
}

KORProc GetMethod(KORContainer container, KORStringAtom method, KORStringAtom procedure) {
  return Call<KORGetMethodProc>(Interface::Container, kKORContainerGetMethod, container, method, procedure, 1);
}

KORErrorHandle NewError(const char* message, const char* component, std::intptr_t id) {
  return Call<KORNewErrorProc>(Interface::Error, kKORNewError, message, component, id, nullptr, 0);
}

KORErrorHandle CoreError(std::int32_t which) {
  return Call<KORGetCoreErrorProc>(Interface::Error, kKORGetCoreError, which);
}

void AddRefError(KORErrorHandle error) { Call<KORErrorAddRefProc>(Interface::Error, kKORErrorAddRef, error); }
void ReleaseError(KORErrorHandle error) { Call<KORErrorReleaseProc>(Interface::Error, kKORErrorRelease, error); }

const char* ErrorMessage(KORErrorHandle error) {
  return AtomText(Call<KORErrorGetMessageProc>(Interface::Error, kKORErrorGetMessage, error));
}

const char* ErrorComponent(KORErrorHandle error) {
  return AtomText(Call<KORErrorGetComponentProc>(Interface::Error, kKORErrorGetComponent, error));
}

std::intptr_t ErrorID(KORErrorHandle error) {
  return Call<KORErrorGetIDProc>(Interface::Error, kKORErrorGetID, error);
}

const char* AtomText(KORStringAtom atom) {
  if (atom == nullptr) return "";
  const char* text = Call<KORGetCStringProc>(Interface::String, kKORGetCString, atom);
  return text == nullptr ? "" : text;
}

void* AllocateBlock(std::size_t size) { return Call<KORMemAllocProc>(Interface::Memory, kKORMemAlloc, size); }
void FreeBlock(void* block) { Call<KORMemFreeProc>(Interface::Memory, kKORMemFree, block); }

const KORInstanceSlot& PrimarySlot(KORContainer container) {
  return *reinterpret_cast<const KORInstanceSlot*>(reinterpret_cast<const unsigned char*>(container) +
                                                   PrimaryInstanceOffset());
}

StringAtom::StringAtom(const char* text)
    : atom_(Call<KORNewStringAtomProc>(Interface::String, kKORNewStringAtom, text)) {
  if (atom_ == nullptr) throw BadAllocation();
}

void DeleteStringAtom(KORStringAtom atom) noexcept {
  if (atom == nullptr) return;
  try {
    Call<KORDeleteStringAtomProc>(Interface::String, kKORDeleteStringAtom, atom);
  } catch (...) {
    // The broker is gone, and the atom with it.
  }
}

StringAtom::~StringAtom() { DeleteStringAtom(atom_); }

KORStringAtom StringAtom::release() { return std::exchange(atom_, nullptr); }

}  // namespace arborix_internal
