// Both windows in both languages: the same controls in the same order, captions in the
// language, room for them, menus reachable by keys, and a name for every control a
// screen reader lands on.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/utf8.h"
#include "tests/ui/japanese_check.h"
#include "ui/accessibility.h"
#include "ui/layout.h"

namespace {

constexpr Language kLanguages[] = {Language::Japanese, Language::English};

std::string Describe(const ControlSpec& spec) {
  return std::to_string(static_cast<int>(spec.name)) + "/" + std::to_string(spec.index);
}

std::vector<std::span<const ControlSpec>> Windows(Language language) {
  return {Form1Controls(language), InputBoxControls(language)};
}

TEST(LayoutInBothLanguages, SameControlsOrderAndPlacesOnlyLabelsWiderUpToTheirField) {
  for (const auto& [japanese, english] : {std::pair{Form1Controls(Language::Japanese), Form1Controls(Language::English)},
                                          std::pair{InputBoxControls(Language::Japanese),
                                                    InputBoxControls(Language::English)}}) {
    ASSERT_EQ(japanese.size(), english.size());
    for (size_t i = 0; i < japanese.size(); ++i) {
      const ControlSpec& ja = japanese[i];
      const ControlSpec& en = english[i];
      SCOPED_TRACE(Describe(ja));
      EXPECT_EQ(en.name, ja.name);
      EXPECT_EQ(en.index, ja.index);
      EXPECT_EQ(en.tabIndex, ja.tabIndex);
      EXPECT_EQ(en.kind, ja.kind);
      EXPECT_EQ(en.rect.left, ja.rect.left);
      EXPECT_EQ(en.rect.top, ja.rect.top);
      EXPECT_EQ(en.rect.height, ja.rect.height);
      if (en.kind != ControlKind::Label) {
        EXPECT_EQ(en.rect.width, ja.rect.width);
        // "...", "Text1" and "OK" are no words of either language.
        if (!HoldsJapanese(ja.caption)) {
          EXPECT_STREQ(en.caption, ja.caption);
        }
        continue;
      }
      EXPECT_GE(en.rect.width, ja.rect.width);
      const ControlSpec* field = FieldNamedBy(english, en);
      ASSERT_NE(field, nullptr);
      EXPECT_LT(en.rect.left + en.rect.width, field->rect.left);
    }
  }
}

TEST(LayoutInBothLanguages, EveryCaptionIsInItsLanguageAndNoControlLeavesTheWindowOrOverlaps) {
  for (const Language language : kLanguages) {
    SCOPED_TRACE(static_cast<int>(language));
    const std::pair<std::span<const ControlSpec>, TwipsSize> windows[] = {
        {Form1Controls(language), kForm1ClientSize}, {InputBoxControls(language), kInputBoxClientSize}};
    for (const auto& [controls, client] : windows) {
      for (size_t i = 0; i < controls.size(); ++i) {
        const ControlSpec& spec = controls[i];
        SCOPED_TRACE(Describe(spec));
        if (language == Language::English) {
          EXPECT_FALSE(HoldsJapanese(spec.caption));
        }
        EXPECT_LE(spec.rect.left + spec.rect.width, client.width);
        EXPECT_LE(spec.rect.top + spec.rect.height, client.height);
        for (size_t j = i + 1; j < controls.size(); ++j) {
          const TwipsRect& a = spec.rect;
          const TwipsRect& b = controls[j].rect;
          EXPECT_TRUE(a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
                      b.top + b.height <= a.top)
              << "overlaps " << Describe(controls[j]);
        }
      }
    }
  }
  // The Japanese labels keep the widths they were drawn with.
  EXPECT_EQ(FindControl(Form1Controls(Language::Japanese), ControlName::Label1, 0)->rect.width, 615);
  EXPECT_STREQ(InputBoxInitialCaption(Language::Japanese), L"値の入力");
  EXPECT_FALSE(HoldsJapanese(InputBoxInitialCaption(Language::English)));
}

wchar_t AccessKey(const wchar_t* caption) {
  const std::wstring text = caption;
  const size_t amp = text.find(L'&');
  return amp == std::wstring::npos || amp + 1 >= text.size() ? L'\0' : towupper(text[amp + 1]);
}

TEST(MenusInBothLanguages, SameItemsAndEveryEnglishAccessKeyLeadsToOneItemOfItsMenu) {
  const auto japanese = Form1Menus(Language::Japanese);
  const auto english = Form1Menus(Language::English);
  ASSERT_EQ(english.size(), japanese.size());
  std::map<int, std::set<wchar_t>> keysByMenu;  // -1: the menu bar
  int menu = -1;
  for (size_t i = 0; i < english.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(english[i].level, japanese[i].level);
    EXPECT_EQ(english[i].command, japanese[i].command);
    EXPECT_STREQ(english[i].name, japanese[i].name);
    EXPECT_FALSE(HoldsJapanese(english[i].caption));
    const bool separator = std::wstring(english[i].caption) == kMenuSeparator;
    EXPECT_EQ(separator, std::wstring(japanese[i].caption) == kMenuSeparator);
    if (separator) continue;
    const wchar_t key = AccessKey(english[i].caption);
    ASSERT_NE(key, L'\0') << "no access key";
    if (english[i].level == 0) ++menu;
    EXPECT_TRUE(keysByMenu[english[i].level == 0 ? -1 : menu].insert(key).second) << "access key used twice";
  }
}

TEST(CreationOrder, EachLabelComesRightBeforeItsFieldAndTheFocusOrderStaysTheTables) {
  for (const Language language : kLanguages) {
    for (const std::span<const ControlSpec> controls : Windows(language)) {
      const std::vector<size_t> order = CreationOrder(controls);
      ASSERT_EQ(order.size(), controls.size());
      EXPECT_EQ(std::set<size_t>(order.begin(), order.end()).size(), controls.size()) << "a control made twice";
      std::vector<size_t> focusable;
      for (size_t k = 0; k < order.size(); ++k) {
        const ControlSpec& spec = controls[order[k]];
        SCOPED_TRACE(Describe(spec));
        if (TakesFocus(spec.kind)) focusable.push_back(order[k]);
        if (const ControlSpec* field = FieldNamedBy(controls, spec)) {
          ASSERT_LT(k + 1, order.size());
          EXPECT_EQ(&controls[order[k + 1]], field);
        }
      }
      EXPECT_TRUE(std::is_sorted(focusable.begin(), focusable.end()));
    }
  }
  // Every label of the main window names a field; the colour fields' labels their own.
  const auto controls = Form1Controls();
  for (const ControlSpec& spec : controls) {
    if (spec.kind != ControlKind::Label) continue;
    const ControlSpec* field = FieldNamedBy(controls, spec);
    ASSERT_NE(field, nullptr) << Describe(spec);
    EXPECT_EQ(field->kind, ControlKind::TextBox);
    EXPECT_EQ(field->index, spec.index);
  }
}

TEST(SpokenNames, EveryFocusableControlHasItsOwnNameInTheWindowsLanguage) {
  for (const Language language : kLanguages) {
    for (const std::span<const ControlSpec> controls : Windows(language)) {
      std::set<std::wstring> names;
      for (const ControlSpec& spec : controls) {
        if (!TakesFocus(spec.kind)) continue;
        SCOPED_TRACE(Describe(spec));
        const std::wstring name = SpokenName(controls, spec, language);
        EXPECT_FALSE(name.empty());
        EXPECT_NE(name, L"...");
        EXPECT_NE(name, L"Text1");
        EXPECT_TRUE(names.insert(name).second) << "two controls share a name";
        if (language == Language::English) {
          EXPECT_FALSE(HoldsJapanese(name));
        }
      }
    }
  }
}

// A label may shorten a word to fit ("sel. top"); a screen reader says it whole.
TEST(SpokenNames, NoNameIsShortened) {
  for (const Language language : kLanguages) {
    for (const std::span<const ControlSpec> controls : Windows(language)) {
      for (const ControlSpec& spec : controls) {
        if (!TakesFocus(spec.kind)) continue;
        SCOPED_TRACE(Describe(spec));
        std::wistringstream words(SpokenName(controls, spec, language));
        for (std::wstring word; words >> word;) EXPECT_FALSE(word.size() > 1 && word.ends_with(L".")) << "shortened: " << platform::ToUtf8(word);
      }
    }
  }
}

TEST(SpokenNames, EachColourButtonNamesTheColourOfTheFieldBesideIt) {
  for (const Language language : kLanguages) {
    const auto controls = Form1Controls(language);
    for (int slot = 0; slot < 18; ++slot) {
      SCOPED_TRACE(slot);
      const std::wstring button = SpokenName(controls, *FindControl(controls, ControlName::cmdBrows, slot), language);
      const std::wstring field = SpokenName(controls, *FindControl(controls, ControlName::txtColors, slot), language);
      // The label's words, a shortened one written out ("sel." as "selection").
      std::wistringstream label(FindControl(controls, ControlName::Label1, slot)->caption);
      for (std::wstring word; label >> word;) {
        if (word.ends_with(L".")) word.pop_back();
        EXPECT_NE(field.find(word), std::wstring::npos) << "the field is not named as its label";
      }
      EXPECT_NE(button.find(field), std::wstring::npos) << "the button does not say which colour";
    }
    const auto picture = AnnotationFor(*FindControl(controls, ControlName::Picture1), language);
    ASSERT_TRUE(picture.has_value());
    EXPECT_FALSE(picture->description.empty()) << "the preview is described, not only named";
  }
}

}  // namespace
