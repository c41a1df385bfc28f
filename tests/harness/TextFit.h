// Whether a control shows its whole text, measured as a person sees it: in the control's own font,
// beside the check or radio glyph, inside a group box's corners, within a static's lines.
#pragma once
#include <windows.h>

#include <string>

// Empty when the text fits; otherwise what does not fit, for a failure message.
std::wstring TextFitProblem(HWND hCtrl);
// The same for every visible child of hParent.
std::wstring TextFitProblems(HWND hParent);
// Empty when the window's caption shows whole beside its icon and close button.
std::wstring CaptionFitProblem(HWND hWnd);
// Empty when the date-time field's edit box shows its whole text from the first character on.
std::wstring FieldShowsWholeText(HWND hEdit);
