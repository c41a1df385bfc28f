// What needs no window in the job commands: which key and which menu item is which command, the
// caption, a job file's name.
#include "app/JobCommands.h"

#include "support/Path.h"
#include "tree/JobFile.h"

UINT JobCommandForKey(UINT nVirtKey, bool bCtrl, bool bShift, bool bAlt)
{
    if (!bCtrl || bAlt)
        return 0;
    switch (nVirtKey) {
    case 'S': return bShift ? ID_JOB_SAVE_AS : ID_JOB_SAVE;
    case 'O': return bShift ? 0 : ID_JOB_OPEN;
    default: return 0;
    }
}

UINT JobCommandForSysCommand(WPARAM wParam)
{
    switch (wParam & 0xFFF0) {
    case IDM_SYS_JOB_SAVE: return ID_JOB_SAVE;
    case IDM_SYS_JOB_SAVE_AS: return ID_JOB_SAVE_AS;
    case IDM_SYS_JOB_OPEN: return ID_JOB_OPEN;
    case IDM_SYS_IMPORT_LIST: return ID_JOB_IMPORT_LIST;
    default: return 0;
    }
}

std::wstring JobCaption(const std::wstring &strJobPath, const std::wstring &strProgram)
{
    if (strJobPath.empty())
        return strProgram;
    std::wstring strName = strJobPath.substr(strJobPath.find_last_of(L"\\/") + 1);
    if (IsJobFileName(strName))
        strName.resize(strName.size() - std::size(JOB_FILE_EXTENSION) + 1);
    return strName + L" - " + strProgram;
}

bool IsJobFileName(const std::wstring &strPath)
{
    constexpr size_t nExt = std::size(JOB_FILE_EXTENSION) - 1;
    return strPath.size() > nExt &&
           CompareNameNoCase(std::wstring_view(strPath).substr(strPath.size() - nExt), JOB_FILE_EXTENSION) == 0;
}
