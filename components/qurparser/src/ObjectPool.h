// Objects that the parser makes by the thousand and hands out for a single
// callback (strings, attribute lists), kept for reuse: a destroyed object
// goes back to a short free list with the memory its texts had, so the next
// one costs no allocation. Object::Clear() empties an object for reuse and
// may let go of memory too large to keep.
#pragma once

#include <array>
#include <cstddef>
#include <mutex>

namespace qur {

template <class Object>
class ObjectPool {
 public:
  ObjectPool() = default;
  ObjectPool(const ObjectPool&) = delete;
  ObjectPool& operator=(const ObjectPool&) = delete;
  ~ObjectPool() {
    for (std::size_t index = 0; index < count_; ++index) delete kept_[index];
  }

  // An empty object; throws std::bad_alloc.
  Object* Take() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (count_ != 0) return kept_[--count_];
    }
    return new Object;
  }

  // Takes back an object from Take (null is ignored).
  void Give(Object* object) noexcept {
    if (object == nullptr) return;
    object->Clear();
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (count_ < kept_.size()) {
        kept_[count_++] = object;
        return;
      }
    }
    delete object;
  }

 private:
  std::mutex mutex_;
  std::array<Object*, 64> kept_{};
  std::size_t count_ = 0;
};

}  // namespace qur
