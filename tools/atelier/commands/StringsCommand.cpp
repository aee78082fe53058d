// atelier strings: vet a string folder, look texts up in it, or find it by
// its marker file.
#include <CLI/CLI.hpp>

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "CommandRegistry.h"
#include "Glyphwerk.h"
#include "PathArguments.h"
#include "ToolText.h"
#include "Verbosa.h"

namespace atelier {
namespace {

std::string DescribeFault(const std::exception_ptr& fault) {
  try {
    std::rethrow_exception(fault);
  } catch (const unexpected_eof_utf8&) {
    return "the text ends inside a UTF-8 sequence";
  } catch (const invalid_utf8_sequence&) {
    return "malformed UTF-8 sequence";
  } catch (const invalid_utf8_value&) {
    return "UTF-8 sequence encodes a surrogate";
  } catch (const invalid_utf16_value&) {
    return "UTF-8 sequence encodes a value above U+10FFFF";
  } catch (const std::exception& error) {
    return error.what();
  }
}

// A problem of the folder the way compilers write theirs, so that editors
// can jump to it: FILE:LINE: MESSAGE for a bad line, FILE: MESSAGE for a file
// that could not be read or decoded.
std::string ProblemText(const std::filesystem::path& file, const std::exception_ptr& failure) {
  std::ostringstream report;
  try {
    std::rethrow_exception(failure);
  } catch (const Verbosa::StringEntryError& badLine) {
    report << PathText(badLine.FilePath()) << ':' << badLine.Line() << ": " << badLine.what();
  } catch (...) {
    if (!file.empty()) report << PathText(file) << ": ";
    report << DescribeFault(failure);
  }
  return report.str();
}

// Reports every problem of the folder, then a warning for each entry that
// loses its key to an earlier one and for each string file Init skips.
// Returns whether there was a problem.
bool Report(const Verbosa::StringFolderCheck& check) {
  std::cout.flush();
  for (const Verbosa::StringFileProblem& problem : check.problems) {
    std::cerr << "atelier: " << ProblemText(problem.file, problem.failure) << '\n';
  }
  for (const Verbosa::ShadowedStringEntry& entry : check.shadowed) {
    std::cerr << "atelier: " << PathText(entry.file) << ':' << entry.line << ": warning: the key " << entry.key
              << " is already held by " << PathText(entry.keptFile) << ':' << entry.keptLine
              << "; this entry is ignored\n";
  }
  for (const std::filesystem::path& file : check.skipped) {
    std::cerr << "atelier: " << PathText(file)
              << ": warning: skipped: string files end in exactly \".str\", in lower case\n";
  }
  return !check.problems.empty();
}

void Check(const std::string& folder) {
  const Verbosa::StringFolderCheck check = Verbosa::CheckStringFolder(Dir{PathFromUTF8(folder)});
  if (Report(check)) throw CommandFailure{"", kExitWorkFailed};
  std::cout << check.files << " string files, " << check.entries << " entries, " << check.keys
            << " named keys\n";
}

// Prints the text of each KEY on a line of its own. An absent key prints
// nothing and is named on standard error; the command then fails once the
// other keys are printed.
void Get(const std::string& folder, const std::vector<std::string>& keys) {
  try {
    Verbosa::Init(Dir{PathFromUTF8(folder)});
  } catch (...) {
    // Init stops at the first problem and does not say which file a decoding
    // fault came from; the check says it, and where every other problem is.
    if (Report(Verbosa::CheckStringFolder(Dir{PathFromUTF8(folder)}))) {
      throw CommandFailure{"", kExitWorkFailed};
    }
    throw;
  }
  bool allFound = true;
  for (const std::string& key : keys) {
    const std::string tableKey = Verbosa::BuildKeyFromUnicode(FromUTF8(key));
    if (!Verbosa::HasString(tableKey)) {
      std::cout.flush();
      std::cerr << "atelier: no key " << key << " in " << folder << '\n';
      allFound = false;
      continue;
    }
    std::cout << ToUTF8(Verbosa::GetUnicodeString(tableKey)) << '\n';
  }
  if (!allFound) throw CommandFailure{"", kExitWorkFailed};
}

void Locate(const std::string& root, const std::string& marker) {
  try {
    std::cout << PathText(Verbosa::LocatedBlessedFolder(Dir{PathFromUTF8(root)}, FromUTF8(marker)).GetPath()) << '\n';
  } catch (const std::invalid_argument& notFound) {
    throw CommandFailure{notFound.what(), 1};
  }
}

void AddStringsCommand(CLI::App& app) {
  auto* strings = app.add_subcommand("strings", "Check, read and find string folders (.str files)");
  strings->require_subcommand(1);

  struct Arguments {
    std::string folder;
    std::vector<std::string> keys;
    std::string marker;
  };
  auto args = std::make_shared<Arguments>();

  auto* check = strings->add_subcommand(
      "check",
      "Load every .str file of DIR as Init would; report every bad entry as FILE:LINE: MESSAGE, and warn about "
      "entries whose key an earlier entry holds and about .STR files that Init skips");
  check->add_option("DIR", args->folder, "String folder")->required()->check(ExistingFolder());
  check->callback([args] { Check(args->folder); });

  auto* get = strings->add_subcommand("get", "Load DIR and print the text of each KEY; an absent key is named on standard error and the command exits 1");
  get->add_option("DIR", args->folder, "String folder")->required()->check(ExistingFolder());
  get->add_option("KEY", args->keys, "Keys such as /menu/file")->required();
  get->callback([args] { Get(args->folder, args->keys); });

  auto* locate = strings->add_subcommand("locate", "Print the folder below ROOT that holds the file MARKER");
  locate->add_option("ROOT", args->folder, "Folder to search")->required()->check(ExistingFolder());
  locate->add_option("MARKER", args->marker, "Exact name of the marker file")->required();
  locate->callback([args] { Locate(args->folder, args->marker); });
}

const CommandRegistration registration{"strings", AddStringsCommand};

}  // namespace
}  // namespace atelier
