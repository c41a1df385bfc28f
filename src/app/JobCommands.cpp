// The job commands of the main window. A job is read whole before the tree is touched, and the
// tree is replaced only after the erase question; while the tree belongs to a job file, a run
// writes its marks back into it (see tree/JobMarks.h).
#include "app/JobCommands.h"

#include "app/MainDlg.h"
#include "app/ToolCommands.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "support/FileApiPath.h"
#include "tree/DirList.h"
#include "tree/JobMarks.h"

#include <shellapi.h>

namespace {

HHOOK g_hKeyHook = nullptr;
HWND g_hKeyWindow = nullptr;

// The dialog loop's messages, before the dialog manager takes the keys.
LRESULT CALLBACK JobKeyFilter(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto *pMsg = reinterpret_cast<const MSG *>(lParam);
    if (nCode == MSGF_DIALOGBOX && pMsg && pMsg->message == WM_KEYDOWN && g_hKeyWindow &&
        (pMsg->hwnd == g_hKeyWindow || ::IsChild(g_hKeyWindow, pMsg->hwnd))) {
        const UINT nID = JobCommandForKey(static_cast<UINT>(pMsg->wParam), ::GetKeyState(VK_CONTROL) < 0,
                                          ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_MENU) < 0);
        if (nID) {
            ::PostMessageW(g_hKeyWindow, WM_TOOLCOMMAND, nID, 0);
            return 1;
        }
    }
    return ::CallNextHookEx(g_hKeyHook, nCode, wParam, lParam);
}

constexpr wchar_t JOB_FILTER[] = L"ｼﾞｮﾌﾞﾌｧｲﾙ (*.plxjob)\0*.plxjob\0すべてのﾌｧｲﾙ (*.*)\0*.*\0";
constexpr wchar_t LIST_FILTER[] = L"ﾃｷｽﾄﾌｧｲﾙ (*.txt;*.csv)\0*.txt;*.csv\0すべてのﾌｧｲﾙ (*.*)\0*.*\0";

std::wstring Filter(const wchar_t *pszFilter, size_t nChars)
{
    return std::wstring(pszFilter, nChars - 1);
}

bool ReadSmallFile(const std::wstring &strPath, std::string &strBytes, size_t nMax, std::wstring &strError)
{
    CFileHandle hFile(
        ::CreateFileW(FileApiPath(strPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size = {};
    if (!hFile.IsValid() || !::GetFileSizeEx(hFile.Get(), &size)) {
        strError = L"ﾌｧｲﾙを開けません。";
        return false;
    }
    if (static_cast<uint64_t>(size.QuadPart) > nMax) {
        strError = L"ﾌｧｲﾙが大きすぎます (上限 " + std::to_wstring(nMax) + L" ﾊﾞｲﾄ)。";
        return false;
    }
    strBytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD dwRead = 0;
    if (!strBytes.empty() &&
        !::ReadFile(hFile.Get(), strBytes.data(), static_cast<DWORD>(strBytes.size()), &dwRead, nullptr)) {
        strError = L"ﾌｧｲﾙを読めません。";
        return false;
    }
    strBytes.resize(dwRead);
    return true;
}

} // namespace

CJobKeys::~CJobKeys()
{
    Remove();
}

void CJobKeys::Install(HWND hMain)
{
    Remove();
    g_hKeyWindow = hMain;
    g_hKeyHook = ::SetWindowsHookExW(WH_MSGFILTER, JobKeyFilter, nullptr, ::GetCurrentThreadId());
}

void CJobKeys::Remove()
{
    if (g_hKeyHook)
        ::UnhookWindowsHookEx(g_hKeyHook);
    g_hKeyHook = nullptr;
    g_hKeyWindow = nullptr;
}

void CMainDlg::InitJobCommands()
{
    ::GetWindowTextW(m_hWnd, m_szCaption, static_cast<int>(std::size(m_szCaption)));
    if (HMENU hMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(hMenu, MF_STRING, IDM_SYS_JOB_OPEN, L"ｼﾞｮﾌﾞを開く...\tCtrl+O");
        ::AppendMenuW(hMenu, MF_STRING, IDM_SYS_JOB_SAVE, L"ｼﾞｮﾌﾞを保存\tCtrl+S");
        ::AppendMenuW(hMenu, MF_STRING, IDM_SYS_JOB_SAVE_AS, L"名前を付けてｼﾞｮﾌﾞを保存...\tCtrl+Shift+S");
        ::AppendMenuW(hMenu, MF_STRING, IDM_SYS_IMPORT_LIST, L"ﾘｽﾄから追加");
    }
    ::DragAcceptFiles(m_hWnd, TRUE);
    m_jobKeys.Install(m_hWnd);
}

bool CMainDlg::OnJobMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_SYSCOMMAND:
        if (const UINT nID = JobCommandForSysCommand(wParam)) {
            PostMessage(WM_TOOLCOMMAND, nID, 0);
            return true;
        }
        return false;
    case WM_INITMENUPOPUP:
        // The system menu's job items are off while busy, like the tool bar.
        if (HIWORD(lParam)) {
            const UINT nState = MF_BYCOMMAND | (IsBusy() ? MF_GRAYED : MF_ENABLED);
            for (UINT nItem : {IDM_SYS_JOB_SAVE, IDM_SYS_JOB_SAVE_AS, IDM_SYS_JOB_OPEN, IDM_SYS_IMPORT_LIST})
                ::EnableMenuItem(reinterpret_cast<HMENU>(wParam), nItem, nState);
        }
        return false;
    case WM_DROPFILES: {
        const auto hDrop = reinterpret_cast<HDROP>(wParam);
        const UINT nChars = ::DragQueryFileW(hDrop, 0, nullptr, 0);
        std::wstring strPath(nChars + 1, L'\0');
        ::DragQueryFileW(hDrop, 0, strPath.data(), nChars + 1);
        strPath.resize(nChars);
        const UINT nFiles = ::DragQueryFileW(hDrop, 0xFFFFFFFF, nullptr, 0);
        ::DragFinish(hDrop);
        // One job at a time, and only a job.
        if (nFiles != 1 || !IsJobFileName(strPath) || IsBusy()) {
            UiMessageBeep(0);
            return true;
        }
        m_strDroppedPath = strPath;
        PostMessage(WM_TOOLCOMMAND, ID_JOB_OPEN_DROPPED, 0);
        return true;
    }
    case WM_DESTROY: m_jobKeys.Remove(); return false;
    default: return false;
    }
}

void CMainDlg::RunJobCommand(UINT nID)
{
    switch (nID) {
    case ID_JOB_SAVE: SaveJobCommand(false); break;
    case ID_JOB_SAVE_AS: SaveJobCommand(true); break;
    case ID_JOB_OPEN: OpenJobCommand(); break;
    case ID_JOB_IMPORT_LIST: ImportListCommand(); break;
    case ID_JOB_OPEN_DROPPED: {
        const std::wstring strPath = std::move(m_strDroppedPath);
        m_strDroppedPath.clear();
        if (!strPath.empty())
            OpenJobFile(strPath);
        break;
    }
    default: break;
    }
}

void CMainDlg::SaveJobCommand(bool bAskName)
{
    m_tree.EndLabelEdit(false); // what is typed belongs to the job
    std::wstring strPath = m_strJobPath;
    if (bAskName || strPath.empty()) {
        CFileRequest req;
        req.hOwner = m_hWnd;
        req.bSave = true;
        req.strFilter = Filter(JOB_FILTER, std::size(JOB_FILTER));
        req.strDefaultExt = JOB_FILE_EXTENSION + 1;
        req.strInitialPath = m_strJobPath;
        if (!UiChooseFile(req, strPath))
            return;
    }
    m_strDestination = GetDlgItemText(IDC_DEST_PATH);
    EnableUserInterface(false);
    std::wstring strError;
    const bool bSaved = SaveJobOfTree(m_tree, m_strDestination, strPath, strError);
    EnableUserInterface(true);
    if (!bSaved) {
        UiMessageBox(m_hWnd, L"ｼﾞｮﾌﾞﾌｧｲﾙを保存できません。\n\n   File : " + strPath + L"\n\n" + strError, CAPTION_ERROR,
                     MB_OK | MB_ICONSTOP);
        return;
    }
    SetJobPath(strPath);
}

void CMainDlg::OpenJobCommand()
{
    CFileRequest req;
    req.hOwner = m_hWnd;
    req.strFilter = Filter(JOB_FILTER, std::size(JOB_FILTER));
    req.strDefaultExt = JOB_FILE_EXTENSION + 1;
    req.strInitialPath = m_strJobPath;
    std::wstring strPath;
    if (UiChooseFile(req, strPath))
        OpenJobFile(strPath);
}

bool CMainDlg::OpenJobFile(const std::wstring &strPath)
{
    m_tree.EndLabelEdit(true);
    CJob job;
    std::wstring strError;
    if (!ReadJobFile(strPath, job, strError)) {
        UiMessageBox(m_hWnd, L"ｼﾞｮﾌﾞﾌｧｲﾙを開けません。\n\n   File : " + strPath + L"\n\n" + strError, CAPTION_ERROR,
                     MB_OK | MB_ICONSTOP);
        return false;
    }
    // The design's erase question, only once there is a whole job to put in the tree's place.
    if (!m_tree.ConfirmClear())
        return false;
    EnableUserInterface(false);
    PutJobIntoTree(m_tree, job);
    m_strDestination = job.strDestination;
    SetDlgItemText(IDC_DEST_PATH, m_strDestination);
    SetJobPath(strPath);
    EnableUserInterface(true);
    ArrangeControls(); // the job's NotCopyFile may show or hide the report pane
    RefreshReport();
    return true;
}

void CMainDlg::ImportListCommand()
{
    m_tree.EndLabelEdit(false);
    CFileRequest req;
    req.hOwner = m_hWnd;
    req.strFilter = Filter(LIST_FILTER, std::size(LIST_FILTER));
    std::wstring strPath;
    if (!UiChooseFile(req, strPath))
        return;
    std::string strBytes;
    std::wstring strError;
    std::vector<std::vector<std::wstring>> listPaths;
    std::vector<CDirListRefusal> listRefused;
    if (ReadSmallFile(strPath, strBytes, DIR_LIST_MAX_BYTES, strError) &&
        !ParseDirList(strBytes, listPaths, listRefused) && listRefused.empty())
        strError = L"UTF-8 でもｼﾌﾄJIS でもありません。";
    if (strError.empty() && !listRefused.empty()) {
        constexpr size_t SHOWN = 10;
        for (size_t i = 0; i < listRefused.size() && i < SHOWN; ++i)
            strError += std::to_wstring(listRefused[i].nLine) + L" 行目 : " + listRefused[i].strReason + L"\n";
        if (listRefused.size() > SHOWN)
            strError += L"ほか " + std::to_wstring(listRefused.size() - SHOWN) + L" 行\n";
    }
    if (!strError.empty()) {
        UiMessageBox(m_hWnd,
                     L"ﾘｽﾄから追加できません (何も追加していません)。\n\n   File : " + strPath + L"\n\n" + strError,
                     CAPTION_ERROR, MB_OK | MB_ICONSTOP);
        return;
    }
    HTREEITEM hParent = m_tree.GetSelectedItem();
    if (!hParent)
        hParent = m_tree.GetRootItem();
    if (!hParent)
        return;
    EnableUserInterface(false);
    AddDirList(m_tree, hParent, listPaths);
    m_tree.Expand(hParent, TVE_EXPAND);
    m_tree.SelectItem(hParent);
    m_tree.UpdateItemImage(hParent);
    EnableUserInterface(true);
    RefreshReport();
}

void CMainDlg::SetJobPath(const std::wstring &strPath)
{
    m_strJobPath = strPath;
    m_nJobClears = m_tree.m_nClears;
    ::SetWindowTextW(m_hWnd, JobCaption(m_strJobPath, m_szCaption).c_str());
    if (m_strJobPath.empty()) {
        m_tree.m_fnMarksChanged = nullptr;
        m_pJobMarks.reset();
        return;
    }
    m_pJobMarks = std::make_shared<CJobMarksWriter>(m_tree, m_strJobPath, [this] { return m_strDestination; });
    m_tree.m_fnMarksChanged = [this](bool bEnded) {
        if (!m_pJobMarks->OnMarksChanged(bEnded) && bEnded)
            UiMessageBox(m_hWnd,
                         L"ｼﾞｮﾌﾞﾌｧｲﾙに処理済の印を書き込めません。\n\n   File : " + m_pJobMarks->Path() + L"\n\n" +
                             m_pJobMarks->m_strError,
                         CAPTION_ERROR, MB_OK | MB_ICONSTOP);
    };
}

void CMainDlg::SyncJobWithTree()
{
    // A cleared or freshly scanned tree is no longer the job's.
    if (!m_strJobPath.empty() && m_tree.m_nClears != m_nJobClears)
        SetJobPath(std::wstring());
}
