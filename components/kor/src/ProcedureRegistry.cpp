#include "ProcedureRegistry.h"

#include <map>
#include <string>
#include <tuple>

namespace kor {
namespace {

using Key = std::tuple<std::string, std::string, std::string>;

struct Registry {
  std::map<Key, KORProc, std::less<>> procedures;
  std::map<std::string, std::string, std::less<>> parents;
};

// Apart from the registry: clients ask for it on every cached access.
constinit std::uint32_t unregisterCount = 0;

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterProcedure(const char* component, const char* method, const char* procedure, KORProc proc) {
  if (component == nullptr || method == nullptr || procedure == nullptr || proc == nullptr) return;
  TheRegistry().procedures[Key(component, method, procedure)] = proc;
}

void RegisterProcedures(const char* component, std::span<const KORMethodName> names,
                        std::span<const KORProc> procs) {
  for (std::size_t i = 0; i < names.size() && i < procs.size(); ++i) {
    RegisterProcedure(component, names[i].method, names[i].procedure, procs[i]);
  }
}

KORProc FindProcedure(const char* component, const char* method, const char* procedure) {
  if (component == nullptr || method == nullptr || procedure == nullptr) return nullptr;
  const auto& procedures = TheRegistry().procedures;
  const auto found = procedures.find(Key(component, method, procedure));
  return found == procedures.end() ? nullptr : found->second;
}

KORProc FindProcedureWithParents(const char* component, const char* method, const char* procedure) {
  // The parent map cannot grow a cycle longer than its size.
  std::size_t steps = TheRegistry().parents.size() + 1;
  for (const char* name = component; name != nullptr && steps-- > 0; name = ParentInterface(name)) {
    if (KORProc proc = FindProcedure(name, method, procedure)) return proc;
  }
  return nullptr;
}

const char* ParentInterface(const char* component) {
  if (component == nullptr) return nullptr;
  const auto& parents = TheRegistry().parents;
  const auto found = parents.find(std::string_view(component));
  return found == parents.end() ? nullptr : found->second.c_str();
}

void SetParentInterface(const char* component, const char* parent) {
  if (component == nullptr) return;
  auto& parents = TheRegistry().parents;
  if (parent == nullptr) {
    parents.erase(std::string(component));
  } else {
    parents[component] = parent;
  }
}

std::int32_t UnregisterComponent(const char* component) {
  Registry& registry = TheRegistry();
  ++unregisterCount;
  if (component == nullptr) return 0;
  std::int32_t removed = 0;
  for (auto it = registry.procedures.begin(); it != registry.procedures.end();) {
    if (std::get<0>(it->first) == component) {
      it = registry.procedures.erase(it);
      ++removed;
    } else {
      ++it;
    }
  }
  registry.parents.erase(std::string(component));
  return removed;
}

std::uint32_t UnregisterCount() { return unregisterCount; }

}  // namespace kor
