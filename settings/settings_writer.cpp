// The text core of SaveSettings: the record as the lines of setting.ini.
#include <string>

#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_values.h"

namespace {

std::wstring KeyLine(std::wstring_view key, std::wstring_view value) {
  std::wstring line(key);
  line += L'=';
  line += value;
  return line;
}

void WriteOtoList(const SettingsRecord& s, const SettingsLineSink& lines) {
  // The map holds only the positions that were filled, so a lone huge position costs
  // one line, not one step for every position below it.
  for (const auto& [position, entry] : s.OtoList) {
    if (position < 0 || entry.empty()) continue;
    std::wstring value = entry;
    for (wchar_t& c : value) {
      if (c == L'\t') c = L',';
    }
    lines(KeyLine(std::wstring(kOtoListPrefix) + DecimalText(position), value));
  }
}

void WriteHistory(const SettingsRecord& s, const SettingsLineSink& lines) {
  // Renumbered from 1 in list order, whatever numbers the keys bore when read.
  std::size_t number = 1;
  for (const std::wstring& entry : s.History) {
    lines(KeyLine(std::wstring(kHistoryPrefix) + std::to_wstring(number), entry));
    ++number;
  }
}

void WriteRow(const SettingsRecord& s, const SettingsKey& row, const SettingsLineSink& lines) {
  switch (row.kind) {
    case SettingsKeyKind::OtoList:
      WriteOtoList(s, lines);
      break;
    case SettingsKeyKind::Flag:
      if (const wchar_t* value = s.*row.flagField ? row.writtenWhenTrue : row.writtenWhenFalse) {
        lines(KeyLine(row.key, value));
      }
      break;
    case SettingsKeyKind::Integer:
      if (s.*row.writtenWhile) lines(KeyLine(row.key, DecimalText(s.*row.integerField)));
      break;
    case SettingsKeyKind::Text:
      if (row.writtenWhenEmpty || !(s.*row.textField).empty()) lines(KeyLine(row.key, s.*row.textField));
      break;
    case SettingsKeyKind::History:
      WriteHistory(s, lines);
      break;
    case SettingsKeyKind::Colors:
      for (const ColorSlotInfo& info : kColorSlots) {
        lines(KeyLine(info.key, L"&H" + UnpaddedHexText(s.Colors[info.slot])));
      }
      break;
  }
}

}  // namespace

void WriteSettingsLines(const SettingsRecord& s, const SettingsLineSink& lines) {
  for (const SettingsKey& row : kSettingsKeys) WriteRow(s, row, lines);
  // What Lirva wrote that the record does not hold, as it stood and in its order.
  for (const std::wstring& line : s.OtherLines) lines(line);
}

std::vector<std::wstring> WriteSettingsLines(const SettingsRecord& s) {
  std::vector<std::wstring> lines;
  WriteSettingsLines(s, [&](std::wstring_view line) { lines.emplace_back(line); });
  return lines;
}
