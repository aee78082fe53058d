#include "StringAtoms.h"

#include <algorithm>
#include <array>
#include <cstring>
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

// The atoms asked for last. Components make atoms of the same few signatures
// over and over (one per container); these are found without a map search.
// An atom leaves this list when it dies.
std::array<KORStringAtom, 4>& Recent() {
  static std::array<KORStringAtom, 4> recent{};
  return recent;
}

void Remember(KORStringAtom atom) {
  auto& recent = Recent();
  std::move_backward(recent.begin(), recent.end() - 1, recent.end());
  recent.front() = atom;
}

}  // namespace

KORStringAtom NewStringAtom(const char* text) {
  if (text == nullptr) return nullptr;
  for (KORStringAtom atom : Recent()) {
    if (atom != nullptr && std::strcmp(atom->text.c_str(), text) == 0) {
      ++atom->references;
      return atom;
    }
  }
  try {
    auto& atoms = Atoms();
    auto found = atoms.find(std::string_view(text));
    if (found == atoms.end()) {
      auto atom = std::make_unique<KORStringAtomObject>();
      atom->text = text;
      found = atoms.emplace(atom->text, std::move(atom)).first;
    }
    ++found->second->references;
    Remember(found->second.get());
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
  std::replace(Recent().begin(), Recent().end(), atom, KORStringAtom{});
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
