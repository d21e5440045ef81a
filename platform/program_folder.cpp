// The program's folder, and the folder tests put in its place.
#include "platform/program_folder.h"

#include <optional>
#include <utility>

#include "platform/system_services.h"

namespace platform {

namespace detail {
// Set only by tests through ScopedProgramFolder.
std::optional<std::wstring>& ProgramFolderOverride() {
  static std::optional<std::wstring> folder;
  return folder;
}
}  // namespace detail

std::wstring PathInFolder(const std::wstring& folder, std::wstring_view name) {
  std::wstring path = folder;
  path += kPathSeparator;
  path += name;
  return path;
}

std::wstring ProgramFolder() {
  if (const auto& folder = detail::ProgramFolderOverride()) return *folder;
  return detail::SystemProgramFolder();
}

ScopedProgramFolder::ScopedProgramFolder(std::wstring folder)
    : had_previous_(detail::ProgramFolderOverride().has_value()) {
  if (had_previous_) previous_ = *detail::ProgramFolderOverride();
  detail::ProgramFolderOverride() = std::move(folder);
}

ScopedProgramFolder::~ScopedProgramFolder() {
  if (had_previous_) {
    detail::ProgramFolderOverride() = previous_;
  } else {
    detail::ProgramFolderOverride().reset();
  }
}

}  // namespace platform
