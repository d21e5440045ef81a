// The name dialog: what it proposes, and what each way of closing it gives back.
#include <gtest/gtest.h>

#include "tests/ui/scripted_form1_view.h"
#include "ui/input_box_dialog.h"

namespace {

struct DialogCase {
  const char* name;
  std::vector<NameDialogStep> steps;
  bool confirmed;
  std::wstring value;  // what Value holds afterwards
};

TEST(InputBoxDialog, EachWayOfClosingGivesItsResult) {
  const std::vector<DialogCase> cases = {
      {"OK keeps the proposal", {ClickOk()}, true, L"新しいテーマ(3)"},
      {"one typed character replaces the whole proposal", {TypeName(L"x"), ClickOk()}, true, L"x"},
      {"typed text is taken untrimmed", {TypeName(L"  夜 "), ClickOk()}, true, L"  夜 "},
      {"an emptied field is confirmed empty", {ClearName(), ClickOk()}, true, L""},
      {"Cancel leaves Value alone", {TypeName(L"x"), ClickCancel()}, false, L"新しいテーマ(3)"},
      {"the title bar's close leaves Value alone", {TypeName(L"x"), CloseBox()}, false, L"新しいテーマ(3)"},
  };
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedForm1View view;
    InputBoxDialog dialog(view.InputBoxDialogView());
    view.AnswerNameDialog(c.steps);
    std::wstring value = L"新しいテーマ(3)";
    EXPECT_EQ(dialog.InputBox(value, view.Window(), L"名前を入力"), c.confirmed);
    EXPECT_EQ(value, c.value);
  }
}

TEST(InputBoxDialog, OpensOverItsOwnerWithTheCaptionAndTheWholeProposalSelected) {
  ScriptedForm1View view;
  InputBoxDialog dialog(view.InputBoxDialogView());
  view.AnswerNameDialog({ClickOk()});
  view.AnswerNameDialog({ClickOk()});
  std::wstring first = L"Night";
  std::wstring second = L"";
  dialog.InputBox(first, view.Window(), L"名前の変更");
  dialog.InputBox(second, view.Window(), L"名前を入力");

  ASSERT_EQ(view.NameDialogs().size(), 2u);
  const ShownModal& shown = view.NameDialogs()[0];
  EXPECT_EQ(shown.owner, view.Window().handle);
  EXPECT_EQ(shown.caption, L"名前の変更");
  EXPECT_EQ(shown.proposal, L"Night");
  EXPECT_EQ(shown.selectionStart, 0);
  EXPECT_EQ(shown.selectionLength, 5);
  EXPECT_EQ(view.NameDialogs()[1].caption, L"名前を入力");
  EXPECT_EQ(view.NameDialogs()[1].selectionLength, 0);
}

TEST(InputBoxDialog, CancelAfterAnEarlierOkIsNotConfirmed) {
  for (NameDialogStep closing : {ClickCancel(), CloseBox()}) {
    SCOPED_TRACE(closing.kind == NameDialogStep::CloseBox ? "title bar close" : "Cancel");
    ScriptedForm1View view;
    InputBoxDialog dialog(view.InputBoxDialogView());
    view.AnswerNameDialog({TypeName(L"first"), ClickOk()});
    view.AnswerNameDialog({TypeName(L"second"), closing});
    std::wstring value = L"a";
    EXPECT_TRUE(dialog.InputBox(value, view.Window(), L"名前を入力"));
    EXPECT_EQ(value, L"first");
    EXPECT_FALSE(dialog.InputBox(value, view.Window(), L"名前を入力"));
    EXPECT_EQ(value, L"first");
  }
}

}  // namespace
