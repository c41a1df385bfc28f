// CDialog: a dialog from a resource template or an in-memory template, modal or modeless.
// The object attaches itself to the dialog window at WM_INITDIALOG; controls and members are
// exchanged by DoDataExchange, which may fail and keep the dialog open.
#pragma once
#include "framework/Wnd.h"

#include <string>

class CDialog;

// One pass of data exchange between a dialog's controls and its members.
class CDataExchange {
public:
    CDataExchange(CDialog &dlg, bool bSaveAndValidate) : m_dlg(dlg), m_bSaveAndValidate(bSaveAndValidate) {}
    CDialog &m_dlg;
    const bool m_bSaveAndValidate; // true: controls to members
    bool m_bFailed = false;

    // The control about to be exchanged; the one that gets the focus on failure.
    HWND PrepareCtrl(int nID);
    // Marks the exchange failed and puts the focus on the last prepared control.
    void Fail();

private:
    HWND m_hLastCtrl = nullptr;
};

// Check box: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange &dx, int nID, int &value);
// Radio group starting at nID (which carries WS_GROUP): index of the checked button, -1 for none.
void DDX_Radio(CDataExchange &dx, int nID, int &value);
void DDX_Text(CDataExchange &dx, int nID, std::wstring &value);
// A whole number; text that is not one shows a message and fails the exchange.
void DDX_Text(CDataExchange &dx, int nID, int &value);
// Drop-down or list box selection index, -1 for none.
void DDX_CBIndex(CDataExchange &dx, int nID, int &value);
void DDX_LBIndex(CDataExchange &dx, int nID, int &value);

class CDialog : public CWnd {
public:
    // nIDTemplate 0: an in-memory template is given to DoModalIndirect / CreateIndirect.
    explicit CDialog(UINT nIDTemplate = 0, HWND hParent = nullptr);
    ~CDialog() override;

    INT_PTR DoModal();
    INT_PTR DoModalIndirect(const DLGTEMPLATE *pTemplate);
    bool Create(UINT nIDTemplate, HWND hParent);
    bool CreateIndirect(const DLGTEMPLATE *pTemplate, HWND hParent);
    // Modal: ends the modal loop with nResult; modeless: destroys the window.
    void EndDialog(INT_PTR nResult);
    bool IsModal() const { return m_bModal; }

    // Controls to members (true) or members to controls (false); false when validation failed.
    bool UpdateData(bool bSaveAndValidate = true);

    // Small helpers over the dialog's controls.
    void CheckDlgButton(int nID, UINT nCheck) const { ::CheckDlgButton(m_hWnd, nID, nCheck); }
    UINT IsDlgButtonChecked(int nID) const { return ::IsDlgButtonChecked(m_hWnd, nID); }
    void SetDlgItemText(int nID, const std::wstring &str) const { ::SetDlgItemTextW(m_hWnd, nID, str.c_str()); }
    std::wstring GetDlgItemText(int nID) const;
    void EnableDlgItem(int nID, bool bEnable) const { ::EnableWindow(GetDlgItem(nID), bEnable); }
    // Clicks a button as the user would (posted, so it runs from the dialog's own loop).
    void PostButtonClick(int nID) const;

    UINT m_nIDTemplate;
    HWND m_hParentWnd;

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    virtual void DoDataExchange(CDataExchange &dx);
    // Default: members to controls; true lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Default: UpdateData(true), then EndDialog(IDOK) when it succeeded.
    virtual void OnOK();
    virtual void OnCancel();
    // A command the dialog handles returns true; others go on to the application object.
    virtual bool OnCommand(UINT nID, UINT nCode, HWND hCtrl);
    virtual bool OnNotify(NMHDR *pHdr, LRESULT *pResult);

private:
    static INT_PTR CALLBACK StaticDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

    bool m_bModal = false;
};
