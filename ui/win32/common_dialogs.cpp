#include "ui/win32/common_dialogs.h"

#include <commdlg.h>

#include <algorithm>

namespace {

// The typed values carry the system's numbers, so they pass through unchanged.
constexpr UINT StyleValue(MsgBoxStyle style) { return static_cast<UINT>(style); }
constexpr int AnswerValue(MsgBoxAnswer answer) { return static_cast<int>(answer); }
constexpr DWORD FlagsValue(ColorChooserFlags flags) { return static_cast<DWORD>(flags); }

}  // namespace

static_assert(StyleValue(MsgBoxStyle::OKOnly) == MB_OK &&
              StyleValue(MsgBoxStyle::OKCancel) == MB_OKCANCEL &&
              StyleValue(MsgBoxStyle::YesNoCancel) == MB_YESNOCANCEL &&
              StyleValue(MsgBoxStyle::YesNo) == MB_YESNO &&
              StyleValue(MsgBoxStyle::Exclamation) == MB_ICONEXCLAMATION);
static_assert(AnswerValue(MsgBoxAnswer::OK) == IDOK && AnswerValue(MsgBoxAnswer::Cancel) == IDCANCEL &&
              AnswerValue(MsgBoxAnswer::Yes) == IDYES && AnswerValue(MsgBoxAnswer::No) == IDNO);
static_assert(FlagsValue(ColorChooserFlags::RGBInit) == CC_RGBINIT &&
              FlagsValue(ColorChooserFlags::FullOpen) == CC_FULLOPEN);

MsgBoxAnswer ShowMessageBox(HWND owner, const std::wstring& prompt, MsgBoxStyle style) {
  return static_cast<MsgBoxAnswer>(MessageBoxW(owner, prompt.c_str(), kProgramTitle, StyleValue(style)));
}

std::optional<Color> ShowColorChooser(HWND owner, Color initial, ColorChooserFlags flags,
                                      std::array<COLORREF, 16>& customColors) {
  CHOOSECOLORW chooser{};
  chooser.lStructSize = sizeof(chooser);
  chooser.hwndOwner = owner;
  chooser.rgbResult = static_cast<COLORREF>(initial) & 0x00FFFFFFu;
  chooser.lpCustColors = customColors.data();
  chooser.Flags = FlagsValue(flags);
  if (!ChooseColorW(&chooser)) return std::nullopt;
  return static_cast<Color>(chooser.rgbResult);
}

std::wstring FilterToNulSeparated(const std::wstring& filter) {
  std::wstring list = filter;
  std::replace(list.begin(), list.end(), L'|', L'\0');
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

std::optional<std::wstring> ShowFileDialog(HWND owner, FileDialogKind kind,
                                           const std::wstring& filter,
                                           const std::wstring& fileName) {
  // Room for the longest path the system takes.
  std::vector<wchar_t> buffer(32768, L'\0');
  const size_t copied = std::min(fileName.size(), buffer.size() - 1);
  std::copy_n(fileName.begin(), copied, buffer.begin());
  buffer[copied] = L'\0';

  const std::wstring filterList = FilterToNulSeparated(filter);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filterList.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  BOOL chosen = FALSE;
  if (kind == FileDialogKind::Open) {
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    chosen = GetOpenFileNameW(&dialog);
  } else {
    dialog.Flags = OFN_OVERWRITEPROMPT;
    chosen = GetSaveFileNameW(&dialog);
  }
  if (!chosen) return std::nullopt;
  return std::wstring(buffer.data());
}
