#include "dialogs/OptionsDlg.h"

#include "dialogs/OptionsRules.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "support/Dpi.h"
#include "support/FileSystem.h"
#include "support/FitToText.h"
#include "support/FolderDialog.h"
#include "support/Path.h"
#include "tree/OptionSet.h"

namespace {
// In FileOverWriteMode order.
const wchar_t *const OVERWRITE_MODE_TEXTS[] = {L"無条件に上書き", L"複写元の方が新しい時のみ上書き", L"確認する",
                                               L"上書きしない"};
} // namespace

COptionsDlg::COptionsDlg(HWND hParent) : CDialog(IDD_OPTIONS, hParent) {}

void COptionsDlg::LoadFrom(const OptionSet &options)
{
    m_bNoExpandOnSearch = options.NoExpandOnSearch;
    m_bSkipHiddenDir = options.SkipHiddenDir;
    m_bSkipSystemDir = options.SkipSystemDir;
    m_bNotCopyFile = options.NotCopyFile;
    m_nSortDirection = SortDirectionIndex(options.FileSortOrder);
    m_nSortKey = SortKeyIndex(options.FileSortOrder);
    m_nOverWriteMode = options.FileOverWriteMode;
    m_bProtectAttrOfExist = options.ProtectAttrOfExist;
    m_bBreakOnDiskFull = options.BreakOnDiskFull;
    m_bUseErrorLog = options.UseErrorLog;
    m_strErrorLogFilePath = options.ErrorLogFilePath;
    m_bNoExpandOnCopy = options.NoExpandOnCopy;
}

void COptionsDlg::StoreTo(OptionSet &options) const
{
    options.NoExpandOnSearch = m_bNoExpandOnSearch;
    options.SkipHiddenDir = m_bSkipHiddenDir;
    options.SkipSystemDir = m_bSkipSystemDir;
    options.NotCopyFile = m_bNotCopyFile;
    options.FileSortOrder = MakeFileSortOrder(m_nSortDirection, m_nSortKey);
    // A list without a selection (an out-of-range value came in) must not store -1.
    options.FileOverWriteMode = NormaliseFileOverWriteMode(m_nOverWriteMode);
    options.ProtectAttrOfExist = m_bProtectAttrOfExist;
    options.BreakOnDiskFull = m_bBreakOnDiskFull;
    options.UseErrorLog = m_bUseErrorLog;
    // The directory was checked to exist; keep it in the form the log and the settings use.
    options.ErrorLogFilePath = RemoveTrailingBackslash(m_strErrorLogFilePath);
    options.NoExpandOnCopy = m_bNoExpandOnCopy;
}

void COptionsDlg::DoDataExchange(CDataExchange &dx)
{
    DDX_Check(dx, IDC_OPT_NO_EXPAND_SEARCH, m_bNoExpandOnSearch);
    DDX_Check(dx, IDC_OPT_SKIP_HIDDEN, m_bSkipHiddenDir);
    DDX_Check(dx, IDC_OPT_SKIP_SYSTEM, m_bSkipSystemDir);
    DDX_Check(dx, IDC_OPT_NOT_COPY_FILE, m_bNotCopyFile);
    DDX_Radio(dx, IDC_OPT_SORT_NONE, m_nSortDirection);
    DDX_Radio(dx, IDC_OPT_SORT_BY_NAME, m_nSortKey);
    DDX_CBIndex(dx, IDC_OPT_OVERWRITE_MODE, m_nOverWriteMode);
    DDX_Check(dx, IDC_OPT_PROTECT_EXISTING, m_bProtectAttrOfExist);
    DDX_Check(dx, IDC_OPT_BREAK_ON_DISK_FULL, m_bBreakOnDiskFull);
    DDX_Check(dx, IDC_OPT_USE_ERROR_LOG, m_bUseErrorLog);
    DDX_Text(dx, IDC_OPT_ERROR_LOG_DIR, m_strErrorLogFilePath);
    DDX_Check(dx, IDC_OPT_NO_EXPAND_COPY, m_bNoExpandOnCopy);
}

BOOL COptionsDlg::OnInitDialog()
{
    // The list's entries must be there before the exchange selects one.
    HWND hList = GetDlgItem(IDC_OPT_OVERWRITE_MODE);
    for (const wchar_t *pszText : OVERWRITE_MODE_TEXTS)
        ::SendMessageW(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszText));
    CDialog::OnInitDialog();
    m_icons.Apply(m_hWnd, IDI_OPTIONS, GetWindowDpi(m_hWnd));
    FitDialogToTexts(m_hWnd);
    UpdateOptionControls(false);
    return TRUE;
}

bool COptionsDlg::OnCommand(UINT nID, UINT nCode, HWND)
{
    if (nCode != BN_CLICKED)
        return false;
    switch (nID) {
    case IDC_OPT_NOT_COPY_FILE:
    case IDC_OPT_SORT_NONE:
    case IDC_OPT_SORT_ASCENDING:
    case IDC_OPT_SORT_DESCENDING:
    case IDC_OPT_SORT_BY_NAME:
    case IDC_OPT_SORT_BY_EXT: UpdateOptionControls(true); return true;
    case IDC_OPT_BROWSE_LOG_DIR: BrowseLogDirectory(); return true;
    default: return false;
    }
}

void COptionsDlg::UpdateOptionControls(bool bRead)
{
    if (bRead && !UpdateData(true))
        return;
    const COptionControlStates states = OptionControlStates(m_bNotCopyFile != 0, m_nSortDirection);
    for (int nID : {IDC_OPT_SORT_NONE, IDC_OPT_SORT_ASCENDING, IDC_OPT_SORT_DESCENDING})
        EnableDlgItem(nID, states.bSortDirection);
    for (int nID : {IDC_OPT_SORT_BY_NAME, IDC_OPT_SORT_BY_EXT})
        EnableDlgItem(nID, states.bSortKey);
    EnableDlgItem(IDC_OPT_OVERWRITE_MODE, states.bOverWriteMode);
    EnableDlgItem(IDC_OPT_BREAK_ON_DISK_FULL, states.bBreakOnDiskFull);
}

void COptionsDlg::BrowseLogDirectory()
{
    if (!UpdateData(true))
        return;
    CFolderDialog folder;
    if (folder.Browse(ErrorLogOptionFolderTexts(), m_strErrorLogFilePath.c_str(), m_hWnd) != FOLDER_CHOSEN)
        return;
    m_strErrorLogFilePath = folder.GetPath();
    UpdateData(false);
}

bool COptionsDlg::TakeErrorLogDirectoryText()
{
    // The loader's rule: a text it would refuse at the next start is refused now, before any
    // question about creating it.
    const std::wstring strDir = ErrorLogDirectorySetting(m_strErrorLogFilePath);
    if (strDir.empty()) {
        UiMessageBox(m_hWnd, LogDirNotCreatedMessage(m_strErrorLogFilePath), CAPTION_ERROR, MB_OK | MB_ICONSTOP);
        return false;
    }
    if (strDir != m_strErrorLogFilePath) {
        m_strErrorLogFilePath = strDir;
        SetDlgItemText(IDC_OPT_ERROR_LOG_DIR, strDir);
    }
    return true;
}

void COptionsDlg::OnOK()
{
    if (!UpdateData(true) || !TakeErrorLogDirectoryText())
        return;
    // Checked whether or not logging is on, so that turning it on later finds a directory.
    if (CreateDirectoryPath(m_strErrorLogFilePath, false) == CDP_EXISTS) {
        EndDialog(IDOK);
        return;
    }
    if (UiMessageBox(m_hWnd, LogDirMissingQuestion(m_strErrorLogFilePath), CAPTION_CONFIRM,
                     MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const int nResult = CreateDirectoryPath(m_strErrorLogFilePath, true);
    if (nResult == CDP_EXISTS || nResult == CDP_CREATED) {
        EndDialog(IDOK);
        return;
    }
    UiMessageBox(m_hWnd, LogDirNotCreatedMessage(m_strErrorLogFilePath), CAPTION_ERROR, MB_OK | MB_ICONSTOP);
}

bool EditOptions(OptionSet &options, HWND hOwner)
{
    COptionsDlg dlg(hOwner);
    dlg.LoadFrom(options);
    if (dlg.DoModal() != IDOK)
        return false;
    dlg.StoreTo(options);
    return true;
}
