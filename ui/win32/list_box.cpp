#include "ui/win32/list_box.h"

namespace {

// Keeps a list box from repainting while it changes; repaints it whole afterwards.
class RedrawHeld {
 public:
  explicit RedrawHeld(HWND list) : list_(list) { SendMessageW(list_, WM_SETREDRAW, FALSE, 0); }
  ~RedrawHeld() {
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  RedrawHeld(const RedrawHeld&) = delete;
  RedrawHeld& operator=(const RedrawHeld&) = delete;

 private:
  HWND list_;
};

}  // namespace

int ListBox::Index() const {
  const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

bool ListBox::Select(int index) {
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  // Clearing the selection leaves the caret on the entry selected last, and with nothing
  // selected an arrow key selects the caret's entry: back to the top, as after a fill.
  if (index < 0 && Count() > 0) SendMessageW(list_, LB_SETCARETINDEX, 0, FALSE);
  return SelectionMoved();
}

bool ListBox::SelectionMoved() {
  const int index = Index();
  if (index == reportedIndex_) return false;
  reportedIndex_ = index;
  return true;
}

int ListBox::Count() const {
  const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::wstring ListBox::Item(int index) const {
  const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return text;
}

void ListBox::SetItem(int index, const std::wstring& text) {
  if (index < 0 || index >= Count()) return;
  // A list box cannot change an entry's text: replace the entry, keeping the
  // selection and the scroll position, without any notification.
  const int selected = Index();
  const LRESULT top = SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
  const RedrawHeld held(list_);
  SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  if (selected == index) SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

void ListBox::Clear() {
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  reportedIndex_ = -1;
}

void ListBox::Add(const std::wstring& text) {
  SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::ReplaceAll(const std::vector<std::wstring_view>& entries) {
  const RedrawHeld held(list_);
  Clear();
  AddAll(entries);
}

void ListBox::AppendAll(const std::vector<std::wstring_view>& entries) {
  const RedrawHeld held(list_);
  AddAll(entries);
}

void ListBox::AddAll(const std::vector<std::wstring_view>& entries) {
  // Held from redrawing (by the caller), the list box neither repaints nor resets its
  // scroll bar after every entry: under Wine 100,000 entries took 1.4 s that way even
  // while the window was hidden, and 5,000 took a minute when it was shown (File >
  // load). Told the count first, it makes room for all of them at once; Wine's list box
  // undoes that at the next entry and grows 16 entries at a time.
  std::size_t characters = 0;
  for (std::wstring_view entry : entries) characters += entry.size() + 1;
  SendMessageW(list_, LB_INITSTORAGE, static_cast<WPARAM>(entries.size()),
               static_cast<LPARAM>(characters * sizeof(wchar_t)));
  std::wstring text;  // the entry with its terminating zero
  for (std::wstring_view entry : entries) {
    text.assign(entry);
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void ListBox::Insert(int index, const std::wstring& text) {
  SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  // An insertion raises nothing either.
  reportedIndex_ = Index();
}

void ListBox::Remove(int index) {
  SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  // A removal raises nothing: the selection it leaves counts as reported.
  reportedIndex_ = Index();
}

void ListBox::RedrawItem(int index) {
  RECT item{};
  const LPARAM rect = reinterpret_cast<LPARAM>(&item);
  if (SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(index), rect) == LB_ERR) return;
  // An entry scrolled out of view lies outside the list's client area: nothing to ask
  // for (under Wine every invalidation is a round trip to the server).
  RECT client{};
  RECT shown{};
  GetClientRect(list_, &client);
  if (!IntersectRect(&shown, &item, &client)) return;
  InvalidateRect(list_, &shown, FALSE);
}
