#include "dialogs/TimeField.h"
#include "res/resource.h"
#include "support/FitToText.h"

std::unique_ptr<CDateTimeCmb> CreateTimeField(HWND hDlg)
{
    auto pField = std::make_unique<CDateTimeCmb>();
    pField->Create(IDC_ATTR_TIME_PLACEHOLDER, IDC_DATETIME, hDlg, nullptr, 9);
    if (pField->m_hWnd) {
        const LONG lStyle = ::GetWindowLongW(pField->m_hWnd, GWL_STYLE);
        ::SetWindowLongW(pField->m_hWnd, GWL_STYLE, lStyle | WS_GROUP);
    }
    return pField;
}

void FitAttrDialog(HWND hDlg, const CDateTimeCmb *pField)
{
    std::vector<CTextNeed> needs;
    if (pField && pField->m_hWnd)
        needs.push_back(CTextNeed{IDC_DATETIME, pField->GetIdealWidth()});
    if (HWND hSource = ::GetDlgItem(hDlg, IDC_ATTR_SOURCE_TIME)) {
        RECT rcWindow = {}, rcClient = {};
        ::GetWindowRect(hSource, &rcWindow);
        ::GetClientRect(hSource, &rcClient);
        const int cxFrame = (rcWindow.right - rcWindow.left) - rcClient.right;
        needs.push_back(CTextNeed{IDC_ATTR_SOURCE_TIME, DateTimeTextWidth(hSource) + cxFrame + 2});
    }
    FitDialogToTexts(hDlg, needs);
}
