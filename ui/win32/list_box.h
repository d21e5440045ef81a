#pragma once
// A list box: its entries, its selection, and whether the selection has moved since the
// owner last heard of it. The owner raises its click handler when told so; the list box
// knows no handlers. Large fills go in one step, without a repaint per entry.
#include "ui/win32/win32.h"

#include <string>
#include <string_view>
#include <vector>

class ListBox {
 public:
  // The control the window created from its layout table.
  void Attach(HWND list) { list_ = list; }

  int Index() const;  // -1: nothing selected
  // Selects `index` (-1: nothing). LB_SETCURSEL sends no notification, so the answer
  // says whether the selection moved from the one last reported.
  [[nodiscard]] bool Select(int index);
  // On LBN_SELCHANGE: whether the selection moved from the one last reported.
  [[nodiscard]] bool SelectionMoved();

  int Count() const;
  std::wstring Item(int index) const;
  // Changes the entry's text, keeping the selection and the scroll position.
  void SetItem(int index, const std::wstring& text);
  // Clear and Remove leave no move to report: the program made them, not the user.
  void Clear();
  void Add(const std::wstring& text);
  // Every entry replaced by these, with nothing selected.
  void ReplaceAll(const std::vector<std::wstring_view>& entries);
  // These added at the end; the selection stays.
  void AppendAll(const std::vector<std::wstring_view>& entries);
  void Remove(int index);
  // An entry put in before entry `index`; the selection stays on its entry.
  void Insert(int index, const std::wstring& text);
  // Draws the entry again when the list next paints, if it is on the screen at all.
  void RedrawItem(int index);

 private:
  void AddAll(const std::vector<std::wstring_view>& entries);

  HWND list_ = nullptr;
  // The selection last reported, so only a real change counts as a move.
  int reportedIndex_ = -1;
};
