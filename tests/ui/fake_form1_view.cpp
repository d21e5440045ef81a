#include "tests/ui/fake_form1_view.h"

#include <algorithm>
#include <string_view>

#include "ui/form1_menu.h"

#include "ui/layout.h"

namespace {

// The fake's name for a control of the layout table that can hold the focus.
Control ControlOf(const ControlSpec& spec) {
  switch (spec.name) {
    case ControlName::List1: return Control::ListBox();
    case ControlName::Picture1: return Control::PictureBox();
    case ControlName::txtColors: return Control::Field(spec.index);
    case ControlName::cmdBrows: return Control::Button(spec.index);
    case ControlName::txtTransformTitle: return Control::Title();
    default:
      ADD_FAILURE() << "the fake has no control for layout entry " << static_cast<int>(spec.name);
      return {};
  }
}

// The order in which Tab moves the focus: the layout table's, as the real window's.
std::vector<Control> TabOrder() {
  std::vector<Control> order;
  for (const ControlSpec& spec : Form1Controls()) {
    if (TakesFocus(spec.kind)) order.push_back(ControlOf(spec));
  }
  return order;
}

const char* KindName(int kind) {
  switch (kind) {
    case 0: return "message box";
    case 1: return "name dialog";
    case 2: return "colour chooser";
    default: return "file dialog";
  }
}

bool InRange(int index, int count) { return index >= 0 && index < count; }

}  // namespace

FakeForm1View::FakeForm1View() : colorTexts_(kColorSlotCount, L"Text1"), nameDialog_(*this) {}

FakeForm1View::~FakeForm1View() {
  for (const Answer& answer : script_) {
    ADD_FAILURE() << "a scripted " << KindName(answer.kind) << " was never shown";
  }
}

// --- The user ---------------------------------------------------------------------

bool FakeForm1View::UserCanAct(const char* action) {
  if (closed_) {
    ADD_FAILURE() << action << " after the window closed";
    return false;
  }
  if (nameDialog_.IsOpen()) {
    ADD_FAILURE() << action << " while the name dialog is open";
    return false;
  }
  return events_ != nullptr;
}

void FakeForm1View::Open() {
  if (!UserCanAct("Open")) return;
  events_->Form_Load();
  focus_ = Control::ListBox();
}

void FakeForm1View::Focus(Control control) {
  if (!UserCanAct("Focus")) return;
  if (control == focus_) return;
  const Control leaving = focus_;
  focus_ = control;
  // Tabbing into an edit control selects its text.
  wholeTextSelected_ = control.kind == Control::ColorField || control.kind == Control::TransformTitle;
  if (leaving.kind == Control::ColorField) events_->txtColors_LostFocus(leaving.index);
}

void FakeForm1View::Type(const std::wstring& keys) {
  if (!UserCanAct("Type")) return;
  if (focus_.kind != Control::ColorField && focus_.kind != Control::TransformTitle) {
    ADD_FAILURE() << "typing while no text field has the focus";
    return;
  }
  for (wchar_t key : keys) {
    std::wstring& text =
        focus_.kind == Control::ColorField ? colorTexts_[static_cast<std::size_t>(focus_.index)] : titleText_;
    if (wholeTextSelected_) {
      text.assign(1, key);
      wholeTextSelected_ = false;
    } else {
      text += key;
    }
    if (focus_.kind == Control::ColorField) {
      events_->txtColors_Change(focus_.index);
    } else {
      events_->txtTransformTitle_Change();
    }
  }
}

void FakeForm1View::PressTab() {
  if (!UserCanAct("Tab")) return;
  const std::vector<Control> order = TabOrder();
  auto at = std::find(order.begin(), order.end(), focus_);
  Focus(at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1));
}

void FakeForm1View::ClickListEntry(int index) {
  if (!UserCanAct("Click on the list")) return;
  if (!InRange(index, ListCount())) {
    ADD_FAILURE() << "no list entry " << index;
    return;
  }
  Focus(Control::ListBox());
  SetListIndexAndNotify(index);
}

void FakeForm1View::PressDown() {
  if (!UserCanAct("Down")) return;
  if (focus_.kind != Control::List) {
    ADD_FAILURE() << "Down while the list does not have the focus";
    return;
  }
  if (ListCount() > 0) SetListIndexAndNotify(std::min(listIndex_ + 1, ListCount() - 1));
}

void FakeForm1View::PressUp() {
  if (!UserCanAct("Up")) return;
  if (focus_.kind != Control::List) {
    ADD_FAILURE() << "Up while the list does not have the focus";
    return;
  }
  if (ListCount() > 0) SetListIndexAndNotify(std::max(listIndex_ - 1, 0));
}

void FakeForm1View::ClickBrowse(int index) {
  if (!UserCanAct("Click on a chooser button")) return;
  Focus(Control::Button(index));
  events_->cmdBrows_Click(index);
}

void FakeForm1View::ChooseMenu(void (Form1Events::*item)()) {
  if (!UserCanAct("Menu")) return;
  const MenuCommand command = CommandOf(item);
  if (IsThemeMenuItem(command)) {
    events_->mnColor_Click();
    if (!MenuItemEnabled(command)) {
      ADD_FAILURE() << "a greyed menu item chosen";
      return;
    }
  }
  (events_->*item)();
}

void FakeForm1View::OpenThemeMenu() {
  if (UserCanAct("Menu")) events_->mnColor_Click();
}

bool FakeForm1View::MenuItemEnabled(MenuCommand item) const {
  return std::find(greyed_.begin(), greyed_.end(), item) == greyed_.end();
}

void FakeForm1View::SetMenuItemEnabled(MenuCommand item, bool enabled) {
  std::erase(greyed_, item);
  if (!enabled) greyed_.push_back(item);
}

void FakeForm1View::DropFiles(const std::vector<std::wstring>& paths) {
  if (UserCanAct("Drop")) events_->Form_FilesDropped(paths);
}

bool FakeForm1View::AskClose(CloseReason reason) {
  if (!UserCanAct("Close")) return false;
  if (!events_->Form_QueryUnload(reason)) closed_ = true;
  return closed_;
}

void FakeForm1View::RequestClose() { AskClose(CloseReason::Program); }

// --- Scripted answers ------------------------------------------------------------------

void FakeForm1View::AnswerMessage(MsgBoxAnswer answer) { script_.push_back({Answer::Message, answer, std::nullopt, {}, {}, {}}); }

void FakeForm1View::AnswerMessage(const std::wstring& expectedPrompt, MsgBoxAnswer answer) {
  script_.push_back({Answer::Message, answer, expectedPrompt, {}, {}, {}});
}

void FakeForm1View::AnswerNameDialog(std::vector<NameDialogStep> steps) {
  script_.push_back({Answer::NameDialog, {}, std::nullopt, std::move(steps), {}, {}});
}

void FakeForm1View::AnswerChooser(std::optional<Color> chosen) {
  script_.push_back({Answer::Chooser, {}, std::nullopt, {}, chosen, {}});
}

void FakeForm1View::AnswerFileDialog(std::optional<std::wstring> path) {
  script_.push_back({Answer::FileDialog, {}, std::nullopt, {}, {}, std::move(path)});
}

void FakeForm1View::ModalOpened() {
  if (dropDuringModal_.empty() || !events_) return;
  std::vector<std::wstring> paths;
  paths.swap(dropDuringModal_);
  events_->Form_FilesDropped(paths);
}

std::optional<FakeForm1View::Answer> FakeForm1View::NextAnswer(Answer::Kind kind, const std::wstring& what) {
  ModalOpened();
  if (script_.empty() || script_.front().kind != kind) {
    ADD_FAILURE() << "unscripted " << KindName(kind) << ": " << what
                  << (script_.empty() ? std::string() : std::string(" (next scripted: ") + KindName(script_.front().kind) + ")");
    return std::nullopt;
  }
  Answer answer = std::move(script_.front());
  script_.pop_front();
  return answer;
}

// --- Form1View ---------------------------------------------------------------------

std::vector<std::wstring> FakeForm1View::ColorFieldTexts() const { return colorTexts_; }

std::wstring FakeForm1View::ColorFieldText(int index) {
  if (!InRange(index, kColorSlotCount)) {
    ADD_FAILURE() << "no colour field " << index;
    return {};
  }
  return colorTexts_[static_cast<std::size_t>(index)];
}

void FakeForm1View::SetColorFieldText(int index, const std::wstring& text) {
  if (!InRange(index, kColorSlotCount)) {
    ADD_FAILURE() << "no colour field " << index;
    return;
  }
  colorTexts_[static_cast<std::size_t>(index)] = text;
  if (focus_ == Control::Field(index)) wholeTextSelected_ = false;
  if (events_) events_->txtColors_Change(index);
}

void FakeForm1View::SetTransformTitleText(const std::wstring& text) {
  titleText_ = text;
  if (focus_ == Control::Title()) wholeTextSelected_ = false;
  if (events_) events_->txtTransformTitle_Change();
}

void FakeForm1View::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) {
    ADD_FAILURE() << "list index " << index << " set with " << ListCount() << " entries";
    return;
  }
  SetListIndexAndNotify(index);
}

void FakeForm1View::SetListIndexAndNotify(int index) {
  if (index == listIndex_) return;
  listIndex_ = index;
  if (events_) events_->List1_Click();
}

std::wstring FakeForm1View::ListItem(int index) {
  if (!InRange(index, ListCount())) {
    ADD_FAILURE() << "no list entry " << index;
    return {};
  }
  return listItems_[static_cast<std::size_t>(index)];
}

void FakeForm1View::SetListItem(int index, const std::wstring& text) {
  if (!InRange(index, ListCount())) {
    ADD_FAILURE() << "no list entry " << index;
    return;
  }
  listItems_[static_cast<std::size_t>(index)] = text;
}

void FakeForm1View::ListClear() {
  listItems_.clear();
  listIndex_ = -1;
}

void FakeForm1View::ListAdd(const std::wstring& text) {
  listItems_.push_back(text);
  ++singleListAdds_;
}

void FakeForm1View::ListReplaceAll(const std::vector<std::wstring_view>& entries) {
  listItems_.assign(entries.begin(), entries.end());
  listIndex_ = -1;
}

void FakeForm1View::ListAppendAll(const std::vector<std::wstring_view>& entries) {
  listItems_.insert(listItems_.end(), entries.begin(), entries.end());
}

void FakeForm1View::ListRemove(int index) {
  if (!InRange(index, ListCount())) {
    ADD_FAILURE() << "no list entry " << index;
    return;
  }
  listItems_.erase(listItems_.begin() + index);
  // As a list box does: the selection stays on its entry, or goes with it, silently.
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
}

MsgBoxAnswer FakeForm1View::MsgBox(const std::wstring& prompt, MsgBoxStyle style) {
  messages_.push_back({prompt, style});
  std::optional<Answer> answer = NextAnswer(Answer::Message, prompt);
  if (!answer) return MsgBoxAnswer::Cancel;
  if (answer->expectedPrompt && *answer->expectedPrompt != prompt) {
    ADD_FAILURE() << "message box shows \"" << prompt << "\", expected \"" << *answer->expectedPrompt << "\"";
  }
  return answer->message;
}

std::optional<Color> FakeForm1View::ChooseColor(Color initial, ColorChooserFlags flags) {
  choosers_.push_back({initial, flags});
  std::optional<Answer> answer = NextAnswer(Answer::Chooser, L"colour chooser");
  if (!answer) return std::nullopt;
  return answer->color;
}

std::optional<std::wstring> FakeForm1View::ShowFileDialog(FileDialogKind kind, const std::wstring& filter,
                                                          const std::wstring& fileName) {
  fileDialogs_.push_back({kind, filter, fileName});
  std::optional<Answer> answer =
      NextAnswer(Answer::FileDialog, kind == FileDialogKind::Open ? L"open dialog" : L"save dialog");
  if (!answer) return std::nullopt;
  return answer->file;
}

// --- The name dialog ------------------------------------------------------------------

void FakeForm1View::NameDialogView::SetInputText(const std::wstring& text) {
  text_ = text;
  selectionStart_ = 0;
  selectionLength_ = 0;
}

void FakeForm1View::NameDialogView::SetInputSelection(int start, int length) {
  const int size = static_cast<int>(text_.size());
  selectionStart_ = std::clamp(start, 0, size);
  selectionLength_ = std::clamp(length, 0, size - selectionStart_);
}

void FakeForm1View::NameDialogView::ShowModal(WindowRef owner, InputBoxEvents& events) {
  if (open_) {
    ADD_FAILURE() << "name dialog opened twice";
    return;
  }
  owner_.nameDialogs_.push_back({owner.handle, caption_, text_, selectionStart_, selectionLength_});
  std::optional<Answer> answer = owner_.NextAnswer(Answer::NameDialog, caption_);
  if (!answer) return;
  open_ = true;
  for (const NameDialogStep& step : answer->steps) {
    if (!open_) {
      ADD_FAILURE() << "name dialog step after it closed";
      break;
    }
    Run(step, events);
  }
  if (open_) {
    ADD_FAILURE() << "the scripted steps left the name dialog open";
    open_ = false;
  }
}

void FakeForm1View::NameDialogView::Run(const NameDialogStep& step, InputBoxEvents& events) {
  switch (step.kind) {
    case NameDialogStep::Type:
      text_.replace(static_cast<std::size_t>(selectionStart_), static_cast<std::size_t>(selectionLength_), step.text);
      selectionStart_ += static_cast<int>(step.text.size());
      selectionLength_ = 0;
      break;
    case NameDialogStep::Clear:
      text_.clear();
      selectionStart_ = selectionLength_ = 0;
      break;
    case NameDialogStep::ClickOk:
      events.OKButton_Click();
      break;
    case NameDialogStep::ClickCancel:
      events.CancelButton_Click();
      break;
    case NameDialogStep::CloseBox:
      open_ = false;
      break;
  }
}

void FakeForm1View::NameDialogView::Close() {
  if (!open_) ADD_FAILURE() << "closing a name dialog that is not open";
  open_ = false;
}
