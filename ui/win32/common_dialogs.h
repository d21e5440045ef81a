#pragma once
// The modal system dialogs the main window's logic asks for, all owned by the main
// window and all in their W forms.
#include "ui/win32/win32.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/form1_view.h"

// MessageBoxW with the program's title. A failed box answers 0, which is no button:
// callers treat anything but the button they look for as Cancel.
MsgBoxAnswer ShowMessageBox(HWND owner, const std::wstring& prompt, MsgBoxStyle style);

// ChooseColorW opened on `initial`. The custom colours live in `customColors`, which
// the caller keeps for the whole run. nullopt when cancelled or failed.
std::optional<Color> ShowColorChooser(HWND owner, Color initial, ColorChooserFlags flags,
                                      std::array<COLORREF, 16>& customColors);

// "description|pattern|..." as the NUL-separated list, ending in two NULs, that the
// file dialogs take.
std::wstring FilterToNulSeparated(const std::wstring& filter);

// GetOpenFileNameW / GetSaveFileNameW with no title, default extension or start
// folder, starting with `fileName` (the caller keeps the name both dialogs share).
// nullopt when cancelled or failed.
std::optional<std::wstring> ShowFileDialog(HWND owner, FileDialogKind kind,
                                           const std::wstring& filter,
                                           const std::wstring& fileName);
