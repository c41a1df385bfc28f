// Keeping the windows the program opens on the screen: a question placed off the bottom edge hides
// the buttons that answer it.
#pragma once
#include <windows.h>

// rc moved (never resized) to lie inside rcArea; a rectangle larger than the area keeps its top
// left corner in it, so its caption and first buttons stay reachable.
RECT MoveRectInside(const RECT &rc, const RECT &rcArea);

// Moves a top-level window inside the work area of the monitor of hOwner (of the window itself
// without an owner).
void KeepWindowInWorkArea(HWND hWnd, HWND hOwner);
