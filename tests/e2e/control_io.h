// Reading and driving another process's controls with window messages, the
// way an automation tool does: sent messages to read and set text, posted
// messages for what a user types or clicks.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

std::wstring ReadText(HWND control);
void SetText(HWND control, const std::wstring& text);

// Posts one WM_CHAR per character, as typing would deliver them.
void PostTyping(HWND control, const std::wstring& text);

// Posts a key press and release (WM_KEYDOWN, WM_KEYUP) of a virtual key.
void PostKey(HWND control, WPARAM virtualKey);

// Posts the click of a push button.
void PostClick(HWND button);

// Posts WM_COMMAND with the given id and notification code, as a control
// would send it to its dialog.
void PostCommand(HWND dialog, int id, WORD notification = 0);

// Returns once the thread that owns `marker` (an edit control) has handled
// every message posted to it before this call; false if it does not within
// the time allowed.
bool WaitUntilPostedHandled(HWND marker);

}  // namespace e2e
