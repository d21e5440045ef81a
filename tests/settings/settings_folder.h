#pragma once
// A fresh program folder for one test: ProgramFolder() points at it while it lives,
// and it is removed afterwards.
#include <string>
#include <string_view>

#include "platform/program_folder.h"
#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "tests/platform/temp_folder.h"

class SettingsFolder {
 public:
  SettingsFolder() : scope_(temp_.folder()) {}

  std::wstring Folder() const { return temp_.folder(); }
  std::string FolderUtf8() const { return platform::ToUtf8(Folder()); }
  // As the program forms its paths: folder, the platform's separator, name.
  std::wstring File(std::wstring_view name) const { return temp_.File(name); }

  void Write(std::wstring_view name, std::string_view bytes) const { temp_.Write(name, bytes); }
  std::string Read(std::wstring_view name) const { return temp_.Read(name); }
  void WriteSettings(std::string_view bytes) const { Write(L"setting.ini", bytes); }
  std::string ReadSettings() const { return Read(L"setting.ini"); }

  // A load into a fresh record, as at program start.
  SettingsRecord Load(SettingsLoadResult* result = nullptr) const {
    SettingsRecord s;
    SettingsLoadResult r = LoadSettings(s);
    if (result) *result = r;
    return s;
  }

 private:
  TempFolder temp_;
  platform::ScopedProgramFolder scope_;
};
