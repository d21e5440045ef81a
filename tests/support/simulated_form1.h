#pragma once
// The window toolkit simulated once, for the unit tests, the fuzz target and the soak's
// shadow: the state of the main window's controls and of the input box, and the rules
// by which the Windows toolkit raises the handlers (ui/form1_events.h), also for the
// changes the program makes itself. What the user answers in a modal window comes from
// a policy on top: answers scripted by a test (strict: a window the test did not script
// is a failure), or answers drawn from an input (the fuzz target, the soak).
#include <climits>
#include <map>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "settings/color_slots.h"
#include "ui/form1_events.h"
#include "ui/form1_view.h"
#include "ui/layout.h"

// A control of the main window that can hold the focus.
struct Control {
  enum Kind { None, List, ColorField, Browse, Picture, TransformTitle };
  Kind kind = None;
  int index = 0;

  static Control ListBox() { return {List, 0}; }
  static Control Field(int i) { return {ColorField, i}; }
  static Control Button(int i) { return {Browse, i}; }
  static Control PictureBox() { return {Picture, 0}; }
  static Control Title() { return {TransformTitle, 0}; }
  bool operator==(const Control&) const = default;
};

// One thing the user does in the input box.
struct InputBoxStep {
  enum Kind { Type, Clear, ClickOk, ClickCancel, CloseBox };
  Kind kind;
  std::wstring text;  // what Type types; typing nothing leaves the text as it is
};
inline InputBoxStep TypeInput(std::wstring text) { return {InputBoxStep::Type, std::move(text)}; }
inline InputBoxStep ClearInput() { return {InputBoxStep::Clear, {}}; }
inline InputBoxStep ClickOk() { return {InputBoxStep::ClickOk, {}}; }
inline InputBoxStep ClickCancel() { return {InputBoxStep::ClickCancel, {}}; }
inline InputBoxStep CloseBox() { return {InputBoxStep::CloseBox, {}}; }

// A modal window as the logic opened it, and as the user answered it.
struct ShownModal {
  enum Kind { Message, InputBox, Chooser, FileDialog };
  Kind kind = Message;
  // A message box.
  std::wstring prompt;
  MsgBoxStyle style = MsgBoxStyle::OKOnly;
  MsgBoxAnswer answer = MsgBoxAnswer::OK;
  // the input box: how it opened, and the user's steps (the last one closed it).
  void* owner = nullptr;
  std::wstring caption;
  std::wstring proposal;
  int selectionStart = 0;
  int selectionLength = 0;
  std::vector<InputBoxStep> steps;
  // The colour chooser; color is nullopt when cancelled.
  Color initial = 0;
  ColorChooserFlags flags{};
  std::optional<Color> color;
  // A file dialog; path is nullopt when cancelled.
  FileDialogKind fileKind = FileDialogKind::Open;
  std::wstring filter;
  std::wstring fileName;
  std::optional<std::wstring> path;
  // Files the user dropped onto the window while this one was open.
  std::vector<std::wstring> dropped;
};

// The buttons of a message box of this style, as the system numbers its answers.
std::vector<MsgBoxAnswer> ButtonsOf(MsgBoxStyle style);

// What the user answers in the modal windows, and what becomes of a fault.
class ModalAnswers {
 public:
  virtual MsgBoxAnswer AnswerMessage(const ShownModal& shown) = 0;
  // The user's steps in the input box, until one closes it.
  virtual std::vector<InputBoxStep> AnswerInputBox(const ShownModal& shown) = 0;
  virtual std::optional<Color> AnswerChooser(const ShownModal& shown) = 0;
  virtual std::optional<std::wstring> AnswerFileDialog(const ShownModal& shown) = 0;
  // Files the user drops onto the main window while this modal window is open.
  virtual std::vector<std::wstring> DroppedDuring(const ShownModal& /*shown*/) { return {}; }
  // The steps ended with the input box still open; the user closes it with its close box.
  virtual void InputBoxLeftOpen() {}
  // The logic did what no toolkit allows (a field that does not exist, a message box
  // over a closed window), or a test's script did not fit.
  virtual void Fault(const std::string& what) = 0;
  // A user action that cannot be done now (the window closed, a modal window open, no
  // such entry, a greyed item): a test's script is wrong; a random user just does not.
  virtual void CannotAct(const std::string& what) = 0;

 protected:
  ~ModalAnswers() = default;
};

// Told when the window is asked to close, so that a run can check what the close did.
class CloseObserver {
 public:
  virtual void BeforeClose(CloseReason reason) = 0;
  virtual void AfterClose(CloseReason reason, bool closed) = 0;

 protected:
  ~CloseObserver() = default;
};

// A preview surface that keeps nothing of what is drawn on it.
class NullSurface : public PreviewSurface {
 public:
  int Width() const override { return PreviewSize().width; }
  int Height() const override { return PreviewSize().height; }
  void BeginPicture() override {}
  void FillRect(int, int, int, int, Color) override {}
  void OutlineRect(int, int, int, int, Color) override {}
  void Line(int, int, int, int, Color) override {}
  void SetTextColor(Color) override {}
  void DrawText(int, int, const std::wstring&) override {}
};

class SimulatedForm1 : public Form1View, private InputBoxView {
 public:
  SimulatedForm1(ModalAnswers& answers, PreviewSurface& surface);
  SimulatedForm1(const SimulatedForm1&) = delete;
  SimulatedForm1& operator=(const SimulatedForm1&) = delete;

  void Attach(Form1Events& events, CloseObserver* observer = nullptr) {
    events_ = &events;
    observer_ = observer;
  }
  void SetInterfaceLanguage(Language language) { language_ = language; }

  // --- The user ---------------------------------------------------------------------
  // Runs Form_Load, after which the list holds the focus.
  void Open();
  // The focus moves within the window; leaving a colour field raises its lost focus.
  // Focusing a text field selects its whole text, so the first keystroke replaces it.
  void Focus(Control control);
  // Another program becomes active: the focus leaves the window, and no control of it
  // loses the focus to another (the toolkit raises no lost-focus handler for that).
  // The next click or key into the window makes it active again, the focus back where
  // it was; a close or a drop does not.
  void Deactivate();
  // Keystrokes into the focused text field, each one a change of its text.
  void Type(const std::wstring& keys);
  void PressTab();
  void ClickListEntry(int index);
  // An arrow key in the list, which has the focus: -1 up, +1 down.
  void PressArrow(int step);
  void ClickBrowse(int index);
  // Menu items never take the focus. An item of the Theme or Edit menu is chosen after
  // the menu has dropped down (mnColor_Click, mnEdit_Click); a greyed item cannot be
  // chosen.
  void ChooseMenu(void (Form1Events::*item)());
  // Drops the menu of this item down and closes it again without choosing.
  void OpenMenuOf(MenuCommand item);
  void OpenThemeMenu() { OpenMenuOf(MenuCommand::mnExportTheme); }
  // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z): in a colour field that holds typing not taken
  // yet, the field keeps them (Ctrl+Z puts back the text it had when it got the focus,
  // and puts the typing back again; an edit field has no redo); everywhere else they
  // are the program's Undo and Redo.
  void PressUndoKey();
  void PressRedoKey();
  void DropFiles(const std::vector<std::wstring>& paths);
  // The close box, the session ending, ...; true when the window closed.
  bool AskClose(CloseReason reason);

  // --- What the window shows -----------------------------------------------------------
  bool Closed() const { return closed_; }
  bool Closing() const { return closing_; }
  std::vector<std::wstring> ListItems() const { return listItems_; }
  std::vector<std::wstring> ColorFieldTexts() const { return colorTexts_; }
  Control FocusedControl() const { return focus_; }
  // The colour field the user typed into and has not left since: every menu command and
  // every close takes that edit first.
  int TypedColorField() const { return typedField_; }
  bool MenuItemEnabled(MenuCommand item) const;
  // The caption the logic last gave the item; empty when it gave none.
  std::wstring MenuItemText(MenuCommand item) const;
  // How often the list was built anew, and how many entries were added one at a time
  // rather than all in one call.
  int ListRebuilds() const { return rebuilds_; }
  int SingleListAdds() const { return singleListAdds_; }
  // The colours entry `index`'s theme strip shows: those it was drawn from when it was
  // last drawn, as a screen keeps them. An entry that changed (or was never drawn) is
  // drawn now, as the list box would when it comes into view.
  std::optional<ColorArray> ShownStripColors(int index);
  // Every modal window shown, in order, and the message prompts among them.
  const std::vector<ShownModal>& Shown() const { return shown_; }
  const std::vector<std::wstring>& Prompts() const { return prompts_; }
  // The file chosen in the last open dialog that was not cancelled.
  const std::optional<std::wstring>& LastOpened() const { return lastOpened_; }

  // --- Form1View ----------------------------------------------------------------------
  WindowRef Window() override { return WindowRef{this}; }
  Language InterfaceLanguage() override { return language_; }
  std::wstring ColorFieldText(int index) override;
  void SetColorFieldText(int index, const std::wstring& text) override;
  std::wstring TransformTitleText() override { return titleText_; }
  void SetTransformTitleText(const std::wstring& text) override;
  int ListIndex() override { return listIndex_; }
  void SetListIndex(int index) override;
  int ListCount() override { return static_cast<int>(listItems_.size()); }
  std::wstring ListItem(int index) override;
  void SetListItem(int index, const std::wstring& text) override;
  void ListClear() override;
  void ListAdd(const std::wstring& text) override;
  void ListReplaceAll(const std::vector<std::wstring_view>& entries) override;
  void ListAppendAll(const std::vector<std::wstring_view>& entries) override;
  void ListRemove(int index) override;
  void ListInsert(int index, const std::wstring& text) override;
  void SetListEntryColors(ListEntryColors colorsOf) override;
  void RedrawListEntry(int index) override { ForgetDrawnStripsFrom(index, index + 1); }
  PreviewSurface& Preview() override { return surface_; }
  MsgBoxAnswer MsgBox(const std::wstring& prompt, MsgBoxStyle style) override;
  std::optional<Color> ChooseColor(Color initial, ColorChooserFlags flags) override;
  std::optional<std::wstring> ShowFileDialog(FileDialogKind kind, const std::wstring& filter,
                                             const std::wstring& fileName) override;
  InputBoxView& InputBoxDialogView() override { return *this; }
  void SetMenuItemEnabled(MenuCommand item, bool enabled) override;
  void SetMenuItemText(MenuCommand item, const std::wstring& caption) override;
  void RequestClose() override { AskClose(CloseReason::Program); }

 private:
  // InputBoxView: the input box.
  void SetCaption(const std::wstring& caption) override { caption_ = caption; }
  void SetInputText(const std::wstring& text) override;
  std::wstring InputText() override { return nameText_; }
  void SetInputSelection(int start, int length) override;
  void ShowModal(WindowRef owner, InputBoxEvents& events) override;
  void Close() override;
  void RunInputBoxStep(const InputBoxStep& step, InputBoxEvents& events);

  // A user action needs an open window with no modal window over it.
  bool UserCanAct(const char* action);
  // A click or a key into the window makes it active again.
  void Reactivate();
  // A modal window opens: recorded, and the files dropped during it are dropped.
  ShownModal& OpenModal(ShownModal shown);
  bool InRange(int index, int count, const char* what);
  void SelectAndNotify(int index);
  void CheckNewList(const std::vector<std::wstring_view>& entries);
  // The undo key's own work in a field, both ways.
  void FieldUndo();
  // Entries [first, end) changed: their strips are drawn again when next shown.
  void ForgetDrawnStripsFrom(int first, int end = INT_MAX);

  ModalAnswers& answers_;
  PreviewSurface& surface_;
  Form1Events* events_ = nullptr;
  CloseObserver* observer_ = nullptr;
  Language language_ = Language::Japanese;

  std::vector<std::wstring> colorTexts_;
  std::wstring titleText_;
  std::vector<std::wstring> listItems_;
  int listIndex_ = -1;
  Control focus_;
  bool active_ = true;
  Control focusWhenInactive_;
  int typedField_ = -1;
  bool wholeTextSelected_ = false;
  bool closed_ = false;
  bool closing_ = false;
  bool modalOpen_ = false;
  std::vector<MenuCommand> greyed_;
  std::vector<std::pair<MenuCommand, std::wstring>> menuTexts_;
  // The focused field's text when it got the focus, and before the field's own undo.
  std::wstring textAtFocus_;
  ListEntryColors entryColors_;
  // The colours each entry's strip was last drawn from, by entry.
  std::map<int, std::optional<ColorArray>> drawnStrips_;
  int rebuilds_ = 0;
  int singleListAdds_ = 0;
  std::vector<ShownModal> shown_;
  std::vector<std::wstring> prompts_;
  std::optional<std::wstring> lastOpened_;

  // the input box.
  std::wstring caption_ = L"値の入力";
  std::wstring nameText_ = L"Text1";
  int selectionStart_ = 0;
  int selectionLength_ = 0;
  bool inputBoxOpen_ = false;
};
