#include "arborix/NodeText.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

#include "nodememory/NodeMemory.h"

namespace arborix_internal {
namespace {

std::uint32_t CheckedUnits(std::size_t units) {
  if (units > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("node text too long");
  return static_cast<std::uint32_t>(units);
}

std::size_t BytesOf(std::uint32_t units) { return std::size_t{units} * sizeof(char16_t); }

}  // namespace

NodeText::NodeText(std::u16string_view text) {
  std::copy(text.begin(), text.end(), Prepare(text.size()));
  Keep(text.size());
}

NodeText::NodeText(const NodeText& other) : NodeText(other.View()) {}

NodeText::NodeText(NodeText&& other) noexcept { TakeFrom(other); }

NodeText& NodeText::operator=(const NodeText& other) {
  if (this != &other) *this = NodeText(other);
  return *this;
}

NodeText& NodeText::operator=(NodeText&& other) noexcept {
  if (this != &other) {
    Release();
    TakeFrom(other);
  }
  return *this;
}

NodeText::~NodeText() { Release(); }

void NodeText::TakeFrom(NodeText& other) noexcept {
  units_ = other.units_;
  size_ = other.size_;
  room_ = other.room_;
  other.room_ = 0;
  other.size_ = 0;
}

void NodeText::Release() noexcept {
  if (room_ != 0) FreeNodeMemory(units_.block, BytesOf(room_));
  size_ = 0;
  room_ = 0;
}

char16_t* NodeText::Prepare(std::size_t most) {
  const std::uint32_t units = CheckedUnits(most);
  Release();
  if (units <= kLocalUnits) return units_.local;
  // The whole block is room: its size class may hold more than asked.
  const std::size_t bytes = NodeMemoryBlockSize(BytesOf(units));
  units_.block = static_cast<char16_t*>(AllocateNodeMemory(bytes));
  room_ = static_cast<std::uint32_t>(bytes / sizeof(char16_t));
  return units_.block;
}

void NodeText::Keep(std::size_t size) {
  size_ = static_cast<std::uint32_t>(size);
  if (room_ == 0) return;
  char16_t* const block = units_.block;
  // Text that shrank on conversion (UTF-8 of two or three bytes a character)
  // moves to the place that fits it; if none can be had, it stays where it is.
  if (size_ <= kLocalUnits) {
    std::copy_n(block, size_, units_.local);
    FreeNodeMemory(block, BytesOf(room_));
    room_ = 0;
    return;
  }
  const std::size_t fitting = NodeMemoryBlockSize(BytesOf(size_));
  if (fitting >= BytesOf(room_)) return;
  void* smaller = nullptr;
  try {
    smaller = AllocateNodeMemory(fitting);
  } catch (const std::bad_alloc&) {
    return;
  }
  std::copy_n(block, size_, static_cast<char16_t*>(smaller));
  FreeNodeMemory(block, BytesOf(room_));
  units_.block = static_cast<char16_t*>(smaller);
  room_ = static_cast<std::uint32_t>(fitting / sizeof(char16_t));
}

}  // namespace arborix_internal
