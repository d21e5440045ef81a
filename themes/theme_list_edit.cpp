#include "themes/theme_list_edit.h"

#include <iterator>
#include <utility>

ThemeListEdit ThemeListEdit::Inserted(int index, int count) { return ThemeListEdit(Kind::Inserted, index, count); }

ThemeListEdit ThemeListEdit::Removed(int index, Theme theme) {
  ThemeListEdit edit(Kind::Removed, index, 1);
  edit.held_.push_back(std::move(theme));
  return edit;
}

ThemeListEdit ThemeListEdit::Changed(int index, Theme before) {
  ThemeListEdit edit(Kind::Changed, index, 1);
  edit.held_.push_back(std::move(before));
  return edit;
}

ThemeListEdit ThemeListEdit::Replaced(ThemeList before) {
  ThemeListEdit edit(Kind::Replaced, 0, 0);
  edit.held_ = std::move(before);
  return edit;
}

void ThemeListEdit::Toggle(ThemeList& list) {
  const auto at = list.begin() + index_;
  switch (kind_) {
    case Kind::Inserted:
    case Kind::Removed: {
      // Inserted and done, or removed and taken back: the themes are in the list.
      const bool inList = (kind_ == Kind::Inserted) == done_;
      if (inList) {
        held_.assign(std::make_move_iterator(at), std::make_move_iterator(at + count_));
        list.erase(at, at + count_);
        shown_ = {Shown::EntriesRemoved, index_, count_};
      } else {
        list.insert(at, std::make_move_iterator(held_.begin()), std::make_move_iterator(held_.end()));
        held_.clear();
        shown_ = {Shown::EntriesInserted, index_, count_};
      }
      break;
    }
    case Kind::Changed:
      std::swap(*at, held_.front());
      shown_ = {Shown::EntryChanged, index_, 1};
      break;
    case Kind::Replaced:
      list.swap(held_);
      shown_ = {Shown::AllReplaced, 0, static_cast<int>(list.size())};
      break;
  }
  done_ = !done_;
}
