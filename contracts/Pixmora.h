// Pixmora: the application's image library. Points, 32-bit pixels, true-colour
// images and 8-bit mattes, walked element by element through iterators.
//
// Layout: a grid of size (width, height) holds width x height elements, row by
// row, with no gap between rows, in one contiguous block. Iterators visit them
// in that order from begin() to end().
//
// Client registrations: every iterator holds one registration on the grid it
// walks, taken when it is made or copied and given back through RemoveClient()
// when it is destroyed. ClientCount() tells how many are outstanding, so a
// caller can prove that every iterator was released. While a grid has clients
// its size cannot change.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "PixmoraExport.h"

// A position or a size: for a size, x is the width and y the height.
struct PmPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;

  friend bool operator==(const PmPoint&, const PmPoint&) = default;
};

// One 32-bit pixel. By convention bits 16-23, 8-15 and 0-7 hold the colour
// and bits 24-31 a fourth byte; the library itself gives the bits no meaning.
class PIXMORA_EXPORT PmImagePixel {
 public:
  constexpr PmImagePixel() = default;
  constexpr PmImagePixel(std::uint32_t value) noexcept : value_(value) {}
  constexpr operator std::uint32_t() const noexcept { return value_; }

 private:
  std::uint32_t value_ = 0;
};
static_assert(std::is_trivially_copyable_v<PmImagePixel> && sizeof(PmImagePixel) == 4);

// The number of elements in a grid of `size`. Throws std::invalid_argument
// when a side is negative and std::length_error when the elements would not
// fit in memory (a size that no grid can have).
PIXMORA_EXPORT std::size_t PmElementCount(const PmPoint& size);

enum class PmClientEvent { Added, Removed };

// The registration book of one image or matte. Copying a grid copies its
// elements, not its registrations nor its observer.
class PIXMORA_EXPORT PmClients {
 public:
  // Told of every registration and release on this grid. An observer that
  // throws on Added refuses that registration: the exception reaches whoever
  // asked for the iterator. It must not throw on Removed. Watching changes
  // nothing of the grid, so a constant grid can be watched too.
  using Observer = std::function<void(PmClientEvent)>;

  PmClients() = default;
  PmClients(const PmClients&) noexcept {}
  PmClients& operator=(const PmClients&) noexcept { return *this; }

  void AddClient() const;
  // Gives back one registration that AddClient took.
  void RemoveClient() const noexcept;
  std::int32_t ClientCount() const noexcept { return clients_; }

  void SetClientObserver(Observer observer) const { observer_ = std::move(observer); }

 protected:
  ~PmClients() = default;
  // Throws std::logic_error while iterators hold registrations.
  void RequireNoClients(const char* operation) const;

 private:
  mutable std::int32_t clients_ = 0;
  mutable Observer observer_;
};

// A grid of `Element` values: the common shape of PmImage and PmMatte.
template <class Element>
class PIXMORA_EXPORT PmGrid : public PmClients {
 public:
  // Steps through the grid row by row. Dereferencing or advancing an
  // iterator that stands at the end throws std::out_of_range.
  template <class Value>
  class BasicIterator {
   public:
    using value_type = std::remove_const_t<Value>;
    using difference_type = std::ptrdiff_t;
    using reference = Value&;

    BasicIterator(const BasicIterator& other) : grid_(other.grid_), position_(other.position_) {
      grid_->AddClient();
    }
    BasicIterator(BasicIterator&& other) noexcept
        : grid_(std::exchange(other.grid_, nullptr)), position_(other.position_) {}
    BasicIterator& operator=(BasicIterator other) noexcept {
      std::swap(grid_, other.grid_);
      std::swap(position_, other.position_);
      return *this;
    }
    ~BasicIterator() {
      if (grid_ != nullptr) grid_->RemoveClient();
    }

    Value& operator*() const {
      RequireElement();
      return *position_;
    }
    BasicIterator& operator++() {
      RequireElement();
      ++position_;
      return *this;
    }
    friend bool operator==(const BasicIterator& a, const BasicIterator& b) noexcept {
      return a.position_ == b.position_;
    }

    // The element under the iterator in the grid's contiguous block; the
    // elements up to end() follow it directly. Valid at the end too (one past
    // the last element), and unchecked: for loops that walk the block itself.
    Value* Address() const noexcept { return position_; }

   private:
    friend class PmGrid;
    BasicIterator(const PmGrid& grid, Value* position) : grid_(&grid), position_(position) {
      grid_->AddClient();
    }
    void RequireElement() const {
      if (position_ == grid_->elements_.data() + grid_->elements_.size()) {
        throw std::out_of_range("iterator stands at the end of its grid");
      }
    }

    const PmGrid* grid_;  // null once moved from
    Value* position_;
  };

  using Iterator = BasicIterator<Element>;
  using ConstIterator = BasicIterator<const Element>;

  PmPoint GetSize() const noexcept { return size_; }
  std::size_t ElementCount() const noexcept { return elements_.size(); }

  Iterator begin() { return Iterator(*this, elements_.data()); }
  Iterator end() { return Iterator(*this, elements_.data() + elements_.size()); }
  ConstIterator begin() const { return ConstIterator(*this, elements_.data()); }
  ConstIterator end() const { return ConstIterator(*this, elements_.data() + elements_.size()); }

 protected:
  PmGrid() = default;
  // Every element starts as zero.
  explicit PmGrid(const PmPoint& size) : size_(size), elements_(PmElementCount(size)) {}
  ~PmGrid() = default;
  PmGrid(const PmGrid&) = default;
  PmGrid& operator=(const PmGrid& other) {
    RequireNoClients("assigning to");
    PmClients::operator=(other);
    size_ = other.size_;
    elements_ = other.elements_;
    return *this;
  }

  void Resize(const PmPoint& size, bool keepElements) {
    RequireNoClients("resizing");
    std::vector<Element> resized(PmElementCount(size));
    if (keepElements) {
      const auto rows = std::min(size.y, size_.y);
      const auto columns = static_cast<std::size_t>(std::min(size.x, size_.x));
      for (std::int32_t row = 0; row < rows; ++row) {
        std::copy_n(elements_.begin() + static_cast<std::ptrdiff_t>(row) * size_.x, columns,
                    resized.begin() + static_cast<std::ptrdiff_t>(row) * size.x);
      }
    }
    elements_.swap(resized);
    size_ = size;
  }

 private:
  PmPoint size_;
  std::vector<Element> elements_;
};

// A true-colour image of 32-bit pixels.
class PIXMORA_EXPORT PmImage : public PmGrid<PmImagePixel> {
 public:
  // A 0 x 0 image.
  PmImage() = default;
  // An image of `size` whose pixels are all 0. Throws like PmElementCount.
  explicit PmImage(const PmPoint& size) : PmGrid(size) {}

  // Gives the image a new size. With `keepPixels` the pixels inside both the
  // old and the new size keep their values and the others become 0; without,
  // every pixel becomes 0. `resized`, when not null, is called once the image
  // has its new size. Throws like PmElementCount, and std::logic_error while
  // iterators hold registrations; the image is unchanged when it throws.
  void ReInit(const PmPoint& size, bool keepPixels, void (*resized)());
};

// An 8-bit matte, the same grid as an image with one byte per element.
class PIXMORA_EXPORT PmMatte : public PmGrid<std::uint8_t> {
 public:
  // A 0 x 0 matte.
  PmMatte() = default;
  // A matte of `size` whose elements are all 0. Throws like PmElementCount.
  explicit PmMatte(const PmPoint& size) : PmGrid(size) {}
};
