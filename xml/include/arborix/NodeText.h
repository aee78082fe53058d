/// @file
/// arborix_internal::NodeText: how a node keeps its text. It is part of the
/// node classes' layout, and exported only because their implicit copies
/// copy it; it is not an interface of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ArborixExport.h"

namespace arborix_internal {

/// The UTF-16 units of a node's text: up to four in the object itself, more
/// in a block of the library's node memory, so that a deleted tree gives its
/// texts back with its nodes.
class ARBORIX_EXPORT NodeText {
 public:
  /// An empty text.
  NodeText() noexcept = default;
  /// A copy of `text`; throws std::bad_alloc, or std::length_error beyond
  /// 2^32 - 1 units.
  explicit NodeText(std::u16string_view text);
  ///@{
  /// A copy has units of its own; a moved-from text is empty.
  NodeText(const NodeText& other);
  NodeText(NodeText&& other) noexcept;
  NodeText& operator=(const NodeText& other);
  NodeText& operator=(NodeText&& other) noexcept;
  ///@}
  /// Gives the block back to node memory.
  ~NodeText();

  /// The units, valid until the text changes or is destroyed.
  std::u16string_view View() const noexcept { return {room_ == 0 ? units_.local : units_.block, size_}; }
  /// True for a text of no units.
  bool empty() const noexcept { return size_ == 0; }

  /// Replaces the text by room for up to `most` units, and returns it; the
  /// caller writes into it and then calls Keep. Throws as the constructor.
  char16_t* Prepare(std::size_t most);
  /// Keeps the first `size` units written after Prepare (at most its `most`),
  /// moving them to a smaller place when that saves memory.
  void Keep(std::size_t size);

 private:
  static constexpr std::uint32_t kLocalUnits = 4;

  void Release() noexcept;
  void TakeFrom(NodeText& other) noexcept;

  /// `local` while room_ is 0, else `block`.
  union Units {
    char16_t local[kLocalUnits];
    char16_t* block;
  } units_{};
  std::uint32_t size_ = 0;
  std::uint32_t room_ = 0;  ///< units the block holds; 0 for none
};

}  // namespace arborix_internal
