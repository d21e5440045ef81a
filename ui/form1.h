#pragma once
// The main window's logic: start-up and close, the theme list and its commands, the
// colour fields and the theme files. It reaches its controls only through Form1View.
//
// The names of the window and its controls, in plain words:
//  - Form1: the main window, the program's only long-lived window.
//  - List1: the list of themes on the left; entry 0 is the current settings, and a
//    position in it is an index into the theme list.
//  - Picture1: the piano-roll preview, drawn with the current colours.
//  - The theme strip: the row of framed swatches List1 draws before an entry's name,
//    a few of its theme's colours (ui/theme_strip.h); entry 0's shows the current
//    colours, as the preview does.
//  - Label1(i): the caption naming colour slot i; Label2: the caption of the
//    TransformTitle field.
//  - txtColors(i): the text field holding colour slot i as six hexadecimal digits;
//    txtTransformTitle: the TransformTitle field.
//  - cmdBrows(i): the "..." button beside txtColors(i) that opens the colour chooser.
//  - mnXxx: the menus and their items. File (mnFile): mnOpen (load themes from a
//    file), mnSave (save them to one), mnQuit (apply and close). Theme (mnColor):
//    mnNewTheme, mnDup (duplicate), mnRename, mnDelete, mnInit (the standard colours),
//    mnExportTheme (write the selected theme to a file), mnAddThemes (add the themes
//    of a file to the list).
//  - Form_Xxx, List1_Click, txtColors_LostFocus(i) ...: the handler of that control's
//    event, raised by the toolkit (ui/form1_events.h).
//  - The input box (InputBoxDialog, its InputBox call, the window InputBoxWindow): the
//    modal one-line text entry that names a theme ("名前を入力", "名前の変更"); txtInput
//    is its field, OKButton and CancelButton its buttons. It is called so everywhere, in
//    code, comments and tests.
//  - The toolkit: what shows the controls and raises their events, through Form1View.
//    The Windows toolkit is ui/win32; the simulated toolkit (tests/support) stands in
//    for it, with answers to the modal windows scripted by a test (ScriptedForm1View)
//    or drawn from an input (DrawnForm1View: the fuzz target, the soak's shadow).
//  - A typed colour: text the user typed into a colour field that no focus change has
//    taken yet; every menu command and every close takes it first.
//
// Names: types and functions are PascalCase, and so are the fields of the records
// whose names are the host's keys and the window's state (SettingsRecord, Theme,
// Form1State); every other field and variable is camelCase.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_snapshot.h"
#include "platform/io_status.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "themes/theme.h"
#include "themes/theme_list_edit.h"
#include "themes/theme_store.h"
#include "ui/form1_events.h"
#include "ui/form1_texts.h"
#include "ui/form1_view.h"
#include "ui/input_box_dialog.h"
#include "ui/undo_history.h"

// The window state the handlers share.
struct Form1State {
  // The theme the current colours were last loaded from or stored into.
  int CurrentThemeIndex = 0;
  // Set while the program itself moves the selection, so List1_Click stays out of it.
  bool ListClickSuppressed = false;
  // The list or a theme changed since the list was last loaded from a file.
  bool ThemeListChanged = false;
  // A colour field's text changed since the last edit was taken.
  bool ColorFieldEdited = false;
  // The current colours or TransformTitle hold changes stored in no theme.
  bool SettingsChanged = false;
};

class Form1 : public Form1Events {
 public:
  // `settings` is the record the current values live in (GlobalSettings in the program).
  Form1(SettingsRecord& settings, Form1View& view,
        ProgramsRunningBeside runningBeside = ProgramsRunningFromProgramFolder);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  void Form_Load() override;
  bool Form_QueryUnload(CloseReason reason) override;
  void List1_Click() override;
  void txtColors_Change(int index) override;
  void txtColors_LostFocus(int index) override;
  void cmdBrows_Click(int index) override;
  void txtTransformTitle_Change() override;
  void mnOpen_Click() override;
  void mnSave_Click() override;
  void mnQuit_Click() override;
  void mnNewTheme_Click() override;
  void mnDup_Click() override;
  void mnRename_Click() override;
  void mnDelete_Click() override;
  void mnInit_Click() override;
  void mnColor_Click() override;
  void mnExportTheme_Click() override;
  void mnAddThemes_Click() override;
  void mnEdit_Click() override;
  void mnUndo_Click() override;
  void mnRedo_Click() override;
  bool txtColors_HoldsTyping(int index) override;
  void Form_FilesDropped(const std::vector<std::wstring>& paths) override;

  const Form1State& State() const { return state_; }
  const ::ThemeList& Themes() const { return themeList_; }
  const UndoHistory& History() const { return history_; }

 private:
  // The fields show the current colours and TransformTitle.
  void FillColorFields();
  // The list or a theme in it changed.
  void SetThemeListChanged();
  // The preview and entry 0's theme strip show the current colours again.
  void RedrawPreview();
  // The colours entry `index`'s theme strip shows; nullopt past the end.
  std::optional<ColorArray> EntryColors(int index) const;
  // The list becomes entry 0 from the current values, then `themes`; the list box
  // shows them, with nothing selected.
  void ReplaceThemeList(std::vector<Theme> themes);
  // The theme operations, followed by what the window shows of their changes.
  void StoreCurrentInto(int index);
  void LoadCurrentFrom(int index);

  // A colour field's edit that no focus change has taken yet is taken now, exactly as
  // leaving the field would: every menu command and every close starts with this, so
  // what the field shows is what the command works with. Where the keyboard focus is
  // now says nothing: a close from the taskbar or at the session's end comes while
  // another program has it.
  void TakePendingColorEdit();
  // The field's text, taken, would change its colour.
  bool FieldChangesColor(int index);
  // The program writes a colour field: the change it raises is no typing.
  void WriteColorField(int slot, const std::wstring& text);

  // Every handler that may open a modal window runs inside one of these. Files dropped
  // meanwhile wait until the outermost one ends, and are added then: a drop never
  // vanishes into a command that goes on, and never asks in the middle of another
  // question.
  class CommandScope {
   public:
    explicit CommandScope(Form1& form) : form_(form) {
      ++form_.commandDepth_;
      // Keystrokes in the title after a command are a step of their own.
      form_.history_.CloseTitleTyping();
    }
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

   private:
    Form1& form_;
  };
  bool DropsWaiting() const { return !dropsWaiting_.empty(); }
  void AddDroppedFiles(const std::vector<std::wstring>& paths);

  // A change the user can take back: made inside one of these, it becomes one step of
  // the history when it is named (or changed the list). Made inside another one, it is
  // part of that one's step (File > load's switch to the current settings, say).
  class UndoableStep {
   public:
    explicit UndoableStep(Form1& form);
    ~UndoableStep();
    UndoableStep(const UndoableStep&) = delete;
    UndoableStep& operator=(const UndoableStep&) = delete;
    // Not part of another command's step.
    bool Outermost() const { return outermost_; }

   private:
    Form1& form_;
    bool outermost_;
  };
  // The name Edit > Undo shows for the step being made.
  void NameStep(std::wstring name);
  // A change of the theme list, for the step being made.
  void RecordListEdit(ThemeListEdit edit);
  WindowState CurrentWindowState();
  // Takes the edits of a step back (or does them again), the list box following.
  void ToggleListEdit(ThemeListEdit& edit);
  void ShowWindowState(const WindowState& shown);
  // TransformTitle typed: one step for the keystrokes typed one after another.
  void RecordTitleTyping(const WindowState& before);

  void SelectQuietly(int index);
  // Adds a list entry and a theme of that name holding the current values; the new index.
  int AppendTheme(const std::wstring& name);
  // A theme just added (new or duplicate) becomes the current one and the selected one;
  // the current values are what it holds.
  void MakeCurrent(int index);
  // The input box, proposing `proposal`: the name entered, or nullopt when cancelled.
  std::optional<std::wstring> AskName(const std::wstring& proposal, const wchar_t* caption);
  // The language the window was built in; every text the logic shows is in it too.
  Language InterfaceLanguage() { return view_.InterfaceLanguage(); }

  // Start-up and close helpers.
  void NoteUnreadAtStart(const wchar_t* fileName, const platform::IoStatus& read);
  void TellUnreadFilesAtStart();
  bool CloseCondition();
  // Before setting.ini is written: true when no program from our folder (the host
  // editor) runs, or the user chose to write anyway.
  bool HostLetsUsWriteSettings();
  enum class StoreAtClose { Write, Skip, KeepOpen };
  // Whether the close writes the store, asking first when another program changed it.
  StoreAtClose DecideStoreWrite();
  // After one write of the close: true to go on closing, false when the write failed
  // and the user keeps the window open.
  bool CloseGoesOnAfter(const wchar_t* fileName, const platform::IoStatus& written);

  // File > save and its use by File > load.
  enum class SaveOutcome { Saved, Cancelled, Failed };
  struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Cancelled;
    std::wstring path;
    platform::IoStatus status;
  };
  // The save dialog, then these themes (entries 1..) written to the chosen file. The
  // dialog starts with the file last chosen in File > load or save, or with
  // `proposal`, which leaves that choice as it is.
  SaveResult SaveThemesToFile(const ::ThemeList& themes, const std::optional<std::wstring>& proposal = std::nullopt);
  // File > load's offer to save the themes to a file first, and what became of it: the
  // load stops on Cancel or a failed save, and on a cancelled save dialog when
  // `cancelledSaveStops` (the edits the user just chose to keep would be lost).
  enum class LoadAfterOffer { Stop, GoOn, GoOnAfterSaving };
  LoadAfterOffer OfferToSaveThemesBeforeLoad(bool cancelledSaveStops);
  // Themes were written to `path`: when it is the store itself, the close knows them
  // as its own writing, not another program's.
  void NoteThemesWritten(const std::wstring& path, const platform::FileFingerprint& written);
  // The open dialog; nullopt when cancelled.
  std::optional<std::wstring> AskFileToOpen();
  // The themes of a theme file the user chose, as read; nullopt, after telling the user,
  // when it is not there (unlike the store, which may be missing), cannot be read or
  // holds none.
  std::optional<std::vector<Theme>> ReadThemesOrTell(const std::wstring& path, ThemeFileRead read);
  // Adds the themes at the end of the list and the list box; the selection and the
  // current values stay as they are.
  void AppendThemes(std::vector<Theme> themes);
  // Theme > export's question when the selected theme holds unsaved edits; false when
  // the user cancelled.
  bool SettleEditsBeforeExport(int selected);

  SettingsRecord& settings_;
  Form1View& view_;
  InputBoxDialog inputBox_;
  ::ThemeList themeList_;
  Form1State state_;
  // One file name for both theme file dialogs, for the whole run.
  std::wstring commonDialogFileName_;
  // Files that were there at start-up but could not be read: never written over.
  bool settingsUnread_ = false;
  bool themeStoreUnread_ = false;
  std::vector<UnreadFile> unreadAtStart_;
  // What both files held when they were read, to notice another program's writes.
  platform::FileFingerprint settingsAsRead_;
  platform::FileFingerprint storeAsRead_;
  // Counts every change of the theme list or of a theme in it.
  int themeListRevision_ = 0;
  // The colour field whose typed text no focus change has taken yet; -1 for none.
  int typedColorField_ = -1;
  // Set while the program writes a colour field.
  bool writingColorField_ = false;
  // How many handlers that may open a modal window are running, one inside another.
  int commandDepth_ = 0;
  // Files dropped while one of them ran, in the order they came.
  std::vector<std::wstring> dropsWaiting_;
  // Set while the waiting drops are being added.
  bool addingWaitingDrops_ = false;
  // What Edit > Undo and Redo take back and do again, and the step being made.
  UndoHistory history_;
  std::optional<UndoStep> recording_;
  // The selection of List1 as the logic last set or took it: a click has moved it
  // already when List1_Click comes.
  int shownSelection_ = -1;
  ProgramsRunningBeside runningBeside_;
};
