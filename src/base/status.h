// A failure as a value: ok, or the message the user reads. Functions that can fail
// for a reason worth telling (a file that cannot be read, a team that cannot be
// fielded, a season with nothing to play) return one.
#pragma once

#include <string>
#include <utility>

namespace velmoro {

class [[nodiscard]] Status {
  public:
    Status() = default;
    static Status Error(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

  private:
    explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}
    bool failed_ = false;
    std::string message_;
};

inline Status OkStatus() {
    return {};
}

}  // namespace velmoro
