// Handlers raised by the real controls, with exactly the semantics the logic relies on.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "drop_files.h"
#include "recording_events.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/menu_bar.h"
#include "window_test_support.h"

namespace {

using Log = std::vector<std::string>;

class Form1EventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(window.Handle(), nullptr);
    window.AttachEvents(events);
    window.ShowCentred();
    for (const wchar_t* entry : {L"(現在の設定)", L"A", L"B", L"C"}) window.ListAdd(entry);
    Pump();
    events.log.clear();
  }
  void Pump() { PumpMessages(window.Handle()); }
  void Focus(HWND control) {
    SetFocus(control);
    Pump();
    events.log.clear();
  }
  HWND Field(int slot) { return window.Control(ControlName::txtColors, slot); }

  RecordingEvents events;
  Form1Window window;
};

TEST_F(Form1EventsTest, ProgramSelectionRaisesList1ClickOnceAndOnlyOnChange) {
  window.SetListIndex(2);
  EXPECT_EQ(events.log, Log{"List1_Click"});  // at once, inside the call
  window.SetListIndex(2);
  EXPECT_EQ(events.log, Log{"List1_Click"});
  window.SetListIndex(-1);
  EXPECT_EQ(window.ListIndex(), -1);
  EXPECT_EQ(events.log, (Log{"List1_Click", "List1_Click"}));
}

TEST_F(Form1EventsTest, RemovingEntriesClearingAndRenamingRaiseNothing) {
  window.SetListIndex(3);
  events.log.clear();
  window.SetListItem(3, L"renamed");
  EXPECT_EQ(window.ListIndex(), 3);
  EXPECT_EQ(window.ListItem(3), L"renamed");
  window.ListRemove(3);
  window.ListRemove(0);
  window.ListClear();
  Pump();
  EXPECT_TRUE(events.log.empty());
  // After the clear, selecting entry 0 of a new list is a change again.
  window.ListAdd(L"x");
  window.SetListIndex(0);
  EXPECT_EQ(events.log, Log{"List1_Click"});
}

// The store loader fills the list in one go, with the list box's redraw held off.
TEST_F(Form1EventsTest, ReplacingEveryEntryKeepsTheirOrderSelectsNothingAndRaisesNothing) {
  window.SetListIndex(2);
  events.log.clear();
  std::vector<std::wstring> names = {L"(現在の設定)", L"夜", L"", L"a]b"};
  for (int i = 0; i < 500; ++i) names.push_back(L"テーマ " + std::to_wstring(i));
  window.ListReplaceAll(std::vector<std::wstring_view>(names.begin(), names.end()));

  const HWND list = window.Control(ControlName::List1);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(list, &update, FALSE));  // it will be painted whole again
  Pump();
  EXPECT_TRUE(events.log.empty());
  EXPECT_EQ(window.ListIndex(), -1);
  ASSERT_EQ(window.ListCount(), static_cast<int>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(window.ListItem(static_cast<int>(i)), names[i]) << i;
  }
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_FALSE(GetUpdateRect(list, &update, FALSE));
  // Its scroll bar reaches the last entry.
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_RANGE;
  ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &scroll));
  EXPECT_EQ(scroll.nMax, static_cast<int>(names.size()) - 1);
  // Selecting the entry that was selected before the fill is a change again.
  window.SetListIndex(2);
  EXPECT_EQ(events.log, Log{"List1_Click"});
}

// Undo can take the list back to no selection, as at start: an arrow key then selects
// the first entry, as it does after the list was filled, not the entry selected last.
TEST_F(Form1EventsTest, AnArrowKeyAfterTheSelectionWasClearedSelectsTheFirstEntry) {
  const HWND list = window.Control(ControlName::List1);
  for (const UINT key : {VK_UP, VK_DOWN}) {
    SCOPED_TRACE(key == VK_UP ? "up" : "down");
    window.SetListIndex(2);
    window.SetListIndex(-1);
    Focus(list);
    PostKey(list, key);
    Pump();
    EXPECT_EQ(window.ListIndex(), 0);
    EXPECT_EQ(events.log, Log{"List1_Click"});
  }
}

TEST_F(Form1EventsTest, UserClickOnAnEntryRaisesOnceAndAgainOnTheSameEntryNot) {
  const HWND list = window.Control(ControlName::List1);
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  for (int click = 0; click < 2; ++click) {
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(list, WM_LBUTTONUP, 0, point);
    Pump();
  }
  EXPECT_EQ(window.ListIndex(), 1);
  EXPECT_EQ(events.log, Log{"List1_Click"});
}

TEST_F(Form1EventsTest, ASelectionSetInsideList1ClickRaisesTheNestedClickAtOnce) {
  window.SetListIndex(1);
  events.onList1Click = [this] {
    events.onList1Click = nullptr;
    window.SetListIndex(0);  // the logic's "select quietly" back
    events.log.push_back("back");
  };
  events.log.clear();
  window.SetListIndex(2);
  EXPECT_EQ(events.log, (Log{"List1_Click", "List1_Click", "back"}));
  EXPECT_EQ(window.ListIndex(), 0);
}

TEST_F(Form1EventsTest, EverySetOfAFieldRaisesItsChangeHandlerOnceEvenForTheSameText) {
  window.SetColorFieldText(4, L"00FF00");
  window.SetColorFieldText(4, L"00FF00");
  window.SetTransformTitleText(L"title");
  window.SetTransformTitleText(L"title");
  Pump();
  EXPECT_EQ(events.log, (Log{"txtColors_Change(4)", "txtColors_Change(4)",
                             "txtTransformTitle_Change", "txtTransformTitle_Change"}));
  EXPECT_EQ(window.ColorFieldText(4), L"00FF00");
  EXPECT_EQ(window.TransformTitleText(), L"title");
}

TEST_F(Form1EventsTest, TypingRaisesTheChangeHandlerPerKeystroke) {
  Focus(Field(7));
  SendMessageW(Field(7), EM_SETSEL, 0, -1);
  PostChar(Field(7), L'f');
  PostChar(Field(7), L'f');
  Pump();
  EXPECT_EQ(window.ColorFieldText(7), L"ff");
  EXPECT_EQ(events.log, (Log{"txtColors_Change(7)", "txtColors_Change(7)"}));

  Focus(window.Control(ControlName::txtTransformTitle));
  PostChar(window.Control(ControlName::txtTransformTitle), L'x');
  Pump();
  EXPECT_EQ(events.log, Log{"txtTransformTitle_Change"});
}

TEST_F(Form1EventsTest, FocusMovingFromAFieldToAButtonTakesTheEditBeforeTheClick) {
  Focus(Field(3));
  PostClick(window.Control(ControlName::cmdBrows, 5));
  Pump();
  EXPECT_EQ(events.log, (Log{"txtColors_LostFocus(3)", "cmdBrows_Click(5)"}));
}

TEST_F(Form1EventsTest, TabFromAFieldMovesToItsButtonAndTakesTheEdit) {
  Focus(Field(0));
  PostKey(Field(0), VK_TAB);
  Pump();
  EXPECT_EQ(GetFocus(), window.Control(ControlName::cmdBrows, 0));
  EXPECT_EQ(events.log, Log{"txtColors_LostFocus(0)"});
}

TEST_F(Form1EventsTest, FocusGoingToAMessageBoxAndBackRaisesNoLostFocus) {
  Focus(Field(2));
  DialogAnswerer answer(L"#32770", [](HWND box) { PressButton(box, IDOK); });
  EXPECT_EQ(window.MsgBox(L"?", MsgBoxStyle::OKCancel | MsgBoxStyle::Exclamation), MsgBoxAnswer::OK);
  EXPECT_TRUE(answer.Found());
  Pump();
  EXPECT_TRUE(events.log.empty());
  EXPECT_EQ(GetFocus(), Field(2));
}

TEST_F(Form1EventsTest, EnterAndEscapeInAFieldRaiseNothing) {
  Focus(Field(1));
  PostKey(Field(1), VK_RETURN);
  PostKey(Field(1), VK_ESCAPE);
  Pump();
  EXPECT_TRUE(events.log.empty());
  EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST_F(Form1EventsTest, EachMenuItemRaisesItsOwnHandler) {
  const std::pair<MenuCommand, const char*> items[] = {
      {MenuCommand::mnOpen, "mnOpen_Click"},         {MenuCommand::mnSave, "mnSave_Click"},
      {MenuCommand::mnQuit, "mnQuit_Click"},         {MenuCommand::mnNewTheme, "mnNewTheme_Click"},
      {MenuCommand::mnDup, "mnDup_Click"},           {MenuCommand::mnRename, "mnRename_Click"},
      {MenuCommand::mnDelete, "mnDelete_Click"},     {MenuCommand::mnInit, "mnInit_Click"},
      {MenuCommand::mnExportTheme, "mnExportTheme_Click"}, {MenuCommand::mnAddThemes, "mnAddThemes_Click"},
      {MenuCommand::mnUndo, "mnUndo_Click"},         {MenuCommand::mnRedo, "mnRedo_Click"},
  };
  for (const auto& [command, handler] : items) {
    SCOPED_TRACE(handler);
    events.log.clear();
    // The id the menu bar really carries for this command.
    const UINT id = kFirstMenuId + static_cast<UINT>(command);
    ASSERT_NE(GetMenuState(GetMenu(window.Handle()), id, MF_BYCOMMAND), static_cast<UINT>(-1));
    PostMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
    EXPECT_EQ(events.log, Log{handler});
  }
}

// The logic greys items while the Theme menu drops down; the File menu and the system
// menu raise nothing.
TEST_F(Form1EventsTest, TheThemeMenuDroppingDownLetsTheLogicGreyItsItems) {
  const HMENU bar = GetMenu(window.Handle());
  const UINT exportId = kFirstMenuId + static_cast<UINT>(MenuCommand::mnExportTheme);
  bool grey = true;
  events.onThemeMenu = [&] { window.SetMenuItemEnabled(MenuCommand::mnExportTheme, !grey); };
  SendMessageW(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(DropDownMenu(bar, L"mnFile")), 0);
  SendMessageW(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSystemMenu(window.Handle(), FALSE)),
               MAKELPARAM(0, TRUE));
  EXPECT_TRUE(events.log.empty());
  EXPECT_FALSE(GetMenuState(bar, exportId, MF_BYCOMMAND) & MF_GRAYED);

  SendMessageW(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(DropDownMenu(bar, L"mnColor")), 1);
  EXPECT_EQ(events.log, Log{"mnColor_Click"});
  EXPECT_TRUE(GetMenuState(bar, exportId, MF_BYCOMMAND) & MF_GRAYED);
  grey = false;
  SendMessageW(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(DropDownMenu(bar, L"mnColor")), 1);
  EXPECT_FALSE(GetMenuState(bar, exportId, MF_BYCOMMAND) & MF_GRAYED);
}

// The Edit menu dropping down lets the logic name and grey its items; the menu shows
// what the logic set.
TEST_F(Form1EventsTest, TheEditMenuDroppingDownLetsTheLogicNameItsItems) {
  const HMENU bar = GetMenu(window.Handle());
  const UINT undoId = kFirstMenuId + static_cast<UINT>(MenuCommand::mnUndo);
  const std::wstring caption = L"元に戻す: 削除「夜」(&U)\tCtrl+Z";
  events.onEditMenu = [&] {
    window.SetMenuItemText(MenuCommand::mnUndo, caption);
    window.SetMenuItemEnabled(MenuCommand::mnRedo, false);
  };
  SendMessageW(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(DropDownMenu(bar, L"mnEdit")), 2);
  EXPECT_EQ(events.log, Log{"mnEdit_Click"});
  wchar_t shown[100] = {};
  GetMenuStringW(bar, undoId, shown, 100, MF_BYCOMMAND);
  EXPECT_EQ(std::wstring(shown), caption);
  EXPECT_TRUE(GetMenuState(bar, undoId + 1, MF_BYCOMMAND) & MF_GRAYED);
}

// Ctrl+Z and Ctrl+Y, and Ctrl+Shift+Z, in the list, the title and a colour field: the
// program's, except in the field that holds typing; Z without Ctrl is a letter.
TEST_F(Form1EventsTest, TheUndoKeysAreTheProgramsExceptInTheFieldThatHoldsTyping) {
  struct Case {
    const char* name;
    HWND target;
    BYTE shift;
    WORD key;
    bool control;
    Log raised;
  };
  events.holdsTyping = 3;
  const HWND title = window.Control(ControlName::txtTransformTitle);
  const Case cases[] = {
      {"Ctrl+Z in the list", window.Control(ControlName::List1), 0, 'Z', true, {"mnUndo_Click"}},
      {"Ctrl+Y in the title", title, 0, 'Y', true, {"mnRedo_Click"}},
      {"Ctrl+Shift+Z in a field", Field(1), 0x80, 'Z', true, {"mnRedo_Click"}},
      {"Ctrl+Z in the field with typing", Field(3), 0, 'Z', true, {}},
      {"Ctrl+Y in the field with typing", Field(3), 0, 'Y', true, {}},
      {"Z alone", title, 0, 'Z', false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events.log.clear();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = c.control ? 0x80 : 0;
    keys[VK_SHIFT] = c.shift;
    SetKeyboardState(keys);
    const MSG message{c.target, WM_KEYDOWN, c.key, 1, 0, {}};
    EXPECT_EQ(window.TranslateUndoKeys(message), !c.raised.empty());
    EXPECT_EQ(events.log, c.raised);
  }
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

TEST_F(Form1EventsTest, FilesDroppedOnTheWindowReachTheLogicAsFullPaths) {
  EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  const std::vector<std::wstring> paths = {L"C:\\テーマ\\夜.txt", L"C:\\b.txt"};
  SendMessageW(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
  EXPECT_EQ(events.log, Log{"Form_FilesDropped(2)"});
  EXPECT_EQ(events.dropped, paths);
}

TEST_F(Form1EventsTest, CloseBoxSystemMenuAndProgramCloseGiveTheirReasons) {
  struct Case {
    const char* how;
    std::function<void(Form1Window&)> close;
    CloseReason reason;
  };
  const Case cases[] = {
      {"WM_CLOSE", [](Form1Window& w) { SendMessageW(w.Handle(), WM_CLOSE, 0, 0); }, CloseReason::CloseBox},
      {"SC_CLOSE", [](Form1Window& w) { SendMessageW(w.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }, CloseReason::CloseBox},
      {"RequestClose", [](Form1Window& w) { w.RequestClose(); }, CloseReason::Program},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    RecordingEvents refusing;
    refusing.onQueryUnload = [](CloseReason) { return true; };
    Form1Window form;
    form.AttachEvents(refusing);
    c.close(form);
    const std::string expected = "Form_QueryUnload(" + std::to_string(static_cast<int>(c.reason)) + ")";
    EXPECT_EQ(refusing.log, Log{expected});
    EXPECT_TRUE(IsWindow(form.Handle()));  // refused: still open

    refusing.onQueryUnload = [](CloseReason) { return false; };
    c.close(form);
    EXPECT_EQ(refusing.log, (Log{expected, expected}));
    EXPECT_FALSE(IsWindow(form.Handle()));
  }
}

TEST_F(Form1EventsTest, SessionEndAsksOnceAndASecondShutdownMessageDoesNotAskAgain) {
  events.onQueryUnload = [](CloseReason) { return true; };
  EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  EXPECT_TRUE(IsWindow(window.Handle()));

  events.onQueryUnload = [](CloseReason) { return false; };
  EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(events.log, (Log{"Form_QueryUnload(2)", "Form_QueryUnload(2)"}));
  const HWND handle = window.Handle();
  SendMessageW(handle, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(events.log.size(), 2u);
}

}  // namespace
