// The text core of LoadSettings: lines of setting.ini into the record.
#include <cstdint>
#include <optional>

#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_values.h"

namespace {

// The position of an OtoList line, when the writer would write it back as the same
// text: decimal digits without leading zeros, within 32 bits. Anything else ("OtoList",
// "OtoList07", "OtoListHistory", a number too big to hold) is not a position.
std::optional<std::int32_t> OtoListPosition(std::wstring_view digits) {
  constexpr std::size_t kMostDigits = 10;  // 2147483647
  if (digits.empty() || digits.size() > kMostDigits) return std::nullopt;
  if (digits.size() > 1 && digits[0] == L'0') return std::nullopt;
  std::int64_t position = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    position = position * 10 + (c - L'0');
  }
  if (position > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(position);
}

// Takes an OtoList line into the record when writing the record gives this very line
// back. A line that would come back changed (a tab could not be told from a comma,
// text after a second "=" would be lost) is not taken, so that it is kept whole.
bool TakeOtoListLine(SettingsRecord& s, const SettingsLine& piece) {
  const std::optional<std::int32_t> position = OtoListPosition(piece.key.substr(kOtoListPrefix.size()));
  if (!position || piece.hasSecondEquals || piece.value.find(L'\t') != std::wstring_view::npos) return false;
  if (piece.value.empty()) {
    // The last line for a position wins, and an empty entry is no entry.
    s.OtoList.erase(*position);
    return true;
  }
  std::wstring entry(piece.value);
  for (wchar_t& c : entry) {
    if (c == L',') c = L'\t';
  }
  s.OtoList[*position] = std::move(entry);
  return true;
}

void TakeValue(SettingsRecord& s, const SettingsKey& row, const SettingsLine& piece) {
  switch (row.kind) {
    case SettingsKeyKind::Flag:
      s.*row.flagField = ReadFlag(piece.value, row.trueText);
      break;
    case SettingsKeyKind::Integer:
      s.*row.integerField = ReadInteger(piece.value);
      break;
    case SettingsKeyKind::Text:
      s.*row.textField = std::wstring(piece.value);
      break;
    case SettingsKeyKind::History:
      s.History.emplace_back(piece.value);
      break;
    case SettingsKeyKind::Colors:
      if (const std::optional<ColorSlot> slot = FindColorSlot(piece.key)) s.Colors[*slot] = ReadColor(piece.value);
      break;
    case SettingsKeyKind::OtoList:
      break;  // taken aside before any key is looked up
  }
}

}  // namespace

void ReadSettingsLine(SettingsRecord& s, std::wstring_view line) {
  if (line.empty()) return;
  bool held = false;
  if (const std::optional<SettingsLine> piece = SplitSettingsLine(line)) {
    if (piece->key.starts_with(kOtoListPrefix)) {
      held = TakeOtoListLine(s, *piece);
    } else if (const SettingsKey* row = FindSettingsKey(piece->key)) {
      TakeValue(s, *row, *piece);
      held = true;
    }
  }
  // Lirva may know keys we do not (a newer version writes more); they go back
  // into the file untouched.
  if (!held) s.OtherLines.emplace_back(line);
}

void ReadSettingsLines(SettingsRecord& s, const std::vector<std::wstring>& lines) {
  for (const std::wstring& line : lines) ReadSettingsLine(s, line);
}
