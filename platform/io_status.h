#pragma once
// The outcome of a file operation: success, or a failure with the reason in the
// user's language, as the operating system words it.
#include <string>
#include <utility>

namespace platform {

class [[nodiscard]] IoStatus {
 public:
  static IoStatus Ok() { return IoStatus(); }
  static IoStatus Failed(std::wstring reason) {
    IoStatus s;
    s.ok_ = false;
    s.reason_ = std::move(reason);
    return s;
  }
  bool ok() const { return ok_; }
  const std::wstring& reason() const { return reason_; }

 private:
  bool ok_ = true;
  std::wstring reason_;
};

}  // namespace platform
