// The board as assistive technology sees it: the window's standard client
// object, named after the focused tile, so that a screen reader speaks each
// move of the keyboard's focus.
#pragma once

#include <windows.h>

// The answer to WM_GETOBJECT for the client object; 0 for any other object,
// which the caller then leaves to DefWindowProc.
LRESULT answerGetObject(HWND window, WPARAM wParam, LPARAM lParam);
