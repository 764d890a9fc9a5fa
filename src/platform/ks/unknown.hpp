// Counted references in the manner of COM: every interface that crosses the
// device catalog or the control channel is reference counted, so that tests can
// check that each holder released what it took.
#pragma once

#include <cstdint>
#include <utility>

namespace ks {

class Unknown {
public:
  virtual std::uint32_t AddRef() = 0;
  virtual std::uint32_t Release() = 0;

protected:
  virtual ~Unknown() = default;
};

// Implements the count for a concrete class; the object deletes itself at zero.
template <class Interface> class RefCounted : public Interface {
public:
  std::uint32_t AddRef() override { return ++refs_; }
  std::uint32_t Release() override {
    const std::uint32_t left = --refs_;
    if (left == 0)
      delete this;
    return left;
  }

private:
  std::uint32_t refs_ = 1;
};

// Owning pointer that calls AddRef/Release. Attach() adopts a reference that the
// caller already owns (a freshly created object or an out-parameter).
template <class T> class ComPtr {
public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  ComPtr(const ComPtr& other) : p_(other.p_) {
    if (p_)
      p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  template <class U> ComPtr(const ComPtr<U>& other) : p_(other.Get()) {
    if (p_)
      p_->AddRef();
  }
  ~ComPtr() { Reset(); }

  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  static ComPtr Attach(T* raw) {
    ComPtr ptr;
    ptr.p_ = raw;
    return ptr;
  }
  T* Detach() { return std::exchange(p_, nullptr); }
  void Reset() {
    if (T* old = std::exchange(p_, nullptr))
      old->Release();
  }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }

private:
  T* p_ = nullptr;
};

// Creates a counted object holding the creator's one reference.
template <class T, class... Args> ComPtr<T> MakeCounted(Args&&... args) {
  return ComPtr<T>::Attach(new T(std::forward<Args>(args)...));
}

} // namespace ks
