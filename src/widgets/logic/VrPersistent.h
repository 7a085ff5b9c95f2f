#pragma once
// Base of the widgets' small option objects (palettes, bevels): one change
// notification for the owner, held back while an update bracket is open so
// that copying several fields is heard as one change.
#include <cstdint>
#include <functional>

namespace hopvox {

class TVrPersistent {
 public:
  std::function<void()> OnChange;

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
    Changed();
  }

 protected:
  TVrPersistent() = default;
  TVrPersistent(const TVrPersistent&) = default;
  TVrPersistent& operator=(const TVrPersistent&) = default;
  ~TVrPersistent() = default;

  void Changed() {
    if (updateCount_ == 0 && OnChange) OnChange();
  }
  // Stores a new value; announces it only when it differs.
  template <typename T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

 private:
  std::int32_t updateCount_ = 0;
};

}  // namespace hopvox
