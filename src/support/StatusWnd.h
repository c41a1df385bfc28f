// CStatusWnd: the small modeless popup that shows what a long operation is doing, in two text lines
// with an animated icon and an optional cancel button. The owner creates it, updates it with
// SetStatus, drains its message queue after each update (so the window paints, animates and sees
// the cancel button) and deletes it at the end. Cancel is reported only by writing 1 into the
// owner's flag; the window then closes at once and every later call but deletion does nothing.
#pragma once
#include "support/ShortenPath.h"
#include "support/StatusLayout.h"
#include "support/TemplateDialog.h"

#include <string>
#include <vector>

// Control ids of the status window.
enum {
    IDC_STATUS_ICON = 9999,
    IDC_STATUS_LINE1 = 9998,
    IDC_STATUS_LINE2 = 9997,
    IDC_STATUS_CANCEL = 9996,
};

class CStatusWnd : public CTemplateDialog {
public:
    // pCancel: the owner's flag; null hides the cancel button. nBitmapID: a strip of square frames
    // as wide as the strip is high, crMask their transparent colour. nShortenMode: SHORTEN_IN_MIDDLE or SHORTEN_AT_END.
    // nPlacement: PLACE_* flags, 0 to centre on the owner.
    CStatusWnd(const std::wstring &strCaption, int *pCancel, UINT nBitmapID, COLORREF crMask, int nFramePeriod,
               int nShortenMode, int nPlacement, bool bDisableOwner);
    ~CStatusWnd() override;

    // Creates the window, visible, under hOwner with a client area nClientWidth pixels wide at 96 DPI
    // (wider on a display of more).
    bool Create(HWND hOwner, int nPointSize = 9, int nClientWidth = 256);
    // Null texts leave their line, nPlacement 0 leaves the position, nFrame -1 leaves the icon.
    void SetStatus(const wchar_t *pszLine1, const wchar_t *pszLine2 = nullptr, int nPlacement = 0, int nFrame = -1);
    // Re-enables the owner when this window disabled it, then destroys the window.
    bool DestroyWindow();

    int GetFrameSize() const { return m_nFrameSize; }
    int GetFrameCount() const { return static_cast<int>(m_listFrames.size()); }
    HICON GetFrame(int nIndex) const { return m_listFrames[static_cast<size_t>(nIndex)].Get(); }
    int GetFramePeriod() const { return m_nFramePeriod; }
    int GetCurrentFrame() const { return m_nCurrentFrame; }
    const std::wstring &GetLine1() const { return m_strLine1; }
    const std::wstring &GetLine2() const { return m_strLine2; }
    // Height of one text line ("QWERT" plus 4 pixels); known once the window exists.
    int GetLineHeight() const { return m_nLineHeight; }

    // The animation timer's id.
    static constexpr UINT_PTR kTimerID = 1;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT nID, UINT nCode, HWND hCtrl) override;
    void OnOK() override;
    void OnCancel() override;

private:
    int MeasureLineHeight() const;
    void Layout();
    void ShowLine(int nID, const std::wstring &strText, std::wstring &strShown);
    void ShowFrame(int nIndex);
    void ApplyPlacement(int nFlags);
    void CenterOnOwner();
    void Cancel();
    void EnableOwnerAgain();

    int *m_pCancel;
    std::vector<CIcon> m_listFrames;
    int m_nFrameSize = 0;
    int m_nDpi = 96;
    int m_nFramePeriod;
    int m_nCurrentFrame = 0;
    int m_nShortenMode;
    int m_nPlacement;
    bool m_bDisableOwner;
    std::wstring m_strLine1, m_strLine2;
    int m_nClientWidth = 256;

    HWND m_hOwner = nullptr;
    bool m_bOwnerDisabled = false; // this window disabled the owner
    int m_nLineHeight = 0;
    SIZE m_sizeButton = {};
    int m_cyWindow = 0; // fixed window height once laid out
    std::wstring m_strShown1, m_strShown2;
};
