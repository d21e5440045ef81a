#pragma once
// The main window's logic: start-up and close, the theme list and its commands, the
// colour fields and the theme files. It reaches its controls only through Form1View.
#include <string>
#include <vector>

#include "platform/io_status.h"
#include "settings/settings_record.h"
#include "themes/theme.h"
#include "themes/theme_store.h"
#include "themes/theme_window.h"
#include "ui/form1_events.h"
#include "ui/form1_texts.h"
#include "ui/form1_view.h"
#include "ui/input_box_dialog.h"

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

class Form1 : public Form1Events, private ThemeWindow, private ThemeListBox {
 public:
  // `settings` is the record the current values live in (GlobalSettings in the program).
  Form1(SettingsRecord& settings, Form1View& view);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  void Form_Load() override;
  bool Form_QueryUnload(int unloadMode) override;
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

  const Form1State& State() const { return state_; }
  const ::ThemeList& Themes() const { return themeList_; }

 private:
  // ThemeWindow: what the theme operations need of the window.
  std::wstring ColorFieldText(int slot) override;
  void SetColorFieldText(int slot, const std::wstring& text) override;
  std::wstring TransformTitleText() override;
  void SetTransformTitleText(const std::wstring& text) override;
  void FillColorFields() override;
  void SetThemeListChanged() override;
  void RedrawPreview() override;

  // ThemeListBox: List1 as the store loader refills it.
  void ReplaceListEntries(const std::vector<std::wstring_view>& names) override;

  void SelectQuietly(int index);
  // Adds a list entry and a theme of that name holding the current values; the new index.
  int AppendTheme(const std::wstring& name);
  bool AskName(std::wstring& name, const wchar_t* caption);

  // Start-up and close helpers.
  void TellUnreadFilesAtStart();
  bool CloseCondition();
  // After one write of the close: true to go on closing, false when the write failed
  // and the user keeps the window open.
  bool CloseGoesOnAfter(const wchar_t* fileName, const platform::IoStatus& written);

  // File > save and its use by File > load.
  enum class SaveOutcome { Saved, Cancelled, Failed };
  struct SaveResult {
    SaveOutcome Outcome = SaveOutcome::Cancelled;
    std::wstring Path;
    platform::IoStatus Status;
  };
  SaveResult SaveThemesToFile();

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
};
