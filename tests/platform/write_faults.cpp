// What the stand-ins of both systems share: which calls concern the file, and when the
// armed fault strikes.
#include "tests/platform/write_faults.h"

#include <utility>

#include "platform/io_status.h"
#include "tests/platform/write_faults_detail.h"

WriteFaultInjector* write_faults_detail::active = nullptr;

WriteFaultInjector::WriteFaultInjector(std::wstring fileName) : fileName_(std::move(fileName)) {
  write_faults_detail::active = this;
  scope_.emplace(write_faults_detail::StandIns());
}

WriteFaultInjector::~WriteFaultInjector() {
  scope_.reset();
  write_faults_detail::active = nullptr;
}

void WriteFaultInjector::Arm(const WriteFault& fault) {
  Heal();
  fault_ = fault;
}

void WriteFaultInjector::Heal() {
  fault_.reset();
  counts_ = {};
  struck_ = false;
  waits_ = 0;
  healAfterWaits_ = -1;
}

void WriteFaultInjector::CountWait() {
  if (++waits_ == healAfterWaits_) fault_.reset();
}

std::wstring WriteFaultInjector::Reason() const {
  return fault_ ? platform::SystemErrorReason(fault_->error) : std::wstring();
}

WriteFaultInjector::Strike WriteFaultInjector::Next(WriteStep step) {
  const int call = counts_[step]++;
  if (!fault_ || fault_->step != step || call < fault_->call) return Strike::None;
  if (call == fault_->call) {
    struck_ = true;
    return Strike::First;
  }
  // Busy faults go on failing; a full disk stays full after its short count.
  return fault_->kind == WriteFault::Error ? Strike::None : Strike::Later;
}

namespace {

bool AllOf(std::wstring_view text, bool (*test)(wchar_t)) {
  for (wchar_t c : text) {
    if (!test(c)) return false;
  }
  return !text.empty();
}
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsAlnum(wchar_t c) { return IsDigit(c) || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// What the safe write appends to a name for its temporary file: six letters or digits
// (mkstemp), or process-attempt.tmp (Windows).
bool IsTemporarySuffix(std::wstring_view suffix) {
  if (suffix.size() == 6 && AllOf(suffix, IsAlnum)) return true;
  if (!suffix.ends_with(L".tmp")) return false;
  suffix.remove_suffix(4);
  const std::size_t dash = suffix.find(L'-');
  return dash != std::wstring_view::npos && AllOf(suffix.substr(0, dash), IsDigit) &&
         AllOf(suffix.substr(dash + 1), IsDigit);
}

}  // namespace

bool WriteFaultInjector::IsTemporaryOfTheFile(const std::wstring& path) const {
  const std::size_t slash = path.find_last_of(L"/\\");
  const std::wstring_view name = std::wstring_view(path).substr(slash == std::wstring::npos ? 0 : slash + 1);
  return name.size() > fileName_.size() + 1 && name.starts_with(fileName_) && name[fileName_.size()] == L'.' &&
         IsTemporarySuffix(name.substr(fileName_.size() + 1));
}

bool WriteFaultInjector::IsTheFile(const std::wstring& path) const {
  return path.size() > fileName_.size() && path.ends_with(fileName_) &&
         (path[path.size() - fileName_.size() - 1] == L'/' || path[path.size() - fileName_.size() - 1] == L'\\');
}
