// The main window (dialog 102).
#pragma once
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "tree/DirTreeCtrl.h"

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(HWND hParent = nullptr);

    CDirTreeCtrl m_tree; // control 1015

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape never close the main window; they end a label edit (keep / discard).
    void OnOK() override { m_tree.EndLabelEdit(false); }
    void OnCancel() override { m_tree.EndLabelEdit(true); }
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    HICON m_hIcon; // shared resource icon: not destroyed
};
