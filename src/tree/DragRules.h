// Which cursor a drag shows, as plain rules over where the pointer is and the keys held.
#pragma once
#include <windows.h>

// Drag cursor types.
enum : int {
    DRAG_CURSOR_NORMAL = 0,
    DRAG_CURSOR_MOVE = 1,
    DRAG_CURSOR_NODROP = 2,
    DRAG_CURSOR_COPY = 3,
};

// Over a node: copy with Ctrl (without Shift), else move. Over no node: no drop outside the
// client area; inside it copy with Ctrl (without Shift), else no drop.
int DefaultDragType(bool bOverNode, bool bInClientArea, UINT nKeyFlags);

// The directory tree's correction of the default: empty space inside the client area without
// Ctrl is a move (onto the root, as the caller sees to).
int DirectoryDragType(int nDefaultType, bool bInClientArea, UINT nKeyFlags);
