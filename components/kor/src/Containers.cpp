#include "Containers.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "Errors.h"
#include "KOR.h"
#include "ProcedureRegistry.h"
#include "StringAtoms.h"
#include "platform/BlockPool.h"

namespace {

struct Instance {
  KORStringAtom signature;
  void* object;
  KORInstanceDestroyFunction destroy;
};

}  // namespace

// Standard layout, so that the primary slot's offset is fixed and public.
struct alignas(64) KORContainerObject {
  std::int32_t references;
  KORInstanceSlot primary;  // mirrors instances->front()
  std::vector<Instance>* instances;
  KORContainer cloneOf;  // the original a clone keeps alive, or null
  bool live;
};

namespace kor {
namespace {

constexpr const char* kComponent = "KOR";
constexpr std::intptr_t kErrorBadArgument = 1;
constexpr std::intptr_t kErrorUnknownContainer = 2;

// Container blocks come from a pool of blocks, which gives its slabs back to
// the system once they are empty. A handle is read only once the pool knows
// it as the start of one of its blocks, so a stale or foreign pointer is
// refused instead of followed, and the live flag of a block tells a live
// container from a dead one: freed blocks stay readable.
constinit platform::BlockPool pool{sizeof(KORContainerObject), platform::BlockPool::FreedBlocks::Readable};

bool IsLive(KORContainer container) { return container != nullptr && pool.Contains(container) && container->live; }

KORErrorHandle BadArgument(const char* message) { return NewError(message, kComponent, kErrorBadArgument, __FILE__, __LINE__); }

void UpdatePrimary(KORContainer container) {
  const Instance& first = container->instances->front();
  container->primary = KORInstanceSlot{first.signature, first.object};
}

void DestroyContainer(KORContainer container) {
  container->live = false;
  std::vector<Instance>* instances = container->instances;
  for (auto it = instances->rbegin(); it != instances->rend(); ++it) {
    if (it->destroy != nullptr) it->destroy(it->object);
    DeleteStringAtom(it->signature);
  }
  const KORContainer original = container->cloneOf;
  delete instances;
  pool.Give(container);
  if (original != nullptr && IsLive(original) && --original->references <= 0) DestroyContainer(original);
}

const Instance* InstanceNumber(KORContainer container, std::int32_t number) {
  if (!IsLive(container) || number < 1 || static_cast<std::size_t>(number) > container->instances->size()) {
    return nullptr;
  }
  return &(*container->instances)[static_cast<std::size_t>(number - 1)];
}

// Builds a container from instance specs; all or nothing.
KORErrorHandle MakeContainer(std::int32_t count, const KORInstanceSpec* specs, KORContainer cloneOf,
                             KORContainer* result) {
  if (result == nullptr || count < 1 || specs == nullptr) return BadArgument("a container needs instances");
  *result = nullptr;
  for (std::int32_t i = 0; i < count; ++i) {
    if (specs[i].signature == nullptr) return BadArgument("an instance needs a signature");
  }
  KORContainer container = nullptr;
  try {
    void* block = pool.Take();
    if (block == nullptr) throw std::bad_alloc();
    container = new (block) KORContainerObject{};
    container->instances = new std::vector<Instance>;
    container->instances->reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
      KORStringAtom signature = NewStringAtom(specs[i].signature);
      if (signature == nullptr) throw std::bad_alloc();
      container->instances->push_back(Instance{signature, specs[i].instance, specs[i].destroy});
    }
  } catch (const std::bad_alloc&) {
    if (container != nullptr) {
      if (container->instances != nullptr) {
        for (const Instance& instance : *container->instances) DeleteStringAtom(instance.signature);
      }
      delete container->instances;
      pool.Give(container);
    }
    return CoreError(kKORCoreErrorOutOfMemory);
  }
  container->references = 1;
  container->cloneOf = cloneOf;
  container->live = true;
  UpdatePrimary(container);
  *result = container;
  return nullptr;
}

std::int32_t Release(KORContainer container) {
  if (!IsLive(container)) return -1;
  if (--container->references > 0) return container->references;
  DestroyContainer(container);
  return 0;
}

KORErrorHandle NewFullContainer(std::int32_t count, const KORInstanceSpec* instances, KORContainer* result) {
  return MakeContainer(count, instances, nullptr, result);
}

KORErrorHandle NewContainer(const char* signature, void* instance, KORInstanceDestroyFunction destroy,
                            KORContainer* result) {
  const KORInstanceSpec instanceDescription{signature, instance, destroy};
  return MakeContainer(1, &instanceDescription, nullptr, result);
}

KORErrorHandle CloneContainer(KORContainer original, KORContainer* result) {
  if (!IsLive(original)) return NewError("unknown container", kComponent, kErrorUnknownContainer, __FILE__, __LINE__);
  std::vector<KORInstanceSpec> specs;
  for (const Instance& instance : *original->instances) {
    specs.push_back(KORInstanceSpec{StringAtomText(instance.signature), instance.object, nullptr});
  }
  KORErrorHandle error = MakeContainer(static_cast<std::int32_t>(specs.size()), specs.data(), original, result);
  if (error == nullptr) ++original->references;
  return error;
}

std::int32_t AddRef(KORContainer container) { return IsLive(container) ? ++container->references : 0; }

std::int32_t DecrementWithoutDelete(KORContainer container) {
  if (!IsLive(container)) return -1;
  if (container->references > 0) --container->references;
  return container->references;
}

KORErrorHandle RegisterInterface(const char* interfaceName, const char* parentName, std::int32_t count,
                                 const KORMethodName* names, const KORProc* procs) {
  if (interfaceName == nullptr || count < 0 || (count > 0 && (names == nullptr || procs == nullptr))) {
    return BadArgument("an interface needs a name and its procedures");
  }
  const auto size = static_cast<std::size_t>(count);
  RegisterProcedures(interfaceName, {names, size}, {procs, size});
  SetParentInterface(interfaceName, parentName);
  return nullptr;
}

KORErrorHandle RegisterInstance(KORContainer container, const KORInstanceSpec* instanceDescription) {
  if (!IsLive(container)) return NewError("unknown container", kComponent, kErrorUnknownContainer, __FILE__, __LINE__);
  if (instanceDescription == nullptr || instanceDescription->signature == nullptr) return BadArgument("an instance needs a signature");
  KORStringAtom signature = NewStringAtom(instanceDescription->signature);
  if (signature == nullptr) return CoreError(kKORCoreErrorOutOfMemory);
  try {
    container->instances->push_back(Instance{signature, instanceDescription->instance, instanceDescription->destroy});
  } catch (const std::bad_alloc&) {
    DeleteStringAtom(signature);
    return CoreError(kKORCoreErrorOutOfMemory);
  }
  UpdatePrimary(container);
  return nullptr;
}

KORProc GetMethod(KORContainer container, KORStringAtom method, KORStringAtom procedure,
                  std::int32_t instanceNumber) {
  const Instance* instance = InstanceNumber(container, instanceNumber);
  if (instance == nullptr || method == nullptr || procedure == nullptr) return nullptr;
  return FindProcedureWithParents(StringAtomText(instance->signature), StringAtomText(method),
                                  StringAtomText(procedure));
}

KORProc GetParentMethod(KORContainer container, KORStringAtom method, KORStringAtom procedure,
                        std::int32_t instanceNumber) {
  const Instance* instance = InstanceNumber(container, instanceNumber);
  if (instance == nullptr || method == nullptr || procedure == nullptr) return nullptr;
  return FindProcedureWithParents(ParentInterface(StringAtomText(instance->signature)), StringAtomText(method),
                                  StringAtomText(procedure));
}

void* GetInstance(KORContainer container, std::int32_t instanceNumber) {
  const Instance* instance = InstanceNumber(container, instanceNumber);
  return instance == nullptr ? nullptr : instance->object;
}

void* NGetInstance(KORContainer container, KORStringAtom signature) {
  if (!IsLive(container) || signature == nullptr) return nullptr;
  for (const Instance& instance : *container->instances) {
    if (instance.signature == signature) return instance.object;
  }
  return nullptr;
}

KORStringAtom GetSignature(KORContainer container, std::int32_t instanceNumber) {
  // Asked on every call into a component's object: the primary slot answers
  // for the first instance without a look into the list.
  if (instanceNumber == 1) return IsLive(container) ? container->primary.signature : nullptr;
  const Instance* instance = InstanceNumber(container, instanceNumber);
  return instance == nullptr ? nullptr : instance->signature;
}

const std::int32_t* RefCountAddress(KORContainer container) {
  return IsLive(container) ? &container->references : nullptr;
}

std::int32_t OffsetToPrimaryInstance() { return static_cast<std::int32_t>(offsetof(KORContainerObject, primary)); }

}  // namespace

void RegisterContainerInterface() {
  const KORProc procs[] = {
      reinterpret_cast<KORProc>(static_cast<KORReleaseContainerProc>(&Release)),
      reinterpret_cast<KORProc>(static_cast<KORNewFullContainerProc>(&NewFullContainer)),
      reinterpret_cast<KORProc>(static_cast<KORNewContainerProc>(&NewContainer)),
      reinterpret_cast<KORProc>(static_cast<KORCloneContainerProc>(&CloneContainer)),
      reinterpret_cast<KORProc>(static_cast<KORAddRefContainerProc>(&AddRef)),
      reinterpret_cast<KORProc>(static_cast<KORDecrementWithoutDeleteProc>(&DecrementWithoutDelete)),
      reinterpret_cast<KORProc>(static_cast<KORRegisterInterfaceProc>(&RegisterInterface)),
      reinterpret_cast<KORProc>(static_cast<KORRegisterInstanceProc>(&RegisterInstance)),
      reinterpret_cast<KORProc>(static_cast<KORGetMethodProc>(&GetMethod)),
      reinterpret_cast<KORProc>(static_cast<KORGetParentMethodProc>(&GetParentMethod)),
      reinterpret_cast<KORProc>(static_cast<KORGetInstanceProc>(&GetInstance)),
      reinterpret_cast<KORProc>(static_cast<KORNGetInstanceProc>(&NGetInstance)),
      reinterpret_cast<KORProc>(static_cast<KORGetSignatureProc>(&GetSignature)),
      reinterpret_cast<KORProc>(static_cast<KORGetRefCountAddrProc>(&RefCountAddress)),
      reinterpret_cast<KORProc>(static_cast<KORGetOffsetToPrimaryInstProc>(&OffsetToPrimaryInstance)),
  };
  RegisterProcedures(kKORContainerInterface, kKORContainerMethods, procs);
}

}  // namespace kor
