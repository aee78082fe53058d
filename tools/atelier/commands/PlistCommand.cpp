// atelier plist: show, read and change property-list files. What is shown is
// the list that LoadPropList made of the file, which is what the application
// would read.
#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <limits>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "Arborix.h"
#include "CommandRegistry.h"
#include "ParseFailure.h"
#include "PathArguments.h"
#include "StandardInput.h"
#include "StandardOutputStream.h"
#include "ToolText.h"

namespace atelier {
namespace {

// ---------------------------------------------------------------------------
// Reading the file

// Loads `file`, named `path` in messages, into `list`. Refuses a file that is
// not well-formed XML, or whose root element is not a property list's:
// loading it would give an empty or unrelated list, and saving would
// overwrite it. `consequence` ends the message of a refusal ("; nothing was
// changed").
void Load(const std::string& path, File& file, PropList& list, const std::string& consequence = "") {
  PropListLoadReport report;
  PropListUtils::LoadPropList(file, list, report);
  if (report.fault.status != XMLParseOK) {
    throw CommandFailure{DescribeParseFailure(path, report.fault) + "; not a readable property list" + consequence,
                         kExitWorkFailed};
  }
  const std::string root = ToUTF8(report.rootElement);
  if (root != PropListTags::kMap) {
    throw CommandFailure{path + ": the root element is <" + root + ">, not <" + std::string(PropListTags::kMap) +
                             ">; not a property list" + consequence,
                         kExitWorkFailed};
  }
}

// ---------------------------------------------------------------------------
// Values and their kinds

// The name of a kind on the command line and in what the tool prints.
const char* KindName(PropKind kind) {
  switch (kind) {
    case PropKind::String:
      return "string";
    case PropKind::UnicodeString:
      return "ustring";
    case PropKind::Bool:
      return "bool";
    case PropKind::Unsigned16:
      return "u16";
    case PropKind::Unsigned32:
      return "u32";
    case PropKind::Signed32:
      return "i32";
    case PropKind::SubList:
      return "list";
    case PropKind::StringList:
      return "string[]";
    case PropKind::UnicodeStringList:
      return "ustring[]";
    case PropKind::BoolList:
      return "bool[]";
    case PropKind::Unsigned16List:
      return "u16[]";
    case PropKind::Unsigned32List:
      return "u32[]";
    case PropKind::Signed32List:
      return "i32[]";
  }
  return "";
}

// The kind of the entry under `key`, or nothing when the list has no such key.
std::optional<PropKind> KindOf(const PropList& list, const UTF16String& key) {
  std::optional<PropKind> found;
  list.VisitEntries([&](const UTF16String& entryKey, PropKind kind) {
    if (entryKey == key) found = kind;
  });
  return found;
}

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

// A value read as the kind it has: its kind name, and its scalar text or its
// elements; or the sub-list it is.
struct ShownValue {
  std::string kind;
  std::vector<std::string> elements;  // one for a scalar
  PropList* subList = nullptr;
};

template <typename Element, typename Text>
void ReadArray(const PropList& list, const UTF16String& key, Text text, ShownValue& shown) {
  std::list<Element> values;
  list.GetValue(key, values);
  for (const Element& value : values) shown.elements.push_back(text(value));
}

template <typename Value, typename Text>
void ReadScalar(const PropList& list, const UTF16String& key, Text text, ShownValue& shown) {
  Value value{};
  list.GetValue(key, value);
  shown.elements.push_back(text(value));
}

// The value under `key`, which holds an entry of `kind`.
ShownValue Read(const PropList& list, const UTF16String& key, PropKind kind) {
  ShownValue shown;
  shown.kind = KindName(kind);
  const auto asIs = [](const std::string& value) { return value; };
  const auto utf8 = [](const UTF16String& value) { return ToUTF8(value); };
  const auto boolean = [](bool value) { return std::string(value ? "true" : "false"); };
  const auto number = [](auto value) { return std::to_string(value); };
  switch (kind) {
    case PropKind::String:
      ReadScalar<std::string>(list, key, asIs, shown);
      break;
    case PropKind::UnicodeString:
      ReadScalar<UTF16String>(list, key, utf8, shown);
      break;
    case PropKind::Bool:
      ReadScalar<bool>(list, key, boolean, shown);
      break;
    case PropKind::Unsigned16:
      ReadScalar<std::uint16_t>(list, key, number, shown);
      break;
    case PropKind::Unsigned32:
      ReadScalar<std::uint32_t>(list, key, number, shown);
      break;
    case PropKind::Signed32:
      ReadScalar<std::int32_t>(list, key, number, shown);
      break;
    case PropKind::SubList:
      shown.subList = list.GetSubList(key);
      break;
    case PropKind::StringList:
      ReadArray<std::string>(list, key, asIs, shown);
      break;
    case PropKind::UnicodeStringList:
      ReadArray<UTF16String>(list, key, utf8, shown);
      break;
    case PropKind::BoolList:
      ReadArray<bool>(list, key, boolean, shown);
      break;
    case PropKind::Unsigned16List:
      ReadArray<std::uint16_t>(list, key, number, shown);
      break;
    case PropKind::Unsigned32List:
      ReadArray<std::uint32_t>(list, key, number, shown);
      break;
    case PropKind::Signed32List:
      ReadArray<std::int32_t>(list, key, number, shown);
      break;
  }
  return shown;
}

bool IsArrayKind(const std::string& kind) { return kind.ends_with("[]"); }
bool IsTextKind(const std::string& kind) { return kind.starts_with("string") || kind.starts_with("ustring"); }

// ---------------------------------------------------------------------------
// show and get

void Show(const PropList& list, int depth, std::ostream& out) {
  const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
  list.VisitEntries([&](const UTF16String& key, PropKind kind) {
    const ShownValue value = Read(list, key, kind);
    out << indent << ToUTF8(key) << " (" << value.kind << ")";
    if (value.subList != nullptr) {
      out << '\n';
      Show(*value.subList, depth + 1, out);
      return;
    }
    std::string between = IsArrayKind(value.kind) ? ": [" : ": ";
    for (const std::string& element : value.elements) {
      out << between << (IsTextKind(value.kind) ? Quoted(element) : element);
      between = ", ";
    }
    out << (IsArrayKind(value.kind) ? (value.elements.empty() ? ": []" : "]") : "") << '\n';
  });
}

std::vector<UTF16String> SplitKeyPath(const std::string& path) {
  std::vector<UTF16String> keys;
  std::size_t start = 0;
  while (true) {
    const std::size_t slash = path.find('/', start);
    keys.push_back(FromUTF8(path.substr(start, slash - start)));
    if (slash == std::string::npos) return keys;
    start = slash + 1;
  }
}

// Loads the file `path` names, or standard input for "-".
void LoadInput(const std::string& path, PropList& list) {
  WithInputFile(path, [&](File& file) { Load(path, file, list); });
}

void ShowCommand(const std::string& path) {
  XMLEntryExit connection;
  PropList list;
  LoadInput(path, list);
  Show(list, 0, std::cout);
}

void GetCommand(const std::string& path, const std::string& keyPath) {
  XMLEntryExit connection;
  PropList loaded;
  LoadInput(path, loaded);
  const std::vector<UTF16String> keys = SplitKeyPath(keyPath);
  const PropList* list = &loaded;
  for (std::size_t index = 0; index + 1 < keys.size(); ++index) {
    list = list->GetSubList(keys[index]);
    if (list == nullptr) throw CommandFailure{"no key " + keyPath + " in " + path, 1};
  }
  const std::optional<PropKind> kind = KindOf(*list, keys.back());
  if (!kind) throw CommandFailure{"no key " + keyPath + " in " + path, 1};
  const ShownValue value = Read(*list, keys.back(), *kind);
  if (value.subList != nullptr) {
    Show(*value.subList, 0, std::cout);
    return;
  }
  for (const std::string& element : value.elements) std::cout << element << '\n';
}

// ---------------------------------------------------------------------------
// set

[[noreturn]] void Refuse(const std::string& text, const std::string& kind) {
  throw CommandFailure{"'" + text + "' is not a valid " + kind + " value; nothing was changed", kExitUsageError};
}

template <typename Integer>
Integer ParseInteger(const std::string& text, const std::string& kind) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
      value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
    Refuse(text, kind);
  }
  return static_cast<Integer>(value);
}

bool ParseBool(const std::string& text, const std::string& kind) {
  if (text == "true") return true;
  if (text == "false") return false;
  Refuse(text, kind);
}

// A double is text in the file: the text as typed, once it reads as a finite
// number, keeps every digit that SetValue(double) would round to six.
UTF16String CheckedDoubleText(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    Refuse(text, "double");
  }
  return FromUTF8(text);
}

template <typename Element, typename Parse>
void SetArray(PropList& list, const UTF16String& key, const std::vector<std::string>& texts, Parse parse) {
  std::list<Element> values;
  for (const std::string& text : texts) values.push_back(parse(text));
  list.SetValue(key, values);
}

// Stores VALUE... under `key` as `kind`; throws before changing anything
// when a value does not fit the kind.
void SetValue(PropList& list, const UTF16String& key, const std::string& kind, const std::vector<std::string>& texts) {
  const bool array = IsArrayKind(kind);
  const std::string element = array ? kind.substr(0, kind.size() - 2) : kind;
  const std::size_t wanted = kind == "list" ? 0 : 1;
  if (!array && texts.size() != wanted) {
    throw CommandFailure{"kind " + kind + " takes " + std::to_string(wanted) + " value" + (wanted == 1 ? "" : "s"),
                         kExitUsageError};
  }
  const auto u16 = [&](const std::string& text) { return ParseInteger<std::uint16_t>(text, element); };
  const auto u32 = [&](const std::string& text) { return ParseInteger<std::uint32_t>(text, element); };
  const auto i32 = [&](const std::string& text) { return ParseInteger<std::int32_t>(text, element); };
  const auto boolean = [&](const std::string& text) { return ParseBool(text, element); };
  const auto asIs = [](const std::string& text) { return text; };
  if (array) {
    if (element == "string") return SetArray<std::string>(list, key, texts, asIs);
    if (element == "ustring") return SetArray<UTF16String>(list, key, texts, FromUTF8);
    if (element == "bool") return SetArray<bool>(list, key, texts, boolean);
    if (element == "u16") return SetArray<std::uint16_t>(list, key, texts, u16);
    if (element == "u32") return SetArray<std::uint32_t>(list, key, texts, u32);
    if (element == "i32") return SetArray<std::int32_t>(list, key, texts, i32);
  } else if (kind == "list") {
    list.NewSubList(key);
    return;
  } else {
    const std::string& text = texts.front();
    if (kind == "string") return list.SetValue(key, text);
    if (kind == "ustring") return list.SetValue(key, FromUTF8(text));
    if (kind == "bool") return list.SetValue(key, ParseBool(text, kind));
    if (kind == "u16") return list.SetValue(key, u16(text));
    if (kind == "u32") return list.SetValue(key, u32(text));
    if (kind == "i32") return list.SetValue(key, i32(text));
    if (kind == "double") return list.SetValue(key, CheckedDoubleText(text));
  }
  throw CommandFailure{"unknown kind " + kind, kExitUsageError};
}

void SetCommand(const std::string& path, const std::string& keyPath, const std::string& kind,
                const std::vector<std::string>& values) {
  if (IsStandardOutput(PathFromUTF8(path))) {
    throw CommandFailure{"plist set rewrites FILE in place, so FILE cannot be - (standard output)", kExitUsageError};
  }
  XMLEntryExit connection;
  PropList loaded;
  // A missing or empty file is a new, empty list.
  std::error_code unknown;
  const std::filesystem::path file = PathFromUTF8(path);
  const std::filesystem::file_status status = std::filesystem::status(file, unknown);
  const bool fresh = status.type() == std::filesystem::file_type::not_found ||
                     (std::filesystem::is_regular_file(status) && std::filesystem::file_size(file, unknown) == 0);
  // Reading a FIFO or a device would wait for data or never end.
  if (!fresh && !std::filesystem::is_regular_file(status)) {
    throw CommandFailure{path + ": not a regular file; nothing was changed", kExitWorkFailed};
  }
  if (!fresh) {
    File existing(file);
    Load(path, existing, loaded, "; " + path + " was left untouched");
  }
  const std::vector<UTF16String> keys = SplitKeyPath(keyPath);
  PropList* list = &loaded;
  for (std::size_t index = 0; index + 1 < keys.size(); ++index) {
    const std::optional<PropKind> held = KindOf(*list, keys[index]);
    if (held && *held != PropKind::SubList) {
      throw CommandFailure{"the key " + ToUTF8(keys[index]) + " holds a " + KindName(*held) +
                               " value, not a sub-list; nothing was changed",
                           1};
    }
    list = list->NewSubList(keys[index]);
  }
  SetValue(*list, keys.back(), kind, values);
  try {
    PropListUtils::SavePropList(File(PathFromUTF8(path)), loaded);
  } catch (const std::invalid_argument& refused) {
    throw CommandFailure{std::string(refused.what()) + "; " + path + " was left untouched", 1};
  }
}

void AddPlistCommand(CLI::App& app) {
  auto* plist = app.add_subcommand("plist", "Show, read and change property-list files");
  plist->require_subcommand(1);

  struct Arguments {
    std::string file;
    std::string keyPath;
    std::string kind;
    std::vector<std::string> values;
  };
  auto args = std::make_shared<Arguments>();

  auto* show = plist->add_subcommand("show", "Print the list in FILE as an indented tree with each value's kind");
  show->add_option("FILE", args->file, "Property-list file, or - for standard input")->required()->check(InputFile());
  show->callback([args] { ShowCommand(args->file); });

  auto* get = plist->add_subcommand(
      "get", "Print the value at KEYPATH: a scalar as text, an array one element per line, a sub-list as a tree");
  get->add_option("FILE", args->file, "Property-list file, or - for standard input")->required()->check(InputFile());
  get->add_option("KEYPATH", args->keyPath, "Keys of nested sub-lists joined by '/'")->required();
  get->callback([args] { GetCommand(args->file, args->keyPath); });

  auto* set = plist->add_subcommand(
      "set", "Set the value at KEYPATH and save FILE (created if absent; a damaged file is never overwritten)");
  set->add_option("FILE", args->file, "Property-list file")->required();
  set->add_option("KEYPATH", args->keyPath, "Keys of nested sub-lists joined by '/'")->required();
  set->add_option("KIND", args->kind, "string, ustring, bool, u16, u32, i32, double, list, or an array form such as u16[]")
      ->required()
      ->check(CLI::IsMember({"string", "ustring", "bool", "u16", "u32", "i32", "double", "list", "string[]",
                             "ustring[]", "bool[]", "u16[]", "u32[]", "i32[]"}));
  set->add_option("VALUE", args->values, "The value; the elements of an array as separate arguments");
  set->callback([args] { SetCommand(args->file, args->keyPath, args->kind, args->values); });
}

const CommandRegistration registration{"plist", AddPlistCommand};

}  // namespace
}  // namespace atelier
