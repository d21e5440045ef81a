// The values the record holds for whatever setting.ini does not say.
#include "settings/settings_file.h"

void SetStandardColors(SettingsRecord& s) {
  for (const ColorSlotInfo& info : kColorSlots) s.Colors[info.slot] = info.standard;
}

void SetDefaultSettings(SettingsRecord& s) {
  s.CacheEnable = false;
  s.CacheDeleteOnUnload = false;
  s.CacheDeleteBySize = false;
  s.CacheDeleteByDate = false;
  s.CompPitchDatas = true;
  s.EncPitchDatas = true;
  s.OldTime = false;
  s.NoCopyVoiceParam = false;
  s.ExcludeVowelOnSetParam = false;
  s.NonBatchMode = false;
  s.MultiMove = true;
}
