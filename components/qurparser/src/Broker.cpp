#include "Broker.h"

#include <string>

namespace qur {
namespace {

// Constant-initialised, so that reaching a procedure costs no first-use check.
constinit BrokerProcedures procedures{};
BrokerProcedures& Procedures() { return procedures; }

template <class Proc>
bool Find(KORLookupFunction lookup, const char* interfaceName, const KORMethodName& name, Proc& out) {
  out = reinterpret_cast<Proc>(lookup(interfaceName, name.method, name.procedure));
  return out != nullptr;
}

template <class Proc>
bool FindOwn(KORLookupFunction lookup, const char* name, Proc& out) {
  return Find(lookup, kKORComponent, KORMethodName{name, name}, out);
}

}  // namespace

bool ConnectBroker(KORLookupFunction lookup) {
  if (lookup == nullptr) return false;
  BrokerProcedures found{};
  KORGetOffsetToPrimaryInstProc primaryOffset = nullptr;
  const bool complete =
      FindOwn(lookup, "KORRegisterProcAddress", found.registerProcAddress) &&
      FindOwn(lookup, "KORUnregisterInterface", found.unregisterInterface) &&
      Find(lookup, kKORContainerInterface, kKORContainerMethods[kKORContainerNewContainer], found.newContainer) &&
      Find(lookup, kKORContainerInterface, kKORContainerMethods[kKORContainerRelease], found.releaseContainer) &&
      Find(lookup, kKORContainerInterface, kKORContainerMethods[kKORContainerAddRef], found.addRefContainer) &&
      Find(lookup, kKORContainerInterface, kKORContainerMethods[kKORContainerGetSignature], found.getSignature) &&
      Find(lookup, kKORContainerInterface, kKORContainerMethods[kKORContainerDebugGetRefCountAddr],
           found.refCountAddress) &&
      Find(lookup, kKORContainerInterface, kKORContainerMethods[kKORContainerGetOffsetToPrimaryInstance],
           primaryOffset) &&
      Find(lookup, kKORErrorInterface, kKORErrorMethods[kKORNewError], found.newError) &&
      Find(lookup, kKORErrorInterface, kKORErrorMethods[kKORGetCoreError], found.getCoreError) &&
      Find(lookup, kKORErrorInterface, kKORErrorMethods[kKORErrorAddRef], found.addRefError) &&
      Find(lookup, kKORErrorInterface, kKORErrorMethods[kKORErrorRelease], found.releaseError) &&
      Find(lookup, kKORStringInterface, kKORStringMethods[kKORNewStringAtom], found.newStringAtom) &&
      Find(lookup, kKORStringInterface, kKORStringMethods[kKORDeleteStringAtom], found.deleteStringAtom);
  if (!complete) return false;
  found.primaryInstanceOffset = primaryOffset();
  Procedures() = found;
  return true;
}

void DisconnectBroker() { Procedures() = BrokerProcedures{}; }

const BrokerProcedures& Broker() { return Procedures(); }

KORErrorHandle InterfaceError(const char* message, std::intptr_t id) {
  return Broker().newError(message, kInterfaceComponent, id, nullptr, 0);
}

KORErrorHandle OutOfMemory() { return Broker().getCoreError(kKORCoreErrorOutOfMemory); }

KORErrorHandle WrapObject(const char* signature, void* object, KORInstanceDestroyFunction destroy,
                          KORContainer* result) {
  KORErrorHandle error = Broker().newContainer(signature, object, destroy, result);
  if (error != nullptr && destroy != nullptr) destroy(object);
  return error;
}

void* InstanceWithSignature(KORContainer container, KORStringAtom signature) {
  if (container == nullptr || Broker().getSignature(container, 1) != signature) return nullptr;
  // The broker has just vouched for the handle: its primary slot can be read.
  const auto* slot = reinterpret_cast<const KORInstanceSlot*>(reinterpret_cast<const unsigned char*>(container) +
                                                              Broker().primaryInstanceOffset);
  return slot->instance;
}

namespace {
// Constant-initialised: every call into an object of the parser reads it.
constinit SignatureAtoms signatureAtoms{};
SignatureAtoms& MutableSignatures() { return signatureAtoms; }
}  // namespace

bool MakeSignatureAtoms() {
  const auto make = [](const QURObjectKind& kind) { return Broker().newStringAtom(kind.signature); };
  SignatureAtoms atoms{make(_t_ZQURStringInterface::kKind), make(_t_ZQURAttributesInterface::kKind),
                       make(_t_ZQURLocatorInterface::kKind), make(_t_ZQURSAX2ParserInterface::kKind)};
  MutableSignatures() = atoms;
  if (atoms.string && atoms.attributes && atoms.locator && atoms.parser) return true;
  DropSignatureAtoms();
  return false;
}

void DropSignatureAtoms() {
  SignatureAtoms& atoms = MutableSignatures();
  for (KORStringAtom atom : {atoms.string, atoms.attributes, atoms.locator, atoms.parser}) {
    if (atom != nullptr) Broker().deleteStringAtom(atom);
  }
  atoms = SignatureAtoms{};
}

const SignatureAtoms& Signatures() { return MutableSignatures(); }

bool PublishInterface(const char* interfaceName, std::span<const KORMethodName> names,
                      std::span<const KORProc> procs) {
  for (std::size_t i = 0; i < names.size() && i < procs.size(); ++i) {
    KORErrorHandle error = Broker().registerProcAddress(interfaceName, names[i].method, names[i].procedure, procs[i]);
    if (error != nullptr) {
      Broker().releaseError(error);
      return false;
    }
  }
  return true;
}

bool PublishObjectMethods(const QURObjectKind& kind, std::span<const char* const> methods,
                          std::span<const KORProc> procs) {
  for (std::size_t i = 0; i < methods.size() && i < procs.size(); ++i) {
    const std::string procedure = std::string(kind.prefix) + methods[i] + "Meth";
    KORErrorHandle error = Broker().registerProcAddress(kind.signature, methods[i], procedure.c_str(), procs[i]);
    if (error != nullptr) {
      Broker().releaseError(error);
      return false;
    }
  }
  return true;
}

void LentContainer::Adopt(KORContainer container) {
  *container_.out() = container;
  references_ = container == nullptr ? nullptr : Broker().refCountAddress(container);
}

void ContainerReference::Reset() {
  if (container_ != nullptr) Broker().releaseContainer(container_);
  container_ = nullptr;
}

}  // namespace qur
