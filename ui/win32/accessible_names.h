#pragma once
// The names (and descriptions) screen readers speak for the controls whose own text
// says nothing, given through the system's dynamic annotation: the standard controls
// stay standard, only what they are called changes. The names last as long as this
// object; it takes them off again before the windows go.
#include "ui/win32/win32.h"

#include <span>
#include <vector>

#include "ui/layout.h"
#include "ui/texts.h"
#include "ui/win32/control_set.h"

struct IAccPropServices;

class AccessibleNames {
 public:
  AccessibleNames();
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  // Names every control of `specs` that needs a name of its own. Where the system
  // offers no annotation (Wine), screen readers hear each control's own text instead.
  void Annotate(const ControlSet& controls, std::span<const ControlSpec> specs, Language language);
  // Takes every name off again; the windows may go afterwards.
  void Clear();
  // Whether the system took the names; Wine, for one, has no annotation service.
  bool SystemTookNames() const { return !annotated_.empty(); }

 private:
  bool comStarted_ = false;
  IAccPropServices* services_ = nullptr;
  std::vector<HWND> annotated_;
};
