// the input box: what it proposes, and what each way of closing it gives back.
#include <gtest/gtest.h>

#include <optional>

#include "tests/ui/scripted_form1_view.h"
#include "ui/input_box_dialog.h"

namespace {

struct DialogCase {
  const char* name;
  std::vector<InputBoxStep> steps;
  // The text entered; nullopt when the input box was not confirmed.
  std::optional<std::wstring> entered;
};

TEST(InputBoxDialog, EachWayOfClosingGivesItsResult) {
  const std::vector<DialogCase> cases = {
      {"OK keeps the proposal", {ClickOk()}, L"新しいテーマ(3)"},
      {"one typed character replaces the whole proposal", {TypeInput(L"x"), ClickOk()}, L"x"},
      {"typed text is taken untrimmed", {TypeInput(L"  夜 "), ClickOk()}, L"  夜 "},
      {"an emptied field is confirmed empty", {ClearInput(), ClickOk()}, L""},
      {"Cancel gives nothing", {TypeInput(L"x"), ClickCancel()}, std::nullopt},
      {"the title bar's close gives nothing", {TypeInput(L"x"), CloseBox()}, std::nullopt},
  };
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedForm1View view;
    InputBoxDialog dialog(view.InputBoxDialogView());
    view.AnswerInputBox(c.steps);
    EXPECT_EQ(dialog.InputBox(L"新しいテーマ(3)", view.Window(), L"名前を入力"), c.entered);
  }
}

TEST(InputBoxDialog, OpensOverItsOwnerWithTheCaptionAndTheWholeProposalSelected) {
  ScriptedForm1View view;
  InputBoxDialog dialog(view.InputBoxDialogView());
  view.AnswerInputBox({ClickOk()});
  view.AnswerInputBox({ClickOk()});
  dialog.InputBox(L"Night", view.Window(), L"名前の変更");
  dialog.InputBox(L"", view.Window(), L"名前を入力");

  ASSERT_EQ(view.InputBoxes().size(), 2u);
  const ShownModal& shown = view.InputBoxes()[0];
  EXPECT_EQ(shown.owner, view.Window().handle);
  EXPECT_EQ(shown.caption, L"名前の変更");
  EXPECT_EQ(shown.proposal, L"Night");
  EXPECT_EQ(shown.selectionStart, 0);
  EXPECT_EQ(shown.selectionLength, 5);
  EXPECT_EQ(view.InputBoxes()[1].caption, L"名前を入力");
  EXPECT_EQ(view.InputBoxes()[1].selectionLength, 0);
}

TEST(InputBoxDialog, CancelAfterAnEarlierOkIsNotConfirmed) {
  for (InputBoxStep closing : {ClickCancel(), CloseBox()}) {
    SCOPED_TRACE(closing.kind == InputBoxStep::CloseBox ? "title bar close" : "Cancel");
    ScriptedForm1View view;
    InputBoxDialog dialog(view.InputBoxDialogView());
    view.AnswerInputBox({TypeInput(L"first"), ClickOk()});
    view.AnswerInputBox({TypeInput(L"second"), closing});
    EXPECT_EQ(dialog.InputBox(L"a", view.Window(), L"名前を入力"), L"first");
    EXPECT_EQ(dialog.InputBox(L"a", view.Window(), L"名前を入力"), std::nullopt);
  }
}

}  // namespace
