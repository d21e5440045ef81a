// The host's lenient reading of numbers. Blanks anywhere change nothing and text after
// the number changes nothing; a plain decimal reads as the C library reads it; every
// integer and colour the writer of setting.ini makes reads back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "settings/numeric_text.h"
#include "settings/settings_values.h"

namespace {

// Bytes as characters: ASCII as it is, the rest as characters a Japanese user might
// type into a file by hand (full-width digits and blank, a yen sign, ...).
wchar_t CharOf(std::uint8_t b) {
  static constexpr wchar_t kWide[] = L"\uFF10\uFF11\u3000\u00A5\uFF0E\uFF0D\u2212\uFFFD";
  if (b < 0x80) return static_cast<wchar_t>(b);
  if (b >= 0xF8) return kWide[b - 0xF8];
  return static_cast<wchar_t>(b);
}

std::wstring Widen(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (char c : bytes) text += CharOf(static_cast<std::uint8_t>(c));
  return text;
}

bool SameValue(double a, double b) { return (a != a && b != b) || a == b; }

// A decimal number as the file might hold it, and the same in the C library's spelling.
struct Decimal {
  std::wstring text;
  std::string c;
};

Decimal MakeDecimal(FuzzInput& in) {
  Decimal d;
  auto add = [&](char ch) {
    d.text += static_cast<wchar_t>(ch);
    d.c += ch == 'D' || ch == 'd' ? 'e' : ch;
  };
  auto digits = [&](int most) {
    const int n = in.Below(most + 1);
    for (int i = 0; i < n; ++i) add(static_cast<char>('0' + in.Below(10)));
  };
  switch (in.Below(3)) {
    case 1: add('-'); break;
    case 2: add('+'); break;
    default: break;
  }
  digits(24);
  if (in.Bool()) {
    add('.');
    digits(24);
  }
  if (in.Bool()) {
    add("EeDd"[in.Below(4)]);
    if (in.Bool()) add(in.Bool() ? '-' : '+');
    digits(5);
  }
  return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);

  // What the writer makes of any 32-bit value reads back to it.
  const auto n = static_cast<std::int32_t>(in.U32());
  FUZZ_CHECK(ReadInteger(DecimalText(n)) == n);
  FUZZ_CHECK(ReadColor(L"&H" + UnpaddedHexText(n)) == n);

  // Four hexadecimal digits are a 16-bit number, unless an "&" makes them 32-bit.
  const std::uint16_t small = static_cast<std::uint16_t>(in.U32());
  const std::wstring hex = L"&H" + UnpaddedHexText(small);
  FUZZ_CHECK(ReadInteger(hex) == static_cast<std::int16_t>(small));
  FUZZ_CHECK(ReadInteger(hex + L"&") == small);

  // A plain decimal, followed by anything that cannot continue it, reads as strtod
  // reads it, rounded half to even.
  const Decimal decimal = MakeDecimal(in);
  FUZZ_CHECK(ReadInteger(decimal.text + L"x") == RoundHalfEven(std::strtod(decimal.c.c_str(), nullptr)));

  // Any text: blanks, tabs and line feeds wherever they stand change nothing, and
  // neither does a letter after it.
  const std::wstring text = Widen(in.Rest());
  const double value = NumericTextValue(text);
  std::wstring spaced;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i % 3 == 1) spaced += L" \t\n"[i % 7 % 3];
    spaced += text[i];
  }
  FUZZ_CHECK(SameValue(NumericTextValue(spaced), value));
  FUZZ_CHECK(SameValue(NumericTextValue(text + L"x"), value));
  return 0;
}
