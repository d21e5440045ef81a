#pragma once
// A fresh folder for one test, removed afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/program_folder.h"

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("huebrook-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::wstring folder() const { return path_.wstring(); }
  // The folder + the platform's separator + name, as the program forms its paths.
  std::wstring File(std::wstring_view name) const { return platform::PathInFolder(folder(), name); }

  void Write(std::wstring_view name, std::string_view bytes) const {
    std::ofstream out(std::filesystem::path(File(name)), std::ios::binary);
    out << bytes;
  }
  std::string Read(std::wstring_view name) const {
    std::ifstream in(std::filesystem::path(File(name)), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
  }
  bool Exists(std::wstring_view name) const { return std::filesystem::exists(std::filesystem::path(File(name))); }
  int CountEntries() const {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      (void)entry;
      ++n;
    }
    return n;
  }

 private:
  std::filesystem::path path_;
};
