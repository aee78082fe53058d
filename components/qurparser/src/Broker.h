// The broker procedures the parser uses, found through the lookup function
// given at start, and the small conveniences built on them.
#pragma once

#include <cstdint>
#include <span>

#include "KOR.h"
#include "QURParser.h"

namespace qur {

struct BrokerProcedures {
  KORRegisterProcAddressProc registerProcAddress;
  KORUnregisterInterfaceProc unregisterInterface;
  KORNewContainerProc newContainer;
  KORReleaseContainerProc releaseContainer;
  KORAddRefContainerProc addRefContainer;
  KORGetSignatureProc getSignature;
  KORGetRefCountAddrProc refCountAddress;
  KORNewErrorProc newError;
  KORGetCoreErrorProc getCoreError;
  KORErrorAddRefProc addRefError;
  KORErrorReleaseProc releaseError;
  KORNewStringAtomProc newStringAtom;
  KORDeleteStringAtomProc deleteStringAtom;
  // Bytes from a container handle to its primary instance's slot.
  std::int32_t primaryInstanceOffset;
};

// Finds every procedure above; false (and nothing kept) when one is missing.
bool ConnectBroker(KORLookupFunction lookup);
void DisconnectBroker();
const BrokerProcedures& Broker();

// Component "QUR": misuse of the interface.
inline constexpr const char* kInterfaceComponent = "QUR";
inline constexpr std::intptr_t kInvalidObjectID = 3;
inline constexpr std::intptr_t kUnsupportedID = 4;
inline constexpr std::intptr_t kWrongStateID = 5;

KORErrorHandle InterfaceError(const char* message, std::intptr_t id);
KORErrorHandle OutOfMemory();

// Wraps `object` in a new container with one reference; on failure `object`
// is destroyed with `destroy` and the error returned.
KORErrorHandle WrapObject(const char* signature, void* object, KORInstanceDestroyFunction destroy,
                          KORContainer* result);

// The primary instance of `container` when its signature is `signature`:
// one broker call, which also refuses a handle that is not a live container.
void* InstanceWithSignature(KORContainer container, KORStringAtom signature);

// The signature atoms of the parser's own objects, made at start.
struct SignatureAtoms {
  KORStringAtom string;
  KORStringAtom attributes;
  KORStringAtom locator;
  KORStringAtom parser;
};
bool MakeSignatureAtoms();
void DropSignatureAtoms();
const SignatureAtoms& Signatures();

// Publish procedures with the broker: a factory interface under its names, an
// object kind's methods under (signature, method, prefix + method + "Meth").
bool PublishInterface(const char* interfaceName, std::span<const KORMethodName> names,
                      std::span<const KORProc> procs);
bool PublishObjectMethods(const QURObjectKind& kind, std::span<const char* const> methods,
                          std::span<const KORProc> procs);

// Releases a container reference when it goes out of scope.
class ContainerReference {
 public:
  ContainerReference() = default;
  explicit ContainerReference(KORContainer container) : container_(container) {}
  ContainerReference(const ContainerReference&) = delete;
  ContainerReference& operator=(const ContainerReference&) = delete;
  ~ContainerReference() { Reset(); }
  KORContainer get() const { return container_; }
  KORContainer* out() { Reset(); return &container_; }
  void Reset();

 private:
  KORContainer container_ = nullptr;
};

// A container that the parser lends to handler callbacks, call after call.
// While the parser holds the only reference, the object in it may be refilled
// in place for the next call; once a handler has kept a reference, the parser
// lets the container go to the handler and makes a new one.
class LentContainer {
 public:
  KORContainer get() const { return container_.get(); }
  // True when there is a container and no one but the parser holds it.
  bool Reusable() const { return references_ != nullptr && *references_ == 1; }
  // Takes over the reference `container` comes with, letting the previous one go.
  void Adopt(KORContainer container);
  void Reset() {
    container_.Reset();
    references_ = nullptr;
  }

 private:
  ContainerReference container_;
  const std::int32_t* references_ = nullptr;
};

}  // namespace qur
