// The main window's logic speaks the window's language: the same story asks the same
// things in Japanese and in English, and every English text is English.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/program_folder.h"
#include "platform/utf8.h"
#include "tests/ui/form1_test_support.h"
#include "tests/ui/japanese_check.h"
#include "ui/form1_texts.h"

namespace {

// Everything the window showed in one story: prompts, dialog captions and proposals,
// file filters and, at the end, the list.
struct Shown {
  std::vector<ShownModal> messages;
  std::vector<ShownModal> inputBoxes;
  std::vector<ShownModal> fileDialogs;
  std::vector<std::wstring> list;
  std::wstring missingPath;
};

// A story through every kind of text the window shows: the switch question and the
// name for the edits, a new theme over edits, the copies of entry 0 and of a theme,
// rename, delete, a save and a load that fail, and the close question.
Shown RunStory(Language language) {
  TestWindow w;
  w.view.SetInterfaceLanguage(language);
  w.StartBesideSampleFiles();
  auto edit = [&] {
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"0000FF");
    w.view.Focus(Control::ListBox());
  };

  edit();
  w.view.AnswerMessage(MsgBoxAnswer::Yes);
  w.view.AnswerInputBox({ClickOk()});
  w.view.ClickListEntry(2);  // Day; the edits become "New theme (4)"
  edit();
  w.view.AnswerMessage(MsgBoxAnswer::No);
  w.view.AnswerInputBox({ClickCancel()});
  w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
  w.view.AnswerMessage(MsgBoxAnswer::No);
  w.view.ClickListEntry(0);
  w.view.ChooseMenu(&Form1Events::mnDup_Click);  // of the current settings
  w.view.ClickListEntry(1);
  w.view.ChooseMenu(&Form1Events::mnDup_Click);  // of Night
  w.view.AnswerInputBox({ClickCancel()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
  w.view.AnswerMessage(MsgBoxAnswer::Cancel);
  w.view.ChooseMenu(&Form1Events::mnDelete_Click);

  const std::wstring missing = platform::PathInFolder(w.folder.File(L"gone"), L"themes.txt");
  w.view.AnswerFileDialog(missing);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnSave_Click);
  w.view.AnswerMessage(MsgBoxAnswer::No);
  w.view.AnswerFileDialog(missing);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);

  w.view.AnswerMessage(MsgBoxAnswer::Cancel);
  EXPECT_FALSE(w.view.AskClose(CloseReason::CloseBox));
  EXPECT_EQ(w.view.PendingAnswers(), 0);
  return {w.view.Messages(), w.view.InputBoxes(), w.view.FileDialogs(), w.view.ListItems(), missing};
}

TEST(Form1Languages, TheSameStoryAsksTheSameThingsAndEveryEnglishTextIsEnglish) {
  const Shown japanese = RunStory(Language::Japanese);
  const Shown english = RunStory(Language::English);

  ASSERT_EQ(english.messages.size(), japanese.messages.size());
  ASSERT_EQ(english.messages.size(), 8u);
  for (size_t i = 0; i < english.messages.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(english.messages[i].style, japanese.messages[i].style);
    EXPECT_FALSE(HoldsJapanese(english.messages[i].prompt)) << platform::ToUtf8(english.messages[i].prompt);
    EXPECT_NE(english.messages[i].prompt, japanese.messages[i].prompt);
  }
  ASSERT_EQ(english.inputBoxes.size(), japanese.inputBoxes.size());
  for (size_t i = 0; i < english.inputBoxes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(HoldsJapanese(english.inputBoxes[i].caption + english.inputBoxes[i].proposal));
    EXPECT_NE(english.inputBoxes[i].caption, japanese.inputBoxes[i].caption);
    // Typing replaces the whole proposal, whatever its length in the language.
    EXPECT_EQ(english.inputBoxes[i].selectionLength, static_cast<int>(english.inputBoxes[i].proposal.size()));
  }
  ASSERT_EQ(english.fileDialogs.size(), 2u);
  for (const ShownModal& dialog : english.fileDialogs) EXPECT_FALSE(HoldsJapanese(dialog.filter));
  // The filter keeps its patterns: only the descriptions change.
  EXPECT_NE(english.fileDialogs[0].filter.find(L"|*.txt|"), std::wstring::npos);
  EXPECT_NE(english.fileDialogs[0].filter.find(L"|*.*"), std::wstring::npos);

  // The same entries, named in the language.
  ASSERT_EQ(english.list.size(), japanese.list.size());
  for (const std::wstring& entry : english.list) EXPECT_FALSE(HoldsJapanese(entry)) << platform::ToUtf8(entry);
  EXPECT_EQ(japanese.list[0], L"(現在の設定)");
  EXPECT_EQ(japanese.list[4], L"新しいテーマ(4)");
  EXPECT_EQ(japanese.list[5], L"現在の設定の複製");
  EXPECT_EQ(japanese.list[6], L"Nightの複製");
}

TEST(Form1Languages, EnglishMessagesNameTheThemeTheFileAndTheReasonTheyAreAbout) {
  const Shown english = RunStory(Language::English);
  ASSERT_EQ(english.messages.size(), 8u);
  ASSERT_EQ(english.list.size(), 7u);
  // The question before a new theme names the current theme, the delete question the
  // selected one, as the list shows them.
  EXPECT_NE(english.messages[1].prompt.find(english.list[2]), std::wstring::npos);
  EXPECT_NE(english.messages[3].prompt.find(english.list[6]), std::wstring::npos);
  // The copies are named after what they copy.
  EXPECT_NE(english.list[5].find(L"current settings"), std::wstring::npos);
  EXPECT_NE(english.list[6].find(L"Night"), std::wstring::npos);
  EXPECT_NE(english.list[4].find(L"4"), std::wstring::npos);
  // A failed save and load give the path and the reason, ours in English too.
  EXPECT_NE(english.messages[4].prompt.find(english.missingPath), std::wstring::npos);
  EXPECT_NE(english.messages[6].prompt.find(english.missingPath), std::wstring::npos);
  EXPECT_NE(english.messages[6].prompt.find(FailureReason(
                platform::IoStatus::NoPlainFile(platform::PathKind::Nothing), Language::English)),
            std::wstring::npos);
}

TEST(Form1Languages, TheMessagesBuiltFromPartsAreEnglishWhateverTheirParts) {
  const std::vector<UnreadFile> both = {{L"setting.ini", L"Access is denied."}, {L"lirvacolors.ini", L""}};
  const std::wstring texts[] = {
      UnreadAtStartMessage(both, Language::English),
      UnreadAtStartMessage({both[0]}, Language::English),
      CloseWriteFailedQuestion(L"setting.ini", L"Access is denied.", Language::English),
      HostRunningQuestion({L"lirva.exe", L"resampler.exe"}, Language::English),
      StoreChangedQuestion(Language::English),
      SaveBeforeLoadFailedMessage(L"C:\\themes.txt", L"", Language::English),
      NoThemeInFileMessage(L"C:\\themes.txt", Language::English),
      FailureReason(platform::IoStatus::NoPlainFile(platform::PathKind::HiddenOrSystemFile), Language::English),
      // The reasons of our own for files not read as they stand.
      FailureReason(platform::IoStatus::NoPlainFile(platform::PathKind::Folder), Language::English),
      FailureReason(platform::IoStatus::Because(platform::FileTrouble::Utf16Text), Language::English),
      FailureReason(platform::IoStatus::Because(platform::FileTrouble::LoneLineFeeds), Language::English),
      FailureReason(platform::IoStatus::Because(platform::FileTrouble::OutOfMemory), Language::English),
      FailureReason(platform::IoStatus::TooLarge(5ull << 30), Language::English),
      FailureReason(platform::IoStatus::TooLarge(5ull << 30), Language::English, FileRole::HostSettings),
      ExportFailedMessage(L"C:\\night.txt", L"", Language::English),
      DroppedFilesRefusedMessage({{L"C:\\note.txt", NoThemeInFileReason(Language::English)}}, true, Language::English),
  };
  for (const std::wstring& text : texts) {
    SCOPED_TRACE(platform::ToUtf8(text));
    EXPECT_FALSE(HoldsJapanese(text));
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find(L'{'), std::wstring::npos) << "a place left unfilled";
  }
  // Several programs are listed apart; the system's reason is kept word for word.
  EXPECT_NE(texts[3].find(L"lirva.exe, resampler.exe"), std::wstring::npos);
  EXPECT_NE(texts[0].find(L"\nAccess is denied.\n"), std::wstring::npos);
  EXPECT_NE(texts[0], texts[1]);
}

}  // namespace
