// The run's error log: lines collected in memory during the run, written after a banner to one
// file per process when the run ends, with another directory offered when that fails.
#include "copy/ErrorLog.h"
#include "copy/CopyRun.h"
#include "copy/ErrorLogText.h"
#include "framework/Captions.h"
#include "framework/Handles.h"
#include "support/FileSystem.h"
#include "support/FolderDialog.h"
#include "support/Path.h"
#include "tree/DirTreeCtrl.h"

#include <algorithm>

namespace {

// The whole buffer, or false with the last error; a short write counts as a failure.
bool WriteAll(HANDLE hFile, const std::string &strBytes)
{
    size_t nDone = 0;
    while (nDone < strBytes.size()) {
        const DWORD nChunk = static_cast<DWORD>(std::min<size_t>(strBytes.size() - nDone, 1u << 30));
        DWORD nWritten = 0;
        if (!::WriteFile(hFile, strBytes.data() + nDone, nChunk, &nWritten, nullptr))
            return false;
        if (nWritten == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        nDone += nWritten;
    }
    return true;
}

} // namespace

void CCopyRun::AddErrorLog(DWORD dwError, const std::wstring &strLabel, const std::wstring &strArg,
                           const std::wstring &strPath1, const std::wstring &strPath2)
{
    if (!m_tree.UseErrorLog)
        return;
    // A run makes the buffer first; a line logged without one is kept all the same.
    if (!m_pErrorLog)
        m_pErrorLog = std::make_unique<std::wstring>();
    m_pErrorLog->append(FormatErrorLogLine(dwError, strLabel, strArg, strPath1, strPath2));
}

std::wstring GetErrorLogFileName(const OptionSet &options)
{
    const std::wstring &strDir = options.ErrorLogFilePath;
    // While the chosen directory is away (a removable or network drive), the log goes to the
    // temporary directory; the setting itself stays. A file in its place is an error to report.
    const bool bAway = !strDir.empty() && ::GetFileAttributesW(strDir.c_str()) == INVALID_FILE_ATTRIBUTES;
    return JoinPath(bAway ? DefaultErrorLogDirectory() : strDir, ErrorLogFileName(::GetCurrentProcessId()));
}

std::wstring CCopyRun::GetErrorLogFileName() const
{
    return ::GetErrorLogFileName(m_tree);
}

void CCopyRun::SaveErrorLog()
{
    std::unique_ptr<std::wstring> pLog = std::move(m_pErrorLog);
    if (!m_tree.UseErrorLog || !pLog || pLog->empty() || m_tree.ErrorLogFilePath.empty())
        return;

    CreateDirectoryPath(m_tree.ErrorLogFilePath, true); // levels removed since the start are made again
    std::wstring strLogPath;
    bool bWritten = false;
    for (;;) {
        strLogPath = GetErrorLogFileName();
        if (WriteErrorLogFile(strLogPath, *pLog)) {
            bWritten = true;
            break;
        }
        // Asked after every failure, whatever its cause: the cause has just been shown.
        const uint64_t nNeeded = ErrorLogSpaceNeeded(EncodeErrorLogText(*pLog).size());
        if (UiMessageBox(m_tree.m_hWnd, ErrorLogNoRoomText(m_tree.ErrorLogFilePath, nNeeded), CAPTION_FATAL,
                         MB_YESNO | MB_ICONSTOP) != IDYES)
            break;
        CFolderDialog dlg(m_tree.m_hWnd, m_tree.ErrorLogFilePath.c_str());
        if (dlg.Browse(ErrorLogFolderTexts(), m_tree.ErrorLogFilePath.c_str(), m_tree.m_hWnd) != FOLDER_CHOSEN)
            break;
        m_tree.ErrorLogFilePath = dlg.GetPath();
    }
    pLog.reset();

    if (bWritten)
        UiMessageBox(m_tree.m_hWnd, ErrorLogWrittenText(strLogPath), L"Attention ...", MB_OK | MB_ICONINFORMATION);
}

bool CCopyRun::WriteErrorLogFile(const std::wstring &strPath, const std::wstring &strLines)
{
    CFileHandle file(::CreateFileW(strPath.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD dwError = ::GetLastError();
        UiMessageBox(m_tree.m_hWnd, FileErrorText(strPath, dwError), CAPTION_PROGRAM, MB_OK | MB_ICONEXCLAMATION);
        UiMessageBox(m_tree.m_hWnd, ErrorLogCreateFailedText(strPath), CAPTION_FATAL, MB_OK | MB_ICONINFORMATION);
        return false;
    }

    // The whole file is written at once, so it is in one encoding from its first byte to its last.
    bool bOk = WriteAll(file, EncodeErrorLogText(CurrentErrorLogBanner() + strLines));
    DWORD dwError = bOk ? 0 : ::GetLastError();
    // Closing may flush what the system still held back, and fail then.
    if (!::CloseHandle(file.Detach()) && bOk) {
        bOk = false;
        dwError = ::GetLastError();
    }
    if (!bOk) {
        UiMessageBox(m_tree.m_hWnd, FileErrorText(strPath, dwError), CAPTION_PROGRAM, MB_OK | MB_ICONEXCLAMATION);
        UiMessageBox(m_tree.m_hWnd, ErrorLogWriteFailedText(strPath), CAPTION_FATAL, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    return true;
}
