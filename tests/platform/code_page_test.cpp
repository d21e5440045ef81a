#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"
#include "platform/utf8.h"

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

// Bytes that are no Shift-JIS text (a file saved as UTF-8, a cut-off character, a byte
// no table maps) come back unchanged from a read and a rewrite, whatever surrounds them.
TEST(CodePage, BytesThatAreNoCharacterComeBackUnchanged) {
  const std::string cases[] = {
      "abc\x82",                                  // a lead byte at the very end
      "a\x82\x20z",                               // a lead byte before a byte that cannot follow it
      "TransformTitle=\xE6\xAD\x8C\xE5\xA3\xB0",  // UTF-8 text read as Shift-JIS
      "\xEF\xBB\xBFOtoList0=a",                   // a UTF-8 byte-order mark
      "\x80\xA0\xFD\xFE\xFF",                     // bytes no character starts with
      "\x89\xCC\x82\x20\x90\xBA",                 // good characters around a bad one
  };
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    const std::wstring text = platform::FromCodePage(bytes);
    EXPECT_EQ(platform::ToCodePage(text), bytes);
  }
  // Good characters stay good characters around a bad byte.
  const std::wstring mixed = platform::FromCodePage("\x89\xCC\x82\x20\x90\xBA");
  EXPECT_EQ(mixed.front(), L'歌');
  EXPECT_EQ(mixed.back(), L'声');
}

// A stray first byte of a two-byte character, read from a file, would join whatever the
// program writes after it (a section's "]", a letter typed onto a name) into one
// character and swallow it on the next read: it is written as "?" there instead.
TEST(CodePage, AStrayFirstByteNeverSwallowsWhatFollowsIt) {
  const std::wstring name = platform::FromCodePage("Night\x8F");
  for (const std::wstring& written : {L"[" + name + L"]", name + L"b", name + L"歌"}) {
    SCOPED_TRACE(platform::ToUtf8(written));
    const std::string bytes = platform::ToCodePage(written);
    EXPECT_EQ(platform::FromCodePage(bytes).size(), written.size());
    EXPECT_EQ(platform::ToCodePage(platform::FromCodePage(bytes)), bytes);
  }
  EXPECT_EQ(platform::ToCodePage(L"[" + name + L"]"), "[Night?]");
  // Where nothing can join it, the byte itself is written.
  EXPECT_EQ(platform::ToCodePage(name + L"\r"), "Night\x8F\r");
}

// A reader decodes line after line into one buffer: each line must come out exactly
// as it would into an empty one, whatever the buffer held before.
TEST(CodePage, DecodingIntoAReusedBufferLeavesNothingOfTheLineBefore) {
  struct Case {
    std::string bytes;
    std::wstring text;
  } decodable[] = {
      {"(\x8C\xBB\x8D\xDD\x82\xCC\x90\xDD\x92\xE8)", L"(現在の設定)"},
      {"a", L"a"},
      {"", L""},
      {"\xB7\xAC\xDD\xBE\xD9", L"ｷｬﾝｾﾙ"},
      {"TransformTitle=\x91\xe8", L"TransformTitle=題"},
  };
  std::wstring buffer = L"a previous line much longer than any of these";
  for (const Case& c : decodable) {
    SCOPED_TRACE(c.bytes);
    platform::FromCodePage(c.bytes, buffer);
    EXPECT_EQ(buffer, c.text);
  }

  const std::string undecodable[] = {
      "abc\x82",          // a lead byte at the end
      "a\x82\x20z",        // a lead byte before a byte that cannot follow it
      "\x80\xA0\xFD\xFE\xFF",  // bytes that start nothing in code page 932
  };
  for (const std::string& bytes : undecodable) {
    SCOPED_TRACE(bytes);
    buffer = L"a previous line much longer than any of these";
    platform::FromCodePage(bytes, buffer);
    std::wstring fresh;
    platform::FromCodePage(bytes, fresh);
    EXPECT_EQ(buffer, fresh);
    EXPECT_LE(buffer.size(), bytes.size());
    EXPECT_FALSE(buffer.empty());
  }
}

TEST(Utf8, RoundTripsOutsideTheBasicPlane) {
  std::wstring text = platform::FromUtf8("x\xF0\x9F\x8E\xB9y");
  EXPECT_EQ(platform::ToUtf8(text), "x\xF0\x9F\x8E\xB9y");
}

}  // namespace
