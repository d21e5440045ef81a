#pragma once
// The main window's and the input box's event handlers, as the toolkit raises them.
// Every toolkit (the Windows one and the simulated one) raises them synchronously, also
// for changes the program makes itself:
//  - List1_Click whenever the selected index changes (never for an unchanged index,
//    for removing entries or for clearing the list);
//  - txtColors_Change / txtTransformTitle_Change every time the text is set, even to
//    the same text;
//  - txtColors_LostFocus(i) when the focus moves from field i to another control of
//    the main window, before that control's click; not when it goes to another window.
#include <string>
#include <vector>

// Why the main window is asked to close. The numbers are the handler's customary
// close reason codes (1: the program's own request); logs of close requests show them.
enum class CloseReason : int {
  CloseBox = 0,    // the close box, the system menu or Alt+F4
  Program = 1,     // the program itself asked (File > apply and close)
  SessionEnd = 2,  // the Windows session ends
};

class Form1Events {
 public:
  virtual void Form_Load() = 0;
  // Returns true to keep the window open.
  virtual bool Form_QueryUnload(CloseReason reason) = 0;
  virtual void List1_Click() = 0;
  virtual void txtColors_Change(int index) = 0;
  virtual void txtColors_LostFocus(int index) = 0;
  virtual void cmdBrows_Click(int index) = 0;
  virtual void txtTransformTitle_Change() = 0;
  virtual void mnOpen_Click() = 0;
  virtual void mnSave_Click() = 0;
  virtual void mnQuit_Click() = 0;
  virtual void mnNewTheme_Click() = 0;
  virtual void mnDup_Click() = 0;
  virtual void mnRename_Click() = 0;
  virtual void mnDelete_Click() = 0;
  virtual void mnInit_Click() = 0;
  // The Theme menu drops down: its items are enabled for the moment.
  virtual void mnColor_Click() = 0;
  virtual void mnExportTheme_Click() = 0;
  virtual void mnAddThemes_Click() = 0;
  // The Edit menu drops down: its items are named and enabled for the moment.
  virtual void mnEdit_Click() = 0;
  virtual void mnUndo_Click() = 0;
  virtual void mnRedo_Click() = 0;
  // Whether colour field `index` holds typing that no focus change has taken yet: the
  // undo key then belongs to the field itself, and the program's undo elsewhere.
  virtual bool txtColors_HoldsTyping(int index) = 0;
  // Files dropped onto the main window, as full paths.
  virtual void Form_FilesDropped(const std::vector<std::wstring>& paths) = 0;

 protected:
  ~Form1Events() = default;
};

class InputBoxEvents {
 public:
  virtual void OKButton_Click() = 0;
  virtual void CancelButton_Click() = 0;

 protected:
  ~InputBoxEvents() = default;
};
