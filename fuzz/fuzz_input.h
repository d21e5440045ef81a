#pragma once
// The fuzzer's bytes taken a little at a time, as choices: once they run out every
// choice is the first one, so any input, however short, is a complete run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
  bool Bool() { return (Byte() & 1) != 0; }
  // A number from 0 to n - 1 (n from 1 to 256).
  int Below(int n) { return n <= 1 ? 0 : Byte() % n; }
  std::uint32_t U32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return value;
  }
  // Up to `most` characters, each picked from `alphabet`.
  std::wstring Text(std::wstring_view alphabet, int most) {
    std::wstring text;
    const int length = Below(most + 1);
    for (int i = 0; i < length; ++i) text += alphabet[static_cast<std::size_t>(Below(static_cast<int>(alphabet.size())))];
    return text;
  }
  // The bytes not taken yet.
  std::string_view Rest() {
    const std::string_view rest(reinterpret_cast<const char*>(data_ + at_), Empty() ? 0 : size_ - at_);
    at_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Fails the run with a message: the fuzzer keeps the input, the replay names it.
[[noreturn]] void FuzzFailure(const char* what);
#define FUZZ_CHECK(condition)                               \
  do {                                                      \
    if (!(condition)) FuzzFailure("check failed: " #condition); \
  } while (0)
