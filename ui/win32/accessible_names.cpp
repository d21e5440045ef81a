#include "ui/win32/accessible_names.h"

#include <objbase.h>
#include <oleacc.h>

#include <array>
#include <optional>

#include "ui/accessibility.h"

namespace {

// The identifiers of the annotation service and of the two properties, as the SDK
// defines them; spelt out here since import libraries differ in which they carry.
constexpr CLSID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr MSAAPROPID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr MSAAPROPID kDescriptionProperty = {0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};

}  // namespace

AccessibleNames::AccessibleNames() {
  // The window thread is a single-threaded apartment; when something already made it
  // another kind, the service works there as well and is not ours to end.
  const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  comStarted_ = SUCCEEDED(started);
  void* services = nullptr;
  if (SUCCEEDED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                 &services))) {
    services_ = static_cast<IAccPropServices*>(services);
  }
}

AccessibleNames::~AccessibleNames() {
  Clear();
  if (services_) services_->Release();
  if (comStarted_) CoUninitialize();
}

void AccessibleNames::Annotate(const ControlSet& controls, std::span<const ControlSpec> specs, Language language) {
  if (!services_) return;
  for (const ControlSpec& spec : specs) {
    const std::optional<AccessibleText> text = AnnotationFor(spec, language);
    const HWND control = controls.Find(spec.name, spec.index);
    if (!text || !control) continue;
    if (FAILED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kNameProperty,
                                         text->name.c_str()))) {
      continue;
    }
    if (!text->description.empty()) {
      services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kDescriptionProperty,
                                text->description.c_str());
    }
    annotated_.push_back(control);
  }
}

void AccessibleNames::Clear() {
  if (!services_) return;
  const std::array<MSAAPROPID, 2> properties = {kNameProperty, kDescriptionProperty};
  for (const HWND control : annotated_) {
    if (IsWindow(control)) {
      services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties.data(),
                                static_cast<int>(properties.size()));
    }
  }
  annotated_.clear();
}
