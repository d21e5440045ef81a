// The six-digit colour text of the fields and the theme files. Any colour's text reads
// back to its low 24 bits, in a field and in a theme file; any typed text, committed,
// shows a text that commits again to the same colour; no colour entered through the
// window lies where a 16-bit reading would turn it negative; blanks change nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "themes/color_text.h"
#include "themes/theme_store_reader.h"

namespace {

bool IsSixUpperHexDigits(const std::wstring& text) {
  if (text.size() != 6) return false;
  for (wchar_t c : text) {
    if (!((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'))) return false;
  }
  return true;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'F') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);

  // A stored colour, as the field shows it and a theme file holds it.
  const auto color = static_cast<Color>(in.U32());
  const std::wstring shown = ColorToText(color);
  FUZZ_CHECK(IsSixUpperHexDigits(shown));
  FUZZ_CHECK(TextToColor(shown) == (color & 0xFFFFFF));
  FUZZ_CHECK(TextToColor(Lower(shown)) == (color & 0xFFFFFF));
  FUZZ_CHECK(ThemeStoreColorValue(L"&H" + shown) == (color & 0xFFFFFF));
  FUZZ_CHECK(ThemeStoreColorValue(L"&h" + Lower(shown)) == (color & 0xFFFFFF));

  // Lifting keeps entered colours out of 0x8000-0xFFFF and changes nothing twice.
  const Color lifted = LiftColor(color);
  FUZZ_CHECK((lifted & 0xFF8000) != 0x8000);
  FUZZ_CHECK(LiftColor(lifted) == lifted);
  FUZZ_CHECK((lifted & ~0x10000) == (color & ~0x10000));

  // Whatever is typed into a field: the commit stores a lifted colour and shows its
  // text, and committing that text again stores the same low 24 bits.
  static constexpr wchar_t kTyped[] = L"0123456789ABCDEFabcdef &Hxz\t\n-+.\uFF10\u3000";
  const std::wstring typed = in.Text(std::wstring_view(kTyped, sizeof kTyped / sizeof(wchar_t) - 1), 12);
  const Color committed = LiftColor(TextToColor(typed));
  FUZZ_CHECK((committed & 0xFF8000) != 0x8000);
  const std::wstring after = ColorToText(committed);
  FUZZ_CHECK(LiftColor(TextToColor(after)) == (committed & 0xFFFFFF));

  // Blanks, tabs and line feeds anywhere in a field are passed over.
  std::wstring spaced;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (in.Bool()) spaced += L" \t\n"[in.Below(3)];
    spaced += typed[i];
  }
  FUZZ_CHECK(TextToColor(spaced) == TextToColor(typed));
  return 0;
}
