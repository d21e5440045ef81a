#include "ui/layout.h"

#include <algorithm>
#include <array>
#include <vector>

#include "settings/color_slots.h"

namespace {

// The colour editor: three groups of six slots side by side, one row per slot.
constexpr int kSlotsPerGroup = 6;
constexpr int kRowPitch = 300;
constexpr int kFieldTop = 60;
constexpr int kLabelTop = 120;
constexpr int kFieldWidth = 915;
constexpr int kFieldHeight = 270;
constexpr int kButtonSize = 255;
constexpr int kLabelHeight = 255;

struct GroupColumns {
  int labelLeft;
  int fieldLeft;
  int buttonLeft;
};
constexpr std::array<GroupColumns, 3> kGroupColumns = {{
    {300, 1920, 2880},
    {3540, 5340, 6300},
    {6960, 9060, 10020},
}};

// Each caption is as long as its text needs, so the widths differ per slot.
constexpr std::array<int, kColorSlotCount> kLabelWidths = {
    615, 615, 1155, 1155, 1215, 1575, 1095, 1095, 1575,
    1575, 1695, 1695, 1695, 2055, 1995, 1695, 1935, 1995,
};
// English captions run longer than the Japanese ones: each label reaches as far as its
// field, leaving the narrowest gap the Japanese layout leaves.
constexpr int kLabelGap = 45;
int LabelWidth(int japaneseWidth, int labelLeft, int fieldLeft, Language language) {
  return language == Language::Japanese ? japaneseWidth : fieldLeft - kLabelGap - labelLeft;
}

constexpr TwipsRect kTitleFieldRect{1920, 1920, 3375, 270};
constexpr TwipsRect kTitleLabelRect{300, 1980, 1455, 195};
constexpr Phrase kTitleLabelCaption{L"タイトル変更", L"Change title"};

// Slots 0-14 put the field before its button; slots 15-17 come after Picture1 and put
// the button first.
constexpr int kFirstButtonFirstSlot = 15;
constexpr int kPicture1TabIndex = 31;
constexpr int kFirstLabel1TabIndex = 38;

int FieldTabIndex(int slot) {
  return slot < kFirstButtonFirstSlot ? 1 + 2 * slot : 33 + 2 * (slot - kFirstButtonFirstSlot);
}
int ButtonTabIndex(int slot) {
  return slot < kFirstButtonFirstSlot ? 2 + 2 * slot : 32 + 2 * (slot - kFirstButtonFirstSlot);
}

std::vector<ControlSpec> BuildForm1Controls(Language language) {
  TwipsRect titleLabel = kTitleLabelRect;
  titleLabel.width = LabelWidth(titleLabel.width, titleLabel.left, kTitleFieldRect.left, language);
  std::vector<ControlSpec> controls = {
      {ControlKind::ListBox, ControlName::List1, -1, L"", {120, 2280, 2715, 3660}, 0,
       ControlFont::Default},
      {ControlKind::Picture, ControlName::Picture1, -1, L"", {2940, 2280, 7395, 3675},
       kPicture1TabIndex, ControlFont::Default},
      {ControlKind::TextBox, ControlName::txtTransformTitle, -1, L"", kTitleFieldRect, 56,
       ControlFont::Default},
      {ControlKind::Label, ControlName::Label2, -1, kTitleLabelCaption.In(language), titleLabel, 57,
       ControlFont::Default},
  };
  for (const ColorSlotInfo& info : kColorSlots) {
    const int slot = info.slot;
    const GroupColumns& columns = kGroupColumns[slot / kSlotsPerGroup];
    const int row = slot % kSlotsPerGroup;
    const int fieldTop = kFieldTop + kRowPitch * row;
    controls.push_back({ControlKind::TextBox, ControlName::txtColors, slot, L"Text1",
                        {columns.fieldLeft, fieldTop, kFieldWidth, kFieldHeight},
                        FieldTabIndex(slot), ControlFont::Gothic});
    controls.push_back({ControlKind::Button, ControlName::cmdBrows, slot, L"...",
                        {columns.buttonLeft, fieldTop, kButtonSize, kButtonSize},
                        ButtonTabIndex(slot), ControlFont::Default});
    const int labelWidth =
        LabelWidth(kLabelWidths[static_cast<std::size_t>(slot)], columns.labelLeft, columns.fieldLeft, language);
    controls.push_back({ControlKind::Label, ControlName::Label1, slot,
                        language == Language::Japanese ? info.caption : info.englishCaption,
                        {columns.labelLeft, kLabelTop + kRowPitch * row, labelWidth, kLabelHeight},
                        kFirstLabel1TabIndex + slot, ControlFont::Default});
  }
  std::sort(controls.begin(), controls.end(),
            [](const ControlSpec& a, const ControlSpec& b) { return a.tabIndex < b.tabIndex; });
  return controls;
}

constexpr Phrase kCancelCaption{L"ｷｬﾝｾﾙ", L"Cancel"};

constexpr std::array<ControlSpec, 3> InputBoxControlsIn(Language language) {
  return {{
      {ControlKind::TextBox, ControlName::txtInput, -1, L"Text1", {180, 240, 1635, 270}, 0,
       ControlFont::Gothic},
      {ControlKind::Button, ControlName::CancelButton, -1, kCancelCaption.In(language), {180, 720, 1215, 315}, 1,
       ControlFont::Default},
      {ControlKind::Button, ControlName::OKButton, -1, L"OK", {1620, 720, 1215, 315}, 2,
       ControlFont::Default},
  }};
}
constexpr auto kJapaneseInputBoxControls = InputBoxControlsIn(Language::Japanese);
constexpr auto kEnglishInputBoxControls = InputBoxControlsIn(Language::English);

// Both languages' captions of each item side by side. The Japanese access keys are the
// program's own (N twice in the Theme menu); the English ones differ within each menu.
struct MenuRow {
  int level;
  const wchar_t* name;
  Phrase caption;
  MenuCommand command;
};
constexpr Phrase kSeparator{kMenuSeparator, kMenuSeparator};
constexpr std::array<MenuRow, 19> kMenuRows = {{
    {0, L"mnFile", {L"ファイル(&F)", L"&File"}, MenuCommand::None},
    {1, L"mnOpen", {L"読み込む(&0)...", L"&Open..."}, MenuCommand::mnOpen},
    {1, L"mnSave", {L"名前をつけて保存(&S)...", L"Save &As..."}, MenuCommand::mnSave},
    {1, L"mnSeparator", kSeparator, MenuCommand::None},
    {1, L"mnQuit", {L"反映して閉じる(&Q)", L"Apply and &Close"}, MenuCommand::mnQuit},
    {0, L"mnColor", {L"テーマ(&C)", L"&Theme"}, MenuCommand::None},
    {1, L"mnNewTheme", {L"新規作成(&N)...", L"&New Theme..."}, MenuCommand::mnNewTheme},
    {1, L"mnDup", {L"複製(&C)", L"D&uplicate"}, MenuCommand::mnDup},
    {1, L"mnRename", {L"名前を変更(&N)...", L"&Rename..."}, MenuCommand::mnRename},
    {1, L"mnSeparator2", kSeparator, MenuCommand::None},
    {1, L"mnDelete", {L"削除(&D)", L"&Delete"}, MenuCommand::mnDelete},
    {1, L"mnSeparator3", kSeparator, MenuCommand::None},
    {1, L"mnInit", {L"標準配色にする(&I)", L"Reset to &Standard Colors"}, MenuCommand::mnInit},
    // Sharing single themes: after everything else, so every item above keeps its place.
    {1, L"mnSeparator4", kSeparator, MenuCommand::None},
    {1, L"mnExportTheme", {L"選択中のテーマを書き出す(&E)...", L"&Export Selected Theme..."}, MenuCommand::mnExportTheme},
    {1, L"mnAddThemes", {L"テーマを追加で読み込む(&A)...", L"&Add Themes from File..."}, MenuCommand::mnAddThemes},
    // After the two menus, so that they keep every item, place and key. The items' own
    // captions name the step they would take back or do again (UndoItemCaption).
    {0, L"mnEdit", {L"編集(&E)", L"&Edit"}, MenuCommand::None},
    {1, L"mnUndo", {L"元に戻す(&U)\tCtrl+Z", L"&Undo\tCtrl+Z"}, MenuCommand::mnUndo},
    {1, L"mnRedo", {L"やり直し(&R)\tCtrl+Y", L"&Redo\tCtrl+Y"}, MenuCommand::mnRedo},
}};

constexpr std::array<MenuSpec, kMenuRows.size()> MenusIn(Language language) {
  std::array<MenuSpec, kMenuRows.size()> menus{};
  for (std::size_t i = 0; i < kMenuRows.size(); ++i) {
    const MenuRow& row = kMenuRows[i];
    menus[i] = {row.level, row.name, row.caption.In(language), row.command};
  }
  return menus;
}
constexpr auto kJapaneseMenus = MenusIn(Language::Japanese);
constexpr auto kEnglishMenus = MenusIn(Language::English);

}  // namespace

std::span<const ControlSpec> Form1Controls(Language language) {
  static const std::vector<ControlSpec> japanese = BuildForm1Controls(Language::Japanese);
  static const std::vector<ControlSpec> english = BuildForm1Controls(Language::English);
  return language == Language::Japanese ? japanese : english;
}

std::span<const ControlSpec> InputBoxControls(Language language) {
  if (language == Language::Japanese) return kJapaneseInputBoxControls;
  return kEnglishInputBoxControls;
}

const wchar_t* InputBoxInitialCaption(Language language) {
  return Phrase(L"値の入力", L"Enter a Value").In(language);
}

const ControlSpec* FindControl(std::span<const ControlSpec> controls, ControlName name,
                               int index) {
  for (const ControlSpec& spec : controls) {
    if (spec.name == name && spec.index == index) return &spec;
  }
  return nullptr;
}

std::span<const MenuSpec> Form1Menus(Language language) {
  if (language == Language::Japanese) return kJapaneseMenus;
  return kEnglishMenus;
}

TwipsSize PreviewSize() {
  const TwipsRect& rect = FindControl(Form1Controls(), ControlName::Picture1)->rect;
  return {rect.width, rect.height};
}
