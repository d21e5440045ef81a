#pragma once
// A fresh program folder for one test: ProgramFolder() points at it while it lives,
// and it is removed afterwards.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/platform.h"
#include "settings/settings_file.h"

class SettingsFolder {
 public:
  SettingsFolder() : path_(FreshPath()), scope_(path_.wstring()) {}
  ~SettingsFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  SettingsFolder(const SettingsFolder&) = delete;
  SettingsFolder& operator=(const SettingsFolder&) = delete;

  std::wstring Folder() const { return path_.wstring(); }
  std::string FolderUtf8() const { return platform::ToUtf8(Folder()); }
  // As the program forms its paths: folder, the platform's separator, name.
  std::wstring File(std::wstring_view name) const { return platform::PathInFolder(Folder(), name); }

  void Write(std::wstring_view name, std::string_view bytes) const {
    std::ofstream out(std::filesystem::path(File(name)), std::ios::binary);
    out << bytes;
  }
  std::string Read(std::wstring_view name) const {
    std::ifstream in(std::filesystem::path(File(name)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void WriteSettings(std::string_view bytes) const { Write(L"setting.ini", bytes); }
  std::string ReadSettings() const { return Read(L"setting.ini"); }

  // A load into a fresh record, as at program start.
  SettingsRecord Load(SettingsLoadResult* result = nullptr) const {
    SettingsRecord s;
    SettingsLoadResult r = LoadSettings(s, kNoMainWindow);
    if (result) *result = r;
    return s;
  }

 private:
  static std::filesystem::path FreshPath() {
    std::random_device random;
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("huebrook-settings-" + std::to_string(random()));
    std::filesystem::create_directories(path);
    return path;
  }

  std::filesystem::path path_;
  platform::ScopedProgramFolder scope_;
};
