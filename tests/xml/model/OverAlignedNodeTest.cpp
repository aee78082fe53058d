#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Arborix.h"

namespace {

// An element class a caller derives with a member aligned beyond what the
// node blocks give by themselves; `Bytes` decides whether it fits a pooled
// block or goes to the heap.
template <std::size_t Alignment, std::size_t Bytes>
class OverAlignedElement : public XMLElementNode {
 public:
  OverAlignedElement() : XMLElementNode(nullptr, u"lane") {}
  alignas(Alignment) unsigned char lane[Bytes] = {};
};

template <class Node>
bool PlacedOnItsAlignment(const Node* node) {
  return reinterpret_cast<std::uintptr_t>(node) % alignof(Node) == 0 &&
         reinterpret_cast<std::uintptr_t>(node->lane) % alignof(Node) == 0;
}

// Makes `count` nodes of the class, one after another as a tree would, and
// destroys them with the document that adopted them.
template <class Node>
void ExpectEveryNodeAligned(int count) {
  auto* document = new XMLDocument(u"root");
  for (int i = 0; i < count; ++i) {
    auto* node = new Node;
    EXPECT_TRUE(PlacedOnItsAlignment(node)) << "node " << i << " of " << sizeof(Node) << " bytes";
    node->lane[0] = 1;
    document->InsertChild(node, nullptr);
  }
  delete document;
}

TEST(OverAlignedNodes, A32ByteAlignedClassIsPlacedOnItsAlignmentInPooledAndLargeSizes) {
  ExpectEveryNodeAligned<OverAlignedElement<32, 32>>(16);
  ExpectEveryNodeAligned<OverAlignedElement<32, 320>>(16);
}

TEST(OverAlignedNodes, A64ByteAlignedClassIsPlacedOnItsAlignmentInPooledAndLargeSizes) {
  ExpectEveryNodeAligned<OverAlignedElement<64, 64>>(16);
  ExpectEveryNodeAligned<OverAlignedElement<64, 512>>(16);
}

}  // namespace
