#pragma once
// The program's two interface languages. Every text it shows is written once, in both
// languages side by side, and the language is chosen once, at start-up, from the
// user's display language. Files never change with it: their keys, names and code
// page stay the system's, as the host's are.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

enum class Language {
  Japanese,  // the program's first language: every text exactly as it always was
  English,
};

// Japanese when the display language (a Windows language id) is Japanese, in any of
// its regional forms; English for every other language.
constexpr Language LanguageForDisplay(std::uint16_t languageId) {
  constexpr std::uint16_t kPrimaryLanguageMask = 0x3FF;
  constexpr std::uint16_t kPrimaryJapanese = 0x11;
  return (languageId & kPrimaryLanguageMask) == kPrimaryJapanese ? Language::Japanese : Language::English;
}

// One text in both languages. A phrase with a text missing in either language does
// not compile, so a text can never reach the screen in one language only.
struct Phrase {
  consteval Phrase(const wchar_t* japaneseText, const wchar_t* englishText)
      : japanese(japaneseText), english(englishText) {
    // Reading a missing text's first character is no constant either: it fails too.
    if (japanese[0] == L'\0' || english[0] == L'\0') throw "a phrase needs its text in both languages";
  }
  constexpr const wchar_t* In(Language language) const {
    return language == Language::English ? english : japanese;
  }

  const wchar_t* japanese;
  const wchar_t* english;
};

// The phrase in `language` with each "{1}" … "{9}" replaced by that argument. The
// arguments are put in as they are: braces in a theme's name stay text.
std::wstring Fill(const Phrase& phrase, Language language,
                  std::initializer_list<std::wstring_view> arguments);
