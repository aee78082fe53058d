// KOR: the application's component broker. Components publish procedures
// under (component or interface name, method name, procedure name); clients
// obtain one lookup function from the broker's bootstrap export and find every
// procedure through it. The broker also owns the shared object model:
// reference-counted containers, string atoms, memory blocks and error handles.
//
// Object model
// - Container: a broker-owned block that a handle (KORContainer) points to. It
//   holds one or more instances; each instance is a pointer to a component's
//   object, tagged with a signature atom ("QURString", "QURContentHandler"...)
//   and an optional destroy function run when the last reference goes. The
//   first instance is the primary one: its KORInstanceSlot sits at the offset
//   that "GetOffsetToPrimaryInstance" returns, counted from the handle, so a
//   client can read an object's signature without a call.
// - String atom: an interned, reference-counted, null-terminated 8-bit text.
//   Equal texts give the same atom, so atoms compare by pointer.
// - Error handle: reference-counted (component, ID, message, source location).
//   The ID is pointer-sized so that an error can carry another handle. Core
//   error 0 is the generic failure, core error 1 is out of memory (component
//   "ZEV", ID 1); core errors are never freed.
// Every procedure that can fail returns null or an error handle that the caller
// owns (one reference). Procedures are looked up, never linked, except the
// bootstrap export below.
#pragma once

#include <cstddef>
#include <cstdint>

#include "KORExport.h"

struct KORContainerObject;
struct KORStringAtomObject;
struct KORErrorObject;

using KORContainer = KORContainerObject*;
using KORStringAtom = KORStringAtomObject*;
using KORErrorHandle = KORErrorObject*;

// Every looked-up procedure travels as this type and is cast to its own
// signature (below) before the call.
using KORProc = void (*)();
// The broker's lookup: (component or interface name, method name, procedure
// name) -> the registered procedure, or null.
using KORLookupFunction = KORProc (*)(const char* component, const char* method,
                                      const char* procedure);

// What sits at the primary-instance offset of every container.
struct KORInstanceSlot {
  KORStringAtom signature;  // null for a container that has no instance
  void* instance;
};

// Run with the instance when the container that holds it is destroyed.
using KORInstanceDestroyFunction = void (*)(void* instance);

struct KORInstanceSpec {
  const char* signature;
  void* instance;
  KORInstanceDestroyFunction destroy;  // may be null: the instance is not owned
};

// One entry of an interface: the method name and the procedure name it is
// registered under.
struct KORMethodName {
  const char* method;
  const char* procedure;
};

// ---------------------------------------------------------------------------
// The broker's own procedures, component "KOR", method name = procedure name.

inline constexpr const char* kKORComponent = "KOR";

// "KORRegisterProcAddress": publishes `proc` under the three names, replacing
// an earlier registration of the same names.
using KORRegisterProcAddressProc = KORErrorHandle (*)(const char* component, const char* method,
                                                      const char* procedure, KORProc proc);
// "KORReportError": writes the error's component, ID and message to the
// debugger output; the caller keeps its reference.
using KORReportErrorProc = void (*)(KORErrorHandle error);
// "KORUnregisterInterface": removes every procedure registered under
// `component`, returns how many, and advances the unregister count.
using KORUnregisterInterfaceProc = std::int32_t (*)(const char* component);
// "KORGetUnregisterCount": how many times "KORUnregisterInterface" ran. A
// client that caches procedures looks them up again when this changes.
using KORGetUnregisterCountProc = std::uint32_t (*)();
// "KORIsMultiThreaded": 0; the broker takes no locks.
using KORIsMultiThreadedProc = std::int32_t (*)();

// ---------------------------------------------------------------------------
// "KORContainerInterface", 15 entries in this order.

inline constexpr const char* kKORContainerInterface = "KORContainerInterface";
inline constexpr KORMethodName kKORContainerMethods[] = {
    {"Release", "KORReleaseContainerProc"},
    {"NewFullContainer", "KORNewFullContainerV2Proc"},
    {"NewContainer", "KORNewContainerV2Proc"},
    {"CloneContainer", "KORCloneContainerProc"},
    {"AddRef", "KORAddRefContainerV2Proc"},
    {"DecrementWithoutDelete", "KORDecrementWithoutDeleteProc"},
    {"RegisterInterface", "KORRegisterInterfaceV2Proc"},
    {"RegisterInstance", "KORRegisterInstanceV2Proc"},
    {"GetMethod", "KORGetMethodV3Proc"},
    {"GetParentMethod", "KORGetParentMethodV2Proc"},
    {"GetInstance", "KORGetInstanceProc"},
    {"NGetInstance", "KORNGetInstanceProc"},
    {"GetSignature", "KORGetSignatureProc"},
    {"DebugGetRefCountAddr", "KORGetRefCountAddrProc"},
    {"GetOffsetToPrimaryInstance", "KORGetOffsetToPrimaryInstProc"},
};
enum KORContainerMethod : int {
  kKORContainerRelease,
  kKORContainerNewFullContainer,
  kKORContainerNewContainer,
  kKORContainerCloneContainer,
  kKORContainerAddRef,
  kKORContainerDecrementWithoutDelete,
  kKORContainerRegisterInterface,
  kKORContainerRegisterInstance,
  kKORContainerGetMethod,
  kKORContainerGetParentMethod,
  kKORContainerGetInstance,
  kKORContainerNGetInstance,
  kKORContainerGetSignature,
  kKORContainerDebugGetRefCountAddr,
  kKORContainerGetOffsetToPrimaryInstance,
};

// Release: drops one reference and returns how many remain; at 0 the instances'
// destroy functions run (last instance first) and the handle dies. An unknown
// handle gives -1 and changes nothing.
using KORReleaseContainerProc = std::int32_t (*)(KORContainer container);
// NewFullContainer: a container with `count` instances (count >= 1), one reference.
using KORNewFullContainerProc = KORErrorHandle (*)(std::int32_t count, const KORInstanceSpec* instances,
                                                   KORContainer* result);
// NewContainer: a container with one instance, one reference.
using KORNewContainerProc = KORErrorHandle (*)(const char* signature, void* instance,
                                               KORInstanceDestroyFunction destroy,
                                               KORContainer* result);
// CloneContainer: a new container listing the same instances without owning
// them; it holds a reference to the original until it dies.
using KORCloneContainerProc = KORErrorHandle (*)(KORContainer original, KORContainer* result);
// AddRef: adds one reference and returns the new count, or 0 when the handle is
// not a live container.
using KORAddRefContainerProc = std::int32_t (*)(KORContainer container);
// DecrementWithoutDelete: drops one reference but never destroys (a count of 0
// is left for whoever takes the handle next); returns the new count, -1 when unknown.
using KORDecrementWithoutDeleteProc = std::int32_t (*)(KORContainer container);
// RegisterInterface: publishes `count` procedures under `interfaceName`; a
// non-null `parentName` is searched by "GetMethod" when the interface itself
// lacks a method.
using KORRegisterInterfaceProc = KORErrorHandle (*)(const char* interfaceName, const char* parentName,
                                                    std::int32_t count, const KORMethodName* names,
                                                    const KORProc* procs);
// RegisterInstance: appends an instance to a live container.
using KORRegisterInstanceProc = KORErrorHandle (*)(KORContainer container, const KORInstanceSpec* instance);
// GetMethod: the procedure registered under the signature of instance number
// `instanceNumber` (1 = primary) and the two names, searching parent
// interfaces too; null when there is none.
using KORGetMethodProc = KORProc (*)(KORContainer container, KORStringAtom method,
                                     KORStringAtom procedure, std::int32_t instanceNumber);
// GetParentMethod: as GetMethod, starting at the parent of the instance's interface.
using KORGetParentMethodProc = KORGetMethodProc;
// GetInstance: the instance with that number (1 = primary), or null.
using KORGetInstanceProc = void* (*)(KORContainer container, std::int32_t instanceNumber);
// NGetInstance: the first instance whose signature is `signature`, or null.
using KORNGetInstanceProc = void* (*)(KORContainer container, KORStringAtom signature);
// GetSignature: the signature atom of an instance (no new reference), or null.
using KORGetSignatureProc = KORStringAtom (*)(KORContainer container, std::int32_t instanceNumber);
// DebugGetRefCountAddr: where the reference count lives, or null.
using KORGetRefCountAddrProc = const std::int32_t* (*)(KORContainer container);
// GetOffsetToPrimaryInstance: bytes from a handle to its KORInstanceSlot.
using KORGetOffsetToPrimaryInstProc = std::int32_t (*)();

// ---------------------------------------------------------------------------
// "KORMemoryInterface", 4 entries.

inline constexpr const char* kKORMemoryInterface = "KORMemoryInterface";
inline constexpr KORMethodName kKORMemoryMethods[] = {
    {"Alloc", "KORMemAllocProc"},
    {"Realloc", "KORMemReallocProc"},
    {"Free", "KORMemFreeProc"},
    {"GetBlockSize", "KORMemGetBlockSizeProc"},
};
enum KORMemoryMethod : int { kKORMemAlloc, kKORMemRealloc, kKORMemFree, kKORMemGetBlockSize };
using KORMemAllocProc = void* (*)(std::size_t size);  // null when out of memory
using KORMemReallocProc = void* (*)(void* block, std::size_t size);
using KORMemFreeProc = void (*)(void* block);  // null is ignored
using KORMemGetBlockSizeProc = std::size_t (*)(const void* block);

// ---------------------------------------------------------------------------
// "KORStringInterface", 4 entries.

inline constexpr const char* kKORStringInterface = "KORStringInterface";
inline constexpr KORMethodName kKORStringMethods[] = {
    {"NewStringAtom", "KORNewStringAtomProc"},
    {"DeleteStringAtom", "KORDeleteStringAtomProc"},
    {"GetCString", "KORGetCStringProc"},
    {"AddRef", "KORAddRefStringAtomProc"},
};
enum KORStringMethod : int { kKORNewStringAtom, kKORDeleteStringAtom, kKORGetCString, kKORAddRefStringAtom };
// NewStringAtom: the atom of `text` with one more reference; null when out of memory.
using KORNewStringAtomProc = KORStringAtom (*)(const char* text);
// DeleteStringAtom: drops one reference; the atom dies with its last one.
using KORDeleteStringAtomProc = void (*)(KORStringAtom atom);
using KORGetCStringProc = const char* (*)(KORStringAtom atom);
using KORAddRefStringAtomProc = void (*)(KORStringAtom atom);

// ---------------------------------------------------------------------------
// "KORErrorInterface", 8 entries.

inline constexpr const char* kKORErrorInterface = "KORErrorInterface";
inline constexpr KORMethodName kKORErrorMethods[] = {
    {"NewError", "KORNewErrorProc"},
    {"GetCoreError", "KORGetCoreErrorProc"},
    {"AddRef", "KORErrorAddRefProc"},
    {"Release", "KORErrorReleaseProc"},
    {"GetErrorMessage", "KORErrorGetMessageProc"},
    {"GetComponent", "KORErrorGetComponentProc"},
    {"GetID", "KORErrorGetIDProc"},
    {"GetErrorInfo", "KORGetErrorInfoProc"},
};
enum KORErrorMethod : int {
  kKORNewError,
  kKORGetCoreError,
  kKORErrorAddRef,
  kKORErrorRelease,
  kKORErrorGetMessage,
  kKORErrorGetComponent,
  kKORErrorGetID,
  kKORGetErrorInfo,
};
inline constexpr const char* kKORCoreErrorComponent = "ZEV";
inline constexpr std::int32_t kKORCoreErrorGeneric = 0;
inline constexpr std::int32_t kKORCoreErrorOutOfMemory = 1;

// NewError: a new error with one reference; `sourceFile` (may be null) and
// `sourceLine` say where it was raised. Out of memory gives core error 1.
using KORNewErrorProc = KORErrorHandle (*)(const char* message, const char* component, std::intptr_t id,
                                           const char* sourceFile, std::int32_t sourceLine);
// GetCoreError: core error 0 (generic, "ZEV"/0) or 1 (out of memory, "ZEV"/1);
// any other number gives core error 0.
using KORGetCoreErrorProc = KORErrorHandle (*)(std::int32_t which);
using KORErrorAddRefProc = void (*)(KORErrorHandle error);
using KORErrorReleaseProc = void (*)(KORErrorHandle error);  // null is ignored
// The message and component atoms live as long as the error; no new reference.
using KORErrorGetMessageProc = KORStringAtom (*)(KORErrorHandle error);
using KORErrorGetComponentProc = KORStringAtom (*)(KORErrorHandle error);
using KORErrorGetIDProc = std::intptr_t (*)(KORErrorHandle error);
using KORGetErrorInfoProc = void (*)(KORErrorHandle error, const char** sourceFile, std::int32_t* sourceLine);

// ---------------------------------------------------------------------------
// Bootstrap: the one linked export (ordinal 5 on Windows). Returns the lookup
// function; the broker's own procedures are registered before it returns.
extern "C" KOR_EXPORT KORLookupFunction KORGetLookupFunction();
