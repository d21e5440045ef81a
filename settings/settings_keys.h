#pragma once
// The key table of setting.ini: one row per key (the colours as one row that stands
// for the eighteen slots of the slot table), in the order the writer produces them.
// The reader looks keys up in the same rows, so the two can never disagree.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

enum class SettingsKeyKind {
  OtoList,  // "OtoList" and a position
  Flag,
  Integer,
  Text,
  History,  // "History" and anything: every line adds an entry
  Colors,   // the eighteen keys of kColorSlots
};

struct SettingsKey {
  std::wstring_view key;  // the key, or the prefix of OtoList and History lines
  SettingsKeyKind kind;

  // Flags: the value read as true, and the values written for each state (nullptr:
  // no line in that state).
  bool SettingsRecord::*flagField = nullptr;
  std::wstring_view trueText;
  const wchar_t* writtenWhenTrue = nullptr;
  const wchar_t* writtenWhenFalse = nullptr;

  // Integers: written only while this flag is true.
  std::int32_t SettingsRecord::*integerField = nullptr;
  bool SettingsRecord::*writtenWhile = nullptr;

  // Texts.
  std::wstring SettingsRecord::*textField = nullptr;
  bool writtenWhenEmpty = false;
};

namespace settings_keys_detail {

constexpr SettingsKey Row(std::wstring_view key, SettingsKeyKind kind) {
  SettingsKey row{};
  row.key = key;
  row.kind = kind;
  return row;
}

constexpr SettingsKey Flag(std::wstring_view key, bool SettingsRecord::*field, std::wstring_view trueText,
                           const wchar_t* whenTrue, const wchar_t* whenFalse) {
  SettingsKey row = Row(key, SettingsKeyKind::Flag);
  row.flagField = field;
  row.trueText = trueText;
  row.writtenWhenTrue = whenTrue;
  row.writtenWhenFalse = whenFalse;
  return row;
}

// Most flags: "1" is true, and only a true flag is written.
constexpr SettingsKey FlagOne(std::wstring_view key, bool SettingsRecord::*field) {
  return Flag(key, field, L"1", L"1", nullptr);
}

constexpr SettingsKey Integer(std::wstring_view key, std::int32_t SettingsRecord::*field,
                              bool SettingsRecord::*writtenWhile) {
  SettingsKey row = Row(key, SettingsKeyKind::Integer);
  row.integerField = field;
  row.writtenWhile = writtenWhile;
  return row;
}

constexpr SettingsKey Text(std::wstring_view key, std::wstring SettingsRecord::*field, bool writtenWhenEmpty) {
  SettingsKey row = Row(key, SettingsKeyKind::Text);
  row.textField = field;
  row.writtenWhenEmpty = writtenWhenEmpty;
  return row;
}

}  // namespace settings_keys_detail

inline constexpr std::wstring_view kOtoListPrefix = L"OtoList";
inline constexpr std::wstring_view kHistoryPrefix = L"History";

inline constexpr auto kSettingsKeys = [] {
  using namespace settings_keys_detail;
  using R = SettingsRecord;
  constexpr bool kAlways = true;
  constexpr bool kWhenNotEmpty = false;
  return std::to_array<SettingsKey>({
      Row(kOtoListPrefix, SettingsKeyKind::OtoList),
      FlagOne(L"CacheEnable", &R::CacheEnable),
      FlagOne(L"CacheDeleteOnUnload", &R::CacheDeleteOnUnload),
      FlagOne(L"CacheDeleteBySize", &R::CacheDeleteBySize),
      Integer(L"CacheDeleteSize", &R::CacheDeleteSize, &R::CacheDeleteBySize),
      FlagOne(L"CacheDeleteByDate", &R::CacheDeleteByDate),
      Integer(L"CacheDeleteInterval", &R::CacheDeleteInterval, &R::CacheDeleteByDate),
      Text(L"Tool1Path", &R::Tool1Path, kAlways),
      Text(L"Tool2Path", &R::Tool2Path, kAlways),
      Row(kHistoryPrefix, SettingsKeyKind::History),
      Flag(L"DebugMode", &R::DebugMode, L"True", L"True", nullptr),
      FlagOne(L"PropExpandDetail", &R::PropExpandDetail),
      Row(L"", SettingsKeyKind::Colors),
      Text(L"TransformTitle", &R::TransformTitle, kWhenNotEmpty),
      Text(L"FormIcon", &R::FormIcon, kWhenNotEmpty),
      FlagOne(L"CheckVoiceFile", &R::CheckVoiceFile),
      FlagOne(L"NonBatchMode", &R::NonBatchMode),
      Flag(L"CompPitchDatas", &R::CompPitchDatas, L"1", L"1", L"0"),
      Flag(L"EncPitchDatas", &R::EncPitchDatas, L"1", L"1", L"0"),
      FlagOne(L"OldTime", &R::OldTime),
      FlagOne(L"NoCopyVoiceParam", &R::NoCopyVoiceParam),
      FlagOne(L"ExcludeVowelOnSetParam", &R::ExcludeVowelOnSetParam),
      Text(L"MainWindow", &R::MainWindow, kAlways),
      Text(L"VoiceRoot", &R::VoiceRoot, kWhenNotEmpty),
      Text(L"DefaultVoice", &R::DefaultVoice, kWhenNotEmpty),
      // Its absent value is true, so only the unusual false is written.
      Flag(L"MultiMove", &R::MultiMove, L"True", nullptr, L"False"),
      Flag(L"OnlyConcat", &R::OnlyConcat, L"True", L"True", nullptr),
  });
}();

// The row that holds a line with this key (never an OtoList line: the caller has
// taken those aside first), or nullptr. Colour keys give the Colors row.
const SettingsKey* FindSettingsKey(std::wstring_view key);

// The slot whose key this is.
std::optional<ColorSlot> FindColorSlot(std::wstring_view key);
