// atelier strings: vet a string folder, look texts up in it, or find it by
// its marker file.
#include <CLI/CLI.hpp>

#include <exception>
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

// Ends the command with the check's failure, written the way compilers write
// theirs, so that editors can jump to it: FILE:LINE: MESSAGE for a bad line,
// FILE: MESSAGE for a file that could not be read or decoded.
[[noreturn]] void FailWith(const Verbosa::StringFolderCheck& check) {
  std::ostringstream report;
  try {
    std::rethrow_exception(check.failure);
  } catch (const Verbosa::StringEntryError& badLine) {
    report << PathText(badLine.FilePath()) << ':' << badLine.Line() << ": " << badLine.what();
  } catch (...) {
    if (!check.failedFile.empty()) report << PathText(check.failedFile) << ": ";
    report << DescribeFault(check.failure);
  }
  std::cerr << report.str() << '\n';
  throw CommandFailure{"", 1};
}

void Check(const std::string& folder) {
  const Verbosa::StringFolderCheck check = Verbosa::CheckStringFolder(Dir{PathFromUTF8(folder)});
  if (check.failure) FailWith(check);
  std::cout << check.files << " string files, " << check.entries << " entries, " << check.keys
            << " named keys\n";
}

void Get(const std::string& folder, const std::vector<std::string>& keys) {
  try {
    Verbosa::Init(Dir{PathFromUTF8(folder)});
  } catch (...) {
    // Init does not say which file a decoding fault came from; the check does.
    const Verbosa::StringFolderCheck check = Verbosa::CheckStringFolder(Dir{PathFromUTF8(folder)});
    if (check.failure) FailWith(check);
    throw;
  }
  for (const std::string& key : keys) {
    std::cout << ToUTF8(Verbosa::GetUnicodeString(Verbosa::BuildKeyFromUnicode(FromUTF8(key)))) << '\n';
  }
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
      "check", "Load every .str file of DIR as Init would; report the first bad entry as FILE:LINE: MESSAGE");
  check->add_option("DIR", args->folder, "String folder")->required()->check(ExistingFolder());
  check->callback([args] { Check(args->folder); });

  auto* get = strings->add_subcommand("get", "Load DIR and print the text of each KEY (an empty line if absent)");
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
