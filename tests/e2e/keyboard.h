#pragma once
// The keyboard alone, as a user without a mouse drives the program: every key goes
// through the system's input queue to whichever window has the focus, never to a
// window the test picked.
#include <windows.h>

#include <initializer_list>
#include <string>

// Presses and releases each key in turn.
bool PressKeys(std::initializer_list<WORD> keys);
// A key with a modifier (VK_CONTROL, VK_SHIFT, VK_MENU) held.
bool PressWith(WORD modifier, WORD key);
// A key with Alt held, as a menu's or a label's access key is pressed.
bool PressWithAlt(WORD key);
// Types the characters, as a keyboard of any layout would give them.
bool TypeKeys(const std::wstring& text);
