#include "tests/support/simulated_form1.h"

#include <algorithm>

#include "ui/form1_menu.h"
#include "ui/layout.h"

namespace {

// The simulation's name for a control of the layout table that can hold the focus.
Control ControlOf(const ControlSpec& spec) {
  switch (spec.name) {
    case ControlName::List1: return Control::ListBox();
    case ControlName::Picture1: return Control::PictureBox();
    case ControlName::txtColors: return Control::Field(spec.index);
    case ControlName::cmdBrows: return Control::Button(spec.index);
    case ControlName::txtTransformTitle: return Control::Title();
    default: return {};
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

bool IsTextField(Control control) {
  return control.kind == Control::ColorField || control.kind == Control::TransformTitle;
}

}  // namespace

std::vector<MsgBoxAnswer> ButtonsOf(MsgBoxStyle style) {
  switch (static_cast<MsgBoxStyle>(static_cast<int>(style) & 0xF)) {
    case MsgBoxStyle::OKOnly: return {MsgBoxAnswer::OK};
    case MsgBoxStyle::OKCancel: return {MsgBoxAnswer::OK, MsgBoxAnswer::Cancel};
    case MsgBoxStyle::YesNoCancel: return {MsgBoxAnswer::Yes, MsgBoxAnswer::No, MsgBoxAnswer::Cancel};
    case MsgBoxStyle::YesNo: return {MsgBoxAnswer::Yes, MsgBoxAnswer::No};
    default: return {};
  }
}

SimulatedForm1::SimulatedForm1(ModalAnswers& answers, PreviewSurface& surface)
    : answers_(answers), surface_(surface), colorTexts_(kColorSlotCount, L"Text1") {}

// --- The user -----------------------------------------------------------------------

bool SimulatedForm1::UserCanAct(const char* action) {
  if (closed_) {
    answers_.CannotAct(std::string(action) + " after the window closed");
    return false;
  }
  if (modalOpen_) {
    answers_.CannotAct(std::string(action) + " while a modal window is open");
    return false;
  }
  return events_ != nullptr;
}

void SimulatedForm1::Deactivate() {
  if (!active_) return;
  focusWhenInactive_ = focus_;
  focus_ = Control{};
  active_ = false;
}

void SimulatedForm1::Reactivate() {
  if (active_) return;
  focus_ = focusWhenInactive_;
  active_ = true;
}

void SimulatedForm1::Open() {
  if (!UserCanAct("Open")) return;
  events_->Form_Load();
  focus_ = Control::ListBox();
}

void SimulatedForm1::Focus(Control control) {
  if (!UserCanAct("Focus")) return;
  Reactivate();
  if (control == focus_) return;
  const Control leaving = focus_;
  focus_ = control;
  // Tabbing into an edit control selects its text.
  wholeTextSelected_ = IsTextField(control);
  if (control.kind == Control::ColorField) textAtFocus_ = colorTexts_[static_cast<std::size_t>(control.index)];
  if (leaving.kind == Control::ColorField) {
    typedField_ = -1;
    events_->txtColors_LostFocus(leaving.index);
  }
}

void SimulatedForm1::Type(const std::wstring& keys) {
  if (!UserCanAct("Type")) return;
  Reactivate();
  if (!IsTextField(focus_)) {
    answers_.CannotAct("typing while no text field has the focus");
    return;
  }
  for (wchar_t key : keys) {
    std::wstring& text = focus_.kind == Control::ColorField ? colorTexts_[static_cast<std::size_t>(focus_.index)] : titleText_;
    if (wholeTextSelected_) {
      text.assign(1, key);
      wholeTextSelected_ = false;
    } else {
      text += key;
    }
    if (focus_.kind == Control::ColorField) {
      typedField_ = focus_.index;
      events_->txtColors_Change(focus_.index);
    } else {
      events_->txtTransformTitle_Change();
    }
  }
}

void SimulatedForm1::PressTab() {
  if (!UserCanAct("Tab")) return;
  Reactivate();
  const std::vector<Control> order = TabOrder();
  auto at = std::find(order.begin(), order.end(), focus_);
  Focus(at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1));
}

void SimulatedForm1::ClickListEntry(int index) {
  if (!UserCanAct("Click on the list")) return;
  if (index < 0 || index >= ListCount()) {
    answers_.CannotAct("no list entry " + std::to_string(index) + " to click");
    return;
  }
  Focus(Control::ListBox());
  SelectAndNotify(index);
}

void SimulatedForm1::PressArrow(int step) {
  if (!UserCanAct("Arrow key")) return;
  Reactivate();
  if (focus_.kind != Control::List) {
    answers_.CannotAct("an arrow key while the list does not have the focus");
    return;
  }
  if (ListCount() > 0) SelectAndNotify(std::clamp(listIndex_ + step, 0, ListCount() - 1));
}

void SimulatedForm1::ClickBrowse(int index) {
  if (!UserCanAct("Click on a chooser button")) return;
  Focus(Control::Button(index));
  events_->cmdBrows_Click(index);
}

void SimulatedForm1::ChooseMenu(void (Form1Events::*item)()) {
  if (!UserCanAct("Menu")) return;
  Reactivate();
  const MenuCommand command = CommandOf(item);
  if (const MenuHandler dropDown = DropDownBefore(command)) {
    (events_->*dropDown)();
    if (closed_) return;
    if (!MenuItemEnabled(command)) {
      answers_.CannotAct("a greyed menu item chosen");
      return;
    }
  }
  (events_->*item)();
  // The command took a colour still being typed first.
  typedField_ = -1;
}

void SimulatedForm1::OpenMenuOf(MenuCommand item) {
  if (!UserCanAct("Menu")) return;
  Reactivate();
  if (const MenuHandler dropDown = DropDownBefore(item)) (events_->*dropDown)();
}

void SimulatedForm1::FieldUndo() {
  std::wstring& text = colorTexts_[static_cast<std::size_t>(focus_.index)];
  std::swap(text, textAtFocus_);
  events_->txtColors_Change(focus_.index);
}

void SimulatedForm1::PressUndoKey() {
  if (!UserCanAct("Ctrl+Z")) return;
  Reactivate();
  if (focus_.kind == Control::ColorField && events_->txtColors_HoldsTyping(focus_.index)) {
    FieldUndo();
    return;
  }
  events_->mnUndo_Click();
  typedField_ = -1;
}

void SimulatedForm1::PressRedoKey() {
  if (!UserCanAct("Ctrl+Y")) return;
  Reactivate();
  // The field keeps the key while it holds typing: an edit field has no redo of its own.
  if (focus_.kind == Control::ColorField && events_->txtColors_HoldsTyping(focus_.index)) return;
  events_->mnRedo_Click();
  typedField_ = -1;
}

std::wstring SimulatedForm1::MenuItemText(MenuCommand item) const {
  for (const auto& [command, text] : menuTexts_) {
    if (command == item) return text;
  }
  return {};
}

void SimulatedForm1::SetMenuItemText(MenuCommand item, const std::wstring& caption) {
  std::erase_if(menuTexts_, [item](const auto& entry) { return entry.first == item; });
  menuTexts_.emplace_back(item, caption);
}

bool SimulatedForm1::MenuItemEnabled(MenuCommand item) const {
  return std::find(greyed_.begin(), greyed_.end(), item) == greyed_.end();
}

void SimulatedForm1::SetMenuItemEnabled(MenuCommand item, bool enabled) {
  std::erase(greyed_, item);
  if (!enabled) greyed_.push_back(item);
}

void SimulatedForm1::DropFiles(const std::vector<std::wstring>& paths) {
  if (UserCanAct("Drop")) events_->Form_FilesDropped(paths);
}

bool SimulatedForm1::AskClose(CloseReason reason) {
  if (!UserCanAct("Close") || closing_) return false;
  closing_ = true;
  if (observer_) observer_->BeforeClose(reason);
  // The close takes a colour still being typed first.
  typedField_ = -1;
  const bool keepOpen = events_->Form_QueryUnload(reason);
  closing_ = false;
  if (observer_) observer_->AfterClose(reason, !keepOpen);
  closed_ = !keepOpen;
  return closed_;
}

// --- Form1View --------------------------------------------------------------------------

bool SimulatedForm1::InRange(int index, int count, const char* what) {
  if (index >= 0 && index < count) return true;
  answers_.Fault(std::string("no ") + what + " " + std::to_string(index));
  return false;
}

std::wstring SimulatedForm1::ColorFieldText(int index) {
  if (!InRange(index, kColorSlotCount, "colour field")) return {};
  return colorTexts_[static_cast<std::size_t>(index)];
}

void SimulatedForm1::SetColorFieldText(int index, const std::wstring& text) {
  if (!InRange(index, kColorSlotCount, "colour field")) return;
  colorTexts_[static_cast<std::size_t>(index)] = text;
  if (focus_ == Control::Field(index)) wholeTextSelected_ = false;
  if (events_) events_->txtColors_Change(index);
}

void SimulatedForm1::SetTransformTitleText(const std::wstring& text) {
  titleText_ = text;
  if (focus_ == Control::Title()) wholeTextSelected_ = false;
  if (events_) events_->txtTransformTitle_Change();
}

void SimulatedForm1::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) {
    answers_.Fault("list index " + std::to_string(index) + " set with " + std::to_string(ListCount()) + " entries");
    return;
  }
  SelectAndNotify(index);
}

void SimulatedForm1::SelectAndNotify(int index) {
  if (index == listIndex_) return;
  listIndex_ = index;
  if (events_) events_->List1_Click();
}

std::wstring SimulatedForm1::ListItem(int index) {
  if (!InRange(index, ListCount(), "list entry")) return {};
  return listItems_[static_cast<std::size_t>(index)];
}

void SimulatedForm1::SetListItem(int index, const std::wstring& text) {
  if (InRange(index, ListCount(), "list entry")) listItems_[static_cast<std::size_t>(index)] = text;
  ForgetDrawnStripsFrom(index, index + 1);
}

void SimulatedForm1::ListClear() {
  listItems_.clear();
  listIndex_ = -1;
  ++rebuilds_;
  ForgetDrawnStripsFrom(0);
}

void SimulatedForm1::ListAdd(const std::wstring& text) {
  listItems_.push_back(text);
  ++singleListAdds_;
}

void SimulatedForm1::CheckNewList(const std::vector<std::wstring_view>& entries) {
  // A list always has its current-settings entry (which may have been renamed).
  if (entries.empty()) answers_.Fault("a list built anew without its current-settings entry");
}

void SimulatedForm1::ListReplaceAll(const std::vector<std::wstring_view>& entries) {
  CheckNewList(entries);
  listItems_.assign(entries.begin(), entries.end());
  listIndex_ = -1;
  ++rebuilds_;
  ForgetDrawnStripsFrom(0);
}

void SimulatedForm1::ListAppendAll(const std::vector<std::wstring_view>& entries) {
  if (listItems_.empty()) answers_.Fault("entries added to a list without its current-settings entry");
  listItems_.insert(listItems_.end(), entries.begin(), entries.end());
}

void SimulatedForm1::ListInsert(int index, const std::wstring& text) {
  if (index <= 0 || index > ListCount()) {
    answers_.Fault("an entry put in at " + std::to_string(index) + " of " + std::to_string(ListCount()));
    return;
  }
  listItems_.insert(listItems_.begin() + index, text);
  // The entries below move down a place, each drawn again where it lands.
  ForgetDrawnStripsFrom(index);
  // As a list box does: the selection stays on its entry.
  if (listIndex_ >= index) ++listIndex_;
}

void SimulatedForm1::ListRemove(int index) {
  if (index == 0) answers_.Fault("the current-settings entry removed");
  if (!InRange(index, ListCount(), "list entry")) return;
  listItems_.erase(listItems_.begin() + index);
  // The entries below move up a place, each drawn again where it lands.
  ForgetDrawnStripsFrom(index);
  // As a list box does: the selection stays on its entry, or goes with it, silently.
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
}

void SimulatedForm1::SetListEntryColors(ListEntryColors colorsOf) {
  entryColors_ = std::move(colorsOf);
  ForgetDrawnStripsFrom(0);
}

void SimulatedForm1::ForgetDrawnStripsFrom(int first, int end) {
  drawnStrips_.erase(drawnStrips_.lower_bound(first), drawnStrips_.lower_bound(end));
}

std::optional<ColorArray> SimulatedForm1::ShownStripColors(int index) {
  if (!InRange(index, ListCount(), "list entry")) return std::nullopt;
  const auto drawn = drawnStrips_.find(index);
  if (drawn != drawnStrips_.end()) return drawn->second;
  std::optional<ColorArray> colors = entryColors_ ? entryColors_(index) : std::nullopt;
  drawnStrips_[index] = colors;
  return colors;
}

// --- Modal windows ----------------------------------------------------------------------

ShownModal& SimulatedForm1::OpenModal(ShownModal shown) {
  if (closed_ || modalOpen_) answers_.Fault("a modal window over a closed window or another modal window");
  modalOpen_ = true;
  shown_.push_back(std::move(shown));
  shown_.back().dropped = answers_.DroppedDuring(shown_.back());
  // The window still takes drops while a modal window of its own is open.
  if (!shown_.back().dropped.empty() && events_) {
    const std::vector<std::wstring> dropped = shown_.back().dropped;
    events_->Form_FilesDropped(dropped);
  }
  return shown_.back();
}

MsgBoxAnswer SimulatedForm1::MsgBox(const std::wstring& prompt, MsgBoxStyle style) {
  if (prompt.empty()) answers_.Fault("a message box without a text");
  prompts_.push_back(prompt);
  ShownModal shown;
  shown.kind = ShownModal::Message;
  shown.prompt = prompt;
  shown.style = style;
  const std::size_t at = shown_.size();
  OpenModal(std::move(shown));
  const MsgBoxAnswer answer = answers_.AnswerMessage(shown_[at]);
  const std::vector<MsgBoxAnswer> buttons = ButtonsOf(style);
  if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
    answers_.Fault("an answer the message box has no button for");
  }
  shown_[at].answer = answer;
  modalOpen_ = false;
  return answer;
}

std::optional<Color> SimulatedForm1::ChooseColor(Color initial, ColorChooserFlags flags) {
  ShownModal shown;
  shown.kind = ShownModal::Chooser;
  shown.initial = initial;
  shown.flags = flags;
  const std::size_t at = shown_.size();
  OpenModal(std::move(shown));
  const std::optional<Color> chosen = answers_.AnswerChooser(shown_[at]);
  shown_[at].color = chosen;
  modalOpen_ = false;
  return chosen;
}

std::optional<std::wstring> SimulatedForm1::ShowFileDialog(FileDialogKind kind, const std::wstring& filter,
                                                           const std::wstring& fileName) {
  ShownModal shown;
  shown.kind = ShownModal::FileDialog;
  shown.fileKind = kind;
  shown.filter = filter;
  shown.fileName = fileName;
  const std::size_t at = shown_.size();
  OpenModal(std::move(shown));
  const std::optional<std::wstring> path = answers_.AnswerFileDialog(shown_[at]);
  shown_[at].path = path;
  if (kind == FileDialogKind::Open && path) lastOpened_ = path;
  modalOpen_ = false;
  return path;
}

// --- the input box --------------------------------------------------------------------

void SimulatedForm1::SetInputText(const std::wstring& text) {
  nameText_ = text;
  selectionStart_ = selectionLength_ = 0;
}

void SimulatedForm1::SetInputSelection(int start, int length) {
  const int size = static_cast<int>(nameText_.size());
  selectionStart_ = std::clamp(start, 0, size);
  selectionLength_ = std::clamp(length, 0, size - selectionStart_);
}

void SimulatedForm1::ShowModal(WindowRef owner, InputBoxEvents& events) {
  ShownModal shown;
  shown.kind = ShownModal::InputBox;
  shown.owner = owner.handle;
  shown.caption = caption_;
  shown.proposal = nameText_;
  shown.selectionStart = selectionStart_;
  shown.selectionLength = selectionLength_;
  const std::size_t at = shown_.size();
  OpenModal(std::move(shown));
  const std::vector<InputBoxStep> steps = answers_.AnswerInputBox(shown_[at]);
  inputBoxOpen_ = true;
  for (const InputBoxStep& step : steps) {
    if (!inputBoxOpen_) {
      answers_.Fault("a input box step after it closed");
      break;
    }
    shown_[at].steps.push_back(step);
    RunInputBoxStep(step, events);
  }
  if (inputBoxOpen_) {
    answers_.InputBoxLeftOpen();
    shown_[at].steps.push_back(CloseBox());
  }
  inputBoxOpen_ = false;
  modalOpen_ = false;
}

void SimulatedForm1::RunInputBoxStep(const InputBoxStep& step, InputBoxEvents& events) {
  switch (step.kind) {
    case InputBoxStep::Type:
      // No key pressed leaves the selection as it was: only a typed character replaces it.
      if (step.text.empty()) break;
      nameText_.replace(static_cast<std::size_t>(selectionStart_), static_cast<std::size_t>(selectionLength_), step.text);
      selectionStart_ += static_cast<int>(step.text.size());
      selectionLength_ = 0;
      break;
    case InputBoxStep::Clear:
      nameText_.clear();
      selectionStart_ = selectionLength_ = 0;
      break;
    case InputBoxStep::ClickOk:
      events.OKButton_Click();
      break;
    case InputBoxStep::ClickCancel:
      events.CancelButton_Click();
      break;
    case InputBoxStep::CloseBox:
      inputBoxOpen_ = false;  // the title bar's close box raises no handler
      break;
  }
}

void SimulatedForm1::Close() {
  if (!inputBoxOpen_) answers_.Fault("a input box that is not open was closed");
  inputBoxOpen_ = false;
}
