#pragma once
// What a screen reader says for each control. Windows names a text field after the
// label created right before it and a button after its caption; the controls whose
// own text says nothing (the "..." buttons, the theme list, the preview, the name
// dialog's field) get a name of their own, which the toolkit attaches to the window.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/layout.h"
#include "ui/texts.h"

// The field that `label` names; nullptr when it names none.
const ControlSpec* FieldNamedBy(std::span<const ControlSpec> controls, const ControlSpec& label);

// Positions in `controls`, in the order the toolkit creates the windows: the table's
// order, except that each label comes right before the field it names. Labels never
// take the focus, so the order of the controls that do, the tab order, stays the
// table's.
std::vector<std::size_t> CreationOrder(std::span<const ControlSpec> controls);

struct AccessibleText {
  std::wstring name;
  std::wstring description;  // empty: none
};

// The name (and description) given to a control that neither its own text nor a label
// names well; nullopt for the others.
std::optional<AccessibleText> AnnotationFor(const ControlSpec& spec, Language language);

// What a screen reader calls the control: the name given to it, else the caption of
// the label that names it, else its own caption.
std::wstring SpokenName(std::span<const ControlSpec> controls, const ControlSpec& spec, Language language);

// Colour slot `slot`'s caption whole, as a screen reader says it (and the Edit menu
// names a colour's step), also where its label shortens it.
const wchar_t* SlotCaption(int slot, Language language);
