#include "tree/DirTreeCtrl.h"

#include "framework/Captions.h"
#include "res/resource.h"
#include "support/Dpi.h"

bool CDirTreeCtrl::OpenStatusWnd(bool bCancelButton)
{
    CloseStatusWnd();
    const UINT nAnim =
        PickArtResource(GetWindowDpi(GetParent()), IDB_STATUS_ANIM, IDB_STATUS_ANIM_150, IDB_STATUS_ANIM_200);
    auto pStatus = std::make_unique<CStatusWnd>(CAPTION_PROGRAM, bCancelButton ? &m_bCancel : nullptr, nAnim,
                                                RGB(255, 255, 0), 250, SHORTEN_IN_MIDDLE, 0, false);
    pStatus->m_dwStyle &= ~static_cast<DWORD>(DS_SYSMODAL);
    if (!pStatus->Create(GetParent(), 9, 256))
        return false;
    m_pStatusWnd = std::move(pStatus);
    return true;
}

void CDirTreeCtrl::CloseStatusWnd()
{
    if (!m_pStatusWnd)
        return;
    m_pStatusWnd->DestroyWindow();
    m_pStatusWnd.reset();
}

void CDirTreeCtrl::SetStatus(const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    if (m_pStatusWnd)
        m_pStatusWnd->SetStatus(pszLine1, pszLine2);
}
