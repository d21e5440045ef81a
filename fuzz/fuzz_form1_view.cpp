#include "fuzz/fuzz_form1_view.h"

#include <algorithm>

#include "platform/files.h"
#include "settings/color_slots.h"
#include "ui/form1_menu.h"

namespace {

// What a user might type into the name dialog: letters, Japanese, the characters the
// theme file gives a meaning to, one the code page cannot hold.
constexpr std::wstring_view kNameKeys = L"aZ 0歌ｱ[]=?\\é";

// The answers a message box with these buttons can give.
std::vector<MsgBoxAnswer> Buttons(MsgBoxStyle style) {
  switch (static_cast<MsgBoxStyle>(static_cast<int>(style) & 0xF)) {
    case MsgBoxStyle::OKOnly: return {MsgBoxAnswer::OK};
    case MsgBoxStyle::OKCancel: return {MsgBoxAnswer::OK, MsgBoxAnswer::Cancel};
    case MsgBoxStyle::YesNoCancel: return {MsgBoxAnswer::Yes, MsgBoxAnswer::No, MsgBoxAnswer::Cancel};
    case MsgBoxStyle::YesNo: return {MsgBoxAnswer::Yes, MsgBoxAnswer::No};
    default: FuzzFailure("a message box with buttons the toolkit does not know");
  }
}

}  // namespace

FuzzForm1View::FuzzForm1View(FuzzInput& in, std::vector<std::wstring> savePaths, std::vector<std::wstring> alsoOpened,
                             bool asAUser)
    : in_(in),
      savePaths_(std::move(savePaths)),
      alsoOpened_(std::move(alsoOpened)),
      asAUser_(asAUser),
      colorTexts_(kColorSlotCount, L"Text1") {}

void FuzzForm1View::Attach(Form1Events& events, CloseObserver& observer) {
  events_ = &events;
  observer_ = &observer;
}

// --- The user -------------------------------------------------------------------------

void FuzzForm1View::Open() {
  events_->Form_Load();
  focus_ = {FuzzControl::List, 0};
}

void FuzzForm1View::Focus(FuzzControl control) {
  if (!UserCanAct() || control == focus_) return;
  const FuzzControl leaving = focus_;
  focus_ = control;
  wholeTextSelected_ = control.kind == FuzzControl::ColorField || control.kind == FuzzControl::Title;
  if (leaving.kind == FuzzControl::ColorField) {
    typedField_ = -1;
    events_->txtColors_LostFocus(leaving.index);
  }
}

void FuzzForm1View::Type(const std::wstring& keys) {
  if (!UserCanAct()) return;
  if (focus_.kind != FuzzControl::ColorField && focus_.kind != FuzzControl::Title) return;
  for (wchar_t key : keys) {
    if (closed_) return;
    std::wstring& text =
        focus_.kind == FuzzControl::ColorField ? colorTexts_[static_cast<std::size_t>(focus_.index)] : titleText_;
    if (wholeTextSelected_) {
      text.assign(1, key);
      wholeTextSelected_ = false;
    } else {
      text += key;
    }
    if (focus_.kind == FuzzControl::ColorField) {
      typedField_ = focus_.index;
      events_->txtColors_Change(focus_.index);
    } else {
      events_->txtTransformTitle_Change();
    }
  }
}

void FuzzForm1View::ClickListEntry(int index) {
  if (!UserCanAct() || index < 0 || index >= ListCount()) return;
  Focus({FuzzControl::List, 0});
  SelectAndNotify(index);
}

void FuzzForm1View::PressArrow(int step) {
  if (!UserCanAct() || ListCount() == 0) return;
  Focus({FuzzControl::List, 0});
  SelectAndNotify(std::clamp(listIndex_ + step, 0, ListCount() - 1));
}

void FuzzForm1View::ClickBrowse(int index) {
  if (!UserCanAct()) return;
  Focus({FuzzControl::Browse, index});
  events_->cmdBrows_Click(index);
}

void FuzzForm1View::ChooseMenu(void (Form1Events::*item)()) {
  if (!UserCanAct()) return;
  // The Theme menu is opened first, which greys out what cannot be chosen now.
  const MenuCommand command = CommandOf(item);
  if (IsThemeMenuItem(command)) {
    events_->mnColor_Click();
    if (closed_ || disabled_.contains(command)) return;
  }
  (events_->*item)();
  typedField_ = -1;
}

bool FuzzForm1View::AskClose(CloseReason reason) {
  if (!UserCanAct() || closing_) return false;
  closing_ = true;
  observer_->BeforeClose(reason);
  typedField_ = -1;
  const bool closed = !events_->Form_QueryUnload(reason);
  closing_ = false;
  observer_->AfterClose(reason, closed);
  closed_ = closed;
  return closed;
}

// --- Form1View --------------------------------------------------------------------------

std::wstring FuzzForm1View::ColorFieldText(int index) {
  if (index < 0 || index >= kColorSlotCount) FuzzFailure("a colour field that does not exist was read");
  return colorTexts_[static_cast<std::size_t>(index)];
}

void FuzzForm1View::SetColorFieldText(int index, const std::wstring& text) {
  if (index < 0 || index >= kColorSlotCount) FuzzFailure("a colour field that does not exist was set");
  colorTexts_[static_cast<std::size_t>(index)] = text;
  if (focus_ == FuzzControl{FuzzControl::ColorField, index}) wholeTextSelected_ = false;
  events_->txtColors_Change(index);
}

void FuzzForm1View::SetTransformTitleText(const std::wstring& text) {
  titleText_ = text;
  if (focus_.kind == FuzzControl::Title) wholeTextSelected_ = false;
  events_->txtTransformTitle_Change();
}

void FuzzForm1View::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) FuzzFailure("the list selection was set beyond the list");
  SelectAndNotify(index);
}

void FuzzForm1View::SelectAndNotify(int index) {
  if (index == listIndex_) return;
  listIndex_ = index;
  events_->List1_Click();
}

std::wstring FuzzForm1View::ListItem(int index) {
  if (index < 0 || index >= ListCount()) FuzzFailure("a list entry that does not exist was read");
  return listItems_[static_cast<std::size_t>(index)];
}

void FuzzForm1View::SetListItem(int index, const std::wstring& text) {
  if (index < 0 || index >= ListCount()) FuzzFailure("a list entry that does not exist was renamed");
  listItems_[static_cast<std::size_t>(index)] = text;
}

void FuzzForm1View::ListClear() {
  listItems_.clear();
  listIndex_ = -1;
  ++rebuilds_;
}

void FuzzForm1View::ListAdd(const std::wstring& text) {
  // A list built anew starts with the current-settings entry.
  if (listItems_.empty() && text != L"(現在の設定)") FuzzFailure("entry 0 of a list built anew is not (現在の設定)");
  listItems_.push_back(text);
}

void FuzzForm1View::ListReplaceAll(const std::vector<std::wstring_view>& entries) {
  // A list built anew starts with the current-settings entry.
  if (entries.empty() || entries[0] != L"(現在の設定)") FuzzFailure("entry 0 of a list built anew is not (現在の設定)");
  listItems_.assign(entries.begin(), entries.end());
  listIndex_ = -1;
  ++rebuilds_;
}

void FuzzForm1View::ListAppendAll(const std::vector<std::wstring_view>& entries) {
  if (listItems_.empty()) FuzzFailure("entries added to a list without its current-settings entry");
  listItems_.insert(listItems_.end(), entries.begin(), entries.end());
}

void FuzzForm1View::SetMenuItemEnabled(MenuCommand item, bool enabled) {
  if (enabled) {
    disabled_.erase(item);
  } else {
    disabled_.insert(item);
  }
}

void FuzzForm1View::ListRemove(int index) {
  if (index <= 0 || index >= ListCount()) FuzzFailure("entry 0, or one that does not exist, was removed");
  listItems_.erase(listItems_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
}

MsgBoxAnswer FuzzForm1View::MsgBox(const std::wstring& prompt, MsgBoxStyle style) {
  if (closed_ || modal_) FuzzFailure("a message box over a closed window or another modal window");
  if (prompt.empty()) FuzzFailure("a message box without a text");
  prompts_.push_back(prompt);
  const std::vector<MsgBoxAnswer> buttons = Buttons(style);
  AnsweredModal& shown = modals_.emplace_back();
  shown.prompt = prompt;
  shown.answer = buttons[static_cast<std::size_t>(in_.Below(static_cast<int>(buttons.size())))];
  return shown.answer;
}

std::optional<Color> FuzzForm1View::ChooseColor(Color initial, ColorChooserFlags /*flags*/) {
  if (closed_ || modal_) FuzzFailure("a colour chooser over a closed window or another modal window");
  AnsweredModal& shown = modals_.emplace_back();
  shown.kind = AnsweredModal::Chooser;
  shown.initial = initial;
  switch (in_.Below(4)) {
    case 0:
      break;
    case 1:
      shown.color = initial;
      break;
    case 2:
      shown.color = static_cast<Color>(in_.U32() & 0xFFFFFF);
      break;
    default:
      // A value from elsewhere may carry a top byte; the system's chooser never does.
      shown.color = static_cast<Color>(asAUser_ ? in_.U32() & 0xFFFFFF : in_.U32());
      break;
  }
  return shown.color;
}

std::optional<std::wstring> FuzzForm1View::ShowFileDialog(FileDialogKind kind, const std::wstring& /*filter*/,
                                                          const std::wstring& /*fileName*/) {
  if (closed_ || modal_) FuzzFailure("a file dialog over a closed window or another modal window");
  std::vector<std::wstring> offered = savePaths_;
  if (kind == FileDialogKind::Open) {
    offered.insert(offered.end(), alsoOpened_.begin(), alsoOpened_.end());
    // The open dialog takes only a file that exists.
    std::erase_if(offered, [](const std::wstring& path) { return !platform::PlainFileExists(path); });
  }
  AnsweredModal& shown = modals_.emplace_back();
  shown.kind = AnsweredModal::FileDialog;
  shown.fileKind = kind;
  const int choice = in_.Below(static_cast<int>(offered.size()) + 1);
  if (choice == 0) return std::nullopt;
  shown.path = offered[static_cast<std::size_t>(choice - 1)];
  if (kind == FileDialogKind::Open) lastOpened_ = shown.path;
  return shown.path;
}

// --- The name dialog ---------------------------------------------------------------------

void FuzzForm1View::SetInputText(const std::wstring& text) {
  nameText_ = text;
  selectionStart_ = selectionLength_ = 0;
}

void FuzzForm1View::SetInputSelection(int start, int length) {
  const int size = static_cast<int>(nameText_.size());
  selectionStart_ = std::clamp(start, 0, size);
  selectionLength_ = std::clamp(length, 0, size - selectionStart_);
}

void FuzzForm1View::ShowModal(WindowRef /*owner*/, InputBoxEvents& events) {
  if (closed_ || modal_) FuzzFailure("a name dialog over a closed window or another modal window");
  nameDialogOpen_ = true;
  modal_ = true;
  const std::size_t shown = modals_.size();
  modals_.emplace_back().kind = AnsweredModal::NameDialog;
  using Step = AnsweredModal::NameStep;
  auto note = [&](Step::Kind kind, std::wstring text = {}) { modals_[shown].steps.push_back({kind, std::move(text)}); };
  for (int step = 0; step < 4 && nameDialogOpen_; ++step) {
    switch (in_.Below(5)) {
      case 0: {
        const std::wstring typed = in_.Text(kNameKeys, 4);
        // No key pressed leaves the selection as it was: only a typed character replaces it.
        if (!typed.empty()) {
          nameText_.replace(static_cast<std::size_t>(selectionStart_), static_cast<std::size_t>(selectionLength_),
                            typed);
          selectionStart_ += static_cast<int>(typed.size());
          selectionLength_ = 0;
        }
        note(Step::Type, typed);
        break;
      }
      case 1:
        nameText_.clear();
        selectionStart_ = selectionLength_ = 0;
        note(Step::Clear);
        break;
      case 2:
        note(Step::Ok);
        events.OKButton_Click();
        break;
      case 3:
        note(Step::Cancel);
        events.CancelButton_Click();
        break;
      default:
        note(Step::CloseBox);
        nameDialogOpen_ = false;  // the title bar's close box
        break;
    }
  }
  // A user who did nothing decisive closes it with the close box.
  if (nameDialogOpen_) note(Step::CloseBox);
  nameDialogOpen_ = false;
  modal_ = false;
}

void FuzzForm1View::Close() {
  if (!nameDialogOpen_) FuzzFailure("a name dialog that is not open was closed");
  nameDialogOpen_ = false;
}
