// The version information dialog: the program's picture beside four lines from its version
// resource (product line, copyright, comments, build line) and OK. Built from an in-memory
// template; left alone it closes after its delay, as Cancel does.
#pragma once
#include "framework/Handles.h"
#include "support/TemplateDialog.h"

#include <string>

class CVerInfo;

enum : WORD {
    IDC_VERSION_BITMAP = 9995,
    IDC_VERSION_PRODUCT = 9999,
    IDC_VERSION_COPYRIGHT = 9998,
    IDC_VERSION_COMMENTS = 9997,
    IDC_VERSION_BUILD = 9996,
};

class CVersionDlg : public CTemplateDialog {
public:
    // The lines from the program's own version resource. nBitmapID 0: no picture; nCloseDelay in
    // seconds, 0 or less: it stays until closed.
    CVersionDlg(const std::wstring &strCaption, UINT nBitmapID, HWND hParent, int nCloseDelay);
    // The lines from the given reader.
    CVersionDlg(const std::wstring &strCaption, UINT nBitmapID, HWND hParent, int nCloseDelay, const CVerInfo &info);

    std::wstring m_strLine1; // product line
    std::wstring m_strLine2; // copyright
    std::wstring m_strLine3; // comments
    std::wstring m_strLine4; // build line
    CBitmap m_bitmap;        // none when the resource is missing: the picture's control stays empty
    int m_nCloseDelay;
    // The close timer's period, from the delay; it may be changed before the dialog runs.
    UINT m_nClosePeriodMs;

    static constexpr UINT_PTR kCloseTimerID = 1;

protected:
    void DoDataExchange(CDataExchange &dx) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildTemplate(const CVerInfo &info, UINT nBitmapID, HWND hParent);
    void ArrangeControls();
};

// The main window's about box: "ﾊﾞｰｼﾞｮﾝ情報(Pelnix)" with the program's picture, closing after 30 s.
void ShowVersionDialog(HWND hOwner);
