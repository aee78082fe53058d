// Deterministic XML documents of a few MB in three shapes, the same bytes on
// every run.
#pragma once

#include <string>

namespace parsing_bench {

// Many small elements with short texts: records of fields, grouped in sections.
std::string MarkupHeavyDocument();
// Long paragraphs of prose with a little inline markup.
std::string TextHeavyDocument();
// Empty elements carrying many attributes, as in drawings and configuration.
std::string AttributeHeavyDocument();
// One element with 100 000 attributes: the worst case of attribute insertion.
std::string WideElementDocument();

}  // namespace parsing_bench
