#include "Errors.h"

#include <new>

#include "ProcedureRegistry.h"
#include "StringAtoms.h"

struct KORErrorObject {
  KORStringAtom message = nullptr;
  KORStringAtom component = nullptr;
  std::intptr_t id = 0;
  KORStringAtom sourceFile = nullptr;
  std::int32_t sourceLine = 0;
  std::int32_t references = 1;
  bool immortal = false;
};

namespace kor {
namespace {

void DestroyError(KORErrorHandle error) {
  DeleteStringAtom(error->message);
  DeleteStringAtom(error->component);
  DeleteStringAtom(error->sourceFile);
  delete error;
}

KORErrorHandle MakeCoreError(const char* message, std::intptr_t id) {
  auto* error = new KORErrorObject;
  error->message = NewStringAtom(message);
  error->component = NewStringAtom(kKORCoreErrorComponent);
  error->id = id;
  error->immortal = true;
  return error;
}

// Built before anything can run out of memory; they live as long as the
// process so that a failure can always be reported.
KORErrorHandle CoreErrors(std::int32_t which) {
  static KORErrorHandle generic = MakeCoreError("generic failure", kKORCoreErrorGeneric);
  static KORErrorHandle outOfMemory = MakeCoreError("out of memory", kKORCoreErrorOutOfMemory);
  return which == kKORCoreErrorOutOfMemory ? outOfMemory : generic;
}

void GetErrorInfo(KORErrorHandle error, const char** sourceFile, std::int32_t* sourceLine) {
  if (sourceFile != nullptr) *sourceFile = error == nullptr ? nullptr : StringAtomText(error->sourceFile);
  if (sourceLine != nullptr) *sourceLine = error == nullptr ? 0 : error->sourceLine;
}

}  // namespace

KORErrorHandle NewError(const char* message, const char* component, std::intptr_t id, const char* sourceFile,
                        std::int32_t sourceLine) {
  auto* error = new (std::nothrow) KORErrorObject;
  if (error == nullptr) return CoreError(kKORCoreErrorOutOfMemory);
  error->message = NewStringAtom(message == nullptr ? "" : message);
  error->component = NewStringAtom(component == nullptr ? "" : component);
  error->sourceFile = NewStringAtom(sourceFile);
  error->id = id;
  error->sourceLine = sourceLine;
  if (error->message == nullptr || error->component == nullptr || (sourceFile != nullptr && !error->sourceFile)) {
    DestroyError(error);
    return CoreError(kKORCoreErrorOutOfMemory);
  }
  return error;
}

KORErrorHandle CoreError(std::int32_t which) { return CoreErrors(which); }

void AddRefError(KORErrorHandle error) {
  if (error != nullptr && !error->immortal) ++error->references;
}

void ReleaseError(KORErrorHandle error) {
  if (error == nullptr || error->immortal) return;
  if (--error->references == 0) DestroyError(error);
}

KORStringAtom ErrorMessage(KORErrorHandle error) { return error == nullptr ? nullptr : error->message; }
KORStringAtom ErrorComponent(KORErrorHandle error) { return error == nullptr ? nullptr : error->component; }
std::intptr_t ErrorID(KORErrorHandle error) { return error == nullptr ? 0 : error->id; }

void RegisterErrorInterface() {
  CoreErrors(kKORCoreErrorGeneric);
  const KORProc procs[] = {
      reinterpret_cast<KORProc>(static_cast<KORNewErrorProc>(&NewError)),
      reinterpret_cast<KORProc>(static_cast<KORGetCoreErrorProc>(&CoreError)),
      reinterpret_cast<KORProc>(static_cast<KORErrorAddRefProc>(&AddRefError)),
      reinterpret_cast<KORProc>(static_cast<KORErrorReleaseProc>(&ReleaseError)),
      reinterpret_cast<KORProc>(static_cast<KORErrorGetMessageProc>(&ErrorMessage)),
      reinterpret_cast<KORProc>(static_cast<KORErrorGetComponentProc>(&ErrorComponent)),
      reinterpret_cast<KORProc>(static_cast<KORErrorGetIDProc>(&ErrorID)),
      reinterpret_cast<KORProc>(static_cast<KORGetErrorInfoProc>(&GetErrorInfo)),
  };
  RegisterProcedures(kKORErrorInterface, kKORErrorMethods, procs);
}

}  // namespace kor
