#include "dialogs/TimeField.h"
#include "res/resource.h"

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
