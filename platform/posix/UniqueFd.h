// A POSIX file descriptor owned by one object and closed with it.
#pragma once

#include <unistd.h>

#include <utility>

namespace kestrane::platform::posix {

class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  ~UniqueFd() { Reset(); }
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes the descriptor and returns close's result (0 on success); for writers, whose last
  // write errors may only show here.
  int Close() { return ::close(std::exchange(fd_, -1)); }

 private:
  void Reset() {
    if (valid()) ::close(std::exchange(fd_, -1));
  }
  int fd_;
};

}  // namespace kestrane::platform::posix
