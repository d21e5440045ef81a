// The host's lenient number reading, as Lirva itself reads its files.
#include "settings/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool IsDecimalDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The digit's value in the radix, or -1.
int DigitValue(wchar_t c, int radix) {
  int value = -1;
  if (c >= L'0' && c <= L'9') {
    value = c - L'0';
  } else if (c >= L'A' && c <= L'F') {
    value = c - L'A' + 10;
  } else if (c >= L'a' && c <= L'f') {
    value = c - L'a' + 10;
  }
  return value < radix ? value : -1;
}

// "&H..." or "&O...": the digits from `pos` on, in `radix`.
double RadixValue(std::wstring_view text, std::size_t pos, int radix) {
  constexpr std::uint64_t kMax32 = 0xFFFFFFFFu;
  std::uint64_t value = 0;
  double magnitude = 0;  // kept once the value no longer fits in 32 bits
  bool beyond32 = false;
  for (; pos < text.size(); ++pos) {
    int digit = DigitValue(text[pos], radix);
    if (digit < 0) break;
    if (beyond32) {
      magnitude = magnitude * radix + digit;
    } else {
      value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
      if (value > kMax32) {
        beyond32 = true;
        magnitude = static_cast<double>(value);
      }
    }
  }
  // Nothing in 32 bits can hold it; its plain size lets RoundHalfEven clamp it to the
  // largest integer rather than wrap it round to some unrelated small value.
  if (beyond32) return magnitude;
  const bool followedByAmpersand = pos < text.size() && text[pos] == L'&';
  if (value <= 0xFFFF && !followedByAmpersand) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The longest prefix that forms a decimal number: sign, digits, fraction, exponent
// with E or D. The full stop is the decimal point whatever the user's locale.
double DecimalValue(std::wstring_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
    negative = text[pos] == L'-';
    ++pos;
  }
  std::string digits;  // integer and fraction digits, for the size estimate below
  std::size_t integerDigits = 0;
  for (; pos < text.size() && IsDecimalDigit(text[pos]); ++pos, ++integerDigits) {
    digits += static_cast<char>(text[pos]);
  }
  std::string ascii = digits;  // the number as from_chars reads it
  if (pos < text.size() && text[pos] == L'.') {
    ++pos;
    ascii += '.';
    for (; pos < text.size() && IsDecimalDigit(text[pos]); ++pos) {
      digits += static_cast<char>(text[pos]);
      ascii += static_cast<char>(text[pos]);
    }
  }
  if (digits.empty()) return 0;

  long long exponent = 0;
  if (pos < text.size() && (text[pos] == L'E' || text[pos] == L'e' || text[pos] == L'D' || text[pos] == L'd')) {
    std::size_t at = pos + 1;
    bool exponentNegative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
      exponentNegative = text[at] == L'-';
      ++at;
    }
    if (at < text.size() && IsDecimalDigit(text[at])) {
      std::string exponentText;
      for (; at < text.size() && IsDecimalDigit(text[at]); ++at) {
        // Far beyond any double's range already; more digits change nothing.
        if (exponent < 1000000) exponent = exponent * 10 + (text[at] - L'0');
        exponentText += static_cast<char>(text[at]);
      }
      if (exponentNegative) exponent = -exponent;
      ascii += exponentNegative ? "e-" : "e";
      ascii += exponentText;
    }
  }

  double value = 0;
  const std::errc error = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value).ec;
  if (error == std::errc::result_out_of_range) {
    // Too large or too small for a double: decide which from where the first
    // significant digit stands.
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const long long order = static_cast<long long>(integerDigits) - static_cast<long long>(firstSignificant) + exponent;
    value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace

double NumericTextValue(std::wstring_view text) {
  std::wstring compact;
  compact.reserve(text.size());
  for (wchar_t c : text) {
    if (!IsIgnoredBlank(c)) compact += c;
  }
  if (compact.size() >= 2 && compact[0] == L'&') {
    if (compact[1] == L'H' || compact[1] == L'h') return RadixValue(compact, 2, 16);
    if (compact[1] == L'O' || compact[1] == L'o') return RadixValue(compact, 2, 8);
  }
  return DecimalValue(compact);
}

std::int32_t RoundHalfEven(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(value)) return 0;
  // Anything from here on rounds to the limit or beyond it.
  if (value >= kHighest) return std::numeric_limits<std::int32_t>::max();
  if (value <= kLowest) return std::numeric_limits<std::int32_t>::min();
  const double below = std::floor(value);
  const double fraction = value - below;
  double rounded = below;
  if (fraction > 0.5) {
    rounded = below + 1;
  } else if (fraction == 0.5) {
    rounded = std::fmod(below, 2.0) == 0 ? below : below + 1;
  }
  return static_cast<std::int32_t>(rounded);
}
