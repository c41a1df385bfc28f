// The main window (dialog 102).
#pragma once
#include "framework/Dialog.h"
#include "framework/Handles.h"

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(HWND hParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape never close the main window.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    HICON m_hIcon; // shared resource icon: not destroyed
};
