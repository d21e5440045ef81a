// Which programs run from a folder, from /proc: the native build's stand-in for the
// Windows process list.
#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/running_programs.h"
#include "platform/utf8.h"

namespace platform {

std::vector<std::wstring> ProgramsRunningFrom(const std::wstring& folder) {
  std::vector<std::wstring> names;
  char resolved[PATH_MAX];
  if (realpath(ToUtf8(folder).c_str(), resolved) == nullptr) return names;
  const std::string wanted = resolved;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return names;
  const std::string self = std::to_string(getpid());
  while (const dirent* entry = readdir(proc)) {
    const std::string pid = entry->d_name;
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos || pid == self) continue;
    char image[PATH_MAX];
    const ssize_t n = readlink(("/proc/" + pid + "/exe").c_str(), image, sizeof image - 1);
    if (n <= 0) continue;
    const std::string path(image, static_cast<std::size_t>(n));
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && path.substr(0, slash) == wanted) names.push_back(FromUtf8(path.substr(slash + 1)));
  }
  closedir(proc);
  return names;
}

}  // namespace platform
