// Parses every .xml and .svg file below the given folders with ParseXMLFile
// and with libxml2, and compares the two readings: the same elements, the
// same attributes (names and values, in order), the same namespace
// declarations, and the same character data once adjacent text is joined
// (comments and processing instructions are not part of the tree). A file
// that libxml2 rejects must be rejected too.
//
// Neither reader loads anything from outside the file: libxml2 runs without
// DTD loading, without network and with an entity loader that refuses every
// request, as the parser component never reads external DTDs or entities.
// References to entities declared only outside the file are skipped by both.
//
// Prints one line per difference and per rejected file, then the counts; exits 1 on any difference,
// a file refused for its encoding included: the parser component converts every encoding the
// platform can, with the same converters libxml2 uses.
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Arborix.h"

namespace {

namespace fs = std::filesystem;

struct Attribute {
  std::string name;
  std::string value;
  bool operator==(const Attribute&) const = default;
};

// One element as both readers are compared on it.
struct Element {
  std::string name;
  std::vector<Attribute> attributes;
  std::vector<Attribute> namespaceDeclarations;
  std::vector<std::string> texts;  // joined runs of text, between child elements
  std::vector<std::unique_ptr<Element>> children;
};

std::string ToUTF8(const UTF16String& text) { return UTF16to8(text); }

bool IsNamespaceDeclaration(const std::string& name) { return name == "xmlns" || name.starts_with("xmlns:"); }

// Our tree, iteratively (documents can be deep).
std::unique_ptr<Element> FromArborix(XMLElementNode* root) {
  auto top = std::make_unique<Element>();
  std::vector<std::pair<XMLElementNode*, Element*>> pending{{root, top.get()}};
  while (!pending.empty()) {
    auto [node, element] = pending.back();
    pending.pop_back();
    UTF16String text;
    node->GetValue(text);
    element->name = ToUTF8(text);
    for (XMLAttributeObj* attribute : node->GetAttributes()) {
      UTF16String name;
      UTF16String value;
      attribute->GetAttributeName(name);
      attribute->GetValue(value);
      Attribute read{ToUTF8(name), ToUTF8(value)};
      (IsNamespaceDeclaration(read.name) ? element->namespaceDeclarations : element->attributes).push_back(read);
    }
    std::string run;
    for (XMLBase* child : node->GetChildNodes()) {
      if (child->GetNodeType() == XMLTextType) {
        child->GetValue(text);
        run += ToUTF8(text);
        continue;
      }
      element->texts.push_back(std::move(run));
      run.clear();
      element->children.push_back(std::make_unique<Element>());
      pending.emplace_back(static_cast<XMLElementNode*>(child), element->children.back().get());
    }
    element->texts.push_back(std::move(run));
  }
  return top;
}

std::string QualifiedName(const xmlChar* name, const xmlNs* ns) {
  std::string qualified;
  if (ns != nullptr && ns->prefix != nullptr) qualified = std::string(reinterpret_cast<const char*>(ns->prefix)) + ':';
  return qualified + reinterpret_cast<const char*>(name);
}

std::string Content(xmlNode* node) {
  xmlChar* content = xmlNodeGetContent(node);
  std::string text = content != nullptr ? reinterpret_cast<const char*>(content) : "";
  xmlFree(content);
  return text;
}

// The character data of a run of libxml2 nodes: text, CDATA and the content
// of substituted entities; comments and processing instructions add nothing.
void AppendText(xmlNode* node, std::string& run, std::vector<xmlNode*>& elements);

void AppendChildren(xmlNode* first, std::string& run, std::vector<xmlNode*>& elements) {
  for (xmlNode* child = first; child != nullptr; child = child->next) AppendText(child, run, elements);
}

void AppendText(xmlNode* node, std::string& run, std::vector<xmlNode*>& elements) {
  switch (node->type) {
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
      if (node->content != nullptr) run += reinterpret_cast<const char*>(node->content);
      break;
    case XML_ENTITY_REF_NODE:
      // Left unsubstituted only when the entity is declared outside the file.
      if (node->children != nullptr) AppendChildren(node->children->children, run, elements);
      break;
    case XML_ELEMENT_NODE:
      elements.push_back(node);
      break;
    default:
      break;
  }
}

std::unique_ptr<Element> FromLibxml2(xmlNode* root) {
  auto top = std::make_unique<Element>();
  std::vector<std::pair<xmlNode*, Element*>> pending{{root, top.get()}};
  while (!pending.empty()) {
    auto [node, element] = pending.back();
    pending.pop_back();
    element->name = QualifiedName(node->name, node->ns);
    for (xmlNs* ns = node->nsDef; ns != nullptr; ns = ns->next) {
      const std::string prefix = ns->prefix != nullptr ? reinterpret_cast<const char*>(ns->prefix) : "";
      element->namespaceDeclarations.push_back(
          {prefix.empty() ? "xmlns" : "xmlns:" + prefix, reinterpret_cast<const char*>(ns->href)});
    }
    for (xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
      element->attributes.push_back(
          {QualifiedName(attribute->name, attribute->ns), Content(reinterpret_cast<xmlNode*>(attribute))});
    }
    std::string run;
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
      std::vector<xmlNode*> elements;
      AppendText(child, run, elements);
      for (xmlNode* childElement : elements) {
        element->texts.push_back(std::move(run));
        run.clear();
        element->children.push_back(std::make_unique<Element>());
        pending.emplace_back(childElement, element->children.back().get());
      }
    }
    element->texts.push_back(std::move(run));
  }
  return top;
}

// The first difference between two trees, as a path and a reason; empty when equal.
std::string FirstDifference(const Element& ours, const Element& theirs) {
  std::vector<std::pair<const Element*, const Element*>> pending{{&ours, &theirs}};
  while (!pending.empty()) {
    auto [a, b] = pending.back();
    pending.pop_back();
    const std::string where = "<" + b->name + ">";
    if (a->name != b->name) return "element " + a->name + " where libxml2 has " + b->name;
    if (a->attributes != b->attributes) return "attributes of " + where;
    if (a->namespaceDeclarations != b->namespaceDeclarations) return "namespace declarations of " + where;
    if (a->texts != b->texts) return "character data of " + where;
    if (a->children.size() != b->children.size()) return "child count of " + where;
    for (std::size_t index = 0; index < a->children.size(); ++index) {
      pending.emplace_back(a->children[index].get(), b->children[index].get());
    }
  }
  return {};
}

xmlParserInputPtr RefuseExternal(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }

struct Counts {
  int files = 0;
  int equal = 0;
  int rejectedByBoth = 0;
  int unsupportedEncoding = 0;
  int differences = 0;
};

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

void Compare(const fs::path& path, Counts& counts) {
  ++counts.files;
  std::string bytes;
  {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return;
    char block[65536];
    while (const std::size_t read = std::fread(block, 1, sizeof block, file.get())) bytes.append(block, read);
  }
  constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_DTDATTR | XML_PARSE_NOERROR |
                           XML_PARSE_NOWARNING | XML_PARSE_HUGE | XML_PARSE_NOCDATA;
  std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> theirs(
      xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), path.c_str(), nullptr, kOptions), &xmlFreeDoc);
  File file(path);
  XMLDocument* document = nullptr;
  const XMLParseStatus status = ParseXMLFile(file, false, &document);
  std::unique_ptr<XMLDocument> ours(document);

  if (!theirs && !ours) {
    ++counts.rejectedByBoth;
    std::cout << "REJECTED " << path.string() << ": by both, status " << status << '\n';
    return;
  }
  if (!theirs) {
    ++counts.differences;
    std::cout << "DIFFERENT " << path.string() << ": libxml2 rejects it, ParseXMLFile accepts it\n";
    return;
  }
  if (!ours) {
    const std::string encoding = theirs->encoding != nullptr ? reinterpret_cast<const char*>(theirs->encoding) : "";
    const std::string lower = Lowercase(encoding);
    const bool known = lower.empty() || lower == "utf-8" || lower == "utf-16" || lower == "iso-8859-1" ||
                       lower == "us-ascii" || lower == "utf-16le" || lower == "utf-16be";
    if (status == XMLParseBadEncoding && !known) {
      ++counts.unsupportedEncoding;
      std::cout << "ENCODING " << path.string() << ": " << encoding << " is not supported by the parser\n";
      return;
    }
    ++counts.differences;
    std::cout << "DIFFERENT " << path.string() << ": ParseXMLFile rejects it with status " << status
              << ", libxml2 accepts it\n";
    return;
  }
  const std::string difference =
      FirstDifference(*FromArborix(ours.get()), *FromLibxml2(xmlDocGetRootElement(theirs.get())));
  if (difference.empty()) {
    ++counts.equal;
  } else {
    ++counts.differences;
    std::cout << "DIFFERENT " << path.string() << ": " << difference << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> roots;
  for (int index = 1; index < argc; ++index) roots.emplace_back(argv[index]);
  if (roots.empty()) roots.emplace_back("/usr/share");

  std::vector<fs::path> files;
  for (const fs::path& root : roots) {
    std::error_code error;
    for (fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied, error), end;
         walk != end; walk.increment(error)) {
      if (error) break;
      const std::string extension = Lowercase(walk->path().extension().string());
      if ((extension == ".xml" || extension == ".svg") && walk->is_regular_file(error)) files.push_back(walk->path());
    }
  }
  std::sort(files.begin(), files.end());

  xmlSetExternalEntityLoader(&RefuseExternal);
  XMLEntryExit connection;
  Counts counts;
  for (const fs::path& path : files) Compare(path, counts);

  std::cout << counts.files << " files: " << counts.equal << " read alike, " << counts.rejectedByBoth
            << " rejected by both, " << counts.unsupportedEncoding << " in an encoding the parser does not support, "
            << counts.differences << " different\n";
  return counts.differences == 0 && counts.unsupportedEncoding == 0 ? 0 : 1;
}
