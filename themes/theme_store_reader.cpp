#include "themes/theme_store_reader.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/platform.h"
#include "platform/text_file.h"
#include "settings/numeric_text.h"
#include "themes/color_text.h"
#include "themes/theme_store.h"

namespace {

// What a key line of a section sets: a colour slot, or one of these.
constexpr int kTransformTitleField = -1;
constexpr int kUnknownField = -2;

// The slot table's keys as views, measured once rather than on every line.
std::array<std::wstring_view, kColorSlotCount> ColorKeyViews() {
  std::array<std::wstring_view, kColorSlotCount> keys;
  for (const ColorSlotInfo& info : kColorSlots) keys[info.slot] = info.key;
  return keys;
}

// The colour slot named by `key`, kTransformTitleField, or kUnknownField. Keys are
// compared exactly: case and blanks count. `expected` is the slot to try first.
int ThemeFieldOfKey(std::wstring_view key, int expected) {
  static const std::array<std::wstring_view, kColorSlotCount> keys = ColorKeyViews();
  // Files we wrote list the keys in slot order, so the slot after the previous line's
  // is nearly always the one.
  if (expected >= 0 && expected < kColorSlotCount && key == keys[expected]) return expected;
  if (key == kTransformTitleKey) return kTransformTitleField;
  for (int slot = 0; slot < kColorSlotCount; ++slot) {
    if (key == keys[slot]) return slot;
  }
  return kUnknownField;
}

// The first character of `text` at or after `pos` that is not an ignored blank.
std::size_t SkipBlanks(std::wstring_view text, std::size_t pos) {
  while (pos < text.size() && IsIgnoredBlank(text[pos])) ++pos;
  return pos;
}

}  // namespace

Color ThemeStoreColorValue(std::wstring_view value) {
  const std::size_t first = SkipBlanks(value, 0);
  if (first < value.size() && value[first] == L'&') {
    const std::size_t second = SkipBlanks(value, first + 1);
    if (second < value.size() && (value[second] == L'H' || value[second] == L'h')) {
      // Always 32 bits, so &H8000 is the dark green 0x8000 and never a negative
      // 16-bit number.
      return TextToColor(value.substr(second + 1));
    }
    // Only "&H" is a prefix in these files; "&O" or a lone "&" is no number.
    return 0;
  }
  return RoundHalfEven(NumericTextValue(value));
}

void ThemeStoreReader::DropSectionWithoutValues() {
  if (sections_ == ThemeSections::SettingAValue && themes_.size() > firstSection_ && !sectionSetsValue_) {
    themes_.pop_back();
  }
}

void ThemeStoreReader::ReadLine(std::wstring_view line) {
  if (line.empty()) return;
  if (line.front() == L'[') {
    DropSectionWithoutValues();
    // The name drops the first and the last character, whatever the last one is;
    // "[" alone names a theme with an empty name.
    Theme& theme = themes_.emplace_back();
    if (line.size() >= 2) theme.Name.assign(line.substr(1, line.size() - 2));
    expectedSlot_ = 0;
    sectionSetsValue_ = false;
    return;
  }
  if (themes_.size() == firstSection_) return;  // lines before the first section

  const std::size_t firstEquals = line.find(L'=');
  const std::wstring_view key = line.substr(0, firstEquals);
  const int field = ThemeFieldOfKey(key, expectedSlot_);
  if (field == kUnknownField) return;
  expectedSlot_ = field + 1;
  sectionSetsValue_ = true;

  std::wstring_view value;
  if (firstEquals != std::wstring_view::npos) {
    value = line.substr(firstEquals + 1);
    value = value.substr(0, value.find(L'='));  // text after a second "=" is dropped
  }
  Theme& theme = themes_.back();
  if (field == kTransformTitleField) {
    theme.TransformTitle.assign(value);
  } else {
    theme.Colors[field] = ThemeStoreColorValue(value);
  }
}

void ThemeStoreBytesReader::Feed(std::string_view piece) {
  lines_.Feed(piece, [this](std::string_view line) { ReadLine(line); });
}

void ThemeStoreBytesReader::Finish() {
  lines_.FeedLast({}, [this](std::string_view line) { ReadLine(line); });
}

void ThemeStoreBytesReader::ReadLine(std::string_view line) {
  // Line by line, into one reused buffer: decoding the whole file in one call would take
  // longer, and the code page widens an ASCII line (nearly every line) without a search.
  unicode_.FeedLine(line);
  platform::FromCodePage(line, wide_);
  reader_.ReadLine(wide_);
}

void ReadThemeStoreBytes(std::string_view bytes, ThemeStoreReader& reader) {
  ThemeStoreBytesReader lines(reader);
  lines.Feed(bytes);
  lines.Finish();
}

std::vector<Theme> ReadThemeStoreLines(const std::vector<std::wstring>& lines) {
  ThemeStoreReader reader;
  for (const std::wstring& line : lines) reader.ReadLine(line);
  return reader.TakeThemes();
}
