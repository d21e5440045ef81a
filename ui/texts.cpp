#include "ui/texts.h"

std::wstring Fill(const Phrase& phrase, Language language,
                  std::initializer_list<std::wstring_view> arguments) {
  const std::wstring_view pattern = phrase.In(language);
  std::wstring text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    // Only the pattern is scanned, never what was put in.
    const bool placeholder = pattern[i] == L'{' && i + 2 < pattern.size() && pattern[i + 2] == L'}' &&
                             pattern[i + 1] >= L'1' && pattern[i + 1] <= L'9';
    const std::size_t argument = placeholder ? static_cast<std::size_t>(pattern[i + 1] - L'1') : 0;
    if (placeholder && argument < arguments.size()) {
      text += arguments.begin()[argument];
      i += 2;
    } else {
      text += pattern[i];
    }
  }
  return text;
}
