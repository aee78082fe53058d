// Arbitrary sequences of insertions, moves, removals, stale parent pointers,
// clones and serialisations over a few elements, texts and attributes. A
// plain model of who lists whom predicts every list after every step; at the
// end the nodes that nobody lists are deleted, which must free every node
// exactly once.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <list>
#include <vector>

#include "Arborix.h"

namespace {

constexpr std::size_t kNodes = 12;

enum class Kind { kElement, kText, kAttribute };

struct Listing {
  std::size_t holder = kNodes;  // kNodes: listed by nobody
  bool asAttribute = false;
};

class Trees {
 public:
  Trees() {
    for (std::size_t index = 0; index < kNodes; ++index) {
      switch (index % 3) {
        case 0:
          nodes_.push_back(new XMLElementNode(nullptr, u"e"));
          break;
        case 1:
          nodes_.push_back(new XMLTextNode(nullptr, u"t"));
          break;
        default:
          nodes_.push_back(new XMLAttributeObj(nullptr, u"a", u"v"));
      }
      listings_.emplace_back();
      children_.emplace_back();
      attributes_.emplace_back();
    }
  }
  Trees(const Trees&) = delete;
  Trees& operator=(const Trees&) = delete;

  ~Trees() {
    for (std::size_t index = 0; index < kNodes; ++index) {
      if (listings_[index].holder == kNodes) delete nodes_[index];
    }
  }

  // `node` is what the step moves, `target` the element it works on and
  // `next` the node to stand before (kNodes: none).
  void Step(std::uint8_t operation, std::uint8_t first, std::uint8_t second, std::uint8_t third) {
    const std::size_t node = first % kNodes;
    const std::size_t target = second % kNodes;
    const std::size_t next = third % (kNodes + 1);
    XMLBase* before = next == kNodes ? nullptr : nodes_[next];
    switch (operation % 7) {
      case 0:
        InsertChild(target, node, before);
        break;
      case 1:
        if (next == kNodes || KindOf(next) == Kind::kAttribute) InsertAttribute(target, node, before);
        break;
      case 2:
        if (auto* element = ElementAt(target)) element->RemoveChild(nodes_[node]);
        Remove(target, node, false);
        break;
      case 3:
        if (auto* element = ElementAt(target); element != nullptr && KindOf(node) == Kind::kAttribute) {
          element->RemoveAttribute(static_cast<XMLAttributeObj*>(nodes_[node]));
          Remove(target, node, true);
        }
        break;
      case 4:
        // Parent pointers are the caller's to change; the lists must not care.
        nodes_[node]->SetParent(before);
        break;
      case 5:
        delete nodes_[node]->Clone(before == nullptr);
        break;
      default: {
        UTF16String out;
        nodes_[node]->AppendXML(out);
      }
    }
    Check();
  }

 private:
  static Kind KindOf(std::size_t index) { return static_cast<Kind>(index % 3); }

  XMLElementNode* ElementAt(std::size_t index) {
    return KindOf(index) == Kind::kElement ? static_cast<XMLElementNode*>(nodes_[index]) : nullptr;
  }

  bool ListsUpward(std::size_t element, std::size_t node) const {
    for (std::size_t at = element; at != kNodes; at = listings_[at].holder) {
      if (at == node) return true;
    }
    return false;
  }

  void InsertChild(std::size_t element, std::size_t node, XMLBase* before) {
    if (ElementAt(element) == nullptr) {
      nodes_[element]->InsertChild(nodes_[node], before);  // ignored by texts and attributes
      return;
    }
    ElementAt(element)->InsertChild(nodes_[node], before);
    if (!ListsUpward(element, node)) Place(element, node, before, false);
  }

  void InsertAttribute(std::size_t element, std::size_t node, XMLBase* before) {
    if (ElementAt(element) == nullptr || KindOf(node) != Kind::kAttribute) return;
    ElementAt(element)->InsertAttribute(static_cast<XMLAttributeObj*>(nodes_[node]),
                                        static_cast<XMLAttributeObj*>(before));
    Place(element, node, before, true);
  }

  void Place(std::size_t element, std::size_t node, XMLBase* before, bool asAttribute) {
    Unlist(node);
    std::list<XMLBase*>& list = asAttribute ? attributes_[element] : children_[element];
    // A node that is not in the list, itself included, stands before nothing.
    list.insert(std::find(list.begin(), list.end(), before), nodes_[node]);
    listings_[node] = {element, asAttribute};
  }

  void Remove(std::size_t element, std::size_t node, bool asAttribute) {
    if (listings_[node].holder == element && listings_[node].asAttribute == asAttribute) Unlist(node);
  }

  void Unlist(std::size_t node) {
    const Listing listing = listings_[node];
    if (listing.holder == kNodes) return;
    (listing.asAttribute ? attributes_ : children_)[listing.holder].remove(nodes_[node]);
    listings_[node] = {};
  }

  void Check() {
    for (std::size_t index = 0; index < kNodes; ++index) {
      XMLElementNode* element = ElementAt(index);
      if (element == nullptr) continue;
      const std::list<XMLAttributeObj*> attributes = element->GetAttributes();
      if (element->GetChildNodes() != children_[index] ||
          !std::equal(attributes.begin(), attributes.end(), attributes_[index].begin(), attributes_[index].end())) {
        std::abort();
      }
    }
  }

  std::vector<XMLBase*> nodes_;
  std::vector<Listing> listings_;
  std::vector<std::list<XMLBase*>> children_;
  std::vector<std::list<XMLBase*>> attributes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Trees trees;
  for (std::size_t at = 0; at + 4 <= size; at += 4) trees.Step(data[at], data[at + 1], data[at + 2], data[at + 3]);
  return 0;
}
