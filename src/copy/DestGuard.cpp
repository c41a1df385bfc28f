// The last check before a path is written to: whatever a name in the tree holds, nothing is made,
// copied or changed outside the destination the user confirmed.
#include "framework/Captions.h"
#include "copy/CopyRun.h"
#include "copy/CopyTexts.h"
#include "framework/Seams.h"
#include "support/DestPath.h"
#include "tree/DirTreeCtrl.h"

namespace {

std::wstring FormatDestOutsideMessage(const std::wstring &strPath, const std::wstring &strDestRoot)
{
    return L"複写先ﾃﾞｨﾚｸﾄﾘの外を指すﾊﾟｽを検出しました。\n処理を中止します。\n\n   ﾊﾟｽ   : " + strPath +
           L"\n   複写先 : " + strDestRoot;
}

} // namespace

bool CCopyRun::GuardDestPath(const std::wstring &strPath)
{
    if (m_strDestRoot.empty() || IsPathWithin(m_strDestRoot, strPath))
        return true;
    m_tree.m_bCancel = 1;
    if (m_dwResult & RF_DEST_OUTSIDE)
        return false; // told once
    m_dwResult |= RF_DEST_OUTSIDE;
    AddErrorLog(0, L"DestPath:Outside", L"", strPath, m_strDestRoot);
    UiMessageBox(m_tree.m_hWnd, FormatDestOutsideMessage(strPath, m_strDestRoot), CAPTION_FATAL,
                 MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL);
    return false;
}
