// What a person does with the controls of a window: press buttons and keys, type, read text, press
// tool bar buttons. Input is posted, as a person's would be; each action returns once the program
// has handled it (see SyncWindowThread).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// The child control with this id; nullptr when there is none.
HWND FindControl(HWND hParent, int nId);
// The child control with this id; throws naming the parent when there is none.
HWND RequireControl(HWND hParent, int nId);

// Presses a push button of a dialog as a click would: the dialog gets WM_COMMAND with BN_CLICKED.
// Throws when the button is missing, hidden or disabled, since a person could not press it.
void ClickButton(HWND hDlg, int nId);

// A key pressed and released on the control that has the keyboard focus in hWnd's thread (hWnd
// itself when none has it). Enter and Escape thus reach the dialog manager as they do from a keyboard.
void PressKey(HWND hWnd, UINT vk);

// Replaces an edit's text by typing it: selects all, then one WM_CHAR per character.
void TypeText(HWND hEdit, const std::wstring &strText);
// Sets a window's text at once (WM_SETTEXT), as pasting would.
void SetText(HWND hWnd, const std::wstring &strText);
// The window's text (WM_GETTEXT); an edit's lines are separated by CR LF.
std::wstring GetText(HWND hWnd);
// A multi-line edit's text split into lines.
std::vector<std::wstring> GetEditLines(HWND hEdit);

struct CToolButton {
    int nCommand;
    BYTE fsState;
    BYTE fsStyle;
    int nImage;
    bool IsSeparator() const { return fsStyle & BTNS_SEP; }
};
// The buttons of a tool bar in another process, in order, separators included.
std::vector<CToolButton> GetToolButtons(HWND hToolbar);
bool IsToolButtonEnabled(HWND hToolbar, int nCommand);
// Clicks the button with this command id (mouse down and up at its middle). Throws when it is
// missing, hidden or disabled. Returns once the command has run or opened its dialog.
void PressToolButton(HWND hToolbar, int nCommand);
