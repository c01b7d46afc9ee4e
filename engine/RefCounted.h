// An intrusive reference count: the object starts with one reference and deletes itself when
// the last one is released. Objects must be made with new.
#pragma once

#include <cstdint>

class RefCounted {
 public:
  RefCounted() = default;
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

  void AddRef() { ++count_; }
  // Drops one reference; at zero the object is deleted through its virtual destructor.
  void Release() {
    if (count_ == 0 || --count_ == 0) delete this;
  }
  uint32_t GetRefCount() const { return count_; }

 protected:
  virtual ~RefCounted() = default;

 private:
  uint32_t count_ = 1;
};
