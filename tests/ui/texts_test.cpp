// The choice of the interface language, the filling of a phrase, and a step's name in
// the Edit menu.
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ui/form1_texts.h"

namespace {

TEST(LanguageForDisplay, JapaneseInAnyRegionalFormEveryOtherLanguageEnglish) {
  struct Case {
    std::uint16_t languageId;
    Language expected;
  };
  const Case cases[] = {
      {0x0411, Language::Japanese},  // ja-JP
      {0x0011, Language::Japanese},  // Japanese without a region
      {0x0409, Language::English},   // en-US
      {0x0809, Language::English},   // en-GB
      {0x0407, Language::English},   // de-DE
      {0x0804, Language::English},   // zh-CN: kanji, but not Japanese
      {0x0412, Language::English},   // ko-KR
      {0x0000, Language::English},   // neutral
      {0x0C11, Language::Japanese},  // a sublanguage Windows does not define yet
      {0x0111, Language::English},   // primary language 0x111, not 0x11
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.languageId);
    EXPECT_EQ(LanguageForDisplay(c.languageId), c.expected);
  }
}

TEST(Fill, PutsEachArgumentWhereItsNumberStandsInTheChosenLanguage) {
  constexpr Phrase kMoved{L"{2}を{1}に移しました", L"Moved {2} to {1}."};
  EXPECT_EQ(Fill(kMoved, Language::Japanese, {L"海", L"夜空"}), L"夜空を海に移しました");
  EXPECT_EQ(Fill(kMoved, Language::English, {L"Sea", L"Night"}), L"Moved Night to Sea.");
  constexpr Phrase kTwice{L"{1}と{1}", L"{1} and {1}"};
  EXPECT_EQ(Fill(kTwice, Language::English, {L"x"}), L"x and x");
}

TEST(Fill, ArgumentsAreTakenAsTheyAreAndUnknownBracesStayText) {
  constexpr Phrase kName{L"「{1}」", L"\"{1}\" {2} {x} {0} {"};
  // A theme may be called "{1}" or "{2}": that is its name, not a place to fill.
  EXPECT_EQ(Fill(kName, Language::Japanese, {L"{1}{2}"}), L"「{1}{2}」");
  EXPECT_EQ(Fill(kName, Language::English, {L"{2}"}), L"\"{2}\" {2} {x} {0} {");
}

// A theme's name in the Edit menu shows as it is: its "&" no access key, its tab not the
// shortcut column; a very long one is cut short.
TEST(UndoItemCaption, ShowsTheStepsNameAsItIsAndCutsALongOneShort) {
  const std::wstring odd = L"削除「R&B\tx」";
  EXPECT_EQ(UndoItemCaption(&odd, Language::Japanese), L"元に戻す: 削除「R&&B x」(&U)\tCtrl+Z");
  const std::wstring odd2 = L"Delete \"R&B\"";
  EXPECT_EQ(RedoItemCaption(&odd2, Language::English), L"&Redo Delete \"R&&B\"\tCtrl+Y");
  const std::wstring longName = L"削除「" + std::wstring(200, L'夜') + L"」";
  const std::wstring caption = UndoItemCaption(&longName, Language::Japanese);
  EXPECT_EQ(caption, L"元に戻す: 削除「" + std::wstring(56, L'夜') + L"…(&U)\tCtrl+Z");
}

}  // namespace
