#include "datetime/DateTimeCmb.h"

#include "datetime/DateTimeCtrl.h"
#include "framework/Seams.h"
#include "support/FitToText.h"
#include "support/TimeConvert.h"
#include "support/TimeText.h"

namespace {

std::wstring Canonical(const std::wstring &strText)
{
    return FormatCTime(TextToCTime(strText, TIME_PART_DATE | TIME_PART_TIME), TIME_PART_DATE | TIME_PART_TIME);
}

} // namespace

int CDateTimeCmb::Create(UINT nPlaceholderID, UINT nID, HWND hParent, const wchar_t *pszFace, int nPoints)
{
    HWND hPlaceholder = ::GetDlgItem(hParent, static_cast<int>(nPlaceholderID));
    RECT rc = {};
    if (hPlaceholder) {
        ::GetWindowRect(hPlaceholder, &rc);
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT *>(&rc), 2);
    }
    ::InflateRect(&rc, 1, 1);
    if (CreateField(rc, nID, hParent, pszFace, nPoints) && hPlaceholder)
        // The placeholder's place in the tab order.
        ::SetWindowPos(m_hWnd, hPlaceholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (hPlaceholder)
        ::DestroyWindow(hPlaceholder);
    m_pDropDown = std::make_unique<CDateTimeCtrl>();
    m_pDropDown->m_nNotifyMessage = WM_DROPDOWN_RESULT;
    return 1;
}

CDateTimeCtrl *CDateTimeCmb::GetPanel() const
{
    return static_cast<CDateTimeCtrl *>(m_pDropDown.get());
}

int CDateTimeCmb::GetIdealWidth() const
{
    if (!m_edit.m_hWnd || !m_btnDrop.m_hWnd)
        return 0;
    const RECT rcWindow = GetWindowRect(), rcClient = GetClientRect(), rcButton = m_btnDrop.GetWindowRect();
    const DWORD dwMargins = static_cast<DWORD>(m_edit.SendMessage(EM_GETMARGINS));
    // Frame, the edit box's inset, its margins, the text and the caret after it, the button.
    return (rcWindow.right - rcWindow.left) - rcClient.right + 1 + LOWORD(dwMargins) + HIWORD(dwMargins) +
           DateTimeTextWidth(m_edit) + 2 + (rcButton.right - rcButton.left);
}

std::wstring CDateTimeCmb::GetValueText()
{
    UpdateValue(true);
    return m_strValue;
}

void CDateTimeCmb::SetValueText(const std::wstring &strText)
{
    m_strValue = strText.empty() ? std::wstring() : Canonical(strText);
    UpdateValue(false);
}

void CDateTimeCmb::SetValueTime(const CTime &time)
{
    m_strValue = FormatCTime(time, TIME_PART_DATE | TIME_PART_TIME);
    UpdateValue(false);
}

int CDateTimeCmb::UpdateValue(bool bRead)
{
    if (!m_edit.m_hWnd)
        return 1;
    if (bRead) {
        const std::wstring strText = GetText();
        m_strValue = strText.empty() ? std::wstring() : Canonical(strText);
        return 1;
    }
    SetText(m_strValue);
    SelectAllShowingStart();
    return 1;
}

void CDateTimeCmb::SelectAllShowingStart()
{
    // The caret at the start: a field ever too narrow shows the year, not the seconds.
    m_edit.SendMessage(EM_SETSEL, static_cast<WPARAM>(GetText().size()), 0);
    m_edit.SendMessage(EM_SCROLLCARET);
}

void CDateTimeCmb::DropDown()
{
    CDateTimeCtrl *pPanel = GetPanel();
    if (!pPanel || !m_hWnd)
        return;
    if (!pPanel->m_hWnd &&
        !pPanel->CreatePopup(m_hWnd, m_strFontFace.empty() ? nullptr : m_strFontFace.c_str(), m_nFontSize))
        return;
    if (pPanel->IsWindowVisible())
        return;
    UpdateValue(true);
    m_strSaved = m_strValue;
    pPanel->SetValueText(m_strValue, true);
    pPanel->ShowDropDown();
}

void CDateTimeCmb::CloseUp()
{
    // However the panel closes (disabling reports no result), the next press must reach the field.
    m_btnDrop.m_bForwardMouse = 1;
    CDateTimeCtrl *pPanel = GetPanel();
    if (!pPanel || !pPanel->m_hWnd)
        return;
    pPanel->HideDropDown();
    pPanel->DestroyWindow();
}

void CDateTimeCmb::OnDropResult(int nResult, LPARAM)
{
    CDateTimeCtrl *pPanel = GetPanel();
    switch (nResult) {
    case DROP_CANCEL:
        CloseUp();
        SetValueText(m_strSaved);
        break;
    case DROP_ACCEPT:
        CloseUp();
        if (pPanel)
            SetValueText(pPanel->GetValueText());
        break;
    case DROP_CHANGED:
        if (pPanel)
            SetValueText(pPanel->GetValueText());
        break;
    default: break;
    }
}

LRESULT CDateTimeCmb::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_FIELD_REFOCUS)
        return CCustomCmb::WindowProc(uMsg, wParam, lParam);
    ::SetFocus(m_edit);
    SelectAllShowingStart();
    return 0;
}

void CDateTimeCmb::AcceptDropDown()
{
    CloseUp();
    CommitTypedText();
}

void CDateTimeCmb::OnEditKillFocus()
{
    if (IsDroppedDown())
        PostMessage(WM_DROPDOWN_RESULT, DROP_CANCEL, 0);
    CommitTypedText();
}

void CDateTimeCmb::CommitTypedText()
{
    const std::wstring strTyped = GetText();
    if (strTyped.empty())
        return;
    const std::wstring strCanonical = Canonical(strTyped);
    const SYSTEMTIME stTyped = ParseDateTimeText(strTyped), stCanonical = ParseDateTimeText(strCanonical);
    if (stTyped.wYear != stCanonical.wYear || stTyped.wMonth != stCanonical.wMonth ||
        stTyped.wDay != stCanonical.wDay) {
        // The date had to be moved into the range the program keeps: say so, and let it be fixed.
        // The focus goes back once this loss of it is complete.
        UiMessageBeep(MB_ICONINFORMATION);
        PostMessage(WM_FIELD_REFOCUS);
    }
    SetValueText(strCanonical);
}
