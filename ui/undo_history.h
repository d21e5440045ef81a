#pragma once
// The steps Edit > Undo takes back and Edit > Redo does again: what the window showed
// before and after each (the current values, the flags, the selection) and the changes
// of the theme list in between. A step holds only what it changed.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "settings/color_slots.h"
#include "themes/theme_list_edit.h"

// What the window shows, as far as undo puts it back.
struct WindowState {
  ColorArray colors{};
  std::wstring title;
  int currentThemeIndex = 0;
  int selection = -1;
  bool settingsChanged = false;
  bool themeListChanged = false;
  bool operator==(const WindowState&) const = default;
};

struct UndoStep {
  std::wstring name;  // as the Edit menu names it
  WindowState before;
  WindowState after;
  std::vector<ThemeListEdit> edits;  // in the order they were made
  // Keystrokes in the TransformTitle field: the next ones extend the step.
  bool titleTyping = false;
};

class UndoHistory {
 public:
  // At least this many steps are kept; older ones go.
  static constexpr std::size_t kStepsKept = 100;

  // A new step: the steps taken back before it cannot be done again.
  void Push(UndoStep step);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  const UndoStep& NextUndo() const { return undo_.back(); }
  const UndoStep& NextRedo() const { return redo_.back(); }
  // The step to take back, moved over to the ones to do again; and the other way.
  UndoStep& Undo();
  UndoStep& Redo();
  // The last step, while more keystrokes may extend it.
  UndoStep* OpenTitleTyping() { return titleTypingOpen_ && CanUndo() ? &undo_.back() : nullptr; }
  void CloseTitleTyping() { titleTypingOpen_ = false; }
  void Clear();
  std::size_t UndoCount() const { return undo_.size(); }
  std::size_t RedoCount() const { return redo_.size(); }

 private:
  std::deque<UndoStep> undo_;
  std::deque<UndoStep> redo_;
  bool titleTypingOpen_ = false;
};
