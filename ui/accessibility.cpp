#include "ui/accessibility.h"

#include <array>

#include "settings/color_slots.h"

namespace {

// Which label names which field; a label and its field share the array index.
struct LabelAndField {
  ControlName label;
  ControlName field;
};
constexpr std::array<LabelAndField, 2> kLabelledFields = {{
    {ControlName::Label1, ControlName::txtColors},
    {ControlName::Label2, ControlName::txtTransformTitle},
}};

}  // namespace

const wchar_t* SlotCaption(int slot, Language language) {
  const ColorSlotInfo& info = kColorSlots[static_cast<std::size_t>(slot)];
  if (language == Language::Japanese) return info.caption;
  return info.englishSpokenCaption ? info.englishSpokenCaption : info.englishCaption;
}

const ControlSpec* FieldNamedBy(std::span<const ControlSpec> controls, const ControlSpec& label) {
  for (const LabelAndField& pair : kLabelledFields) {
    if (pair.label == label.name) return FindControl(controls, pair.field, label.index);
  }
  return nullptr;
}

std::vector<std::size_t> CreationOrder(std::span<const ControlSpec> controls) {
  std::vector<std::size_t> order;
  order.reserve(controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (FieldNamedBy(controls, controls[i]) != nullptr) continue;  // comes with its field
    for (std::size_t j = 0; j < controls.size(); ++j) {
      if (FieldNamedBy(controls, controls[j]) == &controls[i]) order.push_back(j);
    }
    order.push_back(i);
  }
  return order;
}

std::optional<AccessibleText> AnnotationFor(const ControlSpec& spec, Language language) {
  switch (spec.name) {
    case ControlName::cmdBrows:
      return AccessibleText{
          Fill({L"「{1}」の色を選ぶ", L"Choose color: {1}"}, language, {SlotCaption(spec.index, language)}), L""};
    case ControlName::txtColors:
      // Named as the label beside it names it, but never shortened.
      return AccessibleText{SlotCaption(spec.index, language), L""};
    case ControlName::List1:
      return AccessibleText{Phrase(L"テーマ一覧", L"Themes").In(language), L""};
    case ControlName::Picture1:
      return AccessibleText{Phrase(L"プレビュー", L"Preview").In(language),
                            Phrase(L"現在の色で描いたピアノロールの見本", L"A sample piano roll in the current colors")
                                .In(language)};
    case ControlName::txtInput:
      return AccessibleText{Phrase(L"名前", L"Name").In(language), L""};
    default:
      return std::nullopt;
  }
}

std::wstring SpokenName(std::span<const ControlSpec> controls, const ControlSpec& spec, Language language) {
  if (const std::optional<AccessibleText> given = AnnotationFor(spec, language)) return given->name;
  for (const ControlSpec& label : controls) {
    if (FieldNamedBy(controls, label) == &spec) return label.caption;
  }
  return spec.caption;
}
