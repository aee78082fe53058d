#include "XMLDeclaration.h"

#include <algorithm>

namespace qur {
namespace {

constexpr std::string_view kOpening = "<?xml";
constexpr std::size_t kLongestDeclaration = 512;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void SkipSpace(std::string_view& text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
}

}  // namespace

DeclaredEncoding FindDeclaredEncoding(std::string_view head, bool final) {
  using Outcome = DeclaredEncoding::Outcome;
  const std::size_t opened = std::min(head.size(), kOpening.size());
  if (head.substr(0, opened) != kOpening.substr(0, opened)) return {};
  const DeclaredEncoding incomplete{Outcome::Incomplete, {}, 0};
  if (head.size() <= kOpening.size()) return final ? DeclaredEncoding{} : incomplete;
  if (!IsSpace(head[kOpening.size()])) return {};  // a processing instruction such as <?xml-stylesheet
  const std::size_t close = head.substr(0, kLongestDeclaration).find("?>");
  if (close == std::string_view::npos) {
    return final || head.size() >= kLongestDeclaration ? DeclaredEncoding{} : incomplete;
  }
  // Pseudo-attributes: name = 'value' or name = "value", separated by space.
  std::string_view rest = head.substr(kOpening.size(), close - kOpening.size());
  while (true) {
    SkipSpace(rest);
    const std::size_t equals = rest.find('=');
    if (rest.empty() || equals == std::string_view::npos) return {};
    std::string_view attribute = rest.substr(0, equals);
    while (!attribute.empty() && IsSpace(attribute.back())) attribute.remove_suffix(1);
    rest.remove_prefix(equals + 1);
    SkipSpace(rest);
    if (rest.empty() || (rest.front() != '\'' && rest.front() != '"')) return {};
    const std::size_t end = rest.find(rest.front(), 1);
    if (end == std::string_view::npos) return {};
    if (attribute == "encoding") return {Outcome::Named, rest.substr(1, end - 1), close + 2};
    rest.remove_prefix(end + 1);
  }
}

}  // namespace qur
