#pragma once
// A strict, scripted stand-in for the window toolkit. Tests play the user: they click,
// type, move the focus and choose menu items, and they script every answer to a modal
// window beforehand. A modal window the test did not script, or an answer left over at
// the end, fails the test. The handlers are raised synchronously, the way the Windows
// toolkit raises them.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/color_slots.h"
#include "ui/form1_events.h"
#include "ui/form1_view.h"
#include "tests/ui/recording_surface.h"

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

// One thing the user does in the name dialog.
struct NameDialogStep {
  enum Kind { Type, Clear, ClickOk, ClickCancel, CloseBox };
  Kind kind;
  std::wstring text;
};
inline NameDialogStep TypeName(std::wstring text) { return {NameDialogStep::Type, std::move(text)}; }
inline NameDialogStep ClearName() { return {NameDialogStep::Clear, {}}; }
inline NameDialogStep ClickOk() { return {NameDialogStep::ClickOk, {}}; }
inline NameDialogStep ClickCancel() { return {NameDialogStep::ClickCancel, {}}; }
inline NameDialogStep CloseBox() { return {NameDialogStep::CloseBox, {}}; }

struct ShownMessage {
  std::wstring Prompt;
  MsgBoxStyle Style = MsgBoxStyle::OKOnly;
};
struct ShownNameDialog {
  void* Owner = nullptr;
  std::wstring Caption;
  std::wstring Proposal;
  int SelectionStart = 0;
  int SelectionLength = 0;
};
struct ShownChooser {
  Color Initial = 0;
  ColorChooserFlags Flags{};
};
struct ShownFileDialog {
  FileDialogKind Kind = FileDialogKind::Open;
  std::wstring Filter;
  std::wstring FileName;
};

class FakeForm1View : public Form1View {
 public:
  FakeForm1View();
  ~FakeForm1View();
  FakeForm1View(const FakeForm1View&) = delete;
  FakeForm1View& operator=(const FakeForm1View&) = delete;

  void Attach(Form1Events& events) { events_ = &events; }
  // The language the window speaks; Japanese unless a test says otherwise.
  void SetInterfaceLanguage(Language language) {
    language_ = language;
    surface_.SetLanguage(language);
  }

  // --- The user -------------------------------------------------------------------
  // Runs Form_Load, after which the list holds the focus.
  void Open();
  void Focus(Control control);
  // Keystrokes into the focused text field, each one a change of its text. Focusing a
  // field selects its whole text, so the first keystroke replaces it.
  void Type(const std::wstring& keys);
  void PressTab();
  void ClickListEntry(int index);
  void PressDown();
  void PressUp();
  void ClickBrowse(int index);
  // Menu items never take the focus. An item of the Theme menu is chosen after the
  // menu has dropped down (mnColor_Click); a greyed item cannot be chosen.
  void ChooseMenu(void (Form1Events::*item)());
  // Drops the Theme menu down and closes it again without choosing.
  void OpenThemeMenu();
  bool MenuItemEnabled(MenuCommand item) const;
  // Files dropped onto the main window.
  void DropFiles(const std::vector<std::wstring>& paths);
  // The same files dropped onto the main window while the next modal window is open,
  // before the user answers it.
  void DropFilesDuringNextModal(std::vector<std::wstring> paths) { dropDuringModal_ = std::move(paths); }
  // Another program becomes active: the focus leaves the window, and no control of it
  // loses the focus to another (the toolkit raises no lost-focus handler for that).
  void Deactivate() { focus_ = Control{}; }
  // The close box, the session ending, ...; true when the window closed.
  bool AskClose(CloseReason reason);

  // --- Answers to the next modal windows, in order ---------------------------------
  void AnswerMessage(MsgBoxAnswer answer);
  void AnswerMessage(const std::wstring& expectedPrompt, MsgBoxAnswer answer);
  void AnswerNameDialog(std::vector<NameDialogStep> steps);
  void AnswerChooser(std::optional<Color> chosen);
  void AnswerFileDialog(std::optional<std::wstring> path);
  int PendingAnswers() const { return static_cast<int>(script_.size()); }

  // --- What was shown ---------------------------------------------------------------
  const std::vector<ShownMessage>& Messages() const { return messages_; }
  const std::vector<ShownNameDialog>& NameDialogs() const { return nameDialogs_; }
  const std::vector<ShownChooser>& Choosers() const { return choosers_; }
  const std::vector<ShownFileDialog>& FileDialogs() const { return fileDialogs_; }
  std::vector<std::wstring> ListItems() const { return listItems_; }
  // Entries added one at a time (ListAdd) rather than all in one call.
  int SingleListAdds() const { return singleListAdds_; }
  std::vector<std::wstring> ColorFieldTexts() const;
  Control FocusedControl() const { return focus_; }
  bool Closed() const { return closed_; }
  RecordingSurface& Surface() { return surface_; }

  // --- Form1View ----------------------------------------------------------------------
  WindowRef Window() override { return WindowRef{this}; }
  Language InterfaceLanguage() override { return language_; }
  std::wstring ColorFieldText(int index) override;
  void SetColorFieldText(int index, const std::wstring& text) override;
  std::wstring TransformTitleText() override { return titleText_; }
  void SetTransformTitleText(const std::wstring& text) override;
  int FocusedColorField() const { return focus_.kind == Control::ColorField ? focus_.index : -1; }
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
  PreviewSurface& Preview() override { return surface_; }
  MsgBoxAnswer MsgBox(const std::wstring& prompt, MsgBoxStyle style) override;
  std::optional<Color> ChooseColor(Color initial, ColorChooserFlags flags) override;
  std::optional<std::wstring> ShowFileDialog(FileDialogKind kind, const std::wstring& filter,
                                             const std::wstring& fileName) override;
  InputBoxView& InputBoxDialogView() override { return nameDialog_; }
  void SetMenuItemEnabled(MenuCommand item, bool enabled) override;
  void RequestClose() override;

 private:
  struct Answer {
    enum Kind { Message, NameDialog, Chooser, FileDialog };
    Kind kind;
    MsgBoxAnswer message = MsgBoxAnswer::Cancel;
    std::optional<std::wstring> expectedPrompt;
    std::vector<NameDialogStep> steps;
    std::optional<Color> color;
    std::optional<std::wstring> file;
  };

  class NameDialogView : public InputBoxView {
   public:
    explicit NameDialogView(FakeForm1View& owner) : owner_(owner) {}
    void SetCaption(const std::wstring& caption) override { caption_ = caption; }
    void SetInputText(const std::wstring& text) override;
    std::wstring InputText() override { return text_; }
    void SetInputSelection(int start, int length) override;
    void ShowModal(WindowRef owner, InputBoxEvents& events) override;
    void Close() override;
    bool IsOpen() const { return open_; }

   private:
    void Run(const NameDialogStep& step, InputBoxEvents& events);
    FakeForm1View& owner_;
    std::wstring caption_ = L"値の入力";
    std::wstring text_ = L"Text1";
    int selectionStart_ = 0;
    int selectionLength_ = 0;
    bool open_ = false;
  };

  std::optional<Answer> NextAnswer(Answer::Kind kind, const std::wstring& what);
  // A modal window opens: files meant to be dropped during it are dropped now.
  void ModalOpened();
  // User actions need an open window with no modal window over it.
  bool UserCanAct(const char* action);
  void SetListIndexAndNotify(int index);

  Form1Events* events_ = nullptr;
  Language language_ = Language::Japanese;
  std::deque<Answer> script_;
  std::vector<ShownMessage> messages_;
  std::vector<ShownNameDialog> nameDialogs_;
  std::vector<ShownChooser> choosers_;
  std::vector<ShownFileDialog> fileDialogs_;

  std::vector<std::wstring> colorTexts_;
  std::wstring titleText_;
  std::vector<std::wstring> listItems_;
  int listIndex_ = -1;
  Control focus_;
  bool wholeTextSelected_ = false;
  bool closed_ = false;
  std::vector<MenuCommand> greyed_;
  std::vector<std::wstring> dropDuringModal_;
  int singleListAdds_ = 0;
  RecordingSurface surface_;
  NameDialogView nameDialog_;
};
