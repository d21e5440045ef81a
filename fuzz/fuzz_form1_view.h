#pragma once
// A stand-in for the window toolkit that plays a random user. Unlike the tests' strict
// fake it scripts nothing: every message box, name dialog, file dialog and colour
// chooser the logic opens is answered with a choice taken from the fuzz input, so
// questions added to the logic later are answered too. Handlers are raised the way the
// Windows toolkit raises them (see ui/form1_events.h).
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "ui/form1_events.h"
#include "ui/form1_view.h"

// Told when the window is asked to close, so that the run can check what the close did.
class CloseObserver {
 public:
  virtual void BeforeClose(CloseReason reason) = 0;
  virtual void AfterClose(CloseReason reason, bool closed) = 0;

 protected:
  ~CloseObserver() = default;
};

// A modal window the view answered, and how: what a driver of the real program does to
// give the same answer.
struct AnsweredModal {
  enum Kind { Message, NameDialog, Chooser, FileDialog };
  struct NameStep {
    enum Kind { Type, Clear, Ok, Cancel, CloseBox };
    Kind kind;
    std::wstring text;
  };
  Kind kind = Message;
  std::wstring prompt;                // message box
  MsgBoxAnswer answer = MsgBoxAnswer::OK;  // message box: the button
  std::vector<NameStep> steps;        // name dialog
  Color initial = 0;                  // chooser: the colour it opened on
  std::optional<Color> color;         // chooser: nullopt when cancelled
  FileDialogKind fileKind = FileDialogKind::Open;
  std::optional<std::wstring> path;   // file dialog: nullopt when cancelled
};

struct FuzzControl {
  enum Kind { List, ColorField, Browse, Picture, Title };
  Kind kind = List;
  int index = 0;
  bool operator==(const FuzzControl&) const = default;
};

class FuzzForm1View : public Form1View, private InputBoxView {
 public:
  // The save dialog offers `savePaths`; the open dialog those of them that exist, and
  // `alsoOpened` (which the run does not want overwritten).
  // `asAUser`: only answers a real dialog can give (the chooser gives no top byte).
  FuzzForm1View(FuzzInput& in, std::vector<std::wstring> savePaths, std::vector<std::wstring> alsoOpened,
                bool asAUser = false);
  FuzzForm1View(const FuzzForm1View&) = delete;
  FuzzForm1View& operator=(const FuzzForm1View&) = delete;

  void Attach(Form1Events& events, CloseObserver& observer);

  // --- The user ---------------------------------------------------------------------
  void Open();
  void Focus(FuzzControl control);
  void Type(const std::wstring& keys);  // into the focused text field
  void ClickListEntry(int index);
  void PressArrow(int step);  // in the list: -1 up, +1 down
  void ClickBrowse(int index);
  void ChooseMenu(void (Form1Events::*item)());
  bool AskClose(CloseReason reason);

  // --- What happened --------------------------------------------------------------------
  bool Closed() const { return closed_; }
  const std::vector<std::wstring>& Prompts() const { return prompts_; }
  std::vector<std::wstring> ListItems() const { return listItems_; }
  std::wstring FieldText(int i) const { return colorTexts_[static_cast<std::size_t>(i)]; }
  int ListRebuilds() const { return rebuilds_; }
  // The file chosen in the last open dialog that was not cancelled.
  const std::optional<std::wstring>& LastOpened() const { return lastOpened_; }
  bool Closing() const { return closing_; }
  FuzzControl Focused() const { return focus_; }
  // Every modal window answered since the last ForgetModals, in order.
  const std::vector<AnsweredModal>& Modals() const { return modals_; }
  void ForgetModals() { modals_.clear(); }

  // --- Form1View ------------------------------------------------------------------------
  WindowRef Window() override { return WindowRef{this}; }
  Language InterfaceLanguage() override { return Language::Japanese; }
  std::wstring ColorFieldText(int index) override;
  void SetColorFieldText(int index, const std::wstring& text) override;
  std::wstring TransformTitleText() override { return titleText_; }
  void SetTransformTitleText(const std::wstring& text) override;
  // The colour field the user typed into and has not left since; every menu command
  // and every close takes that edit first.
  int TypedColorField() const { return typedField_; }
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
  InputBoxView& InputBoxDialogView() override { return *this; }
  void SetMenuItemEnabled(MenuCommand item, bool enabled) override;
  void RequestClose() override { AskClose(CloseReason::Program); }

 private:
  // InputBoxView: the name dialog.
  void SetCaption(const std::wstring& caption) override { caption_ = caption; }
  void SetInputText(const std::wstring& text) override;
  std::wstring InputText() override { return nameText_; }
  void SetInputSelection(int start, int length) override;
  void ShowModal(WindowRef owner, InputBoxEvents& events) override;
  void Close() override;

  class NullSurface : public PreviewSurface {
   public:
    int Width() const override { return 7395; }
    int Height() const override { return 3675; }
    void BeginPicture() override {}
    void FillRect(int, int, int, int, Color) override {}
    void OutlineRect(int, int, int, int, Color) override {}
    void Line(int, int, int, int, Color) override {}
    void SetTextColor(Color) override {}
    void DrawText(int, int, const std::wstring&) override {}
  };

  // A user action needs an open window with no modal window over it.
  bool UserCanAct() const { return events_ != nullptr && !closed_ && !modal_; }
  void SelectAndNotify(int index);

  FuzzInput& in_;
  std::vector<std::wstring> savePaths_;
  std::vector<std::wstring> alsoOpened_;
  bool asAUser_;
  std::vector<AnsweredModal> modals_;
  Form1Events* events_ = nullptr;
  CloseObserver* observer_ = nullptr;

  std::vector<std::wstring> colorTexts_;
  std::wstring titleText_;
  std::vector<std::wstring> listItems_;
  int listIndex_ = -1;
  FuzzControl focus_;
  int typedField_ = -1;
  bool wholeTextSelected_ = false;
  bool closed_ = false;
  bool closing_ = false;
  bool modal_ = false;
  int rebuilds_ = 0;
  std::set<MenuCommand> disabled_;  // greyed out by the logic
  std::vector<std::wstring> prompts_;
  std::optional<std::wstring> lastOpened_;
  NullSurface surface_;

  // The name dialog.
  std::wstring caption_;
  std::wstring nameText_;
  int selectionStart_ = 0;
  int selectionLength_ = 0;
  bool nameDialogOpen_ = false;
};
