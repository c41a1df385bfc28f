// The tool bar's commands travel to the main window as a posted message, so that each runs from the
// window's own queue after the button's click has finished.
#pragma once
#include "res/resource.h"

#include <windows.h>

// wParam: the command id; lParam: 0.
constexpr UINT WM_TOOLCOMMAND = WM_USER + 0x201;

constexpr UINT ID_TOOL_FIRST = ID_CLEAR_TREE;
constexpr UINT ID_TOOL_LAST = ID_RUN_WITH_FILES;

inline bool IsToolCommand(UINT nID)
{
    return nID >= ID_TOOL_FIRST && nID <= ID_TOOL_LAST;
}
