// The modal windows, answered by a helper thread that presses their buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shown_form1_test.h"
#include "ui/input_box_dialog.h"
#include "ui/win32/control_set.h"
#include "ui/win32/form1_window.h"
#include "window_test_support.h"

namespace {

using Log = std::vector<std::string>;
constexpr wchar_t kQuestion[] = L"設定が変更されています。setting.iniに反映しますか？";

using ModalDialogsTest = ShownForm1Test;

// The dialog's button as the layout table numbers it.
HWND InputBoxButton(HWND dialog, ControlName name) {
  const auto controls = InputBoxControls();
  for (size_t position = 0; position < controls.size(); ++position) {
    if (controls[position].name == name) {
      return GetDlgItem(dialog, ControlSet::kFirstControlId + static_cast<int>(position));
    }
  }
  return nullptr;
}

TEST_F(ModalDialogsTest, CloseQuestionAnswersReachTheCloseAndCancelKeepsTheWindow) {
  struct Case {
    int button;
    MsgBoxAnswer answer;
    bool closes;
  };
  for (const Case& c : {Case{IDCANCEL, MsgBoxAnswer::Cancel, false}, Case{IDNO, MsgBoxAnswer::No, true},
                        Case{IDYES, MsgBoxAnswer::Yes, true}}) {
    SCOPED_TRACE(c.button);
    RecordingEvents asking;
    Form1Window form;
    form.AttachEvents(asking);
    form.ShowCentred();
    MsgBoxAnswer answer{};
    bool ownerDisabled = false;
    HWND boxOwner = nullptr;
    std::wstring boxTitle;
    asking.onQueryUnload = [&](CloseReason) {
      answer = form.MsgBox(kQuestion, MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
      return answer == MsgBoxAnswer::Cancel;
    };
    DialogAnswerer press(L"#32770", [&](HWND box) {
      ownerDisabled = !IsWindowEnabled(form.Handle());
      boxOwner = GetWindow(box, GW_OWNER);
      boxTitle = TextOf(box);
      PressButton(box, c.button);
    });
    const HWND formWindow = form.Handle();
    SendMessageW(formWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(press.Found());
    EXPECT_EQ(answer, c.answer);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_EQ(boxOwner, formWindow);
    EXPECT_EQ(boxTitle, kProgramTitle);
    EXPECT_EQ(IsWindow(formWindow) != FALSE, !c.closes);
  }
}

TEST_F(ModalDialogsTest, InputBoxOKReturnsTheTextAndCancelOrTitleBarCloseDoNot) {
  InputBoxDialog dialog(window.InputBox());
  struct Case {
    const char* how;
    void (*close)(HWND dialog);
    bool confirmed;
  };
  const Case cases[] = {
      {"OK", [](HWND d) { PostMessageW(InputBoxButton(d, ControlName::OKButton), BM_CLICK, 0, 0); }, true},
      {"Cancel", [](HWND d) { PostMessageW(InputBoxButton(d, ControlName::CancelButton), BM_CLICK, 0, 0); }, false},
      {"title bar", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
      {"OK again", [](HWND d) { PostMessageW(InputBoxButton(d, ControlName::OKButton), BM_CLICK, 0, 0); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    std::wstring title;
    DWORD selection = 0;
    bool ownerDisabled = false;
    HWND owner = nullptr;
    DialogAnswerer answer(InputBoxWindow::kClassName, [&](HWND d) {
      title = TextOf(d);
      owner = GetWindow(d, GW_OWNER);
      ownerDisabled = !IsWindowEnabled(window.Handle());
      const HWND field = GetDlgItem(d, ControlSet::kFirstControlId);
      DWORD start = 1, end = 0;
      SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      selection = start == 0 ? end : 0;
      PostMessageW(field, WM_CHAR, L'x', 1);  // typing replaces the whole proposal
      c.close(d);                              // queued after the typing
    });
    const std::optional<std::wstring> entered = dialog.InputBox(L"新しいテーマ(4)", window.Window(), L"名前を入力");
    ASSERT_TRUE(answer.Found());
    EXPECT_EQ(entered.has_value(), c.confirmed);
    if (entered) {
      EXPECT_EQ(*entered, L"x");
    }
    EXPECT_EQ(title, L"名前を入力");
    EXPECT_EQ(selection, 9u);
    EXPECT_EQ(owner, window.Handle());
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(window.Handle()));
    EXPECT_EQ(window.InputBox().Handle(), nullptr);  // taken down after each use
  }
}

TEST_F(ModalDialogsTest, EnterAndEscapeDoNotCloseTheInputBox) {
  bool openAfterKeys = false;
  DialogAnswerer answer(InputBoxWindow::kClassName, [&](HWND d) {
    const HWND field = GetDlgItem(d, ControlSet::kFirstControlId);
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
      PostMessageW(field, WM_KEYDOWN, key, 1);
      PostMessageW(field, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }
    // A character typed after the keys shows once the dialog has taken them.
    PostMessageW(field, WM_CHAR, L'z', 1);
    WaitFor([&] { return !IsWindow(d) || TextOf(field) == L"z"; });
    openAfterKeys = IsWindowVisible(d) != FALSE;
    PostMessageW(InputBoxButton(d, ControlName::CancelButton), BM_CLICK, 0, 0);
  });
  events.onCancelButton = [this] { window.InputBox().Close(); };
  window.InputBox().ShowModal(window.Window(), events);
  ASSERT_TRUE(answer.Found());
  EXPECT_TRUE(openAfterKeys);
  EXPECT_EQ(events.log, Log{"CancelButton_Click"});
}

TEST_F(ModalDialogsTest, InputBoxGeometryFrameAndFirstTitle) {
  RECT client{}, frame{}, owner{};
  LONG style = 0, exStyle = 0;
  std::wstring title;
  std::vector<RECT> controls;
  DialogAnswerer answer(InputBoxWindow::kClassName, [&](HWND d) {
    GetClientRect(d, &client);
    GetWindowRect(d, &frame);
    style = GetWindowLongW(d, GWL_STYLE);
    exStyle = GetWindowLongW(d, GWL_EXSTYLE);
    title = TextOf(d);
    for (size_t i = 0; i < InputBoxControls().size(); ++i) {
      controls.push_back(RectInParent(GetDlgItem(d, ControlSet::kFirstControlId + static_cast<int>(i))));
    }
    PostMessageW(d, WM_CLOSE, 0, 0);
  });
  window.InputBox().ShowModal(window.Window(), events);
  ASSERT_TRUE(answer.Found());
  GetWindowRect(window.Handle(), &owner);
  EXPECT_EQ(title, L"値の入力");
  EXPECT_EQ(client.right, 197);
  EXPECT_EQ(client.bottom, 76);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);  // owned, so not in the taskbar
  EXPECT_NEAR((frame.left + frame.right) / 2, (owner.left + owner.right) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
  ASSERT_EQ(controls.size(), InputBoxControls().size());
  for (size_t i = 0; i < controls.size(); ++i) {
    const TwipsRect& twips = InputBoxControls()[i].rect;
    EXPECT_NEAR(controls[i].left, twips.left / 15, 1);
    EXPECT_NEAR(controls[i].top, twips.top / 15, 1);
    EXPECT_NEAR(controls[i].right - controls[i].left, twips.width / 15, 1);
    EXPECT_NEAR(controls[i].bottom - controls[i].top, twips.height / 15, 1);
  }
  EXPECT_TRUE(events.log.empty());  // the close control raises neither handler
}

}  // namespace
