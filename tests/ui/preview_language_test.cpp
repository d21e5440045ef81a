// The preview in English: the same picture, the sample phrase sung in Latin letters.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/color_slots.h"
#include "tests/ui/japanese_check.h"
#include "tests/ui/recording_surface.h"
#include "ui/preview.h"

namespace {

TEST(PreviewLanguages, EnglishDrawsTheSamePictureWithOnlyTheSyllablesWrittenOtherwise) {
  ColorArray colors{};
  for (int s = 0; s < kColorSlotCount; ++s) colors[s] = 0x010203 * (s + 1);
  RecordingSurface japanese;
  RedrawPreview(japanese, colors, Language::Japanese);
  RecordingSurface english;
  RedrawPreview(english, colors, Language::English);

  ASSERT_EQ(english.Calls().size(), japanese.Calls().size());
  std::set<std::wstring> changed;
  for (size_t i = 0; i < english.Calls().size(); ++i) {
    DrawingCall ja = japanese.Calls()[i];
    const DrawingCall& en = english.Calls()[i];
    EXPECT_FALSE(HoldsJapanese(en.text)) << i;
    if (en.text != ja.text) {
      changed.insert(en.text);
      ja.text = en.text;
    }
    EXPECT_EQ(en, ja) << "operation " << i << " differs beyond its text";
  }
  // Six syllables, each its own; rests, octave and bar labels stay as they are.
  EXPECT_EQ(changed, (std::set<std::wstring>{L"do", L"re", L"mi", L"fa", L"so", L"la"}));
}

}  // namespace
