#pragma once
// Lirva's setting.ini as one record. Huebrook edits only Colors and TransformTitle;
// everything else is carried from the reader to the writer.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "settings/color_slots.h"

struct SettingsRecord {
  // Position (the number after "OtoList") -> entry, with tabs where the file has
  // commas. Sparse, so that a huge position number costs nothing.
  std::map<std::int32_t, std::wstring> OtoList;
  bool CacheEnable = false;
  bool CacheDeleteOnUnload = false;
  bool CacheDeleteBySize = false;
  bool CacheDeleteByDate = false;
  std::int32_t CacheDeleteSize = 0;
  std::int32_t CacheDeleteInterval = 0;
  std::wstring Tool1Path;
  std::wstring Tool2Path;
  bool PropExpandDetail = false;
  std::vector<std::wstring> History;  // entry n of the file is History[n - 1]
  bool DebugMode = false;
  ColorArray Colors{};  // COLOR_PIANO1 .. COLOR_NOTE_RSEL, indexed by ColorSlot
  std::wstring TransformTitle;
  std::wstring FormIcon;
  bool NonBatchMode = false;
  bool CheckVoiceFile = false;
  bool CompPitchDatas = false;
  bool EncPitchDatas = false;
  bool OldTime = false;
  bool NoCopyVoiceParam = false;
  bool ExcludeVowelOnSetParam = false;
  std::wstring VoiceRoot;
  std::wstring DefaultVoice;
  bool MultiMove = false;
  bool OnlyConcat = false;
  std::wstring MainWindow;

  // Non-empty lines of the file that none of the fields above holds (keys a newer
  // host writes, OtoList lines without a usable number), in file order. They are
  // written back after the record's own lines so a rewrite loses nothing.
  std::vector<std::wstring> OtherLines;

  bool operator==(const SettingsRecord&) const = default;
};

// The one program-wide copy of Lirva's settings.
extern SettingsRecord GlobalSettings;
