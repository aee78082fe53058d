// The encoding name in the XML declaration that opens a document, read from
// its first bytes while they are still raw: the declaration is ASCII in every
// encoding that writes ASCII as ASCII, which is what the name is needed for.
#pragma once

#include <cstddef>
#include <string_view>

namespace qur {

struct DeclaredEncoding {
  enum class Outcome {
    Incomplete,  // the bytes so far may be the start of a declaration: read more
    Absent,      // no declaration, or one that names no encoding or is malformed
    Named,
  };
  Outcome outcome = Outcome::Absent;
  std::string_view name;        // Named: the encoding name as written, inside `head`
  std::size_t declarationSize = 0;  // Named: bytes from "<?xml" through "?>"
};

// Reads the declaration at the start of `head`; `final` says that `head` is
// the whole document. A declaration not closed within its first 512 bytes
// counts as absent (the parser then judges it).
DeclaredEncoding FindDeclaredEncoding(std::string_view head, bool final);

}  // namespace qur
