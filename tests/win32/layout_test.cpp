// The layout tables themselves: what every window built from them inherits.
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/color_slots.h"

namespace {

struct Named {
  ControlName name;
  int index;
  bool operator==(const Named&) const = default;
};

std::string Describe(const Named& control) {
  return std::to_string(static_cast<int>(control.name)) + "/" + std::to_string(control.index);
}

TEST(Form1Layout, TabIndicesRunFrom0To57WithoutGapsInTableOrder) {
  const auto controls = Form1Controls();
  ASSERT_EQ(controls.size(), 58u);
  for (size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i].tabIndex, static_cast<int>(i));
}

TEST(Form1Layout, FocusMovesFieldBeforeButtonThenPictureThenButtonBeforeField) {
  std::vector<Named> expected = {{ControlName::List1, -1}};
  for (int slot = 0; slot <= 14; ++slot) {
    expected.push_back({ControlName::txtColors, slot});
    expected.push_back({ControlName::cmdBrows, slot});
  }
  expected.push_back({ControlName::Picture1, -1});
  for (int slot = 15; slot <= 17; ++slot) {
    expected.push_back({ControlName::cmdBrows, slot});
    expected.push_back({ControlName::txtColors, slot});
  }
  expected.push_back({ControlName::txtTransformTitle, -1});

  std::vector<Named> focusOrder;
  for (const ControlSpec& spec : Form1Controls()) {
    if (TakesFocus(spec.kind)) focusOrder.push_back({spec.name, spec.index});
  }
  ASSERT_EQ(focusOrder.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("position " + std::to_string(i));
    EXPECT_EQ(focusOrder[i], expected[i]) << Describe(focusOrder[i]);
  }
}

TEST(Form1Layout, SlotLabelsShowTheSlotTableCaptionsThemselves) {
  for (const ColorSlotInfo& info : kColorSlots) {
    SCOPED_TRACE(static_cast<int>(info.slot));
    const ControlSpec* label = FindControl(Form1Controls(), ControlName::Label1, info.slot);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->caption, info.caption);  // the same text, not a copy of it
    EXPECT_EQ(label->kind, ControlKind::Label);
    EXPECT_EQ(label->tabIndex, 38 + info.slot);
  }
}

TEST(Form1Layout, ColourEditorRowsFollowGroupAndRow) {
  struct Expected {
    int slot;
    TwipsRect label, field, button;
  };
  const Expected rows[] = {
      {0, {300, 120, 615, 255}, {1920, 60, 915, 270}, {2880, 60, 255, 255}},
      {5, {300, 1620, 1575, 255}, {1920, 1560, 915, 270}, {2880, 1560, 255, 255}},
      {6, {3540, 120, 1095, 255}, {5340, 60, 915, 270}, {6300, 60, 255, 255}},
      {13, {6960, 420, 2055, 255}, {9060, 360, 915, 270}, {10020, 360, 255, 255}},
      {17, {6960, 1620, 1995, 255}, {9060, 1560, 915, 270}, {10020, 1560, 255, 255}},
  };
  auto same = [](const TwipsRect& a, const TwipsRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
  };
  for (const Expected& row : rows) {
    SCOPED_TRACE(row.slot);
    EXPECT_TRUE(same(FindControl(Form1Controls(), ControlName::Label1, row.slot)->rect, row.label));
    EXPECT_TRUE(same(FindControl(Form1Controls(), ControlName::txtColors, row.slot)->rect, row.field));
    EXPECT_TRUE(same(FindControl(Form1Controls(), ControlName::cmdBrows, row.slot)->rect, row.button));
  }
}

TEST(Form1Layout, OnlyTheColourFieldsUseTheGothicFont) {
  for (const ControlSpec& spec : Form1Controls()) {
    SCOPED_TRACE(Describe({spec.name, spec.index}));
    EXPECT_EQ(spec.font == ControlFont::Gothic, spec.name == ControlName::txtColors);
    if (spec.name == ControlName::txtColors) {
      EXPECT_STREQ(spec.caption, L"Text1");
    }
  }
}

TEST(Form1Layout, EveryControlLiesInsideTheClientAreaWithoutOverlapping) {
  const auto controls = Form1Controls();
  for (size_t i = 0; i < controls.size(); ++i) {
    const TwipsRect& a = controls[i].rect;
    SCOPED_TRACE(Describe({controls[i].name, controls[i].index}));
    EXPECT_GE(a.left, 0);
    EXPECT_GE(a.top, 0);
    EXPECT_LE(a.left + a.width, kForm1ClientSize.width);
    EXPECT_LE(a.top + a.height, kForm1ClientSize.height);
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const TwipsRect& b = controls[j].rect;
      const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                         a.top + a.height <= b.top || b.top + b.height <= a.top;
      EXPECT_TRUE(apart) << "overlaps " << Describe({controls[j].name, controls[j].index});
    }
  }
}

TEST(InputBoxLayout, FieldFirstThenCancelOnTheLeftAndOKOnTheRight) {
  const auto controls = InputBoxControls();
  ASSERT_EQ(controls.size(), 3u);
  EXPECT_EQ(controls[0].name, ControlName::txtInput);
  EXPECT_EQ(controls[0].font, ControlFont::Gothic);
  EXPECT_EQ(controls[1].name, ControlName::CancelButton);
  EXPECT_EQ(std::wstring(controls[1].caption), L"ｷｬﾝｾﾙ");
  EXPECT_EQ(controls[2].name, ControlName::OKButton);
  EXPECT_LT(controls[1].rect.left + controls[1].rect.width, controls[2].rect.left);
  for (const ControlSpec& spec : controls) {
    EXPECT_LE(spec.rect.left + spec.rect.width, kInputBoxClientSize.width);
    EXPECT_LE(spec.rect.top + spec.rect.height, kInputBoxClientSize.height);
  }
}

wchar_t AccessKey(const wchar_t* caption) {
  const std::wstring text = caption;
  const size_t amp = text.find(L'&');
  return amp == std::wstring::npos || amp + 1 >= text.size() ? L'\0' : text[amp + 1];
}

TEST(Form1Menus, AccessKeysAndSeparatorsAsTheMenusShowThem) {
  struct Expected {
    int level;
    wchar_t key;  // L'\0' for a separator
    MenuCommand command;
  };
  const Expected expected[] = {
      {0, L'F', MenuCommand::None},       {1, L'0', MenuCommand::mnOpen},
      {1, L'S', MenuCommand::mnSave},     {1, L'\0', MenuCommand::None},
      {1, L'Q', MenuCommand::mnQuit},     {0, L'C', MenuCommand::None},
      {1, L'N', MenuCommand::mnNewTheme}, {1, L'C', MenuCommand::mnDup},
      {1, L'N', MenuCommand::mnRename},   {1, L'\0', MenuCommand::None},
      {1, L'D', MenuCommand::mnDelete},   {1, L'\0', MenuCommand::None},
      {1, L'I', MenuCommand::mnInit},     {1, L'\0', MenuCommand::None},
      {1, L'E', MenuCommand::mnExportTheme}, {1, L'A', MenuCommand::mnAddThemes},
      {0, L'E', MenuCommand::None},       {1, L'U', MenuCommand::mnUndo},
      {1, L'R', MenuCommand::mnRedo},
  };
  const auto menus = Form1Menus();
  ASSERT_EQ(menus.size(), std::size(expected));
  std::set<MenuCommand> commands;
  for (size_t i = 0; i < menus.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(menus[i].level, expected[i].level);
    EXPECT_EQ(AccessKey(menus[i].caption), expected[i].key);
    EXPECT_EQ(menus[i].command, expected[i].command);
    if (expected[i].key == L'\0') {
      EXPECT_STREQ(menus[i].caption, kMenuSeparator);
    }
    // A keyboard shortcut is shown after a tab by the Edit menu's items alone.
    const bool edit = menus[i].command == MenuCommand::mnUndo || menus[i].command == MenuCommand::mnRedo;
    EXPECT_EQ(std::wstring(menus[i].caption).find(L'\t') != std::wstring::npos, edit);
    if (menus[i].command != MenuCommand::None) {
      EXPECT_TRUE(commands.insert(menus[i].command).second);
    }
  }
}

}  // namespace
