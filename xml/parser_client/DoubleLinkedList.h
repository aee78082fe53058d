// An intrusive doubly linked list: elements carry their own links and know the
// list they are in, so unlinking needs no search and no allocation.
#pragma once

namespace arborix_internal {

template <class T>
class double_linked_list;

template <class T>
class double_linked_list_element {
 public:
  double_linked_list_element() = default;
  double_linked_list_element(const double_linked_list_element&) = delete;
  double_linked_list_element& operator=(const double_linked_list_element&) = delete;
  ~double_linked_list_element() {
    if (owner_ != nullptr) owner_->remove(static_cast<T*>(this));
  }

  T* next() const { return next_; }

 private:
  friend class double_linked_list<T>;
  T* previous_ = nullptr;
  T* next_ = nullptr;
  double_linked_list<T>* owner_ = nullptr;
};

template <class T>
class double_linked_list {
 public:
  constexpr double_linked_list() = default;
  double_linked_list(const double_linked_list&) = delete;
  double_linked_list& operator=(const double_linked_list&) = delete;
  ~double_linked_list() { forget(); }

  T* front() const { return first_; }
  bool empty() const { return first_ == nullptr; }

  void push_back(T* element) {
    auto& links = Links(element);
    if (links.owner_ != nullptr) links.owner_->remove(element);
    links.previous_ = last_;
    links.next_ = nullptr;
    links.owner_ = this;
    (last_ != nullptr ? Links(last_).next_ : first_) = element;
    last_ = element;
  }

  void remove(T* element) {
    auto& links = Links(element);
    if (links.owner_ != this) return;
    (links.previous_ != nullptr ? Links(links.previous_).next_ : first_) = links.next_;
    (links.next_ != nullptr ? Links(links.next_).previous_ : last_) = links.previous_;
    links.previous_ = links.next_ = nullptr;
    links.owner_ = nullptr;
  }

  // Unlinks every element without destroying any.
  void forget() {
    while (first_ != nullptr) remove(first_);
  }

 private:
  static double_linked_list_element<T>& Links(T* element) { return *element; }

  T* first_ = nullptr;
  T* last_ = nullptr;
};

}  // namespace arborix_internal
