#pragma once
// A stand-in for the main window's logic: writes down every handler the toolkit
// raises, in order, and answers the close as the test says.
#include <functional>
#include <string>
#include <vector>

#include "ui/form1_events.h"

class RecordingEvents final : public Form1Events, public InputBoxEvents {
 public:
  std::vector<std::string> log;
  // Form_QueryUnload's answer (true keeps the window open); by default the close goes on.
  std::function<bool(CloseReason)> onQueryUnload = [](CloseReason) { return false; };
  // Runs inside the handler it is named after, when set.
  std::function<void()> onList1Click;
  std::function<void()> onOKButton;
  std::function<void()> onCancelButton;
  std::function<void()> onThemeMenu;
  std::function<void()> onEditMenu;
  // The paths of the last drop.
  std::vector<std::wstring> dropped;

  void Form_Load() override { log.push_back("Form_Load"); }
  bool Form_QueryUnload(CloseReason reason) override {
    log.push_back("Form_QueryUnload(" + std::to_string(static_cast<int>(reason)) + ")");
    return onQueryUnload(reason);
  }
  void List1_Click() override {
    log.push_back("List1_Click");
    if (onList1Click) onList1Click();
  }
  void txtColors_Change(int index) override { Indexed("txtColors_Change", index); }
  void txtColors_LostFocus(int index) override { Indexed("txtColors_LostFocus", index); }
  void cmdBrows_Click(int index) override { Indexed("cmdBrows_Click", index); }
  void txtTransformTitle_Change() override { log.push_back("txtTransformTitle_Change"); }
  void mnOpen_Click() override { log.push_back("mnOpen_Click"); }
  void mnSave_Click() override { log.push_back("mnSave_Click"); }
  void mnQuit_Click() override { log.push_back("mnQuit_Click"); }
  void mnNewTheme_Click() override { log.push_back("mnNewTheme_Click"); }
  void mnDup_Click() override { log.push_back("mnDup_Click"); }
  void mnRename_Click() override { log.push_back("mnRename_Click"); }
  void mnDelete_Click() override { log.push_back("mnDelete_Click"); }
  void mnInit_Click() override { log.push_back("mnInit_Click"); }
  void mnColor_Click() override {
    log.push_back("mnColor_Click");
    if (onThemeMenu) onThemeMenu();
  }
  void mnExportTheme_Click() override { log.push_back("mnExportTheme_Click"); }
  void mnAddThemes_Click() override { log.push_back("mnAddThemes_Click"); }
  void mnEdit_Click() override {
    log.push_back("mnEdit_Click");
    if (onEditMenu) onEditMenu();
  }
  void mnUndo_Click() override { log.push_back("mnUndo_Click"); }
  void mnRedo_Click() override { log.push_back("mnRedo_Click"); }
  // Which colour field the logic says holds typing not taken yet.
  int holdsTyping = -1;
  bool txtColors_HoldsTyping(int index) override { return index == holdsTyping; }
  void Form_FilesDropped(const std::vector<std::wstring>& paths) override {
    log.push_back("Form_FilesDropped(" + std::to_string(paths.size()) + ")");
    dropped = paths;
  }
  void OKButton_Click() override {
    log.push_back("OKButton_Click");
    if (onOKButton) onOKButton();
  }
  void CancelButton_Click() override {
    log.push_back("CancelButton_Click");
    if (onCancelButton) onCancelButton();
  }

 private:
  void Indexed(const char* name, int index) {
    log.push_back(std::string(name) + "(" + std::to_string(index) + ")");
  }
};
