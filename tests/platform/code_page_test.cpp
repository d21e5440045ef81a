#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// The users' systems are Japanese; the Windows tests must really run under that code page.
TEST(CodePage, WindowsTestsRunUnderCodePage932) { EXPECT_EQ(GetACP(), 932u); }
#endif

TEST(CodePage, JapaneseTextRoundTripsThroughShiftJis) {
  struct Case {
    std::wstring text;
    std::string bytes;
  } cases[] = {
      {L"(現在の設定)", "(\x8C\xBB\x8D\xDD\x82\xCC\x90\xDD\x92\xE8)"},
      {L"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},
      {L"C:\\歌声\\x.wav", "C:\\\x89\xCC\x90\xBA\\x.wav"},
      {L"ASCII only = 1", "ASCII only = 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.text));
    EXPECT_EQ(platform::ToCodePage(c.text), c.bytes);
    EXPECT_EQ(platform::FromCodePage(c.bytes), c.text);
  }
}

TEST(CodePage, CharactersTheCodePageCannotHoldBecomeQuestionMarks) {
  // Hangul and an accented Latin letter have no Shift-JIS form.
  EXPECT_EQ(platform::ToCodePage(L"a\uD55Cb\u00E9c"), "a?b?c");
}

TEST(CodePage, UndecodableBytesDoNotStopTheConversion) {
  // A lead byte at the very end and a lead byte followed by an invalid trail byte.
  std::wstring tail = platform::FromCodePage("abc\x82");
  EXPECT_EQ(tail.substr(0, 3), L"abc");
  std::wstring middle = platform::FromCodePage("a\x82\x20z");
  ASSERT_FALSE(middle.empty());
  EXPECT_EQ(middle.front(), L'a');
  EXPECT_EQ(middle.back(), L'z');
}

TEST(Utf8, RoundTripsOutsideTheBasicPlane) {
  std::wstring text = platform::FromUtf8("x\xF0\x9F\x8E\xB9y");
  EXPECT_EQ(platform::ToUtf8(text), "x\xF0\x9F\x8E\xB9y");
}

}  // namespace
