#pragma once
// A main window on the simulated toolkit with scripted answers, started in a folder of its own, and sample files
// to start it beside.
#include <optional>
#include <string>
#include <vector>

#include "platform/program_folder.h"
#include "settings/settings_record.h"
#include "tests/platform/temp_folder.h"
#include "tests/ui/scripted_form1_view.h"
#include "tests/ui/japanese_texts.h"
#include "themes/theme.h"
#include "ui/form1.h"

struct TestWindow {
  TempFolder folder;
  platform::ScopedProgramFolder programFolder{folder.folder()};
  ScriptedForm1View view;
  SettingsRecord settings;
  // The other programs the window sees running from its folder (the host editor).
  std::vector<std::wstring> programsRunningBeside;
  Form1 form{settings, view, [this] { return programsRunningBeside; }};

  TestWindow() { view.Attach(form); }

  // setting.ini holding SampleSettings() and a store holding SampleThemes(), then
  // Form_Load; the start-up drawing is taken off the preview's record.
  void StartBesideSampleFiles();
  void WriteSettingsFile(const SettingsRecord& record);
  void WriteStoreFile(const std::vector<Theme>& themes);
  std::string Bytes(const std::wstring& name) const { return folder.Read(name); }

  // What the record would be after reading this folder's setting.ini.
  SettingsRecord SettingsAsRead() const;
  // The bytes the writers make of these values.
  static std::string SettingsBytes(const SettingsRecord& record);
  static std::string StoreBytes(const ::ThemeList& list);
};

// Colours unlike the standard ones, and a TransformTitle.
SettingsRecord SampleSettings();
// Night, Day and Sea, each with colours of its own.
std::vector<Theme> SampleThemes();
Theme MakeTheme(const std::wstring& name, Color base, const std::wstring& title);

// The six-digit texts of these colours, as the fields show them.
std::vector<std::wstring> FieldTexts(const ColorArray& colors);
ColorArray StandardColors();

// Makes `path` name a plain file that exists but cannot be read. Gives the reason when
// this system offers no way to do so (the test then skips).
std::optional<std::string> MakeUnreadableFile(const std::wstring& path);
// Makes an existing file read-only, so that replacing it fails.
void MakeReadOnly(const std::wstring& path);
void MakeWritable(const std::wstring& path);

// Which file a name stands for (the link itself for a symbolic link): a file replaced by
// a safe write gets a new identity.
struct FileIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  bool operator==(const FileIdentity&) const = default;
};
FileIdentity IdentityOf(const std::wstring& path);
