// The windows a program opens to wait for a person: message boxes and the shell's folder picker.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "Wait.h"

class CProgram;

// A dialog (#32770) of the program with this caption, once it is showing.
HWND WaitForDialog(const CProgram &program, const std::wstring &strCaption, DWORD dwTimeoutMs = WAIT_DEFAULT_MS);

// The message box's text (its static text, without the icon).
std::wstring GetMessageBoxText(HWND hBox);
// Waits for the message box with this caption, presses the button (IDYES, IDNO, IDOK, IDCANCEL...)
// and waits for the box to close. Returns the box's text, for the test to compare.
std::wstring AnswerMessageBox(const CProgram &program, const std::wstring &strCaption, int nButton,
                              DWORD dwTimeoutMs = WAIT_DEFAULT_MS);

// Waits for the folder picker with this caption, selects the folder with the picker's own selection
// message, checks that the picker shows it, presses OK and waits for the picker to close.
// fnBeforeOk runs once the picker shows the folder (a picture of it, say).
void ChooseFolder(const CProgram &program, const std::wstring &strCaption, const std::wstring &strPath,
                  DWORD dwTimeoutMs = WAIT_DEFAULT_MS, const std::function<void()> &fnBeforeOk = nullptr);
// Waits for the folder picker with this caption and cancels it.
void CancelFolderPicker(const CProgram &program, const std::wstring &strCaption, DWORD dwTimeoutMs = WAIT_DEFAULT_MS);
