// A job file read whole within its limit, and written beside itself before it replaces itself.
#include "framework/Handles.h"
#include "support/FileApiPath.h"
#include "support/SystemError.h"
#include "tree/JobFile.h"

#include <algorithm>

namespace {

std::wstring SystemReason(DWORD dwError)
{
    return GetSystemErrorText(dwError, true) + L" (" + std::to_wstring(dwError) + L")";
}

bool WriteAll(HANDLE hFile, const std::string &strText)
{
    size_t nDone = 0;
    while (nDone < strText.size()) {
        const DWORD dwChunk = static_cast<DWORD>(std::min<size_t>(strText.size() - nDone, 1u << 24));
        DWORD dwWritten = 0;
        if (!::WriteFile(hFile, strText.data() + nDone, dwChunk, &dwWritten, nullptr) || dwWritten == 0)
            return false;
        nDone += dwWritten;
    }
    return true;
}

} // namespace

bool ReadJobFile(const std::wstring &strPath, CJob &job, std::wstring &strError, uint64_t nMaxBytes)
{
    CFileHandle hFile(::CreateFileW(FileApiPath(strPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!hFile.IsValid()) {
        strError = L"ﾌｧｲﾙを開けません : " + SystemReason(::GetLastError());
        return false;
    }
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(hFile.Get(), &size)) {
        strError = L"ﾌｧｲﾙの大きさがわかりません : " + SystemReason(::GetLastError());
        return false;
    }
    const auto nSize = static_cast<uint64_t>(size.QuadPart);
    if (nSize > nMaxBytes) {
        strError = L"ﾌｧｲﾙが大きすぎます (" + std::to_wstring(nSize) + L" ﾊﾞｲﾄ、上限 " + std::to_wstring(nMaxBytes) +
                   L" ﾊﾞｲﾄ)。";
        return false;
    }
    std::string strText(static_cast<size_t>(nSize), '\0');
    size_t nDone = 0;
    while (nDone < strText.size()) {
        const DWORD dwChunk = static_cast<DWORD>(std::min<size_t>(strText.size() - nDone, 1u << 24));
        DWORD dwRead = 0;
        if (!::ReadFile(hFile.Get(), strText.data() + nDone, dwChunk, &dwRead, nullptr)) {
            strError = L"ﾌｧｲﾙを読めません : " + SystemReason(::GetLastError());
            return false;
        }
        if (dwRead == 0)
            break; // shorter than it said: what is there is parsed, and found cut
        nDone += dwRead;
    }
    strText.resize(nDone);
    return ParseJobText(strText, job, strError);
}

bool WriteJobFile(const std::wstring &strPath, const CJob &job, std::wstring &strError)
{
    const std::string strText = FormatJobText(job);
    // Beside the file, so that the move stays on one volume and replaces it in one step.
    const std::wstring strTemp = strPath + L"." + std::to_wstring(::GetCurrentProcessId()) + L".new";
    {
        CFileHandle hFile(::CreateFileW(FileApiPath(strTemp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!hFile.IsValid()) {
            strError = L"一時ﾌｧｲﾙを作れません : " + SystemReason(::GetLastError());
            return false;
        }
        if (!WriteAll(hFile.Get(), strText) || !::FlushFileBuffers(hFile.Get())) {
            strError = L"書き込めません : " + SystemReason(::GetLastError());
            hFile.Close();
            ::DeleteFileW(FileApiPath(strTemp).c_str());
            return false;
        }
    }
    if (!::MoveFileExW(FileApiPath(strTemp).c_str(), FileApiPath(strPath).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        strError = L"ﾌｧｲﾙを置き換えられません : " + SystemReason(::GetLastError());
        ::DeleteFileW(FileApiPath(strTemp).c_str());
        return false;
    }
    return true;
}
