#pragma once
// One change of the theme list that can be taken back and done again. Each edit holds
// what the list does not hold now (a removed theme, a theme as it was, a whole list a
// load replaced) and trades it with the list when toggled, so that a change costs what
// it changed: a delete holds the one theme, a load the list it replaced, once.
#include <cstddef>
#include <vector>

#include "themes/theme.h"

class ThemeListEdit {
 public:
  // Themes now at [index, index + count): appended by new, duplicate, add or a drop.
  static ThemeListEdit Inserted(int index, int count);
  // The theme that stood at `index` before it was removed.
  static ThemeListEdit Removed(int index, Theme theme);
  // The theme at `index` as it was before it changed (values stored into it, a name).
  static ThemeListEdit Changed(int index, Theme before);
  // The whole list as it was before a load replaced it.
  static ThemeListEdit Replaced(ThemeList before);

  // Takes the edit back when it is done, does it again when it was taken back.
  void Toggle(ThemeList& list);

  // What toggling last did to the list's entries, for a list box that shows them.
  struct Shown {
    enum Kind { EntriesInserted, EntriesRemoved, EntryChanged, AllReplaced };
    Kind kind;
    int index = 0;
    int count = 0;
  };
  Shown LastToggle() const { return shown_; }

 private:
  enum class Kind { Inserted, Removed, Changed, Replaced };
  ThemeListEdit(Kind kind, int index, int count) : kind_(kind), index_(index), count_(count) {}

  Kind kind_;
  int index_;
  int count_;
  // Whether the change is in the list now (done) rather than taken back.
  bool done_ = true;
  // The themes the list does not hold now; for Replaced the whole other list.
  std::vector<Theme> held_;
  Shown shown_{Shown::EntryChanged};
};
