#include "arborix/XMLBase.h"

#include "nodememory/NodeMemory.h"

XMLBase::XMLBase(XMLBase* parent) : parent_(parent), lockCount_(0) {}

XMLBase::XMLBase(const XMLBase& other) : parent_(other.parent_), lockCount_(other.lockCount_) {}

XMLBase& XMLBase::operator=(const XMLBase& other) {
  parent_ = other.parent_;
  lockCount_ = other.lockCount_;
  return *this;
}

XMLBase::~XMLBase() = default;

void* XMLBase::operator new(std::size_t size) { return arborix_internal::AllocateNodeMemory(size); }

// Over-aligned classes are rare: the heap's aligned form serves them, so the
// pooled blocks need no alignment beyond their grain on any platform.
void* XMLBase::operator new(std::size_t size, std::align_val_t alignment) { return ::operator new(size, alignment); }

void XMLBase::operator delete(void* block, std::size_t size) noexcept {
  arborix_internal::FreeNodeMemory(block, size);
}

// The unsized form: every compiler declares it, where the sized global one
// needs -fsized-deallocation with clang.
void XMLBase::operator delete(void* block, std::size_t, std::align_val_t alignment) noexcept {
  ::operator delete(block, alignment);
}

void XMLBase::SetParent(XMLBase* parent) { parent_ = parent; }

std::list<XMLBase*> XMLBase::GetChildNodes() const { return {}; }

void XMLBase::InsertChild(XMLBase*, XMLBase*) {}

void XMLBase::RemoveChild(XMLBase*) {}

void XMLBase::Lock() { ++lockCount_; }

void XMLBase::Unlock() {
  if (lockCount_ != 0) {
    --lockCount_;
  }
}

XMLBase* XMLBase::GetParent() const { return parent_; }

bool XMLBase::IsLocked() { return lockCount_ != 0; }

void XMLBase::Release() {
  // Only a document destroys itself here; its Release decides.
  if (XMLBase* root = GetRoot()) {
    root->Release();
  }
}

XMLBase* XMLBase::GetRoot() {
  if (parent_ == nullptr) {
    return nullptr;
  }
  XMLBase* node = parent_;
  while (node->parent_ != nullptr) {
    node = node->parent_;
  }
  return node;
}
