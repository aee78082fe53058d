#include "StringAtoms.h"

#include <map>
#include <memory>
#include <new>
#include <string>

#include "ProcedureRegistry.h"

struct KORStringAtomObject {
  std::string text;
  std::int32_t references = 0;
};

namespace kor {
namespace {

// Node-based, so an atom's address stays put while others come and go.
std::map<std::string, std::unique_ptr<KORStringAtomObject>, std::less<>>& Atoms() {
  static std::map<std::string, std::unique_ptr<KORStringAtomObject>, std::less<>> atoms;
  return atoms;
}

}  // namespace

KORStringAtom NewStringAtom(const char* text) {
  if (text == nullptr) return nullptr;
  try {
    auto& atoms = Atoms();
    auto found = atoms.find(std::string_view(text));
    if (found == atoms.end()) {
      auto atom = std::make_unique<KORStringAtomObject>();
      atom->text = text;
      found = atoms.emplace(atom->text, std::move(atom)).first;
    }
    ++found->second->references;
    return found->second.get();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void AddRefStringAtom(KORStringAtom atom) {
  if (atom != nullptr) ++atom->references;
}

void DeleteStringAtom(KORStringAtom atom) {
  if (atom == nullptr || --atom->references > 0) return;
  Atoms().erase(atom->text);
}

const char* StringAtomText(KORStringAtom atom) { return atom == nullptr ? "" : atom->text.c_str(); }

void RegisterStringInterface() {
  const KORProc procs[] = {
      reinterpret_cast<KORProc>(static_cast<KORNewStringAtomProc>(&NewStringAtom)),
      reinterpret_cast<KORProc>(static_cast<KORDeleteStringAtomProc>(&DeleteStringAtom)),
      reinterpret_cast<KORProc>(static_cast<KORGetCStringProc>(&StringAtomText)),
      reinterpret_cast<KORProc>(static_cast<KORAddRefStringAtomProc>(&AddRefStringAtom)),
  };
  RegisterProcedures(kKORStringInterface, kKORStringMethods, procs);
}

}  // namespace kor
