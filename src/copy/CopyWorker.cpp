#include "copy/CopyWorker.h"
#include "copy/AttrRules.h"
#include "copy/CopyTexts.h"
#include "framework/Handles.h"
#include "framework/Seams.h"
#include "support/FileApiPath.h"
#include "support/Path.h"
#include "support/TimeText.h"
#include "tree/OptionSet.h"

#include <algorithm>

namespace {

// What the overwrite policy looks at: the modification time as stored, and the size. The time
// is compared in whole seconds and shown as it is, never brought into a narrower range first: a
// file of 2045 is newer than one of 2040.
struct CFileStatus {
    FILETIME ftModified = {};
    uint64_t nSize = 0;
};

CFileStatus StatusOf(const WIN32_FILE_ATTRIBUTE_DATA &data)
{
    return {data.ftLastWriteTime, (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

// True with its attributes, times and size when the path names an existing entry that is not a
// directory. The same answer as a find-first search for the name (a name with wildcards names no
// file), at a fraction of its cost: this is asked twice for every file of a run.
bool ReadFileEntry(const std::wstring &strPath, WIN32_FILE_ATTRIBUTE_DATA &data)
{
    const size_t nNameStart = strPath.find_last_of(L"\\/:") + 1; // npos + 1 == 0
    if (strPath.find_first_of(L"*?", nNameStart) != std::wstring::npos)
        return false;
    return ::GetFileAttributesExW(FileApiPath(strPath).c_str(), GetFileExInfoStandard, &data) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The question is raised above the copying so that it comes up at once.
int AskOverwrite(HWND hOwner, const std::wstring &strSrc, const CFileStatus &src, const std::wstring &strDst,
                 const CFileStatus &dst)
{
    const DWORD dwParts = TIME_PART_DATE | TIME_PART_TIME;
    const std::wstring strText = FormatOverwriteQuestion(strSrc, FormatFileTime(&src.ftModified, dwParts), src.nSize,
                                                         strDst, FormatFileTime(&dst.ftModified, dwParts), dst.nSize);
    const HANDLE hThread = ::GetCurrentThread();
    const int nOldPriority = ::GetThreadPriority(hThread);
    ::SetThreadPriority(hThread, THREAD_PRIORITY_ABOVE_NORMAL);
    const int nAnswer = UiMessageBox(hOwner, strText, OVERWRITE_CAPTION, MB_YESNOCANCEL | MB_ICONQUESTION);
    ::SetThreadPriority(hThread, nOldPriority);
    return nAnswer;
}

// Makes room for the new copy. The source is opened first, so that a source that cannot be read
// never costs the existing destination, and stays open, without sharing deletion, until the
// destination is gone: a destination that is the source under another name (a short name, a
// share, another drive letter for the same folder) then cannot be deleted, and the source is not
// lost. A destination that cannot be deleted keeps its attributes.
bool ClearDestination(const std::wstring &strSrc, const std::wstring &strDst, DWORD dwDstAttributes)
{
    const CFileHandle hSrc(
        ::CreateFileW(FileApiPath(strSrc).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!hSrc)
        return false;
    const std::wstring strDstCall = FileApiPath(strDst);
    if (!::SetFileAttributesW(strDstCall.c_str(), FILE_ATTRIBUTE_NORMAL))
        return false;
    if (::DeleteFileW(strDstCall.c_str()))
        return true;
    const DWORD dwError = ::GetLastError();
    ::SetFileAttributesW(strDstCall.c_str(), dwDstAttributes);
    ::SetLastError(dwError);
    return false;
}

// A failed copy may leave a truncated or empty file behind (Wine's does after a disk-full write);
// a later only-when-newer run would take it for an up-to-date copy. Nothing stood at dst before
// the copy, so whatever file is there now is the remnant. Keeps the copy's error code.
void RemovePartialCopy(const std::wstring &strDst)
{
    const DWORD dwError = ::GetLastError();
    const std::wstring strDstCall = FileApiPath(strDst);
    const DWORD dwAttributes = ::GetFileAttributesW(strDstCall.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (dwAttributes & FILE_ATTRIBUTE_READONLY)
            ::SetFileAttributesW(strDstCall.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(strDstCall.c_str());
    }
    ::SetLastError(dwError);
}

} // namespace

int CopyOneFile(HWND hOwner, int nMode, const std::wstring &strSrc, const std::wstring &strDst, DWORD &dwError)
{
    dwError = 0;
    if (CompareNameNoCase(strSrc, strDst) == 0)
        return CR_SAME_PATH;
    WIN32_FILE_ATTRIBUTE_DATA dataSrc, dataDst;
    if (!ReadFileEntry(strSrc, dataSrc))
        return CR_SRC_NOT_FOUND;
    const CFileStatus src = StatusOf(dataSrc);

    const bool bExists = ReadFileEntry(strDst, dataDst);
    CFileStatus dst;
    if (bExists) {
        if (nMode == FOW_NEVER)
            return CR_ALREADY_EXIST;
        dst = StatusOf(dataDst);
        if (nMode == FOW_IF_NEWER && !IsLaterSecond(src.ftModified, dst.ftModified))
            return CR_UP_TO_DATE;
        if (nMode == FOW_ASK) {
            const int nAnswer = AskOverwrite(hOwner, strSrc, src, strDst, dst);
            if (nAnswer == IDNO)
                return CR_SKIP_BY_USER;
            if (nAnswer != IDYES)
                return CR_CANCEL_BY_USER;
        }
    }

    uint64_t nCluster = 1;
    uint64_t nFree = GetDiskFreeBytes(strDst, nCluster);
    if (nFree != DISK_FREE_UNKNOWN) {
        if (nFree == 0)
            return CR_DISK_FULL;
        // The destination's own clusters come free when it is replaced.
        if (bExists)
            nFree += std::min(RoundUpToCluster(dst.nSize, nCluster), UINT64_MAX - nFree);
        if (RoundUpToCluster(src.nSize, nCluster) > nFree)
            return CR_DISK_SHORT;
    }

    if (bExists && !ClearDestination(strSrc, strDst, dataDst.dwFileAttributes)) {
        dwError = ::GetLastError();
        return CR_SYSERR;
    }
    if (!::CopyFileW(FileApiPath(strSrc).c_str(), FileApiPath(strDst).c_str(), FALSE)) {
        dwError = ::GetLastError();
        RemovePartialCopy(strDst);
        return CR_SYSERR;
    }
    return CR_COPIED;
}

unsigned __stdcall CopyThreadProc(void *pParam)
{
    CopyThreadParam &param = *static_cast<CopyThreadParam *>(pParam);
    const CDiskFreeCache diskFree; // one file after another into the same volume
    bool bNoSpace = false;         // no free space at all: the drive will not empty itself during the phase
    const HANDLE ahWait[2] = {param.pEvJob, param.pEvQuit};
    while (::WaitForMultipleObjects(2, ahWait, FALSE, INFINITE) == WAIT_OBJECT_0) {
        if (bNoSpace) {
            param.nResult = CR_DISK_FULL;
            param.dwError = 0;
        } else {
            try {
                const std::wstring strSrc = *param.pSrc, strDst = *param.pDst;
                DWORD dwError = 0;
                param.nResult = CopyOneFile(param.pOwner, param.nMode, strSrc, strDst, dwError);
                param.dwError = dwError;
            } catch (...) { // nothing may leave the thread; a job that could not run is a failed job
                param.nResult = CR_SYSERR;
                param.dwError = ERROR_NOT_ENOUGH_MEMORY;
            }
            bNoSpace = param.nResult == CR_DISK_FULL;
        }
        ::SetEvent(param.pEvDone);
    }
    ::SetEvent(param.pEvExited);
    return 0;
}
