// The markup of property-list files made from the names in PropListTags: the
// tags as the writer writes them, and the comparison of the names the parser
// reports with them. The writer puts no line break after a start tag that
// opens a text or an array, one after every other tag.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "arborix/PropListTags.h"

namespace arborix_internal {

// Appends `open`, `name` and `close`: one tag, with or without a line break.
inline void AppendTag(std::string& out, std::string_view open, std::string_view name, std::string_view close) {
  out += open;
  out += name;
  out += close;
}

// "<name>", "</name>", each also with a line break after it, and "<name/>"
// with a line break.
inline void AppendStartTag(std::string& out, std::string_view name) { AppendTag(out, "<", name, ">"); }
inline void AppendStartLine(std::string& out, std::string_view name) { AppendTag(out, "<", name, ">\n"); }
inline void AppendEndTag(std::string& out, std::string_view name) { AppendTag(out, "</", name, ">"); }
inline void AppendEndLine(std::string& out, std::string_view name) { AppendTag(out, "</", name, ">\n"); }
inline void AppendEmptyLine(std::string& out, std::string_view name) { AppendTag(out, "<", name, "/>\n"); }

// "<int type='...' size='...'>" for a `type` and a `size` of PropListTags.
inline std::string IntStartTag(std::string_view type, std::string_view size) {
  std::string tag;
  tag.append("<").append(PropListTags::kInt);
  tag.append(" ").append(PropListTags::kIntType).append("='").append(type).append("'");
  tag.append(" ").append(PropListTags::kIntSize).append("='").append(size).append("'>");
  return tag;
}

// Whether `text` spells `name`, unit for byte (the names are ASCII).
inline bool IsName(std::u16string_view text, std::string_view name) {
  return std::ranges::equal(text, name,
                            [](char16_t unit, char byte) { return unit == static_cast<unsigned char>(byte); });
}

}  // namespace arborix_internal
