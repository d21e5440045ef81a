#pragma once
// The running program's folder, where the host's setting.ini and the theme store live,
// and the paths of files in a folder.
#include <string>
#include <string_view>

namespace platform {

// The separator that starts a name appended to a folder: "\" on Windows.
#ifdef _WIN32
inline constexpr wchar_t kPathSeparator = L'\\';
#else
inline constexpr wchar_t kPathSeparator = L'/';
#endif

// Folder + separator + name, by plain concatenation.
std::wstring PathInFolder(const std::wstring& folder, std::wstring_view name);

// The running program's folder, without a trailing separator.
std::wstring ProgramFolder();

// Tests point ProgramFolder() at a folder of their own for as long as this lives.
class ScopedProgramFolder {
 public:
  explicit ScopedProgramFolder(std::wstring folder);
  ~ScopedProgramFolder();
  ScopedProgramFolder(const ScopedProgramFolder&) = delete;
  ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

 private:
  std::wstring previous_;
  bool had_previous_;
};

}  // namespace platform
